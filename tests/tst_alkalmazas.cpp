// The application object of both programs: the general error handling and
// the mouse wheel acting as the Up and Down keys.

#include "alkalmazas.h"
#include "foablak/racs.h"
#include "hiba.h"
#include "lekerdezes/szovegexport.h"
#include "seged.h"
#include "uzenetteszt.h"

#include <QPushButton>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <QWindow>
#include <stdexcept>

namespace {

SegedAlkalmazas* alkalmazas() {
    return static_cast<SegedAlkalmazas*>(QCoreApplication::instance());
}

// Throws from its event handler what the test asks for.
class Dobo : public QObject {
public:
    int fajta = 0;
    int kezelt = 0;

protected:
    bool event(QEvent* e) override {
        if (e->type() != QEvent::User)
            return QObject::event(e);
        ++kezelt;
        switch (fajta) {
        case 1:
            throw PelvanoHiba(QStringLiteral("'abc' nem alakítható egész számmá"));
        case 2:
            throw std::runtime_error("disk full");
        case 3:
            throw PelvanoHiba(QStringLiteral("SQL hiba:\r\nno such table: terv"));
        default:
            return true;
        }
    }
};

QWheelEvent gorgetes(QPointF hely, QPointF globalis, int forgas,
                     Qt::ScrollPhase fazis = Qt::NoScrollPhase) {
    return QWheelEvent(hely, globalis, QPoint(), QPoint(0, forgas), Qt::NoButton, Qt::NoModifier,
                       fazis, false);
}

} // namespace

class TstAlkalmazas : public QObject {
    Q_OBJECT

private slots:
    void qtSzovegekMagyarul();
    void formatumok_data();
    void formatumok();
    void datumokMagyarulSimaRendszeren();
    void init();
    void cleanup();

    void hibaEsemenybol_data();
    void hibaEsemenybol();
    void hibaGombKattintasbol();
    void hibaIdozitobol();

    void gorgoBillentyuje_data();
    void gorgoBillentyuje();
    void gorgoSorValtas_data();
    void gorgoSorValtas();
    void gorgoKikapcsolva();

private:
    // A grid of 100 rows, shown, standing on row 3.
    void racs();
    // A wheel turn over the grid's viewport, delivered as the window system
    // delivers it: to the native window, which finds the widget under the mouse.
    void gorget(int forgas, Qt::ScrollPhase fazis = Qt::NoScrollPhase);

    std::unique_ptr<QTableView> m_nezet;
    std::unique_ptr<QStandardItemModel> m_modell;
};

void TstAlkalmazas::init() {
    UzenetTeszt::bekapcsol();
    Seged::ProgramCimBeallit("Pelvano");
}

void TstAlkalmazas::cleanup() {
    UzenetTeszt::kikapcsol();
    alkalmazas()->setGorgoBillentyu(false);
    m_nezet.reset();
    m_modell.reset();
}

void TstAlkalmazas::hibaEsemenybol_data() {
    QTest::addColumn<int>("fajta");
    QTest::addColumn<QString>("cim");
    QTest::addColumn<QString>("vart");
    QTest::newRow("PelvanoHiba") << 1 << "Pelvano"
                                 << "'abc' nem alakítható egész számmá.";
    QTest::newRow("std::exception") << 2 << "Pelvano"
                                    << "disk full.";
    QTest::newRow("sortöréssel végződő, karbantartó") << 3 << "Pelvano - adatbázis karbantartás"
                                                      << "SQL hiba:\r\nno such table: terv.";
}

// An error thrown by an event handler of a posted event, processed by the
// event loop: one box titled with the program's title, and the loop goes on.
void TstAlkalmazas::hibaEsemenybol() {
    QFETCH(int, fajta);
    QFETCH(QString, cim);
    QFETCH(QString, vart);
    Seged::ProgramCimBeallit(cim);

    Dobo dobo;
    dobo.fajta = fajta;
    QCoreApplication::postEvent(&dobo, new QEvent(QEvent::User));
    QCoreApplication::processEvents();
    QCOMPARE(dobo.kezelt, 1);
    const QList<UzenetTeszt::Ablak> vartAblak{{UzenetTeszt::Fajta::Altalanos, cim, vart}};
    QCOMPARE(UzenetTeszt::ablakok(), vartAblak);

    // The program goes on: the next event is handled as usual.
    dobo.fajta = 0;
    QCoreApplication::postEvent(&dobo, new QEvent(QEvent::User));
    QCoreApplication::processEvents();
    QCOMPARE(dobo.kezelt, 2);
    QCOMPARE(UzenetTeszt::ablakok().size(), 1);
}

// An action's slot that throws, run by a click on a button.
void TstAlkalmazas::hibaGombKattintasbol() {
    QPushButton gomb("Mentés");
    int lefutott = 0;
    QObject::connect(&gomb, &QPushButton::clicked, [&lefutott]() {
        ++lefutott;
        throw PelvanoHiba(QStringLiteral("Zárolt rekord"));
    });
    gomb.show();
    QVERIFY(QTest::qWaitForWindowExposed(&gomb));
    // The error leaves the release handler, so the release is not accepted.
    const char* elengedes = "Mouse event \"MouseRelease\" not accepted by receiving widget";
    QTest::ignoreMessage(QtWarningMsg, elengedes);
    QTest::mouseClick(&gomb, Qt::LeftButton);
    QCOMPARE(lefutott, 1);
    const QList<UzenetTeszt::Ablak> vart{
        {UzenetTeszt::Fajta::Altalanos, "Pelvano", "Zárolt rekord."}};
    QCOMPARE(UzenetTeszt::ablakok(), vart);
    // The button still works.
    QTest::ignoreMessage(QtWarningMsg, elengedes);
    QTest::mouseClick(&gomb, Qt::LeftButton);
    QCOMPARE(lefutott, 2);
    QVERIFY(!gomb.isDown());
}

void TstAlkalmazas::hibaIdozitobol() {
    bool utana = false;
    QTimer::singleShot(0, [] { throw std::runtime_error("timer"); });
    QTimer::singleShot(5, [&utana] { utana = true; });
    QTRY_VERIFY(utana);
    const QList<UzenetTeszt::Ablak> vart{{UzenetTeszt::Fajta::Altalanos, "Pelvano", "timer."}};
    QCOMPARE(UzenetTeszt::ablakok(), vart);
}

void TstAlkalmazas::gorgoBillentyuje_data() {
    QTest::addColumn<int>("forgas");
    QTest::addColumn<int>("fazis");
    QTest::addColumn<int>("vart");
    QTest::newRow("előre") << 120 << int(Qt::NoScrollPhase) << int(Qt::Key_Up);
    QTest::newRow("előre, kicsit") << 1 << int(Qt::NoScrollPhase) << int(Qt::Key_Up);
    QTest::newRow("hátra") << -120 << int(Qt::NoScrollPhase) << int(Qt::Key_Down);
    QTest::newRow("nulla") << 0 << int(Qt::NoScrollPhase) << int(Qt::Key_Down);
    QTest::newRow("gesztus közben előre") << 15 << int(Qt::ScrollUpdate) << int(Qt::Key_Up);
    QTest::newRow("gesztus kezdete") << 0 << int(Qt::ScrollBegin) << int(Qt::Key_unknown);
    QTest::newRow("gesztus vége") << 0 << int(Qt::ScrollEnd) << int(Qt::Key_unknown);
}

void TstAlkalmazas::qtSzovegekMagyarul() {
    // Qt's own buttons and menus speak Hungarian.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Mégse"));
    QCOMPARE(QCoreApplication::translate("QLineEdit", "&Copy"), QStringLiteral("&Másolás"));
}

void TstAlkalmazas::formatumok_data() {
    QTest::addColumn<QString>("rendszer");
    QTest::addColumn<QString>("vart");
    QTest::newRow("C") << "C"
                       << "hu_HU";
    QTest::newRow("POSIX") << "POSIX"
                           << "hu_HU";
    QTest::newRow("C.UTF-8") << "C.UTF-8"
                             << "hu_HU";
    QTest::newRow("chosen Hungarian") << "hu_HU"
                                      << "hu_HU";
    QTest::newRow("chosen German") << "de_DE"
                                   << "de_DE";
    QTest::newRow("chosen English") << "en_GB"
                                    << "en_GB";
}

void TstAlkalmazas::formatumok() {
    QFETCH(QString, rendszer);
    QFETCH(QString, vart);
    QCOMPARE(SegedAlkalmazas::Formatumok(QLocale(rendszer)).name(), vart);
}

void TstAlkalmazas::datumokMagyarulSimaRendszeren() {
    // The tests run with LANG=C.UTF-8: the program's dates are Hungarian.
    QCOMPARE(QLocale::system().language(), QLocale::C);
    QCOMPARE(QLocale().toString(QDate(2026, 1, 15), QLocale::ShortFormat),
             QStringLiteral("2026. 01. 15."));
    QCOMPARE(QLocale().toString(QDate(2026, 1, 15), QLocale::LongFormat),
             QStringLiteral("2026. január 15., csütörtök"));
    // The grids' and the export's dates alike.
    QCOMPARE(RacsDelegate::Szoveg(RacsDelegate::Fajta::Datum, QStringLiteral("2026-01-15")),
             QStringLiteral("2026. 01. 15."));
    QCOMPARE(SzovegExportFormatum::Szoveg(QStringLiteral("2026-01-15"), OszlopFajta::Datum),
             QStringLiteral("2026. 01. 15."));
}

void TstAlkalmazas::gorgoBillentyuje() {
    QFETCH(int, forgas);
    QFETCH(int, fazis);
    QFETCH(int, vart);
    const QWheelEvent e = gorgetes(QPointF(), QPointF(), forgas, Qt::ScrollPhase(fazis));
    QCOMPARE(int(SegedAlkalmazas::gorgoBillentyuje(e)), vart);
}

void TstAlkalmazas::racs() {
    m_modell = std::make_unique<QStandardItemModel>(100, 2);
    for (int i = 0; i < 100; ++i)
        m_modell->setItem(i, 0, new QStandardItem(QString::number(i)));
    m_nezet = std::make_unique<QTableView>();
    m_nezet->setModel(m_modell.get());
    m_nezet->resize(300, 400);
    m_nezet->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_nezet.get()));
    m_nezet->setCurrentIndex(m_modell->index(3, 0));
    m_nezet->verticalScrollBar()->setValue(0);
}

void TstAlkalmazas::gorget(int forgas, Qt::ScrollPhase fazis) {
    QWidget* viewport = m_nezet->viewport();
    const QPoint kozep = viewport->rect().center();
    const QPointF ablakban = viewport->mapTo(m_nezet.get(), kozep);
    QWheelEvent e = gorgetes(ablakban, viewport->mapToGlobal(kozep), forgas, fazis);
    QCoreApplication::sendEvent(m_nezet->windowHandle(), &e);
}

void TstAlkalmazas::gorgoSorValtas_data() {
    QTest::addColumn<QList<int>>("forgasok");
    QTest::addColumn<int>("vartSor");
    QTest::newRow("egy lépés hátra") << QList<int>{-120} << 4;
    QTest::newRow("egy lépés előre") << QList<int>{120} << 2;
    QTest::newRow("nulla lefelé visz") << QList<int>{0} << 4;
    QTest::newRow("egy lépésnyi a nagy forgás is") << QList<int>{-480} << 4;
    QTest::newRow("három hátra, egy előre") << QList<int>{-120, -120, -120, 120} << 5;
}

void TstAlkalmazas::gorgoSorValtas() {
    QFETCH(QList<int>, forgasok);
    QFETCH(int, vartSor);
    racs();
    alkalmazas()->setGorgoBillentyu(true);
    for (int forgas : forgasok)
        gorget(forgas);
    QCOMPARE(m_nezet->currentIndex().row(), vartSor);
    // The wheel itself did not scroll the grid.
    QCOMPARE(m_nezet->verticalScrollBar()->value(), 0);
    QVERIFY(UzenetTeszt::ablakok().isEmpty());
}

void TstAlkalmazas::gorgoKikapcsolva() {
    racs();
    QVERIFY(!alkalmazas()->gorgoBillentyu());
    gorget(-120);
    QCOMPARE(m_nezet->currentIndex().row(), 3);
    QVERIFY(m_nezet->verticalScrollBar()->value() > 0);
}

int main(int argc, char** argv) {
    SegedAlkalmazas app(argc, argv);
    TstAlkalmazas teszt;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&teszt, argc, argv);
}

#include "tst_alkalmazas.moc"
