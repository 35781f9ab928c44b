#pragma once

// The issue dialog ("Tervrajz/Levelezés kiadás") of one kind of a plan line:
// the line as it will be after the issue, the recipient, the authoriser and
// the note; "Kiad" issues once, "Nyomtat" then prints the issue sheet.

#include "kiadas/kiadas.h"

#include <QDialog>
#include <QStringList>

class Kapcsolat;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

class Tfrm_LevKiad : public QDialog {
    Q_OBJECT
public:
    // The controls of one tab ("Tervrajz" or "Tervirat").
    struct Lap {
        QWidget* lap = nullptr;
        QLineEdit* sor = nullptr;
        QLineEdit* reszmuvelet = nullptr;
        QCheckBox* bent = nullptr;
        QLineEdit* kiadva = nullptr;
        QComboBox* kinek = nullptr;
        QComboBox* engedelyezo = nullptr;
        QPlainTextEdit* megjegyzes = nullptr;
        QPushButton* nyomtat = nullptr;
        QPushButton* kiad = nullptr;
        QPushButton* bezar = nullptr;
    };

    // The dialog on line `sor` of plan `terv`, showing the tab of the kind.
    // Reads the line and the pick lists; errors throw AdatbazisHiba.
    Tfrm_LevKiad(Kapcsolat& k, int terv, int sor, KiadasFajta fajta, QWidget* szulo = nullptr);

    const Lap& lap(KiadasFajta fajta) const { return m_lapok[int(fajta)]; }
    // The key of the log record "Kiad" wrote; 0 before.
    int kulcs() const { return m_kulcs; }

    QTabWidget* PageControl;

private:
    // What both tabs show of the line, and the pick lists.
    struct LapAdat {
        QString sor, reszmuvelet;
        QString kinel[2]; // the holder of each kind
        QStringList cimzettek, engedelyezok;
    };
    Lap lapEpit(KiadasFajta fajta, const LapAdat& adat);
    void kiad();
    void nyomtat();

    Kapcsolat& m_k;
    int m_terv, m_sor;
    KiadasFajta m_fajta;
    Lap m_lapok[2];
    int m_kulcs = 0;
};

// Runs the issue dialog of the kind (page 0: drawing set, 1: correspondence)
// on line `sor` of plan `terv`.
void ShowLevKiad(Kapcsolat& k, int terv, int sor, int page, QWidget* szulo = nullptr);
