#include "funclist/core/Listendateilesen.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

class ListendateilesenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ordner = std::filesystem::temp_directory_path() /
             ("varelto-listendatei-" + std::to_string(::getpid()));
    std::filesystem::create_directories(ordner);
  }
  void TearDown() override { std::filesystem::remove_all(ordner); }

  Funktionsliste::Ladeergebnis Lies(const std::string& inhalt) {
    const auto pfad = ordner / "liste";
    std::ofstream(pfad, std::ios::binary | std::ios::trunc) << inhalt;
    return Funktionsliste::ListendateiLesen(pfad);
  }

  std::filesystem::path ordner;
};

TEST_F(ListendateilesenTest, AByteOrderMarkAtTheStartIsNoPartOfTheList) {
  const std::string bom = "\xEF\xBB\xBF";
  struct Row {
    const char* why;
    std::string datei;
    std::string gelesen;
  };
  const Row rows[] = {
      {"as some editors save UTF-8", bom + "$x^2 / 1$x / 1", "$x^2 / 1$x / 1"},
      {"with the line end the program writes", bom + "$x / 1  \n", "$x / 1  \n"},
      {"a file of only the mark", bom, ""},
      {"only the first mark", bom + bom + "$x", bom + "$x"},
      {"a mark inside an entry stays", "$x" + bom + "$1", "$x" + bom + "$1"},
      {"without a mark the file as it is", "$x^2 / 1$x / 1", "$x^2 / 1$x / 1"},
      {"a first character that is not the mark", "\xC3\xA4$x", "\xC3\xA4$x"},
  };
  for (const Row& r : rows) {
    const Funktionsliste::Ladeergebnis l = Lies(r.datei);
    EXPECT_EQ(l.befund, Funktionsliste::Befund::Gelesen) << r.why;
    EXPECT_EQ(l.inhalt, r.gelesen) << r.why;
  }
}

}  // namespace
