#include "app/Fonts.h"

namespace {

QFont PixelFont(const char* family, int pixelSize, bool bold) {
  QFont font(QString::fromLatin1(family));
  font.setPixelSize(pixelSize > 0 ? pixelSize : kDefaultTextSize);
  font.setBold(bold);
  return font;
}

}  // namespace

QFont SystemFont(int pixelSize, bool bold) {
  return PixelFont("Liberation Sans", pixelSize, bold);
}

QFont TimesFont(int pixelSize) {
  return PixelFont("Liberation Serif", pixelSize, false);
}
