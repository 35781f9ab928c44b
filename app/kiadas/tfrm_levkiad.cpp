#include "kiadas/tfrm_levkiad.h"

#include "kapcsolat.h"
#include "parbeszed.h"
#include "seged.h"
#include "trptkiadas.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTabWidget>

namespace {

int sorY(int i) {
    return 10 + i * 26;
}

void felirat(QWidget* lap, const QString& szoveg, int i, QWidget* mezo) {
    auto* l = new QLabel(szoveg, lap);
    l->setGeometry(8, sorY(i) + 3, 84, 16);
    l->setBuddy(mezo);
}

QLineEdit* mutato(QWidget* lap, const QString& cimke, int i, int szel) {
    auto* e = new QLineEdit(lap);
    e->setGeometry(96, sorY(i), szel, 21);
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::NoFocus);
    Parbeszed::Krem(e);
    felirat(lap, cimke, i, e);
    return e;
}

QComboBox* valaszto(QWidget* lap, const QString& cimke, int i, int szel, const QStringList& elemek,
                    int hossz) {
    QComboBox* c = Parbeszed::SzabadValaszto(lap, elemek, hossz);
    c->setGeometry(96, sorY(i), szel, 21);
    felirat(lap, cimke, i, c);
    return c;
}

} // namespace

Tfrm_LevKiad::Tfrm_LevKiad(Kapcsolat& k, int terv, int sor, KiadasFajta fajta, QWidget* szulo)
    : QDialog(szulo), m_k(k), m_terv(terv), m_sor(sor), m_fajta(fajta) {
    setObjectName(QStringLiteral("frm_LevKiad"));
    Parbeszed::Rogzitett(this, QStringLiteral("Tervrajz/Levelezés kiadás"), QSize(456, 316));
    PageControl = new QTabWidget(this);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    PageControl->setGeometry(4, 4, 448, 308);
    // The line and the pick lists are read once, for both tabs.
    QSqlQuery q = m_k.sql(QStringLiteral("SELECT sor, reszmuvelet, tkiadva, lkiadva FROM terv_sor "
                                         "WHERE terv=:terv AND sor=:sor"),
                          {{QStringLiteral("terv"), m_terv}, {QStringLiteral("sor"), m_sor}});
    LapAdat adat;
    if (q.next()) {
        adat.sor = QStringLiteral("%1").arg(q.value(0).toInt(), 2, 10, QLatin1Char('0'));
        adat.reszmuvelet = q.value(1).toString();
        adat.kinel[int(KiadasFajta::Tervrajz)] = q.value(2).toString();
        adat.kinel[int(KiadasFajta::Levelezes)] = q.value(3).toString();
    }
    adat.cimzettek = Kiadas::Cimzettek(m_k);
    adat.engedelyezok = Kiadas::Engedelyezok(m_k);
    for (KiadasFajta f : {KiadasFajta::Tervrajz, KiadasFajta::Levelezes})
        m_lapok[int(f)] = lapEpit(f, adat);
    // One tab at a time: the one of the kind being issued.
    const int lathato = int(fajta);
    PageControl->setCurrentIndex(lathato);
    PageControl->setTabVisible(1 - lathato, false);
    const Lap& l = m_lapok[lathato];
    setTabOrder(l.kinek, l.engedelyezo);
    setTabOrder(l.engedelyezo, l.megjegyzes);
    setTabOrder(l.megjegyzes, l.kiad);
    setTabOrder(l.kiad, l.nyomtat);
    setTabOrder(l.nyomtat, l.bezar);
    Parbeszed::EnterLeptet(this);
    l.kinek->setFocus();
}

Tfrm_LevKiad::Lap Tfrm_LevKiad::lapEpit(KiadasFajta fajta, const LapAdat& adat) {
    const bool terv = fajta == KiadasFajta::Tervrajz;
    Lap l;
    l.lap = new QWidget;
    PageControl->addTab(l.lap, terv ? QStringLiteral("Tervrajz") : QStringLiteral("Tervirat"));

    l.sor = mutato(l.lap, QStringLiteral("sor"), 0, 40);
    QFont felkover = l.sor->font();
    felkover.setBold(true);
    l.sor->setFont(felkover);
    l.reszmuvelet = mutato(l.lap, QStringLiteral("részművelet"), 1, 336);
    l.bent = new QCheckBox(terv ? QStringLiteral("terv bent") : QStringLiteral("ti. bent"), l.lap);
    l.bent->setGeometry(96, sorY(2), 120, 21);
    l.bent->setFocusPolicy(Qt::NoFocus);
    l.bent->setAttribute(Qt::WA_TransparentForMouseEvents);
    // The line as it will be after the issue: out since today.
    l.bent->setChecked(false);
    l.kiadva = mutato(
        l.lap, terv ? QStringLiteral("terv kiadva") : QStringLiteral("tervirat kiadva"), 3, 100);
    l.kiadva->setText(QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
    l.sor->setText(adat.sor);
    l.reszmuvelet->setText(adat.reszmuvelet);
    l.kinek = valaszto(l.lap, QStringLiteral("kinek"), 4, 220, adat.cimzettek, Kiadas::KinelSzel);
    l.kinek->setEditText(adat.kinel[int(fajta)]);
    l.engedelyezo = valaszto(l.lap, QStringLiteral("engedélyező"), 5, 336, adat.engedelyezok,
                             Kiadas::EngedelyezoSzel);
    l.megjegyzes = new QPlainTextEdit(l.lap);
    l.megjegyzes->setGeometry(96, sorY(6), 336, 80);
    l.megjegyzes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    l.megjegyzes->setTabChangesFocus(true);
    Parbeszed::FokuszSzinez(l.megjegyzes);
    felirat(l.lap, QStringLiteral("megjegyzés"), 6, l.megjegyzes);

    const QString jel = terv ? QStringLiteral("T") : QStringLiteral("L");
    const auto gomb = [&](const char* nev, const QString& felirat, int x) {
        return Parbeszed::Gomb(l.lap, (QLatin1String(nev) + jel).toLatin1().constData(), felirat, x,
                               248);
    };
    l.nyomtat = gomb("btnNyomtat", QStringLiteral("Nyomtat"), 194);
    l.kiad = gomb("btnKiad", QStringLiteral("Kiad"), 275);
    l.bezar = gomb("btnBezar", QStringLiteral("Bezár"), 356);
    l.nyomtat->setEnabled(false);
    l.sor->setObjectName(QStringLiteral("edtSor") + jel);
    l.kinek->setObjectName(QStringLiteral("cbKinek") + jel);
    l.engedelyezo->setObjectName(QStringLiteral("cbEngedelyezo") + jel);
    l.megjegyzes->setObjectName(QStringLiteral("memMegjegyzes") + jel);
    connect(l.kiad, &QPushButton::clicked, this, &Tfrm_LevKiad::kiad);
    connect(l.nyomtat, &QPushButton::clicked, this, &Tfrm_LevKiad::nyomtat);
    connect(l.bezar, &QPushButton::clicked, this, &QDialog::reject);
    return l;
}

void Tfrm_LevKiad::kiad() {
    const Lap& l = m_lapok[int(m_fajta)];
    l.kiad->setEnabled(false);
    const KiadasAdat adat{l.kinek->currentText(), l.engedelyezo->currentText(),
                          Kiadas::Megjegyzes(l.megjegyzes->toPlainText())};
    try {
        m_kulcs = Kiadas::Kiad(m_k, m_terv, m_sor, m_fajta, adat);
    } catch (const KiadasElutasitva& h) {
        // Issued meanwhile elsewhere: nothing stored, nothing more to do.
        Seged::HibaAblak(h.uzenet(), this);
        return;
    } catch (const AdatbazisHiba& h) {
        // Nothing stored; the clerk may try again.
        Seged::HibaAblak(h.uzenet(), this);
        l.kiad->setEnabled(true);
        return;
    }
    l.nyomtat->setEnabled(true);
}

void Tfrm_LevKiad::nyomtat() {
    if (m_kulcs > 0)
        PrintKiadas(m_k, {m_kulcs, m_kulcs}, this);
}

void ShowLevKiad(Kapcsolat& k, int terv, int sor, int page, QWidget* szulo) {
    Tfrm_LevKiad d(k, terv, sor, page == 0 ? KiadasFajta::Tervrajz : KiadasFajta::Levelezes, szulo);
    d.exec();
}
