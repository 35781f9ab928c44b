#include "lekerdezes/tfrm_hatarolt.h"

#include "fajlparbeszed.h"
#include "hiba.h"
#include "lekerdezes/szovegexport.h"
#include "parbeszed.h"
#include "seged.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

using namespace SzovegExportFormatum;

namespace {

// A titled group of three exclusive options, the first one selected.
QGroupBox* valasztoCsoport(const QString& cim, const char* nev,
                           const QList<QPair<QString, const char*>>& opciok,
                           std::initializer_list<QRadioButton**> gombok) {
    auto* csoport = new QGroupBox(cim);
    csoport->setObjectName(QLatin1String(nev));
    auto* l = new QVBoxLayout(csoport);
    l->setContentsMargins(6, 2, 6, 2);
    l->setSpacing(0);
    auto cel = gombok.begin();
    for (const auto& [szoveg, objektum] : opciok) {
        auto* r = new QRadioButton(szoveg);
        r->setObjectName(QLatin1String(objektum));
        l->addWidget(r);
        **cel++ = r;
    }
    (**gombok.begin())->setChecked(true);
    return csoport;
}

} // namespace

Tfrm_Hatarolt::Tfrm_Hatarolt(ExportForras& forras, const QString& fajlNev, QWidget* szulo)
    : QDialog(szulo), m_forras(forras) {
    setObjectName(QStringLiteral("Tfrm_Hatarolt"));

    m_oszlopok = new QListWidget;
    m_oszlopok->setObjectName(QStringLiteral("lstOszlopok"));
    for (int i = 0; i < forras.oszlopSzam(); ++i) {
        auto* elem = new QListWidgetItem(forras.nev(i), m_oszlopok);
        elem->setFlags(elem->flags() | Qt::ItemIsUserCheckable);
        elem->setCheckState(Qt::Checked);
    }
    m_oszlopok->setFixedWidth(140);

    QGroupBox* hatarolo = valasztoCsoport(QStringLiteral("Határoló karakter"), "grpHatarolo",
                                          {{QStringLiteral("Pontosvessző (;)"), "rbPontosvesszo"},
                                           {QStringLiteral("Tabulátor"), "rbTabulator"},
                                           {QStringLiteral("Vessző (,)"), "rbVesszo"}},
                                          {&m_pontosvesszo, &m_tabulator, &m_vesszo});
    QGroupBox* jelolo = valasztoCsoport(QStringLiteral("Szövegjelölő"), "grpSzovegjelolo",
                                        {{QStringLiteral("Idézőjel (\")"), "rbIdezojel"},
                                         {QStringLiteral("Aposztróf (')"), "rbAposztrof"},
                                         {QStringLiteral("Semmi"), "rbSemmi"}},
                                        {&m_idezojel, &m_aposztrof, &m_semmi});

    auto* cimke = new QLabel(QStringLiteral("Filenév"));
    m_fajl = new QLineEdit(fajlNev);
    m_fajl->setObjectName(QStringLiteral("edtFilenev"));
    cimke->setBuddy(m_fajl);
    Parbeszed::FokuszSzinez(m_fajl);
    m_tallozas = new QToolButton;
    m_tallozas->setObjectName(QStringLiteral("btnTallozas"));
    m_tallozas->setText(QStringLiteral("..."));
    m_tallozas->setAutoRaise(false);

    m_megallitGomb = new QPushButton(QStringLiteral("Megállít"));
    m_megallitGomb->setObjectName(QStringLiteral("btnMegallit"));
    m_megallitGomb->setEnabled(false);
    m_megallitGomb->setAutoDefault(false);
    m_exportGomb = new QPushButton(QStringLiteral("Export indítás"));
    m_exportGomb->setObjectName(QStringLiteral("btnExport"));
    m_exportGomb->setDefault(true);
    m_bezar = new QPushButton(QStringLiteral("Bezár"));
    m_bezar->setObjectName(QStringLiteral("btnBezar"));
    m_bezar->setAutoDefault(false);

    m_haladas = new QProgressBar;
    m_haladas->setObjectName(QStringLiteral("pbHaladas"));
    m_haladas->setTextVisible(false);
    m_haladas->setFixedHeight(14);
    m_haladas->setValue(0);

    auto* csoportok = new QHBoxLayout;
    csoportok->addWidget(hatarolo);
    csoportok->addWidget(jelolo);
    auto* fajlSor = new QHBoxLayout;
    fajlSor->addWidget(m_fajl, 1);
    fajlSor->addWidget(m_tallozas);
    auto* gombok = new QHBoxLayout;
    gombok->addWidget(m_megallitGomb);
    gombok->addWidget(m_exportGomb);
    gombok->addWidget(m_bezar);
    auto* jobb = new QVBoxLayout;
    jobb->setSpacing(4);
    jobb->addLayout(csoportok);
    jobb->addWidget(cimke);
    jobb->addLayout(fajlSor);
    jobb->addStretch(1);
    jobb->addLayout(gombok);
    auto* felso = new QHBoxLayout;
    felso->addWidget(m_oszlopok);
    felso->addLayout(jobb, 1);
    auto* fo = new QVBoxLayout(this);
    fo->setContentsMargins(6, 6, 6, 4);
    fo->setSpacing(4);
    fo->addLayout(felso, 1);
    fo->addWidget(m_haladas);
    Parbeszed::Rogzitett(this, QStringLiteral("Határolt szöveg export"), QSize(482, 207));

    setTabOrder(m_fajl, m_tallozas);
    setTabOrder(m_tallozas, m_megallitGomb);
    setTabOrder(m_megallitGomb, m_exportGomb);
    setTabOrder(m_exportGomb, m_bezar);
    m_fajl->setFocus();

    connect(m_exportGomb, &QPushButton::clicked, this, &Tfrm_Hatarolt::exportIndit);
    connect(m_megallitGomb, &QPushButton::clicked, this, &Tfrm_Hatarolt::megallit);
    connect(m_bezar, &QPushButton::clicked, this, &Tfrm_Hatarolt::reject);
    connect(m_tallozas, &QToolButton::clicked, this, &Tfrm_Hatarolt::tallozas);
}

void Tfrm_Hatarolt::exportIndit() {
    if (m_fut)
        return;
    if (m_fajl->text().isEmpty()) {
        Seged::HibaAblak(QStringLiteral("Nincs filenév megadva."), this);
        m_fajl->setFocus();
        return;
    }
    m_fut = true;
    m_megallit = false;
    m_megallitGomb->setEnabled(true);

    HataroltBeallitas b;
    b.hatarolo = m_tabulator->isChecked() ? Tabulator
                 : m_vesszo->isChecked()  ? Vesszo
                                          : Pontosvesszo;
    b.jelolo = m_aposztrof->isChecked() ? Aposztrof : m_semmi->isChecked() ? QString() : Idezojel;
    for (int i = 0; i < m_oszlopok->count(); ++i)
        b.oszlopok.append(m_oszlopok->item(i)->checkState() == Qt::Checked);

    try {
        const int sorok = m_forras.sorSzam();
        m_haladas->setRange(0, sorok < 0 ? 0 : sorok);
        m_haladas->setValue(0);
        const QByteArray tartalom = HataroltSorok(m_forras, b, [this](int kesz) {
            QCoreApplication::processEvents();
            if (m_megallit)
                return false;
            m_haladas->setValue(kesz + 1);
            return true;
        });
        FajlIras(m_fajl->text(), tartalom);
        m_haladas->setRange(0, std::max(m_haladas->maximum(), 1));
        m_haladas->setValue(0);
        Seged::UzenetAblak(m_fajl->text() + QStringLiteral(" file export kész."), this);
    } catch (const PelvanoHiba& e) {
        Seged::HibaAblak(QStringLiteral("Hiba: ") + e.uzenet(), this);
    } catch (const std::bad_alloc&) {
        Seged::HibaAblak(QStringLiteral("Hiba: ") + QStringLiteral("Out of memory"), this);
    } catch (const std::exception& e) {
        Seged::HibaAblak(QStringLiteral("Hiba: ") + QString::fromLocal8Bit(e.what()), this);
    }
    m_fut = false;
    m_megallitGomb->setEnabled(false);
}

void Tfrm_Hatarolt::megallit() {
    if (m_fut)
        m_megallit = true;
}

void Tfrm_Hatarolt::tallozas() {
    const QString f = FajlParbeszed::Mentes(
        QString(),
        QStringLiteral("CSV állományok (*.csv)|*.csv|Text állományok (*.txt)|*.txt|"
                       "Minden állomány (*.*)|*.*"),
        m_fajl->text(), QStringLiteral("csv"), this);
    if (!f.isEmpty())
        m_fajl->setText(f);
}

void Tfrm_Hatarolt::reject() {
    // Closing waits until a running export has ended.
    if (m_fut)
        return;
    QDialog::reject();
}

void ShowHatarolt(ExportForras& forras, const QString& fajlNev, QWidget* szulo) {
    Tfrm_Hatarolt d(forras, fajlNev, szulo);
    d.exec();
}
