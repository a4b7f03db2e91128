#pragma once

#include <functional>
#include <string>
#include <variant>
#include <vector>

class Canvas;
class ComboBox;
class HauptF;
class PushButton;
class QPainter;
class QWidget;
class TextField;
class UpDownArrows;

// The control events the window's handlers receive.
enum class Event {
  TextChange,   // TextField: typed, or set by code
  Action,       // PushButton: pressed
  TextChanged,  // ComboBox: item chosen, typed, or set by code
  Paint,        // Canvas: has to be drawn
  MouseEnter,   // Canvas
  MouseExit,    // Canvas
  MouseMove,    // Canvas: x, y
  MouseDown,    // Canvas: x, y; returns whether it claims the click
  MouseWheel,   // Canvas: x, y, horizontal and vertical delta; returns whether it took the turn
  Up,           // UpDownArrows
  Down,         // UpDownArrows
};

const char* EventName(Event event);

// A handler receives the window, then the control that raised the event, then the event's own
// arguments. Rows of the binding table name a member function of the window; tests may give any
// callable of one of these forms.
class Handler {
 public:
  using OfTextField = std::function<void(HauptF&, TextField&)>;
  using OfPushButton = std::function<void(HauptF&, PushButton&)>;
  using OfComboBox = std::function<void(HauptF&, ComboBox&)>;
  using OfPaint = std::function<void(HauptF&, Canvas&, QPainter&)>;
  using OfCanvas = std::function<void(HauptF&, Canvas&)>;
  using OfMouseMove = std::function<void(HauptF&, Canvas&, int, int)>;
  using OfMouseDown = std::function<bool(HauptF&, Canvas&, int, int)>;
  using OfMouseWheel = std::function<bool(HauptF&, Canvas&, int, int, double, double)>;
  using OfArrows = std::function<void(HauptF&, UpDownArrows&)>;
  using Any = std::variant<OfTextField, OfPushButton, OfComboBox, OfPaint, OfCanvas, OfMouseMove,
                           OfMouseDown, OfMouseWheel, OfArrows>;

  template <class R, class Control, class... Args>
  Handler(R (HauptF::*member)(Control&, Args...))
      : any_(std::function<R(HauptF&, Control&, Args...)>(member)) {}
  template <class R, class Control, class... Args>
  Handler(std::function<R(HauptF&, Control&, Args...)> f) : any_(std::move(f)) {}

  const Any& any() const { return any_; }

 private:
  Any any_;
};

// One row of a binding table: this event of the control of this name goes to the handler.
struct Binding {
  std::string control;
  Event event;
  Handler handler;
};

// Throws std::logic_error when a row names a control that is not in the window's layout, an
// event its kind does not raise, or a handler that does not take the event's arguments, or when
// two rows bind the same event of the same control.
void CheckBindingTable(const std::vector<Binding>& table);

// Attaches the handler of a checked row to the event of the control that the window created
// under the row's name.
void Bind(HauptF& window, QWidget& control, const Binding& row);

// The window's own bindings, in the order in which they are made.
const std::vector<Binding>& BindingTable();
