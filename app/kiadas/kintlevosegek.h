#pragma once

// What is out now, by holder: every drawing set and every bundle of
// correspondence whose line says it is out, with its open log record (the
// newest of its kind for the line), grouped by holder in Hungarian name
// order, each with the days it has been out.

#include <QAbstractItemModel>
#include <QDate>
#include <QList>
#include <QString>

class Kapcsolat;

namespace Kintlevosegek {

// The days out from which an item is overdue, when Pelvano.ini says nothing
// ([Kintlevoseg] Napok).
constexpr int AlapKuszob = 30;

struct Tetel {
    int terv = 0;
    int sor = 0;
    QString tervszam;
    QString targy;       // the plan's subject
    QString reszmuvelet; // the line's sub-task
    QChar fajta;         // 'T' drawing set, 'L' correspondence
    QDate kiadva;        // the issue date (the line's when no log record)
    QString engedelyezo; // the authoriser of the open log record
    int napok = 0;       // days out until the day asked
    bool lejart = false; // out for more days than the threshold

    // "tervrajz" or "levelezés".
    QString fajtaNev() const;
};

struct Birtokos {
    QString nev;
    QList<Tetel> tetelek; // the longest out first
    int leghosszabb = 0;  // the most days an item of this holder is out
};

// The holders of everything out on day `nap`, items over `kuszob` days
// marked overdue. Throws AdatbazisHiba.
QList<Birtokos> Olvas(Kapcsolat& k, const QDate& nap, int kuszob);

// The holders as a tree: a row for each holder (its name, count and longest
// time out in its first column), below it a row for each item. Items over
// the threshold say "LEJÁRT" in the last column and are bold and red.
class Modell : public QAbstractItemModel {
    Q_OBJECT
public:
    enum Oszlop { Tervszam, Targy, Sor, Fajta, Kiadva, Engedelyezo, Napok, Lejart, OszlopDb };
    static constexpr int TervSzerep = Qt::UserRole;
    static constexpr int SorSzerep = Qt::UserRole + 1;

    explicit Modell(QList<Birtokos> birtokosok, QObject* szulo = nullptr);

    const QList<Birtokos>& birtokosok() const { return m_b; }
    // The item of an index; nullptr for a holder's row.
    const Tetel* tetel(const QModelIndex& i) const;

    QModelIndex index(int sor, int oszlop, const QModelIndex& szulo = {}) const override;
    QModelIndex parent(const QModelIndex& i) const override;
    int rowCount(const QModelIndex& szulo = {}) const override;
    int columnCount(const QModelIndex& szulo = {}) const override;
    QVariant data(const QModelIndex& i, int szerep = Qt::DisplayRole) const override;
    QVariant headerData(int oszlop, Qt::Orientation o, int szerep = Qt::DisplayRole) const override;

private:
    QList<Birtokos> m_b;
};

} // namespace Kintlevosegek
