#pragma once

#include <QApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>

#include "DisplayListQueries.h"
#include "OpenedWindowTest.h"
#include "graph/View.h"

// The opened window with the start function analysed and not yet drawn. Canvas events go through
// the window's bindings, as the toolkit delivers them.
class GraphWindowTest : public OpenedWindowTest {
 protected:
  Canvas& canvas() { return window().GraphCanvas(); }

  graph::View View() const { return {window_->xmin, window_->xmax, window_->ymin, window_->ymax}; }
  void SetView(const graph::View& v) {
    window().xmin = v.xmin;
    window().xmax = v.xmax;
    window().ymin = v.ymin;
    window().ymax = v.ymax;
  }

  // What the paint the toolkit delivers next would draw.
  graph::DisplayList Drawing() { return window().SketchOfF(); }

  void Click(int x, int y) { QTest::mouseClick(&canvas(), Qt::LeftButton, {}, QPoint(x, y)); }
  void Send(QEvent& e) { QApplication::sendEvent(&canvas(), &e); }
  void Enter() {
    QEnterEvent e(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    Send(e);
  }
  void Leave() {
    QEvent e(QEvent::Leave);
    Send(e);
  }
  void Move(int x, int y) {
    QMouseEvent e(QEvent::MouseMove, QPointF(x, y), canvas().mapToGlobal(QPointF(x, y)),
                  Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    Send(e);
  }
  // angleDelta in the toolkit's eighths of a degree: 120 is one notch.
  void Wheel(int angleDelta) {
    const QPointF at(210, 131);
    QWheelEvent e(at, canvas().mapToGlobal(at), QPoint(), QPoint(0, angleDelta), Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    Send(e);
  }

  // Shows the window and lets the toolkit deliver the paints it owes.
  void ShowAndPaint() {
    window().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
    QApplication::processEvents();
  }
};
