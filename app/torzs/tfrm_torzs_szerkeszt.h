#pragma once

// The edit dialogs of the master lists. They have no table of their own:
// they edit the pending row (new or edited) of their list window's table,
// bound through a QDataWidgetMapper. "OK" stores the row and closes; when the
// engine refuses, its message goes to the general error handling and the
// dialog stays open with the row pending. Every other way out leaves the row
// to be discarded by the list window.

#include "torzs/torzs.h"

#include <QDialog>
#include <memory>

class Kapcsolat;
class QDataWidgetMapper;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class TorzsTabla;

class Tfrm_TorzsSzerkeszt : public QDialog {
    Q_OBJECT
public:
    // The member's dialog on the pending row `sor` of `tabla`.
    static std::unique_ptr<Tfrm_TorzsSzerkeszt> Letrehoz(TorzsTabla& tabla, Kapcsolat& kapcsolat,
                                                         int sor, QWidget* szulo = nullptr);

    // The edit field bound to a column (nullptr when the dialog has none).
    QLineEdit* Mezo(const QString& oszlop) const;

    QPushButton* btnOK;
    QPushButton* btnMegsem;

protected:
    Tfrm_TorzsSzerkeszt(TorzsTabla& tabla, int sor, QWidget* szulo);

    // A one-line field named "edt" + column, bound to the column, taking at
    // most as many characters as the column holds, with the focus colour.
    QLineEdit* mezo(QWidget* szulo, const QString& oszlop);
    // Binds any widget to a column through the given property.
    void kapcsol(QWidget* w, const QString& oszlop, const QByteArray& tulajdonsag = {});
    // Done building: the fields show the row, Enter moves the focus.
    void befejez();

    TorzsTabla& m_tabla;

private:
    void ok();

    int m_sor;
    QDataWidgetMapper* m_mapper;
};

// The single-name pattern: the label above one field bound to the name
// column, then "OK" and "Mégsem" side by side.
class Tfrm_TorzsNevSzerkeszt : public Tfrm_TorzsSzerkeszt {
    Q_OBJECT
public:
    QLabel* lblNev;
    QLineEdit* edtNev;

protected:
    Tfrm_TorzsNevSzerkeszt(TorzsTabla& tabla, int sor, QWidget* szulo);
};

class Tfrm_TorzsTipus_Szerkeszt : public Tfrm_TorzsNevSzerkeszt {
    Q_OBJECT
public:
    Tfrm_TorzsTipus_Szerkeszt(TorzsTabla& tabla, int sor, QWidget* szulo = nullptr)
        : Tfrm_TorzsNevSzerkeszt(tabla, sor, szulo) {}
};

class Tfrm_TorzsTervezo_Szerkeszt : public Tfrm_TorzsNevSzerkeszt {
    Q_OBJECT
public:
    Tfrm_TorzsTervezo_Szerkeszt(TorzsTabla& tabla, int sor, QWidget* szulo = nullptr)
        : Tfrm_TorzsNevSzerkeszt(tabla, sor, szulo) {}
};

class Tfrm_TorzsSzakag_Szerkeszt : public Tfrm_TorzsNevSzerkeszt {
    Q_OBJECT
public:
    Tfrm_TorzsSzakag_Szerkeszt(TorzsTabla& tabla, int sor, QWidget* szulo = nullptr)
        : Tfrm_TorzsNevSzerkeszt(tabla, sor, szulo) {}
};

class Tfrm_TorzsTervfajta_Szerkeszt : public Tfrm_TorzsNevSzerkeszt {
    Q_OBJECT
public:
    Tfrm_TorzsTervfajta_Szerkeszt(TorzsTabla& tabla, int sor, QWidget* szulo = nullptr)
        : Tfrm_TorzsNevSzerkeszt(tabla, sor, szulo) {}
};

class Tfrm_TorzsTervszakasz_Szerkeszt : public Tfrm_TorzsNevSzerkeszt {
    Q_OBJECT
public:
    Tfrm_TorzsTervszakasz_Szerkeszt(TorzsTabla& tabla, int sor, QWidget* szulo = nullptr)
        : Tfrm_TorzsNevSzerkeszt(tabla, sor, szulo) {}
};

// The client dialog: pages "Részletes" with every client column and
// "Megjegyzés" with the notes; the town is filled in from the postal code
// whenever the focus leaves "irsz.".
class Tfrm_TorzsUgyfel_Szerkeszt : public Tfrm_TorzsSzerkeszt {
    Q_OBJECT
public:
    Tfrm_TorzsUgyfel_Szerkeszt(TorzsTabla& tabla, Kapcsolat& kapcsolat, int sor,
                               QWidget* szulo = nullptr);

    QTabWidget* pgcLapok;
    QWidget* tabReszletes;
    QWidget* tabMegjegyzes;
    QLineEdit* edtUgyfel_nev;
    QLineEdit* edtTelefon;
    QLineEdit* edtFax;
    QLineEdit* edtMobil;
    QLineEdit* edtEmil;
    QLineEdit* edtHonlap;
    QLineEdit* edtKapcstarto;
    QLineEdit* edtCim_irsz;
    QLineEdit* edtCim_varos;
    QLineEdit* edtCim_cim;
    QPlainTextEdit* memMegjegyzes;

protected:
    bool eventFilter(QObject* obj, QEvent* e) override;

private:
    void irszElhagyva();

    Kapcsolat& m_kapcsolat;
};
