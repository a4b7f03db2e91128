#include "app/BusyCursor.h"

#include <QApplication>

BusyCursor::BusyCursor(std::size_t textSize, std::size_t longFrom) : shown_(textSize >= longFrom) {
  if (shown_) QApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyCursor::~BusyCursor() {
  if (shown_) QApplication::restoreOverrideCursor();
}

UsualCursor::UsualCursor() : shown_(QApplication::overrideCursor() != nullptr) {
  if (shown_) QApplication::setOverrideCursor(Qt::ArrowCursor);
}

UsualCursor::~UsualCursor() {
  if (shown_) QApplication::restoreOverrideCursor();
}
