#include "foablak/tfrm_main.h"

#include "eszkozok/archivalas.h"
#include "eszkozok/beallitas.h"
#include "eszkozok/napiarchiv.h"
#include "eszkozok/tfrm_beallit.h"
#include "eszkozok/tfrm_nevjegy.h"
#include "eszkozok/tfrm_readme.h"
#include "fajlparbeszed.h"
#include "felhasznalo/tfrm_felhasznalo.h"
#include "felhasznalo/tfrm_login.h"
#include "foablak/akciok.h"
#include "foablak/inditas.h"
#include "foablak/racs.h"
#include "foablak/tfrm_logo.h"
#include "ikonok.h"
#include "inifajl.h"
#include "keszito.h"
#include "kiadas/kiadasmuveletek.h"
#include "kiadas/tfrm_kiadbongeszo.h"
#include "kiadas/tfrm_kintlevoseg.h"
#include "kiadas/trptkiadott.h"
#include "lekerdezes/tfrm_keres.h"
#include "lekerdezes/tfrm_sql.h"
#include "pelvanoini.h"
#include "seged.h"
#include "tablamodell.h"
#include "terv/tervfolyamatok.h"
#include "terv/tervmuveletek.h"
#include "terv/tervriportok.h"
#include "tervlista.h"
#include "torzs/tfrm_torzs.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QScreen>
#include <QSqlRecord>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTableView>
#include <QThread>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QToolBar* eszkoztar(QWidget* szulo, const QString& nev) {
    auto* t = new QToolBar(szulo);
    t->setObjectName(nev);
    t->setIconSize(QSize(16, 16));
    t->setToolButtonStyle(Qt::ToolButtonIconOnly);
    return t;
}

void legorduloGomb(QToolBar* tar, QAction* akcio, QMenu* menu) {
    tar->addAction(akcio);
    if (auto* gomb = qobject_cast<QToolButton*>(tar->widgetForAction(akcio))) {
        gomb->setMenu(menu);
        gomb->setPopupMode(QToolButton::MenuButtonPopup);
    }
}

} // namespace

Tfrm_Main::Tfrm_Main(QWidget* szulo)
    : QMainWindow(szulo), m_db1(QString::fromLatin1(Kapcsolat::AlapNev)) {
    setObjectName(QStringLiteral("frm_Main"));
    setWindowTitle(QStringLiteral("Pelvano"));
    resize(656, 584);
    m_valaszto = TorzsValasztoAblak(m_db1, this);
    ablakEpit();
    akciokBekot();
}

Tfrm_Main::~Tfrm_Main() {
    // A daily archive still being made is finished first.
    if (m_archivSzal) {
        m_archivSzal->wait();
        delete m_archivSzal;
    }
    // The models go before the connection they read through.
    DBGrid1->setModel(nullptr);
    DBGrid2->setModel(nullptr);
    delete m_tervRacs;
    delete m_sorRacs;
    delete Qry;
    delete TblSor;
}

void Tfrm_Main::ablakEpit() {
    QFont betu(QStringLiteral("Tahoma"));
    betu.setPointSize(8);
    setFont(betu);
    m_akciok = Akciok::Letrehoz(this);
    m_akciok.value(QStringLiteral("aSzur"))->setCheckable(true);

    for (const auto& [cim, elemek] : Akciok::FoMenu())
        Akciok::Feltolt(menuBar()->addMenu(cim), elemek, m_akciok);

    auto* kozep = new QWidget(this);
    auto* elrendezes = new QVBoxLayout(kozep);
    elrendezes->setContentsMargins(0, 0, 0, 0);
    elrendezes->setSpacing(0);

    QToolBar* tar1 = eszkoztar(kozep, QStringLiteral("ToolBar1"));
    for (const char* n :
         {"aBeallit", "-", "aSugo", "aHonlap", "aLevel", "aUjdonsag", "-", "aBezar"})
        n[0] == '-' ? void(tar1->addSeparator())
                    : tar1->addAction(m_akciok.value(QLatin1String(n)));
    elrendezes->addWidget(tar1);

    QFont panelBetu(QStringLiteral("Tahoma"));
    panelBetu.setPointSize(10);
    panelBetu.setBold(true);
    const QString panelStilus = QStringLiteral("color: palette(highlight);");

    // Title panel with the order label at its left edge.
    auto* cimPanel = new QWidget(kozep);
    cimPanel->setObjectName(QStringLiteral("Panel3Keret"));
    cimPanel->setFixedHeight(21);
    auto* cimSor = new QHBoxLayout(cimPanel);
    cimSor->setContentsMargins(0, 0, 0, 0);
    auto* lblSorrendCim = new QLabel(QStringLiteral("  sorrend: "), cimPanel);
    lblSorrendCim->setFont(QFont(QStringLiteral("Times New Roman"), 8));
    lblSorrend = new QLabel(QStringLiteral("tervszám"), cimPanel);
    lblSorrend->setObjectName(QStringLiteral("lblSorrend"));
    QFont felkover = betu;
    felkover.setBold(true);
    lblSorrend->setFont(felkover);
    lblSorrend->setMinimumWidth(90);
    Panel3 = new QLabel(cimPanel);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setAlignment(Qt::AlignCenter);
    Panel3->setFont(panelBetu);
    Panel3->setStyleSheet(panelStilus);
    cimSor->addWidget(lblSorrendCim);
    cimSor->addWidget(lblSorrend);
    cimSor->addWidget(Panel3, 1);
    cimSor->addSpacing(lblSorrendCim->sizeHint().width() + 90);
    elrendezes->addWidget(cimPanel);

    QToolBar* tar2 = eszkoztar(kozep, QStringLiteral("ToolBar2"));
    Edit1 = new QLineEdit(tar2);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setFixedWidth(121);
    Edit1->installEventFilter(this);
    tar2->addWidget(Edit1);
    tar2->addSeparator();
    tar2->addAction(m_akciok.value(QStringLiteral("aKeres")));
    tar2->addAction(m_akciok.value(QStringLiteral("aKeresReszletes")));
    tar2->addSeparator();
    auto* szuroMenu = new QMenu(this);
    szuroMenu->setObjectName(QStringLiteral("mnuSzuro"));
    Akciok::Feltolt(szuroMenu, Akciok::SzuroMenu(), m_akciok);
    legorduloGomb(tar2, m_akciok.value(QStringLiteral("aSzurJelol")), szuroMenu);
    tar2->addSeparator();
    for (const char* n : {"aUj", "aSzerkeszt", "aTorol"})
        tar2->addAction(m_akciok.value(QLatin1String(n)));
    tar2->addSeparator();
    auto* nyomtatMenu = new QMenu(this);
    Akciok::Feltolt(nyomtatMenu, {QStringLiteral("aNyomtat"), QStringLiteral("aNyomAdatlap")},
                    m_akciok);
    legorduloGomb(tar2, m_akciok.value(QStringLiteral("aNyomtat")), nyomtatMenu);
    elrendezes->addWidget(tar2);

    DBGrid1 = Racs::Letrehoz(kozep, QStringLiteral("DBGrid1"), Racs::TervOszlopok(),
                             Ikon::Kep(Ikon::Szuro));
    DBGrid1->setMinimumHeight(227);
    DBGrid1->horizontalHeader()->setCursor(Qt::PointingHandCursor);
    DBGrid1->horizontalHeader()->setSectionsClickable(true);
    elrendezes->addWidget(DBGrid1, 1);

    auto* sorokPanel = new QLabel(QStringLiteral("Sorok"), kozep);
    sorokPanel->setObjectName(QStringLiteral("Panel2"));
    sorokPanel->setFixedHeight(21);
    sorokPanel->setAlignment(Qt::AlignCenter);
    sorokPanel->setFont(panelBetu);
    sorokPanel->setStyleSheet(panelStilus);
    elrendezes->addWidget(sorokPanel);

    QToolBar* tar3 = eszkoztar(kozep, QStringLiteral("ToolBar3"));
    for (const char* n : {"aUj2", "aSzerkeszt2", "aTorol2"})
        tar3->addAction(m_akciok.value(QLatin1String(n)));
    tar3->addSeparator();
    auto* kiadMenu = new QMenu(this);
    Akciok::Feltolt(kiadMenu, {QStringLiteral("aTervKiad"), QStringLiteral("aTervKiadOsszes")},
                    m_akciok);
    legorduloGomb(tar3, m_akciok.value(QStringLiteral("aTervKiad")), kiadMenu);
    tar3->addAction(m_akciok.value(QStringLiteral("aKiadJelol")));
    tar3->addAction(m_akciok.value(QStringLiteral("aTervVissza")));
    tar3->addSeparator();
    tar3->addAction(m_akciok.value(QStringLiteral("aLevKiad")));
    tar3->addAction(m_akciok.value(QStringLiteral("aLevVissza")));
    elrendezes->addWidget(tar3);

    DBGrid2 = Racs::Letrehoz(kozep, QStringLiteral("DBGrid2"), Racs::SorOszlopok(),
                             Ikon::Kep(Ikon::TervKiad));
    elrendezes->addWidget(DBGrid2, 1);
    setCentralWidget(kozep);

    // Pop-up menus of the grids.
    auto* tervMenu = new QMenu(DBGrid1);
    tervMenu->setObjectName(QStringLiteral("PopupMenu1"));
    Akciok::Feltolt(
        tervMenu,
        {QStringLiteral("aUj"), QStringLiteral("aSzerkeszt"), QStringLiteral("aTorol"), "-"},
        m_akciok);
    QMenu* szuroAlmenu = tervMenu->addMenu(QStringLiteral("Szűrés"));
    Akciok::Feltolt(szuroAlmenu, Akciok::SzuroMenu(), m_akciok);
    Akciok::Feltolt(tervMenu,
                    {QStringLiteral("aKeresReszletes"), "-", QStringLiteral("aNyomtat"),
                     QStringLiteral("aNyomAdatlap")},
                    m_akciok);
    DBGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(DBGrid1, &QWidget::customContextMenuRequested, this, [this, tervMenu](const QPoint& p) {
        tervMenu->popup(DBGrid1->viewport()->mapToGlobal(p));
    });
    auto* sorMenu = new QMenu(DBGrid2);
    sorMenu->setObjectName(QStringLiteral("PopupMenu2"));
    Akciok::Feltolt(sorMenu,
                    {QStringLiteral("aUj2"), QStringLiteral("aSzerkeszt2"),
                     QStringLiteral("aTorol2"), "-", QStringLiteral("aKiadJelol"),
                     QStringLiteral("aTervKiad"), QStringLiteral("aTervKiadOsszes"),
                     QStringLiteral("aTervVissza"), "-", QStringLiteral("aLevKiad"),
                     QStringLiteral("aLevVissza")},
                    m_akciok);
    DBGrid2->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(DBGrid2, &QWidget::customContextMenuRequested, this, [this, sorMenu](const QPoint& p) {
        sorMenu->popup(DBGrid2->viewport()->mapToGlobal(p));
    });
    DBGrid1->installEventFilter(this);
    DBGrid2->installEventFilter(this);

    const int szelessegek[5] = {75, 175, 120, 50, 50};
    for (int i = 0; i < 5; ++i) {
        StatusPanel[i] = new QLabel(this);
        StatusPanel[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i + 1));
        StatusPanel[i]->setFrameShape(QFrame::Panel);
        StatusPanel[i]->setFrameShadow(QFrame::Sunken);
        if (i < 4)
            StatusPanel[i]->setFixedWidth(szelessegek[i]);
        else
            StatusPanel[i]->setMinimumWidth(szelessegek[i]);
        statusBar()->addWidget(StatusPanel[i], i == 4 ? 1 : 0);
    }
}

void Tfrm_Main::akciokBekot() {
    auto bekot = [this](const char* nev, auto&& fv) {
        connect(m_akciok.value(QLatin1String(nev)), &QAction::triggered, this, fv);
    };
    bekot("aBezar", [this] { close(); });
    bekot("aUj",
          [this] { QryUjranyit(TervSzerkesztes(m_db1, AktualisTerv(), true, m_valaszto, this)); });
    bekot("aSzerkeszt",
          [this] { QryUjranyit(TervSzerkesztes(m_db1, AktualisTerv(), false, m_valaszto, this)); });
    bekot("aTorol", [this] {
        if (TervTorles(m_db1, AktualisTerv(), this))
            QryUjranyit(0);
    });
    auto sorSzerkeszt = [this](bool uj) {
        const int sor = SorSzerkesztes(m_db1, *TblSor, AktualisSor(), uj, AktualisTerv(), this);
        if (sor >= 0 && sor < m_sorRacs->rowCount())
            DBGrid2->setCurrentIndex(
                m_sorRacs->index(sor, qMax(1, DBGrid2->currentIndex().column())));
    };
    bekot("aUj2", [sorSzerkeszt] { sorSzerkeszt(true); });
    bekot("aSzerkeszt2", [sorSzerkeszt] { sorSzerkeszt(false); });
    bekot("aTorol2", [this] {
        const int sor = AktualisSor();
        if (SorTorles(m_db1, *TblSor, sor, this) && m_sorRacs->rowCount() > 0)
            DBGrid2->setCurrentIndex(m_sorRacs->index(qMin(sor, m_sorRacs->rowCount() - 1), 1));
    });
    bekot("aNyomtat", [this] {
        if (Qry)
            TervRiport::TrptLista(m_db1, *Qry, lblSorrend->text(), this);
    });
    bekot("aNyomAdatlap", [this] {
        if (Qry)
            TervRiport::TrptAdatlap(m_db1, *Qry, DBGrid1->currentIndex().row(), this);
    });
    auto sorMuvelet = [this](auto&& muvelet) {
        return [this, muvelet] {
            const int sor = AktualisSor();
            const int oszlop = qMax(1, DBGrid2->currentIndex().column());
            muvelet(sor);
            if (sor >= 0 && sor < m_sorRacs->rowCount())
                DBGrid2->setCurrentIndex(m_sorRacs->index(sor, oszlop));
        };
    };
    for (const auto& [kiad, vissza, fajta] :
         {std::tuple{"aTervKiad", "aTervVissza", KiadasFajta::Tervrajz},
          std::tuple{"aLevKiad", "aLevVissza", KiadasFajta::Levelezes}}) {
        bekot(kiad, sorMuvelet(
                        [this, f = fajta](int sor) { KiadasIndit(m_db1, *TblSor, sor, f, this); }));
        bekot(vissza, sorMuvelet([this, f = fajta](int sor) {
                  Visszavetel(m_db1, *TblSor, sor, f, this);
              }));
    }
    bekot("aTervKiadOsszes", [this] {
        CsoportKiadas(m_db1, *TblSor, AktualisTerv(), this);
        // The walk ends on the plan's last line.
        if (m_sorRacs->rowCount() > 0)
            DBGrid2->setCurrentIndex(m_sorRacs->index(m_sorRacs->rowCount() - 1, 1));
    });
    for (const auto& [nev, fajta, csakKint] :
         {std::tuple{"aTKiad", 'T', false}, std::tuple{"aTKiadva", 'T', true},
          std::tuple{"aLKiad", 'L', false}, std::tuple{"aLKiadva", 'L', true}})
        bekot(nev,
              [this, f = QLatin1Char(fajta), k = csakKint] { PrintKiadott(m_db1, f, k, this); });
    bekot("aKiadBongTerv", [this] { ShowKiadBongeszo(m_db1, QLatin1Char('T'), this); });
    bekot("aKiadBongLevel", [this] { ShowKiadBongeszo(m_db1, QLatin1Char('L'), this); });
    bekot("aKintlevoseg", [this] {
        const auto valasztott = ShowKintlevoseg(m_db1, m_kintNapok, this);
        if (!valasztott || !TervKeres(valasztott->first))
            return;
        for (int r = 0; TblSor && r < TblSor->rowCount(); ++r)
            if (TblSor->ertek(r, QStringLiteral("sor")).toInt() == valasztott->second) {
                DBGrid2->setCurrentIndex(m_sorRacs->index(r, 1));
                break;
            }
    });
    bekot("aKodVissza", sorMuvelet([this](int) { KodosVisszavetel(m_db1, *TblSor, this); }));
    bekot("aKiadJelol", sorMuvelet([this](int sor) { KiadJelol(m_db1, *TblSor, sor, this); }));
    bekot("aBeallit", [this] { Beallitasok(m_db1, m_beall, this); });
    bekot("aINI", [] { Indit(Seged::ProgramUtvonal(QStringLiteral("Pelvano.ini"))); });
    bekot("aSugo", [] { Indit(Seged::ProgramUtvonal(QStringLiteral("Help/index.htm"))); });
    bekot("aLevel", [] {
        Indit(QStringLiteral("mailto:") + Keszito::Email +
              QStringLiteral("?subject=Pelvano program"));
    });
    bekot("aHonlap", [] { Indit(Keszito::Honlap); });
    bekot("aUjdonsag", [] { Indit(Seged::ProgramUtvonal(QStringLiteral("Ujdonsag.exe"))); });
    bekot("aFontos", [this] { Tfrm_Readme(this).exec(); });
    bekot("aNevjegy", [this] { Tfrm_Nevjegy(this).exec(); });
    bekot("aArchival", [this] { archival(); });
    bekot("aFelhasznalo", [this] { ShowFelhasznalo(m_db1, this); });
    bekot("aSQL", [this] { ShowSQL(m_db1, this); });
    bekot("aKeresReszletes", [this] {
        // A plan the list does not show (the filter is on) moves nothing.
        if (const int kulcs = ShowKeres(m_db1, this))
            TervKeres(kulcs);
    });
    bekot("aKeres", [this] { Edit1->setFocus(Qt::ShortcutFocusReason); });
    bekot("aSzurJelol", [this] {
        const int kulcs = AktualisTerv();
        const int sor = DBGrid1->currentIndex().row();
        const bool jelolt =
            Qry && sor >= 0 &&
            Qry->ertek(sor, QStringLiteral("szur")).toString() == QLatin1String("I");
        SzurBeallit(QStringLiteral("terv=%1").arg(kulcs),
                    jelolt ? QStringLiteral("N") : QStringLiteral("I"));
    });
    bekot("aSzur", [this] { szurValt(); });
    bekot("aSzurMegszuntet", [this] { szurMegszuntet(); });
    bekot("aSzurTervezo", [this] { szurTorzsbol(TorzsFajta::Tervezo, QStringLiteral("tervezo")); });
    bekot("aSzurSzakag", [this] { szurTorzsbol(TorzsFajta::Szakag, QStringLiteral("szakag")); });
    bekot("aSzurTervFajta",
          [this] { szurTorzsbol(TorzsFajta::Tervfajta, QStringLiteral("tervfajta")); });
    bekot("aSzurTervSzakasz",
          [this] { szurTorzsbol(TorzsFajta::Tervszakasz, QStringLiteral("tervszakasz")); });
    bekot("aSzurUgyfel", [this] { szurTorzsbol(TorzsFajta::Ugyfel, QStringLiteral("ugyfel")); });
    const QList<QPair<const char*, TorzsFajta>> torzsek{
        {"aUgyfel", TorzsFajta::Ugyfel},   {"aTipus", TorzsFajta::Tipus},
        {"aTervezo", TorzsFajta::Tervezo}, {"aSzakag", TorzsFajta::Szakag},
        {"aFajta", TorzsFajta::Tervfajta}, {"aSzakasz", TorzsFajta::Tervszakasz}};
    for (const auto& [nev, fajta] : torzsek)
        bekot(nev, [this, f = fajta] { ShowTorzs(f, m_db1, -1, false, this); });

    connect(Edit1, &QLineEdit::textChanged, this, &Tfrm_Main::gyorsKereses);
    connect(DBGrid1, &QAbstractItemView::doubleClicked,
            m_akciok.value(QStringLiteral("aSzerkeszt")), &QAction::trigger);
    connect(DBGrid2, &QAbstractItemView::doubleClicked,
            m_akciok.value(QStringLiteral("aSzerkeszt2")), &QAction::trigger);
    connect(DBGrid1->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int oszlop) {
        if (!m_tervRacs)
            return;
        const QString mezo = m_tervRacs->mezo(oszlop);
        Rendez(mezo, TervLista::Cimke(mezo));
    });
}

bool Tfrm_Main::Inditas() {
    try {
        Inditas::MappakLetrehoz();
        IniBeolvas();
        try {
            Inditas::Kapcsolodik(m_db1, m_mappaZar, {m_beall.AdatUtvonal, m_beall.Szerver});
        } catch (const AdatbazisHiba& h) {
            Seged::HibaAblak(QStringLiteral("Adatbázis megnyitása sikertelen\r\n") + h.uzenet(),
                             this);
            return false;
        }
        QryNyit();
        TblSorNyit();
        BelepesBeolvas();
        if (m_beall.Belepes) {
            Tfrm_Login login(m_db1, m_beall);
            if (login.exec() != QDialog::Accepted || !login.Belepett())
                return false;
        } else {
            m_beall.FelhasznaloNev = QStringLiteral("rendszergazda");
            m_beall.Rendszergazda = true;
            m_beall.Iras = true;
        }
        // Hints of every action show in the status bar (see event()); tool
        // tips take the light peach hint colour.
        QPalette tipp = QToolTip::palette();
        tipp.setColor(QPalette::ToolTipBase, QColor(255, 218, 181));
        tipp.setColor(QPalette::ToolTipText, Qt::black);
        QToolTip::setPalette(tipp);
        Rendez(QStringLiteral("tervszam"), QStringLiteral("Tervszám"));
        Panel3->setText(Verzio);
    } catch (const PelvanoHiba& h) {
        Seged::AltalanosHiba(h.uzenet(), this);
        return false;
    }
    m_indult = true;
    return true;
}

void Tfrm_Main::IniBeolvas() {
    IniFajl ini(IniFajlNev());
    const IniErtekek e = IniOlvas(ini);
    bool visszaallitva = false;
    m_beall.AdatUtvonal = Inditas::AdatMappa(e, &visszaallitva);
    m_iniPath = e.Path;
    m_beall.Szerver = e.Server;
    if (visszaallitva)
        Seged::HibaAblak(
            QStringLiteral("Nem létező adatbázis mappa, alapértelmezés visszaállítva."), this);
    m_beall.TeljesKepernyo = e.FullScreen;
    m_napiArchiv = e.ArchivNapi;
    m_archivMegtart = e.ArchivMegtart;
    m_kintNapok = e.KintNapok;
    move(e.Left, e.Top);
    resize(e.Width, e.Height);
}

void Tfrm_Main::IniMent() {
    IniFajl ini(IniFajlNev());
    IniErtekek e;
    // A path given relative to the program folder stays so while it names
    // the folder in use.
    e.Path = AdatMappaUtvonal(m_iniPath) == m_beall.AdatUtvonal ? m_iniPath : m_beall.AdatUtvonal;
    e.FullScreen = m_beall.TeljesKepernyo;
    e.Left = x();
    e.Top = y();
    e.Height = height();
    e.Width = width();
    IniIr(ini, e);
    if (!ini.ment())
        Seged::HibaAblak(QStringLiteral("A beállítások mentése nem sikerült: %1\r\n%2")
                             .arg(QDir::toNativeSeparators(IniFajlNev()), ini.hibaSzoveg()),
                         this);
}

void Tfrm_Main::archival() {
    const QString mappa = Archivalas::Mappa();
    if (!QDir().mkpath(mappa)) {
        Seged::AltalanosHiba(QStringLiteral("A mappa nem hozható létre: ") + mappa, this);
        return;
    }
    const QString fajl = FajlParbeszed::Mentes(
        QStringLiteral("Adatbázis mentése"), QStringLiteral("ZIP archívumok (*.zip)|*.zip"),
        Archivalas::JavasoltFajl(), QStringLiteral("zip"), this);
    if (fajl.isEmpty())
        return;
    // The data sets go before the connection is closed for the archive, and
    // come back on the same folder (a folder chosen in the settings counts
    // only from the next start).
    DBGrid2->setModel(nullptr);
    delete m_sorRacs;
    m_sorRacs = nullptr;
    delete TblSor;
    TblSor = nullptr;
    Qry->zar();
    QString hiba;
    {
        const Seged::HomokOra varj;
        hiba = Archivalas::KeszitZarva(m_db1, fajl);
    }
    if (hiba.isEmpty())
        Seged::UzenetAblak(QStringLiteral("Archív állomány kész."), this);
    else
        Seged::HibaAblak(QStringLiteral("Hiba az archiválás közben\r\n") + hiba, this);
    TblSorNyit();
    QryNyit();
}

void Tfrm_Main::BelepesBeolvas() {
    m_beall.Belepes = Beallitas::VanBelep(m_db1);
}

void Tfrm_Main::QryNyit() {
    if (!Qry) {
        Qry = new TervListaModell(m_db1, this);
        m_tervRacs = new RacsModell(
            Qry, Racs::ModellOszlopok(Racs::TervOszlopok()),
            [this](const QString& mezo) { return Qry->oszlop(mezo); }, this);
        DBGrid1->setModel(m_tervRacs);
        connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                &Tfrm_Main::sorokKovetik);
        Racs::SzelessegekMegtartasa(DBGrid1, m_tervRacs);
    }
    // Reading a large register in another order takes a moment.
    const Seged::HomokOra varj;
    Qry->nyit(m_rendezOszlop, m_akciok.value(QStringLiteral("aSzur"))->isChecked());
    if (Qry->rowCount() > 0)
        DBGrid1->setCurrentIndex(m_tervRacs->index(0, 1));
    sorokKovetik();
}

void Tfrm_Main::QryUjranyit(int kulcs) {
    try {
        QryNyit();
    } catch (const AdatbazisHiba& h) {
        Seged::AltalanosHiba(h.uzenet(), this);
        sorokKovetik();
        return;
    }
    TervKeres(kulcs);
}

bool Tfrm_Main::TervKeres(int kulcs) {
    const int sor = Qry ? Qry->sorKulcsa(kulcs) : -1;
    if (sor < 0)
        return false;
    DBGrid1->setCurrentIndex(m_tervRacs->index(sor, qMax(1, DBGrid1->currentIndex().column())));
    DBGrid1->scrollTo(DBGrid1->currentIndex());
    return true;
}

void Tfrm_Main::TblSorNyit() {
    if (!TblSor) {
        TblSor = new TablaModell(m_db1, QStringLiteral("terv_sor.DB"), this);
        m_sorRacs = new RacsModell(
            TblSor, Racs::ModellOszlopok(Racs::SorOszlopok()),
            [this](const QString& mezo) { return TblSor->record().indexOf(mezo); }, this);
        DBGrid2->setModel(m_sorRacs);
        Racs::SzelessegekMegtartasa(DBGrid2, m_sorRacs);
        connect(m_sorRacs, &QAbstractItemModel::modelReset, this, [this] {
            if (m_sorRacs->rowCount() > 0)
                DBGrid2->setCurrentIndex(m_sorRacs->index(0, 1));
        });
    }
    sorokKovetik();
}

int Tfrm_Main::AktualisTerv() const {
    if (!Qry || !DBGrid1->currentIndex().isValid())
        return 0;
    return Qry->kulcs(DBGrid1->currentIndex().row());
}

int Tfrm_Main::AktualisSor() const {
    if (!TblSor || !DBGrid2->currentIndex().isValid())
        return -1;
    return DBGrid2->currentIndex().row();
}

void Tfrm_Main::sorokKovetik() {
    const int db = Qry ? Qry->rowCount() : 0;
    const int hely = DBGrid1->currentIndex().isValid() ? DBGrid1->currentIndex().row() + 1 : 0;
    StatusPanel[0]->setText(QString::asprintf(" %d / %d", db, hely));
    if (!TblSor)
        return;
    TblSor->setFilter(QStringLiteral("terv=%1").arg(AktualisTerv()));
    TblSor->megnyit();
}

void Tfrm_Main::Rendez(const QString& oszlop, const QString& cimke) {
    const int kulcs = AktualisTerv();
    m_rendezOszlop = oszlop;
    QryNyit();
    TervKeres(kulcs);
    lblSorrend->setText(cimke);
    StatusPanel[2]->setText(QStringLiteral("Sorrend: ") + cimke);
}

void Tfrm_Main::gyorsKereses(const QString& szoveg) {
    if (m_rendezOszlop == QLatin1String("datum") || szoveg.isEmpty() || !Qry)
        return;
    const int sor = Qry->keresEleje(szoveg);
    if (sor >= 0) {
        DBGrid1->setCurrentIndex(m_tervRacs->index(sor, qMax(1, DBGrid1->currentIndex().column())));
        DBGrid1->scrollTo(DBGrid1->currentIndex());
    }
}

void Tfrm_Main::SzurBeallit(const QString& feltetel, const QString& jel) {
    const int kulcs = AktualisTerv();
    Qry->zar();
    try {
        SzuresJelol(m_db1, feltetel, jel);
    } catch (const AdatbazisHiba& h) {
        Seged::AltalanosHiba(h.uzenet(), this);
    }
    QryUjranyit(kulcs);
}

void Tfrm_Main::szurValt() {
    QAction* a = m_akciok.value(QStringLiteral("aSzur"));
    // The check mark has already switched over when triggered by the user.
    StatusPanel[3]->setText(a->isChecked() ? QStringLiteral("Szűrve") : QString());
    try {
        QryNyit();
    } catch (const AdatbazisHiba& h) {
        Seged::AltalanosHiba(h.uzenet(), this);
    }
}

void Tfrm_Main::szurMegszuntet() {
    const int kulcs = AktualisTerv();
    Qry->zar();
    try {
        SzuresMegszuntet(m_db1);
    } catch (const AdatbazisHiba& h) {
        Seged::AltalanosHiba(h.uzenet(), this);
    }
    QryUjranyit(kulcs);
    QAction* a = m_akciok.value(QStringLiteral("aSzur"));
    if (a->isChecked())
        a->trigger();
}

void Tfrm_Main::szurTorzsbol(TorzsFajta fajta, const QString& oszlop) {
    const int kulcs = m_valaszto ? m_valaszto(fajta, -1) : -1;
    if (kulcs != -1)
        SzurBeallit(QStringLiteral("%1=%2").arg(oszlop).arg(kulcs), QStringLiteral("I"));
}

void Tfrm_Main::oszlopSzelessegek() {
    const int w = frameGeometry().width();
    const QList<QPair<QTableView*, QPair<int, const QList<RacsOszlop>*>>> racsok{
        {DBGrid1, {57, &Racs::TervOszlopok()}}, {DBGrid2, {55, &Racs::SorOszlopok()}}};
    for (const auto& [racs, adat] : racsok) {
        if (!racs->model())
            continue;
        const QList<int> sz = OszlopSzelessegek(w, adat.first, Racs::Szazadok(*adat.second));
        racs->setColumnWidth(0, 18);
        for (int i = 0; i < sz.size(); ++i)
            racs->setColumnWidth(i + 1, sz.at(i));
    }
}

void Tfrm_Main::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    oszlopSzelessegek();
}

void Tfrm_Main::Indit(const QString& cel) {
    const QUrl url(cel);
    // A scheme of one letter is a drive ("c:"), not a URL.
    if (url.isValid() && url.scheme().size() > 1) {
        QDesktopServices::openUrl(url);
        return;
    }
    const QFileInfo fajl(cel);
    if (fajl.isFile() && fajl.isExecutable())
        QProcess::startDetached(fajl.absoluteFilePath(), {}, Seged::ProgramMappa());
    else
        QDesktopServices::openUrl(QUrl::fromLocalFile(fajl.absoluteFilePath()));
}

void Tfrm_Main::HintMutat(const QString& hint) {
    StatusPanel[1]->setText(hint.isEmpty() ? QString() : QStringLiteral("  ") + hint);
}

bool Tfrm_Main::event(QEvent* e) {
    if (e->type() == QEvent::StatusTip) {
        HintMutat(static_cast<QStatusTipEvent*>(e)->tip());
        return true;
    }
    return QMainWindow::event(e);
}

bool Tfrm_Main::eventFilter(QObject* obj, QEvent* e) {
    if (obj == Edit1 && e->type() == QEvent::FocusIn)
        QTimer::singleShot(0, Edit1, &QLineEdit::selectAll);
    // The window's shortcuts take precedence over the search box's own use
    // of a key (Shift+Insert pastes there, Ctrl+Delete deletes a word).
    if (obj == Edit1 && e->type() == QEvent::ShortcutOverride) {
        const auto* ke = static_cast<QKeyEvent*>(e);
        const QKeySequence billentyu(ke->keyCombination());
        for (const QAction* a : std::as_const(m_akciok))
            if (!a->shortcut().isEmpty() && a->shortcut() == billentyu) {
                e->ignore();
                return true;
            }
    }
    if ((obj == DBGrid1 || obj == DBGrid2) && e->type() == QEvent::KeyPress) {
        const auto* ke = static_cast<QKeyEvent*>(e);
        if ((ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter) &&
            ke->modifiers() == Qt::NoModifier) {
            m_akciok
                .value(obj == DBGrid1 ? QStringLiteral("aSzerkeszt")
                                      : QStringLiteral("aSzerkeszt2"))
                ->trigger();
            return true;
        }
    }
    return QMainWindow::eventFilter(obj, e);
}

void Tfrm_Main::showEvent(QShowEvent* e) {
    if (!m_megjelent) {
        m_megjelent = true;
        (new Tfrm_Logo())->show();
        DBGrid1->setFocus();
        if (m_beall.TeljesKepernyo) {
            const QScreen* kepernyo = screen() ? screen() : QGuiApplication::primaryScreen();
            const QRect munka = kepernyo->availableGeometry();
            move(0, 0);
            resize(munka.x() + munka.width(), munka.y() + munka.height());
        }
    }
    QMainWindow::showEvent(e);
    oszlopSzelessegek();
    if (m_indult && m_napiArchiv) {
        m_napiArchiv = false; // once a start
        QTimer::singleShot(0, this, &Tfrm_Main::napiArchiv);
    }
}

void Tfrm_Main::napiArchiv() {
    const QString mappa = Archivalas::Mappa();
    const QDate ma = QDate::currentDate();
    if (!NapiArchiv::Esedekes(mappa, ma))
        return;
    const Adatforras forras{m_beall.AdatUtvonal, m_beall.Szerver};
    const int megtart = m_archivMegtart;
    auto hiba = std::make_shared<QString>();
    // The archive reads the database through a connection of its own, as
    // another workstation would: the window goes on meanwhile.
    m_archivSzal = QThread::create([forras, mappa, ma, megtart, hiba] {
        try {
            NapiArchiv::Keszit(forras, mappa, ma, megtart);
        } catch (const PelvanoHiba& h) {
            *hiba = h.uzenet();
        } catch (const std::exception& h) {
            *hiba = QString::fromLocal8Bit(h.what());
        }
    });
    connect(m_archivSzal, &QThread::finished, this, [this, hiba] {
        m_archivSzal->wait(); // finished is sent just before the thread ends
        delete m_archivSzal;
        m_archivSzal = nullptr;
        StatusPanel[4]->clear();
        if (!hiba->isEmpty())
            Seged::HibaAblak(QStringLiteral("Hiba az archiválás közben\r\n") + *hiba, this);
    });
    StatusPanel[4]->setText(QStringLiteral("Napi archiválás…"));
    m_archivSzal->start(QThread::LowPriority);
}

void Tfrm_Main::closeEvent(QCloseEvent* e) {
    if (m_indult)
        IniMent();
    QMainWindow::closeEvent(e);
}
