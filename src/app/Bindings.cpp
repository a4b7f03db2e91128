#include "app/EventBinding.h"
#include "app/HauptF.h"

// Every control event the window handles, one row each, in the order of the controls' creation
// (a control with several events binds them in the order given). Each topic adds the rows of its
// handlers, e.g. {"PushButton1", Event::Action, &HauptF::PushButton1_Action}.
const std::vector<Binding>& BindingTable() {
  static const std::vector<Binding> table = {};
  return table;
}
