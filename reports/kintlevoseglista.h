#pragma once

// The report of what is out by holder: one group for each holder (its name,
// count and longest time out), each item with its plan, subject, line,
// kind, issue date, authoriser and days out, the overdue ones marked.

#include "kintlevosegek.h"
#include "oldalkeret.h"
#include "riport.h"

namespace TrptKintlevoseg {

Riport::Dokumentum Lista(const QList<Kintlevosegek::Birtokos>& birtokosok, int kuszob,
                         const Oldalkeret::Tulajdonos& tulajdonos);

} // namespace TrptKintlevoseg
