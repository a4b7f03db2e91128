#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

#include "exact/Polynomial.h"

namespace {

using exact::Rational;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kSmallest = std::numeric_limits<double>::denorm_min();

// (mantissa + nudge * 2^-100) * 2^exponent: a nudge of +1 or -1 puts the value just beside a
// tie, where only the bits far below the 53rd decide.
Rational Dyadic(const char* mantissa, long exponent, int nudge = 0) {
  Rational r;
  fmpz_set_str(fmpq_numref(r.get()), mantissa, 10);
  fmpz_mul_2exp(fmpq_numref(r.get()), fmpq_numref(r.get()), 100);
  fmpz_add_si(fmpq_numref(r.get()), fmpq_numref(r.get()), nudge);
  const long shift = exponent - 100;
  if (shift >= 0) {
    fmpz_mul_2exp(fmpq_numref(r.get()), fmpq_numref(r.get()), static_cast<ulong>(shift));
  } else {
    fmpz_one_2exp(fmpq_denref(r.get()), static_cast<ulong>(-shift));
  }
  fmpq_canonicalise(r.get());
  return r;
}

struct RoundingCase {
  const char* why;
  const char* mantissa;
  long exponent;
  int nudge;
  double expected;
};

TEST(RationalTest, ToDoubleRoundsToTheNearestDoubleWithTiesToEven) {
  const RoundingCase cases[] = {
      {"tie between 2^53 and 2^53 + 2 goes down to the even one", "9007199254740993", 0, 0, 0x1p53},
      {"tie between 2^53 + 2 and 2^53 + 4 goes up to the even one", "9007199254740995", 0, 0,
       0x1.0000000000002p53},
      {"just above a tie rounds up", "9007199254740993", 0, 1, 0x1.0000000000001p53},
      {"just below a tie rounds down", "9007199254740995", 0, -1, 0x1.0000000000001p53},
      {"a negative tie mirrors the positive one", "-9007199254740993", 0, 0, -0x1p53},
      {"half a unit below 2^1024 ties to infinity", "18014398509481983", 970, 0, kInf},
      {"just below that stays the largest Double", "18014398509481983", 970, -1, DBL_MAX},
      {"far beyond the range is negative infinity", "-1", 1100, 0, -kInf},
      {"the smallest subnormal", "1", -1074, 0, kSmallest},
      {"half the smallest subnormal ties to 0", "1", -1075, 0, 0.0},
      {"just above half the smallest subnormal", "1", -1075, 1, kSmallest},
      {"three halves of the smallest subnormal tie to two", "3", -1075, 0, 2 * kSmallest},
      {"five halves of the smallest subnormal tie to two", "5", -1075, 0, 2 * kSmallest},
      {"just above five halves rounds to three", "5", -1075, 1, 3 * kSmallest},
      {"the largest subnormal and a half ties up to the smallest normal", "9007199254740991", -1075,
       0, DBL_MIN},
      {"far below the subnormals", "1", -1200, 0, 0.0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Dyadic(c.mantissa, c.exponent, c.nudge).ToDouble(), c.expected) << c.why;
}

TEST(RationalTest, ToDoubleOfAQuotientIsTheDoubleDivision) {
  // For integers up to 2^53 the Double division is itself correctly rounded, so it is the
  // reference.
  const std::int64_t pairs[][2] = {
      {1, 3},
      {2, 3},
      {1, 10},
      {-7, 10},
      {1369, 10},
      {22, 7},
      {-1, 3},
      {5, 9007199254740991},
      {9007199254740991, 3},
      {9007199254740991, 9007199254740990},
      {123456789, 1000000007},
  };
  for (const auto& [p, q] : pairs) {
    Rational r;
    fmpq_set_si(r.get(), p, static_cast<ulong>(q));
    EXPECT_EQ(r.ToDouble(), static_cast<double>(p) / static_cast<double>(q)) << p << " / " << q;
  }
  // A walk over many quotients, from a fixed seed.
  std::uint64_t state = 88172645463325252ULL;
  const auto next = [&state] {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return state;
  };
  for (int i = 0; i < 20000; ++i) {
    const auto p = static_cast<std::int64_t>(next() >> (11 + next() % 40));
    const auto q = static_cast<std::int64_t>((next() >> (11 + next() % 40)) | 1);
    Rational r;
    fmpq_set_si(r.get(), p, static_cast<ulong>(q));
    ASSERT_EQ(r.ToDouble(), static_cast<double>(p) / static_cast<double>(q)) << p << " / " << q;
  }
}

TEST(RationalTest, ADoubleIsTakenExactly) {
  const double doubles[] = {0.0,
                            1.0,
                            -1.0,
                            0.1,
                            136.9,
                            DBL_MAX,
                            -DBL_MAX,
                            DBL_MIN,
                            kSmallest,
                            -3 * kSmallest,
                            1e300,
                            -1e-300,
                            0x1.fffffffffffffp-1023,
                            std::nextafter(1.0, 2.0)};
  for (double x : doubles) EXPECT_EQ(Rational(x).ToDouble(), x) << x;

  // 0.1 is 3602879701896397 / 2^55, not 1 / 10.
  Rational tenth;
  fmpq_set_si(tenth.get(), 3602879701896397, 1);
  fmpz_one_2exp(fmpq_denref(tenth.get()), 55);
  EXPECT_TRUE(fmpq_equal(Rational(0.1).get(), tenth.get()));
  Rational smallest;
  fmpq_set_si(smallest.get(), -1, 1);
  fmpz_one_2exp(fmpq_denref(smallest.get()), 1074);
  EXPECT_TRUE(fmpq_equal(Rational(-kSmallest).get(), smallest.get()));
  EXPECT_EQ(Rational(-0.0).Sign(), 0);
}

}  // namespace
