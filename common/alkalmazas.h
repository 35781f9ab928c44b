#pragma once

// The application object of both programs. It gives them the general error
// handling: an error (PelvanoHiba or another std::exception) that leaves an
// event handler or a slot is shown by Seged::AltalanosHiba, and the program
// goes on with the next event. It can also turn every mouse-wheel turn into
// the Up or Down key, so that one notch moves a grid's selection by one row.
// Qt's own texts appear in Hungarian.

#include <QApplication>

class QLocale;
class QWheelEvent;

class SegedAlkalmazas : public QApplication {
    Q_OBJECT
public:
    SegedAlkalmazas(int& argc, char** argv);

    bool notify(QObject* cel, QEvent* esemeny) override;

    // While on, a wheel event sent to a widget is replaced by a key press of
    // Qt::Key_Up or Qt::Key_Down delivered to that widget (the application
    // Pelvano switches it on).
    void setGorgoBillentyu(bool be) { m_gorgoBillentyu = be; }
    bool gorgoBillentyu() const { return m_gorgoBillentyu; }

    // The key of a wheel turn: Up when it turned forward (positive rotation),
    // Down for zero or negative rotation. Qt::Key_unknown for the events that
    // only open or close a scrolling gesture and carry no rotation.
    static Qt::Key gorgoBillentyuje(const QWheelEvent& esemeny);

    // The formats the programs use (dates, numbers): the workstation's
    // locale, or Hungarian where it names no language (C, POSIX).
    static QLocale Formatumok(const QLocale& rendszer);

private:
    bool kezbesit(QObject* cel, QEvent* esemeny);

    bool m_gorgoBillentyu = false;
};
