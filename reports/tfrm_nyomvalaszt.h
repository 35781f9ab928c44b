#pragma once

// The output choice of the reports: preview, print at once, or delimited
// text.

#include <QDialog>

class QRadioButton;
class QPushButton;

class Tfrm_NyomValaszt : public QDialog {
    Q_OBJECT
public:
    enum Kimenet { Megsem = -1, NyomtatasiKep = 0, Nyomtatas = 1, Csv = 2 };

    explicit Tfrm_NyomValaszt(QWidget* szulo = nullptr);

    // The selected option's index (0, 1, 2).
    int valasztas() const;

    QRadioButton* rbKep;
    QRadioButton* rbNyomtatas;
    QRadioButton* rbCsv;
    QPushButton* btnOK;
    QPushButton* btnMegsem;
};

// Shows the choice modally: 0 "Nyomtatási kép", 1 "Nyomtatás",
// 2 "Excelbe (CSV)" after "OK"; -1 otherwise.
int NyomValaszt(QWidget* szulo = nullptr);
