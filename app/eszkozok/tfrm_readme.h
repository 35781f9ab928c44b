#pragma once

// "Fontos információk": the delivered login, the letter-case remark, the
// requirements and the maker's contact, read-only.

#include <QDialog>

class QPlainTextEdit;

class Tfrm_Readme : public QDialog {
    Q_OBJECT
public:
    explicit Tfrm_Readme(QWidget* szulo = nullptr);

    // The fixed text of the window.
    static QString Szoveg();

    QPlainTextEdit* Memo1;
};
