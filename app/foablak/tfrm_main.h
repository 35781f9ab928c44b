#pragma once

// The main window: the plan register with the plan list and the lines of
// the current plan, its menus, toolbars and status bar; start-up and the
// close that writes Pelvano.ini.

#include "adatzar.h"
#include "foablak/tbeall.h"
#include "kapcsolat.h"
#include "termek.h"
#include "torzs/torzs.h"

#include <QHash>
#include <QMainWindow>

class QAction;
class QLabel;
class QLineEdit;
class QTableView;
class RacsModell;
class TablaModell;
class TervListaModell;
class QThread;

class Tfrm_Main : public QMainWindow {
    Q_OBJECT
public:
    static inline const QString Verzio = QStringLiteral("Pelvano V") + Termek::Verzio;

    explicit Tfrm_Main(QWidget* szulo = nullptr);
    ~Tfrm_Main() override;

    // The start-up sequence. False: the program ends (the reason has been
    // shown); nothing is written to Pelvano.ini then.
    bool Inditas();

    void IniBeolvas();
    void IniMent();
    void BelepesBeolvas();

    // Orders the plan list by a column, keeping the current plan, and shows
    // the column's label.
    void Rendez(const QString& oszlop, const QString& cimke);
    // Reopens the plan list (order and filter as they are) and stands on the
    // plan with the key, or on the first plan when it is not listed.
    void QryUjranyit(int kulcs);
    // Stands on the plan with the key when the list shows it; false if not.
    bool TervKeres(int kulcs);

    // Writes the filter mark: "UPDATE terv SET szur=<flag> WHERE <feltetel>;".
    void SzurBeallit(const QString& feltetel, const QString& jel);

    // Hands a file, URL or program to the desktop without waiting.
    static void Indit(const QString& cel);

    TBeall& Beall() { return m_beall; }
    Kapcsolat& Db1() { return m_db1; }
    // The key of the current plan, 0 for an empty list.
    int AktualisTerv() const;
    // The row of the current line in TblSor, -1 when the plan has none.
    int AktualisSor() const;
    QAction* Akcio(const QString& nev) const { return m_akciok.value(nev); }
    // Today's daily archive is being made.
    bool NapiArchivFut() const { return m_archivSzal != nullptr; }

    // The pick-mode call of the master lists (the real list windows unless
    // a test puts its own).
    void setTorzsValaszto(TorzsValaszto v) { m_valaszto = std::move(v); }

    TervListaModell* Qry = nullptr;
    TablaModell* TblSor = nullptr;
    QTableView* DBGrid1 = nullptr;
    QTableView* DBGrid2 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLabel* Panel3 = nullptr;
    QLabel* lblSorrend = nullptr;
    QLabel* StatusPanel[5] = {};

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* obj, QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void ablakEpit();
    void akciokBekot();
    void archival();
    // Starts today's archive beside the window's work when the INI asks for
    // it and it is not there yet.
    void napiArchiv();
    void QryNyit();
    void TblSorNyit();
    void sorokKovetik();
    void HintMutat(const QString& hint);
    void oszlopSzelessegek();
    void gyorsKereses(const QString& szoveg);
    void szurValt();
    void szurMegszuntet();
    void szurTorzsbol(TorzsFajta fajta, const QString& oszlop);

    Kapcsolat m_db1;
    // Held shared while the program runs on its data source.
    AdatZar m_mappaZar;
    TBeall m_beall;
    QHash<QString, QAction*> m_akciok;
    RacsModell* m_tervRacs = nullptr;
    RacsModell* m_sorRacs = nullptr;
    TorzsValaszto m_valaszto;
    QString m_rendezOszlop = QStringLiteral("tervszam");
    bool m_indult = false;
    bool m_megjelent = false;
    bool m_napiArchiv = false;
    QString m_iniPath; // [Database] Path as Pelvano.ini gave it
    int m_archivMegtart = 30;
    int m_kintNapok = 30;
    QThread* m_archivSzal = nullptr;
};
