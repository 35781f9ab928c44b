#include "kiadas/tfrm_kintlevoseg.h"

#include "parbeszed.h"
#include "seged.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <memory>

namespace {
enum Oszlop { Tervszam, Targy, Sor, Fajta, Kiadva, Engedelyezo, Napok, Lejart, OszlopDb };
constexpr int TervSzerep = Qt::UserRole;
constexpr int SorSzerep = Qt::UserRole + 1;
} // namespace

Tfrm_Kintlevoseg::Tfrm_Kintlevoseg(Kapcsolat& k, int kuszob, const QDate& nap, QWidget* szulo)
    : QDialog(szulo) {
    setObjectName(QStringLiteral("frm_Kintlevoseg"));
    Parbeszed::Rogzitett(this, QStringLiteral("Kintlévőségek személyenként"), QSize(860, 520));

    const QList<Kintlevosegek::Birtokos> birtokosok = Kintlevosegek::Olvas(k, nap, kuszob);

    lista = new QTreeWidget(this);
    lista->setObjectName(QStringLiteral("lista"));
    lista->setColumnCount(OszlopDb);
    lista->setHeaderLabels({QStringLiteral("tervszám"), QStringLiteral("tárgy"),
                            QStringLiteral("sor"), QStringLiteral("fajta"),
                            QStringLiteral("kiadva"), QStringLiteral("engedélyező"),
                            QStringLiteral("napja kint"), QString()});
    lista->setRootIsDecorated(true);
    lista->setUniformRowHeights(true);
    lista->setAlternatingRowColors(true);
    const QLocale hely;
    int tetelek = 0, lejartak = 0;
    for (const Kintlevosegek::Birtokos& b : birtokosok) {
        auto* fej = new QTreeWidgetItem(lista);
        fej->setFirstColumnSpanned(true);
        fej->setText(0, QStringLiteral("%1 — %2 tétel, a leghosszabb %3 napja kint")
                            .arg(b.nev.isEmpty() ? QStringLiteral("(nincs megadva)") : b.nev)
                            .arg(b.tetelek.size())
                            .arg(b.leghosszabb));
        QFont felkover = fej->font(0);
        felkover.setBold(true);
        fej->setFont(0, felkover);
        for (const Kintlevosegek::Tetel& t : b.tetelek) {
            auto* e = new QTreeWidgetItem(fej);
            e->setText(Tervszam, t.tervszam);
            e->setText(Targy, t.targy);
            e->setText(Sor, QStringLiteral("%1").arg(t.sor, 2, 10, QLatin1Char('0')));
            e->setText(Fajta, t.fajtaNev());
            e->setText(Kiadva, hely.toString(t.kiadva, QLocale::ShortFormat));
            e->setText(Engedelyezo, t.engedelyezo);
            e->setText(Napok, QString::number(t.napok));
            e->setTextAlignment(Napok, Qt::AlignRight | Qt::AlignVCenter);
            e->setData(0, TervSzerep, t.terv);
            e->setData(0, SorSzerep, t.sor);
            if (t.lejart) {
                // Marked in words and weight, the colour only besides.
                e->setText(Lejart, QStringLiteral("LEJÁRT"));
                for (int o = 0; o < OszlopDb; ++o) {
                    QFont f = e->font(o);
                    f.setBold(true);
                    e->setFont(o, f);
                    e->setForeground(o, QColor(176, 0, 0));
                }
                ++lejartak;
            }
            ++tetelek;
        }
    }
    lista->expandAll();
    // Widths set, not measured: measuring every row of a large office's
    // items took seconds.
    const QList<int> szelessegek{120, 220, 40, 80, 90, 160, 70, 60};
    for (int o = 0; o < OszlopDb; ++o)
        lista->setColumnWidth(o, szelessegek.at(o));

    lblOsszegzes = new QLabel(this);
    lblOsszegzes->setObjectName(QStringLiteral("lblOsszegzes"));
    lblOsszegzes->setText(
        tetelek == 0
            ? QStringLiteral("Nincs kint semmi.")
            : QStringLiteral("%1 tétel %2 személynél; %3 napnál régebben kint (LEJÁRT): %4")
                  .arg(tetelek)
                  .arg(birtokosok.size())
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

    connect(lista, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* elem) { valaszt(elem); });
    if (QTreeWidgetItem* elso = lista->topLevelItem(0))
        lista->setCurrentItem(elso->childCount() > 0 ? elso->child(0) : elso);
    lista->setFocus();
}

void Tfrm_Kintlevoseg::keyPressEvent(QKeyEvent* e) {
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && lista->currentItem()) {
        valaszt(lista->currentItem());
        return;
    }
    QDialog::keyPressEvent(e);
}

void Tfrm_Kintlevoseg::valaszt(QTreeWidgetItem* elem) {
    if (!elem || !elem->parent()) { // a holder's row folds and unfolds
        if (elem)
            elem->setExpanded(!elem->isExpanded());
        return;
    }
    m_valasztott =
        std::make_pair(elem->data(0, TervSzerep).toInt(), elem->data(0, SorSzerep).toInt());
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
