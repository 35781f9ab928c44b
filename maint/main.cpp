// Pelvano_Upd, the maintenance tool. Without arguments it shows its window;
// for administrators and scripts the operations also run without one:
//   Pelvano_Upd [--server "..."] --karbantartas [folder]
//   Pelvano_Upd [--server "..."] --verziovaltas [folder]
//   Pelvano_Upd [--server "..."] --adatbazis-letrehozas
//   Pelvano_Upd [--server "..."] --szerverre [folder]
// printing the same messages and ending with 1 when one of them was an
// error (the folder and the server default to those of Pelvano.ini; the
// last builds the schema with the delivered records in an empty server
// database).

#include "adatmappa.h"
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

// Builds the schema and the delivered records in the server's empty
// database.
int AdatbazisLetrehozas(const QString& szerver, Terminal& t) {
    if (szerver.isEmpty()) {
        t.hiba(Karbantarto::NincsSzerver);
        return 1;
    }
    try {
        if (!Adatmappa::SzerverenKeszit(szerver, Adatmappa::SzallitottIrsz())) {
            t.hiba(QStringLiteral("Az adatbázisban már vannak a Pelvano táblái; nem változott "
                                  "semmi."));
            return 1;
        }
    } catch (const PelvanoHiba& h) {
        t.hiba(QStringLiteral("Adatbázis létrehozása sikertelen\r\n") + h.uzenet());
        return 1;
    }
    t.uzenet(QStringLiteral("Az adatbázis elkészült."));
    return 0;
}

int Parancssor(QStringList arg) {
    QString szerver = Tfrm_Upd::IniSzerver();
    if (const qsizetype i = arg.indexOf(QStringLiteral("--server")); i > 0) {
        if (i + 1 >= arg.size()) {
            std::fprintf(stderr, "--server needs a connection string\n");
            return 2;
        }
        szerver = arg.at(i + 1).trimmed();
        arg.remove(i, 2);
    }
    const QString muvelet = arg.value(1);
    Terminal t;
    if (muvelet == QLatin1String("--adatbazis-letrehozas") && arg.size() == 2)
        return AdatbazisLetrehozas(szerver, t);
    if (muvelet != QLatin1String("--karbantartas") && muvelet != QLatin1String("--verziovaltas") &&
        muvelet != QLatin1String("--szerverre")) {
        std::fprintf(stderr, "usage: Pelvano_Upd [--server \"...\"] "
                             "[--karbantartas|--verziovaltas|--szerverre [folder]|"
                             "--adatbazis-letrehozas]\n");
        return 2;
    }
    const QString mappa = arg.size() > 2 ? arg.at(2) : Tfrm_Upd::IniMappa();
    Karbantarto k(t);
    k.setSzerver(szerver);
    try {
        bool jo;
        if (muvelet == QLatin1String("--karbantartas"))
            jo = k.karbantartas(mappa);
        else if (muvelet == QLatin1String("--verziovaltas"))
            jo = k.verziovaltas(mappa);
        else
            jo = k.szerverre(mappa);
        return jo ? 0 : 1;
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
