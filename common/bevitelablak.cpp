#include "bevitelablak.h"

#include "parbeszed.h"
#include "seged.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

int BevitelAblakDialog::egyseg(int n, int d, QSize betumeret) {
    const int alap = d == 4 ? betumeret.width() : betumeret.height();
    // n * alap / d rounded half away from zero (all values are positive).
    return (2 * n * alap + d) / (2 * d);
}

BevitelAblakDialog::BevitelAblakDialog(const QString& cim, const QString& kerdes,
                                       const QString& ertek, QWidget* szulo)
    : QDialog(szulo, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("BevitelAblak"));
    setWindowTitle(cim);
    setSizeGripEnabled(false);

    const QSize betu = Seged::AtlagBetumeret(font());
    auto m = [betu](int n, int d) { return egyseg(n, d, betu); };

    // The prompt: word-wrapped within M(164, 4), as narrow as its text allows,
    // as high as its lines.
    m_kerdes = new QLabel(kerdes, this);
    m_kerdes->setObjectName(QStringLiteral("lblKerdes"));
    m_kerdes->setWordWrap(true);
    m_kerdes->setTextFormat(Qt::PlainText);
    const int maxSzel = m(164, 4);
    const QFontMetrics fm(m_kerdes->font());
    const QRect szovegTeglalap =
        fm.boundingRect(QRect(0, 0, maxSzel, 1 << 20), Qt::TextWordWrap, kerdes);
    const int cimkeSzel = qBound(1, szovegTeglalap.width(), maxSzel);
    const int cimkeMag =
        qMax(qMax(szovegTeglalap.height(), fm.height()), m_kerdes->heightForWidth(cimkeSzel));
    m_kerdes->setGeometry(m(8, 4), m(8, 8), cimkeSzel, cimkeMag);

    m_szoveg = new QLineEdit(this);
    m_szoveg->setObjectName(QStringLiteral("edtErtek"));
    Parbeszed::KarakterKorlat(m_szoveg, MaxHossz);
    m_szoveg->setEchoMode(QLineEdit::Normal);
    m_szoveg->setText(ertek);
    m_szoveg->selectAll();
    const int mezoFelso = m_kerdes->y() + m_kerdes->height() + 5;
    m_szoveg->setGeometry(m_kerdes->x(), mezoFelso, m(164, 4), m_szoveg->sizeHint().height());

    const int gombFelso = m_szoveg->y() + m_szoveg->height() + 15;
    const int gombSzel = m(50, 4);
    const int gombMag = m(14, 8);

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("btnOK"));
    m_ok->setDefault(true);
    m_ok->setGeometry(m(38, 4), gombFelso, gombSzel, gombMag);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    // QDialog rejects on Escape, so "Mégsem" is the cancel button.
    m_megsem = new QPushButton(QStringLiteral("Mégsem"), this);
    m_megsem->setObjectName(QStringLiteral("btnMegsem"));
    m_megsem->setGeometry(m(92, 4), gombFelso, gombSzel, gombMag);
    connect(m_megsem, &QPushButton::clicked, this, &QDialog::reject);

    setFixedSize(m(180, 4), m_megsem->y() + m_megsem->height() + 13);
    m_szoveg->setFocus();

    // Centred on the screen (not on the owner window).
    const QScreen* kepernyo = szulo ? szulo->screen() : QGuiApplication::primaryScreen();
    if (kepernyo)
        move(kepernyo->geometry().center() - rect().center());
}

QString BevitelAblakDialog::ertek() const {
    return m_szoveg->text();
}
