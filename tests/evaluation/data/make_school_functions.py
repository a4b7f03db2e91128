#!/usr/bin/env python3
"""Writes school_functions.tsv: school functions as a student types them, with their exact
curve discussion.

Run once with python3-sympy (Debian 12) after a change of the generator; the tests only read the
file. The functions are products of linear factors with zeros on whole numbers, halves, quarters
and tenths, of multiplicity 1 to 3, quadratic factors without real zeros, leading factors and
common factors, typed multiplied out with decimal coefficients, numerator and denominator of
degree 4 at most each.

Every row holds, tab-separated:
  name, numerator as typed, denominator as typed,
  zeros, gaps, removable gaps, critical x (zeros of f, f' and f'' that are no gaps),
  linear factors of the numerator, linear factors of the denominator (zero:multiplicity),
  whether the factor form of the numerator and of the denominator has a rest without real zeros.
Number lists are blank-separated, empty when there is none; a number is written exactly where
it is a finite decimal, else with 17 significant digits. The program cancels a common factor only when the product of the two degrees exceeds 1;
the expected values follow that rule.

A row is left out when two of its points (zeros, gaps, critical x) lie within 1e-4 of each
other: the program merges points closer than 1e-5, so such a function is beyond what its
display can tell apart.
"""

import random
import sys
from fractions import Fraction
from pathlib import Path

import sympy as sp

x = sp.Symbol("x")

ZEROS = sorted(
    set(
        [Fraction(k) for k in range(-5, 6)]
        + [Fraction(k, 2) for k in range(-9, 10)]
        + [Fraction(k, 4) for k in (-7, -3, -1, 1, 3, 5)]
        + [Fraction(k, 10) for k in (-32, -12, -8, -4, -3, -1, 1, 2, 3, 6, 7, 12, 37, 43)]
    )
)
LEADING = [Fraction(c) for c in ("1", "1", "1", "-1", "2", "-2", "0.5", "3", "-0.5", "4", "0.25", "10", "-3")]
# x^2 + p x + q with p^2 < 4q.
QUADRATICS = [(0, 1), (0, 4), (2, 2), (-2, 2), (1, 1), (-1, 1), (0, Fraction(1, 4)), (4, 5),
              (-3, Fraction(5, 2)), (Fraction(1, 2), 1), (0, Fraction(9, 4)), (-6, 10)]


def decimal(q):
    """The exact decimal text of a fraction whose denominator divides a power of ten."""
    q = Fraction(q)
    sign = "-" if q < 0 else ""
    q = abs(q)
    whole, rest = divmod(q.numerator, q.denominator)
    digits = ""
    while rest:
        rest *= 10
        d, rest = divmod(rest, q.denominator)
        digits += str(d)
        if len(digits) > 30:
            raise ValueError("no finite decimal: %s" % q)
    return sign + str(whole) + ("." + digits if digits else "")


def typed(poly):
    """A polynomial as a student types it multiplied out: 2x^3-7.6x^2+x-0.25."""
    coeffs = sp.Poly(poly, x).all_coeffs()
    n = len(coeffs) - 1
    out = ""
    for i, c in enumerate(coeffs):
        c = Fraction(int(c.p), int(c.q))
        e = n - i
        if c == 0:
            continue
        sign = "-" if c < 0 else ("+" if out else "")
        mag = abs(c)
        power = "" if e == 0 else ("x" if e == 1 else "x^%d" % e)
        num = "" if (mag == 1 and e > 0) else decimal(mag)
        out += sign + num + power
    return out or "0"


def number(v):
    """An exact decimal where there is one, else 17 significant digits."""
    if v.is_Rational:
        try:
            return decimal(Fraction(int(v.p), int(v.q)))
        except ValueError:
            pass
    return "%.17g" % float(sp.N(v, 40))


def real_roots(poly):
    """Distinct real zeros with multiplicities, ascending, exact or as algebraic numbers."""
    p = sp.Poly(poly, x)
    if p.degree() < 1:
        return []
    found = {}
    for r in p.real_roots():
        found[r] = found.get(r, 0) + 1
    return sorted(found.items(), key=lambda t: float(sp.N(t[0], 40)))


class Row:
    def __init__(self, name, zaehler, nenner, typed_zaehler=None, typed_nenner=None):
        self.name = name
        self.N = sp.Poly(sp.expand(zaehler), x, domain="QQ")
        self.D = sp.Poly(sp.expand(nenner), x, domain="QQ")
        self.typed_zaehler = typed_zaehler or typed(self.N.as_expr())
        self.typed_nenner = typed_nenner or typed(self.D.as_expr())

    def discussion(self):
        N, D = self.N, self.D
        G = sp.Poly(1, x, domain="QQ")
        if N.degree() * D.degree() > 1:
            G = sp.gcd(N, D)
            N = sp.div(N, G)[0]
            D = sp.div(D, G)[0]
        gaps = [r for r, _ in real_roots(D)]
        zeros = [r for r, _ in real_roots(N) if D.eval(r) != 0]
        removable = [r for r, _ in real_roots(G) if D.eval(r) != 0]
        f = N.as_expr() / D.as_expr()
        candidates = set()
        for g in (f, sp.diff(f, x), sp.diff(f, x, 2)):
            numer = sp.fraction(sp.cancel(sp.together(g)))[0]
            if numer.free_symbols:
                candidates.update(r for r, _ in real_roots(numer))
        critical = sorted((c for c in candidates if D.eval(c) != 0), key=lambda v: float(sp.N(v, 40)))
        return {
            "zeros": zeros,
            "gaps": gaps,
            "removable": removable,
            "critical": critical,
            "zfactors": real_roots(N),
            "nfactors": real_roots(D),
            "zrest": self.has_rest(N),
            "nrest": self.has_rest(D),
        }

    @staticmethod
    def has_rest(P):
        if P.degree() < 1:
            return False
        linear = sum(m for _, m in real_roots(P))
        return P.degree() > linear or P.LC() < 0

    def line(self):
        d = self.discussion()
        points = sorted(float(sp.N(v, 40)) for v in set(d["zeros"] + d["gaps"] + d["critical"]))
        if any(b - a < 1e-4 for a, b in zip(points, points[1:])):
            return None
        nums = lambda vs: " ".join(number(v) for v in vs)
        facs = lambda fs: " ".join("%s:%d" % (number(z), m) for z, m in fs)
        return "\t".join([
            self.name, self.typed_zaehler, self.typed_nenner,
            nums(d["zeros"]), nums(d["gaps"]), nums(d["removable"]), nums(d["critical"]),
            facs(d["zfactors"]), facs(d["nfactors"]),
            "1" if d["zrest"] else "0", "1" if d["nrest"] else "0",
        ])


def linear(z):
    return x - sp.Rational(z.numerator, z.denominator)


def rational(q):
    return sp.Rational(q.numerator, q.denominator)


def product(factors, quadratic=None, lead=Fraction(1)):
    p = rational(lead)
    for z, m in factors:
        p *= linear(z) ** m
    if quadratic:
        pq, qq = quadratic
        p *= x**2 + rational(Fraction(pq)) * x + rational(Fraction(qq))
    return sp.expand(p)


def random_part(rng, max_degree, avoid, multiplicity_at_least=1):
    """Linear factors with distinct zeros outside `avoid` and an optional quadratic factor."""
    factors = []
    degree = 0
    quadratic = None
    if max_degree >= 2 and rng.random() < 0.3:
        quadratic = rng.choice(QUADRATICS)
        degree = 2
    while degree < max_degree and rng.random() < 0.8:
        z = rng.choice(ZEROS)
        if z in avoid or any(z == f for f, _ in factors):
            continue
        m = rng.randint(multiplicity_at_least if not factors else 1, 3)
        m = min(m, max_degree - degree)
        factors.append((z, m))
        degree += m
    return factors, quadratic


def rows(count, seed):
    rng = random.Random(seed)
    out = []
    kinds = ["multiple zero", "pole", "common factor", "mixed"]
    i = 0
    while len(out) < count:
        kind = kinds[i % len(kinds)]
        i += 1
        name = "%s %d" % (kind, i)
        common, cq = [], None
        if kind == "common factor":
            common, cq = random_part(rng, 2, set())
            if not common and not cq:
                continue
        used = {z for z, _ in common}
        cdeg = sum(m for _, m in common) + (2 if cq else 0)
        zf, zq = random_part(rng, 4 - cdeg, used, 2 if kind == "multiple zero" else 1)
        nf, nq = random_part(rng, 4 - cdeg, used | {z for z, _ in zf}, 2 if kind == "pole" else 1)
        if kind == "common factor" and zq and cq:
            zq = None
        zaehler = product(zf + common, zq if not (cq and zq == cq) else None, rng.choice(LEADING))
        nenner = product(nf + common, nq if not (cq and nq == cq) else None, rng.choice(LEADING))
        if cq:
            zaehler = sp.expand(zaehler * (x**2 + rational(Fraction(cq[0])) * x + rational(Fraction(cq[1]))))
            nenner = sp.expand(nenner * (x**2 + rational(Fraction(cq[0])) * x + rational(Fraction(cq[1]))))
        if sp.Poly(zaehler, x).degree() > 4 or sp.Poly(nenner, x).degree() > 4:
            continue
        line = Row(name, zaehler, nenner).line()
        if line is not None:
            out.append(line)
    return out


def reported():
    """The functions that a user reported, typed as they were."""
    r = [
        Row("reported: double pole", -(x**2 + 1), 2 * (x + sp.Rational(5, 2))**2 * (x - sp.Rational(6, 5)),
            "-(x^2+1)", "2(x+2.5)^2(x-1.2)"),
        Row("reported: triple gap", -x**3 - sp.Rational(7, 2) * x**2 - 2 * x - 7,
            (x - 5)**3 * (x + sp.Rational(7, 2))),
        Row("reported: double zero -0.8", (x + sp.Rational(4, 5))**2, 2 * x + 10),
        Row("reported: triple gap 0.2", 4, 2 * (x - sp.Rational(1, 5))**3 * (x + 3)),
        Row("reported: common factor x-5",
            (x - 5) * (x - 3) * (x + sp.Rational(3, 4))**2 * (x + 2),
            (x - 5) * (x + sp.Rational(1, 2))**2 * x * (x**2 + 1)),
        Row("reported: double zero 2.5", (x - sp.Rational(5, 2))**2 * (x + 1), x**2 + 4),
    ]
    out = []
    for row in r:
        line = row.line()
        assert line is not None, row.name
        out.append(line)
    return out


def main():
    target = Path(__file__).with_name("school_functions.tsv")
    lines = reported() + rows(560, 20261210)
    header = "# Written by make_school_functions.py; see there for the columns.\n"
    target.write_text(header + "\n".join(lines) + "\n", encoding="utf-8")
    print("%d rows written to %s" % (len(lines), target), file=sys.stderr)


if __name__ == "__main__":
    main()
