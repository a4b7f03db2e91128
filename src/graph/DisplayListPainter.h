#pragma once

#include "graph/DisplayList.h"

class QPainter;

namespace graph {

// Paints the primitives in list order, each with its own colour, without antialiasing, so that a
// pixel shows exactly the colour of the last primitive that covers it.
void PaintDisplayList(QPainter& painter, const DisplayList& list);

}  // namespace graph
