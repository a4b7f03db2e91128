#include "app/ControlFactory.h"

#include "app/Canvas.h"
#include "app/ControlLayout.h"
#include "app/Controls.h"
#include "app/Fonts.h"
#include "app/UpDownArrows.h"
#include "app/WindowColours.h"

namespace {

Qt::Alignment AlignmentOf(Align align) {
  switch (align) {
    case Align::Left:
      return Qt::AlignLeft | Qt::AlignVCenter;
    case Align::Right:
      return Qt::AlignRight | Qt::AlignVCenter;
    case Align::Center:
      break;
  }
  return Qt::AlignCenter;
}

QFont FontOf(const ControlRow& row) {
  return row.times ? TimesFont(row.textSize) : SystemFont(row.textSize, row.bold);
}

void SetLineProperties(LineControl& field, const ControlRow& row) {
  field.setFont(FontOf(row));
  field.setAlignment(AlignmentOf(row.align));
  QPalette p = field.palette();
  p.setColor(QPalette::Base, row.fill == Fill::Input ? kInputColour : kOutputColour);
  p.setColor(QPalette::Text, Qt::black);
  field.setPalette(p);
  field.setReadOnly(row.readOnly);
  field.SetText(row.text);
}

QWidget* MakeTextField(const ControlRow& row, QWidget* parent) {
  auto* field = new TextField(parent);
  SetLineProperties(*field, row);
  if (!row.tabStop) field->setFocusPolicy(Qt::ClickFocus);
  field->SetAcceptTabs(row.acceptTabs);
  return field;
}

QWidget* MakeTextArea(const ControlRow& row, QWidget* parent) {
  auto* area = new TextArea(parent);
  SetLineProperties(*area, row);
  return area;
}

QWidget* MakeLabel(const ControlRow& row, QWidget* parent) {
  auto* label = new Label(parent);
  label->setFont(FontOf(row));
  label->setAlignment(AlignmentOf(row.align));
  label->SetText(row.text);
  return label;
}

QWidget* MakePushButton(const ControlRow& row, QWidget* parent) {
  auto* button = new PushButton(parent);
  button->setFont(FontOf(row));
  button->setText(QString::fromUtf8(row.text));
  button->setDefault(row.defaultButton);
  return button;
}

QWidget* MakeComboBox(const ControlRow& row, QWidget* parent) {
  auto* box = new ComboBox(parent);
  box->setFont(FontOf(row));
  QStringList items;
  for (const char* item : row.items) items << QString::fromUtf8(item);
  box->SetItems(items);
  return box;
}

QWidget* MakeLine(const ControlRow& row, QWidget* parent) {
  auto* line = new Line(parent);
  const Box& b = row.box;
  line->SetEnds({b.left, b.top}, {b.left + b.width - 1, b.top + b.height - 1});
  return line;
}

QWidget* MakeOfKind(const ControlRow& row, QWidget* parent) {
  switch (row.kind) {
    case ControlKind::TextField:
      return MakeTextField(row, parent);
    case ControlKind::TextArea:
      return MakeTextArea(row, parent);
    case ControlKind::Label:
      return MakeLabel(row, parent);
    case ControlKind::PushButton:
      return MakePushButton(row, parent);
    case ControlKind::ComboBox:
      return MakeComboBox(row, parent);
    case ControlKind::Canvas:
      return new Canvas(parent);
    case ControlKind::Line:
      return MakeLine(row, parent);
    case ControlKind::UpDownArrows:
      return new UpDownArrows(parent);
  }
  return nullptr;
}

}  // namespace

QWidget* MakeControl(const ControlRow& row, QWidget* parent) {
  QWidget* control = MakeOfKind(row, parent);
  control->setObjectName(QString::fromLatin1(row.name));
  control->setGeometry(row.box.left, row.box.top, row.box.width, row.box.height);
  control->setVisible(!row.hidden);
  return control;
}
