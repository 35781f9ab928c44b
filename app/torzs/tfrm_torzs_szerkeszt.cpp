#include "torzs/tfrm_torzs_szerkeszt.h"

#include "hiba.h"
#include "ikonok.h"
#include "parbeszed.h"
#include "seged.h"
#include "sema.h"
#include "tablamodell.h"
#include "terv/lapok.h"
#include "torzs/torzslogika.h"

#include <QDataWidgetMapper>
#include <QFocusEvent>
#include <QFont>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSqlRecord>
#include <QTabBar>
#include <QTabWidget>

namespace {

// The width of a text column of the schema; 0 when it has none.
int oszlopSzelesseg(const QString& tabla, const QString& oszlop) {
    if (const Sema::Tabla* t = Sema::TablaNevvel(tabla))
        for (const Sema::Oszlop& o : t->oszlopok)
            if (o.nev.compare(oszlop, Qt::CaseInsensitive) == 0)
                return o.tipus == Sema::Tipus::Szoveg ? o.szelesseg : 0;
    return 0;
}

// Escape anywhere in the dialog presses "Mégsem". (The mapper's delegate
// would otherwise take Escape in a bound field to undo that field only.)
class EscapeMegsem : public QObject {
public:
    EscapeMegsem(QPushButton* megsem) : QObject(megsem), m_megsem(megsem) {}

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() != QEvent::KeyPress)
            return false;
        auto* ke = static_cast<QKeyEvent*>(e);
        if (ke->key() != Qt::Key_Escape || ke->modifiers() != Qt::NoModifier)
            return false;
        m_megsem->click();
        return true;
    }

private:
    QPushButton* m_megsem;
};

QLabel* cimke(const QString& szoveg, QWidget* szulo, int x, int y, int w) {
    auto* l = new QLabel(szoveg, szulo);
    l->setGeometry(x, y, w, 16);
    return l;
}

} // namespace

std::unique_ptr<Tfrm_TorzsSzerkeszt>
Tfrm_TorzsSzerkeszt::Letrehoz(TorzsTabla& tabla, Kapcsolat& kapcsolat, int sor, QWidget* szulo) {
    switch (tabla.leiras().fajta) {
    case TorzsFajta::Ugyfel:
        return std::make_unique<Tfrm_TorzsUgyfel_Szerkeszt>(tabla, kapcsolat, sor, szulo);
    case TorzsFajta::Tipus:
        return std::make_unique<Tfrm_TorzsTipus_Szerkeszt>(tabla, sor, szulo);
    case TorzsFajta::Tervezo:
        return std::make_unique<Tfrm_TorzsTervezo_Szerkeszt>(tabla, sor, szulo);
    case TorzsFajta::Szakag:
        return std::make_unique<Tfrm_TorzsSzakag_Szerkeszt>(tabla, sor, szulo);
    case TorzsFajta::Tervfajta:
        return std::make_unique<Tfrm_TorzsTervfajta_Szerkeszt>(tabla, sor, szulo);
    case TorzsFajta::Tervszakasz:
        return std::make_unique<Tfrm_TorzsTervszakasz_Szerkeszt>(tabla, sor, szulo);
    }
    throw PelvanoHiba(QStringLiteral("Ismeretlen törzsadat"));
}

Tfrm_TorzsSzerkeszt::Tfrm_TorzsSzerkeszt(TorzsTabla& tabla, int sor, QWidget* szulo)
    : QDialog(szulo), m_tabla(tabla), m_sor(sor), m_mapper(new QDataWidgetMapper(this)) {
    QString objektum = QString::fromLatin1(tabla.leiras().ablakNev);
    objektum.remove(0, 1);
    setObjectName(objektum + QStringLiteral("_Szerkeszt"));
    setWindowTitle(tabla.leiras().szerkesztoCim);

    m_mapper->setModel(&tabla.modell());
    m_mapper->setSubmitPolicy(QDataWidgetMapper::ManualSubmit);

    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnMegsem = new QPushButton(QStringLiteral("Mégsem"), this);
    btnMegsem->setObjectName(QStringLiteral("btnMegsem"));
    for (QPushButton* b : {btnOK, btnMegsem}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    connect(btnOK, &QPushButton::clicked, this, &Tfrm_TorzsSzerkeszt::ok);
    connect(btnMegsem, &QPushButton::clicked, this, &QDialog::reject);
}

QLineEdit* Tfrm_TorzsSzerkeszt::Mezo(const QString& oszlop) const {
    return findChild<QLineEdit*>(QStringLiteral("edt") + oszlop);
}

QLineEdit* Tfrm_TorzsSzerkeszt::mezo(QWidget* szulo, const QString& oszlop) {
    auto* e = new QLineEdit(szulo);
    e->setObjectName(QStringLiteral("edt") + oszlop);
    const int szelesseg = oszlopSzelesseg(m_tabla.leiras().tabla, oszlop);
    if (szelesseg > 0)
        Parbeszed::KarakterKorlat(e, szelesseg);
    Parbeszed::FokuszSzinez(e);
    kapcsol(e, oszlop);
    return e;
}

void Tfrm_TorzsSzerkeszt::kapcsol(QWidget* w, const QString& oszlop,
                                  const QByteArray& tulajdonsag) {
    const int o = m_tabla.modell().record().indexOf(oszlop);
    if (tulajdonsag.isEmpty())
        m_mapper->addMapping(w, o);
    else
        m_mapper->addMapping(w, o, tulajdonsag);
}

void Tfrm_TorzsSzerkeszt::befejez() {
    m_mapper->setCurrentIndex(m_sor);
    Parbeszed::EnterLeptet(this);
    auto* escape = new EscapeMegsem(btnMegsem);
    const auto gyerekek = findChildren<QWidget*>();
    for (QWidget* w : gyerekek)
        w->installEventFilter(escape);
    if (QScreen* kepernyo = QGuiApplication::primaryScreen())
        move(kepernyo->availableGeometry().center() - rect().center());
}

void Tfrm_TorzsSzerkeszt::ok() {
    m_mapper->submit();
    try {
        m_tabla.ment();
    } catch (const PelvanoHiba& hiba) {
        // Refused: the row stays pending and the dialog open.
        Seged::AltalanosHiba(hiba.uzenet(), this);
        return;
    }
    accept();
}

// ---------------------------------------------------------------------------

Tfrm_TorzsNevSzerkeszt::Tfrm_TorzsNevSzerkeszt(TorzsTabla& tabla, int sor, QWidget* szulo)
    : Tfrm_TorzsSzerkeszt(tabla, sor, szulo) {
    Parbeszed::Rogzitett(this, windowTitle(), QSize(229, 100));
    const TorzsLeiras& l = tabla.leiras();
    lblNev = cimke(l.nevCimke, this, 8, 8, 213);
    lblNev->setObjectName(QStringLiteral("lblNev"));
    edtNev = mezo(this, l.nevOszlop);
    edtNev->setGeometry(8, 24, 213, 21);
    lblNev->setBuddy(edtNev);
    btnOK->setGeometry(31, 62, 75, 25);
    btnMegsem->setGeometry(122, 62, 75, 25);

    setTabOrder(edtNev, btnOK);
    setTabOrder(btnOK, btnMegsem);
    befejez();
    edtNev->setFocus();
}

// ---------------------------------------------------------------------------

Tfrm_TorzsUgyfel_Szerkeszt::Tfrm_TorzsUgyfel_Szerkeszt(TorzsTabla& tabla, Kapcsolat& kapcsolat,
                                                       int sor, QWidget* szulo)
    : Tfrm_TorzsSzerkeszt(tabla, sor, szulo), m_kapcsolat(kapcsolat) {
    Parbeszed::Rogzitett(this, windowTitle(), QSize(445, 322));
    const SzerkesztoLapok lapok =
        SzerkesztoLapokLetrehoz(this, QStringLiteral("pgcLapok"), QRect(4, 4, 437, 276));
    pgcLapok = lapok.lapok;
    tabReszletes = lapok.reszletes;
    tabMegjegyzes = lapok.megjegyzes;
    memMegjegyzes = lapok.jegyzet;
    // The pages are changed by the mouse; Tab and Enter walk the fields only.
    pgcLapok->setFocusPolicy(Qt::NoFocus);
    if (auto* fulek = pgcLapok->findChild<QTabBar*>())
        fulek->setFocusPolicy(Qt::NoFocus);

    QWidget* r = tabReszletes;
    cimke(QStringLiteral("név"), r, 8, 6, 200);
    edtUgyfel_nev = mezo(r, QStringLiteral("Ugyfel_nev"));
    edtUgyfel_nev->setGeometry(8, 22, 413, 21);
    QFont felkover = edtUgyfel_nev->font();
    felkover.setBold(true);
    edtUgyfel_nev->setFont(felkover);

    cimke(QStringLiteral("telefon"), r, 8, 50, 130);
    edtTelefon = mezo(r, QStringLiteral("Telefon"));
    edtTelefon->setGeometry(8, 66, 133, 21);
    cimke(QStringLiteral("fax"), r, 148, 50, 130);
    edtFax = mezo(r, QStringLiteral("Fax"));
    edtFax->setGeometry(148, 66, 133, 21);
    cimke(QStringLiteral("mobil"), r, 288, 50, 130);
    edtMobil = mezo(r, QStringLiteral("Mobil"));
    edtMobil->setGeometry(288, 66, 133, 21);

    cimke(QStringLiteral("e-mail"), r, 8, 94, 200);
    edtEmil = mezo(r, QStringLiteral("Emil"));
    edtEmil->setGeometry(8, 110, 203, 21);
    cimke(QStringLiteral("honlap"), r, 218, 94, 200);
    edtHonlap = mezo(r, QStringLiteral("Honlap"));
    edtHonlap->setGeometry(218, 110, 203, 21);

    cimke(QStringLiteral("kapcsolattartó"), r, 8, 138, 200);
    edtKapcstarto = mezo(r, QStringLiteral("Kapcstarto"));
    edtKapcstarto->setGeometry(8, 154, 413, 21);

    cimke(QStringLiteral("irsz."), r, 8, 182, 50);
    edtCim_irsz = mezo(r, QStringLiteral("Cim_irsz"));
    edtCim_irsz->setGeometry(8, 198, 50, 21);
    cimke(QStringLiteral("város"), r, 64, 182, 150);
    edtCim_varos = mezo(r, QStringLiteral("Cim_varos"));
    edtCim_varos->setGeometry(64, 198, 150, 21);
    cimke(QStringLiteral("cím"), r, 220, 182, 200);
    edtCim_cim = mezo(r, QStringLiteral("Cim_cim"));
    edtCim_cim->setGeometry(220, 198, 201, 21);

    kapcsol(memMegjegyzes, QStringLiteral("Megjegyzes"), "plainText");

    btnOK->setGeometry(140, 288, 75, 25);
    btnMegsem->setGeometry(230, 288, 75, 25);

    // Tab and Enter: "OK", "Mégsem", then the fields; the dialog opens on "OK".
    const QList<QWidget*> sorrend{
        btnOK,     btnMegsem,     edtUgyfel_nev, edtTelefon,   edtFax,     edtMobil,     edtEmil,
        edtHonlap, edtKapcstarto, edtCim_irsz,   edtCim_varos, edtCim_cim, memMegjegyzes};
    for (int i = 1; i < sorrend.size(); ++i)
        setTabOrder(sorrend.at(i - 1), sorrend.at(i));

    edtCim_irsz->installEventFilter(this);
    befejez();
    btnOK->setFocus();
}

bool Tfrm_TorzsUgyfel_Szerkeszt::eventFilter(QObject* obj, QEvent* e) {
    if (obj == edtCim_irsz && e->type() == QEvent::FocusOut) {
        // Only a move of the focus inside the dialog counts as leaving the
        // field, not a switch to another window or an opening popup.
        const Qt::FocusReason ok = static_cast<QFocusEvent*>(e)->reason();
        if (ok != Qt::ActiveWindowFocusReason && ok != Qt::PopupFocusReason)
            irszElhagyva();
    }
    return Tfrm_TorzsSzerkeszt::eventFilter(obj, e);
}

void Tfrm_TorzsUgyfel_Szerkeszt::irszElhagyva() {
    try {
        if (const auto varos = IrszVaros(m_kapcsolat, edtCim_irsz->text()))
            edtCim_varos->setText(*varos);
    } catch (const PelvanoHiba& hiba) {
        Seged::AltalanosHiba(hiba.uzenet(), this);
    }
}
