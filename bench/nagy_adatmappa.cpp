// Builds a large data folder for measuring the programs on the volumes of a
// busy office:
//
//   nagy_adatmappa <folder> [--minta] [--tervek N] [--sorok N] [--kiadasok N] [--irsz <csv>]
//
// Defaults: 100000 plans, 1000000 plan lines, 1000000 issue log records, the
// postal codes of data/irsz.csv beside the sources. The folder is built like
// the delivered one (schema, delivered records, postal codes) and then filled
// with master records, plans, lines and issue log records. The data are the
// same on every run (fixed seed): Hungarian names with accents, names that
// differ only in letter case, references to deleted and never existing
// master records, marked plans, and lines whose in-office flags, holders and
// issue dates agree with their latest issue log record.
//
// With --minta it builds the sample office instead: a small register to try
// the program on (40 plans, 220 lines, 160 issue log records unless told),
// its dates over the last five years up to today, a few dozen master records,
// none of the large folder's traps (no names differing only in letter case,
// no references to missing master records), some papers out for days or
// weeks, a group issue of three drawing sets, lines marked for the next
// group issue.

#include "adatmappa.h"
#include "hiba.h"
#include "kapcsolat.h"
#include "sqlitemotor.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <numeric>
#include <optional>
#include <set>
#include <sqlite3.h>
#include <string>
#include <vector>

namespace {

using Szoveg = std::string; // UTF-8 text as it goes to the database

constexpr int KotegMeret = 50000;
int ElsoNap = int(QDate(2011, 1, 1).toJulianDay());      // first plan date
int UtolsoNap = int(QDate(2025, 12, 31).toJulianDay());  // last plan date
int KiadasVege = int(QDate(2026, 11, 30).toJulianDay()); // last issue date
// The sample office (--minta) rather than the large folder.
bool Minta = false;

// ------------------------------------------------------------------ helpers

// Fixed-seed generator (splitmix64): the same arguments give the same data
// folder on every machine and library.
class Veletlen {
public:
    explicit Veletlen(std::uint64_t mag) : m_s(mag) {}
    std::uint64_t kovetkezo() {
        std::uint64_t z = (m_s += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0 <= x < n
    int egesz(qint64 n) { return n <= 0 ? 0 : int(kovetkezo() % std::uint64_t(n)); }
    // a <= x <= b
    int kozott(int a, int b) { return b <= a ? a : a + egesz(qint64(b) - a + 1); }
    double tort() { return double(kovetkezo() >> 11) * (1.0 / 9007199254740992.0); }
    bool esely(double p) { return tort() < p; }
    double normal() {
        const double u = std::max(tort(), 1e-12), v = tort();
        return std::sqrt(-2.0 * std::log(u)) * std::cos(6.283185307179586 * v);
    }
    template <class T> const T& valaszt(const std::vector<T>& v) {
        return v[egesz(qint64(v.size()))];
    }

private:
    std::uint64_t m_s;
};

Szoveg Fmt(const char* minta, ...) __attribute__((format(printf, 1, 2)));
Szoveg Fmt(const char* minta, ...) {
    char puffer[512];
    va_list a;
    va_start(a, minta);
    const int n = std::vsnprintf(puffer, sizeof puffer, minta, a);
    va_end(a);
    return Szoveg(puffer, std::min<std::size_t>(std::size_t(std::max(n, 0)), sizeof puffer - 1));
}

Szoveg Nagybetus(const Szoveg& s) {
    return QString::fromStdString(s).toUpper().toStdString();
}
Szoveg Kisbetus(const Szoveg& s) {
    return QString::fromStdString(s).toLower().toStdString();
}

// The name without accents, spaces and punctuation, for e-mail and web
// addresses.
Szoveg Ekezetlen(const Szoveg& s) {
    const QString d = QString::fromStdString(s).normalized(QString::NormalizationForm_D).toLower();
    Szoveg e;
    for (const QChar c : d)
        if (c.unicode() < 128 && c.isLetterOrNumber())
            e += char(c.unicode());
    return e;
}

// The text of dates as the tables store them, by Julian day.
class Datumok {
public:
    Datumok(int elso, int utolso) : m_elso(elso) {
        for (int jd = elso; jd <= utolso; ++jd)
            m_szoveg.push_back(DatumSzoveg(QDate::fromJulianDay(jd)).toStdString());
    }
    const Szoveg& operator()(int jd) const { return m_szoveg.at(std::size_t(jd - m_elso)); }

private:
    int m_elso;
    std::vector<Szoveg> m_szoveg;
};

// A prepared statement on the connection's engine handle with positional
// parameters (1, 2, ...); an empty text or a negative key binds null.
class Utasitas {
public:
    Utasitas(sqlite3* h, const char* sql) : m_h(h) {
        if (sqlite3_prepare_v2(h, sql, -1, &m_st, nullptr) != SQLITE_OK)
            throw AdatbazisHiba(QString::fromUtf8(sqlite3_errmsg(h)));
    }
    ~Utasitas() { sqlite3_finalize(m_st); }
    Utasitas(const Utasitas&) = delete;
    Utasitas& operator=(const Utasitas&) = delete;

    void szoveg(int i, const Szoveg& s) {
        if (s.empty())
            sqlite3_bind_null(m_st, i);
        else
            sqlite3_bind_text(m_st, i, s.data(), int(s.size()), SQLITE_TRANSIENT);
    }
    void kulcs(int i, qint64 k) {
        if (k < 0)
            sqlite3_bind_null(m_st, i);
        else
            sqlite3_bind_int64(m_st, i, k);
    }
    // Runs the statement; returns the key of the row inserted.
    qint64 futtat() {
        const int rc = sqlite3_step(m_st);
        sqlite3_reset(m_st);
        sqlite3_clear_bindings(m_st);
        if (rc != SQLITE_DONE)
            throw AdatbazisHiba(QString::fromUtf8(sqlite3_errmsg(m_h)));
        return sqlite3_last_insert_rowid(m_h);
    }

private:
    sqlite3* m_h;
    sqlite3_stmt* m_st = nullptr;
};

// Writes in transactions of KotegMeret rows.
class Koteg {
public:
    explicit Koteg(Kapcsolat& k) : m_k(k) { m_t.emplace(k); }
    void lepes() {
        if (++m_n % KotegMeret == 0) {
            m_t->kesz();
            m_t.reset();
            m_t.emplace(m_k);
        }
    }
    void vege() {
        m_t->kesz();
        m_t.reset();
    }

private:
    Kapcsolat& m_k;
    std::optional<Tranzakcio> m_t;
    qint64 m_n = 0;
};

sqlite3* MotorKezelo(Kapcsolat& k) {
    const QVariant v = k.db().driver()->handle();
    if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3*") != 0)
        throw AdatbazisHiba(QStringLiteral("SQLite handle not available"));
    sqlite3* h = *static_cast<sqlite3* const*>(v.constData());
    if (!h)
        throw AdatbazisHiba(QStringLiteral("SQLite handle not available"));
    return h;
}

// ------------------------------------------------------------------ words

// clang-format off

const std::vector<Szoveg> Vezeteknevek = {
    "Nagy", "Kovács", "Tóth", "Szabó", "Horváth", "Varga", "Kiss", "Molnár", "Németh", "Farkas",
    "Balogh", "Papp", "Takács", "Juhász", "Lakatos", "Mészáros", "Oláh", "Simon", "Rácz", "Fekete",
    "Szilágyi", "Török", "Fehér", "Balázs", "Gál", "Kis", "Szűcs", "Kocsis", "Pintér", "Fodor",
    "Szalai", "Sipos", "Magyar", "Lukács", "Gulyás", "Bíró", "Király", "Katona", "László", "Jakab",
    "Sándor", "Boros", "Fazekas", "Kelemen", "Antal", "Orosz", "Somogyi", "Fülöp", "Veres",
    "Vincze", "Hegedűs", "Deák", "Bálint", "Illés", "Vass", "Szőke", "Fábián", "Vörös", "Lengyel",
    "Bognár", "Bodnár", "Hajdu", "Halász", "Jónás", "Kozma", "Máté", "Székely", "Gáspár", "Pásztor",
    "Bakos", "Dudás", "Virág", "Orbán", "Hegyi", "Novák", "Soós", "Nemes", "Pataki", "Csonka",
    "Csizmadia", "Zsigmond", "Zsoldos", "Szekeres", "Csík", "Cseh", "Csordás", "Ördög", "Őri",
    "Ábrahám", "Érsek", "Újvári", "Ötvös", "Ács", "Zsiga", "Szénási", "Csontos", "Zsámboki",
    "Szűts", "Élő", "Üveges",
};

const std::vector<Szoveg> Keresztnevek = {
    "Péter", "László", "István", "József", "János", "Zoltán", "Sándor", "Gábor", "Ferenc", "Attila",
    "Tamás", "Zsolt", "Csaba", "Ádám", "Balázs", "Dániel", "Gergő", "Máté", "Ödön", "Őrs", "Ákos",
    "Bence", "Levente", "Szabolcs", "Zsigmond", "Éva", "Anna", "Zsófia", "Katalin", "Erzsébet",
    "Ildikó", "Judit", "Ágnes", "Andrea", "Krisztina", "Csilla", "Zsuzsanna", "Szilvia", "Ünige",
    "Réka", "Enikő", "Orsolya", "Tünde", "Emőke", "Hajnalka", "Boglárka", "Lili", "Dóra", "Nóra",
    "Írisz", "Ernő", "Imre", "Győző", "Örs", "Ignác", "Őszike",
};

const std::vector<Szoveg> Utcanevek = {
    "Petőfi Sándor", "Kossuth Lajos", "Rákóczi Ferenc", "Széchenyi István", "Dózsa György",
    "Ady Endre", "Arany János", "Jókai Mór", "Bajcsy-Zsilinszky", "Fő", "Kölcsey Ferenc",
    "Deák Ferenc", "Hunyadi János", "Béke", "Szabadság", "Zrínyi Miklós", "Táncsics Mihály",
    "Vörösmarty Mihály", "Határ", "Öreg", "Új", "Erdő", "Rózsa", "Csalogány", "Zsálya", "Szőlő",
    "Üllői", "Ősz", "Csokonai", "Szent István", "Íves", "Ürömi", "Zsolnay", "Csillag", "Akácfa",
};
const std::vector<Szoveg> Utcafajtak = {
    "utca", "utca", "utca", "út", "tér", "köz", "sor", "fasor",
};

const std::vector<Szoveg> Tipusok = {
    "Családi ház", "Ikerház", "Sorház", "Társasház", "Lakópark", "Irodaház", "Üzletház",
    "Bevásárlóközpont", "Raktár", "raktár", "Csarnok", "Üzemcsarnok", "Mezőgazdasági épület",
    "Istálló", "Óvoda", "Bölcsőde", "Általános iskola", "Gimnázium", "Egyetemi épület", "Kollégium",
    "Kórház", "Rendelőintézet", "Gyógyszertár", "Szálloda", "Panzió", "Étterem", "Templom",
    "Közösségi ház", "Sportcsarnok", "Uszoda", "Színház", "Múzeum", "Könyvtár", "Garázs",
    "Mélygarázs", "Parkolóház", "Üzemanyagtöltő", "Tűzoltólaktanya", "Városháza", "Posta", "Híd",
    "Út", "Közmű", "Kerítés", "Melléképület", "Tetőtér-beépítés", "Üvegház", "Ökoház", "Csónakház",
    "Zsilipház",
};

const std::vector<Szoveg> Szakagak = {
    "Építészet", "építészet", "Statika", "Tartószerkezet", "Gépészet", "Épületgépészet",
    "Villamosság", "Erősáram", "Gyengeáram", "Villámvédelem", "Tűzvédelem", "Tűzjelzés",
    "Vízellátás", "Csatornázás", "Szennyvízkezelés", "Csapadékvíz-elvezetés", "Gázellátás", "Fűtés",
    "Szellőzés", "Klíma", "Hűtéstechnika", "Útépítés", "Közlekedés", "Kertépítészet",
    "Tájépítészet", "Belsőépítészet", "Akusztika", "Épületfizika", "Energetika", "Geotechnika",
    "Környezetvédelem", "Zajvédelem", "Munkavédelem", "Akadálymentesítés", "Műemlékvédelem",
    "Felvonó", "Organizáció", "Költségvetés", "Örökségvédelem", "Zöldfelület",
};

const std::vector<Szoveg> Tervfajtak = {
    "Vázlatterv", "Tanulmányterv", "Koncepcióterv", "Előzetes tervdokumentáció",
    "Engedélyezési terv", "engedélyezési terv", "Bontási engedélyezési terv", "Kiviteli terv",
    "Tenderterv", "Ajánlati terv", "Megvalósulási terv", "Felmérési terv", "Állapotfelmérés",
    "Műszaki leírás", "Tervezői nyilatkozat", "Költségbecslés", "Árazott költségvetés",
    "Árazatlan költségvetés", "Tűzvédelmi műszaki leírás", "Statikai számítás",
    "Hőtechnikai számítás", "Energetikai tanúsítvány", "Akusztikai szakvélemény",
    "Geotechnikai jelentés", "Talajmechanikai szakvélemény", "Látványterv", "Makett",
    "Helyszínrajz", "Közműterv", "Útterv", "Kertterv", "Belsőépítészeti terv", "Bútorterv",
    "Konszignáció", "Ajtókonszignáció", "Ablakkonszignáció", "Részletterv", "Csomópontterv",
    "Gyártmányterv", "Műhelyterv", "Organizációs terv", "Ütemterv", "Örökségvédelmi hatástanulmány",
    "Környezeti hatástanulmány", "Zajvédelmi szakvélemény", "Akadálymentesítési tervfejezet",
    "Munkavédelmi tervfejezet", "Egyszerű bejelentés", "Bejelentési dokumentáció",
    "Változási vázrajz", "Telekalakítási terv", "Szabályozási terv", "Településrendezési terv",
    "Zöldfelület-kezelési terv", "Üzemeltetési kézikönyv", "Szerkezeti terv", "Zsaluzási terv",
    "Vasalási terv", "Csatornaterv", "Árajánlat",
};

const std::vector<Szoveg> Tervszakaszok = {
    "Előkészítés", "Felmérés", "Vázlattervezés", "Tanulmánytervezés", "Engedélyezés",
    "Hatósági egyeztetés", "Tervtanács", "Kiviteli tervezés", "Tenderkiírás", "Ajánlatkérés",
    "Kivitelezés", "Tervezői művezetés", "Műszaki átadás", "Használatbavétel",
    "Garanciális időszak", "Lezárva", "lezárva", "Szüneteltetve", "Felfüggesztve",
    "Megrendelésre vár", "Szerződéskötés", "Előtervezés", "Koncepció", "Egyeztetés a megrendelővel",
    "Szakhatósági egyeztetés", "Közműegyeztetés", "Módosítás", "Átdolgozás", "Archiválva",
    "Zárójelentés",
};

const std::vector<Szoveg> CegSzavak = {
    "Duna", "Tisza", "Balaton", "Mátra", "Bakony", "Alföld", "Csillag", "Szivárvány", "Őszirózsa",
    "Ékkő", "Zsálya", "Csúcs", "Szikla", "Korona", "Építő", "Otthon", "Zöldtető", "Ház", "Ívhíd",
    "Öböl", "Üveg", "Acél", "Tégla", "Fenyő",
};
const std::vector<Szoveg> CegTevekenysegek = {
    "Építő", "Ingatlanfejlesztő", "Beruházó", "Generálkivitelező", "Mérnöki", "Tervező",
    "Épületgépész", "Szerelő", "Ingatlankezelő", "Lakásszövetkezet",
};
const std::vector<Szoveg> CegFormak = {
    "Kft.", "Kft.", "Kft.", "Zrt.", "Bt.", "Nyrt.", "Kkt.",
};

const std::vector<Szoveg> Objektumok = {
    "Családi ház", "Kétszintes családi ház", "Négylakásos társasház", "Társasház",
    "Hétszintes irodaház", "Régi iskolaépület", "Műemléki épület", "Öreg malom", "Zsindelyes pajta",
    "Csárda", "Szociális bérlakások", "Egészségház", "Orvosi rendelő", "Óvoda", "Bölcsőde",
    "Általános iskola tornaterme", "Üzemcsarnok", "Raktárépület", "Szálloda", "Panzió", "Templom",
    "Plébánia", "Sportpálya öltözője", "Uszoda", "Könyvtár", "Kultúrház", "Polgármesteri hivatal",
    "Tűzoltószertár", "Gépjárműtároló", "Üvegház", "Borpince", "Présház", "Ikerház", "Sorházak",
    "Üzletház", "Élelmiszerüzlet",
};
const std::vector<Szoveg> Muveletek = {
    "építése", "bővítése", "felújítása", "átalakítása", "tetőtér-beépítése",
    "energetikai korszerűsítése", "akadálymentesítése", "bontása", "homlokzatfelújítása",
    "rendeltetésmódosítása", "közművesítése", "tetőcseréje", "statikai megerősítése",
    "fűtéskorszerűsítése", "bővítése és felújítása", "építése, II. ütem",
};

const std::vector<Szoveg> Megjegyzesek = {
    "A megrendelő kérésére a homlokzat színe módosult.", "Hatósági egyeztetés: 2. forduló.",
    "Tervtanácsi vélemény csatolva.", "Az eredeti tervek a pincei archívumban.",
    "Számlázás ütemezve, előleg befizetve.", "Kapcsolattartó hétköznap 8–16 óra között érhető el.",
    "Sürgős! Határidő a hónap vége.", "Pótlólag kért statikai számítás elkészült.",
    "Közműszolgáltatói hozzájárulás még hiányzik.", "Ügyfél által jóváhagyva (e-mailben).",
    "Zsűrizés után módosítandó.", "Régi, papíralapú nyilvántartásból átvezetve.",
};

const std::vector<Szoveg> Reszmuveletek = {
    "Alaprajz – földszint", "Alaprajz – emelet", "Alaprajz – pince", "Tetőtér alaprajz",
    "Metszet A–A", "Metszet B–B", "Homlokzatok", "Utcai homlokzat", "Helyszínrajz", "Tetőszerkezet",
    "Alapozási terv", "Födémterv", "Lépcső részletterv", "Nyílászáró-konszignáció",
    "Gépészeti alaprajz", "Fűtési kapcsolási séma", "Villamos alaprajz", "Erősáramú tervek",
    "Gyengeáramú tervek", "Tűzvédelmi alaprajz", "Műszaki leírás", "Költségvetés", "Látványterv",
    "Kertépítészeti terv", "Csatornázás", "Vízellátás", "Szellőzés", "Árnyékolás", "Burkolási terv",
    "Álmennyezet", "Zsaluzási terv", "Vasalási terv", "Épületszerkezeti csomópontok", "Ütemterv",
    "Örökségvédelmi dokumentáció", "Közműcsatlakozások",
};
const std::vector<Szoveg> Rajzjelek = {
    "É", "É", "É", "S", "G", "V", "T", "K", "B", "Ú",
};
const std::vector<Szoveg> SorMegjegyzesek = {
    "Módosítva a hatósági egyeztetés után", "Ügyfél kérésére átdolgozva", "Eredeti a tervtárban",
    "Csak digitálisan", "Pausz hiányzik", "Sérült pausz, újranyomtatandó",
    "Ellenőrizve, jóváhagyva", "Érvénytelen, lásd a következő sort",
};

const std::vector<Szoveg> Intezmenyek = {
    "Építési hatóság", "Tervtanács", "Fővállalkozó", "Alvállalkozó", "Megrendelő", "Statikus",
    "Gépész tervező", "Tűzoltóság", "Közműszolgáltató", "Önkormányzat", "Műszaki ellenőr",
    "Archívum", "Nyomda", "Kivitelező", "Ügyfélszolgálat", "Kormányhivatal", "Örökségvédelem",
    "ÉMI", "Útkezelő", "Zsűri",
};
const std::vector<Szoveg> KiadasMegjegyzesek = {
    "Sürgős", "Tervtanácsra", "Hatósági egyeztetésre", "Másolat", "Helyszíni bejáráshoz",
    "Árazáshoz", "Visszahozni két héten belül!", "Ügyfél kérésére",
};
const std::vector<Szoveg> Beosztasok = {
    "irodavezető", "ügyvezető", "vezető tervező", "műszaki igazgató", "tervtáros",
};
// clang-format on

struct Irsz {
    Szoveg irsz;
    Szoveg varos;
};

std::vector<Irsz> IrszOlvas(const QString& fajl) {
    QFile f(fajl);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        throw PelvanoHiba(QStringLiteral("Cannot read %1: %2").arg(fajl, f.errorString()));
    std::vector<Irsz> v;
    const QList<QByteArray> sorok = f.readAll().split('\n');
    for (qsizetype i = 1; i < sorok.size(); ++i) {
        const QList<QByteArray> m = sorok.at(i).trimmed().split(';');
        if (m.size() == 3)
            v.push_back({m.at(1).toStdString(), m.at(2).toStdString()});
    }
    if (v.empty())
        throw PelvanoHiba(QStringLiteral("No postal codes in %1").arg(fajl));
    return v;
}

// ------------------------------------------------------------------ names

Szoveg SzemelyNev(Veletlen& r) {
    Szoveg n = r.valaszt(Vezeteknevek);
    if (r.esely(0.03))
        n += "-" + r.valaszt(Vezeteknevek);
    n += " " + r.valaszt(Keresztnevek);
    if (r.esely(0.04))
        n += "né";
    if (r.esely(0.05))
        n = "dr. " + n;
    else if (r.esely(0.02))
        n = "ifj. " + n;
    else if (r.esely(0.01))
        n = "Dr. " + n;
    return n;
}

// `n` different names from `alkoto`.
std::vector<Szoveg> Kulonbozo(Veletlen& r, int n, const std::function<Szoveg(Veletlen&)>& alkoto) {
    std::vector<Szoveg> v;
    std::set<Szoveg> volt;
    for (int probak = 0; int(v.size()) < n && probak < n * 50; ++probak) {
        const Szoveg s = alkoto(r);
        if (volt.insert(s).second)
            v.push_back(s);
    }
    return v;
}

// Replaces a few names by the all upper or all lower case form of another,
// so that pairs differ only in letter case.
void EsetParok(Veletlen& r, std::vector<Szoveg>& v) {
    if (Minta)
        return;
    const int n = int(v.size());
    const int parok = std::max(1, n / 80);
    for (int i = 0; i < parok && n >= 4; ++i) {
        const int mintaHely = r.egesz(n);
        int cel = r.egesz(n);
        if (cel == mintaHely)
            cel = (cel + 1) % n;
        v[std::size_t(cel)] = r.esely(0.5) ? Nagybetus(v[std::size_t(mintaHely)])
                                           : Kisbetus(v[std::size_t(mintaHely)]);
    }
}

std::vector<Szoveg> NevLista(Veletlen& r, int n, const std::function<Szoveg(Veletlen&)>& alkoto) {
    std::vector<Szoveg> v = Kulonbozo(r, n, alkoto);
    EsetParok(r, v);
    return v;
}

// A fixed list extended or cut to `n` names.
std::vector<Szoveg> Lista(const std::vector<Szoveg>& alap, int n) {
    std::vector<Szoveg> v;
    for (int i = 0; int(v.size()) < n; ++i) {
        const std::size_t j = std::size_t(i) % alap.size();
        const int kor = i / int(alap.size());
        v.push_back(kor == 0 ? alap[j] : Fmt("%s %d.", alap[j].c_str(), kor + 1));
    }
    return v;
}

Szoveg UtcaCim(Veletlen& r) {
    Szoveg c = r.valaszt(Utcanevek) + " " + r.valaszt(Utcafajtak) + Fmt(" %d.", r.kozott(1, 120));
    if (r.esely(0.15))
        c += Fmt(" %d. em. %d.", r.kozott(1, 8), r.kozott(1, 30));
    return c;
}

// ------------------------------------------------------------------ masters

// Keys of one master table: those with a record, and those that plans may
// name although no record has them (deleted, or never assigned).
struct Kulcsok {
    std::vector<qint64> jo;
    std::vector<qint64> rossz;
};

void Torol(Kapcsolat& k, sqlite3* h, const char* tabla, const char* kulcs, Kulcsok& t,
           Veletlen& r) {
    if (Minta)
        return;
    const Szoveg sql = Fmt("DELETE FROM %s WHERE %s=?", tabla, kulcs);
    Utasitas torol(h, sql.c_str());
    const qint64 legnagyobb = t.jo.empty() ? 0 : t.jo.back();
    const int db = int(t.jo.size()) / 60;
    Tranzakcio tr(k);
    for (int i = 0; i < db; ++i) {
        const std::size_t hely = std::size_t(r.egesz(qint64(t.jo.size())));
        torol.kulcs(1, t.jo[hely]);
        torol.futtat();
        t.rossz.push_back(t.jo[hely]);
        t.jo.erase(t.jo.begin() + qsizetype(hely));
    }
    tr.kesz();
    for (int i = 1; i <= 5; ++i)
        t.rossz.push_back(legnagyobb + 100 * i);
}

Kulcsok KisTorzs(Kapcsolat& k, sqlite3* h, const char* tabla, const char* kulcs,
                 const std::vector<Szoveg>& nevek, Veletlen& r) {
    const Szoveg sql = Fmt("INSERT INTO %s (%s_nev) VALUES (?)", tabla, kulcs);
    Utasitas be(h, sql.c_str());
    Kulcsok t;
    {
        Tranzakcio tr(k);
        for (const Szoveg& n : nevek) {
            be.szoveg(1, n);
            t.jo.push_back(be.futtat());
        }
        tr.kesz();
    }
    Torol(k, h, tabla, kulcs, t, r);
    return t;
}

Szoveg UgyfelNev(Veletlen& r, const std::vector<Szoveg>* varosok) {
    const double x = r.tort();
    if (x < 0.40) {
        if (r.esely(0.3))
            return r.valaszt(Vezeteknevek) + (r.esely(0.5) ? " és Társa " : " & Fia ") +
                   r.valaszt(CegFormak);
        return r.valaszt(CegSzavak) + " " + r.valaszt(CegTevekenysegek) + " " +
               r.valaszt(CegFormak);
    }
    if (x < 0.72)
        return SzemelyNev(r);
    if (x < 0.82) {
        static const std::vector<Szoveg> fajtak = {
            " Város Önkormányzata",      " Község Önkormányzata", " Református Egyházközség",
            " Római Katolikus Plébánia", " Sportegyesület",       " Polgárőrség"};
        return r.valaszt(*varosok) + r.valaszt(fajtak);
    }
    if (x < 0.84)
        return "„" + r.valaszt(CegSzavak) + "” Lakóközösség";
    if (x < 0.85)
        return "Pék'n'Roll Bt.";
    return r.valaszt(Utcanevek) + " " + r.valaszt(Utcafajtak) +
           Fmt(" %d. Társasház", r.kozott(1, 90));
}

Szoveg Telefon(Veletlen& r) {
    if (r.esely(0.4))
        return Fmt("+36 1 %03d %04d", r.kozott(200, 999), r.egesz(10000));
    return Fmt("06-%d/%06d", r.kozott(22, 99), r.egesz(1000000));
}

Kulcsok Ugyfelek(Kapcsolat& k, sqlite3* h, int n, const std::vector<Irsz>& irsz, Veletlen& r) {
    std::vector<Szoveg> varosok;
    for (const Irsz& i : irsz)
        if (varosok.empty() || varosok.back() != i.varos)
            varosok.push_back(i.varos);
    const std::vector<Szoveg> nevek =
        NevLista(r, n, [&varosok](Veletlen& v) { return UgyfelNev(v, &varosok); });
    Utasitas be(h, "INSERT INTO ugyfel (Ugyfel_nev, Telefon, Fax, Mobil, Emil, Honlap, Kapcstarto, "
                   "Megjegyzes, Cim_irsz, Cim_varos, Cim_cim) VALUES (?,?,?,?,?,?,?,?,?,?,?)");
    Kulcsok t;
    Tranzakcio tr(k);
    for (const Szoveg& nev : nevek) {
        const Irsz& cim = r.valaszt(irsz);
        const Szoveg kicsi = Kisbetus(nev);
        const bool ceg = kicsi.find("kft.") != Szoveg::npos || kicsi.find("zrt.") != Szoveg::npos ||
                         kicsi.find("bt.") != Szoveg::npos || kicsi.find("kkt.") != Szoveg::npos ||
                         kicsi.find("nyrt.") != Szoveg::npos;
        const Szoveg rovid = Ekezetlen(nev).substr(0, 24);
        be.szoveg(1, nev);
        be.szoveg(2, r.esely(0.85) ? Telefon(r) : Szoveg());
        be.szoveg(3, r.esely(0.25) ? Telefon(r) : Szoveg());
        be.szoveg(4, r.esely(0.7)
                         ? Fmt("+36 %d %03d %04d", (r.esely(0.5) ? 30 : (r.esely(0.5) ? 20 : 70)),
                               r.egesz(1000), r.egesz(10000))
                         : Szoveg());
        be.szoveg(5, r.esely(0.75) ? (ceg ? "info@" + rovid + ".hu" : rovid + "@gmail.com")
                                   : Szoveg());
        be.szoveg(6, ceg && r.esely(0.7) ? "www." + rovid + ".hu" : Szoveg());
        be.szoveg(7, r.esely(0.6) ? SzemelyNev(r) : Szoveg());
        be.szoveg(8, r.esely(0.15) ? r.valaszt(Megjegyzesek) + "\r\n" + r.valaszt(Megjegyzesek)
                                   : Szoveg());
        const bool vanCim = r.esely(0.9);
        be.szoveg(9, vanCim ? cim.irsz : Szoveg());
        be.szoveg(10, vanCim ? cim.varos : Szoveg());
        be.szoveg(11, vanCim ? UtcaCim(r) : Szoveg());
        t.jo.push_back(be.futtat());
    }
    tr.kesz();
    Torol(k, h, "ugyfel", "Ugyfel", t, r);
    return t;
}

// A reference to a master record: mostly an existing one, about one in a
// hundred to a deleted or never existing key, some empty (-1). `ferde`
// favours the first records (some clients have many plans).
qint64 Hivatkozas(Veletlen& r, const Kulcsok& t, double ures, bool ferde = false) {
    if (r.esely(ures))
        return -1;
    if (t.jo.empty() || (!Minta && r.esely(0.01)))
        return t.rossz.empty() ? -1 : r.valaszt(t.rossz);
    const double u = ferde ? std::pow(r.tort(), 1.8) : r.tort();
    return t.jo[std::min(t.jo.size() - 1, std::size_t(u * double(t.jo.size())))];
}

// ------------------------------------------------------------------ plans, lines, issues

struct Terv {
    qint64 kulcs = 0;
    int datum = 0; // Julian day
    int sorok = 0;
};

struct Kiadas {
    int terv; // index into the plans
    int sor;
    int kiad;   // Julian day
    int vissza; // Julian day, 0 while out
    std::uint16_t kinek;
    char ezterv;
    bool kint;
    bool csoport; // a record of the sample's group issue
};

struct Sor {
    int elsoKiadas; // index into the issues
    int kiadasok;
};

// Splits `osszes` into `n` uneven parts: lognormal weights, some zero.
std::vector<int> Eloszt(Veletlen& r, int n, qint64 osszes, double nulla, double szoras) {
    std::vector<int> db(std::size_t(n), 0);
    if (n == 0 || osszes <= 0)
        return db;
    std::vector<double> suly(static_cast<std::size_t>(n));
    double s = 0;
    for (double& w : suly) {
        w = r.esely(nulla) ? 0.0 : std::exp(szoras * r.normal());
        s += w;
    }
    if (s == 0) {
        suly[0] = 1;
        s = 1;
    }
    qint64 kiosztva = 0;
    for (std::size_t i = 0; i < suly.size(); ++i) {
        db[i] = int(std::floor(double(osszes) * suly[i] / s));
        kiosztva += db[i];
    }
    while (kiosztva < osszes) {
        const std::size_t i = std::size_t(r.egesz(n));
        if (suly[i] > 0) {
            ++db[i];
            ++kiosztva;
        }
    }
    return db;
}

struct Beallitas {
    QString mappa;
    QString irsz;
    qint64 tervek = 100000;
    qint64 sorok = 1000000;
    qint64 kiadasok = 1000000;
};

void Hasznalat() {
    std::fprintf(stderr,
                 "usage: nagy_adatmappa <folder> [--minta] [--tervek N=100000] [--sorok N=1000000] "
                 "[--kiadasok N=1000000] [--irsz <irsz.csv>]\n"
                 "--minta: the sample office (defaults 40 plans, 220 lines, 160 issues).\n"
                 "The postal codes default to data/irsz.csv beside the sources.\n");
}

bool Argumentumok(const QStringList& a, Beallitas& b) {
    b.irsz =
        QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/../data/irsz.csv");
    for (qsizetype i = 1; i < a.size(); ++i) {
        QString nev = a.at(i), ertek;
        if (nev == QLatin1String("--minta")) {
            Minta = true;
            continue;
        }
        const qsizetype egyenlo = nev.indexOf(QLatin1Char('='));
        if (nev.startsWith(QStringLiteral("--")) && egyenlo > 0) {
            ertek = nev.mid(egyenlo + 1);
            nev = nev.left(egyenlo);
        } else if (nev.startsWith(QStringLiteral("--"))) {
            if (++i >= a.size())
                return false;
            ertek = a.at(i);
        } else {
            if (!b.mappa.isEmpty())
                return false;
            b.mappa = nev;
            continue;
        }
        bool ok = true;
        if (nev == QLatin1String("--tervek"))
            b.tervek = ertek.toLongLong(&ok);
        else if (nev == QLatin1String("--sorok"))
            b.sorok = ertek.toLongLong(&ok);
        else if (nev == QLatin1String("--kiadasok"))
            b.kiadasok = ertek.toLongLong(&ok);
        else if (nev == QLatin1String("--irsz"))
            b.irsz = ertek;
        else
            return false;
        if (!ok || b.tervek < 0 || b.sorok < 0 || b.kiadasok < 0 || b.tervek > 50000000 ||
            b.sorok > 500000000 || b.kiadasok > 500000000)
            return false;
    }
    if (Minta) {
        // What was not told takes the sample's size.
        const QStringList nevek = a.mid(1);
        const auto mondva = [&](const char* n) {
            return std::any_of(nevek.begin(), nevek.end(),
                               [n](const QString& x) { return x.startsWith(QLatin1String(n)); });
        };
        if (!mondva("--tervek"))
            b.tervek = 40;
        if (!mondva("--sorok"))
            b.sorok = 220;
        if (!mondva("--kiadasok"))
            b.kiadasok = 160;
    }
    return !b.mappa.isEmpty();
}

class Ora {
public:
    Ora() { m_t.start(); }
    void lap(const char* mi) {
        std::printf("  %-28s %8.2f s\n", mi, double(m_t.restart()) / 1000.0);
        std::fflush(stdout);
    }

private:
    QElapsedTimer m_t;
};

void Feltolt(Kapcsolat& k, const Beallitas& b) {
    sqlite3* h = MotorKezelo(k);
    // This connection writes alone into a folder nobody uses yet: a large
    // page cache keeps the big transactions in memory.
    sqlite3_exec(h, "PRAGMA cache_size=-131072", nullptr, nullptr, nullptr);
    Veletlen r(20240457);
    Ora ora;

    const std::vector<Irsz> irsz = IrszOlvas(b.irsz);
    // Master list sizes: the large folder's, or the sample office's.
    const auto db = [](int nagy, int minta) { return Minta ? minta : nagy; };
    const Kulcsok ugyfel = Ugyfelek(k, h, db(2000, 30), irsz, r);
    const Kulcsok tipus = KisTorzs(k, h, "tipus", "Tipus", Lista(Tipusok, db(50, 10)), r);
    const Kulcsok tervezo =
        KisTorzs(k, h, "tervezo", "tervezo", NevLista(r, db(400, 12), &SzemelyNev), r);
    const Kulcsok szakag = KisTorzs(k, h, "szakag", "szakag", Lista(Szakagak, db(40, 10)), r);
    const Kulcsok tervfajta =
        KisTorzs(k, h, "tervfajta", "tervfajta", Lista(Tervfajtak, db(60, 8)), r);
    const Kulcsok tervszakasz =
        KisTorzs(k, h, "tervszakasz", "tervszakasz", Lista(Tervszakaszok, db(30, 7)), r);
    ora.lap("master records");

    // Recipients of issues fit the line's 20-character holder column.
    std::vector<Szoveg> cimzettek = Intezmenyek;
    for (const Szoveg& n : NevLista(r, db(160, 16), &SzemelyNev))
        if (QString::fromStdString(n).size() <= 20)
            cimzettek.push_back(n);
    if (!Minta)
        cimzettek.push_back(Kisbetus(cimzettek[3]));
    std::vector<Szoveg> engedelyezok;
    for (int i = 0; i < db(24, 5); ++i)
        engedelyezok.push_back(SzemelyNev(r) + (r.esely(0.6) ? " " + r.valaszt(Beosztasok) : ""));

    // Plans: dates over fifteen years in key order, a few entered late.
    const int nTerv = int(b.tervek);
    std::vector<Terv> tervek(static_cast<std::size_t>(nTerv));
    {
        std::vector<int> napok(static_cast<std::size_t>(nTerv));
        for (int& d : napok)
            d = r.kozott(ElsoNap, UtolsoNap);
        std::sort(napok.begin(), napok.end());
        for (int i = 0; i < nTerv; ++i)
            tervek[std::size_t(i)].datum =
                r.esely(0.02) ? r.kozott(ElsoNap, UtolsoNap) : napok[std::size_t(i)];
    }
    const std::vector<int> sorDb = Eloszt(r, nTerv, b.sorok, 0.06, 0.8);
    for (int i = 0; i < nTerv; ++i)
        tervek[std::size_t(i)].sorok = sorDb[std::size_t(i)];

    // Issues per line, each line's issues one after the other in time: all
    // but the latest returned, the latest sometimes still out.
    std::vector<Sor> sorok;
    sorok.reserve(std::size_t(b.sorok));
    for (const Terv& t : tervek)
        for (int s = 0; s < t.sorok; ++s)
            sorok.push_back({0, 0});
    {
        const std::vector<int> db = Eloszt(r, int(sorok.size()), b.kiadasok, 0.45, 0.7);
        for (std::size_t i = 0; i < sorok.size(); ++i)
            sorok[i].kiadasok = db[i];
    }
    // The sample's group issue: lines 1 to 3 of the plan with the most
    // lines among the last ten, twelve days ago, to one recipient.
    int csoportTerv = -1;
    const int csoportNap = KiadasVege - 12;
    if (Minta)
        for (int ti = std::max(0, nTerv - 10); ti < nTerv; ++ti)
            if (tervek[std::size_t(ti)].sorok >= 3 &&
                (csoportTerv < 0 ||
                 tervek[std::size_t(ti)].sorok > tervek[std::size_t(csoportTerv)].sorok))
                csoportTerv = ti;
    const std::uint16_t csoportCimzett = std::uint16_t(r.egesz(qint64(cimzettek.size())));
    std::vector<Kiadas> kiadasok;
    kiadasok.reserve(std::size_t(b.kiadasok));
    {
        std::size_t si = 0;
        std::vector<int> napok;
        for (int ti = 0; ti < nTerv; ++ti) {
            const Terv& t = tervek[std::size_t(ti)];
            for (int s = 1; s <= t.sorok; ++s, ++si) {
                Sor& sor = sorok[si];
                sor.elsoKiadas = int(kiadasok.size());
                const bool csoport = ti == csoportTerv && s <= 3;
                const int vege = csoport ? csoportNap - 1 : KiadasVege;
                napok.clear();
                // Most issues fall in the first years of the plan.
                for (int i = 0; i < sor.kiadasok; ++i)
                    napok.push_back(std::min(vege, t.datum + int(std::abs(r.normal()) * 500.0) +
                                                       r.kozott(0, 30)));
                std::sort(napok.begin(), napok.end());
                const std::uint16_t torzsCimzett = std::uint16_t(r.egesz(qint64(cimzettek.size())));
                for (int i = 0; i < sor.kiadasok; ++i) {
                    Kiadas kd{};
                    kd.terv = ti;
                    kd.sor = s;
                    kd.kiad = napok[std::size_t(i)];
                    kd.ezterv = r.esely(0.7) ? 'T' : 'L';
                    kd.kinek = r.esely(0.6) ? torzsCimzett
                                            : std::uint16_t(r.egesz(qint64(cimzettek.size())));
                    const bool utolso = i + 1 == sor.kiadasok;
                    kd.kint = utolso && !csoport &&
                              r.esely(Minta ? (kd.ezterv == 'T' ? 0.3 : 0.2)
                                            : (kd.ezterv == 'T' ? 0.12 : 0.08));
                    // What the sample office has out went out days or weeks
                    // ago, not years.
                    if (Minta && kd.kint)
                        kd.kiad = std::max(kd.kiad, KiadasVege - r.kozott(2, 75));
                    if (!kd.kint)
                        kd.vissza = std::min(utolso ? vege : napok[std::size_t(i) + 1],
                                             kd.kiad + r.kozott(0, 120));
                    kiadasok.push_back(kd);
                }
                if (csoport) {
                    Kiadas kd{};
                    kd.terv = ti;
                    kd.sor = s;
                    kd.kiad = csoportNap;
                    kd.kinek = csoportCimzett;
                    kd.ezterv = 'T';
                    kd.kint = true;
                    kd.csoport = true;
                    kiadasok.push_back(kd);
                    ++sor.kiadasok;
                }
            }
        }
    }
    // The log's keys follow the issue dates, as the records were appended.
    std::vector<int> sorrend(kiadasok.size());
    std::iota(sorrend.begin(), sorrend.end(), 0);
    std::sort(sorrend.begin(), sorrend.end(), [&](int a, int c) {
        const Kiadas& x = kiadasok[std::size_t(a)];
        const Kiadas& y = kiadasok[std::size_t(c)];
        if (x.kiad != y.kiad)
            return x.kiad < y.kiad;
        // A group issue's records follow each other in the log.
        if (x.csoport != y.csoport)
            return y.csoport;
        return a < c;
    });
    std::vector<qint64> kiadasKulcs(kiadasok.size());
    ora.lap("planning in memory");

    const Datumok datum(ElsoNap, KiadasVege);

    {
        Utasitas be(h, "INSERT INTO terv (Tervszam, Cim, Ugyfel, Helyszin, Tipus, Levelezes, "
                       "Megjegyzes, datum, tervezo, szakag, tervfajta, tervszakasz, tervjel, szur) "
                       "VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
        static const std::vector<Szoveg> utotagok = {"-É", "-É", "-É", "-É", "",   "",
                                                     "",   "-S", "-G", "-V", "-T", "-K",
                                                     "-Ú", "/A", "/B", "-é"};
        Koteg koteg(k);
        std::vector<int> evSorszam(100, 0);
        for (Terv& t : tervek) {
            const QDate d = QDate::fromJulianDay(t.datum);
            const int sorszam = ++evSorszam[std::size_t(d.year() - 2000)];
            const Irsz& hely = r.valaszt(irsz);
            Szoveg helyszin = hely.varos;
            if (hely.irsz.size() == 4 && hely.irsz[0] == '1' && hely.varos == "Budapest")
                helyszin += Fmt(" %s. ker.", hely.irsz.substr(1, 2).c_str());
            if (r.esely(0.4)) {
                const Szoveg utca = ", " + r.valaszt(Utcanevek) + Fmt(" %d.", r.kozott(1, 99));
                if (QString::fromStdString(helyszin + utca).size() <= 25)
                    helyszin += utca;
            }
            Szoveg cim = r.valaszt(Objektumok) + " " + r.valaszt(Muveletek);
            if (r.esely(0.3))
                cim += " – " + hely.varos + ", " + UtcaCim(r);
            const double sz = r.tort();
            be.szoveg(1, Fmt("%04d/%04d%s", d.year(), sorszam, r.valaszt(utotagok).c_str()));
            be.szoveg(2, cim);
            be.kulcs(3, Hivatkozas(r, ugyfel, 0.02, true));
            be.szoveg(4, r.esely(0.97) ? helyszin : Szoveg());
            be.kulcs(5, Hivatkozas(r, tipus, 0.03));
            be.szoveg(6, r.esely(0.02) ? Szoveg() : (r.esely(0.13) ? "I" : "N"));
            Szoveg megj;
            if (r.esely(0.2)) {
                megj = r.valaszt(Megjegyzesek);
                for (int i = r.kozott(0, 2); i > 0; --i)
                    megj += "\r\n" + r.valaszt(Megjegyzesek);
            }
            be.szoveg(7, megj);
            be.szoveg(8, datum(t.datum));
            be.kulcs(9, Hivatkozas(r, tervezo, 0.01));
            be.kulcs(10, Hivatkozas(r, szakag, 0.02));
            be.kulcs(11, Hivatkozas(r, tervfajta, 0.03));
            be.kulcs(12, Hivatkozas(r, tervszakasz, 0.04));
            be.szoveg(13, r.esely(0.6)
                              ? Fmt("%s-%04d-%04d", r.valaszt(Rajzjelek).c_str(), d.year(), sorszam)
                          : r.esely(0.25) ? Fmt("%s%s-%d", r.valaszt(Rajzjelek).c_str(),
                                                r.valaszt(Rajzjelek).c_str(), r.kozott(1, 99))
                                          : Szoveg());
            be.szoveg(14, sz < 0.05 ? "I" : (sz < 0.07 ? Szoveg() : "N"));
            t.kulcs = be.futtat();
            koteg.lepes();
        }
        koteg.vege();
    }
    ora.lap("plans");

    {
        Utasitas be(h,
                    "INSERT INTO tervkiad (terv, sor, dat_kiad, dat_vissza, kint, kinek, ezterv, "
                    "megjegyzes, engedelyezo) VALUES (?,?,?,?,?,?,?,?,?)");
        Koteg koteg(k);
        for (std::size_t i = 0; i < sorrend.size(); ++i) {
            const Kiadas& kd = kiadasok[std::size_t(sorrend[i])];
            be.kulcs(1, tervek[std::size_t(kd.terv)].kulcs);
            be.kulcs(2, kd.sor);
            be.szoveg(3, datum(kd.kiad));
            be.szoveg(4, kd.kint ? Szoveg() : datum(kd.vissza));
            be.szoveg(5, kd.kint ? "I" : "N");
            be.szoveg(6, cimzettek[kd.kinek]);
            be.szoveg(7, Szoveg(1, kd.ezterv));
            if (kd.csoport) {
                // One note and authoriser for the whole group.
                be.szoveg(8, KiadasMegjegyzesek.front());
                be.szoveg(9, engedelyezok.front());
            } else {
                be.szoveg(8, r.esely(0.1) ? r.valaszt(KiadasMegjegyzesek) : Szoveg());
                be.szoveg(9, r.esely(0.9) ? r.valaszt(engedelyezok) : Szoveg());
            }
            kiadasKulcs[std::size_t(sorrend[i])] = be.futtat();
            koteg.lepes();
        }
        koteg.vege();
    }
    ora.lap("issue log");

    {
        Utasitas be(h, "INSERT INTO terv_sor (terv, sor, reszmuvelet, rajzszam, pausz, irata4, "
                       "irata5, megjegyzes, dat_tkiad, dat_lkiad, tkiadva, lkiadva, tbent, lbent, "
                       "tervkiad, kiadni) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
        Koteg koteg(k);
        std::size_t si = 0;
        for (const Terv& t : tervek) {
            const Szoveg jel = r.valaszt(Rajzjelek);
            for (int s = 1; s <= t.sorok; ++s, ++si) {
                const Sor& sor = sorok[si];
                const Kiadas* utolso = nullptr;
                bool voltTerv = false;
                for (int i = 0; i < sor.kiadasok; ++i) {
                    utolso = &kiadasok[std::size_t(sor.elsoKiadas + i)];
                    voltTerv = voltTerv || utolso->ezterv == 'T';
                }
                const bool tKint = utolso && utolso->kint && utolso->ezterv == 'T';
                const bool lKint = utolso && utolso->kint && utolso->ezterv == 'L';
                Szoveg resz = r.valaszt(Reszmuveletek);
                if (r.esely(0.2))
                    resz += Fmt(" (%d. változat)", r.kozott(2, 5));
                be.kulcs(1, t.kulcs);
                be.kulcs(2, s);
                be.szoveg(3, resz);
                be.szoveg(4, r.esely(0.9)
                                 ? Fmt("%s-%d%02d%s", jel.c_str(), r.kozott(1, 3), s % 100,
                                       r.esely(0.1) ? Fmt("/M%d", r.kozott(1, 3)).c_str() : "")
                                 : Szoveg());
                be.szoveg(5, r.esely(0.5) ? Fmt("%d db", r.kozott(1, 4)) : Szoveg());
                be.szoveg(6, r.esely(0.6) ? Fmt("%d pld.", r.kozott(1, 6)) : Szoveg());
                be.szoveg(7, r.esely(0.3) ? Fmt("%d pld.", r.kozott(1, 3)) : Szoveg());
                be.szoveg(8, r.esely(0.1) ? r.valaszt(SorMegjegyzesek) : Szoveg());
                be.szoveg(9, tKint ? datum(utolso->kiad) : Szoveg());
                be.szoveg(10, lKint ? datum(utolso->kiad) : Szoveg());
                be.szoveg(11, tKint ? cimzettek[utolso->kinek] : Szoveg());
                be.szoveg(12, lKint ? cimzettek[utolso->kinek] : Szoveg());
                be.szoveg(13, tKint ? "N" : "I");
                be.szoveg(14, lKint ? "N" : "I");
                be.kulcs(15,
                         utolso ? kiadasKulcs[std::size_t(sor.elsoKiadas + sor.kiadasok - 1)] : -1);
                // Issuing the drawing set clears the group mark; a few lines
                // in the office are marked for the next group issue.
                be.szoveg(16, !tKint && r.esely(Minta ? 0.05 : 0.005)
                                  ? "I"
                                  : (voltTerv ? "N" : Szoveg()));
                be.futtat();
                koteg.lepes();
            }
        }
        koteg.vege();
    }
    ora.lap("plan lines");
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    Beallitas b;
    if (!Argumentumok(app.arguments(), b)) {
        Hasznalat();
        return 2;
    }
    if (Minta) {
        // Five years up to today: plans until a month ago, issues until today.
        const QDate ma = QDate::currentDate();
        ElsoNap = int(QDate(ma.year() - 5, 1, 1).toJulianDay());
        KiadasVege = int(ma.toJulianDay());
        UtolsoNap = KiadasVege - 30;
    }
    QElapsedTimer ora;
    ora.start();
    try {
        std::printf("Postal codes: %s\n", qPrintable(QFileInfo(b.irsz).absoluteFilePath()));
        if (!Adatmappa::Keszit(b.mappa, b.irsz)) {
            std::fprintf(stderr, "The folder already holds a database: %s\n", qPrintable(b.mappa));
            return 1;
        }
        std::printf("Data folder built: %s (%.2f s)\n", qPrintable(b.mappa),
                    double(ora.elapsed()) / 1000.0);
        {
            Kapcsolat k(QStringLiteral("nagy_adatmappa"));
            k.nyit(b.mappa);
            Feltolt(k, b);
            std::printf("Records:\n");
            for (const char* t : {"ugyfel", "tipus", "tervezo", "szakag", "tervfajta",
                                  "tervszakasz", "irsz", "terv", "terv_sor", "tervkiad"}) {
                QSqlQuery q =
                    k.sql(QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(t)));
                q.next();
                std::printf("  %-12s %10lld\n", t, q.value(0).toLongLong());
            }
            k.zar();
        }
        std::printf("Database size: %.1f MB\n",
                    double(QFileInfo(SqliteMotor::AdatFajl(b.mappa)).size()) / 1048576.0);
        std::printf("Total time: %.2f s\n", double(ora.elapsed()) / 1000.0);
    } catch (const PelvanoHiba& h) {
        std::fprintf(stderr, "%s\n", h.what());
        return 1;
    }
    return 0;
}
