#include "tfrm_levkiad.h"

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

QString datum(const QVariant& v) {
    const QDate d = QDate::fromString(v.toString().left(10), Qt::ISODate);
    return d.isValid() ? QLocale().toString(d, QLocale::ShortFormat) : v.toString();
}

} // namespace

Tfrm_LevKiad::Tfrm_LevKiad(Kapcsolat& k, int terv, int sor, KiadasFajta fajta, QWidget* szulo)
    : QDialog(szulo), m_k(k), m_terv(terv), m_sor(sor), m_fajta(fajta) {
    setObjectName(QStringLiteral("frm_LevKiad"));
    Parbeszed::Rogzitett(this, QStringLiteral("Tervrajz/Levelezés kiadás"), QSize(456, 316));
    PageControl = new QTabWidget(this);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    PageControl->setGeometry(4, 4, 448, 308);
    for (KiadasFajta f : {KiadasFajta::Tervrajz, KiadasFajta::Levelezes})
        m_lapok[int(f)] = lapEpit(f);
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

Tfrm_LevKiad::Lap Tfrm_LevKiad::lapEpit(KiadasFajta fajta) {
    const KiadasMezok& m = Mezok(fajta);
    const bool terv = fajta == KiadasFajta::Tervrajz;
    Lap l;
    l.lap = new QWidget;
    PageControl->addTab(l.lap, terv ? QStringLiteral("Tervrajz") : QStringLiteral("Tervirat"));

    QSqlQuery q = m_k.sql(QStringLiteral("SELECT sor, reszmuvelet, %1 FROM terv_sor WHERE "
                                         "terv=:terv AND sor=:sor")
                              .arg(m.kinel),
                          {{QStringLiteral("terv"), m_terv}, {QStringLiteral("sor"), m_sor}});
    const bool van = q.next();

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
    l.kiadva->setText(datum(DatumSzoveg(QDate::currentDate())));
    if (van) {
        l.sor->setText(QStringLiteral("%1").arg(q.value(0).toInt(), 2, 10, QLatin1Char('0')));
        l.reszmuvelet->setText(q.value(1).toString());
    }
    l.kinek =
        valaszto(l.lap, QStringLiteral("kinek"), 4, 220, Kiadas::Cimzettek(m_k), Kiadas::KinelSzel);
    if (van)
        l.kinek->setEditText(q.value(2).toString());
    l.engedelyezo = valaszto(l.lap, QStringLiteral("engedélyező"), 5, 336,
                             Kiadas::Engedelyezok(m_k), Kiadas::EngedelyezoSzel);
    l.megjegyzes = new QPlainTextEdit(l.lap);
    l.megjegyzes->setGeometry(96, sorY(6), 336, 80);
    l.megjegyzes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    l.megjegyzes->setTabChangesFocus(true);
    Parbeszed::FokuszSzinez(l.megjegyzes);
    felirat(l.lap, QStringLiteral("megjegyzés"), 6, l.megjegyzes);

    l.nyomtat = new QPushButton(QStringLiteral("Nyomtat"), l.lap);
    l.kiad = new QPushButton(QStringLiteral("Kiad"), l.lap);
    l.bezar = new QPushButton(QStringLiteral("Bezár"), l.lap);
    int x = 194;
    for (QPushButton* b : {l.nyomtat, l.kiad, l.bezar}) {
        b->setGeometry(x, 248, 75, 25);
        b->setAutoDefault(false);
        x += 81;
    }
    l.nyomtat->setEnabled(false);
    const QString jel = terv ? QStringLiteral("T") : QStringLiteral("L");
    l.sor->setObjectName(QStringLiteral("edtSor") + jel);
    l.kinek->setObjectName(QStringLiteral("cbKinek") + jel);
    l.engedelyezo->setObjectName(QStringLiteral("cbEngedelyezo") + jel);
    l.megjegyzes->setObjectName(QStringLiteral("memMegjegyzes") + jel);
    l.nyomtat->setObjectName(QStringLiteral("btnNyomtat") + jel);
    l.kiad->setObjectName(QStringLiteral("btnKiad") + jel);
    l.bezar->setObjectName(QStringLiteral("btnBezar") + jel);
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
        PrintKiadas(m_k, m_kulcs, this);
}

void ShowLevKiad(Kapcsolat& k, int terv, int sor, int page, QWidget* szulo) {
    Tfrm_LevKiad d(k, terv, sor, page == 0 ? KiadasFajta::Tervrajz : KiadasFajta::Levelezes, szulo);
    d.exec();
}
