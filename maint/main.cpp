// Pelvano_Upd, the maintenance tool. Without arguments it shows its window;
// for administrators and scripts the operations also run without one:
//   Pelvano_Upd --karbantartas [folder]
//   Pelvano_Upd --verziovaltas [folder]
// printing the same messages and ending with 1 when one of them was an
// error (the folder defaults to the one of Pelvano.ini).

#include "alkalmazas.h"
#include "hiba.h"
#include "ikonok.h"
#include "kapcsolat.h"
#include "seged.h"
#include "tfrm_upd.h"

#include <QCoreApplication>
#include <QFont>
#include <cstdio>

namespace {

// The messages of an operation on the terminal.
class Terminal : public Kijelzo {
public:
    void maximum(int) override {}
    void lepes() override {}
    void alaphelyzet() override {}
    void allapot(const QString& szoveg) override {
        if (!szoveg.isEmpty())
            kiir(stdout, szoveg);
    }
    void hiba(const QString& uzenet) override { kiir(stderr, QStringLiteral("Hiba: ") + uzenet); }
    void uzenet(const QString& uzenet) override { kiir(stdout, uzenet); }

private:
    static void kiir(FILE* f, QString s) {
        s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        std::fprintf(f, "%s\n", s.toLocal8Bit().constData());
        std::fflush(f);
    }
};

int Parancssor(const QStringList& arg) {
    const QString muvelet = arg.at(1);
    if (muvelet != QLatin1String("--karbantartas") && muvelet != QLatin1String("--verziovaltas")) {
        std::fprintf(stderr, "usage: Pelvano_Upd [--karbantartas|--verziovaltas [folder]]\n");
        return 2;
    }
    const QString mappa = arg.size() > 2 ? arg.at(2) : Tfrm_Upd::IniMappa();
    Terminal t;
    Karbantarto k(t);
    try {
        return (muvelet == QLatin1String("--karbantartas") ? k.karbantartas(mappa)
                                                           : k.verziovaltas(mappa))
                   ? 0
                   : 1;
    } catch (const PelvanoHiba& h) {
        t.hiba(h.uzenet());
        return 1;
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1) {
        // No window, and no display needed.
        QCoreApplication app(argc, argv);
        return Parancssor(app.arguments());
    }
    SegedAlkalmazas app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pelvano_Upd"));
    Seged::ProgramCimBeallit(QStringLiteral("Pelvano - adatbázis karbantartás"));
    QApplication::setFont(QFont(QStringLiteral("Tahoma"), 8));
    QApplication::setWindowIcon(Ikon::Kep(Ikon::Program));
    // Waiting for another workstation shows the wait cursor at once.
    Kapcsolat::setVarakozasJelzo(&Seged::HomokOraMuveletVegeig);
    Tfrm_Upd ablak;
    ablak.Inditas();
    ablak.exec();
    return 0;
}
