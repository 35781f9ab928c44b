#pragma once

// The free SQL window: an SQL editor with colouring, the rows of a query on
// the page "Eredmény", SQL files, export of the rows.

#include <QDialog>

class Kapcsolat;
class QAction;
class QMenu;
class QMenuBar;
class QTabWidget;
class QTableView;
class QToolBar;
class QsciScintilla;
class SqlEredmenyModell;

class Tfrm_SQL : public QDialog {
    Q_OBJECT

public:
    explicit Tfrm_SQL(Kapcsolat& k, QWidget* szulo = nullptr);
    ~Tfrm_SQL() override;

    // The name of the SQL file last opened or saved.
    QString FajlNev;

    QMenuBar* MainMenu1;
    QToolBar* ToolBar1;
    QTabWidget* PageControl1;
    QsciScintilla* Memo1;
    QTableView* DBGrid1;
    QMenu* PopupMenu1; // the editor's
    QMenu* PopupMenu2; // the grid's
    SqlEredmenyModell* Qry;

    QAction *aUj, *aMegnyit, *aMent, *aExport, *aBezar;
    QAction *aKivag, *aMasol, *aBeilleszt, *aMindet, *aFuttat;

protected:
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void done(int eredmeny) override;

private:
    void futtat();
    void megnyit();
    void ment();
    void exportal();
    // Runs a clipboard action of the editor while the page "SQL" is shown.
    void szerkeszt(void (QsciScintilla::*muvelet)());
    void exportAllapot();
    // The error box of a statement the engine refused.
    void sqlHiba(const QString& uzenet);

    Kapcsolat& m_k;
    QString m_exportNev;
};

// "Szabad lekérdezés": the window, shown modally and destroyed when it closes.
void ShowSQL(Kapcsolat& k, QWidget* szulo);
