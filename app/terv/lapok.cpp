#include "terv/lapok.h"

#include "ikonok.h"

#include <QDialog>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QVBoxLayout>

SzerkesztoLapok SzerkesztoLapokLetrehoz(QDialog* ablak, const QString& nev, const QRect& hely) {
    SzerkesztoLapok l;
    l.lapok = new QTabWidget(ablak);
    l.lapok->setObjectName(nev);
    l.lapok->setGeometry(hely);
    l.reszletes = new QWidget;
    l.reszletes->setObjectName(QStringLiteral("tabReszletes"));
    l.megjegyzes = new QWidget;
    l.megjegyzes->setObjectName(QStringLiteral("tabMegjegyzes"));
    l.lapok->addTab(l.reszletes, Ikon::Kep(Ikon::Dokumentum), QStringLiteral("Részletes"));
    l.lapok->addTab(l.megjegyzes, Ikon::Kep(Ikon::Jegyzet), QStringLiteral("Megjegyzés"));
    auto* elrendezes = new QVBoxLayout(l.megjegyzes);
    elrendezes->setContentsMargins(0, 0, 0, 0);
    l.jegyzet = new QPlainTextEdit(l.megjegyzes);
    l.jegyzet->setObjectName(QStringLiteral("memMegjegyzes"));
    l.jegyzet->setFont(QFont(QStringLiteral("Courier New"), 9));
    l.jegyzet->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    l.jegyzet->setTabChangesFocus(true);
    elrendezes->addWidget(l.jegyzet);
    return l;
}
