#pragma once

#include <QDialog>
#include <QMessageBox>

#include "app/ToolkitServices.h"

class QLabel;
class QScrollArea;

// The box of MsgBox: its text and an OK button. A long text (the function list, the reduction
// report) scrolls inside a box no larger than two thirds of the screen.
class ScrollingMessageBox : public QDialog {
  Q_OBJECT

 public:
  ScrollingMessageBox(const std::string& text, QWidget* parent);

  QLabel& TextLabel() const { return *label_; }
  QScrollArea& ScrollArea() const { return *scroll_; }

 private:
  QLabel* label_;
  QScrollArea* scroll_;
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
