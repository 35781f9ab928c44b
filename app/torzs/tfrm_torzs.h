#pragma once

// The list window of the master lists: one pattern (Tfrm_Torzs) and its six
// members, in browse mode and in pick mode ("Valaszto").

#include "torzs/torzs.h"

#include <QDialog>
#include <QLineEdit>
#include <memory>

class Kapcsolat;
class QAction;
class QMenu;
class QTableView;
class QToolBar;
class TorzsTabla;

// The incremental search box of a list window. The whole text is selected
// when the box gets the focus; Up, Down, Page Up and Page Down move the grid.
// The window's shortcuts (WindowShortcut actions) reach the window from the
// box as well: a line edit claims none of their keys for itself.
class TorzsKeresoMezo : public QLineEdit {
    Q_OBJECT
public:
    TorzsKeresoMezo(QWidget* racs, QWidget* szulo);

protected:
    void focusInEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    QWidget* m_racs;
};

class Tfrm_Torzs : public QDialog {
    Q_OBJECT
public:
    // The member's list window with its table opened in name order; a
    // missing table throws AdatbazisHiba with the engine's message.
    static std::unique_ptr<Tfrm_Torzs> Letrehoz(TorzsFajta fajta, Kapcsolat& kapcsolat,
                                                bool valaszto, QWidget* szulo = nullptr);
    ~Tfrm_Torzs() override;

    const TorzsLeiras& Leiras() const { return m_leiras; }
    // Pick mode: "Elfogad" is offered. Fixed when the window is created.
    bool Valaszto() const { return m_valaszto; }
    TorzsTabla& Tabla() { return *m_tabla; }

    // Stands on the row with the key; without one, on the first row.
    void Allj(int kulcs);
    // The current row (-1: none) and its key (0: none).
    int AktualisSor() const;
    int AktualisKulcs() const;

    TorzsKeresoMezo* edtKeres;
    QTableView* DBGrid1;
    QToolBar* ToolBar1;
    QMenu* PopupMenu1;
    QAction* aUj;
    QAction* aSzerkeszt;
    QAction* aTorol;
    QAction* aNyomtat = nullptr; // clients only
    QAction* aElfogad;
    QAction* aBezar;

protected:
    Tfrm_Torzs(TorzsFajta fajta, Kapcsolat& kapcsolat, bool valaszto, QWidget* szulo);
    void showEvent(QShowEvent* e) override;

private:
    QAction* akcio(const char* nev, const QString& felirat, const QList<QKeySequence>& billentyuk,
                   const char* ikon);
    void setAktualisSor(int sor);
    void kereses(const QString& szoveg);
    void szerkeszto(bool uj);
    void torol();
    void nyomtat();
    void ketszeres();

    const TorzsLeiras& m_leiras;
    Kapcsolat& m_kapcsolat;
    const bool m_valaszto;
    std::unique_ptr<TorzsTabla> m_tabla;
};

// The members: each only names its description.
class Tfrm_TorzsUgyfel : public Tfrm_Torzs {
    Q_OBJECT
public:
    explicit Tfrm_TorzsUgyfel(Kapcsolat& k, bool valaszto = false, QWidget* szulo = nullptr)
        : Tfrm_Torzs(TorzsFajta::Ugyfel, k, valaszto, szulo) {}
};

class Tfrm_TorzsTipus : public Tfrm_Torzs {
    Q_OBJECT
public:
    explicit Tfrm_TorzsTipus(Kapcsolat& k, bool valaszto = false, QWidget* szulo = nullptr)
        : Tfrm_Torzs(TorzsFajta::Tipus, k, valaszto, szulo) {}
};

class Tfrm_TorzsTervezo : public Tfrm_Torzs {
    Q_OBJECT
public:
    explicit Tfrm_TorzsTervezo(Kapcsolat& k, bool valaszto = false, QWidget* szulo = nullptr)
        : Tfrm_Torzs(TorzsFajta::Tervezo, k, valaszto, szulo) {}
};

class Tfrm_TorzsSzakag : public Tfrm_Torzs {
    Q_OBJECT
public:
    explicit Tfrm_TorzsSzakag(Kapcsolat& k, bool valaszto = false, QWidget* szulo = nullptr)
        : Tfrm_Torzs(TorzsFajta::Szakag, k, valaszto, szulo) {}
};

class Tfrm_TorzsTervfajta : public Tfrm_Torzs {
    Q_OBJECT
public:
    explicit Tfrm_TorzsTervfajta(Kapcsolat& k, bool valaszto = false, QWidget* szulo = nullptr)
        : Tfrm_Torzs(TorzsFajta::Tervfajta, k, valaszto, szulo) {}
};

class Tfrm_TorzsTervszakasz : public Tfrm_Torzs {
    Q_OBJECT
public:
    explicit Tfrm_TorzsTervszakasz(Kapcsolat& k, bool valaszto = false, QWidget* szulo = nullptr)
        : Tfrm_Torzs(TorzsFajta::Tervszakasz, k, valaszto, szulo) {}
};

// Shows the list modally. kulcs: the row to stand on (-1 or an unknown key:
// the first row). valaszto: pick mode. Returns the accepted row's key (0 for
// an empty list) or -1 when closed without accepting (always -1 in browse
// mode). A missing table shows the engine's error and returns -1.
int ShowTorzs(TorzsFajta fajta, Kapcsolat& kapcsolat, int kulcs, bool valaszto,
              QWidget* szulo = nullptr);

// The pick-mode call through the real list windows on `kapcsolat`.
TorzsValaszto TorzsValasztoAblak(Kapcsolat& kapcsolat, QWidget* szulo = nullptr);
