#pragma once

// The delimited text export dialog ("Határolt szöveg export"): the columns
// to export, the separator, the text qualifier, the file; progress and stop.
// The lines are made by SzovegExportFormatum::HataroltSorok and written in
// one piece at the end.

#include <QDialog>

class ExportForras;
class QListWidget;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QToolButton;

class Tfrm_Hatarolt : public QDialog {
    Q_OBJECT
public:
    Tfrm_Hatarolt(ExportForras& forras, const QString& fajlNev, QWidget* szulo = nullptr);

    bool fut() const { return m_fut; }

public slots:
    void exportIndit();
    void megallit();
    void tallozas();
    void reject() override;

private:
    ExportForras& m_forras;
    bool m_fut = false;
    bool m_megallit = false;

    QListWidget* m_oszlopok;
    QRadioButton* m_pontosvesszo;
    QRadioButton* m_tabulator;
    QRadioButton* m_vesszo;
    QRadioButton* m_idezojel;
    QRadioButton* m_aposztrof;
    QRadioButton* m_semmi;
    QLineEdit* m_fajl;
    QToolButton* m_tallozas;
    QPushButton* m_megallitGomb;
    QPushButton* m_exportGomb;
    QPushButton* m_bezar;
    QProgressBar* m_haladas;
};

// Shows the export dialog on a data set with the proposed file name and
// returns when it closes.
void ShowHatarolt(ExportForras& forras, const QString& fajlNev, QWidget* szulo = nullptr);
