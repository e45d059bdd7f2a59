#!/usr/bin/env python3
"""Drift in the model's populations against values worked out here, not by the
model: the neutral chance of fixation, the fall of heterozygosity, the exact
distribution of the Wright-Fisher chain with selection and mutation, the
island model's variance among populations, and, without drift, the recursion
bit for bit. Every run has a fixed seed; each statistical check is set to fail
by chance with probability 0.1 %. Usage: check_drift.py MODEL_DRAWS"""
import itertools
import math
import subprocess
import sys

import numpy as np
from scipy import stats

failures = []


def check(ok, what):
    failures.extend([] if ok else [what])


def run(n, populations, generations, p0, w=(1, 1, 1), u=0, v=0, m=0, seed=1, every=None):
    """The tool's lines, one a generation printed: generation, reference, populations."""
    args = [n, populations, generations, p0, *w, u, v, m, seed] + ([every] if every else [])
    out = subprocess.run([sys.argv[1], "populations", *map(str, args)], capture_output=True,
                         text=True, check=True).stdout
    return [line.split() for line in out.splitlines()]


def counts(lines):  # each generation printed: its populations' counts of A
    return {int(line[0]): np.array(line[2:], dtype=np.int64) for line in lines}


def selected(p, w, u, v):  # as the model computes it, term by term, so that it is bit-exact
    q = 1 - p
    wbar = ((p * p * w[0]) + ((2 * p) * q) * w[1]) + (q * q * w[2])
    p = ((p * p * w[0]) + ((p * q) * w[1])) / wbar
    return (1 - u) * p + v * (1 - p)


# Neutral fixation: A fixes with probability p0, and the share of 1,000 that do
# lies in the central 99.9 % of Binomial(1000, 0.3). Heterozygosity falls by
# 1/2N = 1/20 a generation, so after 400 a population still holds both with
# probability below 5e-9: any left undecided means drift has gone wrong.
k = counts(run(10, 1000, 400, 0.3, seed=11))[400]
low, high = stats.binom.interval(0.999, 1000, 0.3)
fixed, undecided = np.sum(k == 20), np.sum((k > 0) & (k < 20))
check(undecided == 0 and low <= fixed <= high, f"neutral: {fixed} fixed, {undecided} undecided")

# Heterozygosity: the mean of 2pq falls by exactly (1 - 1/2N) a generation,
# here from 0.5 with N = 20. Each of the four within 3.7 standard errors of
# its mean (normal quantile of 0.1 %/8: two-sided, Bonferroni over four).
z = stats.norm.isf(0.001 / 8)
het = counts(run(20, 100_000, 40, 0.5, seed=12, every=10))
for t in (10, 20, 30, 40):
    h, want = 2 * (het[t] / 40) * (1 - het[t] / 40), 0.5 * (1 - 1 / 40)**t
    check(abs(h.mean() - want) <= z * h.std(ddof=1) / math.sqrt(len(h)),
          f"heterozygosity at {t}: {h.mean()}, not {want}")


def chisquare(expected, observed):  # cells merged until each expects 5 or more
    cells = [np.zeros(2)]
    for e, o in zip(expected, observed):
        cells += [np.zeros(2)] if cells[-1][0] >= 5 else []
        cells[-1] += (e, o)
    if cells[-1][0] < 5 and len(cells) > 1:
        cells[-2:] = [cells[-2] + cells[-1]]
    expected, observed = np.array(cells).T
    return stats.chisquare(observed, expected).pvalue


# The exact distribution: N = 10 with selection and mutation both ways, from
# k = 6. The chain's transition matrix over k = 0..20 to the 20th power gives
# the distribution of k at generation 20; 20,000 populations against it by a
# chi-square test at 0.1 %.
w, u, v = (1, 0.9, 0.8), 0.01, 0.005
chain = np.array([stats.binom.pmf(range(21), 20, selected(k / 20, w, u, v)) for k in range(21)])
k = counts(run(10, 20_000, 20, 0.3, w, u, v, seed=13))[20]
pvalue = chisquare(20_000 * np.linalg.matrix_power(chain, 20)[6], np.bincount(k, minlength=21))
check(pvalue >= 0.001, f"Wright-Fisher with selection and mutation: chi-square p-value {pvalue}")


def among(n, d, m, t, p0):
    """The expected variance among d populations at generation t, exactly, from
    S, the sum of squared deviations from their mean, and H, the sum of their
    pq: migration leaves the mean alone and shrinks each deviation by 1 - m,
    moving what S loses to H;
    drift adds pq/2N of variance to each population, (1 - 1/d) of it to S."""
    s, h = 0.0, d * p0 * (1 - p0)
    for _ in range(t):
        s, h = (1 - m)**2 * s, h + (1 - (1 - m)**2) * s
        s, h = s + (1 - 1 / d) * h / (2 * n), h * (1 - 1 / (2 * n))
    return s / (d - 1)


# Migration holds populations together: 500 populations of N = 50 at
# generation 100, with m = 0.1 (variance near 0.0126: F_ST 0.050, where
# 1/(1 + 4Nm) gives 0.048) and without (near 0.158), each within 3.5
# standard errors of the exact expectation (0.1 %/4: two-sided, over two). The
# standard error treats the squared deviations as independent, which the
# shared pool makes true only to terms of order 1/500.
z = stats.norm.isf(0.001 / 4)
for m in (0.1, 0):
    p = counts(run(50, 500, 100, 0.5, m=m, seed=14))[100] / 100
    squares, want = (p - p.mean())**2 * 500 / 499, among(50, 500, m, 100, 0.5)
    check(abs(squares.mean() - want) <= z * squares.std(ddof=1) / math.sqrt(500),
          f"migration {m}: variance {squares.mean()}, not {want}")

# The same seed the same run, another seed another; and without drift every
# population, and the reference, exactly the recursion.
same = dict(n=10, populations=50, generations=30, p0=0.3, w=w, u=u, v=v, m=0.05, every=1)
check(run(**same, seed=5) == run(**same, seed=5) != run(**same, seed=6), "reproducibility")
for w, u, v, p in (((1, 0.9, 0.8), 0.01, 0.005, 0.3), ((1.2, 1, 0.5), 0, 0, 0.01),
                   ((0.7, 1, 0.7), 1e-3, 2e-3, 0.9), ((1, 1, 1), 1e-4, 0, 0.5)):
    lines = run(0, 5, 100, p, w, u, v, 0.1, every=1)
    want = list(itertools.accumulate(range(100), lambda p, _: selected(p, w, u, v), initial=p))
    wrong = [line for line, p in zip(lines, want[1:]) if {*map(float.fromhex, line[1:])} != {p}]
    check(len(lines) == 100 and not wrong, f"without drift, w = {w}: {wrong[:1]}")

print("\n".join(failures) or "all checks passed")
sys.exit(1 if failures else 0)
