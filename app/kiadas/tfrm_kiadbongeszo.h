#pragma once

// The issue browser ("Kiadások böngésző"): the issue log of one kind of
// paper as a read-only list with the note of the current row, narrowed to
// what is still out by "Szűrés (csak kintlévő)", printed as the issued
// items report.

#include <QDialog>

class Kapcsolat;
class KiadasNaploModell;
class QAction;
class QMenu;
class QPlainTextEdit;
class QTableView;
class QToolBar;

class Tfrm_KiadBongeszo : public QDialog {
    Q_OBJECT
public:
    // The browser of kind 'T' (drawing sets) or 'L' (correspondence); reads
    // the log, errors throw AdatbazisHiba.
    Tfrm_KiadBongeszo(Kapcsolat& k, QChar fajta, QWidget* szulo = nullptr);
    ~Tfrm_KiadBongeszo() override;

    KiadasNaploModell* Qry;
    QTableView* DBGrid1;
    QPlainTextEdit* memMegjegyzes;
    QToolBar* ToolBar1;
    QMenu* PopupMenu1;
    QAction* aSzur;
    QAction* aNyomtat;
    QAction* aBezar;

private:
    void jegyzetMutat();

    Kapcsolat& m_k;
};

// Runs the issue browser of the kind.
void ShowKiadBongeszo(Kapcsolat& k, QChar fajta, QWidget* szulo = nullptr);
