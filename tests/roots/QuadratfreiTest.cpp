#include <string>
#include <vector>

#include "RootsTestSupport.h"
#include "roots/Quadratfrei.h"

namespace {

using QuadratfreiTest = CoreTest;

TEST_F(QuadratfreiTest, ProductTexts) {
  const std::vector<double> q1 = {1, 0, 1};
  const std::vector<double> q2 = {2, 0, 1};
  const ProductTextCase cases[] = {
      {"square-free", {q1}, 1, "(1  + x^2  )"},
      {"square-free with content", {{2}, q1}, 1, "2 (1  + x^2  )"},
      {"one level per multiplicity", {q1, q1, q2}, 1, "(2  + 3x^2  + x^4  )(1  + x^2  )"},
      {"content moves into the prefix", {{2}, q1, q1}, 1, "2 (1  + x^2  )^2"},
      {"content of the quotient", {{1, 0, 2}, {1, 0, 2}}, 1, "(1  + 2x^2  )^2"},
      {"three equal levels", {q1, q1, q1}, 1, "(1  + x^2  )^3"},
      {"run after another level has no blank before it",
       {q1, q1, q1, q2},
       1,
       "(2  + 3x^2  + x^4  )(1  + x^2  )^2"},
      {"blank after the first exponent, none after the last",
       {q1, q1, q2, q2, q2, q2},
       1,
       "(2  + 3x^2  + x^4  )^2 (2  + x^2  )^2"},
      {"equal multiplicities", {q1, q1, q2, q2}, 1, "(2  + 3x^2  + x^4  )^2"},
      {"content of the first quotient reaches the prefix",
       {{6}, q1, q1, {1, 1, 1}},
       1,
       "6 (1  + x  + 2x^2  + x^3  + x^4  )(1  + x^2  )"},
      {"negative leading coefficient stays out of the prefix",
       {{-1}, q1, q1},
       1,
       "(- 1  - x^2  )(1  + x^2  )"},
      {"negative with content", {{-2}, q1}, 1, "2 (- 1  - x^2  )"},
      {"negative constant", {{-3}}, 1, "3 (- 1  )"},
      {"not integral: divided by the whole leading coefficient",
       {{2}, {1.25, 0, 1}, {1.25, 0, 1}},
       2,
       "(1.25  + x^2  )(2.5  + 2x^2  )"},
      {"leading coefficient 1.5 rounds to 2",
       {{1.5}, q1, q1},
       2,
       "2 (0.75  + 0.75x^2  )(1  + x^2  )"},
      {"whole-number divisor 0 is skipped", {{0.4}, q1, q1}, 1, "(0.4  + 0.4x^2  )(1  + x^2  )"},
      {"whole-number divisor beyond the Int32 range is skipped",
       {{3e9}, {0.5, 0, 1}, {0.5, 0, 1}},
       1,
       "(1500000000  + 3000000000x^2  )(0.5  + x^2  )"},
      // The divisor of P and P' comes out as P itself below the zero tolerance.
      {"tiny coefficients end", {{1e-5, 0, 1e-5}}, 6, "(0.00001  + 0.00001x^2  )"},
  };
  for (const auto& c : cases) {
    PolynomT p;
    SetzeFall(kontext, p, c);
    std::string s = p.Term2String();
    Analyse::MFakFinden(s);
    EXPECT_EQ(s, c.text) << c.why;
  }
}

TEST_F(QuadratfreiTest, TheTermTextZero) {
  std::string s = "0";
  Analyse::MFakFinden(s);
  EXPECT_EQ(s, "(0)");
}

TEST_F(QuadratfreiTest, Feld2Prod) {
  struct Row {
    const char* why;
    std::vector<std::string> a;
    const char* text;
  };
  const Row rows[] = {
      {"one text unchanged", {"(a)"}, "(a)"},
      {"a run of three", {"(a)", "(a)", "(a)"}, "(a)^3"},
      {"a run at the end", {"(a)", "(b)", "(b)"}, "(a)(b)^2"},
      {"blank after an exponent that is followed", {"(a)", "(a)", "(b)"}, "(a)^2 (b)"},
      {"two runs", {"(a)", "(a)", "(b)", "(b)"}, "(a)^2 (b)^2"},
      {"texts compared, not polynomials", {"(1  + x  )", "(1 + x)"}, "(1  + x  )(1 + x)"},
      {"nothing", {}, ""},
  };
  for (const auto& r : rows) EXPECT_EQ(Analyse::Feld2Prod(r.a), r.text) << r.why;
}

}  // namespace
