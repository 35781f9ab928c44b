#include "terv/tfrm_szerkeszt.h"

#include "hiba.h"
#include "ikonok.h"
#include "parbeszed.h"
#include "seged.h"
#include "tablamodell.h"
#include "terv/lapok.h"

#include <QApplication>
#include <QCheckBox>
#include <QDataWidgetMapper>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMetaProperty>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSqlRecord>
#include <QTabWidget>
#include <QToolButton>

namespace {

QLabel* cimke(QWidget* lap, const QString& szoveg, int x, int y, QWidget* mezo) {
    auto* l = new QLabel(szoveg, lap);
    l->setGeometry(x, y + 3, 70, 16);
    l->setBuddy(mezo);
    return l;
}

// A date box that Tab leaves like every other field; the arrow keys and
// typing move between day, month and year.
class DatumMezo : public QDateEdit {
public:
    using QDateEdit::QDateEdit;

protected:
    bool focusNextPrevChild(bool kovetkezo) override {
        return QWidget::focusNextPrevChild(kovetkezo);
    }
};

QLineEdit* szovegMezo(QWidget* lap, const char* nev, int x, int y, int szelesseg, int hossz) {
    auto* e = new QLineEdit(lap);
    e->setObjectName(QLatin1String(nev));
    e->setGeometry(x, y, szelesseg, 21);
    Parbeszed::KarakterKorlat(e, hossz);
    return e;
}

} // namespace

Tfrm_Szerkeszt::Tfrm_Szerkeszt(Kapcsolat& kapcsolat, TablaModell& tbl, int sor,
                               TorzsValaszto valaszto, QWidget* szulo)
    : QDialog(szulo), m_kapcsolat(kapcsolat), m_valaszto(std::move(valaszto)) {
    setObjectName(QStringLiteral("frm_Szerkeszt"));
    Parbeszed::Rogzitett(this, QStringLiteral("Szerkesztés"), QSize(517, 316));
    const SzerkesztoLapok lapok =
        SzerkesztoLapokLetrehoz(this, QStringLiteral("PageControl1"), QRect(4, 4, 509, 270));
    PageControl1 = lapok.lapok;
    tabReszletes = lapok.reszletes;
    tabMegjegyzes = lapok.megjegyzes;
    memMegjegyzes = lapok.jegyzet;

    QWidget* lap = tabReszletes;
    const int cx = 8, mx = 84;
    auto y = [](int i) { return 6 + i * 23; };
    auto lista = [&](const char* nev, int i) {
        auto* cb = new KulcsValaszto(lap);
        cb->setObjectName(QLatin1String(nev));
        cb->setGeometry(mx, y(i), 300, 21);
        return cb;
    };

    edtTervszam = szovegMezo(lap, "edtTervszam", mx, y(0), 85, 20);
    cimke(lap, QStringLiteral("tervszám"), cx, y(0), edtTervszam);
    dtpDatum = new DatumMezo(lap);
    dtpDatum->setObjectName(QStringLiteral("dtpDatum"));
    dtpDatum->setGeometry(340, y(0), 110, 21);
    dtpDatum->setCalendarPopup(false);
    dtpDatum->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    dtpDatum->setDisplayFormat(Kotes::RovidDatumFormatum());
    // The box's inner text field passes its focus on to the box; as a stop
    // of its own it would catch Enter's move to the next field. (Its policy
    // is handed on to the box, which then gets its own back.)
    for (QLineEdit* belso : dtpDatum->findChildren<QLineEdit*>())
        belso->setFocusPolicy(Qt::NoFocus);
    dtpDatum->setFocusPolicy(Qt::WheelFocus);
    cimke(lap, QStringLiteral("dátum"), 290, y(0), dtpDatum);
    edtCim = szovegMezo(lap, "edtCim", mx, y(1), 410, 100);
    cimke(lap, QStringLiteral("tárgy"), cx, y(1), edtCim);
    cbUgyfel = lista("cbUgyfel", 2);
    cimke(lap, QStringLiteral("ügyfél"), cx, y(2), cbUgyfel);
    edtHelyszin = szovegMezo(lap, "edtHelyszin", mx, y(3), 200, 25);
    cimke(lap, QStringLiteral("helyszín"), cx, y(3), edtHelyszin);
    cbTipus = lista("cbTipus", 4);
    cimke(lap, QStringLiteral("típus"), cx, y(4), cbTipus);
    edtTervjel = szovegMezo(lap, "edtTervjel", mx, y(5), 300, 50);
    cimke(lap, QStringLiteral("tervjel"), cx, y(5), edtTervjel);
    cbTervezo = lista("cbTervezo", 6);
    cimke(lap, QStringLiteral("tervező"), cx, y(6), cbTervezo);
    cbSzakag = lista("cbSzakag", 7);
    cimke(lap, QStringLiteral("szakág"), cx, y(7), cbSzakag);
    cbTervfajta = lista("cbTervfajta", 8);
    cimke(lap, QStringLiteral("tervfajta"), cx, y(8), cbTervfajta);
    cbTervszakasz = lista("cbTervszakasz", 9);
    cimke(lap, QStringLiteral("tervszakasz"), cx, y(9), cbTervszakasz);
    Listak = {cbUgyfel, cbTipus, cbTervezo, cbSzakag, cbTervfajta, cbTervszakasz};

    const char* gombNevek[] = {"btnUgyfel", "btnTipus",     "btnTervezo",
                               "btnSzakag", "btnTervfajta", "btnTervszakasz"};
    for (int i = 0; i < Listak.size(); ++i) {
        auto* g = new QToolButton(lap);
        g->setObjectName(QLatin1String(gombNevek[i]));
        g->setGeometry(mx + 304, Listak[i]->y(), 25, 21);
        g->setIcon(Ikon::Kep(Ikon::Valaszt));
        g->setFocusPolicy(Qt::TabFocus);
        connect(g, &QToolButton::clicked, this, [this, i] { valaszt(i); });
        Gombok << g;
    }
    btnUgyfel = Gombok[0];
    btnTipus = Gombok[1];
    btnTervezo = Gombok[2];
    btnSzakag = Gombok[3];
    btnTervfajta = Gombok[4];
    btnTervszakasz = Gombok[5];

    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(354, 284, 75, 25);
    btnMegsem = new QPushButton(QStringLiteral("Mégsem"), this);
    btnMegsem->setObjectName(QStringLiteral("btnMegsem"));
    btnMegsem->setGeometry(435, 284, 75, 25);
    for (QPushButton* b : {btnOK, btnMegsem}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnMegsem, &QPushButton::clicked, this, &QDialog::reject);

    const QList<QWidget*> sorrend{
        edtTervszam, edtCim,       cbUgyfel,       edtHelyszin,   cbTipus,   dtpDatum, edtTervjel,
        cbTervezo,   cbSzakag,     cbTervfajta,    cbTervszakasz, btnUgyfel, btnTipus, btnTervezo,
        btnSzakag,   btnTervfajta, btnTervszakasz, memMegjegyzes, btnOK,     btnMegsem};
    for (int i = 1; i < sorrend.size(); ++i)
        setTabOrder(sorrend[i - 1], sorrend[i]);
    for (QWidget* w :
         std::initializer_list<QWidget*>{edtTervszam, edtCim, edtHelyszin, dtpDatum, edtTervjel})
        Parbeszed::FokuszSzinez(w);
    for (KulcsValaszto* cb : Listak)
        Parbeszed::FokuszSzinez(cb);

    const QList<TervHivatkozas>& hivatkozasok = TervHivatkozasok();
    for (int i = 0; i < Listak.size(); ++i)
        Listak[i]->feltolt(TorzsTetelek(m_kapcsolat, hivatkozasok[i]));

    m_mapper = new QDataWidgetMapper(this);
    m_mapper->setSubmitPolicy(QDataWidgetMapper::ManualSubmit);
    m_mapper->setModel(&tbl);
    m_mapper->setItemDelegate(new MezoKotes(m_mapper));
    Kotes::Kot(m_mapper, edtTervszam, QStringLiteral("Tervszam"));
    Kotes::Kot(m_mapper, edtCim, QStringLiteral("Cim"));
    Kotes::Kot(m_mapper, edtHelyszin, QStringLiteral("Helyszin"));
    Kotes::Kot(m_mapper, edtTervjel, QStringLiteral("tervjel"));
    for (int i = 0; i < Listak.size(); ++i)
        Kotes::Kot(m_mapper, Listak[i], hivatkozasok[i].oszlop);
    Kotes::Kot(m_mapper, memMegjegyzes, QStringLiteral("Megjegyzes"));
    m_mapper->setCurrentIndex(sor);

    // Installed last, so that it sees Enter before every other filter.
    Parbeszed::EnterLeptet(this);
    PageControl1->setCurrentIndex(0);
    edtTervszam->setFocus();
}

void Tfrm_Szerkeszt::setDatum(const QDate& d) {
    dtpDatum->setDate(d);
}

QDate Tfrm_Szerkeszt::datum() const {
    return dtpDatum->date();
}

void Tfrm_Szerkeszt::atad() {
    m_mapper->submit();
}

void Tfrm_Szerkeszt::valaszt(int i) {
    const TervHivatkozas& h = TervHivatkozasok().at(i);
    KulcsValaszto* lista = Listak.at(i);
    const QVariant most = lista->kulcs();
    const int uj = m_valaszto ? m_valaszto(h.fajta, most.isNull() ? 0 : most.toInt()) : -1;
    if (uj != -1) {
        // The master list may have gained or renamed records meanwhile.
        lista->feltolt(TorzsTetelek(m_kapcsolat, h));
        lista->setKulcs(uj);
    }
    if (h.fajta == TorzsFajta::Ugyfel)
        edtHelyszin->setFocus(Qt::OtherFocusReason);
}
