#!/usr/bin/env python3
"""The model's randomness against references that share none of its code:
xoshiro256** seeded by SplitMix64 written out again here, the logarithms and
the exponential against 50-digit decimal arithmetic, and the binomial sampler
against SciPy's binomial distribution. Usage: check_model.py MODEL_DRAWS"""
import math
import random
import subprocess
import sys
from decimal import Context, Decimal, setcontext

import numpy as np
from scipy import stats

failures = []
setcontext(Context(prec=50, traps=[]))  # so that log(-1) is NaN, as in the model
M = 2**64 - 1


def check(ok, what):
    failures.extend([] if ok else [what])


def draws(*args, stdin=""):
    return subprocess.run([sys.argv[1], *map(str, args)], input=stdin, capture_output=True,
                          text=True, check=True).stdout.split()


def splitmix(seed):
    while True:
        seed = (seed + 0x9E3779B97F4A7C15) & M
        z = (seed ^ seed >> 30) * 0xBF58476D1CE4E5B9 & M
        z = (z ^ z >> 27) * 0x94D049BB133111EB & M
        yield z ^ z >> 31


def xoshiro(s):
    rotl = lambda x, k: (x << k | x >> (64 - k)) & M
    while True:
        yield rotl(s[1] * 5 & M, 7) * 9 & M
        t = s[1] << 17 & M
        s[2] ^= s[0]; s[3] ^= s[1]; s[1] ^= s[2]; s[0] ^= s[3]; s[2] ^= t; s[3] = rotl(s[3], 45)


# The generator; the references above first give their authors' published outputs.
take = lambda generator, count: [next(generator) for _ in range(count)]
check(next(splitmix(0)) == 0xE220A8397B1DCDAF and take(xoshiro([1, 2, 3, 4]), 4) ==
      [11520, 0, 1509978240, 1215971899390074240], "the references")
for seed in (0, 1, 42, M):
    want, got = take(xoshiro(take(splitmix(seed), 4)), 200), draws("generator", seed, 100)
    check(got[:100] == [f"{x:016x}" for x in want[:100]] and list(map(float.fromhex, got[100:]))
          == [(x >> 11) * 2.0**-53 for x in want[100:]], f"generator, seed {seed}")


def near(got, ref):  # within 2 ulp of ref: 1.5 ulp of its correctly rounded value
    want = float(ref)
    return (got == want or math.isnan(got) and math.isnan(want) or
            abs(got - want) <= 1.5 * min(math.ulp(got), math.ulp(want)))


# Within 2 ulp of the 50-digit value, at special values and a few thousand
# points over every exponent; below 1e-20, x - x^2/2 is log(1 + x) to 1e-40.
rng = random.Random(7)
xs = [0.0, -0.0, 1.0, -1.0, -2.0, math.inf, -math.inf, math.nan, 5e-324, 1.7976931348623157e308,
      709.78, 709.79, -745.13, -745.14, -1 + 2**-53] + [rng.uniform(-1, 1) for _ in range(500)]
xs += [math.ldexp(rng.uniform(-1, 1), rng.randint(-1074, 1023)) for _ in range(1500)]
xs += [rng.uniform(-746, 710) for _ in range(1000)] + [1 + rng.randint(-9**6, 9**6) * 2**-52
                                                       for _ in range(300)]
got = draws("math", stdin="".join(f"{x.hex()}\n" for x in xs))
for i, d in enumerate(map(Decimal, xs)):
    log1p = d - d * d / 2 if abs(d) < Decimal("1e-20") else (1 + d).ln()
    for name, value, ref in zip(("Log", "Log1p", "Exp"), got[3 * i:], (d.ln(), log1p, d.exp())):
        check(near(float.fromhex(value), ref), f"{name}({xs[i]!r}) = {value}")
# The sampler: a chi-square test against the binomial distribution for each
# (n, p), over both methods and both halves of p, cells merged until each
# expects 5 or more. Each at 0.1 %/42 (Bonferroni): the grid fails by chance
# with probability below 0.1 %. The mean and variance for n = 2,000,000 within
# 5 standard errors (beyond: 1 in 1.7 million each).
grid = [(n, p) for n in (1, 2, 7, 30, 100, 1000, 2_000_000)
        for p in (1e-6, 0.003, 0.1, 0.5, 0.73, 0.999)]
count = 100_000
for seed, (n, p) in enumerate(grid):
    k, times = np.array(draws("binomial", n, p, seed, count), dtype=np.int64).reshape(-1, 2).T
    binomial = stats.binom(n, p)
    low, high = int(min(k[0], binomial.ppf(1e-12))), int(max(k[-1], binomial.isf(1e-12)))
    cdf = binomial.cdf(np.arange(low - 1, high + 1))
    cdf[0], cdf[-1] = 0, 1  # the tails go into the end cells
    cells = [np.zeros(2)]
    for e, o in zip(count * np.diff(cdf), np.bincount(k - low, times, high - low + 1)):
        cells += [np.zeros(2)] if cells[-1][0] >= 5 else []
        cells[-1] += (e, o)
    if cells[-1][0] < 5 and len(cells) > 1:
        cells[-2:] = [cells[-2] + cells[-1]]
    expected, observed = np.array(cells).T
    pvalue = stats.chisquare(observed, expected).pvalue if len(cells) > 1 else 1
    check(pvalue >= 0.001 / len(grid), f"Binomial({n}, {p}): chi-square p-value {pvalue}")
    if n == 2_000_000:
        mean, variance, npq = np.average(k, weights=times), np.cov(k, fweights=times), n * p * (1 - p)
        check(abs(mean - n * p) <= 5 * math.sqrt(npq / count) and abs(variance - npq) <= 5 * npq *
              math.sqrt(2 / (count - 1) + (1 - 6 * p * (1 - p)) / npq / count),
              f"Binomial({n}, {p}): mean {mean}, variance {variance}")
# p = 0 and p = 1 stay put, as does n = 0.
for n, p, k in ((1000, 0.0, 0), (1000, 1.0, 1000), (0, 0.4, 0), (2**31, 1.0, 2**31)):
    check(draws("binomial", n, p, 1, 10) == [str(k), "10"], f"Binomial({n}, {p})")

print("\n".join(failures) or "all checks passed")
sys.exit(1 if failures else 0)
