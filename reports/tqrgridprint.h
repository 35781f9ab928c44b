#pragma once

// The grid print: the rows and columns of a list window's grid as a report.

#include "riport.h"

class QTableView;

// The printed width of a column in units of 1/575 band width: 575 * w / W
// rounded, w the column's and W the grid's width on screen.
int GridEgyseg(int oszlopSzel, int gridSzel);

// The grid print's layout: the grid's displayed rows (its order and filter),
// its visible columns in their on-screen order with their captions and
// alignments, in Tahoma of the given size.
Riport::Dokumentum GridRiport(QTableView* grid, const QString& cim, int betumeret);

// Builds the grid print and prints it at once or shows it in the preview.
void TqrGridPrint(QTableView* grid, bool azonnal, const QString& cim, int betumeret);
