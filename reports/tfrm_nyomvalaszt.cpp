#include "tfrm_nyomvalaszt.h"

#include "parbeszed.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

Tfrm_NyomValaszt::Tfrm_NyomValaszt(QWidget* szulo) : QDialog(szulo) {
    setObjectName(QStringLiteral("frm_NyomValaszt"));
    Parbeszed::Rogzitett(this, QStringLiteral("Nyomtatás típusa"), QSize(209, 173));

    auto* csoport = new QGroupBox(QStringLiteral("Nyomtatás típusa"), this);
    csoport->setObjectName(QStringLiteral("rgTipus"));
    csoport->setGeometry(8, 8, 193, 117);
    auto* l = new QVBoxLayout(csoport);
    rbKep = new QRadioButton(QStringLiteral("Nyomtatási kép"), csoport);
    rbKep->setObjectName(QStringLiteral("rbKep"));
    rbNyomtatas = new QRadioButton(QStringLiteral("Nyomtatás"), csoport);
    rbNyomtatas->setObjectName(QStringLiteral("rbNyomtatas"));
    rbCsv = new QRadioButton(QStringLiteral("Excelbe (CSV)"), csoport);
    rbCsv->setObjectName(QStringLiteral("rbCsv"));
    for (QRadioButton* r : {rbKep, rbNyomtatas, rbCsv})
        l->addWidget(r);
    rbKep->setChecked(true);

    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(26, 136, 75, 25);
    btnOK->setDefault(true);
    btnMegsem = new QPushButton(QStringLiteral("Mégsem"), this);
    btnMegsem->setObjectName(QStringLiteral("btnMegsem"));
    btnMegsem->setGeometry(108, 136, 75, 25);
    btnMegsem->setAutoDefault(false);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnMegsem, &QPushButton::clicked, this, &QDialog::reject);
}

int Tfrm_NyomValaszt::valasztas() const {
    if (rbNyomtatas->isChecked())
        return Nyomtatas;
    if (rbCsv->isChecked())
        return Csv;
    return NyomtatasiKep;
}

int NyomValaszt(QWidget* szulo) {
    Tfrm_NyomValaszt d(szulo);
    return d.exec() == QDialog::Accepted ? d.valasztas() : Tfrm_NyomValaszt::Megsem;
}
