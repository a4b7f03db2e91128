#!/usr/bin/env python3
"""Writes register_sequences.tsv: sequences of steps through the register buttons, the shift and
the function list, each with the exact curve discussion of the function f they end on.

Run once with python3-sympy (Debian 12) after a change of the generator; the tests only read the
file. The curve discussion is the one of make_school_functions.py (imported from beside this
file), in the same columns from the fourth on; the second column holds the steps, the third "-".

Steps are separated by " ; ":
  type N | D      type N into the numerator field, D into the denominator field, press "OK"
  g<->f  g*f  g-f  1/f  f'  f<->h  g<->h
                  the register button of that caption
  shift X Y       type X and Y into the vector fields and press "Verschieben"
  fetch N | D     press "h aus Liste holen" until h holds N / D, the numerator a constant times N
                  and the denominator the same constant times D
  save-empty-load "Speichern" to a new file, "Entleeren", "Laden" of that file
  round N         choose N decimals in "Koeffizienten Runden" and confirm

The program's rules are kept: a run cancels a common factor only when the product of the two
degrees exceeds 1 (the removable gaps are those of the last run), "f := g - f" divides by the
greatest common divisor itself, "f .= f'" keeps the denominator of f' as the square of f's, and
every operation stays below its degree limit. Unlike the school functions, the terms the program
writes may need any number of digits: that is what the table shows.
"""

import random
import sys
from fractions import Fraction
from pathlib import Path

import sympy as sp
from sympy.parsing.sympy_parser import (convert_xor, implicit_multiplication_application,
                                        parse_expr, rationalize, standard_transformations)

sys.path.insert(0, str(Path(__file__).parent))
import make_school_functions as school  # noqa: E402

x = school.x
Q = lambda v: sp.Rational(Fraction(v).numerator, Fraction(v).denominator)

ZEROS = [Fraction(c) for c in ("0.125", "0.35", "2.5", "0.45", "0.625", "-1.25", "-0.5", "1.5",
                               "-2", "3", "0.2", "-0.75", "1", "-3.5", "0.05", "4")]
QUADRATIC = [x**2 + 1, x**2 + 2 * x + 2, x**2 - x + Q("0.5"), x**2 + 4]
VECTORS = ["0.123", "-0.125", "1.37", "0.333", "-0.4567", "0.12345", "2.71828", "-1.414213",
           "0.1234567", "0.12345678", "0.123456789", "-0.987654321"]


TYPED = standard_transformations + (implicit_multiplication_application, convert_xor, rationalize)


def read(term):
    """A typed term, its decimals exact."""
    return parse_expr(term, local_dict={"x": x}, transformations=TYPED)


def poly(e):
    return sp.Poly(sp.expand(e), x, domain="QQ")


def run(N, D):
    """f as a run leaves it: the common factor cancelled when the product of the degrees
    exceeds 1 (the integer content changes no value)."""
    if N.is_zero:
        return N, poly(1)
    if N.degree() * D.degree() > 1:
        G = sp.gcd(N, D)
        N, D = sp.div(N, G)[0], sp.div(D, G)[0]
    return N, D


def shifted(P, a):
    return poly(P.as_expr().subs(x, x - a))


class Sequence:
    """The steps so far, f, g and h as the program holds them, and the terms the last step wrote
    into the term fields."""

    def __init__(self):
        self.steps = []
        self.f = self.h = None
        self.g = (poly(0), poly(1))
        self.written = None

    def _analyse(self, N, D):
        self.written = (N, D)
        self.f = run(N, D)

    def type(self, zaehler, nenner):
        self.steps.append("type %s | %s" % (zaehler, nenner))
        self._analyse(poly(read(zaehler)), poly(read(nenner)))

    def typed(self, N, D):
        self.type(school.typed(N.as_expr()), school.typed(D.as_expr()))

    def swap_g_f(self):
        self.steps.append("g<->f")
        old = self.f
        self._analyse(*self.g)
        self.g = old

    def product(self):
        self.steps.append("g*f")
        (Nf, Df), (Ng, Dg) = self.f, self.g
        self._analyse(Nf * Ng, Df * Dg)

    def difference(self):
        self.steps.append("g-f")
        (Nf, Df), (Ng, Dg) = self.f, self.g
        N, D = Ng * Df - Dg * Nf, Dg * Df
        G = sp.gcd(N, D)
        self._analyse(sp.div(N, G)[0], sp.div(D, G)[0])

    def reciprocal(self):
        self.steps.append("1/f")
        N, D = self.f
        self._analyse(D, N)

    def derivative(self):
        self.steps.append("f'")
        N, D = self.f
        if D.degree() < 1:
            self._analyse(N.diff(x), D)
        else:
            self._analyse(N.diff(x) * D - N * D.diff(x), D**2)

    def shift(self, a, b):
        self.steps.append("shift %s %s" % (a, b))
        N, D = self.f
        self._analyse(shifted(N + Q(b) * D, Q(a)), shifted(D, Q(a)))

    def fetch(self, function, text=None):
        """text: the function as a term the exact reader takes, where typed out in full it
        would be too long for the table."""
        N, D = function
        self.steps.append("fetch %s" % (text or "%s | %s" % (school.typed(N.as_expr()),
                                                              school.typed(D.as_expr()))))
        self.h = function

    def swap_f_h(self):
        self.steps.append("f<->h")
        old = self.f
        self._analyse(*self.h)
        self.h = old

    def swap_g_h(self):
        self.steps.append("g<->h")
        self.g, self.h = self.h, self.g

    def save_empty_load(self):
        self.steps.append("save-empty-load")

    def round(self, n):
        """Every coefficient of f to n decimals, halves away from zero (the rows chosen have no
        integer content for the run to take off first)."""
        self.steps.append("round %d" % n)
        scale = sp.Integer(10) ** n

        def rounded(P):
            return poly(sum(sp.sign(c) * sp.floor(abs(c) * scale + sp.Rational(1, 2)) / scale
                            * x**k for (k,), c in P.terms()))

        N, D = self.f
        self._analyse(rounded(N), rounded(D))

    def line(self, name):
        N, D = self.written
        degrees = (self.f[0].degree(), self.f[1].degree())
        if self.f[0].is_zero or min(degrees) < 0 or sum(degrees) > 20:
            return None
        return school.Row(name, N.as_expr(), D.as_expr(), " ; ".join(self.steps), "-").line(False)


def factors(rng, degree, avoid=(), most=3):
    """A product of linear factors on the zeros above, with an optional quadratic factor."""
    p = sp.Integer(1)
    used = set(avoid)
    if degree >= 2 and rng.random() < 0.25:
        p *= rng.choice(QUADRATIC)
        degree -= 2
    while degree > 0:
        z = rng.choice(ZEROS)
        if z in used:
            continue
        used.add(z)
        m = min(rng.randint(1, most), degree)
        p *= (x - Q(z))**m
        degree -= m
    return poly(p), used


def text(P, rng):
    """P as a student types it, multiplied out or as a product of its factors."""
    if rng.random() < 0.5:
        return school.typed(P.as_expr())
    lead, parts = sp.factor_list(P.as_expr())
    out = "" if lead == 1 else ("-" if lead == -1 else school.number(lead))
    for f, m in parts:
        t = "(%s)" % school.typed(f)
        out += t + ("^%d" % m if m > 1 else "")
    return out or "1"


def typed_function(s, rng, zdeg, ndeg, shared=None):
    N, used = factors(rng, zdeg)
    D, _ = factors(rng, ndeg, used)
    if shared is not None:
        N, D = N * shared, D * shared
    s.type(text(N, rng), text(D, rng))


def product_rows(rng, count):
    for i in range(count):
        s = Sequence()
        z = rng.choice(ZEROS)
        typed_function(s, rng, rng.randint(0, 2), rng.randint(0, 2), poly((x - Q(z))**rng.randint(1, 3)))
        s.swap_g_f()
        typed_function(s, rng, rng.randint(1, 3), rng.randint(0, 3), poly((x - Q(z))**rng.randint(1, 3)))
        s.product()
        yield s, "g*f %d" % i


def difference_rows(rng, count):
    for i in range(count):
        s = Sequence()
        z = rng.choice(ZEROS)
        shared = poly((x - Q(z))**rng.randint(1, 2))
        typed_function(s, rng, rng.randint(0, 2), rng.randint(1, 2), shared)
        s.swap_g_f()
        typed_function(s, rng, rng.randint(0, 2), rng.randint(1, 2), shared)
        s.difference()
        yield s, "g-f %d" % i


def reciprocal_rows(rng, count):
    for i in range(count):
        s = Sequence()
        typed_function(s, rng, rng.randint(1, 5), rng.randint(0, 4))
        s.reciprocal()
        if rng.random() < 0.5:
            s.shift(rng.choice(VECTORS), "0")
        yield s, "1/f %d" % i


def derivative_rows(rng, count):
    for i in range(count):
        s = Sequence()
        typed_function(s, rng, rng.randint(1, 5), rng.randint(0, 3), None)
        s.derivative()
        yield s, "f' %d" % i


def shift_rows(rng, count):
    for i in range(count):
        s = Sequence()
        typed_function(s, rng, rng.randint(1, 6), rng.randint(0, 4))
        s.shift(rng.choice(VECTORS), rng.choice(["0", "0", "1.5", "-0.25", rng.choice(VECTORS)]))
        if rng.random() < 0.3:
            s.shift(rng.choice(VECTORS), "0")
        yield s, "shift %d" % i


def power_text(z, m):
    """(x - z)^m as a student types it."""
    sign = "+" if z < 0 else "-"
    return "(x%s%s)^%d" % (sign, school.decimal(abs(z)), m)


def high_multiplicity_rows(rng, count):
    for i in range(count):
        s = Sequence()
        z, m = rng.choice(ZEROS), rng.randint(8, 20)
        nenner = "1" if m > 14 or rng.random() < 0.5 else power_text(rng.choice(ZEROS), 2)
        s.type(power_text(z, m), nenner)
        s.shift(rng.choice(VECTORS), rng.choice(["0", "0", "0.5"]))
        yield s, "high multiplicity %d" % i


def chain_rows(rng, count):
    steps = [lambda s: s.reciprocal(), lambda s: s.derivative(),
             lambda s: s.shift(rng.choice(VECTORS), rng.choice(["0", "0.75"]))]
    for i in range(count):
        s = Sequence()
        typed_function(s, rng, rng.randint(1, 3), rng.randint(0, 2))
        for _ in range(rng.randint(2, 3)):
            N, D = s.f
            if N.degree() + D.degree() >= 8:
                break
            rng.choice(steps)(s)
        yield s, "chain %d" % i


def list_rows(rng, count):
    for i in range(count):
        s = Sequence()
        typed_function(s, rng, rng.randint(1, 5), rng.randint(0, 3))
        first = s.f
        if rng.random() < 0.5:
            s.shift(rng.choice(VECTORS), "0")
            first = s.f
        typed_function(s, rng, rng.randint(1, 3), rng.randint(0, 2))
        if rng.random() < 0.4:
            s.save_empty_load()
        s.fetch(first)
        if rng.random() < 0.4:
            s.swap_g_h()
            s.product()
        else:
            s.swap_f_h()
        yield s, "list %d" % i


def reported():
    """The sequences a user reported."""
    out = []
    s = Sequence()
    s.type("(x-0.125)^2", "1")
    s.swap_g_f()
    s.type("(x-0.125)^3", "x+1")
    s.product()
    out.append((s, "reported: g * f with a shared zero 0.125"))
    for keep in (False, True):
        s = Sequence()
        s.type("(x-0.125)^5", "(x+0.5)^2")
        first = s.f
        s.type("x^2", "1")
        if keep:
            s.save_empty_load()
        s.fetch(first)
        s.swap_f_h()
        out.append((s, "reported: f <-> h with the first function%s" %
                    (" after saving, emptying and loading" if keep else "")))
    shifts = [
        ("reported: x^10 shifted by 0.123456789", "x^10", "1", [("0.123456789", "0")]),
        ("reported: x^10 shifted there and back", "x^10", "1",
         [("0.123456789", "0"), ("-0.123456789", "0")]),
        ("reported: (x-2)^20 shifted by 1.37", "(x-2)^20", "1", [("1.37", "0")]),
        ("reported: critical points after a shift by 0.333", "(x-0.125)^3(x-0.45)^2", "x-0.625",
         [("0.333", "0")]),
        ("reported: a double pole after a shift by (0.123456789; 1.5)", "(x-0.625)^3(x+1.25)^3",
         "(x+0.75)^2", [("0.123456789", "1.5")]),
    ]
    for name, zaehler, nenner, vectors in shifts:
        s = Sequence()
        s.type(zaehler, nenner)
        for a, b in vectors:
            s.shift(a, b)
        out.append((s, name))
    s = Sequence()
    s.type("x^2+0.0000000001", "1")
    out.append((s, "reported: a rest without real zeros"))
    s = Sequence()
    s.type("x^2-x+0.25000000000000000001", "1")
    s.round(2)
    out.append((s, "reported: coefficients rounded where no Double changes"))
    s = Sequence()
    s.type("0.145x^2-0.2x+0.0049999", "x-0.0050001")
    s.round(2)
    out.append((s, "coefficients rounded on halves and just beside them"))
    third = "0." + "3" * 121
    for keep in (False, True):
        s = Sequence()
        s.type("x^2", "1")
        square = s.f
        s.type("x^20", "1")
        s.shift(third, "0")
        shifted_f = s.f
        if keep:
            s.save_empty_load()
            s.fetch(shifted_f, "(x-%s)^20 | 1" % third)
            s.swap_f_h()
        else:
            s.fetch(square)
            s.swap_f_h()
            s.swap_f_h()
        out.append((s, "reported: x^20 shifted by 121 decimals, read back %s" %
                    ("after saving, emptying and loading" if keep else "by f <-> h twice")))
    lines = []
    for s, name in out:
        line = s.line(name)
        assert line is not None, name
        lines.append(line)
    return lines


def main():
    rng = random.Random(20261211)
    lines = reported()
    kinds = [(product_rows, 30), (difference_rows, 20), (reciprocal_rows, 12),
             (derivative_rows, 16), (shift_rows, 30), (list_rows, 16),
             (high_multiplicity_rows, 12), (chain_rows, 12)]
    for make, count in kinds:
        found = 0
        for s, name in make(rng, 10 * count):
            line = s.line(name)
            if line is not None:
                lines.append(line)
                found += 1
                if found == count:
                    break
        print("%s: %d" % (make.__name__, found), file=sys.stderr)
    target = Path(__file__).with_name("register_sequences.tsv")
    header = "# Written by make_register_sequences.py; see there for the steps and the columns.\n"
    target.write_text(header + "\n".join(lines) + "\n", encoding="utf-8")
    print("%d rows written to %s" % (len(lines), target), file=sys.stderr)


if __name__ == "__main__":
    main()
