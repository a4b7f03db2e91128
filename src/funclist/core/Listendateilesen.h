#pragma once

#include <filesystem>
#include <string>

// Reading a file that the user chose in "Laden". Only a regular file that holds text is a list
// file; anything else is refused whole, before a single entry reaches the list.
namespace Funktionsliste {

enum class Befund {
  Gelesen,
  NichtLesbar,  // missing, not permitted, or failing while read
  Ordner,
  Pipe,
  Geraet,
  Socket,
  Sonderdatei,  // any other kind of file that is not a regular one
  ZuGross,      // larger than kGroessteDatei
  KeinText,
};

struct Ladeergebnis {
  Befund befund = Befund::NichtLesbar;
  // The whole file when it was read, without a byte order mark at its start; empty otherwise.
  std::string inhalt;
};

// Never blocks: a pipe or a device is refused before it is opened, and the file that is opened is
// opened without waiting and checked once more.
Ladeergebnis ListendateiLesen(const std::filesystem::path& pfad);

}  // namespace Funktionsliste
