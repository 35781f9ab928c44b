#include "kiadas/tfrm_kintlevoseg.h"

#include "ikonok.h"
#include "kintlevoseglista.h"
#include "lekerdezes/szovegexport.h"
#include "lekerdezes/tfrm_hatarolt.h"
#include "parbeszed.h"
#include "riportkimenet.h"
#include "seged.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTreeView>
#include <QVBoxLayout>

#include <memory>

Tfrm_Kintlevoseg::Tfrm_Kintlevoseg(Kapcsolat& k, int kuszob, const QDate& nap, QWidget* szulo)
    : QDialog(szulo), m_k(k), m_kuszob(kuszob) {
    setObjectName(QStringLiteral("frm_Kintlevoseg"));
    Parbeszed::Rogzitett(this, QStringLiteral("Kintlévőségek személyenként"), QSize(860, 520));

    modell = new Kintlevosegek::Modell(Kintlevosegek::Olvas(k, nap, kuszob), this);
    lista = new QTreeView(this);
    lista->setObjectName(QStringLiteral("lista"));
    lista->setUniformRowHeights(true);
    lista->setAlternatingRowColors(true);
    lista->setModel(modell);
    int tetelek = 0, lejartak = 0;
    for (int r = 0; r < modell->rowCount(); ++r) {
        lista->setFirstColumnSpanned(r, {}, true);
        lista->setExpanded(modell->index(r, 0), true);
        for (const Kintlevosegek::Tetel& t : modell->birtokosok().at(r).tetelek) {
            ++tetelek;
            lejartak += t.lejart;
        }
    }
    // Widths set, not measured: measuring every row of a large office's
    // items took seconds.
    const QList<int> szelessegek{135, 185, 35, 75, 95, 145, 70, 60};
    for (int o = 0; o < Kintlevosegek::Modell::OszlopDb; ++o)
        lista->setColumnWidth(o, szelessegek.at(o));

    lblOsszegzes = new QLabel(this);
    lblOsszegzes->setObjectName(QStringLiteral("lblOsszegzes"));
    lblOsszegzes->setText(
        tetelek == 0
            ? QStringLiteral("Nincs kint semmi.")
            : QStringLiteral("%1 tétel %2 személynél; %3 napnál régebben kint (LEJÁRT): %4")
                  .arg(tetelek)
                  .arg(modell->rowCount())
                  .arg(kuszob)
                  .arg(lejartak));

    auto* gombok = new QDialogButtonBox(this);
    btnNyomtat = gombok->addButton(QStringLiteral("Nyomtatás"), QDialogButtonBox::ActionRole);
    btnNyomtat->setObjectName(QStringLiteral("btnNyomtat"));
    btnNyomtat->setIcon(Ikon::Kep(Ikon::Nyomtato));
    btnNyomtat->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    btnNyomtat->setToolTip(QStringLiteral("Nyomtatás (Ctrl+P)"));
    btnNyomtat->setAutoDefault(false);
    connect(btnNyomtat, &QPushButton::clicked, this, &Tfrm_Kintlevoseg::nyomtat);
    QPushButton* bezar = gombok->addButton(QStringLiteral("Bezár"), QDialogButtonBox::RejectRole);
    bezar->setObjectName(QStringLiteral("btnBezar"));
    bezar->setAutoDefault(false);
    connect(gombok, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* elrendezes = new QVBoxLayout(this);
    elrendezes->addWidget(lista);
    elrendezes->addWidget(lblOsszegzes);
    elrendezes->addWidget(gombok);

    // A double click on a holder's row folds it (the view's own way).
    connect(lista, &QTreeView::doubleClicked, this, [this](const QModelIndex& i) {
        if (modell->tetel(i))
            valaszt(i);
    });
    const QModelIndex elso = modell->index(0, 0);
    if (elso.isValid())
        lista->setCurrentIndex(modell->rowCount(elso) > 0 ? modell->index(0, 0, elso) : elso);
    lista->setFocus();
}

void Tfrm_Kintlevoseg::keyPressEvent(QKeyEvent* e) {
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) &&
        lista->currentIndex().isValid()) {
        valaszt(lista->currentIndex());
        return;
    }
    QDialog::keyPressEvent(e);
}

void Tfrm_Kintlevoseg::valaszt(const QModelIndex& i) {
    const Kintlevosegek::Tetel* t = modell->tetel(i);
    if (!t) { // a holder's row folds and unfolds
        const QModelIndex fej = i.siblingAtColumn(0);
        lista->setExpanded(fej, !lista->isExpanded(fej));
        return;
    }
    m_valasztott = std::make_pair(t->terv, t->sor);
    accept();
}

void Tfrm_Kintlevoseg::nyomtat() {
    const QList<Kintlevosegek::Birtokos>& b = modell->birtokosok();
    RiportKimenet::Valaszt(
        [&] { return TrptKintlevoseg::Lista(b, m_kuszob, Oldalkeret::TulajdonosOlvas(m_k)); },
        [&] {
            // The rows as the report prints them, the holder in each.
            QStandardItemModel sorok(0, 9);
            sorok.setHorizontalHeaderLabels({"szemely", "tervszam", "targy", "sor", "fajta",
                                             "kiadva", "engedelyezo", "napok", "lejart"});
            for (const Kintlevosegek::Birtokos& h : b)
                for (const Kintlevosegek::Tetel& t : h.tetelek) {
                    QList<QStandardItem*> sor;
                    for (const QVariant& v :
                         {QVariant(h.nev), QVariant(t.tervszam), QVariant(t.targy), QVariant(t.sor),
                          QVariant(t.fajtaNev()), QVariant(t.kiadva.toString(Qt::ISODate)),
                          QVariant(t.engedelyezo), QVariant(t.napok),
                          QVariant(t.lejart ? QStringLiteral("I") : QStringLiteral("N"))}) {
                        auto* e = new QStandardItem;
                        e->setData(v, Qt::DisplayRole);
                        sor << e;
                    }
                    sorok.appendRow(sor);
                }
            ModellForras forras(sorok, {},
                                {OszlopFajta::Szoveg, OszlopFajta::Szoveg, OszlopFajta::Szoveg,
                                 OszlopFajta::Egesz, OszlopFajta::Szoveg, OszlopFajta::Datum,
                                 OszlopFajta::Szoveg, OszlopFajta::Egesz, OszlopFajta::Szoveg});
            ShowHatarolt(forras, QStringLiteral("Kintlevoseg.csv"), this);
        },
        this);
}

std::optional<std::pair<int, int>> ShowKintlevoseg(Kapcsolat& k, int kuszob, QWidget* szulo) {
    std::unique_ptr<Tfrm_Kintlevoseg> d;
    {
        const Seged::HomokOra varj;
        d = std::make_unique<Tfrm_Kintlevoseg>(k, kuszob, QDate::currentDate(), szulo);
    }
    if (d->exec() != QDialog::Accepted)
        return std::nullopt;
    return d->valasztott();
}
