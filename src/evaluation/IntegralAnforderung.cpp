#include <cmath>
#include <string>

#include "algebra/TextSemantics.h"
#include "algebra/Zahlen.h"
#include "app/HauptF.h"
#include "evaluation/Wertetabelle.h"

namespace {

double Grenze(const TextField& feld) {
  std::string s = feld.Text();
  Zahl::ZahlFilter(s);
  return text::Val(s);
}

// The interval as both messages of the request name it: "[a;b]".
std::string Intervall(double a, double b) {
  return "[" + text::Str(a) + ";" + text::Str(b) + "]";
}

}  // namespace

void HauptF::vonF_TextChange(TextField&) {
  IntegralF().SetText("");
  NeueGrenzen = true;
}

void HauptF::bisF_TextChange(TextField&) {
  IntegralF().SetText("");
  NeueGrenzen = true;
}

void HauptF::IntegralB_Action(PushButton&) {
  if (text::Len(vonF().Text()) * text::Len(bisF().Text()) > 0) Integralanforderung();
}

// The stored integral is kept with what it belongs to, so whatever changed since (f, a bound, a
// drawing that cleared NeueFunktion) a request shows only the integral of f over the bounds shown.
// A drawing may clear NeueFunktion before an edit was analysed, so the edit is looked at too.
void HauptF::Integralanforderung() {
  if ((NeueFunktion || termsEditedSinceRun) && !Funktionsauswertung()) {
    IntegralF().SetText("");
    return;
  }
  const double a = Grenze(vonF());
  const double b = Grenze(bisF());
  vonF().SetText(text::Str(a));
  bisF().SetText(text::Str(b));
  NeueGrenzen = false;

  const Auswertung::Integralschluessel schluessel{RRR.Term2string(), a, b};
  if (IntegralSchluessel != schluessel) {
    IntegralSchluessel.reset();
    std::string luecke;
    Integriere(a, b, luecke);
    if (!luecke.empty()) {
      IntegralF().SetText("");
      MsgBox("Im Integrationsintervall " + Intervall(a, b) + " liegt die Definitionslücke " +
             luecke);
      return;
    }
    // A step, a sample or a sum beyond the range of Double is no result to show; the empty field
    // alone would look as if the button had done nothing.
    if (!std::isfinite(Integral)) {
      IntegralF().SetText("");
      MsgBox("Das Integral über " + Intervall(a, b) +
             " liegt außerhalb des Zahlenbereichs, den das Programm berechnen kann.");
      return;
    }
    IntegralSchluessel = schluessel;
  }
  IntegralF().SetText(Auswertung::Ergebnistext(Stellenzahl, Integral));
}

void HauptF::IntegralNeuRunden() {
  const Auswertung::Integralschluessel jetzt{RRR.Term2string(), Grenze(vonF()), Grenze(bisF())};
  IntegralF().SetText(IntegralSchluessel == jetzt ? Auswertung::Ergebnistext(Stellenzahl, Integral)
                                                  : "");
}

void HauptF::Integriere(double a, double b, std::string& gap) {
  const Auswertung::Integralwert w = Auswertung::Integriere(RRR, a, b);
  if (w.ok) {
    Integral = w.wert;
  } else {
    gap = text::Str(w.luecke);
  }
}
