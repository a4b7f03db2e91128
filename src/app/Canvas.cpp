#include "app/Canvas.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace {

// Qt's angle delta of one wheel notch.
constexpr double kNotch = 120.0;

}  // namespace

Canvas::Canvas(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setFocusPolicy(Qt::NoFocus);
}

void Canvas::Invalidate() {
  update();
}

void Canvas::paintEvent(QPaintEvent*) {
  if (!Paint) return;
  QPainter painter(this);
  Paint(painter);
}

void Canvas::enterEvent(QEnterEvent*) {
  if (MouseEnter) MouseEnter();
}

void Canvas::leaveEvent(QEvent*) {
  if (MouseExit) MouseExit();
}

void Canvas::mouseMoveEvent(QMouseEvent* event) {
  if (!MouseMove) return;
  const QPoint p = event->position().toPoint();
  MouseMove(p.x(), p.y());
}

void Canvas::mousePressEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  event->setAccepted(MouseDown && MouseDown(p.x(), p.y()));
}

void Canvas::wheelEvent(QWheelEvent* event) {
  const QPoint delta = event->angleDelta();
  if (delta.isNull() || !MouseWheel) {
    event->ignore();
    return;
  }
  const QPoint p = event->position().toPoint();
  event->setAccepted(MouseWheel(p.x(), p.y(), delta.x() / kNotch, delta.y() / kNotch));
}
