#include "tfrm_upd.h"

#include "ikonok.h"
#include "inifajl.h"
#include "parbeszed.h"
#include "pelvanoini.h"
#include "seged.h"
#include "termek.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>

const QString Tfrm_Upd::Verzio = Termek::Verzio;

const QStringList Tfrm_Upd::Leiras{
    QStringLiteral("Lépések, ha új verziót kíván telepíteni:"),
    QString(),
    QStringLiteral("1. Ellenőrizze, hogy egyetlen számítógépen se fusson a Pelvano program."),
    QStringLiteral("2. Nyomja meg a verzióváltás gombot a frissítéshez."),
    QStringLiteral("3. Nyomja meg a karbantartás gombot az adatbázis hibajavításához, "
                   "optimalizálásához."),
    QString(),
    QStringLiteral("Lépések, ha adatbázisa sérült, vagy csak lassabban fut a program:"),
    QString(),
    QStringLiteral("1. Ellenőrizze, hogy egyetlen számítógépen se működjön a Pelvano program."),
    QStringLiteral("2. Nyomja meg a karbantartás gombot az adatbázis hibajavításához, "
                   "optimalizálásához."),
};

Tfrm_Upd::Tfrm_Upd(QWidget* szulo) : QDialog(szulo), m_karbantarto(*this) {
    setObjectName(QStringLiteral("frm_Upd"));
    Parbeszed::Rogzitett(this, QString(), QSize(601, 262));

    auto* ikon = new QLabel(this);
    ikon->setGeometry(8, 8, 32, 32);
    ikon->setPixmap(Ikon::Kep(Ikon::Program).pixmap(32, 32));

    auto* cimke = new QLabel(QStringLiteral("Adatbázis elérési útvonala"), this);
    cimke->setGeometry(48, 4, 250, 16);
    edtMappa = new QLineEdit(this);
    edtMappa->setObjectName(QStringLiteral("edtMappa"));
    edtMappa->setGeometry(48, 22, 296, 24);
    QFont felkover = edtMappa->font();
    felkover.setBold(true);
    edtMappa->setFont(felkover);
    cimke->setBuddy(edtMappa);

    btnKarbantartas =
        Parbeszed::Gomb(this, "btnKarbantartas", QStringLiteral("Karbantartás"), 352, 21);
    btnVerziovaltas =
        Parbeszed::Gomb(this, "btnVerziovaltas", QStringLiteral("Verzióváltás"), 434, 21);
    btnBezaras = Parbeszed::Gomb(this, "btnBezaras", QStringLiteral("Bezárás"), 516, 21);
    for (QPushButton* b : {btnKarbantartas, btnVerziovaltas, btnBezaras})
        b->setFixedWidth(78);

    memLeiras = new QPlainTextEdit(this);
    memLeiras->setObjectName(QStringLiteral("memLeiras"));
    memLeiras->setGeometry(8, 52, 585, 174);
    memLeiras->setReadOnly(true);
    memLeiras->setFocusPolicy(Qt::NoFocus);
    memLeiras->setFont(QFont(QStringLiteral("Courier New"), 9));
    memLeiras->document()->setDocumentMargin(2);
    memLeiras->setPlainText(Leiras.join(QLatin1Char('\n')));

    lblAllapot = new QLabel(this);
    lblAllapot->setObjectName(QStringLiteral("lblAllapot"));
    lblAllapot->setGeometry(8, 228, 585, 14);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(8, 244, 585, 14);
    ProgressBar1->setRange(1, 100);
    ProgressBar1->setValue(1);
    ProgressBar1->setTextVisible(false);

    setTabOrder(edtMappa, btnKarbantartas);
    setTabOrder(btnKarbantartas, btnBezaras);
    setTabOrder(btnBezaras, btnVerziovaltas);

    connect(btnKarbantartas, &QPushButton::clicked, this,
            [this] { m_karbantarto.karbantartas(edtMappa->text()); });
    connect(btnVerziovaltas, &QPushButton::clicked, this,
            [this] { m_karbantarto.verziovaltas(edtMappa->text()); });
    connect(btnBezaras, &QPushButton::clicked, this, &QDialog::accept);
}

QString Tfrm_Upd::IniMappa() {
    const QString mappa = AdatMappaUtvonal(IniOlvas(IniFajl(IniFajlNev())).Path);
    return mappa.isEmpty() ? Seged::ProgramUtvonal(QStringLiteral("Data")) : mappa;
}

QString Tfrm_Upd::IniSzerver() {
    return IniOlvas(IniFajl(IniFajlNev())).Server;
}

void Tfrm_Upd::Inditas() {
    edtMappa->setText(IniMappa());
    m_karbantarto.setSzerver(IniSzerver());
    setWindowTitle(QStringLiteral("Pelvano program adatbázis karbantartás V") + Verzio);
}

void Tfrm_Upd::maximum(int ertek) {
    ProgressBar1->setMaximum(ertek);
}

void Tfrm_Upd::lepes() {
    ProgressBar1->setValue(qMin(ProgressBar1->value() + 1, ProgressBar1->maximum()));
}

void Tfrm_Upd::alaphelyzet() {
    ProgressBar1->setValue(ProgressBar1->minimum());
}

void Tfrm_Upd::allapot(const QString& szoveg) {
    lblAllapot->setText(szoveg);
    lblAllapot->repaint();
}

void Tfrm_Upd::hiba(const QString& uzenet) {
    Seged::HibaAblak(uzenet, this);
}

void Tfrm_Upd::uzenet(const QString& uzenet) {
    Seged::UzenetAblak(uzenet, this);
}
