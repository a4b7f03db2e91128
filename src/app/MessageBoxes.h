#pragma once

#include <QDialog>
#include <QMessageBox>

#include "app/ToolkitServices.h"

class QLabel;
class QPlainTextEdit;
class QScrollArea;

// The box of MsgBox: its text and an OK button. A long text (the function list, the reduction
// report) scrolls and a long line wraps inside a box no larger than two thirds of the screen, so
// the button is always in sight.
class ScrollingMessageBox : public QDialog {
  Q_OBJECT

 public:
  // Longer texts (in UTF-16 units, as shown) go into a plain-text view, which lays out only the
  // lines in sight; a label lays out and measures its whole text before it shows. A text with
  // a word wider than the box goes there as well, since only the view wraps inside a word.
  static constexpr qsizetype kLongText = 16 * 1024;

  ScrollingMessageBox(const std::string& text, QWidget* parent);

  // A text up to kLongText whose words fit the box: a label in a scroll area. Both throw
  // std::logic_error otherwise.
  QLabel& TextLabel() const;
  QScrollArea& ScrollArea() const;
  // Any other text. Throws std::logic_error for one in a label.
  QPlainTextEdit& LongTextView() const;

 private:
  QLabel* label_ = nullptr;
  QScrollArea* scroll_ = nullptr;
  QPlainTextEdit* longText_ = nullptr;
};

// A MessageDialog as a QMessageBox, with its buttons in the roles Qt expects.
class QtMessageDialog {
 public:
  QtMessageDialog(const MessageDialog& dialog, QWidget* parent);

  QMessageBox& Box() { return box_; }
  QAbstractButton* Button(PressedButton which) const;
  // The button that closed the box.
  PressedButton Pressed() const;

 private:
  QMessageBox box_;
  QAbstractButton* action_ = nullptr;
  QAbstractButton* alternate_ = nullptr;
  QAbstractButton* cancel_ = nullptr;
};
