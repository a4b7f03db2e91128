#include "app/HauptF.h"
#include "funclist/gui/Bestaetigungstexte.h"

std::int32_t HauptF::ListBotschaft(std::int32_t typ) {
  const Funktionsliste::Bestaetigungstexte t = Funktionsliste::TexteZuTyp(typ);
  MessageDialog d;
  d.Icon = 1;
  d.ActionButton = {t.aktion, true};
  d.CancelButton = {"", true};
  d.AlternateActionButton = {t.alternativ, !t.alternativ.empty()};
  d.Message = t.botschaft;
  d.Explanation = t.erklaerung;
  switch (Services().ShowModal(d)) {
    case PressedButton::ActionButton:
      return 1;
    case PressedButton::AlternateActionButton:
      return -1;
    case PressedButton::CancelButton:
    case PressedButton::None:
      return 0;
  }
  return 0;
}
