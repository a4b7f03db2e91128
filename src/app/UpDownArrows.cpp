#include "app/UpDownArrows.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>

UpDownArrows::UpDownArrows(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::NoFocus);
}

QRect UpDownArrows::HalfRect(Half half) const {
  const int upper = height() / 2;
  return half == Half::Upper ? QRect(0, 0, width(), upper)
                             : QRect(0, upper, width(), height() - upper);
}

void UpDownArrows::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  for (const Half half : {Half::Upper, Half::Lower}) {
    QStyleOptionButton button;
    button.initFrom(this);
    button.rect = HalfRect(half);
    if (pressed_ == half) button.state |= QStyle::State_Sunken;
    style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &button, &painter, this);

    QStyleOption arrow;
    arrow.initFrom(this);
    arrow.rect = button.rect.adjusted(2, 2, -2, -2);
    style()->drawPrimitive(
        half == Half::Upper ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown, &arrow,
        &painter, this);
  }
}

void UpDownArrows::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  pressed_ =
      HalfRect(Half::Upper).contains(event->position().toPoint()) ? Half::Upper : Half::Lower;
  update();
  if (pressed_ == Half::Upper)
    emit Up();
  else
    emit Down();
}

void UpDownArrows::mouseReleaseEvent(QMouseEvent*) {
  pressed_ = Half::None;
  update();
}
