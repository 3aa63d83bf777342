#pragma once
// Turning the per-column extremes of a curve into runs of pixels that read as one line.

#include <vector>

#include "core/draw/Drawing.h"

namespace qx {

// Joins the columns' runs into one line, as a line drawn through every column's extremes
// would run: it enters each column at the end of the run nearer to where it left the
// column before (the first column at its top) and leaves it at the other end; the step
// from there to the next column's entry is filled in the column it leaves, up to the row
// before the entry. An empty column breaks the line: the next one starts it afresh.
void joinColumnSpans(std::vector<ColumnSpan>& spans);

}  // namespace qx
