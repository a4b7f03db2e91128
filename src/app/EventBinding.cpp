#include "app/EventBinding.h"

#include <QLineEdit>
#include <QPainter>
#include <map>
#include <set>
#include <stdexcept>
#include <utility>

#include "app/Canvas.h"
#include "app/ControlLayout.h"
#include "app/Controls.h"
#include "app/UpDownArrows.h"

namespace {

struct EventForm {
  ControlKind kind;  // the only kind of control that raises the event
  std::size_t form;  // the handler's alternative in Handler::Any
};

EventForm FormOf(Event event) {
  switch (event) {
    case Event::TextChange:
      return {ControlKind::TextField, 0};
    case Event::Action:
      return {ControlKind::PushButton, 1};
    case Event::TextChanged:
      return {ControlKind::ComboBox, 2};
    case Event::Paint:
      return {ControlKind::Canvas, 3};
    case Event::MouseEnter:
    case Event::MouseExit:
      return {ControlKind::Canvas, 4};
    case Event::MouseMove:
      return {ControlKind::Canvas, 5};
    case Event::MouseDown:
      return {ControlKind::Canvas, 6};
    case Event::MouseWheel:
      return {ControlKind::Canvas, 7};
    case Event::Up:
    case Event::Down:
      break;
  }
  return {ControlKind::UpDownArrows, 8};
}

[[noreturn]] void Refuse(const Binding& row, const char* why) {
  throw std::logic_error("binding " + row.control + "." + EventName(row.event) + ": " + why);
}

// The table has been checked, so the control is of the event's kind and the handler of its form.
template <class Kind>
Kind& ControlAs(QWidget& control) {
  return *static_cast<Kind*>(&control);
}

template <class Form>
const Form& HandlerAs(const Binding& row) {
  return std::get<Form>(row.handler.any());
}

void BindCanvas(HauptF& w, Canvas& c, const Binding& row) {
  switch (row.event) {
    case Event::Paint:
      c.Paint = [&w, &c, h = HandlerAs<Handler::OfPaint>(row)](QPainter& g) { h(w, c, g); };
      return;
    case Event::MouseEnter:
      c.MouseEnter = [&w, &c, h = HandlerAs<Handler::OfCanvas>(row)] { h(w, c); };
      return;
    case Event::MouseExit:
      c.MouseExit = [&w, &c, h = HandlerAs<Handler::OfCanvas>(row)] { h(w, c); };
      return;
    case Event::MouseMove:
      c.MouseMove = [&w, &c, h = HandlerAs<Handler::OfMouseMove>(row)](int x, int y) {
        h(w, c, x, y);
      };
      return;
    case Event::MouseDown:
      c.MouseDown = [&w, &c, h = HandlerAs<Handler::OfMouseDown>(row)](int x, int y) {
        return h(w, c, x, y);
      };
      return;
    default:
      c.MouseWheel = [&w, &c, h = HandlerAs<Handler::OfMouseWheel>(row)](
                         int x, int y, double dx, double dy) { return h(w, c, x, y, dx, dy); };
  }
}

}  // namespace

const char* EventName(Event event) {
  switch (event) {
    case Event::TextChange:
      return "TextChange";
    case Event::Action:
      return "Action";
    case Event::TextChanged:
      return "TextChanged";
    case Event::Paint:
      return "Paint";
    case Event::MouseEnter:
      return "MouseEnter";
    case Event::MouseExit:
      return "MouseExit";
    case Event::MouseMove:
      return "MouseMove";
    case Event::MouseDown:
      return "MouseDown";
    case Event::MouseWheel:
      return "MouseWheel";
    case Event::Up:
      return "Up";
    case Event::Down:
      return "Down";
  }
  return "?";
}

void CheckBindingTable(const std::vector<Binding>& table) {
  std::map<std::string, ControlKind> kinds;
  for (const ControlRow& row : ControlLayout()) kinds.emplace(row.name, row.kind);
  std::set<std::pair<std::string, Event>> bound;
  for (const Binding& row : table) {
    const auto kind = kinds.find(row.control);
    if (kind == kinds.end()) Refuse(row, "no control of this name");
    const EventForm expected = FormOf(row.event);
    if (kind->second != expected.kind) Refuse(row, "the control has no such event");
    if (row.handler.any().index() != expected.form)
      Refuse(row, "the handler does not take this event's arguments");
    if (!bound.insert({row.control, row.event}).second) Refuse(row, "bound twice");
  }
}

void Bind(HauptF& w, QWidget& control, const Binding& row) {
  switch (row.event) {
    case Event::TextChange: {
      auto& f = ControlAs<TextField>(control);
      QObject::connect(&f, &QLineEdit::textChanged, &f,
                       [&w, &f, h = HandlerAs<Handler::OfTextField>(row)] { h(w, f); });
      return;
    }
    case Event::Action: {
      auto& b = ControlAs<PushButton>(control);
      QObject::connect(&b, &QPushButton::clicked, &b,
                       [&w, &b, h = HandlerAs<Handler::OfPushButton>(row)] { h(w, b); });
      return;
    }
    case Event::TextChanged: {
      auto& c = ControlAs<ComboBox>(control);
      QObject::connect(&c, &ComboBox::TextChanged, &c,
                       [&w, &c, h = HandlerAs<Handler::OfComboBox>(row)] { h(w, c); });
      return;
    }
    case Event::Up:
    case Event::Down: {
      auto& a = ControlAs<UpDownArrows>(control);
      const auto signal = row.event == Event::Up ? &UpDownArrows::Up : &UpDownArrows::Down;
      QObject::connect(&a, signal, &a,
                       [&w, &a, h = HandlerAs<Handler::OfArrows>(row)] { h(w, a); });
      return;
    }
    default:
      BindCanvas(w, ControlAs<Canvas>(control), row);
  }
}
