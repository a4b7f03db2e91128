#include "app/EventBinding.h"
#include "app/HauptF.h"

// Every control event the window handles, one row each, grouped by the topic whose handler it
// names (a control with several events binds them in the order given). Each topic adds the rows
// of its handlers, e.g. {"PushButton1", Event::Action, &HauptF::PushButton1_Action}.
const std::vector<Binding>& BindingTable() {
  static const std::vector<Binding> table = {
      // Evaluation run and result display.
      {"EingF", Event::TextChange, &HauptF::EingF_TextChange},
      {"QuitB", Event::Action, &HauptF::QuitB_Action},
      {"vonF", Event::TextChange, &HauptF::vonF_TextChange},
      {"bisF", Event::TextChange, &HauptF::bisF_TextChange},
      {"xXF", Event::TextChange, &HauptF::xXF_TextChange},
      {"RPfeilB", Event::Action, &HauptF::RPfeilB_Action},
      {"LPfeilB", Event::Action, &HauptF::LPfeilB_Action},
      {"PushButton1", Event::Action, &HauptF::PushButton1_Action},
      {"IntegralB", Event::Action, &HauptF::IntegralB_Action},
      {"QuitB11", Event::Action, &HauptF::QuitB11_Action},
      {"StellenWahlB", Event::TextChanged, &HauptF::StellenWahlB_TextChanged},
      {"VerschiebeB", Event::Action, &HauptF::VerschiebeB_Action},
      {"xVF", Event::TextChange, &HauptF::xVF_TextChange},
      {"yVF", Event::TextChange, &HauptF::yVF_TextChange},
      {"EingF2", Event::TextChange, &HauptF::EingF2_TextChange},
      {"QuitB112", Event::Action, &HauptF::QuitB112_Action},
      {"KuerzReportB", Event::Action, &HauptF::KuerzReportB_Action},
      // Graph sketch and navigation.
      {"GraphCanvas", Event::Paint, &HauptF::GraphCanvas_Paint},
      {"GraphCanvas", Event::MouseEnter, &HauptF::GraphCanvas_MouseEnter},
      {"GraphCanvas", Event::MouseExit, &HauptF::GraphCanvas_MouseExit},
      {"GraphCanvas", Event::MouseMove, &HauptF::GraphCanvas_MouseMove},
      {"GraphCanvas", Event::MouseDown, &HauptF::GraphCanvas_MouseDown},
      {"GraphCanvas", Event::MouseWheel, &HauptF::GraphCanvas_MouseWheel},
      {"HZoomArrows", Event::Up, &HauptF::HZoomArrows_Up},
      {"HZoomArrows", Event::Down, &HauptF::HZoomArrows_Down},
      // Function list and function registers.
      {"gfB", Event::Action, &HauptF::gfB_Action},
      {"gmalfB", Event::Action, &HauptF::gmalfB_Action},
      {"g_AnzB", Event::Action, &HauptF::g_AnzB_Action},
      {"RZeigB", Event::Action, &HauptF::RZeigB_Action},
      {"RNextB1", Event::Action, &HauptF::RNextB1_Action},
      {"RinglisteB", Event::TextChanged, &HauptF::RinglisteB_TextChanged},
      {"gfB1", Event::Action, &HauptF::gfB1_Action},
      {"gmalfB1", Event::Action, &HauptF::gmalfB1_Action},
      {"gmalfB11", Event::Action, &HauptF::gmalfB11_Action},
      {"g_AnzB1", Event::Action, &HauptF::g_AnzB1_Action},
      {"KoeffRundenWahlB", Event::TextChanged, &HauptF::KoeffRundenWahlB_TextChanged},
  };
  return table;
}
