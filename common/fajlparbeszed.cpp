#include "fajlparbeszed.h"

#include <QFileDialog>
#include <QQueue>
#include <QStringList>
#include <QtDebug>

namespace {

struct Allapot {
    bool aktiv = false;
    QQueue<std::optional<QString>> valaszok;
    QList<FajlParbeszed::Hivas> hivasok;
};

Allapot& allapot() {
    static Allapot a;
    return a;
}

} // namespace

QString FajlParbeszed::QtSzuro(const QString& szurok) {
    const QStringList reszek = szurok.split(QLatin1Char('|'));
    QStringList qt;
    for (int i = 0; i < reszek.size(); i += 2) {
        const QString leiras = reszek.at(i);
        const QString minta = i + 1 < reszek.size() ? reszek.at(i + 1) : QString();
        if (minta.isEmpty() || leiras.contains(minta))
            qt.append(leiras);
        else
            qt.append(leiras + QStringLiteral(" (") +
                      QString(minta).replace(QLatin1Char(';'), QLatin1Char(' ')) +
                      QLatin1Char(')'));
    }
    return qt.join(QStringLiteral(";;"));
}

namespace {
// In test mode: records the call and gives the queued answer.
QString TesztValasz(const FajlParbeszed::Hivas& h) {
    Allapot& a = allapot();
    a.hivasok.append(h);
    if (a.valaszok.isEmpty()) {
        qWarning("FajlParbeszed: no file name queued for the dialog \"%s\"", qPrintable(h.cim));
        return {};
    }
    return a.valaszok.dequeue().value_or(QString());
}
} // namespace

QString FajlParbeszed::Mappa(const QString& cim, const QString& kezdo, QWidget* szulo) {
    if (allapot().aktiv)
        return TesztValasz({cim, QString(), kezdo, QString()});
    return QFileDialog::getExistingDirectory(szulo, cim, kezdo);
}

namespace {
// The desktop's dialog for saving (any name) or opening (an existing file).
QString FajlValaszto(bool mentes, const QString& cim, const QString& szurok, const QString& kezdo,
                     const QString& alapKiterjesztes, QWidget* szulo) {
    if (allapot().aktiv)
        return TesztValasz({cim, szurok, kezdo, alapKiterjesztes});
    QFileDialog d(szulo, cim, kezdo, FajlParbeszed::QtSzuro(szurok));
    d.setAcceptMode(mentes ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    d.setFileMode(mentes ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    d.setDefaultSuffix(alapKiterjesztes);
    // Every save of both programs replaces the chosen file without a question
    // (their files are written whole under a temporary name first).
    d.setOption(QFileDialog::DontConfirmOverwrite, mentes);
    if (mentes && !kezdo.isEmpty())
        d.selectFile(kezdo);
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty())
        return {};
    return d.selectedFiles().constFirst();
}
} // namespace

QString FajlParbeszed::Mentes(const QString& cim, const QString& szurok, const QString& kezdo,
                              const QString& alapKiterjesztes, QWidget* szulo) {
    return FajlValaszto(true, cim, szurok, kezdo, alapKiterjesztes, szulo);
}

QString FajlParbeszed::Megnyitas(const QString& cim, const QString& szurok, const QString& kezdo,
                                 const QString& alapKiterjesztes, QWidget* szulo) {
    return FajlValaszto(false, cim, szurok, kezdo, alapKiterjesztes, szulo);
}

void FajlParbeszed::tesztBekapcsol() {
    allapot().aktiv = true;
}

void FajlParbeszed::tesztKikapcsol() {
    Allapot& a = allapot();
    a.aktiv = false;
    a.valaszok.clear();
    a.hivasok.clear();
}

bool FajlParbeszed::tesztAktiv() {
    return allapot().aktiv;
}

void FajlParbeszed::kovetkezo(std::optional<QString> fajl) {
    allapot().valaszok.enqueue(std::move(fajl));
}

QList<FajlParbeszed::Hivas> FajlParbeszed::hivasok() {
    return allapot().hivasok;
}

int FajlParbeszed::maradekValasz() {
    return int(allapot().valaszok.size());
}
