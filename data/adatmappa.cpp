#include "adatmappa.h"

#include "jelszo.h"
#include "kapcsolat.h"
#include "sema.h"
#include "sqlitemotor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

// The delivered postal codes are built into the programs (a static
// library's resources are loaded by hand before the first use).
static void irszBetoltese() {
    static const bool kesz = [] {
        Q_INIT_RESOURCE(adat);
        return true;
    }();
    Q_UNUSED(kesz);
}

namespace Adatmappa {

QString SzallitottIrsz() {
    irszBetoltese();
    return QStringLiteral(":/adat/irsz.csv");
}

void SemaLetrehoz(Kapcsolat& k) {
    Tranzakcio t(k);
    for (const Sema::Tabla& tabla : Sema::Tablak()) {
        k.sql(Sema::LetrehozoSql(tabla));
        const QString index = Sema::NevIndexSql(tabla);
        if (!index.isEmpty())
            k.sql(index);
    }
    t.kesz();
}

void KezdoAdatok(Kapcsolat& k) {
    Tranzakcio t(k);
    k.sql(QStringLiteral("INSERT INTO beallit (vanbelep) VALUES ('N')"));
    k.sql(QStringLiteral("INSERT INTO tulajdonos (tulajdonos, telefon, mobil, fax, irsz, varos, "
                         "cim, adoszam, bankszamlaszam) VALUES (:nev, :tel, :mobil, :fax, :irsz, "
                         ":varos, :cim, :ado, :bank)"),
          {{QStringLiteral("nev"), QStringLiteral("Minta Tervező Iroda Kft.")},
           {QStringLiteral("tel"), QStringLiteral("+36 1 234 5678")},
           {QStringLiteral("mobil"), QStringLiteral("+36 30 123 4567")},
           {QStringLiteral("fax"), QStringLiteral("+36 1 234 5679")},
           {QStringLiteral("irsz"), QStringLiteral("1052")},
           {QStringLiteral("varos"), QStringLiteral("Budapest")},
           {QStringLiteral("cim"), QStringLiteral("Váci utca 1.")},
           {QStringLiteral("ado"), QStringLiteral("12345678241")},
           {QStringLiteral("bank"), QStringLiteral("117000001234567800000000")}});
    k.sql(QStringLiteral("INSERT INTO felhasznalo (felhasznalo, felhasznalo_nev, jelszo, "
                         "rendszergazda, iras, olvasas, torzsszerkeszt) VALUES (:f, :nev, :j, "
                         "'I', 'I', 'I', 'I')"),
          {{QStringLiteral("f"), KezdoFelhasznalo},
           {QStringLiteral("nev"), QStringLiteral("Rendszergazda")},
           {QStringLiteral("j"), Jelszo::Hash(KezdoJelszo)}});
    t.kesz();
}

int IrszBetolt(Kapcsolat& k, const QString& csvFajl) {
    QFile f(csvFajl);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        throw PelvanoHiba(QStringLiteral("Az irányítószám-állomány nem nyitható meg: %1\r\n%2")
                              .arg(csvFajl, f.errorString()));
    const QStringList sorok = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
    Tranzakcio t(k);
    int db = 0;
    for (int i = 1; i < sorok.size(); ++i) {
        const QString sor = sorok.at(i).trimmed();
        if (sor.isEmpty())
            continue;
        const QStringList mezok = sor.split(QLatin1Char(';'));
        bool ok = false;
        const int id = mezok.value(0).toInt(&ok);
        if (mezok.size() != 3 || !ok)
            throw PelvanoHiba(
                QStringLiteral("Hibás irányítószám-sor (%1. sor): %2").arg(i + 1).arg(sor));
        k.sql(QStringLiteral("INSERT INTO irsz (id, irsz, varos) VALUES (:id, :irsz, :varos)"),
              {{QStringLiteral("id"), id},
               {QStringLiteral("irsz"), mezok.at(1)},
               {QStringLiteral("varos"), mezok.at(2)}});
        ++db;
    }
    t.kesz();
    return db;
}

bool Keszit(const QString& mappa, const QString& irszCsv) {
    if (!QDir().mkpath(mappa))
        throw PelvanoHiba(QStringLiteral("A mappa nem hozható létre: %1").arg(mappa));
    const QString cel = SqliteMotor::AdatFajl(mappa);
    if (QFileInfo::exists(cel))
        return false;
    const QString ideiglenes = QDir(mappa).filePath(
        QStringLiteral(".pelvano-%1.tmp").arg(QUuid::createUuid().toString(QUuid::Id128)));
    try {
        Kapcsolat k(QStringLiteral("adatmappa-") + QUuid::createUuid().toString(QUuid::Id128));
        k.letrehoz(ideiglenes);
        SemaLetrehoz(k);
        KezdoAdatok(k);
        if (!irszCsv.isEmpty())
            IrszBetolt(k, irszCsv);
        k.zar();
    } catch (...) {
        QFile::remove(ideiglenes);
        throw;
    }
    // rename() never replaces an existing file: a database that appeared
    // meanwhile stays as it is.
    if (!QFile::rename(ideiglenes, cel)) {
        QFile::remove(ideiglenes);
        return false;
    }
    return true;
}

bool SzerverenKeszit(const QString& szerver, const QString& irszCsv) {
    Kapcsolat k(QStringLiteral("adatbazis-") + QUuid::createUuid().toString(QUuid::Id128));
    k.nyit(Adatforras{QString(), szerver}, true);
    for (const Sema::Tabla& t : Sema::Tablak())
        if (!k.tablaNev(t.nev).isEmpty())
            return false;
    try {
        SemaLetrehoz(k);
        KezdoAdatok(k);
        if (!irszCsv.isEmpty())
            IrszBetolt(k, irszCsv);
    } catch (...) {
        // Nothing half built is left behind.
        for (const Sema::Tabla& t : Sema::Tablak()) {
            try {
                k.sql(QStringLiteral("DROP TABLE IF EXISTS %1").arg(t.nev));
            } catch (const AdatbazisHiba&) {
            }
        }
        throw;
    }
    return true;
}

} // namespace Adatmappa
