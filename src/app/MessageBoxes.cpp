#include "app/MessageBoxes.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// The program's texts break lines with CR LF (the Info text) or, in the reduction report, begin
// and end each entry with a form feed; on screen all of them are line breaks.
QString DisplayText(const std::string& text) {
  QString shown = QString::fromStdString(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  shown.replace(QLatin1Char('\f'), QLatin1Char('\n'));
  while (shown.startsWith(QLatin1Char('\n'))) shown.remove(0, 1);
  while (shown.endsWith(QLatin1Char('\n'))) shown.chop(1);
  return shown;
}

QRect AvailableScreen(const QWidget* parent) {
  const QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
  return screen->availableGeometry();
}

QMessageBox::Icon IconOf(int icon) {
  switch (icon) {
    case 0:
      return QMessageBox::Information;
    case 1:
      return QMessageBox::Warning;
    case 2:
      return QMessageBox::Critical;
    case 3:
      return QMessageBox::Question;
    default:
      return QMessageBox::NoIcon;
  }
}

}  // namespace

ScrollingMessageBox::ScrollingMessageBox(const std::string& text, QWidget* parent)
    : QDialog(parent), label_(new QLabel), scroll_(new QScrollArea) {
  label_->setTextFormat(Qt::PlainText);
  label_->setText(DisplayText(text));
  label_->setWordWrap(true);
  label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  scroll_->setWidget(label_);
  scroll_->setWidgetResizable(true);
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
  buttons->setCenterButtons(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(scroll_);
  layout->addWidget(buttons);

  const QRect screen = AvailableScreen(parent);
  const int maxWidth = screen.width() * 2 / 3;
  const int maxHeight = screen.height() * 2 / 3;
  const QSize textSize =
      label_->fontMetrics()
          .boundingRect(QRect(0, 0, maxWidth, 1 << 20), Qt::TextWordWrap, label_->text())
          .size();
  const int scrollBar =
      textSize.height() > maxHeight ? style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0;
  // The slack keeps the label from wrapping one word earlier than the measurement did.
  const int slack = label_->fontMetrics().averageCharWidth();
  scroll_->setMinimumSize(textSize.width() + scrollBar + slack,
                          std::min(textSize.height(), maxHeight));
}

QtMessageDialog::QtMessageDialog(const MessageDialog& dialog, QWidget* parent) : box_(parent) {
  box_.setIcon(IconOf(dialog.Icon));
  box_.setText(QString::fromStdString(dialog.Message));
  box_.setInformativeText(QString::fromStdString(dialog.Explanation));
  const auto add = [this](const DialogButton& button, QMessageBox::ButtonRole role,
                          QMessageBox::StandardButton standard) -> QAbstractButton* {
    if (!button.Visible) return nullptr;
    if (button.Caption.empty()) return box_.addButton(standard);
    return box_.addButton(QString::fromStdString(button.Caption), role);
  };
  action_ = add(dialog.ActionButton, QMessageBox::AcceptRole, QMessageBox::Ok);
  alternate_ = add(dialog.AlternateActionButton, QMessageBox::DestructiveRole, QMessageBox::No);
  cancel_ = add(dialog.CancelButton, QMessageBox::RejectRole, QMessageBox::Cancel);
  if (auto* action = qobject_cast<QPushButton*>(action_)) box_.setDefaultButton(action);
  if (cancel_ != nullptr) box_.setEscapeButton(cancel_);
}

QAbstractButton* QtMessageDialog::Button(PressedButton which) const {
  switch (which) {
    case PressedButton::ActionButton:
      return action_;
    case PressedButton::AlternateActionButton:
      return alternate_;
    case PressedButton::CancelButton:
      return cancel_;
    case PressedButton::None:
      break;
  }
  return nullptr;
}

PressedButton QtMessageDialog::Pressed() const {
  const QAbstractButton* clicked = box_.clickedButton();
  if (clicked == nullptr) return PressedButton::None;
  for (const PressedButton which :
       {PressedButton::ActionButton, PressedButton::AlternateActionButton,
        PressedButton::CancelButton})
    if (clicked == Button(which)) return which;
  return PressedButton::None;
}
