#include "seged.h"

#include "bevitelablak.h"
#include "hiba.h"
#include "uzenetteszt.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFontMetrics>
#include <QMessageBox>
#include <QMetaType>
#include <QPushButton>
#include <QTimer>
#include <cmath>
#include <limits>
#include <optional>

namespace {

QString& programCim() {
    static QString cim = QStringLiteral("Pelvano");
    return cim;
}

std::optional<QString>& programMappa() {
    static std::optional<QString> mappa;
    return mappa;
}

// A box without an owner is still owned by the active window, so that it
// blocks it and stays above it.
QWidget* tulajdonos(QWidget* szulo) {
    return szulo ? szulo : QApplication::activeWindow();
}

void uzenetDoboz(QMessageBox::Icon ikon, const QString& cim, const QString& szoveg,
                 QWidget* szulo) {
    QMessageBox doboz(ikon, cim, szoveg, QMessageBox::Ok, tulajdonos(szulo));
    doboz.setDefaultButton(QMessageBox::Ok);
    doboz.exec();
}

[[noreturn]] void nemEgesz(const QVariant& ertek) {
    throw PelvanoHiba(QStringLiteral("'%1' nem alakítható egész számmá").arg(ertek.toString()));
}

qint32 egeszKerekitve(double d, const QVariant& eredeti) {
    if (!std::isfinite(d))
        nemEgesz(eredeti);
    const double kerek = std::round(d); // halves away from zero
    if (kerek < double(std::numeric_limits<qint32>::min()) ||
        kerek > double(std::numeric_limits<qint32>::max()))
        nemEgesz(eredeti);
    return qint32(kerek);
}

} // namespace

namespace Seged {

HomokOra::HomokOra() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

HomokOra::~HomokOra() {
    QApplication::restoreOverrideCursor();
}

namespace {
// The UTF-16 units of the first `n` characters, and how many characters
// there were (fewer than `n` when the text is shorter).
std::pair<qsizetype, qsizetype> karakterekHossza(QStringView szoveg, qsizetype n) {
    qsizetype i = 0, db = 0;
    for (; i < szoveg.size() && db < n; ++i, ++db)
        if (szoveg.at(i).isHighSurrogate() && i + 1 < szoveg.size() &&
            szoveg.at(i + 1).isLowSurrogate())
            ++i;
    return {i, db};
}
} // namespace

qsizetype KarakterSzam(QStringView szoveg) {
    return karakterekHossza(szoveg, szoveg.size()).second;
}

QString KarakterEleje(const QString& szoveg, qsizetype n) {
    return szoveg.left(karakterekHossza(szoveg, n).first);
}

void HomokOraMuveletVegeig() {
    static bool mutatja = false;
    if (mutatja || !qobject_cast<QApplication*>(QCoreApplication::instance()))
        return;
    mutatja = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QTimer::singleShot(0, QCoreApplication::instance(), [] {
        QApplication::restoreOverrideCursor();
        mutatja = false;
    });
}

void HibaAblak(const QString& uzenet, QWidget* szulo) {
    if (UzenetTeszt::aktiv()) {
        UzenetTeszt::rogzit(UzenetTeszt::Fajta::Hiba, QStringLiteral("Hiba"), uzenet);
        return;
    }
    uzenetDoboz(QMessageBox::Critical, QStringLiteral("Hiba"), uzenet, szulo);
}

void UzenetAblak(const QString& uzenet, QWidget* szulo) {
    if (UzenetTeszt::aktiv()) {
        UzenetTeszt::rogzit(UzenetTeszt::Fajta::Uzenet, QStringLiteral("Üzenet"), uzenet);
        return;
    }
    uzenetDoboz(QMessageBox::Information, QStringLiteral("Üzenet"), uzenet, szulo);
}

bool KerdesAblak(const QString& kerdes, const QString& cim, QWidget* szulo) {
    if (UzenetTeszt::aktiv())
        return UzenetTeszt::kerdes(kerdes, cim);
    QMessageBox doboz(QMessageBox::Question, cim, kerdes, QMessageBox::Yes | QMessageBox::No,
                      tulajdonos(szulo));
    doboz.setDefaultButton(QMessageBox::Yes);
    doboz.button(QMessageBox::Yes)->setText(QStringLiteral("Igen"));
    doboz.button(QMessageBox::No)->setText(QStringLiteral("Nem"));
    return doboz.exec() == QMessageBox::Yes;
}

QString AltalanosHibaSzoveg(const QString& uzenet) {
    // The characters are compared by their codes: letters and digits sort
    // after the full stop, the line break, ')' and '!' before it.
    if (!uzenet.isEmpty() && uzenet.back().unicode() > u'.')
        return uzenet + u'.';
    return uzenet;
}

void AltalanosHiba(const QString& uzenet, QWidget* szulo) {
    const QString szoveg = AltalanosHibaSzoveg(uzenet);
    if (UzenetTeszt::aktiv()) {
        UzenetTeszt::rogzit(UzenetTeszt::Fajta::Altalanos, ProgramCim(), szoveg);
        return;
    }
    uzenetDoboz(QMessageBox::Critical, ProgramCim(), szoveg, szulo);
}

void ProgramCimBeallit(const QString& cim) {
    programCim() = cim;
}

QString ProgramCim() {
    return programCim();
}

QString ProgramMappaSzamit(const QString& programFajl, bool kisbetusFajlrendszer) {
    // Where the file system ignores letter case (Windows) the backslash is a
    // separator too; elsewhere it is an ordinary character of a file name.
    QString ut = programFajl;
    if (kisbetusFajlrendszer)
        ut.replace(u'\\', u'/');
    // The folder part, up to and including the last separator.
    QString mappa = ut.left(ut.lastIndexOf(u'/') + 1);
    if (kisbetusFajlrendszer)
        mappa = mappa.toLower();
    if (mappa.endsWith(u'/'))
        mappa.chop(1);
    return mappa;
}

QString ProgramMappa() {
    std::optional<QString>& mappa = programMappa();
    if (!mappa) {
#ifdef Q_OS_WIN
        constexpr bool kisbetus = true;
#else
        constexpr bool kisbetus = false;
#endif
        mappa = ProgramMappaSzamit(
            QDir::fromNativeSeparators(QCoreApplication::applicationFilePath()), kisbetus);
    }
    return *mappa;
}

void ProgramMappaBeallit(const QString& mappa) {
    programMappa() = mappa;
}

QString ProgramUtvonal(const QString& nev) {
    return ProgramMappa() + u'/' + nev;
}

QString VarSzoveg(const QVariant& ertek) {
    if (!ertek.isValid() || ertek.isNull())
        return QString();
    return ertek.toString();
}

qint32 VarEgesz(const QVariant& ertek) {
    if (!ertek.isValid() || ertek.isNull())
        return 0;
    switch (ertek.metaType().id()) {
    case QMetaType::Bool:
        return ertek.toBool() ? 1 : 0;
    case QMetaType::Int:
        return ertek.toInt();
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Char:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong: {
        const qlonglong v = ertek.toLongLong();
        if (v < std::numeric_limits<qint32>::min() || v > std::numeric_limits<qint32>::max())
            nemEgesz(ertek);
        return qint32(v);
    }
    case QMetaType::ULong:
    case QMetaType::ULongLong: {
        const qulonglong v = ertek.toULongLong();
        if (v > qulonglong(std::numeric_limits<qint32>::max()))
            nemEgesz(ertek);
        return qint32(v);
    }
    case QMetaType::Float:
    case QMetaType::Double:
        return egeszKerekitve(ertek.toDouble(), ertek);
    default:
        break;
    }
    // A text (or anything with a text form) holding a number.
    if (!ertek.canConvert<QString>())
        nemEgesz(ertek);
    const QString szoveg = ertek.toString().trimmed();
    // An empty text is an empty column, as null is.
    if (szoveg.isEmpty())
        return 0;
    bool ok = false;
    const qlonglong egesz = szoveg.toLongLong(&ok, 10);
    if (ok) {
        if (egesz < std::numeric_limits<qint32>::min() ||
            egesz > std::numeric_limits<qint32>::max())
            nemEgesz(ertek);
        return qint32(egesz);
    }
    const double tort = szoveg.toDouble(&ok); // always with '.' as decimal point
    if (!ok)
        nemEgesz(ertek);
    return egeszKerekitve(tort, ertek);
}

QSize AtlagBetumeret(const QFont& betu) {
    const QFontMetrics fm(betu);
    const int szel = fm.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return QSize(szel / 52, fm.height());
}

bool BevitelAblak(const QString& cim, const QString& kerdes, QString& ertek) {
    if (UzenetTeszt::aktiv())
        return UzenetTeszt::bevitelAblak(cim, kerdes, ertek);
    BevitelAblakDialog ablak(cim, kerdes, ertek, QApplication::activeWindow());
    if (ablak.exec() != QDialog::Accepted)
        return false;
    ertek = ablak.ertek();
    return true;
}

} // namespace Seged
