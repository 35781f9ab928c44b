#include "tfrm_main.h"

#include "indulas.h"
#include "inifajl.h"
#include "seged.h"
#include "tablamodell.h"
#include "tervlista.h"
#include "tfrm_login.h"
#include "tfrm_logo.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QProcess>
#include <QScreen>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTableView>
#include <QToolTip>
#include <QUrl>
#include <QVBoxLayout>

Tfrm_Main::Tfrm_Main(QWidget* szulo)
    : QMainWindow(szulo), m_db1(QString::fromLatin1(Kapcsolat::AlapNev)) {
    setObjectName(QStringLiteral("frm_Main"));
    setWindowTitle(QStringLiteral("Pelvano"));
    resize(656, 584);
    ablakEpit();
}

Tfrm_Main::~Tfrm_Main() {
    // The models go before the connection they read through.
    if (DBGrid1)
        DBGrid1->setModel(nullptr);
    if (DBGrid2)
        DBGrid2->setModel(nullptr);
    delete Qry;
    Qry = nullptr;
    delete TblSor;
    TblSor = nullptr;
}

void Tfrm_Main::ablakEpit() {
    QFont betu(QStringLiteral("Tahoma"));
    betu.setPointSize(8);
    setFont(betu);

    auto* kozep = new QWidget(this);
    auto* elrendezes = new QVBoxLayout(kozep);
    elrendezes->setContentsMargins(0, 0, 0, 0);
    elrendezes->setSpacing(0);

    QFont panelBetu(QStringLiteral("Tahoma"));
    panelBetu.setPointSize(10);
    panelBetu.setBold(true);
    const QString panelStilus = QStringLiteral("color: palette(highlight);");

    // Title panel with the order label at its left edge.
    auto* cimPanel = new QWidget(kozep);
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
    Panel3 = new QLabel(cimPanel);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setAlignment(Qt::AlignCenter);
    Panel3->setFont(panelBetu);
    Panel3->setStyleSheet(panelStilus);
    cimSor->addWidget(lblSorrendCim);
    cimSor->addWidget(lblSorrend);
    cimSor->addWidget(Panel3, 1);
    cimSor->addSpacing(lblSorrendCim->sizeHint().width() + lblSorrend->sizeHint().width());
    elrendezes->addWidget(cimPanel);

    auto racs = [this, kozep](const QString& nev) {
        auto* r = new QTableView(kozep);
        r->setObjectName(nev);
        r->setEditTriggers(QAbstractItemView::NoEditTriggers);
        r->setSelectionBehavior(QAbstractItemView::SelectRows);
        r->setSelectionMode(QAbstractItemView::SingleSelection);
        r->verticalHeader()->setDefaultSectionSize(r->fontMetrics().height() + 4);
        r->setAlternatingRowColors(false);
        Q_UNUSED(this);
        return r;
    };
    DBGrid1 = racs(QStringLiteral("DBGrid1"));
    DBGrid1->setMinimumHeight(227);
    elrendezes->addWidget(DBGrid1, 1);

    auto* sorokPanel = new QLabel(QStringLiteral("Sorok"), kozep);
    sorokPanel->setObjectName(QStringLiteral("Panel2"));
    sorokPanel->setFixedHeight(21);
    sorokPanel->setAlignment(Qt::AlignCenter);
    sorokPanel->setFont(panelBetu);
    sorokPanel->setStyleSheet(panelStilus);
    elrendezes->addWidget(sorokPanel);

    DBGrid2 = racs(QStringLiteral("DBGrid2"));
    elrendezes->addWidget(DBGrid2, 1);
    setCentralWidget(kozep);

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
    statusBar()->setSizeGripEnabled(true);
}

bool Tfrm_Main::Inditas() {
    try {
        mappakLetrehoz();
        IniBeolvas();
        try {
            kapcsolodik();
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

void Tfrm_Main::mappakLetrehoz() {
    for (const QString& nev :
         {QStringLiteral("Data"), QStringLiteral("Help"), QStringLiteral("Archiv")}) {
        const QString mappa = Seged::ProgramUtvonal(nev);
        if (!QFileInfo(mappa).isDir() && !QDir().mkdir(mappa))
            throw PelvanoHiba(QStringLiteral("A mappa nem hozható létre: %1")
                                  .arg(QDir::toNativeSeparators(mappa)));
    }
}

void Tfrm_Main::IniBeolvas() {
    IniFajl ini(IniFajlNev());
    const IniErtekek e = IniOlvas(ini);
    m_beall.AdatUtvonal = e.Path;
    if (e.Path.isEmpty() || !QFileInfo(e.Path).isDir()) {
        Seged::HibaAblak(
            QStringLiteral("Nem létező adatbázis mappa, alapértelmezés visszaállítva."), this);
        m_beall.AdatUtvonal = Seged::ProgramUtvonal(QStringLiteral("Data"));
    }
    m_beall.TeljesKepernyo = e.FullScreen;
    move(e.Left, e.Top);
    resize(e.Width, e.Height);
}

void Tfrm_Main::IniMent() {
    IniFajl ini(IniFajlNev());
    IniErtekek e;
    e.Path = m_beall.AdatUtvonal;
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

void Tfrm_Main::kapcsolodik() {
    m_db1.zar();
    m_db1.nyit(m_beall.AdatUtvonal);
}

void Tfrm_Main::BelepesBeolvas() {
    TablaModell beallit(m_db1, QStringLiteral("beallit.DB"));
    beallit.megnyit();
    m_beall.Belepes = beallit.ertek(0, QStringLiteral("vanbelep")).toString() == QLatin1String("I");
}

void Tfrm_Main::QryNyit() {
    if (!Qry) {
        Qry = new QSqlQueryModel(this);
        DBGrid1->setModel(Qry);
        connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                &Tfrm_Main::sorokKovetik);
    }
    const QString sql =
        m_db1.motor().fordit(TervLista::Sql(m_rendezOszlop).join(QLatin1Char('\n')));
    Qry->setQuery(sql, m_db1.db());
    if (Qry->lastError().isValid())
        throw AdatbazisHiba(MotorUzenet(Qry->lastError()));
    if (Qry->rowCount() > 0)
        DBGrid1->setCurrentIndex(Qry->index(0, 0));
    sorokKovetik();
}

void Tfrm_Main::TblSorNyit() {
    if (!TblSor) {
        TblSor = new TablaModell(m_db1, QStringLiteral("terv_sor.DB"), this);
        DBGrid2->setModel(TblSor);
    }
    sorokKovetik();
}

int Tfrm_Main::AktualisTerv() const {
    if (!Qry || !DBGrid1->currentIndex().isValid())
        return 0;
    const int sor = DBGrid1->currentIndex().row();
    return Seged::VarEgesz(Qry->record(sor).value(QStringLiteral("Terv")));
}

void Tfrm_Main::sorokKovetik() {
    if (!TblSor)
        return;
    TblSor->setFilter(QStringLiteral("terv=%1").arg(AktualisTerv()));
    TblSor->megnyit();
}

void Tfrm_Main::Rendez(const QString& oszlop, const QString& cimke) {
    m_rendezOszlop = oszlop;
    QryNyit();
    lblSorrend->setText(cimke);
    StatusPanel[2]->setText(QStringLiteral("Sorrend: ") + cimke);
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

void Tfrm_Main::showEvent(QShowEvent* e) {
    if (!m_megjelent) {
        m_megjelent = true;
        (new Tfrm_Logo())->show();
        if (m_beall.TeljesKepernyo) {
            const QScreen* kepernyo = screen() ? screen() : QGuiApplication::primaryScreen();
            const QRect munka = kepernyo->availableGeometry();
            move(0, 0);
            resize(munka.x() + munka.width(), munka.y() + munka.height());
        }
    }
    QMainWindow::showEvent(e);
}

void Tfrm_Main::closeEvent(QCloseEvent* e) {
    if (m_indult)
        IniMent();
    QMainWindow::closeEvent(e);
}
