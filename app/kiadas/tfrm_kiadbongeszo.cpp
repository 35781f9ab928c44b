#include "kiadas/tfrm_kiadbongeszo.h"

#include "foablak/akciok.h"
#include "ikonok.h"
#include "kapcsolat.h"
#include "kiadas/trptkiadott.h"
#include "kiadasnaplo.h"
#include "parbeszed.h"
#include "seged.h"

#include <QAction>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

Tfrm_KiadBongeszo::Tfrm_KiadBongeszo(Kapcsolat& k, QChar fajta, QWidget* szulo)
    : QDialog(szulo), m_k(k) {
    setObjectName(QStringLiteral("frm_KiadBongeszo"));
    Parbeszed::Rogzitett(this,
                         QStringLiteral("Kiadások böngésző") +
                             (fajta == QLatin1Char('T') ? QStringLiteral(": Tervek")
                                                        : QStringLiteral(": Levelezés")),
                         QSize(744, 452));

    aSzur = Akciok::Uj(this, "aSzur", QStringLiteral("Szűrés (csak kintlévő)"),
                       {QKeySequence(Qt::CTRL | Qt::Key_F3)}, Ikon::Szuro);
    aSzur->setCheckable(true);
    aNyomtat = Akciok::Uj(this, "aNyomtat", QStringLiteral("Nyomtatás"),
                          {QKeySequence(Qt::CTRL | Qt::Key_P)}, Ikon::Nyomtato);
    aBezar = Akciok::Uj(this, "aBezar", QStringLiteral("Bezár"), {QKeySequence(Qt::Key_Escape)},
                        Ikon::PirosKereszt);

    ToolBar1 = Akciok::EszkozTar(this, QStringLiteral("ToolBar1"));
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    for (QAction* a : {aSzur, aNyomtat, aBezar}) {
        ToolBar1->addAction(a);
        PopupMenu1->addAction(a);
        if (a != aBezar) {
            ToolBar1->addSeparator();
            PopupMenu1->addSeparator();
        }
    }

    Qry = new KiadasNaploModell(m_k, this);
    DBGrid1 = new QTableView(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setModel(Qry);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->verticalHeader()->setDefaultSectionSize(18);
    DBGrid1->verticalHeader()->setVisible(false);
    DBGrid1->horizontalHeader()->setSectionsClickable(false);
    const int szelessegek[] = {80, 30, 170, 180, 78, 78, 110};
    for (int i = 0; i < 7; ++i)
        DBGrid1->setColumnWidth(i, szelessegek[i]);
    DBGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(DBGrid1, &QWidget::customContextMenuRequested, this, [this](const QPoint& hely) {
        PopupMenu1->popup(DBGrid1->viewport()->mapToGlobal(hely));
    });

    memMegjegyzes = new QPlainTextEdit(this);
    memMegjegyzes->setObjectName(QStringLiteral("memMegjegyzes"));
    memMegjegyzes->setReadOnly(true);
    memMegjegyzes->setFixedHeight(89);
    memMegjegyzes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    auto* elrendezes = new QVBoxLayout(this);
    elrendezes->setContentsMargins(0, 0, 0, 0);
    elrendezes->setSpacing(0);
    elrendezes->addWidget(ToolBar1);
    elrendezes->addWidget(DBGrid1);
    elrendezes->addWidget(memMegjegyzes);

    connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &Tfrm_KiadBongeszo::jegyzetMutat);
    // Opened or narrowed: the first row and its note.
    connect(Qry, &QAbstractItemModel::modelReset, this, [this] {
        if (Qry->rowCount() > 0)
            DBGrid1->setCurrentIndex(Qry->index(0, 0));
        jegyzetMutat();
    });
    connect(aSzur, &QAction::toggled, Qry, &KiadasNaploModell::setCsakKint);
    connect(aNyomtat, &QAction::triggered, this,
            [this] { PrintKiadott(m_k, Qry->szuro().fajta, Qry->szuro().csakKint, this); });
    connect(aBezar, &QAction::triggered, this, &QDialog::reject);
    // Read after the connections: the list stands on its first row.
    Qry->nyit(fajta);
    DBGrid1->setFocus();
}

Tfrm_KiadBongeszo::~Tfrm_KiadBongeszo() {
    DBGrid1->setModel(nullptr);
}

void Tfrm_KiadBongeszo::jegyzetMutat() {
    const int sor = DBGrid1->currentIndex().row();
    memMegjegyzes->setPlainText(sor >= 0 ? Qry->ertek(sor, QStringLiteral("megjegyzes")).toString()
                                         : QString());
}

void ShowKiadBongeszo(Kapcsolat& k, QChar fajta, QWidget* szulo) {
    std::unique_ptr<Tfrm_KiadBongeszo> d;
    {
        // Reading a large log takes a moment.
        const Seged::HomokOra varj;
        d = std::make_unique<Tfrm_KiadBongeszo>(k, fajta, szulo);
    }
    d->exec();
}
