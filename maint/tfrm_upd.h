#pragma once

// The maintenance tool's window: the data folder, the two operations, the
// instructions, the status line and the progress bar.

#include "karbantarto.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

class Tfrm_Upd : public QDialog, private Kijelzo {
    Q_OBJECT

public:
    explicit Tfrm_Upd(QWidget* szulo = nullptr);

    // The folder box filled from IniMappa(), the title set.
    void Inditas();
    // The data folder of Pelvano.ini in the program folder, or the Data
    // folder under it.
    static QString IniMappa();
    // The database server of Pelvano.ini ([Database] Server), or empty.
    static QString IniSzerver();

    QLineEdit* edtMappa;
    QPushButton* btnKarbantartas;
    QPushButton* btnVerziovaltas;
    QPushButton* btnBezaras;
    QPlainTextEdit* memLeiras;
    QLabel* lblAllapot;
    QProgressBar* ProgressBar1;

    static const QString Verzio;
    // The instructions, line by line.
    static const QStringList Leiras;

private:
    void maximum(int ertek) override;
    void lepes() override;
    void alaphelyzet() override;
    void allapot(const QString& szoveg) override;
    void hiba(const QString& uzenet) override;
    void uzenet(const QString& uzenet) override;

    Karbantarto m_karbantarto;
};
