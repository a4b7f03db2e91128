#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QWidget>
#include <string>

// The window's control kinds. Each is its own class, so that a lookup by name can test the kind
// (a TextArea is no TextField). Texts cross into the program as UTF-8 std::string.

// What the single-line fields share: text and text colour. Setting the text from code raises the
// same change event as typing, before the setter returns, and shows the text's beginning.
class LineControl : public QLineEdit {
 public:
  explicit LineControl(QWidget* parent);

  std::string Text() const;
  void SetText(const std::string& text);
  QColor TextColor() const;
  void SetTextColor(const QColor& color);
};

// Single-line field: term input, number input, numeric output. Its event is TextChange.
class TextField : public LineControl {
  Q_OBJECT

 public:
  explicit TextField(QWidget* parent);

  // Accepting tabs, the Tab key types a tab character instead of moving the focus on.
  void SetAcceptTabs(bool accept) { acceptTabs_ = accept; }

 protected:
  bool event(QEvent* event) override;

 private:
  bool acceptTabs_ = false;
};

// One-line output field for long texts; the user may type into it, nothing reacts.
class TextArea : public LineControl {
  Q_OBJECT

 public:
  explicit TextArea(QWidget* parent);
};

// Fixed caption. It draws no background, so it never hides a control it overlaps.
class Label : public QLabel {
  Q_OBJECT

 public:
  explicit Label(QWidget* parent);

  std::string Text() const;
  void SetText(const std::string& text);
};

// Command button; its event Action is Qt's clicked.
class PushButton : public QPushButton {
  Q_OBJECT

 public:
  explicit PushButton(QWidget* parent);
};

// Editable drop-down choice with a fixed item list. TextChanged comes when the user chooses an
// item (the one shown included), on every edit of the typed text, and when code sets a new text.
class ComboBox : public QComboBox {
  Q_OBJECT

 public:
  explicit ComboBox(QWidget* parent);

  // Replaces the items and shows the first one, without raising TextChanged.
  void SetItems(const QStringList& items);
  std::string Text() const;
  void SetText(const std::string& text);

 signals:
  void TextChanged();
};

// A black line one pixel wide between two end points of the window.
class Line : public QWidget {
  Q_OBJECT

 public:
  explicit Line(QWidget* parent);

  // Takes the widget's rectangle as the line's extent.
  void SetEnds(QPoint from, QPoint to);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPoint from_;
  QPoint to_;
};
