#include "felhasznalo/tfrm_felhasznalo.h"

#include "felhasznalo/felhasznalok.h"
#include "foablak/akciok.h"
#include "ikonok.h"
#include "jelszo.h"
#include "kapcsolat.h"
#include "parbeszed.h"
#include "seged.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QStandardItemModel>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

namespace {
QLineEdit* Mezo(QWidget* szulo, const char* nev, const QString& cimke, QRect hely) {
    QLineEdit* e = Parbeszed::Mezo(szulo, nev, cimke, hely);
    Parbeszed::KarakterKorlat(e, Felhasznalok::NevHossz);
    return e;
}
} // namespace

// --- the edit dialog

Tfrm_FelhasznaloSzerkeszt::Tfrm_FelhasznaloSzerkeszt(Kapcsolat& k, const QString& nev,
                                                     const QString& taroltJelszo, QWidget* szulo)
    : QDialog(szulo), m_k(k), m_regiNev(nev), m_jelszoUj(nev.isEmpty()) {
    setObjectName(QStringLiteral("frm_FelhasznaloSzerkeszt"));
    Parbeszed::Rogzitett(this, QStringLiteral("Felhasználó adatainak szerkesztése"),
                         QSize(302, 156));
    edtFelhasznalo =
        Mezo(this, "edtFelhasznalo", QStringLiteral("Felhasználó"), QRect(12, 26, 278, 21));
    edtJelszo = Mezo(this, "edtJelszo", QStringLiteral("Jelszó"), QRect(12, 74, 134, 21));
    edtJelszo2 =
        Mezo(this, "edtJelszo2", QStringLiteral("Jelszó még egyszer"), QRect(156, 74, 134, 21));
    Q_ASSERT(Jelszo::TipusoltHossz == Felhasznalok::NevHossz);
    for (QLineEdit* e : {edtJelszo, edtJelszo2})
        Parbeszed::JelszoMezo(e);
    edtFelhasznalo->setText(nev);
    // A stored password shows as it is kept (a hash: masked, never typed by
    // anyone); the password has to be typed in both boxes to be saved.
    edtJelszo->setText(Seged::KarakterEleje(taroltJelszo, Jelszo::TipusoltHossz));
    connect(edtJelszo, &QLineEdit::textEdited, this, [this] { m_jelszoUj = true; });

    btnOK = Parbeszed::Gomb(this, "btnOK", QStringLiteral("OK"), 134, 120);
    btnMegsem = Parbeszed::Gomb(this, "btnMegsem", QStringLiteral("Mégsem"), 215, 120);
    setTabOrder(edtFelhasznalo, edtJelszo);
    setTabOrder(edtJelszo, edtJelszo2);
    setTabOrder(edtJelszo2, btnOK);
    setTabOrder(btnOK, btnMegsem);
    Parbeszed::EnterLeptet(this);
    connect(btnOK, &QPushButton::clicked, this, &Tfrm_FelhasznaloSzerkeszt::ok);
    connect(btnMegsem, &QPushButton::clicked, this, &QDialog::reject);
}

void Tfrm_FelhasznaloSzerkeszt::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    edtJelszo2->clear();
    edtFelhasznalo->setFocus();
}

void Tfrm_FelhasznaloSzerkeszt::ok() {
    const QString hiba =
        Felhasznalok::Ment(m_k, {m_regiNev, edtFelhasznalo->text(), edtJelszo->text(),
                                 edtJelszo2->text(), m_jelszoUj});
    if (!hiba.isEmpty()) {
        Seged::HibaAblak(hiba, this);
        return;
    }
    accept();
}

// --- the list window

Tfrm_Felhasznalo::Tfrm_Felhasznalo(Kapcsolat& k, QWidget* szulo) : QDialog(szulo), m_k(k) {
    setObjectName(QStringLiteral("frm_Felhasznalo"));
    Parbeszed::Rogzitett(this, QStringLiteral("Felhasználók adatai"), QSize(198, 206));
    aUj = Akciok::Uj(this, "aUj", QStringLiteral("Új Felhasználó"), {QKeySequence(Qt::Key_Insert)},
                     Ikon::DokPlusz);
    aSzerkeszt = Akciok::Uj(this, "aSzerkeszt", QStringLiteral("Szerkeszt"),
                            {QKeySequence(Qt::Key_F2)}, Ikon::DokFel);
    aTorol = Akciok::Uj(this, "aTorol", QStringLiteral("Töröl"),
                        {QKeySequence(Qt::CTRL | Qt::Key_Delete)}, Ikon::DokMinusz);
    aBezar = Akciok::Uj(this, "aBezar", QStringLiteral("Bezár"), {QKeySequence(Qt::Key_Escape)},
                        Ikon::PirosKereszt);
    ToolBar1 = Akciok::EszkozTar(this, QStringLiteral("ToolBar1"));
    ToolBar1->addActions({aUj, aSzerkeszt, aTorol, aBezar});

    m_modell = new QStandardItemModel(0, 1, this);
    m_modell->setHorizontalHeaderLabels({QStringLiteral("Felhasználó")});
    DBGrid1 = new QTableView(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setModel(m_modell);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->verticalHeader()->setVisible(false);
    DBGrid1->verticalHeader()->setDefaultSectionSize(18);
    DBGrid1->setColumnWidth(0, 164);
    DBGrid1->horizontalHeader()->setSectionsClickable(false);
    // The selection stays visible without the focus.
    QPalette p = DBGrid1->palette();
    p.setColor(QPalette::Inactive, QPalette::Highlight,
               p.color(QPalette::Active, QPalette::Highlight));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText,
               p.color(QPalette::Active, QPalette::HighlightedText));
    DBGrid1->setPalette(p);

    auto* elrendezes = new QVBoxLayout(this);
    elrendezes->setContentsMargins(0, 0, 0, 0);
    elrendezes->setSpacing(0);
    elrendezes->addWidget(ToolBar1);
    elrendezes->addWidget(DBGrid1);

    connect(aUj, &QAction::triggered, this, [this] { szerkeszt(true); });
    connect(aSzerkeszt, &QAction::triggered, this, [this] { szerkeszt(false); });
    connect(aTorol, &QAction::triggered, this, &Tfrm_Felhasznalo::torol);
    connect(aBezar, &QAction::triggered, this, &QDialog::reject);
    connect(DBGrid1, &QAbstractItemView::doubleClicked, aSzerkeszt, &QAction::trigger);
    // Enter in the grid edits.
    auto* enter = new QAction(this);
    enter->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    enter->setShortcutContext(Qt::WidgetShortcut);
    DBGrid1->addAction(enter);
    connect(enter, &QAction::triggered, aSzerkeszt, &QAction::trigger);

    beolvas();
    DBGrid1->setFocus();
}

QString Tfrm_Felhasznalo::aktualis() const {
    const QModelIndex ix = DBGrid1->currentIndex();
    return ix.isValid() ? ix.data().toString() : QString();
}

void Tfrm_Felhasznalo::beolvas(const QString& allj) {
    m_modell->removeRows(0, m_modell->rowCount());
    const QStringList nevek = Felhasznalok::Nevek(m_k);
    for (const QString& n : nevek)
        m_modell->appendRow(new QStandardItem(n));
    const int sor = qMax(0, int(nevek.indexOf(allj)));
    if (!nevek.isEmpty())
        DBGrid1->setCurrentIndex(m_modell->index(sor, 0));
}

void Tfrm_Felhasznalo::szerkeszt(bool uj) {
    // Editing an empty list starts a new user.
    const QString nev = uj ? QString() : aktualis();
    QString tarolt;
    if (!nev.isEmpty()) {
        QSqlQuery q = m_k.sql(QStringLiteral("SELECT jelszo FROM felhasznalo WHERE felhasznalo=:n"),
                              {{QStringLiteral("n"), nev}});
        if (q.next())
            tarolt = q.value(0).toString();
    }
    Tfrm_FelhasznaloSzerkeszt d(m_k, nev, tarolt, this);
    if (d.exec() == QDialog::Accepted)
        beolvas(Seged::KarakterEleje(d.edtFelhasznalo->text(), Felhasznalok::NevHossz));
}

void Tfrm_Felhasznalo::torol() {
    if (!Seged::KerdesAblak(QStringLiteral("Valóban töröljem a sort?"),
                            QStringLiteral("Megerősítés"), this))
        return;
    const QString nev = aktualis();
    if (nev.isEmpty() || !Felhasznalok::Torol(m_k, nev)) {
        Seged::HibaAblak(QStringLiteral("Nincs törölhető sor."), this);
        return;
    }
    const int sor = DBGrid1->currentIndex().row();
    beolvas();
    if (m_modell->rowCount() > 0)
        DBGrid1->setCurrentIndex(m_modell->index(qMin(sor, m_modell->rowCount() - 1), 0));
}

void ShowFelhasznalo(Kapcsolat& k, QWidget* szulo) {
    Tfrm_Felhasznalo d(k, szulo);
    d.exec();
}
