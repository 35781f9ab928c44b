#include "kiadas/tfrm_csopkiad.h"

#include "kapcsolat.h"
#include "kiadas/kiadas.h"
#include "parbeszed.h"
#include "seged.h"
#include "trptkiadas.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableWidget>

namespace {
QComboBox* Valaszto(QWidget* szulo, const char* nev, const QString& cimke, QRect hely,
                    const QStringList& elemek, int hossz) {
    QComboBox* c = Parbeszed::SzabadValaszto(szulo, elemek, hossz);
    c->setObjectName(QLatin1String(nev));
    c->setGeometry(hely);
    auto* l = new QLabel(cimke, szulo);
    l->setGeometry(hely.x(), hely.y() - 17, hely.width(), 16);
    l->setBuddy(c);
    return c;
}
} // namespace

Tfrm_CsopKiad::Tfrm_CsopKiad(Kapcsolat& k, int terv, QWidget* szulo)
    : QDialog(szulo), m_k(k), m_terv(terv) {
    setObjectName(QStringLiteral("frm_CsopKiad"));
    Parbeszed::Rogzitett(this, QStringLiteral("Több tétel kiadása"), QSize(520, 334));

    lstSorok = new QTableWidget(0, 3, this);
    lstSorok->setObjectName(QStringLiteral("lstSorok"));
    lstSorok->setGeometry(8, 8, 504, 150);
    lstSorok->setHorizontalHeaderLabels(
        {QStringLiteral("sor"), QStringLiteral("részművelet"), QStringLiteral("rajzszám")});
    lstSorok->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstSorok->setSelectionBehavior(QAbstractItemView::SelectRows);
    lstSorok->setSelectionMode(QAbstractItemView::SingleSelection);
    lstSorok->setSortingEnabled(false);
    lstSorok->horizontalHeader()->setSectionsClickable(false);
    lstSorok->verticalHeader()->setVisible(false);
    lstSorok->verticalHeader()->setDefaultSectionSize(18);
    lstSorok->setColumnWidth(0, 40);
    lstSorok->setColumnWidth(1, 340);
    lstSorok->horizontalHeader()->setStretchLastSection(true);
    QSqlQuery q = m_k.sql(Kiadas::JeloltSorokSql(), {{QStringLiteral("pterv"), terv}});
    while (q.next()) {
        const int r = lstSorok->rowCount();
        lstSorok->insertRow(r);
        lstSorok->setItem(r, 0, new QTableWidgetItem(q.value(QStringLiteral("sor")).toString()));
        lstSorok->setItem(r, 1,
                          new QTableWidgetItem(q.value(QStringLiteral("reszmuvelet")).toString()));
        lstSorok->setItem(r, 2,
                          new QTableWidgetItem(q.value(QStringLiteral("rajzszam")).toString()));
    }

    cbKinek = Valaszto(this, "cbKinek", QStringLiteral("kinek"), QRect(8, 184, 240, 21),
                       Kiadas::Cimzettek(m_k), Kiadas::KinelSzel);
    cbEngedelyezo =
        Valaszto(this, "cbEngedelyezo", QStringLiteral("engedélyező"), QRect(264, 184, 248, 21),
                 Kiadas::Engedelyezok(m_k), Kiadas::EngedelyezoSzel);
    memMegjegyzes = new QPlainTextEdit(this);
    memMegjegyzes->setObjectName(QStringLiteral("memMegjegyzes"));
    memMegjegyzes->setGeometry(8, 230, 504, 64);
    memMegjegyzes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memMegjegyzes->setTabChangesFocus(true);
    Parbeszed::FokuszSzinez(memMegjegyzes);
    auto* l = new QLabel(QStringLiteral("megjegyzés"), this);
    l->setGeometry(8, 213, 200, 16);
    l->setBuddy(memMegjegyzes);

    btnNyomtat = new QPushButton(QStringLiteral("Nyomtat"), this);
    btnNyomtat->setObjectName(QStringLiteral("btnNyomtat"));
    btnKiad = new QPushButton(QStringLiteral("Kiad"), this);
    btnKiad->setObjectName(QStringLiteral("btnKiad"));
    btnBezar = new QPushButton(QStringLiteral("Bezár"), this);
    btnBezar->setObjectName(QStringLiteral("btnBezar"));
    int x = 275;
    for (QPushButton* b : {btnNyomtat, btnKiad, btnBezar}) {
        b->setGeometry(x, 302, 75, 25);
        b->setAutoDefault(false);
        x += 81;
    }
    btnNyomtat->setEnabled(false);

    setTabOrder(cbEngedelyezo, memMegjegyzes);
    setTabOrder(memMegjegyzes, btnKiad);
    setTabOrder(btnKiad, btnBezar);
    setTabOrder(btnBezar, btnNyomtat);
    setTabOrder(btnNyomtat, cbKinek);
    setTabOrder(cbKinek, lstSorok);

    connect(btnKiad, &QPushButton::clicked, this, &Tfrm_CsopKiad::kiad);
    connect(btnNyomtat, &QPushButton::clicked, this, [this] {
        if (m_kulcsok.elso > 0)
            PrintKiadas(m_k, m_kulcsok, this);
    });
    connect(btnBezar, &QPushButton::clicked, this, &QDialog::reject);
    cbEngedelyezo->setFocus();
}

void Tfrm_CsopKiad::kiad() {
    btnKiad->setEnabled(false);
    const KiadasAdat adat{cbKinek->currentText(), cbEngedelyezo->currentText(),
                          Kiadas::Megjegyzes(memMegjegyzes->toPlainText())};
    try {
        Kiadas::CsoportKiad(m_k, m_terv, adat, m_kulcsok);
    } catch (const AdatbazisHiba& h) {
        // The lines issued before the error stay issued; the rest stay marked.
        Seged::HibaAblak(h.uzenet(), this);
    }
    // Printing only what this "Kiad" wrote: nothing to print without a record.
    btnNyomtat->setEnabled(m_kulcsok.elso > 0);
}

void ShowCsopKiad(Kapcsolat& k, int terv, QWidget* szulo) {
    Tfrm_CsopKiad d(k, terv, szulo);
    d.exec();
}
