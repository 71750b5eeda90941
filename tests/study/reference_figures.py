#!/usr/bin/env python3
"""Expected figures of tests/study/statistics_test.cpp, computed apart from the
code under test with Python's statistics module and plain formulas. Not part of
the build: run it by hand and paste its output when a case changes."""
import math
import statistics

SAMPLE = [316.4, 124.3, 250.0, 250.0, 410.5, 98.2, 133.7, 275.1, 301.0, 188.8, 162.4]

def quantile7(data, p):
    s = sorted(data)
    h = (len(s) - 1) * p
    lo = math.floor(h)
    hi = min(lo + 1, len(s) - 1)
    return s[lo] + (h - lo) * (s[hi] - s[lo])

print("mean", repr(statistics.fmean(SAMPLE)))
print("sd", repr(statistics.stdev(SAMPLE)))
# statistics.quantiles(method="inclusive") is type 7: check it agrees with the plain rule.
twentieths = statistics.quantiles(SAMPLE, n=20, method="inclusive")
quarters = statistics.quantiles(SAMPLE, n=4, method="inclusive")
for p, q in [(0.05, twentieths[0]), (0.25, quarters[0]), (0.5, quarters[1]),
             (0.75, quarters[2]), (0.95, twentieths[18])]:
    assert abs(q - quantile7(SAMPLE, p)) < 1e-9
    print("p%g" % (p * 100), repr(q))

def wilson(k, n, z=statistics.NormalDist().inv_cdf(0.975)):
    p = k / n
    centre = (k + z * z / 2) / (n + z * z)
    half = z * math.sqrt(n) / (n + z * z) * math.sqrt(p * (1 - p) + z * z / (4 * n))
    return p, centre - half, centre + half

for k, n in [(8, 10), (0, 20), (20, 20), (437, 1000)]:
    print("wilson", k, n, [repr(v) for v in wilson(k, n)])

def ranks(values):
    order = sorted(range(len(values)), key=lambda i: values[i])
    r = [0.0] * len(values)
    i = 0
    while i < len(order):
        j = i
        while j + 1 < len(order) and values[order[j + 1]] == values[order[i]]:
            j += 1
        for k in range(i, j + 1):
            r[order[k]] = (i + j) / 2 + 1
        i = j + 1
    return r

def spearman(x, y):
    return statistics.correlation(ranks(x), ranks(y))

X = [0.5, 0.6, 0.6, 0.7, 0.8, 0.9, 0.55]
Y = [410.0, 350.0, 362.0, 300.0, 300.0, 250.0, 380.0]
print("spearman ties", repr(spearman(X, Y)))
print("spearman ranks", ranks(X))
