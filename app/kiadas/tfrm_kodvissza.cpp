#include "kiadas/tfrm_kodvissza.h"

#include "kiadas/kiadas.h"
#include "motorhiba.h"
#include "parbeszed.h"
#include "seged.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
const QStringList Oszlopok{
    QStringLiteral("sorszám"), QStringLiteral("tervszám"),    QStringLiteral("tárgy"),
    QStringLiteral("sor"),     QStringLiteral("részművelet"), QStringLiteral("fajta"),
    QStringLiteral("kinek"),   QStringLiteral("kiadva"),      QStringLiteral("állapot")};
} // namespace

Tfrm_KodVissza::Tfrm_KodVissza(Kapcsolat& k, QWidget* szulo) : QDialog(szulo), m_k(k) {
    setObjectName(QStringLiteral("frm_KodVissza"));
    Parbeszed::Rogzitett(this, QStringLiteral("Visszavétel kóddal"), QSize(860, 420));

    edtKod = new QLineEdit(this);
    edtKod->setObjectName(QStringLiteral("edtKod"));
    Parbeszed::FokuszSzinez(edtKod);
    auto* felirat = new QLabel(QStringLiteral("A kivételezési lap &kódja:"), this);
    felirat->setBuddy(edtKod);
    auto* sor = new QHBoxLayout;
    sor->addWidget(felirat);
    sor->addWidget(edtKod, 1);

    lblLap = new QLabel(this);
    lblLap->setObjectName(QStringLiteral("lblLap"));
    lblLap->setWordWrap(true);

    tblTetelek = new QTableWidget(0, int(Oszlopok.size()), this);
    tblTetelek->setObjectName(QStringLiteral("tblTetelek"));
    tblTetelek->setHorizontalHeaderLabels(Oszlopok);
    tblTetelek->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblTetelek->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblTetelek->setFocusPolicy(Qt::NoFocus);
    tblTetelek->verticalHeader()->hide();
    tblTetelek->horizontalHeader()->setStretchLastSection(true);
    tblTetelek->setWordWrap(false);
    const QList<int> szelessegek{60, 90, 100, 35, 130, 70, 90, 95};
    for (int o = 0; o < szelessegek.size(); ++o)
        tblTetelek->setColumnWidth(o, szelessegek.at(o));

    lblUzenet = new QLabel(this);
    lblUzenet->setObjectName(QStringLiteral("lblUzenet"));
    lblUzenet->setWordWrap(true);

    auto* gombok = new QDialogButtonBox(this);
    btnVissza = gombok->addButton(QStringLiteral("Visszavétel (F5)"), QDialogButtonBox::ActionRole);
    btnVissza->setObjectName(QStringLiteral("btnVissza"));
    btnVissza->setToolTip(QStringLiteral("A lap minden kint lévő tételének visszavétele (F5)"));
    btnBezar = gombok->addButton(QStringLiteral("Bezár"), QDialogButtonBox::RejectRole);
    btnBezar->setObjectName(QStringLiteral("btnBezar"));
    // Enter belongs to the scanner: no button is pressed by it.
    for (QPushButton* b : {btnVissza, btnBezar}) {
        b->setAutoDefault(false);
        b->setDefault(false);
        b->setFocusPolicy(Qt::NoFocus);
    }
    connect(btnVissza, &QPushButton::clicked, this, &Tfrm_KodVissza::visszavesz);
    connect(gombok, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(edtKod, &QLineEdit::returnPressed, this, &Tfrm_KodVissza::beolvas);

    auto* elrendezes = new QVBoxLayout(this);
    elrendezes->addLayout(sor);
    elrendezes->addWidget(lblLap);
    elrendezes->addWidget(tblTetelek, 1);
    elrendezes->addWidget(lblUzenet);
    elrendezes->addWidget(gombok);
    urit();
    edtKod->setFocus();
}

void Tfrm_KodVissza::urit() {
    m_lap.reset();
    tblTetelek->setRowCount(0);
    lblLap->setText(QStringLiteral("Olvassa be a kivételezési lap kódját, vagy írja be a kód "
                                   "alatti számot, és nyomjon Entert."));
    btnVissza->setEnabled(false);
}

void Tfrm_KodVissza::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_F5:
        visszavesz();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return; // the box has handled it
    default:
        QDialog::keyPressEvent(e);
    }
}

void Tfrm_KodVissza::uzen(const QString& szoveg, bool hiba) {
    lblUzenet->setText(szoveg);
    lblUzenet->setStyleSheet(hiba ? QStringLiteral("color: #b00000; font-weight: bold")
                                  : QString());
    if (hiba)
        QApplication::beep();
}

void Tfrm_KodVissza::beolvas() {
    const QString beolvasott = edtKod->text();
    edtKod->clear();
    edtKod->setFocus();
    if (beolvasott.trimmed().isEmpty())
        return;
    const std::optional<LapKod::Tartomany> kod = LapKod::Ertelmez(beolvasott);
    if (!kod) {
        // What was shown is not what the clerk holds now: F5 must not take
        // it back.
        urit();
        uzen(QStringLiteral("A beolvasott „%1” nem kivételezési lap kódja. A kód számjegyekből "
                            "áll, például 00125 vagy 00125.00127.")
                 .arg(beolvasott.trimmed()),
             true);
        return;
    }
    try {
        const Seged::HomokOra varj;
        const LapKod::Lap lap = LapKod::Olvas(m_k, *kod);
        mutat(lap);
        const int kint = lap.kint();
        uzen(kint == 0 ? QStringLiteral("A lapon nincs kint lévő tétel.")
                       : QStringLiteral("Kint van %1 tétel: F5 visszaveszi.").arg(kint),
             false);
    } catch (const LapKod::NincsLap& h) {
        urit();
        uzen(h.uzenet(), true);
    } catch (const AdatbazisHiba& h) {
        urit();
        Seged::HibaAblak(h.uzenet(), this);
    }
}

void Tfrm_KodVissza::mutat(const LapKod::Lap& lap) {
    m_lap = lap;
    tblTetelek->setRowCount(int(lap.tetelek.size()));
    for (int r = 0; r < lap.tetelek.size(); ++r) {
        const LapKod::Tetel& t = lap.tetelek.at(r);
        const QStringList ertekek{LapKod::Szoveg({t.kulcs, t.kulcs}),
                                  t.tervszam,
                                  t.targy,
                                  t.sorSzoveg(),
                                  t.reszmuvelet,
                                  t.fajtaNev(),
                                  t.kinek,
                                  t.kiadvaSzoveg(),
                                  t.allapotSzoveg()};
        for (int o = 0; o < ertekek.size(); ++o) {
            auto* cella = new QTableWidgetItem(ertekek.at(o));
            if (t.allapot == LapKod::Allapot::Kint) {
                QFont f = cella->font();
                f.setBold(true);
                cella->setFont(f);
            }
            tblTetelek->setItem(r, o, cella);
        }
    }
    const LapKod::Tetel* elso = lap.tetelek.isEmpty() ? nullptr : &lap.tetelek.first();
    lblLap->setText(
        elso ? QStringLiteral("Lap %1: %2 %3, %4 részére kiadva %5; %6 tétel, ebből kint %7.")
                   .arg(LapKod::Szoveg(lap.kod), elso->tervszam, elso->targy, elso->kinek,
                        elso->kiadvaSzoveg())
                   .arg(lap.tetelek.size())
                   .arg(lap.kint())
             : QStringLiteral("Lap %1: nincs tétele.").arg(LapKod::Szoveg(lap.kod)));
    btnVissza->setEnabled(lap.kint() > 0);
}

void Tfrm_KodVissza::visszavesz() {
    edtKod->setFocus();
    if (!m_lap || m_lap->kint() == 0) {
        uzen(QStringLiteral("Nincs visszavehető tétel: előbb olvassa be a lap kódját."), true);
        return;
    }
    Kiadas::LapVisszavetel e;
    try {
        const Seged::HomokOra varj;
        e = Kiadas::VisszaveszLap(m_k, *m_lap);
    } catch (const AdatbazisHiba& h) {
        Seged::HibaAblak(h.uzenet(), this);
    }
    try {
        mutat(LapKod::Olvas(m_k, m_lap->kod));
    } catch (const PelvanoHiba& h) {
        uzen(h.uzenet(), true);
        return;
    }
    QString szoveg = QStringLiteral("%1 tétel visszavéve.").arg(e.visszaveve);
    if (!e.elutasitva.isEmpty())
        szoveg += QStringLiteral(" Nem vehető vissza: ") + e.elutasitva.join(QStringLiteral(" "));
    uzen(szoveg, !e.elutasitva.isEmpty());
}

void ShowKodVissza(Kapcsolat& k, QWidget* szulo) {
    Tfrm_KodVissza d(k, szulo);
    d.exec();
}
