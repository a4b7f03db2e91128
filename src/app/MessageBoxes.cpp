#include "app/MessageBoxes.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStringTokenizer>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <stdexcept>

namespace {

// The program's texts break lines with CR LF (the Info text), LF CR (the function list) or, in
// the reduction report, begin and end each entry with a form feed; on screen all of them are line
// breaks, a pair of codes 10 and 13 in either order a single one.
QString DisplayText(const std::string& text) {
  QString shown = QString::fromStdString(text);
  const auto isBreak = [](QChar c) { return c == QLatin1Char('\n') || c == QLatin1Char('\r'); };
  // No replacement is longer than what it replaces, so the text is rewritten in place: a list of
  // megabytes would otherwise be copied once more.
  QChar* const begin = shown.data();
  const QChar* const end = begin + shown.size();
  const QChar* in = begin;
  QChar* out = begin;
  while (in != end) {
    const QChar c = *in++;
    if (isBreak(c)) {
      if (in != end && isBreak(*in) && *in != c) ++in;
      *out++ = QLatin1Char('\n');
    } else {
      *out++ = c == QLatin1Char('\f') ? QChar(QLatin1Char('\n')) : c;
    }
  }
  while (out != begin && out[-1] == QLatin1Char('\n')) --out;
  shown.truncate(out - begin);
  qsizetype leading = 0;
  while (leading < shown.size() && shown[leading] == QLatin1Char('\n')) ++leading;
  shown.remove(0, leading);
  return shown;
}

// A plain-text view lays out a whole paragraph as soon as a part of it is in sight, in a time that
// grows with the square of its length (a line of 1 MiB took half a minute), and every paragraph
// costs on its own as well (166,000 of them took half a second). The view therefore gets the
// text in paragraphs of at most kParagraphLines lines and kParagraph characters: short lines go
// together, joined by line separators, which show as line breaks; a longer line is cut at its
// last blank before the bound, or at the bound where it has none.
constexpr qsizetype kParagraph = 4096;
constexpr int kParagraphLines = 32;

QString InParagraphs(const QString& shown) {
  QString paragraphs;
  paragraphs.reserve(shown.size() + shown.size() / kParagraph + 1);
  qsizetype length = 0;
  int lines = 0;
  const auto append = [&](QStringView line) {
    if (lines == kParagraphLines || (lines > 0 && length + 1 + line.size() > kParagraph)) {
      paragraphs += QLatin1Char('\n');
      length = 0;
      lines = 0;
    } else if (lines > 0) {
      paragraphs += QChar(QChar::LineSeparator);
      ++length;
    }
    paragraphs += line;
    length += line.size();
    ++lines;
  };
  for (QStringView line : qTokenize(shown, QLatin1Char('\n'))) {
    while (line.size() > kParagraph) {
      qsizetype cut = line.left(kParagraph).lastIndexOf(QLatin1Char(' ')) + 1;
      if (cut == 0) cut = line[kParagraph - 1].isHighSurrogate() ? kParagraph - 1 : kParagraph;
      append(line.left(cut));
      line = line.mid(cut);
    }
    append(line);
  }
  return paragraphs;
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
    : QDialog(parent) {
  const QString shown = DisplayText(text);
  const QRect screen = AvailableScreen(parent);
  // Two thirds of the screen leave room for the frame and the buttons below the text.
  const int maxWidth = screen.width() * 2 / 3;
  const int maxHeight = screen.height() * 2 / 3;

  // Measured only when short: a label lays out and measures its whole text before it shows.
  const QSize textSize =
      shown.size() > kLongText
          ? QSize()
          : fontMetrics()
                .boundingRect(QRect(0, 0, maxWidth, 1 << 20), Qt::TextWordWrap, shown)
                .size();

  auto* layout = new QVBoxLayout(this);
  // A label wraps only at blanks, so a word wider than the box would make the box as wide as the
  // word; the plain-text view wraps it anywhere.
  if (shown.size() > kLongText || textSize.width() > maxWidth) {
    longText_ = new QPlainTextEdit;
    longText_->setPlainText(InParagraphs(shown));
    longText_->setReadOnly(true);
    longText_->setFrameShape(QFrame::NoFrame);
    longText_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    longText_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    longText_->setMinimumSize(maxWidth, maxHeight);
    layout->addWidget(longText_);
  } else {
    label_ = new QLabel;
    label_->setTextFormat(Qt::PlainText);
    label_->setText(shown);
    label_->setWordWrap(true);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    scroll_ = new QScrollArea;
    scroll_->setWidget(label_);
    scroll_->setWidgetResizable(true);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(scroll_);

    const int scrollBar =
        textSize.height() > maxHeight ? style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0;
    // The slack keeps the label from wrapping one word earlier than the measurement did.
    const int slack = label_->fontMetrics().averageCharWidth();
    scroll_->setMinimumSize(std::min(textSize.width() + scrollBar + slack, maxWidth),
                            std::min(textSize.height(), maxHeight));
  }

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
  buttons->setCenterButtons(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
}

QLabel& ScrollingMessageBox::TextLabel() const {
  if (label_ == nullptr) throw std::logic_error("a long text has no label");
  return *label_;
}

QScrollArea& ScrollingMessageBox::ScrollArea() const {
  if (scroll_ == nullptr) throw std::logic_error("a long text has no scroll area of its own");
  return *scroll_;
}

QPlainTextEdit& ScrollingMessageBox::LongTextView() const {
  if (longText_ == nullptr) throw std::logic_error("a short text shows in a label");
  return *longText_;
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
