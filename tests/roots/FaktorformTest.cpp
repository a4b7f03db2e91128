#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "RootsTestSupport.h"
#include "exact/SquareFree.h"
#include "parser/ParseChain.h"
#include "roots/Faktorform.h"

namespace {

using FaktorformTest = CoreTest;

TEST_F(FaktorformTest, FactorForms) {
  const Factors start = {{-2, 1}, {1, 1, 1}, {-3, 0, 1}};
  const ProductTextCase cases[] = {
      {"zero polynomial", {{0}}, 1, "0"},
      {"constant: its display term text", {{-3}}, 1, "- 3  "},
      {"degree 1 starts with one blank", {{-1, 1}}, 1, " ( x-1)"},
      {"negative zero written with plus", {{2.5, 1}}, 1, " ( x + 2.5)"},
      {"multiplicity and constant behind", {{12, 0, -9, 3}}, 1, " ( x + 1) * ( x-2)^2 * 3"},
      {"rest exactly 1 adds nothing", {{-1, 1}, {-2, 1}, {-3, 1}}, 1, " ( x-1) * ( x-2) * ( x-3)"},
      {"zero 0 written x", {{0, 2}}, 1, " x * 2"},
      {"x^2", {{0, 0, 1}}, 1, " x^2"},
      {"square-free rest in front", {{-1, 1}, {1, 0, 1}}, 1, "(1  + x^2  ) * ( x-1)"},
      {"negative constant rest in front", {{2, -2}}, 1, "2 (- 1  ) * ( x-1)"},
      {"positive constant rest behind", {{-1, 0.5}}, 1, " ( x-2) * 0.5"},
      {"rest 1.5", {{-1.5, 1.5}}, 1, " ( x-1) * 1.5"},
      {"no real zero: the product text alone", {{1, 0, 1}}, 1, "(1  + x^2  )"},
      {"numerator of the start function", start, 1,
       "(1  + x  + x^2  ) * ( x + 1.7) * ( x-1.7) * ( x-2)"},
      {"denominator of the start function",
       {{4, 1}, {1, 0, 1}, {1, 0, 1}},
       1,
       "(1  + x^2  )^2 * ( x + 4)"},
      {"zeros alike at the result rounding stay apart",
       {{-1, 1}, {-1.001, 1}},
       1,
       " ( x-1) * ( x-1)"},
      {"slightly negative zero that rounds to 0 is x", {{0.04, 1}, {-1, 1}}, 1, " x * ( x-1)"},
      {"zeros kept for the sign change are divided off once",
       {{-200003, 0, 100001}},
       1,
       " ( x + 1.4) * ( x-1.4) * 100001"},
      {"whole-number divisor 0 is skipped",
       {{0.4}, {1, 0, 1}, {1, 0, 1}},
       1,
       "(0.4  + 0.4x^2  )(1  + x^2  )"},
      {"whole numbers", start, 0, "(1  + x  + x^2  ) * ( x + 2) * ( x-2) * ( x-2)"},
      {"zero that rounds to 0 at no decimals", {{-0.4, 1}}, 0, " x"},
      {"two decimals", {{-1.234, 1}, {2.5, 1}, {2.5, 1}}, 2, " ( x + 2.5)^2 * ( x-1.23)"},
      {"unequal factor texts of the rest",
       {{-1, 1}, {2}, {1.25, 0, 1}, {1.25, 0, 1}},
       2,
       "(1.25  + x^2  )(2.5  + 2x^2  ) * ( x-1)"},
      {"six decimals", start, 6, "(1  + x  + x^2  ) * ( x + 1.732051) * ( x-1.732051) * ( x-2)"},
      {"within 5e-5 of a whole number", {{-1.00004, 1}}, 6, " ( x-1)"},
      {"beyond 5e-5", {{-1.0001, 1}}, 6, " ( x-1.0001)"},
      {"points between clustered zeros divide nothing off and write no factor",
       {{-1.0001, 1}, {-1.0005, 1}, {-1.0005, 1}},
       4,
       " ( x-1.0001) * ( x-1.0005)^2"},
      {"triple zeros",
       {{-4.3, 1}, {-2, 1}, {-2, 1}, {-2, 1}, {3.5, 1}, {3.5, 1}, {3.5, 1}},
       1,
       " ( x + 3.5)^3 * ( x-2)^3 * ( x-4.3)"},
  };
  for (const auto& c : cases) {
    PolynomT p;
    SetzeFall(kontext, p, c);
    PolynomT before;
    before.KopieVon(p);
    EXPECT_EQ(p.Faktorform(), c.text) << c.why;
    EXPECT_EQ(p.Koeff, before.Koeff) << c.why << ": receiver changed";
  }
}

TEST_F(FaktorformTest, EndsWhenTheSquareFreeGcdOverflows) {
  // The gcd of P and P' leaves the Double range; P has no real zero, so the text is P's own.
  PolynomT p;
  Setze(p, {3, 0, 1e160, 0, 1e160});
  const std::string text = p.Faktorform();
  EXPECT_EQ(text.substr(0, 6), "(3  + ");
  EXPECT_EQ(text.back(), ')');
}

// The factor form on the exact square-free decomposition, as the evaluation run writes it for terms
// it read exactly.
TEST_F(FaktorformTest, ExactFactorForms) {
  struct Case {
    const char* why;
    const char* term;
    std::int32_t stellenzahl;
    std::string form;
  };
  const Case cases[] = {
      {"a content and a double zero", "3x^3-9x^2+12", 1, " ( x + 1) * ( x-2)^2 * 3"},
      {"zeros 1e-6 apart are two factors, written alike at one decimal", "(x-2.5)(x-2.500001)", 1,
       " ( x-2.5) * ( x-2.5)"},
      {"and told apart at six", "(x-2.5)(x-2.500001)", 6, " ( x-2.5) * ( x-2.500001)"},
      {"a rest of degree 42 without real zeros", "x^42+1", 1, "(1  + x^42  )"},
      {"a rest beside a multiple zero", "(x-2)^3(x^2+1)", 1, "(1  + x^2  ) * ( x-2)^3"},
      {"a negative rest", "-2x+2", 1, "2 (- 1  ) * ( x-1)"},
  };
  for (const auto& c : cases) {
    kontext.Stellenzahl = c.stellenzahl;
    kontext.messages.clear();
    const std::optional<exact::Polynomial> e = Parser::ExactTerm(c.term);
    ASSERT_TRUE(e) << c.why;
    PolynomT p;
    ASSERT_TRUE(e->RoundInto(p)) << c.why;
    EXPECT_EQ(Analyse::Faktorform(p, *e, exact::SquareFree(*e)), c.form) << c.why;
    EXPECT_TRUE(kontext.messages.empty()) << c.why;
  }
}

}  // namespace
