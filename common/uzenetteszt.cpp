#include "uzenetteszt.h"

#include <QQueue>
#include <QtDebug>

namespace {

struct Allapot {
    bool aktiv = false;
    QList<UzenetTeszt::Ablak> ablakok;
    QQueue<bool> valaszok;
    QQueue<std::optional<QString>> bevitelek;
    int megvalaszolatlan = 0;
};

Allapot& allapot() {
    static Allapot a;
    return a;
}

} // namespace

void UzenetTeszt::bekapcsol() {
    allapot().aktiv = true;
}

void UzenetTeszt::kikapcsol() {
    torol();
    allapot().aktiv = false;
}

bool UzenetTeszt::aktiv() {
    return allapot().aktiv;
}

void UzenetTeszt::valasz(bool igen) {
    allapot().valaszok.enqueue(igen);
}

void UzenetTeszt::bevitel(std::optional<QString> szoveg) {
    allapot().bevitelek.enqueue(std::move(szoveg));
}

QList<UzenetTeszt::Ablak> UzenetTeszt::ablakok() {
    return allapot().ablakok;
}

int UzenetTeszt::megvalaszolatlan() {
    return allapot().megvalaszolatlan;
}

int UzenetTeszt::maradekValasz() {
    return int(allapot().valaszok.size() + allapot().bevitelek.size());
}

void UzenetTeszt::torol() {
    Allapot& a = allapot();
    a.ablakok.clear();
    a.valaszok.clear();
    a.bevitelek.clear();
    a.megvalaszolatlan = 0;
}

void UzenetTeszt::rogzit(Fajta fajta, const QString& cim, const QString& szoveg) {
    allapot().ablakok.append({fajta, cim, szoveg});
}

bool UzenetTeszt::kerdes(const QString& kerdes, const QString& cim) {
    Allapot& a = allapot();
    rogzit(Fajta::Kerdes, cim, kerdes);
    if (a.valaszok.isEmpty()) {
        ++a.megvalaszolatlan;
        qWarning("UzenetTeszt: KerdesAblak without a queued answer: %s", qUtf8Printable(kerdes));
        return false;
    }
    return a.valaszok.dequeue();
}

bool UzenetTeszt::bevitelAblak(const QString& cim, const QString& kerdes, QString& ertek) {
    Allapot& a = allapot();
    rogzit(Fajta::Bevitel, cim, kerdes);
    if (a.bevitelek.isEmpty()) {
        ++a.megvalaszolatlan;
        qWarning("UzenetTeszt: BevitelAblak without a queued answer: %s", qUtf8Printable(kerdes));
        return false;
    }
    const std::optional<QString> v = a.bevitelek.dequeue();
    if (!v)
        return false;
    // The real dialog's text box holds at most 255 characters.
    ertek = v->left(255);
    return true;
}
