#include "eszkozok/tfrm_readme.h"

#include "keszito.h"
#include "parbeszed.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

QString Tfrm_Readme::Szoveg() {
    const QString vonal(60, QLatin1Char('-'));
    return QStringList{
        QStringLiteral("Pelvano"),
        QString(),
        vonal,
        QStringLiteral("Fontos információk"),
        vonal,
        QString(),
        QStringLiteral("A rendszer a következő felhasználóval kerül átadásra:"),
        QStringLiteral("    felhasználó: rendszergazda"),
        QStringLiteral("    jelszó:      pelvano"),
        QStringLiteral("Első belépés után javasolt a jelszót megváltoztatni."),
        QString(),
        QStringLiteral(
            "A felhasználó, és jelszó megadásánál a kis, és nagybetű különbsége fontos."),
        QString(),
        QStringLiteral("Rendszerkövetelmények:"),
        QStringLiteral(
            "    számítógép: 1 GHz processzor, 2 GB memória, 200 MB szabad lemezterület"),
        QStringLiteral("    operációs rendszer: Windows 10 vagy újabb, illetve Linux (Debian 12)"),
        QStringLiteral("    nyomtatáshoz telepített nyomtató, az adatmappa közös használatához"),
        QStringLiteral("    hálózati megosztás"),
        QString(),
        QStringLiteral("Elérhetőség:"),
        QStringLiteral("    ") + Keszito::Nev,
        QStringLiteral("    e-mail:  ") + Keszito::Email,
        QStringLiteral("    honlap:  ") + Keszito::Web,
        QStringLiteral("    telefon: ") + Keszito::Telefon,
    }
        .join(QLatin1Char('\n'));
}

Tfrm_Readme::Tfrm_Readme(QWidget* szulo) : QDialog(szulo) {
    setObjectName(QStringLiteral("frm_Readme"));
    setWindowTitle(QStringLiteral("Fontos információk"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    resize(552, 399);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setFont(QFont(QStringLiteral("Courier New"), 9));
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Parbeszed::Krem(Memo1);
    Memo1->setPlainText(Szoveg());
    auto* elrendezes = new QVBoxLayout(this);
    elrendezes->setContentsMargins(0, 0, 0, 0);
    elrendezes->addWidget(Memo1);
}
