#pragma once

#include <QWidget>

// A pair of small arrow buttons, one above the other: a press on the upper half raises Up, on
// the lower half Down.
class UpDownArrows : public QWidget {
  Q_OBJECT

 public:
  explicit UpDownArrows(QWidget* parent);

 signals:
  void Up();
  void Down();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  enum class Half { None, Upper, Lower };
  QRect HalfRect(Half half) const;

  Half pressed_ = Half::None;
};
