#include "graph/DisplayListPainter.h"

#include <QPainter>
#include <QPen>

namespace graph {

namespace {

QColor ToQColor(Color c) {
  return QColor(c.r, c.g, c.b);
}

struct Painting {
  QPainter& painter;

  void operator()(const FilledRect& r) const {
    painter.fillRect(QRect(r.x, r.y, r.width, r.height), ToQColor(r.color));
  }
  void operator()(const Line& l) const {
    // Square caps close the joints between the one-column segments of a curve.
    painter.setPen(QPen(ToQColor(l.color), l.pen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawLine(l.x1, l.y1, l.x2, l.y2);
  }
  void operator()(const FilledOval& o) const {
    painter.setPen(Qt::NoPen);
    painter.setBrush(ToQColor(o.color));
    painter.drawEllipse(QRect(o.x, o.y, o.width, o.height));
  }
};

}  // namespace

void PaintDisplayList(QPainter& painter, const DisplayList& list) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  const Painting paint{painter};
  for (const auto& p : list) std::visit(paint, p);
  painter.restore();
}

}  // namespace graph
