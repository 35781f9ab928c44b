#include "felhasznalo/tfrm_felhasznalo.h"

#include "felhasznalo/felhasznalok.h"
#include "felhasznalo/tfrm_felhasznaloszerkeszt.h"
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
