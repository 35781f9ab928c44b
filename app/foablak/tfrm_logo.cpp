#include "foablak/tfrm_logo.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTimer>

namespace {
const QColor Atlatszo(128, 128, 128);
}

Tfrm_Logo::Tfrm_Logo(QWidget* szulo)
    : QWidget(szulo, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                         Qt::WindowDoesNotAcceptFocus),
      m_kep(Kep()) {
    setObjectName(QStringLiteral("frm_Logo"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFixedSize(m_kep.size());
    setMask(m_kep.createMaskFromColor(Atlatszo, Qt::MaskInColor));
    if (const QScreen* kepernyo = QGuiApplication::primaryScreen()) {
        QRect r = rect();
        r.moveCenter(kepernyo->geometry().center());
        move(r.topLeft());
    }
    QTimer::singleShot(Idotartam, this, &QWidget::close);
}

void Tfrm_Logo::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(0, 0, m_kep);
}

QPixmap Tfrm_Logo::Kep() {
    QPixmap kep(400, 240);
    kep.fill(Atlatszo);
    QPainter p(&kep);
    p.setRenderHint(QPainter::Antialiasing, false); // clean edges against the mask colour

    // Drawing board.
    const QRect tabla(20, 30, 360, 180);
    p.setPen(QPen(QColor(40, 60, 90), 3));
    p.setBrush(QColor(245, 247, 250));
    p.drawRect(tabla);

    // Set square (triangle stencil) with its cut-out.
    QPainterPath haromszog;
    haromszog.moveTo(40, 190);
    haromszog.lineTo(40, 60);
    haromszog.lineTo(170, 190);
    haromszog.closeSubpath();
    QPainterPath kivagas;
    kivagas.moveTo(60, 170);
    kivagas.lineTo(60, 110);
    kivagas.lineTo(120, 170);
    kivagas.closeSubpath();
    p.setPen(QPen(QColor(20, 90, 60), 2));
    p.setBrush(QColor(120, 200, 160));
    p.drawPath(haromszog.subtracted(kivagas));

    // Ruler with its scale.
    const QRect vonalzo(60, 196, 300, 26);
    p.setPen(QPen(QColor(120, 80, 20), 2));
    p.setBrush(QColor(240, 200, 110));
    p.drawRect(vonalzo);
    p.setPen(QPen(QColor(90, 60, 10), 1));
    for (int x = vonalzo.left() + 6, i = 0; x < vonalzo.right() - 2; x += 6, ++i)
        p.drawLine(x, vonalzo.top(), x, vonalzo.top() + (i % 5 == 4 ? 12 : 6));

    // Compass.
    p.setPen(QPen(QColor(70, 70, 80), 4));
    p.drawLine(350, 50, 330, 150);
    p.drawLine(350, 50, 370, 150);
    p.setBrush(QColor(70, 70, 80));
    p.drawEllipse(QPoint(350, 48), 7, 7);

    // Product name and line.
    QFont nev(QStringLiteral("DejaVu Sans"), 30, QFont::Bold);
    p.setFont(nev);
    p.setPen(QColor(25, 45, 110));
    p.drawText(QRect(125, 70, 190, 50), Qt::AlignCenter, QStringLiteral("Pelvano"));
    QFont alcim(QStringLiteral("DejaVu Sans"), 9);
    p.setFont(alcim);
    p.setPen(QColor(30, 30, 30));
    p.drawText(QRect(135, 120, 180, 40), Qt::AlignCenter | Qt::TextWordWrap,
               QStringLiteral("Tervrajzok kezelésére szolgáló nyilvántartás"));
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 8));
    p.drawText(QRect(135, 160, 180, 16), Qt::AlignCenter, QStringLiteral("V2.1.0.67"));
    return kep;
}
