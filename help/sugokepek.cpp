// The pictures of the help page: starts the program on a small sample
// register in a temporary program folder, opens the windows of the daily
// tasks the way a user does, and saves each as a PNG file:
//   pelvano_sugokepek <picture folder>
// Run by the build (offscreen); needs no display.

#include "adatmappa.h"
#include "fajlparbeszed.h"
#include "foablak/tfrm_main.h"
#include "kapcsolat.h"
#include "kiadas/tfrm_csopkiad.h"
#include "kiadas/tfrm_levkiad.h"
#include "lekerdezes/tfrm_hatarolt.h"
#include "lekerdezes/tfrm_keres.h"
#include "seged.h"
#include "terv/tfrm_sorszerkeszt.h"
#include "terv/tfrm_szerkeszt.h"
#include "tfrm_nyomvalaszt.h"
#include "uzenetteszt.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <functional>

namespace {

QString g_mappa;
int g_hiba = 0;

void Ment(QWidget* w, const char* nev) {
    const QString fajl = QDir(g_mappa).filePath(QString::fromLatin1(nev) + QStringLiteral(".png"));
    if (!w || !w->grab().save(fajl)) {
        std::fprintf(stderr, "pelvano_sugokepek: %s not saved\n", nev);
        ++g_hiba;
    }
}

// Triggers the action of the main window; the modal window it opens is
// given to `fv` and closed afterwards, unless `fv` closed it.
void Modalis(Tfrm_Main& fo, const char* akcio, const std::function<void(QWidget*)>& fv) {
    QTimer::singleShot(0, [fv] {
        QWidget* d = QApplication::activeModalWidget();
        if (!d) {
            std::fprintf(stderr, "pelvano_sugokepek: no window opened\n");
            ++g_hiba;
            return;
        }
        fv(d);
        if (auto* dialog = qobject_cast<QDialog*>(d); dialog && dialog->isVisible())
            dialog->reject();
    });
    QAction* a = fo.findChild<QAction*>(QString::fromLatin1(akcio));
    if (!a) {
        std::fprintf(stderr, "pelvano_sugokepek: no action %s\n", akcio);
        ++g_hiba;
        return;
    }
    a->trigger();
}

// A small register: master lists, six plans with lines, two sets out.
void MintaAdatok(Kapcsolat& k) {
    const QStringList sorok{
        "INSERT INTO ugyfel (Ugyfel_nev, Telefon, Cim_irsz, Cim_varos, Cim_cim) VALUES "
        "('Szent István Gimnázium', '06 1 234 5678', '1146', 'Budapest', 'Ajtósi Dürer sor 15.'),"
        "('Kovács és Társa Kft.', '06 30 123 4567', '9021', 'Győr', 'Baross út 3.'),"
        "('Dombóvári Önkormányzat', '06 74 565 500', '7200', 'Dombóvár', 'Szabadság u. 18.')",
        "INSERT INTO tipus (Tipus_nev) VALUES ('Oktatási épület'), ('Lakóház'), ('Középület')",
        "INSERT INTO tervezo (tervezo_nev) VALUES ('Nagy Péter'), ('Szabó Anna'), ('Tóth Gábor')",
        "INSERT INTO szakag (szakag_nev) VALUES ('Építészet'), ('Statika'), ('Gépészet'), "
        "('Villamosság')",
        "INSERT INTO tervfajta (tervfajta_nev) VALUES ('Engedélyezési terv'), ('Kiviteli terv')",
        "INSERT INTO tervszakasz (tervszakasz_nev) VALUES ('Vázlatterv'), ('Végleges')",
        "INSERT INTO terv (Tervszam, Cim, Ugyfel, Helyszin, Tipus, Levelezes, datum, tervezo, "
        "szakag, tervfajta, tervszakasz, tervjel, szur) VALUES "
        "('2026/001', 'Tornaterem bővítése', 1, 'Budapest', 1, 'N', '2026-01-12', 1, 1, 1, 2, "
        "'É-01', 'N'),"
        "('2026/002', 'Tornaterem tartószerkezete', 1, 'Budapest', 1, 'N', '2026-01-20', 2, 2, "
        "2, 2, 'S-01', 'N'),"
        "('2026/003', 'Családi ház', 2, 'Győr', 2, 'N', '2026-02-03', 3, 1, 1, 1, 'É-02', 'N'),"
        "('2026/004', 'Családi ház fűtése', 2, 'Győr', 2, 'N', '2026-02-10', 3, 3, 2, 2, "
        "'G-01', 'N'),"
        "('2026/005', 'Városháza felújítása', 3, 'Dombóvár', 3, 'N', '2026-03-02', 1, 1, 2, 1, "
        "'É-03', 'N'),"
        "('2026/006', 'Városháza világítása', 3, 'Dombóvár', 3, 'N', '2026-03-09', 2, 4, 2, 1, "
        "'V-01', 'N')",
        "INSERT INTO terv_sor (terv, sor, reszmuvelet, rajzszam, pausz, irata4, irata5, "
        "megjegyzes, tbent, lbent, kiadni) VALUES "
        "(1, 1, 'Alaprajzok', 'É-01/1', '2', '4', '1', '', 'I', 'I', 'N'),"
        "(1, 2, 'Metszetek', 'É-01/2', '1', '2', '', '', 'I', 'I', 'N'),"
        "(1, 3, 'Homlokzatok', 'É-01/3', '1', '2', '', '', 'I', 'I', 'N'),"
        "(1, 4, 'Műszaki leírás', 'É-01/4', '', '6', '', '', 'I', 'I', 'N'),"
        "(2, 1, 'Alapozási terv', 'S-01/1', '1', '3', '', '', 'I', 'I', 'N'),"
        "(3, 1, 'Helyszínrajz', 'É-02/1', '1', '2', '', '', 'I', 'I', 'N'),"
        "(5, 1, 'Felmérési rajzok', 'É-03/1', '3', '5', '2', '', 'I', 'I', 'N')",
    };
    for (const QString& s : sorok)
        k.sql(s);
    // Two drawing sets are out, as the issue dialog would have left them.
    k.sql("INSERT INTO tervkiad (terv, sor, dat_kiad, kint, kinek, ezterv, engedelyezo) VALUES "
          "(1, 2, '2026-02-16', 'I', 'Kiss Béla', 'T', 'Nagy Péter'),"
          "(5, 1, '2026-03-05', 'I', 'Dombóvári Önkormányzat', 'T', 'Nagy Péter')");
    k.sql("UPDATE terv_sor SET tbent='N', tkiadva='Kiss Béla', dat_tkiad='2026-02-16', "
          "tervkiad=1 WHERE terv=1 AND sor=2");
    k.sql("UPDATE terv_sor SET tbent='N', tkiadva='Dombóvári Önkormányzat', "
          "dat_tkiad='2026-03-05', tervkiad=2 WHERE terv=5 AND sor=1");
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: pelvano_sugokepek <picture folder>\n");
        return 2;
    }
    g_mappa = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(g_mappa)) {
        std::fprintf(stderr, "pelvano_sugokepek: %s cannot be made\n", argv[1]);
        return 1;
    }
    QFont betu(QStringLiteral("Tahoma"), 8);
    QApplication::setFont(betu);

    QTemporaryDir program;
    Seged::ProgramMappaBeallit(program.path());
    const QString adat = QDir(program.path()).filePath(QStringLiteral("Data"));
    Adatmappa::Keszit(adat, QString());
    {
        Kapcsolat k(QStringLiteral("minta"));
        k.nyit(adat);
        MintaAdatok(k);
    }
    QFile ini(QDir(program.path()).filePath(QStringLiteral("Pelvano.ini")));
    if (!ini.open(QIODevice::WriteOnly))
        return 1;
    ini.write(QStringLiteral("[Database]\nPath=%1\n[Screen]\nFullScreen=0\nWidth=900\nHeight=560\n")
                  .arg(adat)
                  .toUtf8());
    ini.close();

    // Questions are answered "yes" and nothing asks for a file.
    UzenetTeszt::bekapcsol();
    FajlParbeszed::tesztBekapcsol();

    Tfrm_Main fo;
    if (!fo.Inditas())
        return 1;
    fo.show();
    fo.activateWindow();
    QApplication::processEvents();

    // Finding a plan: the quick search box and the detailed search.
    fo.Edit1->setText(QStringLiteral("2026/00"));
    fo.TervKeres(1);
    fo.DBGrid2->setCurrentIndex(fo.DBGrid2->model()->index(1, 1));
    QApplication::processEvents();
    Ment(&fo, "foablak");
    Modalis(fo, "aKeresReszletes", [](QWidget* d) {
        if (auto* k = qobject_cast<Tfrm_Keres*>(d)) {
            k->edtKeres->setText(QStringLiteral("tornaterem"));
            k->btnKeres->click();
        }
        Ment(d, "keres");
    });

    // A plan and its lines.
    Modalis(fo, "aSzerkeszt", [](QWidget* d) { Ment(d, "szerkeszt"); });
    Modalis(fo, "aSzerkeszt2", [](QWidget* d) { Ment(d, "sorszerkeszt"); });

    // Issuing a drawing set: the question is answered, the dialog shown.
    fo.DBGrid2->setCurrentIndex(fo.DBGrid2->model()->index(0, 1));
    UzenetTeszt::valasz(true);
    Modalis(fo, "aTervKiad", [](QWidget* d) {
        if (auto* l = qobject_cast<Tfrm_LevKiad*>(d)) {
            l->lap(KiadasFajta::Tervrajz).kinek->setEditText(QStringLiteral("Kovács János"));
            l->lap(KiadasFajta::Tervrajz).engedelyezo->setEditText(QStringLiteral("Nagy Péter"));
        }
        Ment(d, "kiadas");
    });

    // The group issue of the lines marked with F7 (the first line is marked
    // already: the issue dialog opened on it was closed without issuing).
    for (int sor : {2, 3}) {
        fo.DBGrid2->setCurrentIndex(fo.DBGrid2->model()->index(sor, 1));
        fo.findChild<QAction*>(QStringLiteral("aKiadJelol"))->trigger();
    }
    QApplication::processEvents();
    Ment(&fo, "jeloles");
    Modalis(fo, "aTervKiadOsszes", [](QWidget* d) { Ment(d, "csoportos"); });

    // Printing and export: the output choice, then the export dialog.
    Modalis(fo, "aNyomtat", [](QWidget* d) {
        Ment(d, "nyomtatas");
        auto* v = qobject_cast<Tfrm_NyomValaszt*>(d);
        if (!v)
            return;
        QTimer::singleShot(0, [] {
            QWidget* h = QApplication::activeModalWidget();
            Ment(h, "export");
            if (auto* dialog = qobject_cast<QDialog*>(h))
                dialog->reject();
        });
        v->rbCsv->setChecked(true);
        v->btnOK->click();
    });

    // The issue browser.
    Modalis(fo, "aKiadBongTerv", [](QWidget* d) { Ment(d, "bongeszo"); });

    UzenetTeszt::kikapcsol();
    FajlParbeszed::tesztKikapcsol();
    fo.hide();
    return g_hiba == 0 ? 0 : 1;
}
