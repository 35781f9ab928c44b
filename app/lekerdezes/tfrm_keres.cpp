#include "lekerdezes/tfrm_keres.h"

#include "kapcsolat.h"
#include "lekerdezes/keres.h"
#include "parbeszed.h"
#include "seged.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QTabWidget>
#include <QTableView>

Tfrm_Keres::Tfrm_Keres(Kapcsolat& k, QWidget* szulo) : QDialog(szulo), m_k(k) {
    setObjectName(QStringLiteral("frm_Keres"));
    Parbeszed::Rogzitett(this, QStringLiteral("Részletes keresése"), QSize(392, 268));
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(4, 4, 384, 260);

    auto* lapKeres = new QWidget;
    PageControl1->addTab(lapKeres, QStringLiteral("Keresés"));
    edtKeres = Parbeszed::Mezo(lapKeres, "edtKeres", QStringLiteral("Keresendő szöveg"),
                               QRect(12, 34, 354, 21));
    btnKeres = Parbeszed::Gomb(lapKeres, "btnKeres", QStringLiteral("Keres"), 210, 196);
    btnBezar = Parbeszed::Gomb(lapKeres, "btnBezar", QStringLiteral("Bezár"), 291, 196);

    auto* lapEredmeny = new QWidget;
    PageControl1->addTab(lapEredmeny, QStringLiteral("Eredmény"));
    m_eredmeny = new QSqlQueryModel(this);
    DBGrid1 = new QTableView(lapEredmeny);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setGeometry(8, 8, 362, 180);
    DBGrid1->setModel(m_eredmeny);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->verticalHeader()->setVisible(false);
    DBGrid1->verticalHeader()->setDefaultSectionSize(18);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    btnMegvan = Parbeszed::Gomb(lapEredmeny, "btnMegvan", QStringLiteral("Megvan"), 210, 196);
    btnMegvan->setEnabled(false);
    btnBezar2 = Parbeszed::Gomb(lapEredmeny, "btnBezar2", QStringLiteral("Bezár"), 291, 196);

    // Each tab has its own default button.
    const auto alapGomb = [this](int lap) {
        btnKeres->setDefault(lap == 0);
        btnMegvan->setDefault(lap == 1);
    };
    alapGomb(0);
    connect(PageControl1, &QTabWidget::currentChanged, this, alapGomb);
    connect(btnKeres, &QPushButton::clicked, this, &Tfrm_Keres::keres);
    connect(btnMegvan, &QPushButton::clicked, this, &Tfrm_Keres::megvan);
    connect(DBGrid1, &QAbstractItemView::doubleClicked, this, &Tfrm_Keres::megvan);
    connect(btnBezar, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnBezar2, &QPushButton::clicked, this, &QDialog::reject);
    edtKeres->setFocus();
}

Tfrm_Keres::~Tfrm_Keres() {
    DBGrid1->setModel(nullptr);
}

void Tfrm_Keres::keres() {
    m_eredmeny->clear();
    // Every plan's texts are searched.
    const Seged::HomokOra varj;
    try {
        QSqlQuery q = m_k.sql(Keres::Sql(edtKeres->text()));
        m_eredmeny->setQuery(std::move(q));
    } catch (const AdatbazisHiba& h) {
        Seged::HibaAblak(h.uzenet(), this);
        return;
    }
    const QSqlRecord r = m_eredmeny->record();
    for (int i = 0; i < r.count(); ++i)
        DBGrid1->setColumnHidden(i, true);
    const QList<QPair<QString, QString>> oszlopok{
        {QStringLiteral("Tervszam"), QStringLiteral("tervszám")},
        {QStringLiteral("Cim"), QStringLiteral("tárgy")}};
    for (int i = 0; i < oszlopok.size(); ++i) {
        const int o = r.indexOf(oszlopok.at(i).first);
        m_eredmeny->setHeaderData(o, Qt::Horizontal, oszlopok.at(i).second);
        DBGrid1->setColumnHidden(o, false);
        DBGrid1->horizontalHeader()->moveSection(DBGrid1->horizontalHeader()->visualIndex(o), i);
    }
    DBGrid1->setColumnWidth(r.indexOf(QStringLiteral("Tervszam")), 90);
    if (m_eredmeny->rowCount() > 0) {
        btnMegvan->setEnabled(true);
        PageControl1->setCurrentIndex(1);
        DBGrid1->setCurrentIndex(m_eredmeny->index(0, r.indexOf(QStringLiteral("Tervszam"))));
        DBGrid1->setFocus();
    } else {
        Seged::HibaAblak(QStringLiteral("Nincs ilyen sor, keresés sikertelen"), this);
        PageControl1->setCurrentIndex(0);
        edtKeres->setFocus();
    }
}

void Tfrm_Keres::megvan() {
    const int sor = DBGrid1->currentIndex().row();
    // Nothing to choose before a search, or after one that found nothing.
    if (!btnMegvan->isEnabled() || sor < 0 || m_eredmeny->rowCount() == 0)
        return;
    m_valasztott = m_eredmeny->record(sor).value(QStringLiteral("Terv")).toInt();
    accept();
}

void Tfrm_Keres::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    // On the bottom right corner of the window it was opened from, frame on
    // frame (the frame is known once the window is shown).
    if (QWidget* w = parentWidget()) {
        const QRect f = w->frameGeometry();
        const QRect sajat = frameGeometry();
        move(f.left() + f.width() - sajat.width(), f.top() + f.height() - sajat.height());
    }
}

int ShowKeres(Kapcsolat& k, QWidget* szulo) {
    Tfrm_Keres d(k, szulo);
    return d.exec() == QDialog::Accepted ? d.valasztott() : 0;
}
