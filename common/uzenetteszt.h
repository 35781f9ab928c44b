#pragma once

// The test hooks of the message boxes and of the input dialog. While switched
// on, HibaAblak, UzenetAblak, KerdesAblak, AltalanosHiba and BevitelAblak show
// nothing: they record what they would have shown and take their answers from
// queues that the test fills beforehand. A question or an input dialog that
// finds no queued answer is recorded as unanswered, warns through qWarning and
// answers "no" / cancel, so that a test that forgot an answer notices it
// (QTest::failOnWarning turns the warning into a failure).

#include <QList>
#include <QString>
#include <optional>

class UzenetTeszt {
public:
    enum class Fajta { Hiba, Uzenet, Kerdes, Altalanos, Bevitel };

    struct Ablak {
        Fajta fajta;
        QString cim;    // caption of the box or of the input dialog
        QString szoveg; // message, question or prompt
        bool operator==(const Ablak&) const = default;
    };

    // Record instead of showing; kikapcsol() also forgets everything recorded.
    static void bekapcsol();
    static void kikapcsol();
    static bool aktiv();

    // The answer of the next KerdesAblak (true: yes).
    static void valasz(bool igen);
    // The answer of the next BevitelAblak: the text confirmed by OK, or
    // std::nullopt for cancel.
    static void bevitel(std::optional<QString> szoveg);

    // The boxes and input dialogs shown since the last torol(), in order.
    static QList<Ablak> ablakok();
    // Questions and input dialogs that found no queued answer.
    static int megvalaszolatlan();
    // Answers queued but not yet used.
    static int maradekValasz();
    // Forgets the recorded boxes, the queued answers and the unanswered count.
    static void torol();

    // Used by the routines of Seged while switched on.
    static void rogzit(Fajta fajta, const QString& cim, const QString& szoveg);
    static bool kerdes(const QString& kerdes, const QString& cim);
    static bool bevitelAblak(const QString& cim, const QString& kerdes, QString& ertek);
};
