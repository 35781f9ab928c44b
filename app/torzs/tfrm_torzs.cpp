#include "torzs/tfrm_torzs.h"

#include "foablak/akciok.h"

#include "hiba.h"
#include "ikonok.h"
#include "seged.h"
#include "tablamodell.h"
#include "torzs/tfrm_torzs_szerkeszt.h"
#include "torzs/torzslogika.h"
#include "tqrgridprint.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>
#include <QScreen>
#include <QSqlRecord>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

// Keeps a widget from showing a tool tip ("Elfogad" has none).
class TippNelkul : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* e) override { return e->type() == QEvent::ToolTip; }
};

void kozepre(QWidget* ablak) {
    if (QScreen* kepernyo = QGuiApplication::primaryScreen())
        ablak->move(kepernyo->availableGeometry().center() - ablak->rect().center());
}

} // namespace

// ---------------------------------------------------------------------------

TorzsKeresoMezo::TorzsKeresoMezo(QWidget* racs, QWidget* szulo) : QLineEdit(szulo), m_racs(racs) {}

void TorzsKeresoMezo::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    // A mouse click places the cursor after the focus arrived: select later.
    if (e->reason() == Qt::MouseFocusReason)
        QTimer::singleShot(0, this, &QLineEdit::selectAll);
    else
        selectAll();
}

void TorzsKeresoMezo::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (m_racs) {
            QKeyEvent masolat(e->type(), e->key(), e->modifiers(), e->text());
            QCoreApplication::sendEvent(m_racs, &masolat);
            return;
        }
        break;
    default:
        break;
    }
    QLineEdit::keyPressEvent(e);
}

// ---------------------------------------------------------------------------

std::unique_ptr<Tfrm_Torzs> Tfrm_Torzs::Letrehoz(TorzsFajta fajta, Kapcsolat& kapcsolat,
                                                 bool valaszto, QWidget* szulo) {
    switch (fajta) {
    case TorzsFajta::Ugyfel:
        return std::make_unique<Tfrm_TorzsUgyfel>(kapcsolat, valaszto, szulo);
    case TorzsFajta::Tipus:
        return std::make_unique<Tfrm_TorzsTipus>(kapcsolat, valaszto, szulo);
    case TorzsFajta::Tervezo:
        return std::make_unique<Tfrm_TorzsTervezo>(kapcsolat, valaszto, szulo);
    case TorzsFajta::Szakag:
        return std::make_unique<Tfrm_TorzsSzakag>(kapcsolat, valaszto, szulo);
    case TorzsFajta::Tervfajta:
        return std::make_unique<Tfrm_TorzsTervfajta>(kapcsolat, valaszto, szulo);
    case TorzsFajta::Tervszakasz:
        return std::make_unique<Tfrm_TorzsTervszakasz>(kapcsolat, valaszto, szulo);
    }
    throw PelvanoHiba(QStringLiteral("Ismeretlen törzsadat"));
}

Tfrm_Torzs::Tfrm_Torzs(TorzsFajta fajta, Kapcsolat& kapcsolat, bool valaszto, QWidget* szulo)
    : QDialog(szulo), m_leiras(Torzs(fajta)), m_kapcsolat(kapcsolat), m_valaszto(valaszto),
      m_tabla(std::make_unique<TorzsTabla>(kapcsolat, m_leiras)) {
    QString objektum = QString::fromLatin1(m_leiras.ablakNev);
    objektum.remove(0, 1); // Tfrm_TorzsUgyfel -> frm_TorzsUgyfel
    setObjectName(objektum);
    setWindowTitle(m_leiras.cim);

    // The grid: read-only, whole rows, the selection shown also without focus.
    DBGrid1 = new QTableView(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setModel(&m_tabla->modell());
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setTabKeyNavigation(false);
    DBGrid1->verticalHeader()->hide();
    DBGrid1->verticalHeader()->setDefaultSectionSize(DBGrid1->fontMetrics().height() + 4);
    QPalette paletta = DBGrid1->palette();
    for (const auto szerep : {QPalette::Highlight, QPalette::HighlightedText})
        paletta.setColor(QPalette::Inactive, szerep, paletta.color(QPalette::Active, szerep));
    DBGrid1->setPalette(paletta);

    TablaModell& modell = m_tabla->modell();
    const QSqlRecord rekord = modell.record();
    for (int o = 0; o < rekord.count(); ++o)
        DBGrid1->setColumnHidden(o, true);
    QHeaderView* fejlec = DBGrid1->horizontalHeader();
    for (int i = 0; i < m_leiras.racs.size(); ++i) {
        const TorzsOszlop& oszlop = m_leiras.racs.at(i);
        const int o = rekord.indexOf(oszlop.oszlop);
        modell.setHeaderData(o, Qt::Horizontal, oszlop.cim);
        DBGrid1->setColumnHidden(o, false);
        fejlec->moveSection(fejlec->visualIndex(o), i);
        DBGrid1->setColumnWidth(o, oszlop.szelesseg);
    }

    // Actions, in toolbar order.
    aUj = akcio("aUj", QStringLiteral("Új sor"), {QKeySequence(Qt::Key_Insert)}, Ikon::DokPlusz);
    aSzerkeszt =
        akcio("aSzerkeszt", QStringLiteral("Szerkeszt"), {QKeySequence(Qt::Key_F2)}, Ikon::DokFel);
    aTorol = akcio("aTorol", QStringLiteral("Sor törlése"),
                   {QKeySequence(Qt::CTRL | Qt::Key_Delete)}, Ikon::DokMinusz);
    if (m_leiras.nyomtat)
        aNyomtat = akcio("aNyomtat", QStringLiteral("Nyomtat"),
                         {QKeySequence(Qt::CTRL | Qt::Key_P)}, Ikon::Nyomtato);
    aElfogad = akcio("aElfogad", QStringLiteral("Elfogad"),
                     {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}, Ikon::Elfogad);
    aElfogad->setToolTip(QString());
    aElfogad->setStatusTip(QString());
    aElfogad->setEnabled(m_valaszto);
    aElfogad->setVisible(m_valaszto);
    aBezar = akcio("aBezar", QStringLiteral("Bezár"), {QKeySequence(Qt::Key_Escape)},
                   Ikon::PirosKereszt);

    ToolBar1 = Akciok::EszkozTar(this, QStringLiteral("ToolBar1"));
    edtKeres = new TorzsKeresoMezo(DBGrid1, ToolBar1);
    edtKeres->setObjectName(QStringLiteral("edtKeres"));
    edtKeres->setFixedWidth(121);
    ToolBar1->addWidget(edtKeres);
    ToolBar1->addSeparator();
    for (QAction* a : {aUj, aSzerkeszt, aTorol, aNyomtat, aElfogad, aBezar})
        if (a)
            ToolBar1->addAction(a);
    if (QWidget* gomb = ToolBar1->widgetForAction(aElfogad))
        gomb->installEventFilter(new TippNelkul(gomb));

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->addActions({aUj, aSzerkeszt, aTorol});
    PopupMenu1->addSeparator();
    if (aNyomtat) {
        PopupMenu1->addAction(aNyomtat);
        PopupMenu1->addSeparator();
    }
    PopupMenu1->addActions({aElfogad, aBezar});
    DBGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(DBGrid1, &QWidget::customContextMenuRequested, this, [this](const QPoint& hely) {
        PopupMenu1->popup(DBGrid1->viewport()->mapToGlobal(hely));
    });

    auto* elrendezes = new QVBoxLayout(this);
    elrendezes->setContentsMargins(0, 0, 0, 0);
    elrendezes->setSpacing(0);
    elrendezes->addWidget(ToolBar1);
    elrendezes->addWidget(DBGrid1);
    resize(m_leiras.szelesseg, m_leiras.magassag);
    kozepre(this);

    connect(aUj, &QAction::triggered, this, [this] { szerkeszto(true); });
    connect(aSzerkeszt, &QAction::triggered, this, [this] { szerkeszto(false); });
    connect(aTorol, &QAction::triggered, this, &Tfrm_Torzs::torol);
    if (aNyomtat)
        connect(aNyomtat, &QAction::triggered, this, &Tfrm_Torzs::nyomtat);
    connect(aElfogad, &QAction::triggered, this, [this] {
        if (m_valaszto)
            accept();
    });
    connect(aBezar, &QAction::triggered, this, &QDialog::reject);
    connect(DBGrid1, &QAbstractItemView::doubleClicked, this, &Tfrm_Torzs::ketszeres);
    connect(edtKeres, &QLineEdit::textChanged, this, &Tfrm_Torzs::kereses);

    setAktualisSor(m_tabla->ures() ? -1 : 0);
}

void Tfrm_Torzs::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    // The toolbar lays its widgets out when shown; the focus goes to the
    // search box after that.
    edtKeres->setFocus(Qt::OtherFocusReason);
}

Tfrm_Torzs::~Tfrm_Torzs() {
    // The grid lets go of the model before the table closes.
    DBGrid1->setModel(nullptr);
}

QAction* Tfrm_Torzs::akcio(const char* nev, const QString& felirat,
                           const QList<QKeySequence>& billentyuk, const char* ikon) {
    return Akciok::Uj(this, nev, felirat, billentyuk, ikon);
}

void Tfrm_Torzs::Allj(int kulcs) {
    const int sor = m_tabla->sorKulccsal(kulcs);
    setAktualisSor(sor >= 0 ? sor : (m_tabla->ures() ? -1 : 0));
}

int Tfrm_Torzs::AktualisSor() const {
    const QModelIndex i = DBGrid1->currentIndex();
    return i.isValid() ? i.row() : -1;
}

int Tfrm_Torzs::AktualisKulcs() const {
    return m_tabla->kulcs(AktualisSor());
}

void Tfrm_Torzs::setAktualisSor(int sor) {
    if (sor < 0 || sor >= m_tabla->sorok()) {
        DBGrid1->setCurrentIndex(QModelIndex());
        DBGrid1->clearSelection();
        return;
    }
    const int oszlop = m_tabla->modell().record().indexOf(m_leiras.nevOszlop);
    const QModelIndex i = m_tabla->modell().index(sor, oszlop);
    DBGrid1->setCurrentIndex(i);
    DBGrid1->selectRow(sor);
    DBGrid1->scrollTo(i);
}

void Tfrm_Torzs::kereses(const QString& szoveg) {
    const int sor = m_tabla->keres(szoveg);
    if (sor >= 0)
        setAktualisSor(sor);
}

void Tfrm_Torzs::szerkeszto(bool uj) {
    const int elozo = AktualisSor();
    const int sor = uj ? m_tabla->uj() : m_tabla->szerkeszt(elozo);
    bool mentve = false;
    {
        const auto dialogus = Tfrm_TorzsSzerkeszt::Letrehoz(*m_tabla, m_kapcsolat, sor, this);
        mentve = dialogus->exec() == QDialog::Accepted;
    }
    // Whatever the dialog left pending is dropped; a saved row is not.
    m_tabla->elvet();
    setAktualisSor(mentve ? m_tabla->mentettSor() : elozo);
}

void Tfrm_Torzs::torol() {
    if (!Seged::KerdesAblak(QStringLiteral("Valóban töröljem a sort?"),
                            QStringLiteral("Megerősítés"), this))
        return;
    try {
        setAktualisSor(m_tabla->torol(AktualisSor()));
    } catch (const PelvanoHiba& hiba) {
        Seged::AltalanosHiba(hiba.uzenet(), this);
    }
}

void Tfrm_Torzs::nyomtat() {
    TqrGridPrint(DBGrid1, false, QStringLiteral("Ügyfelek"), 8);
}

void Tfrm_Torzs::ketszeres() {
    if (m_valaszto)
        aElfogad->trigger();
    else
        aSzerkeszt->trigger();
}

int ShowTorzs(TorzsFajta fajta, Kapcsolat& kapcsolat, int kulcs, bool valaszto, QWidget* szulo) {
    std::unique_ptr<Tfrm_Torzs> ablak;
    try {
        ablak = Tfrm_Torzs::Letrehoz(fajta, kapcsolat, valaszto, szulo);
    } catch (const PelvanoHiba& hiba) {
        Seged::AltalanosHiba(hiba.uzenet(), szulo);
        return -1;
    }
    ablak->Allj(kulcs);
    const bool elfogadta = ablak->exec() == QDialog::Accepted;
    if (!valaszto || !elfogadta)
        return -1;
    return ablak->AktualisKulcs();
}

TorzsValaszto TorzsValasztoAblak(Kapcsolat& kapcsolat, QWidget* szulo) {
    return [&kapcsolat, szulo = QPointer<QWidget>(szulo)](TorzsFajta fajta, int kulcs) {
        return ShowTorzs(fajta, kapcsolat, kulcs, true, szulo.data());
    };
}
