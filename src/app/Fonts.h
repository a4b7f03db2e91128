#pragma once

#include <QFont>

// The window's two font names: "System" is Liberation Sans, "Times" is Liberation Serif. Sizes
// are pixel sizes, so the layout does not depend on the screen's resolution.
inline constexpr int kDefaultTextSize = 13;

// A size of 0 is the default text size.
QFont SystemFont(int pixelSize = 0, bool bold = false);
QFont TimesFont(int pixelSize);
