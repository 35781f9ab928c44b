#include "eszkozok/tfrm_nevjegy.h"

#include "ikonok.h"
#include "keszito.h"
#include "parbeszed.h"
#include "termek.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {
QLabel* Cimke(QWidget* szulo, const QString& szoveg, QRect hely, QColor hatter, bool felkover,
              Qt::Alignment igazitas) {
    auto* l = new QLabel(szoveg, szulo);
    l->setGeometry(hely);
    l->setAlignment(igazitas);
    l->setContentsMargins(4, 2, 6, 2);
    l->setAutoFillBackground(true);
    QPalette p = l->palette();
    p.setColor(QPalette::Window, hatter);
    l->setPalette(p);
    QFont f = l->font();
    f.setBold(felkover);
    l->setFont(f);
    return l;
}
} // namespace

Tfrm_Nevjegy::Tfrm_Nevjegy(QWidget* szulo) : QDialog(szulo) {
    setObjectName(QStringLiteral("frm_Nevjegy"));
    Parbeszed::Rogzitett(this, QStringLiteral("Névjegy"), QSize(319, 343));

    auto* kulso = new QFrame(this);
    kulso->setGeometry(8, 8, 303, 292);
    kulso->setFrameStyle(QFrame::Panel | QFrame::Raised);
    kulso->setLineWidth(2);
    auto* belso = new QFrame(kulso);
    belso->setGeometry(4, 4, 295, 284);
    belso->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    // The program's icon and name on a small sunken panel.
    auto* ikonPanel = new QFrame(belso);
    ikonPanel->setGeometry(8, 8, 72, 72);
    ikonPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ikonPanel->setAutoFillBackground(true);
    QPalette p = ikonPanel->palette();
    p.setColor(QPalette::Window, QColor(255, 208, 174));
    ikonPanel->setPalette(p);
    auto* ikon = new QLabel(ikonPanel);
    ikon->setGeometry(20, 6, 32, 32);
    ikon->setPixmap(Ikon::Kep(Ikon::Program).pixmap(32, 32));
    auto* nev = new QLabel(QStringLiteral("Pelvano"), ikonPanel);
    nev->setGeometry(2, 44, 68, 18);
    nev->setAlignment(Qt::AlignHCenter);
    QFont f = nev->font();
    f.setBold(true);
    nev->setFont(f);
    nev->setStyleSheet(QStringLiteral("color: blue;"));

    lblTermek = Cimke(belso, QStringLiteral("Pelvano\r\nV") + Termek::Verzio, QRect(88, 8, 199, 72),
                      QColor(204, 255, 204), true, Qt::AlignRight | Qt::AlignVCenter);
    lblTermek->setObjectName(QStringLiteral("lblTermek"));
    QFont arial(QStringLiteral("Arial"), 11);
    arial.setBold(true);
    lblTermek->setFont(arial);

    const QColor krem = Parbeszed::KremSzin;
    Cimke(belso, QStringLiteral("Pelvanoi nyilvántartó program"), QRect(8, 92, 279, 24), krem, true,
          Qt::AlignCenter);
    Cimke(belso, QStringLiteral("Elérhetőség"), QRect(8, 128, 279, 24), krem, true,
          Qt::AlignCenter);
    lblElerhetoseg =
        Cimke(belso,
              QStringList{Keszito::Nev, Keszito::Email, Keszito::Web, Keszito::Telefon}.join(
                  QLatin1Char('\n')),
              QRect(8, 156, 279, 120), belso->palette().color(QPalette::Window), false,
              Qt::AlignHCenter | Qt::AlignTop);
    lblElerhetoseg->setObjectName(QStringLiteral("lblElerhetoseg"));

    btnOK = Parbeszed::Gomb(this, "btnOK", QStringLiteral("OK"), 122, 310);
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
}
