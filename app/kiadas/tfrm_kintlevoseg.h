#pragma once

// "Kintlévőségek személyenként": what is out now, grouped by holder, each
// holder with the count of items and the longest time out, each item with
// its plan, line, kind, issue date, authoriser and days out; items out for
// longer than the threshold are marked overdue. Double click or Enter on an
// item closes the window on that plan and line; "Nyomtatás" gives the same
// as a report or as delimited text.

#include "kiadas/kintlevosegmodell.h"

#include <QDialog>

#include <optional>
#include <utility>

class Kapcsolat;
class QLabel;
class QPushButton;
class QTreeView;

class Tfrm_Kintlevoseg : public QDialog {
    Q_OBJECT
public:
    // Reads what is out on `nap`; errors throw AdatbazisHiba.
    Tfrm_Kintlevoseg(Kapcsolat& k, int kuszob, const QDate& nap, QWidget* szulo = nullptr);

    // The plan and line chosen, once the window closed on an item.
    std::optional<std::pair<int, int>> valasztott() const { return m_valasztott; }

    QTreeView* lista;
    QPushButton* btnNyomtat;
    Kintlevosegek::Modell* modell;
    QLabel* lblOsszegzes;

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void valaszt(const QModelIndex& i);
    // The output choice: the report (preview or printer) or the CSV.
    void nyomtat();

    Kapcsolat& m_k;
    int m_kuszob;

    std::optional<std::pair<int, int>> m_valasztott;
};

// Shows the window; the plan and line to stand on when one was chosen.
std::optional<std::pair<int, int>> ShowKintlevoseg(Kapcsolat& k, int kuszob,
                                                   QWidget* szulo = nullptr);
