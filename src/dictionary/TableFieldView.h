#pragma once

#include "dictionary/Dictionary.h"

namespace dd {

// Shows the table of the selected list entry in the grid: row 1 its identifier, then one row per
// field line of its block. The table is the one the entry was made from, found by the line index
// that the entry keeps. Fails with the list error when nothing is selected; memory that runs out is the
// input/output error 8.
void LBClick(Dictionary& dictionary, const TableListModel& LB, GridModel& SG);

}  // namespace dd
