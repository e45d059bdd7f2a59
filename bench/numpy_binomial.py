#!/usr/bin/env python3
"""The draws of BM_Binomial1e6Draws (bench/sampler_bench.cpp) with NumPy's
Generator.binomial: 10^6 draws of n = 2,000,000, p_i = (i % 999 + 1) / 1000.
Usage: numpy_binomial.py [REPETITIONS [SAMPLER_JSON]]. Prints the best time of
the repetitions; given the sampler's Google Benchmark JSON, also the ratio of
the sampler's median to it, and fails when the sampler is the slower."""
import json
import sys
import time

import numpy as np

repetitions = int(sys.argv[1]) if len(sys.argv) > 1 else 5
p = (np.arange(1_000_000) % 999 + 1) / 1000.0
times = []
for _ in range(repetitions):
    generator = np.random.default_rng(1)
    start = time.perf_counter()
    generator.binomial(2_000_000, p)
    times.append((time.perf_counter() - start) * 1e3)
numpy_ms = min(times)
print(f"NumPy {np.__version__} Generator.binomial: {numpy_ms:.1f} ms per 10^6 draws"
      f" (best of {repetitions})")
if len(sys.argv) > 2:
    with open(sys.argv[2]) as results:
        sampler_ms = next(b["real_time"] for b in json.load(results)["benchmarks"]
                          if b["name"] == "BM_Binomial1e6Draws_median")
    print(f"the sampler: {sampler_ms:.1f} ms per 10^6 draws (median), "
          f"{sampler_ms / numpy_ms:.2f} of NumPy's time (limit 1.00)")
    sys.exit(0 if sampler_ms <= numpy_ms else 1)
