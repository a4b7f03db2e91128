#include "exact/SquareFree.h"

#include <flint/fmpz_poly_factor.h>

#include <algorithm>

namespace exact {

std::vector<SquareFreeFactor> SquareFree(const Polynomial& p) {
  std::vector<SquareFreeFactor> factors;
  if (p.IsConstant()) return factors;
  fmpz_poly_t numerator;
  fmpz_poly_init(numerator);
  fmpq_poly_get_numerator(numerator, p.get());
  fmpz_poly_factor_t f;
  fmpz_poly_factor_init(f);
  fmpz_poly_factor_squarefree(f, numerator);
  for (slong i = 0; i < f->num; ++i) {
    if (fmpz_poly_degree(f->p + i) < 1) continue;
    SquareFreeFactor s{Polynomial(), static_cast<int>(f->exp[i]), std::nullopt};
    fmpz_poly_t primitive;
    fmpz_poly_init(primitive);
    fmpz_poly_primitive_part(primitive, f->p + i);
    fmpq_poly_set_fmpz_poly(s.factor.get(), primitive);
    fmpz_poly_clear(primitive);
    if (s.factor.Coefficient(s.factor.Degree()).Sign() < 0) s.factor = -s.factor;
    factors.push_back(std::move(s));
  }
  fmpz_poly_factor_clear(f);
  fmpz_poly_clear(numerator);
  std::sort(factors.begin(), factors.end(),
            [](const SquareFreeFactor& a, const SquareFreeFactor& b) {
              return a.multiplicity < b.multiplicity;
            });
  return factors;
}

}  // namespace exact
