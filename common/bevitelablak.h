#pragma once

// The modal text input dialog behind Seged::BevitelAblak. Its layout is
// measured in units of the dialog font's average character size, so that it
// grows with the font.

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

class BevitelAblakDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int MaxHossz = 255;

    BevitelAblakDialog(const QString& cim, const QString& kerdes, const QString& ertek,
                       QWidget* szulo = nullptr);

    QString ertek() const;

    QLabel* kerdesCimke() const { return m_kerdes; }
    QLineEdit* szovegMezo() const { return m_szoveg; }
    QPushButton* okGomb() const { return m_ok; }
    QPushButton* megsemGomb() const { return m_megsem; }

    // Layout unit: n quarters of the average character width (d = 4) or n
    // eighths of the character height (d = 8), rounded to whole pixels.
    static int egyseg(int n, int d, QSize betumeret);

private:
    QLabel* m_kerdes;
    QLineEdit* m_szoveg;
    QPushButton* m_ok;
    QPushButton* m_megsem;
};
