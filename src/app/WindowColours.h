#pragma once

#include <QColor>

// Pale green marks the fields the user types into; every other field is pale yellow.
inline const QColor kInputColour{229, 255, 216};
inline const QColor kOutputColour{255, 255, 207};
