#include "lekerdezes/tfrm_sql.h"

#include "fajlparbeszed.h"
#include "foablak/akciok.h"
#include "ikonok.h"
#include "kapcsolat.h"
#include "lekerdezes/szabadsql.h"
#include "lekerdezes/szovegexport.h"
#include "seged.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>
#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>
#include <Qsci/qscilexersql.h>
#include <Qsci/qsciscintilla.h>

namespace {

// The editor: SQL colouring in Courier New 10, line numbers of three
// digits, the current line on pale blue, the selection on grey.
void SzerkesztoBeallit(QsciScintilla* e) {
    const QFont betu(QStringLiteral("Courier New"), 10);
    auto* lexer = new QsciLexerSQL(e);
    lexer->setDefaultFont(betu);
    lexer->setFont(betu);
    QFont felkover = betu;
    felkover.setBold(true);
    lexer->setFont(felkover, QsciLexerSQL::Keyword);
    lexer->setColor(QColor(0, 0, 128), QsciLexerSQL::Keyword);
    for (int stilus : {QsciLexerSQL::Comment, QsciLexerSQL::CommentLine, QsciLexerSQL::CommentDoc,
                       QsciLexerSQL::CommentLineHash, QsciLexerSQL::PlusComment})
        lexer->setColor(QColor(0, 128, 0), stilus);
    lexer->setColor(QColor(0, 0, 255), QsciLexerSQL::Number);
    lexer->setColor(QColor(255, 0, 0), QsciLexerSQL::SingleQuotedString);
    lexer->setColor(QColor(255, 0, 0), QsciLexerSQL::DoubleQuotedString);
    e->setLexer(lexer);
    e->setUtf8(true);
    e->setEolMode(QsciScintilla::EolWindows);
    e->setMarginType(0, QsciScintilla::NumberMargin);
    e->setMarginsFont(betu);
    e->setMarginWidth(0, QStringLiteral("000"));
    e->setMarginLineNumbers(0, true);
    e->setMarginWidth(1, 0);
    // The horizontal scroll bar only for lines wider than the editor.
    e->setScrollWidth(1);
    e->setScrollWidthTracking(true);
    e->setCaretLineVisible(true);
    e->setCaretLineBackgroundColor(QColor(225, 240, 255));
    e->setSelectionBackgroundColor(QColor(128, 128, 128));
    e->setSelectionForegroundColor(Qt::white);
}

// The editor leaves the window's shortcuts to the window.
void BillentyuElenged(QsciScintilla* e, const QList<QAction*>& akciok) {
    for (QAction* a : akciok)
        for (const QKeySequence& b : a->shortcuts()) {
            const int kod = b[0].toCombined();
            QsciCommand* parancs = e->standardCommands()->boundTo(kod);
            if (!parancs)
                continue;
            if (parancs->key() == kod)
                parancs->setKey(0);
            else
                parancs->setAlternateKey(0);
        }
}

} // namespace

Tfrm_SQL::Tfrm_SQL(Kapcsolat& k, QWidget* szulo) : QDialog(szulo), m_k(k) {
    setObjectName(QStringLiteral("frm_SQL"));
    setWindowTitle(QStringLiteral("SQL lekérdezés"));
    setSizeGripEnabled(true);
    resize(585, 405);

    const struct {
        QAction** cel;
        const char* nev;
        const char* felirat;
        QKeySequence billentyu;
        const char* ikon;
    } leirasok[] = {
        {&aUj, "aUj", "Új SQL", QKeySequence(Qt::CTRL | Qt::Key_N), Ikon::Dokumentum},
        {&aMegnyit, "aMegnyit", "SQL megnyitása", QKeySequence(Qt::CTRL | Qt::Key_O), Ikon::Mappa},
        {&aMent, "aMent", "SQL mentése", QKeySequence(Qt::CTRL | Qt::Key_S), Ikon::Floppy},
        {&aExport, "aExport", "Export", QKeySequence(Qt::CTRL | Qt::Key_E), Ikon::Export},
        {&aBezar, "aBezar", "Bezár", QKeySequence(), Ikon::PirosKereszt},
        {&aKivag, "aKivag", "Kivág", QKeySequence(Qt::CTRL | Qt::Key_X), Ikon::Ollo},
        {&aMasol, "aMasol", "Másol", QKeySequence(Qt::CTRL | Qt::Key_C), Ikon::Masol},
        {&aBeilleszt, "aBeilleszt", "Beilleszt", QKeySequence(Qt::CTRL | Qt::Key_V),
         Ikon::Beilleszt},
        {&aMindet, "aMindet", "Mindet kijelöl", QKeySequence(Qt::CTRL | Qt::Key_A), nullptr},
        {&aFuttat, "aFuttat", "SQL lekérdezés", QKeySequence(Qt::Key_F5), Ikon::Futtat},
    };
    QHash<QString, QAction*> akciok;
    for (const auto& l : leirasok) {
        QList<QKeySequence> billentyuk;
        if (!l.billentyu.isEmpty())
            billentyuk << l.billentyu;
        *l.cel = Akciok::Uj(this, l.nev, QString::fromUtf8(l.felirat), billentyuk, l.ikon);
        akciok.insert(QString::fromLatin1(l.nev), *l.cel);
    }

    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    Akciok::Feltolt(MainMenu1->addMenu(QStringLiteral("Fájl")),
                    {QStringLiteral("aUj"), QStringLiteral("aMegnyit"), QStringLiteral("aMent"),
                     QStringLiteral("-"), QStringLiteral("aExport"), QStringLiteral("-"),
                     QStringLiteral("aBezar")},
                    akciok);
    Akciok::Feltolt(MainMenu1->addMenu(QStringLiteral("Szerkesztés")),
                    {QStringLiteral("aKivag"), QStringLiteral("aMasol"),
                     QStringLiteral("aBeilleszt"), QStringLiteral("-"), QStringLiteral("aMindet")},
                    akciok);
    Akciok::Feltolt(MainMenu1->addMenu(QStringLiteral("SQL")), {QStringLiteral("aFuttat")}, akciok);

    ToolBar1 = Akciok::EszkozTar(this, QStringLiteral("ToolBar1"));
    Akciok::Feltolt(ToolBar1,
                    {QStringLiteral("aUj"), QStringLiteral("aMegnyit"), QStringLiteral("aMent"),
                     QStringLiteral("-"), QStringLiteral("aExport"), QStringLiteral("-"),
                     QStringLiteral("aFuttat"), QStringLiteral("-"), QStringLiteral("aKivag"),
                     QStringLiteral("aMasol"), QStringLiteral("aBeilleszt"), QStringLiteral("-"),
                     QStringLiteral("aBezar")},
                    akciok);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    Akciok::Feltolt(PopupMenu1,
                    {QStringLiteral("aFuttat"), QStringLiteral("-"), QStringLiteral("aUj"),
                     QStringLiteral("aMegnyit"), QStringLiteral("aMent"), QStringLiteral("-"),
                     QStringLiteral("aKivag"), QStringLiteral("aMasol"),
                     QStringLiteral("aBeilleszt"), QStringLiteral("aMindet")},
                    akciok);
    PopupMenu2 = new QMenu(this);
    PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
    Akciok::Feltolt(PopupMenu2,
                    {QStringLiteral("aMasol"), QStringLiteral("-"), QStringLiteral("aExport")},
                    akciok);

    Memo1 = new QsciScintilla(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    SzerkesztoBeallit(Memo1);
    BillentyuElenged(Memo1, actions());
    Memo1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Memo1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& hely) { PopupMenu1->popup(Memo1->mapToGlobal(hely)); });

    Qry = new SqlEredmenyModell(this);
    DBGrid1 = new QTableView(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setModel(Qry);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->verticalHeader()->setDefaultSectionSize(18);
    DBGrid1->verticalHeader()->setVisible(false);
    DBGrid1->horizontalHeader()->setSectionsClickable(false);
    DBGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(DBGrid1, &QWidget::customContextMenuRequested, this, [this](const QPoint& hely) {
        PopupMenu2->popup(DBGrid1->viewport()->mapToGlobal(hely));
    });

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->addTab(Memo1, QStringLiteral("SQL"));
    PageControl1->addTab(DBGrid1, QStringLiteral("Eredmény"));

    auto* elrendezes = new QVBoxLayout(this);
    elrendezes->setContentsMargins(0, 0, 0, 0);
    elrendezes->setSpacing(0);
    elrendezes->setMenuBar(MainMenu1);
    elrendezes->addWidget(ToolBar1);
    elrendezes->addWidget(PageControl1);

    connect(aUj, &QAction::triggered, this, [this] { Memo1->clear(); });
    connect(aMegnyit, &QAction::triggered, this, &Tfrm_SQL::megnyit);
    connect(aMent, &QAction::triggered, this, &Tfrm_SQL::ment);
    connect(aExport, &QAction::triggered, this, &Tfrm_SQL::exportal);
    connect(aBezar, &QAction::triggered, this, &QDialog::reject);
    connect(aKivag, &QAction::triggered, this, [this] { szerkeszt(&QsciScintilla::cut); });
    connect(aMasol, &QAction::triggered, this, [this] { szerkeszt(&QsciScintilla::copy); });
    connect(aBeilleszt, &QAction::triggered, this, [this] { szerkeszt(&QsciScintilla::paste); });
    connect(aMindet, &QAction::triggered, this, [this] {
        if (PageControl1->currentWidget() == Memo1)
            Memo1->selectAll(true);
    });
    connect(aFuttat, &QAction::triggered, this, &Tfrm_SQL::futtat);
    connect(Qry, &SqlEredmenyModell::olvasasiHiba, this, &Tfrm_SQL::sqlHiba);
    // "Export" follows the result: every opening and closing resets it.
    connect(Qry, &QAbstractItemModel::modelReset, this, &Tfrm_SQL::exportAllapot);
    exportAllapot();
}

Tfrm_SQL::~Tfrm_SQL() = default;

void Tfrm_SQL::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    Memo1->setFocus(Qt::OtherFocusReason);
}

void Tfrm_SQL::keyPressEvent(QKeyEvent* e) {
    // Esc does not close the window: what is typed is not lost by a slip.
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void Tfrm_SQL::done(int eredmeny) {
    Qry->zar();
    QDialog::done(eredmeny);
}

void Tfrm_SQL::exportAllapot() {
    aExport->setEnabled(Qry->nyitva());
}

void Tfrm_SQL::sqlHiba(const QString& uzenet) {
    Seged::HibaAblak(QStringLiteral("SQL hiba:\r\n") + uzenet, this);
}

void Tfrm_SQL::futtat() {
    // The selection as the editor holds it now: the editor's own flag of a
    // selection is not cleared when typing replaces the selected text, so it
    // cannot tell whether anything is selected.
    const QString kijelolt = Memo1->selectedText();
    const QString utasitas = kijelolt.isEmpty() ? Memo1->text() : kijelolt;
    try {
        Seged::HomokOra homokora;
        const SzabadSql::Futas futas = SzabadSql::Futtat(m_k, *Qry, utasitas);
        if (futas == SzabadSql::Futas::Lekerdezes) {
            PageControl1->setCurrentWidget(DBGrid1);
            for (int i = 0; i < Qry->columnCount(); ++i)
                DBGrid1->setColumnWidth(i, 64);
            return;
        }
    } catch (const AdatbazisHiba& h) {
        sqlHiba(h.uzenet());
        return;
    }
    Seged::UzenetAblak(QStringLiteral("SQL futtatás kész."), this);
}

void Tfrm_SQL::megnyit() {
    const QString fajl = FajlParbeszed::Megnyitas(QStringLiteral("SQL megnyitás"),
                                                  QStringLiteral("SQL állományok (*.sql)|*.sql"),
                                                  SzabadSql::Mappa(), QStringLiteral("sql"), this);
    if (fajl.isEmpty())
        return;
    try {
        const QStringList sorok = SzabadSql::FajlOlvas(fajl);
        Memo1->setText(sorok.join(QStringLiteral("\r\n")));
        FajlNev = fajl;
    } catch (const PelvanoHiba& h) {
        Seged::AltalanosHiba(h.uzenet(), this);
    }
}

void Tfrm_SQL::ment() {
    const QString fajl = FajlParbeszed::Mentes(
        QStringLiteral("SQL mentése"), QStringLiteral("SQL file-ok (*.sql)|*.sql"),
        FajlNev.isEmpty() ? SzabadSql::Mappa() : FajlNev, QStringLiteral("sql"), this);
    if (fajl.isEmpty())
        return;
    try {
        SzabadSql::FajlIras(fajl, SzabadSql::Sorok(Memo1->text()));
        FajlNev = fajl;
    } catch (const PelvanoHiba& h) {
        Seged::AltalanosHiba(h.uzenet(), this);
    }
}

void Tfrm_SQL::exportal() {
    if (!Qry->nyitva())
        return;
    const QString fajl = FajlParbeszed::Mentes(
        QStringLiteral("Export"), QStringLiteral("CSV állományok (*.csv)|*.csv"),
        m_exportNev.isEmpty() ? SzabadSql::ExportAlapNev : m_exportNev, QStringLiteral("csv"),
        this);
    if (fajl.isEmpty())
        return;
    m_exportNev = fajl;
    Seged::HomokOra homokora;
    try {
        Qry->mindetBeolvas();
    } catch (const AdatbazisHiba& h) {
        sqlHiba(h.uzenet());
        return;
    }
    try {
        SzovegExport(*Qry->exportForras(), fajl, SzabadSql::ExportHatarolo);
    } catch (const PelvanoHiba& h) {
        Seged::AltalanosHiba(h.uzenet(), this);
    }
}

void Tfrm_SQL::szerkeszt(void (QsciScintilla::*muvelet)()) {
    if (PageControl1->currentWidget() == Memo1)
        (Memo1->*muvelet)();
}

void ShowSQL(Kapcsolat& k, QWidget* szulo) {
    Tfrm_SQL ablak(k, szulo);
    ablak.exec();
}
