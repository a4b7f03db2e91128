#include <optional>

#include "app/BusyCursor.h"
#include "app/HauptF.h"
#include "exact/Operations.h"
#include "exact/TermText.h"
#include "funclist/core/Register.h"

namespace {

const std::string kDifferenzZuGross = "Summe der verwendeten Grade ist zu groß.";

// Products of large coefficients overflow; the term text of an infinity would be read as nothing
// and so as another function. Refuses such a result with its message.
bool Endlich(HauptF& w, const RationalT& D) {
  if (D.AllFinite()) return true;
  w.MsgBox("Das Ergebnis hat zu große Koeffizienten; die Funktion bleibt unverändert.");
  return false;
}

// Reading a text with a number longer than the exact reader takes would give another function, so
// such a result is refused with its message. Without exact operands there are no exact terms.
bool Lesbar(HauptF& w, const std::optional<exact::Terms>& t) {
  if (!t || exact::Readable(*t)) return true;
  w.MsgBox(exact::kZuLangeKoeffizienten);
  return false;
}

}  // namespace

void HauptF::gfB_Action(PushButton&) {
  if (!Funktionsauswertung()) return;
  fInRListeEinfuegen(RRR.Term2string());
  RRR.Switch(Pg);
  InTermfelderSchreiben(RRR);
  Funktionsauswertung();
}

// Works on f as the last run left it: an edit not yet analysed is overwritten.
void HauptF::gmalfB_Action(PushButton&) {
  if (Register::ProduktZuGross(RRR, Pg)) {
    MsgBox("Ordnung der Produktfunktion ist zu groß.");
    return;
  }
  RationalT D;
  D.Produkt(RRR, Pg);
  const exact::Function* f = exact::ExactOf(RRR);
  const exact::Function* g = exact::ExactOf(Pg);
  const auto produkt = f && g ? std::optional(exact::Product(*f, *g)) : std::nullopt;
  if (!Lesbar(*this, produkt)) return;
  if (produkt) exact::Assign(D, *produkt);
  if (!Endlich(*this, D)) return;
  fInRListeEinfuegen(RRR.Term2string());
  InTermfelderSchreiben(D);
  Funktionsauswertung();
}

// The first test sees f as the last run left it, the difference f as the term fields give it;
// so the partial products are checked again once the fields are read.
void HauptF::gmalfB1_Action(PushButton&) {
  if (Register::DifferenzZuGross(RRR, Pg)) {
    MsgBox(kDifferenzZuGross);
    return;
  }
  RationalT D;
  if (!Funktionsauswertung()) return;
  if (Register::DifferenzTeilprodukteZuGross(Pg, RRR)) {
    MsgBox(kDifferenzZuGross);
    return;
  }
  D.Differenz(Pg, RRR);
  const exact::Function* f = exact::ExactOf(RRR);
  const exact::Function* g = exact::ExactOf(Pg);
  const auto differenz = f && g ? std::optional(exact::Difference(*g, *f)) : std::nullopt;
  if (!Lesbar(*this, differenz)) return;
  if (differenz) exact::Assign(D, *differenz);
  if (!Endlich(*this, D)) return;
  fInRListeEinfuegen(RRR.Term2string());
  InTermfelderSchreiben(D);
  Funktionsauswertung();
}

void HauptF::gmalfB11_Action(PushButton&) {
  if (RRR.Zl.grad() == -1) {
    MsgBox("Zur Nullfunktion gibt es keine Kehrwertfunktion");
    return;
  }
  RationalT K;
  K.Zl.KopieVon(RRR.Nn);
  K.Nn.KopieVon(RRR.Zl);
  const exact::Function* f = exact::ExactOf(RRR);
  if (f) exact::Assign(K, exact::Reciprocal(*f));
  InTermfelderSchreiben(K);
  Funktionsauswertung();
}

// f's texts are read and written as well as h's, so all of them make the step long.
void HauptF::RZeigB_Action(PushButton&) {
  const std::string hText = AnzeigeF().Text();
  const BusyCursor busy(hText.size() + EingF().Text().size() + EingF2().Text().size(),
                        BusyCursor::kLongEntry);
  const Register::Haelften h = Register::AmBruchstrichTeilen(hText);
  if (!Funktionsauswertung()) return;
  AnzeigeF().SetText(RRR.Term2string());
  EingF2().SetText(h.rechts);
  EingF().SetText(h.links);
  Funktionsauswertung();
}

// h is read completely before g or h change, so a text that cannot be read loses neither.
void HauptF::g_AnzB_Action(PushButton&) {
  const std::string gVorher = Pg.Term2string();
  if (!Register::HLesen(AnzeigeF().Text(), Pg)) {
    MsgBox("Der Term im h-Feld ist nicht lesbar; g und h bleiben unverändert.");
    return;
  }
  AnzeigeF().SetText(gVorher);
  Funktionsauswertung();
}

// The derivative keeps its denominator as a power; the run expands the bracketed power.
void HauptF::g_AnzB1_Action(PushButton&) {
  if (Register::AbleitungZuGross(RRR)) {
    MsgBox("Zu großer Exponent");
    return;
  }
  RationalT D;
  D.Abl(RRR);
  if (!Endlich(*this, D)) return;
  const exact::Function* f = exact::ExactOf(RRR);
  const std::optional<exact::DerivativeTerms> abl =
      f ? std::optional(exact::Derivative(*f)) : std::nullopt;
  // The run writes the denominator multiplied out, so that is the text to be read back.
  const std::optional<exact::Terms> ausmultipliziert =
      abl ? std::optional(exact::Terms{
                abl->terms.numerator,
                abl->terms.denominator.Pow(static_cast<unsigned long>(abl->exponent))})
          : std::nullopt;
  if (!Lesbar(*this, ausmultipliziert)) return;
  RRR.KopieVon(D);
  if (abl && !abl->terms.numerator.IsZero()) {
    const std::string nennerText =
        Register::NennerText(exact::TermText(abl->terms.denominator), abl->exponent);
    TermfelderSchreiben(exact::TermText(abl->terms.numerator), &nennerText,
                        std::make_shared<const exact::Function>(
                            ausmultipliziert->numerator, ausmultipliziert->denominator, D));
  } else {
    EingF().SetText(RRR.Zl.Term2String());
    EingF2().SetText(Register::NennerText(RRR.Nn.Term2String(), RRR.Np));
  }
  // The integral shown belonged to the former f.
  IntegralF().SetText("");
  Funktionsauswertung();
}
