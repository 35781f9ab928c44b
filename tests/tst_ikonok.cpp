// The application's pictures: every name of the image list loads from the
// resources as a drawn 16 x 16 picture.

#include "ikonok.h"

#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QTest>

namespace {

const char* const Nevek[] = {
    Ikon::Szuro,     Ikon::KisKereszt, Ikon::TervKiad,    Ikon::TervVissza, Ikon::LevKiad,
    Ikon::LevVissza, Ikon::DokPlusz,   Ikon::DokFel,      Ikon::DokMinusz,  Ikon::PirosKereszt,
    Ikon::SargaToll, Ikon::Tavcso,     Ikon::NagyitoDok,  Ikon::EmberKalap, Ikon::DokTu,
    Ikon::Nyomtato,  Ikon::Dokumentum, Ikon::Kintlevoseg, Ikon::KodVissza,  Ikon::Jegyzet,
    Ikon::KetEmber,  Ikon::Zip,        Ikon::Sql,         Ikon::Fogaskerek, Ikon::Kerdojel,
    Ikon::IBetu,     Ikon::Boritek,    Ikon::Bongeszo,    Ikon::Csillag,    Ikon::Valaszt,
    Ikon::Elfogad,   Ikon::Program,    Ikon::Mappa,       Ikon::Floppy,     Ikon::Ollo,
    Ikon::Masol,     Ikon::Beilleszt,  Ikon::Futtat,      Ikon::Export,
};

// How many pixels of the picture are not fully transparent.
int LathatoPontok(const QImage& kep) {
    const QImage k = kep.convertToFormat(QImage::Format_ARGB32);
    int db = 0;
    for (int y = 0; y < k.height(); ++y)
        for (int x = 0; x < k.width(); ++x)
            if (qAlpha(k.pixel(x, y)) > 0)
                ++db;
    return db;
}

} // namespace

class TstIkonok : public QObject {
    Q_OBJECT

private slots:
    void kep_data() {
        QTest::addColumn<QString>("nev");
        for (const char* n : Nevek)
            QTest::newRow(n) << QString::fromLatin1(n);
    }

    // Each picture is there and draws something at the size the menus and
    // toolbars use.
    void kep() {
        QFETCH(QString, nev);
        const QIcon ikon = Ikon::Kep(nev.toLatin1().constData());
        QVERIFY2(!ikon.isNull(), qPrintable(nev));
        const QPixmap kep = ikon.pixmap(16, 16);
        QVERIFY(!kep.isNull());
        QCOMPARE(kep.size(), QSize(16, 16));
        QVERIFY2(LathatoPontok(kep.toImage()) > 0, qPrintable(nev));
    }

    // A name without a picture gives an empty icon, not an error.
    void hianyzoKep() { QVERIFY(Ikon::Kep("nincsilyenkep").isNull()); }

    // The resources hold exactly the pictures of the image list: none is
    // missing from the list and no leftover file is carried along.
    void keszlet() {
        QStringList vart;
        for (const char* n : Nevek)
            vart << QString::fromLatin1(n) + QStringLiteral(".svg");
        vart.sort();
        QStringList van = QDir(QStringLiteral(":/ikonok")).entryList(QDir::Files);
        van.sort();
        QCOMPARE(van, vart);
    }
};

QTEST_MAIN(TstIkonok)
#include "tst_ikonok.moc"
