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

QFont FontOf(const ControlSpec& spec) {
  return spec.times ? TimesFont(spec.textSize) : SystemFont(spec.textSize, spec.bold);
}

void SetLineProperties(LineControl& field, const ControlSpec& spec) {
  field.setFont(FontOf(spec));
  field.setAlignment(AlignmentOf(spec.align));
  QPalette p = field.palette();
  p.setColor(QPalette::Base, spec.fill == Fill::Input ? kInputColour : kOutputColour);
  p.setColor(QPalette::Text, Qt::black);
  field.setPalette(p);
  field.setReadOnly(spec.readOnly);
  field.SetText(spec.text);
}

QWidget* MakeTextField(const ControlSpec& spec, QWidget* parent) {
  auto* field = new TextField(parent);
  SetLineProperties(*field, spec);
  if (!spec.tabStop) field->setFocusPolicy(Qt::ClickFocus);
  field->SetAcceptTabs(spec.acceptTabs);
  return field;
}

QWidget* MakeTextArea(const ControlSpec& spec, QWidget* parent) {
  auto* area = new TextArea(parent);
  SetLineProperties(*area, spec);
  return area;
}

QWidget* MakeLabel(const ControlSpec& spec, QWidget* parent) {
  auto* label = new Label(parent);
  label->setFont(FontOf(spec));
  label->setAlignment(AlignmentOf(spec.align));
  label->SetText(spec.text);
  return label;
}

QWidget* MakePushButton(const ControlSpec& spec, QWidget* parent) {
  auto* button = new PushButton(parent);
  button->setFont(FontOf(spec));
  button->setText(QString::fromUtf8(spec.text));
  return button;
}

QWidget* MakeComboBox(const ControlSpec& spec, QWidget* parent) {
  auto* box = new ComboBox(parent);
  box->setFont(FontOf(spec));
  QStringList items;
  for (const char* item : spec.items) items << QString::fromUtf8(item);
  box->SetItems(items);
  return box;
}

QWidget* MakeLine(const ControlSpec& spec, QWidget* parent) {
  auto* line = new Line(parent);
  const Box& b = spec.box;
  line->SetEnds({b.left, b.top}, {b.left + b.width - 1, b.top + b.height - 1});
  return line;
}

QWidget* MakeOfKind(const ControlSpec& spec, QWidget* parent) {
  switch (spec.kind) {
    case ControlKind::TextField:
      return MakeTextField(spec, parent);
    case ControlKind::TextArea:
      return MakeTextArea(spec, parent);
    case ControlKind::Label:
      return MakeLabel(spec, parent);
    case ControlKind::PushButton:
      return MakePushButton(spec, parent);
    case ControlKind::ComboBox:
      return MakeComboBox(spec, parent);
    case ControlKind::Canvas:
      return new Canvas(parent);
    case ControlKind::Line:
      return MakeLine(spec, parent);
    case ControlKind::UpDownArrows:
      return new UpDownArrows(parent);
  }
  return nullptr;
}

}  // namespace

QWidget* MakeControl(const ControlSpec& spec, QWidget* parent) {
  QWidget* control = MakeOfKind(spec, parent);
  control->setObjectName(QString::fromLatin1(spec.name));
  control->setGeometry(spec.box.left, spec.box.top, spec.box.width, spec.box.height);
  control->setVisible(!spec.hidden);
  return control;
}
