#pragma once

#include <QWidget>
#include <functional>

class QPainter;

// The graph's drawing area. Its events carry results back to the toolkit (MouseDown,
// MouseWheel), so they are callbacks rather than signals; the window's binding sets them.
class Canvas : public QWidget {
  Q_OBJECT

 public:
  explicit Canvas(QWidget* parent);

  // Asks for a repaint; Paint comes later from the event loop.
  void Invalidate();

  std::function<void(QPainter&)> Paint;
  std::function<void()> MouseEnter;
  std::function<void()> MouseExit;
  std::function<void(int x, int y)> MouseMove;
  std::function<bool(int x, int y)> MouseDown;
  // Wheel deltas in notches, fractions of one from high-resolution wheels; a positive vertical
  // delta is the wheel turned away from the user.
  std::function<bool(int x, int y, double deltaX, double deltaY)> MouseWheel;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
};
