#pragma once

#include <cstddef>

// The wait cursor over the whole application while work on a large text runs: loading, saving
// or showing a function list of megabytes takes long enough for the user to wonder whether the
// program still answers. Work on a smaller text leaves the cursor alone, so it does not flicker.
class BusyCursor {
 public:
  // From this size on the slowest of those steps takes up to a third of a second when it first
  // runs, on the machine of the README's figures (bench/FunclistBench.cpp).
  static constexpr std::size_t kLongText = std::size_t{4} << 20;
  // From this size of one entry or the h text on, "f <-> h" takes about half a second and
  // "h aus Liste holen" a sixth of one (bench/FunclistBench.cpp).
  static constexpr std::size_t kLongEntry = std::size_t{2} << 20;

  explicit BusyCursor(std::size_t textSize, std::size_t longFrom = kLongText);
  ~BusyCursor();
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;

 private:
  bool shown_;
};

// The usual cursor over a box that comes up while the wait cursor is shown: the user reads it and
// answers, the program does not work meanwhile.
class UsualCursor {
 public:
  UsualCursor();
  ~UsualCursor();
  UsualCursor(const UsualCursor&) = delete;
  UsualCursor& operator=(const UsualCursor&) = delete;

 private:
  bool shown_;
};
