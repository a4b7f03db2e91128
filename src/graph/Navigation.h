#pragma once

#include <cstdint>
#include <string>

#include "graph/View.h"

namespace graph {

// A step whose result would not be usable (IsUsable) leaves the view as it was.

// Wheel zoom about the centre by a number of notches, positive to zoom in; high-resolution wheels
// turn by fractions of one. One event is capped at five notches so that the view can never turn
// inside out.
void ZoomByWheel(View& v, double notches);

// The "H-Zoom" arrows: only the x range, about its centre.
void ZoomInHorizontally(View& v);
void ZoomOutHorizontally(View& v);

// The second click of a pan: the picture follows the pointer from (oldx, oldy) to (x, y).
void Pan(View& v, std::int32_t oldx, std::int32_t oldy, std::int32_t x, std::int32_t y);

// The pointer readout under canvas pixel (X, Y), two decimals, from the scales of the last drawing.
std::string xKoText(double xmin, double deltax, std::int32_t X);
std::string yKoText(double ymin, double dy, std::int32_t Y);

}  // namespace graph
