#!/usr/bin/env python3
"""What theory expects of the model, against references that share none of its
code: each balance against the exact root of the change of p, worked out in
rational arithmetic, and its stability from the sign of the change beside it;
the chance of fixation against SciPy's quadrature of the diffusion's
integrals, the closed form for additive selection and, for N = 10, the exact
Wright-Fisher chain's absorption probability. Usage: check_theory.py MODEL_DRAWS"""
import math
import subprocess
import sys
from fractions import Fraction as F

import numpy as np
from scipy import integrate, stats

failures = []


def check(ok, what):
    failures.extend([] if ok else [what])


def draws(*args):
    return subprocess.run([sys.argv[1], *map(str, args)], capture_output=True, text=True,
                          check=True).stdout.split("\n")[:-1]


def change(w, u, v, p):
    """The change of p times the mean fitness, exactly: selection, then mutation."""
    a, b, c = w
    q = 1 - p
    mean = p * p * a + 2 * p * q * b + q * q * c
    selected = p * p * a + p * q * b
    return (1 - u - v) * selected + v * mean - p * mean


def exact_balances(w, u, v):
    """Every root in [0, 1] to 1e-30, found by halving rational intervals, with
    its stability from the change's sign a little below and above it."""
    a, b, c = w
    if u == v == 0 and a == b == c:
        return []
    grid = [F(i, 4000) for i in range(4001)]
    values = [change(w, u, v, x) for x in grid]
    roots = []
    for i, x in enumerate(grid):
        if values[i] == 0 and (0 < x < 1 or (x == 0 and v == 0) or (x == 1 and u == 0)):
            roots.append(x)
        elif i + 1 < len(grid) and values[i] * values[i + 1] < 0:
            lo, hi = x, grid[i + 1]
            while hi - lo > F(1, 10**30):
                mid = (lo + hi) / 2
                lo, hi = (mid, hi) if change(w, u, v, mid) * values[i] > 0 else (lo, mid)
            roots.append(lo)
    nudge = F(1, 10**12)
    return [(r, (r == 0 or change(w, u, v, r - nudge) > 0) and
             (r == 1 or change(w, u, v, r + nudge) < 0)) for r in roots]


def ulps(got, want):
    return abs(got - want) / math.ulp(max(abs(want), 2.0**-60))


# Fitnesses and rates as the bars set them: hundredths, and the mutation steps.
cases = [((0.8, 1, 0.6), 0, 0), ((1, 0.7, 1), 0, 0), ((1, 1, 0), 0, 0), ((1, 1, 1), 0, 0),
         ((1, 1, 0.8), 0, 0), ((1, 0.8, 0.8), 0, 0), ((0.5, 0.75, 1), 0, 0), ((0, 1, 0), 0, 0),
         ((1, 1, 0), 0.0001, 0), ((1, 1, 0.9), 0.0001, 0), ((1, 1, 1), 0.01, 0.02),
         ((0.8, 1, 0.6), 0.01, 0.005), ((1, 0.7, 1), 0.001, 0.001), ((0.9, 0.95, 1), 0, 0.00002),
         ((1, 0.5, 1), 0.05, 0.05), ((1, 0.99, 0.98), 0.1, 0.00001), ((0.3, 1, 0.2), 0.5, 0.1)]
for w, u, v in cases:
    # The doubles the model is given, exactly, so that only its arithmetic is judged.
    exact = exact_balances([F(x) for x in w], F(u), F(v))
    got = [line.split() for line in draws("balances", *w, u, v)]
    got = [(float.fromhex(p), stable == "1") for p, stable in got]
    check(len(got) == len(exact) and all(
        ulps(g, float(e)) <= 2 and gs == es for (g, gs), (e, es) in zip(got, exact)),
          f"balances of w = {w}, u = {u}, v = {v}: {got}, not {[(float(e), s) for e, s in exact]}")


def fixation(w, n, p0):
    line = draws("fixation", *w, n, p0)[0]
    return None if line == "none" else float.fromhex(line)


def quadrature(w, n, p0):
    """The diffusion's chance of fixation by SciPy's adaptive quadrature."""
    a, b, c = w
    g = lambda y: (y * (a - b) + (1 - y) * (b - c)) / (y * y * a + 2 * y * (1 - y) * b +
                                                      (1 - y) ** 2 * c)
    psi = lambda x: math.exp(-4 * n * integrate.quad(g, 0, x, epsabs=1e-14)[0])
    part = integrate.quad(psi, 0, p0, epsabs=0, epsrel=1e-11, limit=200)[0]
    return part / (part + integrate.quad(psi, p0, 1, epsabs=0, epsrel=1e-11, limit=200)[0])


# Selection of every kind, in populations where psi varies within quad's reach.
for w, n, p0 in [((1, 0.9, 0.8), 20, 0.1), ((0.8, 1, 0.6), 50, 0.3), ((1, 0.7, 1), 10, 0.4),
                 ((1, 0.98, 0.9), 100, 0.05), ((0.9, 0.95, 1), 30, 0.7), ((1, 1, 0.5), 40, 0.02)]:
    got, want = fixation(w, n, p0), quadrature(w, n, p0)
    check(abs(got - want) <= 1e-9 * want, f"fixation, w = {w}, N = {n}, p0 = {p0}: {got}, not {want}")


def additive(h, c, n, p0):
    """Additive selection, w(AA) - w(Aa) = w(Aa) - w(aa) = h: the mean fitness
    is c + 2hp, so psi = (1 + 2hx/c)^-2N and its integrals are closed."""
    power = lambda x: (1 - 2 * n) * math.log1p(2 * h * x / c)  # log of psi's integral, +1
    if h > 0:
        return math.expm1(power(p0)) / math.expm1(power(1))
    return math.exp(power(p0) - power(1)) * math.expm1(-power(p0)) / math.expm1(-power(1))


for h, c, n, p0 in [(0.05, 0.9, 100, 0.005), (0.01, 0.98, 1000, 0.0005), (0.005, 0.99, 10**6, 1e-6),
                    (0.25, 0.5, 10**6, 0.001), (-0.05, 1, 100, 0.5), (-0.01, 1, 10**6, 0.999)]:
    w = (round(c + 2 * h, 2), round(c + h, 3), c)
    got, want = fixation(w, n, p0), additive(h, c, n, p0)
    check(abs(got - want) <= 1e-9 * want or abs(got - want) < 1e-300,
          f"additive, w = {w}, N = {n}, p0 = {p0}: {got}, not {want}")

# Kimura's closed form is the limit of weak additive selection: with s the
# change's pq coefficient, u = (1 - e^-4Nsp0) / (1 - e^-4Ns).
for n, p0 in [(1000, 0.0005), (100, 0.1)]:
    got, s = fixation((1, 0.9995, 0.999), n, p0), 0.0005 / 0.9995
    want = math.expm1(-4 * n * s * p0) / math.expm1(-4 * n * s)
    check(abs(got - want) < 1e-3 * want, f"Kimura, N = {n}, p0 = {p0}: {got}, not {want}")

# Without selection the chance is p0 itself; the model gives no chance where
# an unfit homozygote leaves the change without a limit.
for p0 in (0.001, 0.3, 0.5, 0.999):
    check(fixation((0.7, 0.7, 0.7), 50, p0) == p0, f"neutral, p0 = {p0}")
check(fixation((1, 1, 0), 50, 0.5) is None and fixation((0, 1, 1), 50, 0.5) is None,
      "an unfit homozygote")


def wright_fisher(w, n, p0):
    """The Wright-Fisher chain of 2N + 1 states, selection then binomial
    sampling: the chance of absorption at 2N from 2N p0, exactly."""
    a, b, c = w
    p = np.arange(2 * n + 1) / (2 * n)
    q = 1 - p
    selected = (p * p * a + p * q * b) / (p * p * a + 2 * p * q * b + q * q * c)
    moves = stats.binom.pmf(np.arange(2 * n + 1)[None, :], 2 * n, selected[:, None])
    inner = slice(1, 2 * n)
    fixes = np.linalg.solve(np.eye(2 * n - 1) - moves[inner, inner], moves[inner, 2 * n])
    return fixes[round(2 * n * p0) - 1]


# N = 10, weak selection: the diffusion is an approximation of the chain, good
# to within 0.005 here (the chain's own discreteness).
for w, p0 in [((1, 0.99, 0.98), 0.05), ((1, 0.99, 0.98), 0.5), ((0.98, 0.99, 1), 0.3),
              ((0.97, 1, 0.98), 0.2), ((1, 1, 1), 0.35)]:
    got, want = fixation(w, 10, p0), wright_fisher(w, 10, p0)
    check(abs(got - want) < 0.005, f"Wright-Fisher, w = {w}, p0 = {p0}: {got}, not {want}")

for failure in failures:
    print("FAIL:", failure)
sys.exit(1 if failures else 0)
