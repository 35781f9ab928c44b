#include "terv/tfrm_sorszerkeszt.h"

#include "ikonok.h"
#include "parbeszed.h"
#include "tablamodell.h"
#include "terv/lapok.h"
#include "terv/tfrm_szerkeszt.h"

#include <QCheckBox>
#include <QDataWidgetMapper>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextCursor>

namespace {

int sorY(int i) {
    return 8 + i * 24;
}

QLineEdit* mezo(QWidget* lap, const char* nev, const QString& felirat, int cx, int mx, int i,
                int szelesseg) {
    auto* e = new QLineEdit(lap);
    e->setObjectName(QLatin1String(nev));
    e->setGeometry(mx, sorY(i), szelesseg, 21);
    auto* l = new QLabel(felirat, lap);
    l->setGeometry(cx, sorY(i) + 3, mx - cx - 4, 16);
    l->setBuddy(e);
    return e;
}

// Keeps the mouse and the keyboard away from a check box that only shows.
class CsakMutatSzuro : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            return true;
        default:
            return false;
        }
    }
};

// A field shown only: not a tab stop, never written back; text boxes cream.
void csakMutat(QWidget* w) {
    w->setFocusPolicy(Qt::NoFocus);
    w->setProperty(Kotes::CsakMutat, true);
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        e->setReadOnly(true);
        Parbeszed::Krem(e);
    } else {
        w->installEventFilter(new CsakMutatSzuro(w));
    }
}

// Keeps a multi-line box at `hossz` characters: what goes beyond is dropped
// from what was just typed or pasted.
void hosszKorlat(QPlainTextEdit* doboz, int hossz) {
    QObject::connect(doboz, &QPlainTextEdit::textChanged, doboz, [doboz, hossz] {
        const int tobb = int(doboz->toPlainText().size()) - hossz;
        if (tobb <= 0)
            return;
        QTextCursor c = doboz->textCursor();
        const int vege = c.position();
        c.setPosition(qMax(0, vege - tobb));
        c.setPosition(vege, QTextCursor::KeepAnchor);
        c.removeSelectedText();
        if (doboz->toPlainText().size() > hossz) { // the cursor stood too near the start
            c.movePosition(QTextCursor::End);
            c.movePosition(QTextCursor::Left, QTextCursor::KeepAnchor,
                           int(doboz->toPlainText().size()) - hossz);
            c.removeSelectedText();
        }
        doboz->setTextCursor(c);
    });
}

} // namespace

Tfrm_SorSzerkeszt::Tfrm_SorSzerkeszt(TablaModell& tblSor, int sor, QWidget* szulo)
    : QDialog(szulo) {
    setObjectName(QStringLiteral("frm_SorSzerkeszt"));
    Parbeszed::Rogzitett(this, QStringLiteral("Sor szerkesztés"), QSize(474, 276));
    const SzerkesztoLapok lapok =
        SzerkesztoLapokLetrehoz(this, QStringLiteral("PageControl1"), QRect(4, 4, 466, 232));
    PageControl1 = lapok.lapok;
    tabReszletes = lapok.reszletes;
    tabMegjegyzes = lapok.megjegyzes;
    memMegjegyzes = lapok.jegyzet;

    QWidget* lap = tabReszletes;
    edtSor = mezo(lap, "edtSor", QStringLiteral("sor"), 8, 90, 0, 53);
    QFont felkover = edtSor->font();
    felkover.setBold(true);
    edtSor->setFont(felkover);
    edtSor->setProperty(Kotes::KetJegy, true);
    edtReszmuvelet = mezo(lap, "edtReszmuvelet", QStringLiteral("részművelet"), 8, 90, 1, 360);
    Parbeszed::KarakterKorlat(edtReszmuvelet, 100);
    edtRajzszam = mezo(lap, "edtRajzszam", QStringLiteral("rajzszám"), 8, 90, 2, 170);
    edtPausz = mezo(lap, "edtPausz", QStringLiteral("pausz"), 8, 90, 3, 170);
    edtIrata4 = mezo(lap, "edtIrata4", QStringLiteral("irat A4"), 8, 90, 4, 170);
    edtIrata5 = mezo(lap, "edtIrata5", QStringLiteral("irat A3"), 8, 90, 5, 170);
    for (QLineEdit* e : {edtRajzszam, edtPausz, edtIrata4, edtIrata5})
        Parbeszed::KarakterKorlat(e, 50);

    edtDatTkiad = mezo(lap, "edtDatTkiad", QStringLiteral("terv.kiad"), 272, 345, 2, 105);
    edtTkiadva = mezo(lap, "edtTkiadva", QStringLiteral("terv.kiadva"), 272, 345, 3, 105);
    chkTbent = new QCheckBox(QStringLiteral("terv bent"), lap);
    chkTbent->setObjectName(QStringLiteral("chkTbent"));
    chkTbent->setGeometry(272, sorY(4), 90, 21);
    edtDatLkiad = mezo(lap, "edtDatLkiad", QStringLiteral("lev.kiad"), 272, 345, 5, 105);
    edtLkiadva = mezo(lap, "edtLkiadva", QStringLiteral("lev.kiadva"), 272, 345, 6, 105);
    chkLbent = new QCheckBox(QStringLiteral("lev. bent"), lap);
    chkLbent->setObjectName(QStringLiteral("chkLbent"));
    chkLbent->setGeometry(272, sorY(7), 90, 21);
    for (QCheckBox* c : {chkTbent, chkLbent})
        c->setLayoutDirection(Qt::RightToLeft); // caption at the left
    for (QWidget* w : std::initializer_list<QWidget*>{edtSor, edtDatTkiad, edtTkiadva, chkTbent,
                                                      edtDatLkiad, edtLkiadva, chkLbent})
        csakMutat(w);
    edtDatTkiad->setProperty(Kotes::Datum, true);
    edtDatLkiad->setProperty(Kotes::Datum, true);

    hosszKorlat(memMegjegyzes, MegjegyzesHossz);

    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(311, 244, 75, 25);
    btnMegsem = new QPushButton(QStringLiteral("Mégsem"), this);
    btnMegsem->setObjectName(QStringLiteral("btnMegsem"));
    btnMegsem->setGeometry(392, 244, 75, 25);
    for (QPushButton* b : {btnOK, btnMegsem}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnMegsem, &QPushButton::clicked, this, &QDialog::reject);

    const QList<QWidget*> sorrend{edtReszmuvelet, edtRajzszam,   edtPausz, edtIrata4,
                                  edtIrata5,      memMegjegyzes, btnOK,    btnMegsem};
    for (int i = 1; i < sorrend.size(); ++i)
        setTabOrder(sorrend[i - 1], sorrend[i]);
    for (QLineEdit* e : {edtReszmuvelet, edtRajzszam, edtPausz, edtIrata4, edtIrata5})
        Parbeszed::FokuszSzinez(e);

    m_mapper = new QDataWidgetMapper(this);
    m_mapper->setSubmitPolicy(QDataWidgetMapper::ManualSubmit);
    m_mapper->setModel(&tblSor);
    m_mapper->setItemDelegate(new MezoKotes(m_mapper));
    const std::pair<QWidget*, const char*> kotesek[] = {{edtSor, "sor"},
                                                        {edtReszmuvelet, "reszmuvelet"},
                                                        {edtRajzszam, "rajzszam"},
                                                        {edtPausz, "pausz"},
                                                        {edtIrata4, "irata4"},
                                                        {edtIrata5, "irata5"},
                                                        {edtDatTkiad, "dat_tkiad"},
                                                        {edtTkiadva, "tkiadva"},
                                                        {chkTbent, "tbent"},
                                                        {edtDatLkiad, "dat_lkiad"},
                                                        {edtLkiadva, "lkiadva"},
                                                        {chkLbent, "lbent"},
                                                        {memMegjegyzes, "megjegyzes"}};
    for (const auto& [w, oszlop] : kotesek)
        Kotes::Kot(m_mapper, w, QLatin1String(oszlop));
    m_mapper->setCurrentIndex(sor);

    Parbeszed::EnterLeptet(this);
    PageControl1->setCurrentIndex(0);
    edtReszmuvelet->setFocus();
}

void Tfrm_SorSzerkeszt::atad() {
    m_mapper->submit();
}
