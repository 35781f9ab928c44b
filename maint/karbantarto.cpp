#include "karbantarto.h"

#include "adatmappa.h"
#include "atvetel.h"
#include "masolas.h"
#include "sema.h"
#include "sqlitemotor.h"

#include <QDir>
#include <QTemporaryDir>

namespace {

const QString NemLetezo = QStringLiteral("Nem létező adatbázis mappa.");

} // namespace

const QString Karbantarto::NincsSzerver =
    QStringLiteral("Nincs megadva adatbázis-szerver: a Pelvano.ini [Database] Server kulcsa "
                   "vagy a --server kapcsoló nevezze meg.");

namespace {

// Puts the progress bar and the status line back when an operation ends,
// however it ends.
class Visszaallit {
public:
    explicit Visszaallit(Kijelzo& k) : m_k(k) {}
    ~Visszaallit() {
        m_k.allapot(QString());
        m_k.alaphelyzet();
    }

private:
    Kijelzo& m_k;
};

bool Van(const QStringList& nevek, const QString& nev) {
    return nevek.contains(nev, Qt::CaseInsensitive);
}

} // namespace

Karbantarto::Karbantarto(Kijelzo& k) : m_k(k), m_db(QStringLiteral("Pelvano_Upd")) {}

Karbantarto::~Karbantarto() = default;

const QList<Karbantarto::Tabla>& Karbantarto::Tablak() {
    static const QList<Tabla> t{
        {QStringLiteral("felhasznalo.DB"), {QStringLiteral("felhasznalo")}, {}, {}},
        {QStringLiteral("irsz.DB"), {QStringLiteral("id")}, {}, {}},
        {QStringLiteral("szakag.DB"),
         {QStringLiteral("szakag")},
         QStringLiteral("idx_szakag_nev"),
         QStringLiteral("szakag_nev")},
        {QStringLiteral("terv.DB"), {QStringLiteral("terv")}, {}, {}},
        {QStringLiteral("terv_sor.DB"), {QStringLiteral("terv"), QStringLiteral("sor")}, {}, {}},
        {QStringLiteral("tervezo.DB"),
         {QStringLiteral("tervezo")},
         QStringLiteral("idx_tervezo_nev"),
         QStringLiteral("tervezo_nev")},
        {QStringLiteral("tervfajta.DB"),
         {QStringLiteral("tervfajta")},
         QStringLiteral("idx_tervfajta_nev"),
         QStringLiteral("tervfajta_nev")},
        {QStringLiteral("tervszakasz.DB"),
         {QStringLiteral("tervszakasz")},
         QStringLiteral("idx_tervszakasz_nev"),
         QStringLiteral("tervszakasz_nev")},
        {QStringLiteral("tipus.DB"),
         {QStringLiteral("tipus")},
         QStringLiteral("idx_tipus_nev"),
         QStringLiteral("tipus_nev")},
        {QStringLiteral("tulajdonos.DB"), {QStringLiteral("tulajdonos")}, {}, {}},
        {QStringLiteral("ugyfel.DB"),
         {QStringLiteral("ugyfel")},
         QStringLiteral("idx_ugyfel_nev"),
         QStringLiteral("ugyfel_nev")},
    };
    return t;
}

QString Karbantarto::MappaSzoveg(const QString& doboz) {
    QString m = doboz;
    if (m.size() > 1 && (m.endsWith(QLatin1Char('/')) || m.endsWith(QLatin1Char('\\'))))
        m.chop(1);
    return m;
}

void Karbantarto::hiba(const QString& uzenet) {
    m_hiba = true;
    m_k.hiba(uzenet);
}

bool Karbantarto::mappaValaszt(const QString& doboz) {
    m_hiba = false;
    if (doboz.isEmpty() || !QDir(doboz).exists()) {
        hiba(NemLetezo);
        return false;
    }
    m_mappa = MappaSzoveg(doboz);
    m_db.zar();
    m_zar.felold();
    return true;
}

bool Karbantarto::karbantartas(const QString& mappaSzoveg) {
    if (!mappaValaszt(mappaSzoveg))
        return false;
    m_db.nyit(forras());
    Visszaallit visszaallit(m_k);
    // What the "in use" box names: the database file, or the server's
    // database.
    const QString adatFajl = forras().szerveren()
                                 ? forras().szerver
                                 : QDir::toNativeSeparators(m_mappa) + QDir::separator() +
                                       QFileInfo(SqliteMotor::AdatFajl(m_mappa)).fileName();
    // The folder is worked on alone: while a copy of Pelvano holds it, no
    // table is touched.
    bool egyedul = false;
    m_k.maximum(12);
    for (const Tabla& t : Tablak()) {
        m_k.lepes();
        m_k.allapot(QStringLiteral("Index készítés: ") + t.fajl);
        if (!egyedul) {
            egyedul = m_zar.zar(forras(), AdatZar::Mod::Kizarolagos) != AdatZar::Eredmeny::Foglalt;
            if (!egyedul) {
                hiba(QStringLiteral("A következő file nem törölhető, valószínüleg használatban "
                                    "van:\r\n") +
                     adatFajl);
                continue;
            }
        }
        try {
            m_db.tablaUjraepit(t.fajl.chopped(3), t.kulcs, t.index, t.indexOszlop);
        } catch (const AdatbazisHiba& h) {
            hiba(QStringLiteral("Ismeretlen hiba: ") + t.fajl + QStringLiteral("\r\n") +
                 h.uzenet());
        }
    }
    if (egyedul) {
        // The engine checks the whole file; a sound one is compacted.
        try {
            const QString serules = m_db.epsegHiba();
            if (!serules.isEmpty())
                hiba(QStringLiteral("Az adatbázis sérült:\r\n") + serules);
            else
                m_db.tomorit();
        } catch (const AdatbazisHiba& h) {
            hiba(QStringLiteral("Az adatbázis sérült:\r\n") + h.uzenet());
        }
    }
    m_k.uzenet(QStringLiteral("Indexek újraépítése kész."));
    m_db.zar();
    m_zar.felold();
    return !m_hiba;
}

bool Karbantarto::verziovaltas(const QString& mappaSzoveg) {
    if (!mappaValaszt(mappaSzoveg))
        return false;
    // A folder of the old file engine: its tables are taken over into a
    // database first (on a server the office moves its folder over instead).
    if (!forras().szerveren() && Atvetel::Szukseges(m_mappa)) {
        try {
            m_k.uzenet(Atvetel::Osszegzes(Atvetel::Vegrehajt(m_mappa, m_k)));
        } catch (const PelvanoHiba& h) {
            hiba(h.uzenet());
            return false;
        }
    }
    m_db.nyit(forras());
    m_k.maximum(13);
    m_k.allapot(QStringLiteral("Táblák létrehozása"));
    QStringList tablak = m_db.tablak();
    for (QString& t : tablak)
        t = t.toUpper();

    // Every statement's error is passed over: a step that could not run is
    // run again by the next version change.
    auto futtat = [this](const QStringList& sorok) {
        try {
            m_db.sql(sorok);
        } catch (const AdatbazisHiba&) {
        }
    };
    auto torzs = [&](const QString& nev) {
        m_k.lepes();
        if (!Van(tablak, nev))
            futtat({QStringLiteral("CREATE TABLE %1(").arg(nev),
                    QStringLiteral(" %1 AUTOINC,").arg(nev),
                    QStringLiteral(" %1_nev CHAR(50),").arg(nev),
                    QStringLiteral("PRIMARY KEY (%1));").arg(nev)});
    };
    torzs(QStringLiteral("tervezo"));
    torzs(QStringLiteral("szakag"));
    torzs(QStringLiteral("tervfajta"));
    torzs(QStringLiteral("tervszakasz"));
    m_k.lepes();
    if (!Van(tablak, QStringLiteral("TERV_SOR")))
        futtat({QStringLiteral("CREATE TABLE terv_sor("), QStringLiteral(" terv INT,"),
                QStringLiteral(" sor INT,"), QStringLiteral(" reszmuvelet CHAR(100),"),
                QStringLiteral(" rajzszam CHAR(50),"), QStringLiteral(" pausz CHAR(50),"),
                QStringLiteral(" irata4 CHAR(50),"), QStringLiteral(" irata5 CHAR(50),"),
                QStringLiteral(" megjegyzes CHAR(255),"), QStringLiteral(" dat_tkiad DATE,"),
                QStringLiteral(" dat_lkiad DATE,"), QStringLiteral(" tkiadva CHAR(20),"),
                QStringLiteral(" lkiadva CHAR(20),"), QStringLiteral(" tbent CHAR(1),"),
                QStringLiteral(" lbent CHAR(1),"), QStringLiteral("PRIMARY KEY (terv,sor));")});

    const QStringList sorOszlopok = m_db.oszlopok(QStringLiteral("terv_sor.DB"));
    m_k.lepes();
    if (!Van(sorOszlopok, QStringLiteral("KIADNI"))) {
        futtat({QStringLiteral("ALTER TABLE terv_sor ADD kiadni CHAR(1);")});
        futtat({QStringLiteral("UPDATE terv_sor SET kiadni='N';")});
    }
    // Every issue and return of a line reads and writes its log key: a
    // terv_sor of an older folder (or one made above) gets it too.
    if (!Van(sorOszlopok, QStringLiteral("TERVKIAD")))
        futtat({QStringLiteral("ALTER TABLE terv_sor ADD tervkiad INT;")});

    const QStringList tervOszlopok = m_db.oszlopok(QStringLiteral("terv.DB"));
    const QList<QPair<QString, QString>> tervLepesek{
        {QStringLiteral("DATUM"), QStringLiteral("ALTER TABLE terv ADD datum DATE;")},
        {QStringLiteral("TERVEZO"), QStringLiteral("ALTER TABLE terv ADD tervezo INT;")},
        {QStringLiteral("SZAKAG"), QStringLiteral("ALTER TABLE terv ADD szakag INT;")},
        {QStringLiteral("TERVJEL"), QStringLiteral("ALTER TABLE terv ADD tervjel CHAR(50);")},
        {QStringLiteral("TERVFAJTA"), QStringLiteral("ALTER TABLE terv ADD tervfajta INT;")},
        {QStringLiteral("TERVSZAKASZ"), QStringLiteral("ALTER TABLE terv ADD tervszakasz INT;")}};
    for (const auto& [oszlop, sql] : tervLepesek) {
        m_k.lepes();
        if (!Van(tervOszlopok, oszlop))
            futtat({sql});
    }
    m_db.zar();
    m_k.uzenet(QStringLiteral("Verzióváltás kész"));
    m_k.alaphelyzet();
    m_k.allapot(QString());
    return !m_hiba;
}

bool Karbantarto::szerverre(const QString& mappaSzoveg) {
    if (!mappaValaszt(mappaSzoveg))
        return false;
    if (m_szerver.isEmpty()) {
        hiba(NincsSzerver);
        return false;
    }
    Visszaallit visszaallit(m_k);
    // An old folder is taken over and brought to the current structure on
    // a copy: the folder itself is never written.
    QTemporaryDir masolat;
    QString forrasMappa = m_mappa;
    if (Atvetel::Szukseges(m_mappa)) {
        if (!masolat.isValid()) {
            hiba(QStringLiteral("Nem hozható létre ideiglenes mappa."));
            return false;
        }
        for (const QFileInfo& f : QDir(m_mappa).entryInfoList(QDir::Files | QDir::Hidden))
            if (!QFile::copy(f.absoluteFilePath(), masolat.filePath(f.fileName()))) {
                hiba(QStringLiteral("A következő file nem másolható:\r\n") +
                     QDir::toNativeSeparators(f.absoluteFilePath()));
                return false;
            }
        Karbantarto elokeszito(m_k);
        if (!elokeszito.verziovaltas(masolat.path())) {
            m_hiba = true;
            return false;
        }
        forrasMappa = masolat.path();
    }
    Kapcsolat honnan(QStringLiteral("Pelvano_Upd_forras"));
    honnan.nyit(forrasMappa);
    Kapcsolat hova(QStringLiteral("Pelvano_Upd_szerver"));
    hova.nyit(forras(), true);
    for (const Sema::Tabla& t : Sema::Tablak())
        if (!hova.tablaNev(t.nev).isEmpty()) {
            hiba(QStringLiteral("A szerver adatbázisa nem üres: már vannak benne a Pelvano "
                                "táblái. Üres adatbázisba lehet áttölteni."));
            return false;
        }
    m_k.maximum(int(Sema::Tablak().size()) + 1);
    m_k.allapot(QStringLiteral("Táblák létrehozása"));
    QList<QPair<QString, qint64>> darabok;
    try {
        Adatmappa::SemaLetrehoz(hova);
        m_k.lepes();
        darabok = Masolas::Tablak(honnan, hova, [this](const QString& tabla, qint64) {
            m_k.allapot(QStringLiteral("Áttöltés: ") + tabla);
            m_k.lepes();
        });
    } catch (const PelvanoHiba& h) {
        for (const Sema::Tabla& t : Sema::Tablak()) {
            try {
                hova.sql(QStringLiteral("DROP TABLE IF EXISTS %1").arg(t.nev));
            } catch (const AdatbazisHiba&) {
            }
        }
        hiba(QStringLiteral("Hiba az áttöltés közben:\r\n") + h.uzenet());
        return false;
    }
    // The server plans its queries by statistics of the tables: they are
    // taken at once (should that fail, its background upkeep takes them
    // later; the records are in either way).
    try {
        hova.tomorit();
    } catch (const AdatbazisHiba&) {
    }
    QString osszegzes = QStringLiteral("Áttöltés kész.");
    for (const auto& [tabla, db] : darabok)
        osszegzes += QStringLiteral("\r\n%1: %2 rekord").arg(tabla).arg(db);
    m_k.uzenet(osszegzes);
    return true;
}
