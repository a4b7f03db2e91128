#include "app/BusyCursor.h"

#include <QApplication>

BusyCursor::BusyCursor(std::size_t textSize) : shown_(textSize >= kLongText) {
  if (shown_) QApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyCursor::~BusyCursor() {
  if (shown_) QApplication::restoreOverrideCursor();
}
