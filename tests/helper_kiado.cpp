// A clerk's workstation issuing and returning the paper of the same lines as
// another one at the same time:
//   helper_kiado <data folder> <plan key> <lines> <rounds> <seed> [<server>]
// Each round picks a line and a kind and issues it when it is in, returns it
// when it is out; a refusal (the other workstation was quicker) is counted,
// as a clerk would see the message and go on. Prints
// "issued returned refused".

#include "kapcsolat.h"
#include "kiadas/kiadas.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() != 6 && a.size() != 7)
        return 2;
    int kiadva = 0, vissza = 0, elutasitva = 0;
    try {
        Kapcsolat k(QStringLiteral("kiado"));
        k.nyit(Adatforras{a.at(1), a.value(6)});
        const int terv = a.at(2).toInt();
        const int sorok = a.at(3).toInt();
        const int korok = a.at(4).toInt();
        QRandomGenerator vel(a.at(5).toUInt());
        for (int i = 0; i < korok; ++i) {
            const int sor = 1 + int(vel.bounded(sorok));
            const KiadasFajta f = vel.bounded(2) ? KiadasFajta::Tervrajz : KiadasFajta::Levelezes;
            try {
                ++(Kiadas::KiadVagyVisszavesz(k, terv, sor, f,
                                              {QStringLiteral("%1-%2").arg(a.at(5)).arg(i),
                                               QStringLiteral("Főnök"), QString()})
                       ? kiadva
                       : vissza);
            } catch (const KiadasElutasitva&) {
                ++elutasitva;
            }
        }
    } catch (const PelvanoHiba& h) {
        std::fprintf(stderr, "%s\n", h.what());
        return 1;
    }
    std::printf("%d %d %d\n", kiadva, vissza, elutasitva);
    return 0;
}
