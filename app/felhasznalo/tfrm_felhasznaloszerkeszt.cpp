#include "felhasznalo/tfrm_felhasznaloszerkeszt.h"

#include "felhasznalo/felhasznalok.h"
#include "jelszo.h"
#include "kapcsolat.h"
#include "parbeszed.h"
#include "seged.h"

#include <QLineEdit>
#include <QPushButton>

namespace {
QLineEdit* Mezo(QWidget* szulo, const char* nev, const QString& cimke, QRect hely) {
    QLineEdit* e = Parbeszed::Mezo(szulo, nev, cimke, hely);
    Parbeszed::KarakterKorlat(e, Felhasznalok::NevHossz);
    return e;
}
} // namespace

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
