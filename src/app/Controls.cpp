#include "app/Controls.h"

#include <QKeyEvent>
#include <QPainter>
#include <limits>

// Qt would cut every text at 32767 characters, typed or set by the program; these fields take
// any length.
LineControl::LineControl(QWidget* parent) : QLineEdit(parent) {
  setMaxLength(std::numeric_limits<int>::max());
}

std::string LineControl::Text() const {
  return text().toStdString();
}

void LineControl::SetText(const std::string& text) {
  setText(QString::fromStdString(text));
  // QLineEdit leaves the cursor at the end, so a long text would show its tail, which reads as
  // another number; a written text shows its beginning, as a typed one did while it was typed.
  setCursorPosition(0);
}

QColor LineControl::TextColor() const {
  return palette().color(QPalette::Text);
}

void LineControl::SetTextColor(const QColor& color) {
  QPalette p = palette();
  p.setColor(QPalette::Text, color);
  setPalette(p);
}

TextField::TextField(QWidget* parent) : LineControl(parent) {}

bool TextField::event(QEvent* event) {
  // Tab is taken for focus navigation before keyPressEvent sees it.
  if (acceptTabs_ && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Tab && key->modifiers() == Qt::NoModifier && !isReadOnly()) {
      insert(QStringLiteral("\t"));
      return true;
    }
  }
  return LineControl::event(event);
}

TextArea::TextArea(QWidget* parent) : LineControl(parent) {}

Label::Label(QWidget* parent) : QLabel(parent) {}

std::string Label::Text() const {
  return text().toStdString();
}

void Label::SetText(const std::string& text) {
  setText(QString::fromStdString(text));
}

PushButton::PushButton(QWidget* parent) : QPushButton(parent) {}

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent) {
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  setCompleter(nullptr);
  connect(lineEdit(), &QLineEdit::textEdited, this, &ComboBox::TextChanged);
  connect(this, &QComboBox::activated, this, &ComboBox::TextChanged);
}

void ComboBox::SetItems(const QStringList& items) {
  const QSignalBlocker quiet(this);
  clear();
  addItems(items);
  setCurrentIndex(0);
}

std::string ComboBox::Text() const {
  return currentText().toStdString();
}

void ComboBox::SetText(const std::string& text) {
  const QString t = QString::fromStdString(text);
  if (t == currentText()) return;
  setEditText(t);
  emit TextChanged();
}

Line::Line(QWidget* parent) : QWidget(parent) {}

void Line::SetEnds(QPoint from, QPoint to) {
  from_ = from;
  to_ = to;
  setGeometry(QRect(from, to).normalized());
}

void Line::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(QPen(Qt::black, 1));
  painter.drawLine(from_ - pos(), to_ - pos());
}
