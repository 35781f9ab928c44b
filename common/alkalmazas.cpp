#include "alkalmazas.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "hiba.h"
#include "seged.h"

#include <QKeyEvent>
#include <QWheelEvent>
#include <exception>

SegedAlkalmazas::SegedAlkalmazas(int& argc, char** argv) : QApplication(argc, argv) {
    // A plain system locale (a fresh installation, a program started by a
    // service) would show English month names inside a Hungarian program.
    QLocale::setDefault(Formatumok(QLocale::system()));
    // Qt's own texts (file and print dialogs, the edit boxes' context menus,
    // message box buttons) in Hungarian, where the translation is installed.
    auto* forditas = new QTranslator(this);
    if (forditas->load(QLocale(QLocale::Hungarian, QLocale::Hungary), QStringLiteral("qtbase"),
                       QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(forditas);
}

QLocale SegedAlkalmazas::Formatumok(const QLocale& rendszer) {
    if (rendszer.language() == QLocale::C || rendszer.language() == QLocale::AnyLanguage)
        return QLocale(QLocale::Hungarian, QLocale::Hungary);
    return rendszer;
}

Qt::Key SegedAlkalmazas::gorgoBillentyuje(const QWheelEvent& esemeny) {
    const int forgas = esemeny.angleDelta().y();
    if (forgas == 0 && (esemeny.phase() == Qt::ScrollBegin || esemeny.phase() == Qt::ScrollEnd))
        return Qt::Key_unknown;
    return forgas > 0 ? Qt::Key_Up : Qt::Key_Down;
}

bool SegedAlkalmazas::notify(QObject* cel, QEvent* esemeny) {
    try {
        return kezbesit(cel, esemeny);
    } catch (const PelvanoHiba& hiba) {
        Seged::AltalanosHiba(hiba.uzenet());
    } catch (const std::exception& hiba) {
        Seged::AltalanosHiba(QString::fromLocal8Bit(hiba.what()));
    } catch (...) {
        Seged::AltalanosHiba(QStringLiteral("Ismeretlen hiba"));
    }
    return false;
}

bool SegedAlkalmazas::kezbesit(QObject* cel, QEvent* esemeny) {
    // Only the event that reaches a widget is turned into a key: the one that
    // first reaches the native window still has to find the widget under the
    // mouse.
    if (m_gorgoBillentyu && esemeny->type() == QEvent::Wheel && cel->isWidgetType()) {
        const Qt::Key billentyu = gorgoBillentyuje(*static_cast<QWheelEvent*>(esemeny));
        if (billentyu != Qt::Key_unknown) {
            // A plain key-down: no modifiers, no text, no repeat. Unhandled by
            // the receiver, it goes on to the receiver's parents as any key.
            QKeyEvent le(QEvent::KeyPress, billentyu, Qt::NoModifier);
            QApplication::notify(cel, &le);
        }
        esemeny->accept();
        return true;
    }
    return QApplication::notify(cel, esemeny);
}
