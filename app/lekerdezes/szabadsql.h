#pragma once

// The free SQL window's work without the window: how a typed statement is
// run, the SQL files, and the result as an item model that shows its first
// rows at once and reads the rest of a large result while the user looks.

#include "lekerdezes/szovegexport.h"

#include <QAbstractTableModel>
#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QStringList>
#include <QTimer>
#include <QVector>
#include <memory>

class EredmenyTar;
class Kapcsolat;

// The rows of a query typed by a user. Opening reads the first part of the
// result; the rest is read in small portions between the events of the
// window, so the grid can be used at once and grows until the query is read
// to its end. Rows are read back from the engine's store a block at a time.
class SqlEredmenyModell : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit SqlEredmenyModell(QObject* szulo = nullptr);
    ~SqlEredmenyModell() override;

    // Opens the query (closing the former result first). A statement the
    // engine refuses throws AdatbazisHiba and leaves the result closed.
    void nyit(Kapcsolat& k, const QString& utasitas);
    void zar();
    bool nyitva() const { return m_tar != nullptr; }
    // Whether the whole result has been read.
    bool kesz() const;
    // Reads the rest of the result at once (for the export); an error of
    // the engine closes the result and throws AdatbazisHiba.
    void mindetBeolvas();

    // The columns: names, and the kind of each, by the schema where the
    // column comes straight from a table column, by its first value
    // otherwise.
    QStringList nevek() const { return m_nevek; }
    QList<OszlopFajta> fajtak() const { return m_fajtak; }

    // The rows the grid knows of as data set for the export, read straight
    // from the store (valid while the result stays open).
    std::unique_ptr<ExportForras> exportForras() const;

    int rowCount(const QModelIndex& szulo = QModelIndex()) const override;
    int columnCount(const QModelIndex& szulo = QModelIndex()) const override;
    // Display: the values' text forms of the export (dates in the short date
    // format); edit role: the stored value.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation o, int role = Qt::DisplayRole) const override;

    // The rows read at opening, the time one portion of the background
    // reading may take, and how often the grid is told of the new rows.
    static constexpr int ElsoResz = 1000;
    static constexpr int ReszIdoMs = 40;
    static constexpr int JelzesIdoMs = 250;

signals:
    // The engine failed while the rest of the result was read in the
    // background; the result has been closed.
    void olvasasiHiba(const QString& uzenet);

private:
    void tovabbOlvas();
    // Tells the views of the rows read since they were last told.
    void ujSorok();
    const QVector<QVariant>& sor(int hely) const;

    std::unique_ptr<EredmenyTar> m_tar;
    QStringList m_nevek;
    QList<OszlopFajta> m_fajtak;
    QTimer m_idozito;
    QElapsedTimer m_jelzes;
    int m_sorSzam = 0; // the rows the views know of
    static constexpr int Blokk = 256;
    mutable QHash<int, QVector<QVector<QVariant>>> m_blokkok;
};

namespace SzabadSql {

// A statement is opened as a query when, without its leading and trailing
// spaces and line breaks and in upper case, it begins with "SELECT";
// otherwise it is executed as a command.
bool Lekerdezes(const QString& utasitas);

// Runs a typed statement (the local dialect): closes the former result,
// then opens the statement as a query into `eredmeny` or executes it as a
// command, as the prefix rule says. A statement the engine refuses throws
// AdatbazisHiba; the result is closed then.
enum class Futas { Lekerdezes, Parancs };
Futas Futtat(Kapcsolat& k, SqlEredmenyModell& eredmeny, const QString& utasitas);

// The starting folder of the file dialogs: the program folder's "SQL"
// folder while it exists, the desktop's default (empty) otherwise.
QString Mappa();

// The lines of a text: a line break ends a line (CR LF, LF or CR), so a
// text that ends with one has no empty last line.
QStringList Sorok(const QString& szoveg);

// An SQL file: windows-1250 text, every line followed by CR LF. Reading
// gives the file's lines; writing replaces the whole file only when all of
// it was written. Failures throw PelvanoHiba with the system's message.
QStringList FajlOlvas(const QString& fajl);
void FajlIras(const QString& fajl, const QStringList& sorok);

// The export: separator and the file name proposed before the first one.
inline const QString ExportHatarolo = QStringLiteral("|");
inline const QString ExportAlapNev = QStringLiteral("Mizval_exp.csv");

} // namespace SzabadSql
