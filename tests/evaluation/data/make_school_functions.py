#!/usr/bin/env python3
"""Writes school_functions.tsv: school functions as a student types them, with their exact
curve discussion.

Run once with python3-sympy (Debian 12) after a change of the generator; the tests only read the
file. The first rows are products of linear factors with zeros on whole numbers, halves, quarters
and tenths, of multiplicity 1 to 3, quadratic factors without real zeros, leading factors and
common factors, typed multiplied out with decimal coefficients, numerator and denominator of
degree 4 at most each. Behind them, from a seed of their own so that the first rows stay as they
are, come
  high degree: up to 12 on one side and 20 in all, multiplicities up to 5, (x^2-1)^10 and
    (x-1)^8(x-2)^8 among them;
  thirds and sevenths: zeros of factors such as (3x+20)^2 or (7x-3), always typed in factor form,
    since x-20/3 has no finite decimal;
  near 0.01 and near 1000: zeros and poles such as 0.0125 or 1001.25;
  cluster: two or three zeros or poles 0.001 to 0.01 apart, such as (x-1.25)^3(x-1.252)^2;
each side typed either multiplied out or in factor form, such as 2(x-7)(x+4.25)^3(x^2-4x+13).

Every row holds, tab-separated:
  name, numerator as typed, denominator as typed,
  zeros, gaps, removable gaps, critical x (zeros of f, f' and f'' that are no gaps),
  linear factors of the numerator, linear factors of the denominator (zero:multiplicity),
  whether the factor form of the numerator and of the denominator has a rest without real zeros,
  f, f' and f'' at each critical x, in the order of the critical x.
Number lists are blank-separated, empty when there is none; a number is written exactly where
it is a finite decimal, else with 17 significant digits; a value is 0 exactly where the critical
x is a zero of that function. The program cancels a common factor only when the product of the
two degrees exceeds 1; the expected values follow that rule, and f is the function the program
analyses, cancelled where the program cancels.

A row is left out when two of its points (zeros, gaps, critical x) lie within 1e-4 of each
other: the program merges points closer than 1e-5, so such a function is beyond what its
display can tell apart. A row is also left out when it has more critical x than the 50 columns
of the value table, when one of its values lies beyond what a Double holds (a magnitude above
1e300, or other than 0 below 1e-300), or when a
coefficient of the terms the program writes back into the term fields (cancelled, and divided by
the integer content) needs more than 12 significant digits: the test takes longer digit runs in
those fields for rounding noise.
"""

import random
import sys
from fractions import Fraction
from pathlib import Path

import mpmath
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


def significant_digits(q):
    """The longest digit run of the number text the term fields write for q, from its first digit
    other than 0, as the test counts it; None where q has no finite decimal."""
    try:
        text = decimal(q)
    except ValueError:
        return None
    return len(text.lstrip("-").replace(".", "").lstrip("0"))


def rewritten(N, D):
    """Numerator and denominator as the program writes them back into the term fields: divided by
    the integer content before and after the cancellation, and by the monic common factor."""
    def integral(P):
        return all(c.q == 1 for c in P.all_coeffs())

    def without_content(N, D):
        if not (integral(N) and integral(D)):
            return N, D
        c = sp.gcd_list([int(c) for c in N.all_coeffs() + D.all_coeffs()])
        return (N.quo_ground(c), D.quo_ground(c)) if c > 1 else (N, D)

    if N.degree() * D.degree() > 1:
        N, D = without_content(N, D)
        G = sp.gcd(N, D)
        N, D = sp.div(N, G)[0], sp.div(D, G)[0]
    if N.degree() + D.degree() <= 20:
        N, D = without_content(N, D)
    return N, D


class Point:
    """A real algebraic number as the index-th real zero of its monic minimal polynomial F."""

    def __init__(self, F, index, value):
        self.F, self.index, self.value = F, index, value
        self.approx = float(sp.N(value, 40))

    def key(self):
        return tuple(self.F.all_coeffs()), self.index

    def is_zero_of(self, P):
        return P.rem(self.F).is_zero

    def numeric(self, digits):
        return mpmath.mpf(str(sp.N(sp.CRootOf(self.F.as_expr(), self.index), digits + 10)))


def points(P):
    """The distinct real zeros of P."""
    found = {}
    if P.is_zero or P.degree() < 1:
        return found
    for F, _ in P.factor_list()[1]:
        F = F.monic()
        for i, r in enumerate(F.real_roots()):
            point = Point(F, i, r)
            found.setdefault(point.key(), point)
    return found


def horner(P, v):
    out = mpmath.mpf(0)
    for c in P.all_coeffs():
        out = out * v + mpmath.mpf(c.p) / c.q
    return out


def value_at(point, P, Q):
    """P/Q at the point, exact where the point is rational, else to 17 significant digits."""
    if point.is_zero_of(P):
        return sp.Integer(0)
    if point.value.is_Rational:
        return P.eval(point.value) / Q.eval(point.value)
    # Near a cluster the terms cancel to many digits; the precision doubles until two results
    # agree far beyond the 17 digits written.
    digits, result = 100, None
    while True:
        with mpmath.workdps(digits):
            v = point.numeric(digits)
            previous, result = result, horner(P, v) / horner(Q, v)
            if previous is not None and abs(result - previous) <= abs(result) * 10**-40:
                return sp.Float(result, 40)
        digits *= 2


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
        # f = N/D, f' = P1/D^2 and f'' = P2/D^3; a zero of a numerator that is a gap is no
        # critical point, so the fractions need no cancelling.
        P1 = N.diff(x) * D - N * D.diff(x)
        P2 = P1.diff(x) * D - 2 * P1 * D.diff(x)
        fractions = [(N, D), (P1, D**2), (P2, D**3)]
        candidates = {}
        for P, _ in fractions:
            for k, point in points(P).items():
                candidates.setdefault(k, point)
        critical = sorted((c for c in candidates.values() if not c.is_zero_of(D)),
                          key=lambda c: c.approx)
        return {
            "zeros": zeros,
            "gaps": gaps,
            "removable": removable,
            "critical": [c.value for c in critical],
            "values": [[value_at(c, P, Q) for c in critical] for P, Q in fractions],
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

    def line(self, digits_checked=True):
        for P in rewritten(self.N, self.D) if digits_checked else []:
            digits = [significant_digits(c) for c in P.all_coeffs()]
            if None in digits or max(digits) > 12:
                return None
        d = self.discussion()
        lage = sorted(float(sp.N(v, 40)) for v in set(d["zeros"] + d["gaps"] + d["critical"]))
        if any(b - a < 1e-4 for a, b in zip(lage, lage[1:])):
            return None
        if len(d["critical"]) > 50:
            return None
        for v in sum(d["values"], []):
            if v != 0 and not 1e-300 < abs(float(v)) < 1e300:
                return None
        nums = lambda vs: " ".join(number(v) for v in vs)
        facs = lambda fs: " ".join("%s:%d" % (number(z), m) for z, m in fs)
        return "\t".join([
            self.name, self.typed_zaehler, self.typed_nenner,
            nums(d["zeros"]), nums(d["gaps"]), nums(d["removable"]), nums(d["critical"]),
            facs(d["zfactors"]), facs(d["nfactors"]),
            "1" if d["zrest"] else "0", "1" if d["nrest"] else "0",
        ] + [nums(vs) for vs in d["values"]])


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


SMALL = [Fraction(c) for c in ("0.01", "0.012", "0.0125", "0.008", "0.015", "0.02", "0.005",
                                 "0.0175", "-0.01", "-0.0125", "-0.02", "0.025")]
LARGE = [Fraction(c) for c in ("999.5", "1000", "1001.25", "998", "1002.5", "1000.5", "999.75",
                               "1001", "-1000", "1000.25")]
SPACINGS = [Fraction(c) for c in ("0.001", "0.002", "0.0025", "0.004", "0.005", "0.01")]


class Side:
    """One term as a product: a leading factor, linear factors a x + b (a whole) and quadratic
    factors x^2 + p x + q without real zeros, each with its power."""

    def __init__(self, lead=Fraction(1)):
        self.lead = Fraction(lead)
        self.linear = []
        self.quadratic = []

    def degree(self):
        return sum(m for _, _, m in self.linear) + 2 * sum(m for _, m in self.quadratic)

    def zeros(self):
        return {Fraction(-b, a) for a, b, _ in self.linear}

    def add_zero(self, z, m):
        self.linear.append((1, -Fraction(z), m))

    def poly(self):
        p = rational(self.lead)
        for a, b, m in self.linear:
            p *= (a * x + rational(Fraction(b))) ** m
        for (pq, qq), m in self.quadratic:
            p *= (x**2 + rational(Fraction(pq)) * x + rational(Fraction(qq))) ** m
        return sp.expand(p)

    def factor_text(self):
        """The term as a product of bracketed factors with powers: 2x^2(x-7)(3x+20)^3(x^2+4)."""
        power = lambda m: "^%d" % m if m > 1 else ""
        front, brackets = "", ""
        for a, b, m in self.linear:
            if b == 0 and a == 1:
                front = "x" + power(m)
                continue
            sign = "+" if b > 0 else "-"
            brackets += "(%sx%s%s)" % ("" if a == 1 else a, sign, decimal(abs(b))) + power(m)
        for (pq, qq), m in self.quadratic:
            brackets += "(%s)" % typed(x**2 + rational(Fraction(pq)) * x + rational(Fraction(qq)))
            brackets += power(m)
        factors = front + brackets
        if not factors:
            return decimal(self.lead)
        lead = {1: "", -1: "-"}.get(self.lead, decimal(self.lead))
        return lead + factors

    def text(self, factor_form):
        return self.factor_text() if factor_form else typed(self.poly())


def add_factors(rng, side, degree, pool, avoid, max_multiplicity, quadratic_chance=0.15):
    """Linear factors with zeros from pool outside avoid, and now and then a quadratic factor,
    until side has the degree."""
    while side.degree() < degree:
        room = degree - side.degree()
        if room >= 2 and rng.random() < quadratic_chance:
            side.quadratic.append((rng.choice(QUADRATICS), 1))
            continue
        free = [z for z in pool if z not in avoid and z not in side.zeros()]
        if not free:
            return
        side.add_zero(rng.choice(free), rng.randint(1, min(max_multiplicity, room)))


def share(rng, zaehler, nenner, pool, max_multiplicity):
    """A common linear factor of both terms."""
    z = rng.choice([z for z in pool if z not in zaehler.zeros() | nenner.zeros()])
    m = rng.randint(1, max_multiplicity)
    zaehler.add_zero(z, m)
    nenner.add_zero(z, m)


def high_degree(rng):
    """One term of degree 6 to 12 with multiplicities up to 5, the other of degree up to 8."""
    big, other = Side(rng.choice(LEADING)), Side(rng.choice(LEADING))
    add_factors(rng, big, rng.randint(6, 12), ZEROS, set(), 5)
    add_factors(rng, other, rng.randint(0, min(8, 20 - big.degree())), ZEROS, big.zeros(), 5)
    zaehler, nenner = (big, other) if rng.random() < 0.65 else (other, big)
    if rng.random() < 0.25 and zaehler.degree() < 12 and nenner.degree() < 12:
        share(rng, zaehler, nenner, ZEROS, 2)
    return zaehler, nenner


def thirds_and_sevenths(rng):
    """Factors 3x+b and 7x+b with b whole and no multiple of 3 or 7, beside ordinary ones."""
    whole = lambda a: [b for b in range(-6 * a, 6 * a + 1) if b % a]
    zaehler, nenner = Side(rng.choice(LEADING)), Side(rng.choice(LEADING))
    sides = [zaehler, nenner]
    rng.shuffle(sides)
    for side, count in zip(sides, (rng.randint(1, 3), rng.randint(0, 2))):
        for _ in range(count):
            a = rng.choice((3, 7))
            b = rng.choice(whole(a))
            if Fraction(-b, a) not in zaehler.zeros() | nenner.zeros():
                side.linear.append((a, b, rng.randint(1, 3)))
    for side in (zaehler, nenner):
        add_factors(rng, side, min(6, side.degree() + rng.randint(0, 2)), ZEROS,
                    zaehler.zeros() | nenner.zeros(), 3)
    if rng.random() < 0.2 and zaehler.degree() < 6 and nenner.degree() < 6:
        a = rng.choice((3, 7))
        used = zaehler.zeros() | nenner.zeros()
        b = rng.choice([b for b in whole(a) if Fraction(-b, a) not in used])
        zaehler.linear.append((a, b, 1))
        nenner.linear.append((a, b, 1))
    return zaehler, nenner


def special_zeros(pool):
    """Up to three zeros or poles from pool, beside ordinary ones."""
    def make(rng):
        zaehler, nenner = Side(rng.choice(LEADING)), Side(rng.choice(LEADING))
        for _ in range(rng.randint(1, 3)):
            side = rng.choice((zaehler, nenner))
            z = rng.choice(pool)
            if z not in zaehler.zeros() | nenner.zeros():
                side.add_zero(z, rng.randint(1, 3))
        for side in (zaehler, nenner):
            add_factors(rng, side, min(6, side.degree() + rng.randint(0, 2)), ZEROS,
                        zaehler.zeros() | nenner.zeros(), 2)
        return zaehler, nenner
    return make


def cluster(rng):
    """Two or three zeros, poles or both, evenly spaced 0.001 to 0.01 apart."""
    zaehler, nenner = Side(rng.choice(LEADING)), Side(rng.choice(LEADING))
    which = rng.choice(((zaehler,), (nenner,), (zaehler, nenner)))
    for side in which:
        base = rng.choice(ZEROS)
        step = rng.choice(SPACINGS) * rng.choice((1, -1))
        for k in range(rng.randint(2, 3)):
            z = base + k * step
            if z not in zaehler.zeros() | nenner.zeros():
                side.add_zero(z, rng.randint(1, 3))
    for side in (zaehler, nenner):
        add_factors(rng, side, min(7, side.degree() + rng.randint(0, 2)), ZEROS,
                    zaehler.zeros() | nenner.zeros(), 2)
    return zaehler, nenner


def typed_row(name, zaehler, nenner, rng):
    """A row with each term typed in factor form or multiplied out; a term with a zero that has
    no finite decimal is always typed in factor form."""
    def factor_form(side):
        return any(a != 1 for a, _, _ in side.linear) or rng.random() < 0.5

    forms = [factor_form(zaehler), factor_form(nenner)]
    typing = "mixed" if forms[0] != forms[1] else ("factor form" if forms[0] else "multiplied out")
    return Row("%s (%s)" % (name, typing), zaehler.poly(), nenner.poly(),
               zaehler.text(forms[0]), nenner.text(forms[1]))


def new_rows(seed):
    """The rows of higher degree and of zeros beyond whole numbers, halves, quarters and tenths."""
    rng = random.Random(seed)
    out = []
    for text, zaehler in (("(x^2-1)^10", (x**2 - 1)**10),
                          ("(x-1)^8(x-2)^8", (x - 1)**8 * (x - 2)**8)):
        for typing, typed_zaehler in (("factor form", text), ("multiplied out", None)):
            name = "high degree: %s (%s)" % (text, typing)
            out.append(Row(name, zaehler, 1, typed_zaehler, "1").line())
    assert None not in out
    classes = [("high degree", high_degree, 106), ("thirds and sevenths", thirds_and_sevenths, 60),
               ("near 0.01", special_zeros(SMALL), 40), ("near 1000", special_zeros(LARGE), 40),
               ("cluster", cluster, 70)]
    for kind, make, count in classes:
        i, found = 0, 0
        while found < count:
            i += 1
            zaehler, nenner = make(rng)
            degrees = (zaehler.degree(), nenner.degree())
            if max(degrees) > 12 or sum(degrees) > 20 or sum(degrees) == 0:
                continue
            line = typed_row("%s %d" % (kind, i), zaehler, nenner, rng).line()
            if line is not None:
                out.append(line)
                found += 1
    return out


def main():
    target = Path(__file__).with_name("school_functions.tsv")
    lines = reported() + rows(560, 20261210) + new_rows(20261211)
    header = "# Written by make_school_functions.py; see there for the columns.\n"
    target.write_text(header + "\n".join(lines) + "\n", encoding="utf-8")
    print("%d rows written to %s" % (len(lines), target), file=sys.stderr)


if __name__ == "__main__":
    main()
