#include "kiadas/tfrm_kintlevoseg.h"

#include "parbeszed.h"
#include "seged.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <memory>

Tfrm_Kintlevoseg::Tfrm_Kintlevoseg(Kapcsolat& k, int kuszob, const QDate& nap, QWidget* szulo)
    : QDialog(szulo) {
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
    const QList<int> szelessegek{115, 200, 35, 75, 85, 160, 70, 60};
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
