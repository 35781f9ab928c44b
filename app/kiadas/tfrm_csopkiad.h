#pragma once

// The group issue dialog ("Több tétel kiadása"): the plan's lines marked for
// issue, one recipient, authoriser and note for all; "Kiad" issues the
// drawing set of every marked line, "Nyomtat" then prints the issue sheet of
// the group.

#include "lapkod.h"

#include <QDialog>

class Kapcsolat;
class QComboBox;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

class Tfrm_CsopKiad : public QDialog {
    Q_OBJECT
public:
    // Reads the marked lines of plan `terv` and the pick lists; errors throw
    // AdatbazisHiba.
    Tfrm_CsopKiad(Kapcsolat& k, int terv, QWidget* szulo = nullptr);

    // The key of the first log record "Kiad" wrote; 0 before or when it
    // issued nothing.
    int kulcs() const { return m_kulcsok.elso; }

    QTableWidget* lstSorok;
    QComboBox* cbKinek;
    QComboBox* cbEngedelyezo;
    QPlainTextEdit* memMegjegyzes;
    QPushButton* btnNyomtat;
    QPushButton* btnKiad;
    QPushButton* btnBezar;

private:
    void kiad();

    Kapcsolat& m_k;
    int m_terv;
    LapKod::Tartomany m_kulcsok;
};

// Runs the group issue dialog for plan `terv`.
void ShowCsopKiad(Kapcsolat& k, int terv, QWidget* szulo = nullptr);
