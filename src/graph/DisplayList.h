#pragma once

#include <cstdint>
#include <variant>
#include <vector>

namespace graph {

struct Color {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;

  bool operator==(const Color&) const = default;
};

inline constexpr Color kBackground{240, 255, 255};
inline constexpr Color kCurve{255, 0, 0};
inline constexpr Color kLines{0, 0, 0};
inline constexpr Color kMarker{0, 0, 127};
inline constexpr std::int32_t kPen = 2;
inline constexpr std::int32_t kMarkerSize = 8;

// Primitives in canvas pixels, painted in list order.
struct FilledRect {
  std::int32_t x, y, width, height;
  Color color;

  bool operator==(const FilledRect&) const = default;
};

struct Line {
  std::int32_t x1, y1, x2, y2;
  Color color;
  std::int32_t pen = kPen;

  bool operator==(const Line&) const = default;
};

// x, y is the top-left corner of the oval's bounding box.
struct FilledOval {
  std::int32_t x, y, width, height;
  Color color;

  bool operator==(const FilledOval&) const = default;
};

using Primitive = std::variant<FilledRect, Line, FilledOval>;
using DisplayList = std::vector<Primitive>;

}  // namespace graph
