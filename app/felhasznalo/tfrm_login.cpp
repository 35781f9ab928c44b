#include "felhasznalo/tfrm_login.h"

#include "jelszo.h"
#include "parbeszed.h"
#include "sema.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

Tfrm_Login::Tfrm_Login(Kapcsolat& kapcsolat, TBeall& beall, QWidget* szulo)
    : QDialog(szulo), m_belepes(kapcsolat), m_beall(beall) {
    setObjectName(QStringLiteral("frm_Login"));
    Parbeszed::Rogzitett(this, QStringLiteral("Belépés azonosítás"), QSize(256, 127));

    auto* lblFelhasznalo = new QLabel(QStringLiteral("Felhasználó"), this);
    lblFelhasznalo->setGeometry(12, 8, 120, 16);
    edtFelhasznalo = new QLineEdit(this);
    edtFelhasznalo->setObjectName(QStringLiteral("edtFelhasznalo"));
    edtFelhasznalo->setGeometry(12, 24, 232, 21);
    auto* lblJelszo = new QLabel(QStringLiteral("Jelszó"), this);
    lblJelszo->setGeometry(12, 48, 120, 16);
    edtJelszo = new QLineEdit(this);
    edtJelszo->setObjectName(QStringLiteral("edtJelszo"));
    edtJelszo->setGeometry(12, 64, 232, 21);
    Parbeszed::JelszoMezo(edtJelszo);
    // Both boxes take what the user table can hold.
    Parbeszed::KarakterKorlat(edtFelhasznalo, Sema::FelhasznaloSzelesseg);
    Parbeszed::KarakterKorlat(edtJelszo, Jelszo::TipusoltHossz);
    lblFelhasznalo->setBuddy(edtFelhasznalo);
    lblJelszo->setBuddy(edtJelszo);

    btnUjJelszo = new QPushButton(QStringLiteral("Új jelszó"), this);
    btnUjJelszo->setObjectName(QStringLiteral("btnUjJelszo"));
    btnUjJelszo->setGeometry(12, 94, 75, 25);
    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(91, 94, 75, 25);
    btnMegsem = new QPushButton(QStringLiteral("Mégsem"), this);
    btnMegsem->setObjectName(QStringLiteral("btnMegsem"));
    btnMegsem->setGeometry(170, 94, 75, 25);
    for (QPushButton* b : {btnUjJelszo, btnOK, btnMegsem}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }

    setTabOrder(edtFelhasznalo, edtJelszo);
    setTabOrder(edtJelszo, btnOK);
    setTabOrder(btnOK, btnUjJelszo);
    setTabOrder(btnUjJelszo, btnMegsem);
    Parbeszed::FokuszSzinez(edtFelhasznalo);
    Parbeszed::FokuszSzinez(edtJelszo);
    Parbeszed::EnterLeptet(this);

    connect(btnOK, &QPushButton::clicked, this, &Tfrm_Login::ok);
    connect(btnUjJelszo, &QPushButton::clicked, this, &Tfrm_Login::ujJelszo);
    connect(btnMegsem, &QPushButton::clicked, this, &QDialog::reject);
    edtFelhasznalo->setFocus();
}

void Tfrm_Login::ok() {
    m_belepett = m_belepes.Bejelentkezik(edtFelhasznalo->text(), edtJelszo->text(), m_beall);
    if (m_belepett)
        accept();
}

void Tfrm_Login::ujJelszo() {
    m_belepes.UjJelszo(edtFelhasznalo->text(), edtJelszo->text(), m_beall);
}
