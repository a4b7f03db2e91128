#pragma once

#include <span>

enum class ControlKind {
  TextField,
  TextArea,
  Label,
  PushButton,
  ComboBox,
  Canvas,
  Line,
  UpDownArrows
};

// Background of the fields: the input colour marks the fields the user types into.
enum class Fill { Input, Output };

enum class Align { Left, Center, Right };

// A rectangle in pixels of the window's content area.
struct Box {
  int left;
  int top;
  int width;
  int height;
};

// One control of the window as it is created. Properties a kind does not have are ignored.
struct ControlRow {
  const char* name;
  ControlKind kind;
  Box box;
  const char* text = "";
  int textSize = 0;  // pixels; 0 is the default text size
  bool bold = false;
  bool times = false;  // the "Times" font instead of "System"
  Align align = Align::Center;
  Fill fill = Fill::Output;
  bool hidden = false;
  bool readOnly = false;
  bool tabStop = true;
  bool acceptTabs = false;
  bool defaultButton = false;  // drawn as the button that Return presses
  std::span<const char* const> items = {};
};

// All controls of the window in creation order; a later one lies above an earlier one.
std::span<const ControlRow> ControlLayout();
