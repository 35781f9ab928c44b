#pragma once

// The issued items report: the issue log of one kind of paper, all issues
// or only what is still out, with plan, line, issue date, recipient and
// return date.

#include "kiadottlista.h"

class Kapcsolat;
class QWidget;

// The report for kind 'T' or 'L' (only what is out with `csakKint`) through
// the output choice; its delimited text holds the same records
// ("Kintlevo.csv").
void PrintKiadott(Kapcsolat& k, QChar fajta, bool csakKint, QWidget* szulo = nullptr);
