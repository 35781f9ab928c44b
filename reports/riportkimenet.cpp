#include "riportkimenet.h"

#include "fajlparbeszed.h"
#include "seged.h"
#include "tfrm_nyomvalaszt.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>

namespace RiportKimenet {

namespace {
Kezelo& TesztKezelo() {
    static Kezelo k;
    return k;
}

// Paints every page on a printer or PDF writer, letting the window breathe
// between pages.
void Kiir(const Riport::Dokumentum& d, QPagedPaintDevice& eszkoz, QPainter& p) {
    const QList<Riport::Lap> lapok = d.tordel();
    const double pxPerMm = eszkoz.logicalDpiX() / 25.4;
    for (int i = 0; i < lapok.size(); ++i) {
        if (i > 0)
            eszkoz.newPage();
        Riport::FestLap(p, pxPerMm, d, lapok, i);
        if (i % 16 == 15)
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}

void Beallit(QPagedPaintDevice& eszkoz) {
    eszkoz.setPageSize(QPageSize(QPageSize::A4));
    eszkoz.setPageOrientation(QPageLayout::Portrait);
    eszkoz.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

bool PrinterreIr(const Riport::Dokumentum& d, QPrinter& printer) {
    printer.setFullPage(true);
    Beallit(printer);
    printer.setDocName(d.cim);
    QPainter p;
    if (!p.begin(&printer))
        return false;
    Kiir(d, printer, p);
    return p.end();
}

// The pages one below the other; only the pages in sight are painted.
class LapNezet : public QWidget {
public:
    LapNezet(const Riport::Dokumentum& d, const QList<Riport::Lap>& lapok, QWidget* szulo)
        : QWidget(szulo), m_d(d), m_lapok(lapok) {
        setNagyitas(logicalDpiX() / 25.4);
    }
    void setNagyitas(double pxPerMm) {
        m_px = pxPerMm;
        meretez();
    }
    // The height for the pages known so far.
    void meretez() {
        setFixedSize(
            qRound(Riport::LapSzelesseg * m_px) + 2 * Hezag,
            int(qMin<qsizetype>(m_lapok.size(), (QWIDGETSIZE_MAX - Hezag) / (lapMag() + Hezag))) *
                    (lapMag() + Hezag) +
                Hezag);
        update();
    }
    double nagyitas() const { return m_px; }

protected:
    void paintEvent(QPaintEvent* e) override {
        QPainter p(this);
        p.fillRect(e->rect(), QColor(128, 128, 128));
        const int h = lapMag() + Hezag;
        const int elso = qMax(0, (e->rect().top() - Hezag) / h);
        const int utolso = qMin(int(m_lapok.size()) - 1, e->rect().bottom() / h);
        const int w = qRound(Riport::LapSzelesseg * m_px);
        for (int i = elso; i <= utolso; ++i) {
            const int y = Hezag + i * h;
            p.fillRect(QRect(Hezag, y, w, lapMag()), Qt::white);
            p.save();
            p.translate(Hezag, y);
            p.setClipRect(QRect(0, 0, w, lapMag()));
            Riport::FestLap(p, m_px, m_d, m_lapok, i);
            p.restore();
        }
    }

private:
    static constexpr int Hezag = 12;
    int lapMag() const { return qRound(Riport::LapMagassag * m_px); }
    const Riport::Dokumentum& m_d;
    const QList<Riport::Lap>& m_lapok;
    double m_px = 4;
};
} // namespace

void setTesztKezelo(Kezelo kezelo) {
    TesztKezelo() = std::move(kezelo);
}

void Elonezet(const Riport::Dokumentum& d, QWidget* szulo) {
    if (TesztKezelo()) {
        d.torzs.size(); // the whole body read while its source is there
        TesztKezelo()(d, false);
        return;
    }
    Tfrm_Elonezet ablak(d, szulo);
    ablak.exec();
}

bool Nyomtat(const Riport::Dokumentum& d, QWidget* szulo) {
    if (TesztKezelo()) {
        d.torzs.size();
        TesztKezelo()(d, true);
        return true;
    }
    const QPrinterInfo alap = QPrinterInfo::defaultPrinter();
    if (alap.isNull()) {
        Seged::HibaAblak(QStringLiteral("Nincs telepített nyomtató."), szulo);
        return false;
    }
    QPrinter printer(alap, QPrinter::HighResolution);
    printer.setCopyCount(1);
    bool jo;
    {
        const Seged::HomokOra varj;
        jo = PrinterreIr(d, printer);
    }
    if (!jo)
        Seged::HibaAblak(QStringLiteral("A nyomtatás nem sikerült."), szulo);
    return jo;
}

void Valaszt(const std::function<Riport::Dokumentum()>& riport, const std::function<void()>& csv,
             QWidget* szulo) {
    const int valasz = NyomValaszt(szulo);
    if (valasz == Tfrm_NyomValaszt::Csv) {
        csv();
        return;
    }
    if (valasz != Tfrm_NyomValaszt::NyomtatasiKep && valasz != Tfrm_NyomValaszt::Nyomtatas)
        return;
    const Riport::Dokumentum d = [&] {
        const Seged::HomokOra varj;
        return riport();
    }();
    if (valasz == Tfrm_NyomValaszt::NyomtatasiKep)
        Elonezet(d, szulo);
    else
        Nyomtat(d, szulo);
}

bool PdfIr(const Riport::Dokumentum& d, const QString& fajl) {
    QPdfWriter iro(fajl);
    iro.setResolution(600);
    iro.setTitle(d.cim);
    iro.setCreator(QStringLiteral("Pelvano"));
    Beallit(iro);
    QPainter p;
    if (!p.begin(&iro))
        return false;
    Kiir(d, iro, p);
    return p.end();
}

} // namespace RiportKimenet

Tfrm_Elonezet::Tfrm_Elonezet(const Riport::Dokumentum& d, QWidget* szulo)
    : QDialog(szulo), m_d(d), m_lapozo(d) {
    setWindowTitle(QStringLiteral("Nyomtatási kép - ") + d.cim);
    setWindowFlag(Qt::WindowMaximizeButtonHint);

    auto* gNyomtat = new QPushButton(QStringLiteral("Nyomtatás"), this);
    gNyomtat->setObjectName(QStringLiteral("btnNyomtat"));
    auto* gPdf = new QPushButton(QStringLiteral("PDF mentése"), this);
    gPdf->setObjectName(QStringLiteral("btnPdf"));
    auto* gBezar = new QPushButton(QStringLiteral("Bezár"), this);
    gBezar->setObjectName(QStringLiteral("btnBezar"));
    auto* csuszka = new QSlider(Qt::Horizontal, this);
    csuszka->setRange(25, 200);
    csuszka->setValue(100);
    csuszka->setMaximumWidth(160);
    m_oldalak = new QLabel(this);
    m_oldalak->setObjectName(QStringLiteral("lblOldalak"));

    auto* gombsor = new QHBoxLayout;
    gombsor->addWidget(gNyomtat);
    gombsor->addWidget(gPdf);
    gombsor->addWidget(new QLabel(QStringLiteral("Nagyítás:"), this));
    gombsor->addWidget(csuszka);
    gombsor->addWidget(m_oldalak);
    gombsor->addStretch();
    gombsor->addWidget(gBezar);

    {
        // The first page, and a short report whole.
        const Seged::HomokOra varj;
        while (m_lapozo.lapok().isEmpty() && m_lapozo.halad(64))
            ;
        m_lapozo.halad(2000);
    }
    auto* nezet = new RiportKimenet::LapNezet(m_d, m_lapozo.lapok(), this);
    m_lapNezet = nezet;
    auto* gorgeto = new QScrollArea(this);
    gorgeto->setWidget(nezet);
    gorgeto->setAlignment(Qt::AlignHCenter);
    gorgeto->setBackgroundRole(QPalette::Dark);

    auto* elrendezes = new QVBoxLayout(this);
    elrendezes->addLayout(gombsor);
    elrendezes->addWidget(gorgeto);

    const double alap = nezet->nagyitas();
    connect(csuszka, &QSlider::valueChanged, this,
            [nezet, alap](int v) { nezet->setNagyitas(alap * v / 100.0); });
    connect(gNyomtat, &QPushButton::clicked, this, &Tfrm_Elonezet::nyomtat);
    connect(gPdf, &QPushButton::clicked, this, &Tfrm_Elonezet::pdfMent);
    connect(gBezar, &QPushButton::clicked, this, &QDialog::accept);

    m_idozito = new QTimer(this);
    connect(m_idozito, &QTimer::timeout, this, [this, nezet] {
        const bool tobb = tovabb(40);
        nezet->meretez();
        if (!tobb)
            m_idozito->stop();
    });
    if (tovabb(0))
        m_idozito->start(0);

    if (QScreen* k = screen()) {
        const QRect r = k->availableGeometry();
        resize(qMin(r.width(), nezet->width() + 60), r.height() * 9 / 10);
    }
}

bool Tfrm_Elonezet::tovabb(int ezredmp) {
    QElapsedTimer ido;
    ido.start();
    bool tobb;
    do
        tobb = m_lapozo.halad(64);
    while (tobb && ido.elapsed() < ezredmp);
    const qsizetype db = m_lapozo.lapok().size();
    m_oldalak->setText(tobb ? QStringLiteral("%1 oldal…").arg(db)
                            : QStringLiteral("%1 oldal").arg(db));
    return tobb;
}

void Tfrm_Elonezet::nyomtat() {
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        Seged::HibaAblak(QStringLiteral("Nincs telepített nyomtató."), this);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog parbeszed(&printer, this);
    if (parbeszed.exec() != QDialog::Accepted)
        return;
    if (!RiportKimenet::PrinterreIr(m_d, printer))
        Seged::HibaAblak(QStringLiteral("A nyomtatás nem sikerült."), this);
}

void Tfrm_Elonezet::pdfMent() {
    const QString fajl = FajlParbeszed::Mentes(
        QStringLiteral("PDF mentése"), QStringLiteral("PDF állományok (*.pdf)|*.pdf"),
        m_d.azonosito + QStringLiteral(".pdf"), QStringLiteral("pdf"), this);
    if (fajl.isEmpty())
        return;
    bool jo;
    {
        const Seged::HomokOra varj;
        jo = RiportKimenet::PdfIr(m_d, fajl);
    }
    if (!jo)
        Seged::HibaAblak(QStringLiteral("A PDF állomány nem írható: ") + fajl, this);
}
