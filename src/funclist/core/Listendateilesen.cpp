#include "funclist/core/Listendateilesen.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string_view>

#include "algebra/TextSemantics.h"
#include "funclist/core/Funktionsliste.h"

namespace Funktionsliste {
namespace {

Befund ArtDerDatei(mode_t mode) {
  if (S_ISREG(mode)) return Befund::Gelesen;
  if (S_ISDIR(mode)) return Befund::Ordner;
  if (S_ISFIFO(mode)) return Befund::Pipe;
  if (S_ISCHR(mode) || S_ISBLK(mode)) return Befund::Geraet;
  if (S_ISSOCK(mode)) return Befund::Socket;
  return Befund::Sonderdatei;
}

class OffeneDatei {
 public:
  explicit OffeneDatei(int fd) : fd_(fd) {}
  OffeneDatei(const OffeneDatei&) = delete;
  OffeneDatei& operator=(const OffeneDatei&) = delete;
  ~OffeneDatei() {
    if (fd_ >= 0) ::close(fd_);
  }
  int fd() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

Ladeergebnis ListendateiLesen(const std::filesystem::path& pfad) {
  struct stat art {};
  if (::stat(pfad.c_str(), &art) != 0) return {};
  if (const Befund b = ArtDerDatei(art.st_mode); b != Befund::Gelesen) return {b, {}};

  // The path may have been replaced since it was looked at: without O_NONBLOCK the open of a pipe
  // put there would wait for a writer for good, and of a terminal would make it ours.
  const OffeneDatei datei(::open(pfad.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (datei.fd() < 0) return {};
  if (::fstat(datei.fd(), &art) != 0) return {};
  if (const Befund b = ArtDerDatei(art.st_mode); b != Befund::Gelesen) return {b, {}};
  if (art.st_size > static_cast<off_t>(kGroessteDatei)) return {Befund::ZuGross, {}};

  // Room for one byte more than the file holds shows at once that it ends there; a file that grows
  // while it is read gets more room, up to one byte beyond the limit.
  std::string inhalt(static_cast<std::size_t>(art.st_size) + 1, '\0');
  std::size_t gelesen = 0;
  for (;;) {
    if (gelesen == inhalt.size()) {
      if (gelesen > kGroessteDatei) break;
      inhalt.resize(std::min(2 * gelesen, kGroessteDatei + 1));
    }
    const ssize_t n = ::read(datei.fd(), inhalt.data() + gelesen, inhalt.size() - gelesen);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      return {};
    }
    gelesen += static_cast<std::size_t>(n);
  }
  if (gelesen > kGroessteDatei) return {Befund::ZuGross, {}};
  inhalt.resize(gelesen);
  // Some editors begin a UTF-8 file with a byte order mark; read as the list's first character it
  // would leave the "$" of the first entry inside the list.
  if (constexpr std::string_view kBom = "\xEF\xBB\xBF"; inhalt.starts_with(kBom))
    inhalt.erase(0, kBom.size());
  // Every text the program writes into a list file passes this test, so no saved list is taken
  // for a binary file; a binary file fails it within its first bytes.
  if (!text::IsPlainText(inhalt)) return {Befund::KeinText, {}};
  return {Befund::Gelesen, std::move(inhalt)};
}

}  // namespace Funktionsliste
