#pragma once

// The main window: start-up, the plan list and the lines of the current
// plan, the status bar, and the close that writes Pelvano.ini.

#include "kapcsolat.h"
#include "tbeall.h"

#include <QMainWindow>
#include <memory>

class QLabel;
class QSqlQueryModel;
class QTableView;
class TablaModell;

class Tfrm_Main : public QMainWindow {
    Q_OBJECT
public:
    static inline const QString Verzio = QStringLiteral("Pelvano V2.1.0.67");

    explicit Tfrm_Main(QWidget* szulo = nullptr);
    ~Tfrm_Main() override;

    // The start-up sequence. False: the program ends (the reason has been
    // shown); nothing is written to Pelvano.ini then.
    bool Inditas();

    void IniBeolvas();
    void IniMent();
    void BelepesBeolvas();
    // Orders the plan list by a column and shows the column's label.
    void Rendez(const QString& oszlop, const QString& cimke);

    // Hands a file, URL or program to the desktop without waiting.
    static void Indit(const QString& cel);

    TBeall& Beall() { return m_beall; }
    Kapcsolat& Db1() { return m_db1; }
    // The key of the current plan, 0 for an empty list.
    int AktualisTerv() const;

    QSqlQueryModel* Qry = nullptr;
    TablaModell* TblSor = nullptr;
    QTableView* DBGrid1 = nullptr;
    QTableView* DBGrid2 = nullptr;
    QLabel* Panel3 = nullptr;
    QLabel* lblSorrend = nullptr;
    QLabel* StatusPanel[5] = {};

protected:
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void ablakEpit();
    void mappakLetrehoz();
    void kapcsolodik();
    void QryNyit();
    void TblSorNyit();
    void sorokKovetik();
    void HintMutat(const QString& hint);

    Kapcsolat m_db1;
    TBeall m_beall;
    QString m_rendezOszlop = QStringLiteral("tervszam");
    bool m_indult = false;
    bool m_megjelent = false;
};
