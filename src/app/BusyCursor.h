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

  explicit BusyCursor(std::size_t textSize);
  ~BusyCursor();
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;

 private:
  bool shown_;
};
