#include "eszkozok/tfrm_beallit.h"

#include "fajlparbeszed.h"
#include "foablak/tbeall.h"
#include "kapcsolat.h"
#include "parbeszed.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QToolButton>

Tfrm_Beallit::Tfrm_Beallit(QWidget* szulo) : QDialog(szulo) {
    setObjectName(QStringLiteral("frm_Beallit"));
    Parbeszed::Rogzitett(this, QStringLiteral("Beállítások"), QSize(342, 142));
    chkTeljesKepernyo = new QCheckBox(QStringLiteral("Megnyitáskor teljes képernyő"), this);
    chkTeljesKepernyo->setObjectName(QStringLiteral("chkTeljesKepernyo"));
    chkTeljesKepernyo->setGeometry(12, 10, 300, 20);
    edtAdatUtvonal =
        Parbeszed::Mezo(this, "edtAdatUtvonal", QStringLiteral("Adatbázis elérési útvonala"),
                        QRect(12, 53, 293, 21));
    btnTallozas = new QToolButton(this);
    btnTallozas->setObjectName(QStringLiteral("btnTallozas"));
    btnTallozas->setGeometry(309, 53, 21, 21);
    btnTallozas->setText(QStringLiteral("..."));
    btnTallozas->setToolTip(QStringLiteral("Adatbázis útvonal"));
    chkBelepes = new QCheckBox(QStringLiteral("Belépésnél jelszót kér"), this);
    chkBelepes->setObjectName(QStringLiteral("chkBelepes"));
    chkBelepes->setGeometry(12, 80, 300, 20);
    btnOK = Parbeszed::Gomb(this, "btnOK", QStringLiteral("OK"), 174, 110);
    btnMegsem = Parbeszed::Gomb(this, "btnMegsem", QStringLiteral("Mégsem"), 255, 110);
    btnOK->setDefault(true);
    connect(btnTallozas, &QToolButton::clicked, this, &Tfrm_Beallit::tallozas);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnMegsem, &QPushButton::clicked, this, &QDialog::reject);
}

void Tfrm_Beallit::tallozas() {
    const QString mappa =
        FajlParbeszed::Mappa(QStringLiteral("Adatbázis útvonal"), edtAdatUtvonal->text(), this);
    if (!mappa.isEmpty())
        edtAdatUtvonal->setText(mappa);
}

void Beallitasok(Kapcsolat& k, TBeall& beall, QWidget* szulo) {
    Tfrm_Beallit d(szulo);
    d.edtAdatUtvonal->setText(beall.AdatUtvonal);
    d.chkTeljesKepernyo->setChecked(beall.TeljesKepernyo);
    d.chkBelepes->setChecked(Beallitas::VanBelep(k));
    if (d.exec() != QDialog::Accepted)
        return;
    Beallitas::VanBelepMent(k, d.chkBelepes->isChecked());
    beall.AdatUtvonal = d.edtAdatUtvonal->text();
    beall.TeljesKepernyo = d.chkTeljesKepernyo->isChecked();
}
