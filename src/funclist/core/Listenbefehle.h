#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// What the list commands do to the list, apart from the window that asks for them.
namespace Funktionsliste {

// The text that shows the whole list: a heading, then every entry from element 0 on, each line
// ended by the characters of codes 10 and 13 in this order.
std::string Anzeigetext(const std::vector<std::string>& RListe);

// The cursor after one more fetch into the h field: the next entry, and after the last one (or
// from a cursor that a removal left past the end) element 0 again.
std::int32_t NaechsterZeiger(const std::vector<std::string>& RListe, std::int32_t PZeiger);

// Offers the pieces of a list file in file order, as one insertion after the other would, but
// in linear time, since a list file holds up to millions of pieces, and whole or not at all:
// when the list's file would outgrow kGroessteDatei, nothing is added (false), so that the list
// still saves to a file that loads.
bool EintraegeAnfuegen(std::vector<std::string>& RListe,
                       const std::vector<std::string_view>& stuecke);

// Removes s from the entries after element 0; the zero function is never removed.
void Entfernen(std::vector<std::string>& RListe, const std::string& s);

}  // namespace Funktionsliste
