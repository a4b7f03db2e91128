#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "algebra/CoreContext.h"
#include "algebra/PolynomT.h"

namespace parser_test {

// Coefficients in ascending powers; powers beyond the list are 0.
using Coefficients = std::vector<double>;
// No value: the term is refused.
using Reading = std::optional<Coefficients>;

inline const Reading kRefused = std::nullopt;

// What a refusal must leave in the target.
constexpr double kUntouched = 7.0;

inline Coefficients Power(int n, double c = 1.0) {
  Coefficients k(n + 1, 0.0);
  k[n] = c;
  return k;
}

inline void FillUntouched(PolynomT& P) {
  P.Koeff.fill(kUntouched);
}

// An accepted term replaces all 43 coefficients; a refused one none.
inline void ExpectReading(const PolynomT& P, bool ok, const Reading& expected) {
  ASSERT_EQ(ok, expected.has_value());
  for (int i = 0; i <= PolynomT::kMaxGrad; ++i) {
    const double want = !expected                                ? kUntouched
                        : i < static_cast<int>(expected->size()) ? (*expected)[i]
                                                                 : 0.0;
    EXPECT_EQ(P.Koeff[i], want) << "coefficient of x^" << i;
  }
}

// As many copies of piece as fit into length characters.
inline std::string Repeated(const std::string& piece, std::size_t length) {
  std::string s;
  while (s.size() + piece.size() <= length) s += piece;
  return s;
}

// Each test gets a context of its own, so the degree messages it records are its own.
class ParserTest : public ::testing::Test {
 protected:
  ParserTest() { context.Registrieren(); }
  CoreContext context;
};

// Rows are named in snake_case, which gtest takes as it is.
template <typename Row>
std::string RowName(const ::testing::TestParamInfo<Row>& info) {
  return info.param.name;
}

}  // namespace parser_test
