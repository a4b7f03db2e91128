#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The function list: element 0 is always the zero function, further entries are function texts in
// the order they were first added, never twice. Its file is one line: every entry from element 1
// on, each preceded by "$", then the line end.
namespace Funktionsliste {

inline const std::string kNullfunktion = "0 / 1  ";

// The largest list file "Laden" reads, against a huge file chosen by mistake. The list never
// grows past what saves to a file of this size, so every list the program saves loads again.
inline constexpr std::size_t kGroessteDatei = std::size_t{64} << 20;

bool IstSchonImRing(const std::vector<std::string>& RListe, std::string_view s);
// The only way single entries are added: appends s unless the list holds it already or its file
// would then outgrow kGroessteDatei.
void fInRListeEinfuegen(std::vector<std::string>& RListe, const std::string& s);

// The pieces the file's content is written in: small enough to stay in the cache, large enough
// that a list of megabytes takes few writes.
inline constexpr std::size_t kSchreibstueck = std::size_t{256} << 10;
// Hands the file's content for a list, line end included, to schreiben in file order, in pieces
// of kSchreibstueck bytes but the last, which may be shorter, so that the whole file is never
// built in memory. Stops at the first piece schreiben refuses (false); true when all were taken.
bool DateiinhaltSchreiben(const std::vector<std::string>& RListe,
                          const std::function<bool(std::string_view)>& schreiben);
// The size of that content, without building it.
std::size_t Dateigroesse(const std::vector<std::string>& RListe);
// What keeps the file of a list from giving the same list back when loaded. Entries hold no "$"
// and only text that the reader accepts, since each is a function text or a piece of a file
// that the reader accepted; so only the size and the last entry, whose line ends loading
// removes, can stand in the way.
enum class Speicherhindernis { Keines, ZuGross, LetzterEintrag };
Speicherhindernis Hindernis(const std::vector<std::string>& RListe);

// The pieces a file's content offers to the list, in file order, as views into the content. The
// first character, the "$" a saved file begins with, is dropped whatever it is; only line ends
// at the very end are removed, so a line end inside the content stays part of its piece.
std::vector<std::string_view> Eintraege(std::string_view inhalt);
// The views would outlive a content that is a temporary.
std::vector<std::string_view> Eintraege(std::string&& inhalt) = delete;

}  // namespace Funktionsliste
