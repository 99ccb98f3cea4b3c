#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Every group of k of the ticked numbers with its least, greatest and last omission, the numpy way.

    python3 bench/numpy_groups.py HISTORY K [M]

HISTORY is a history text (issue, then the seven numbers of a draw, a line each), K the group size and M the
ticked numbers 1..M (49 unless given). Each draw's own k-subsets of its six regular numbers are ranked to their
group with the combinatorial number system, the ranks stable-sorted (draws stay in issue order within a group)
and split into runs, one run per group that was ever hit; the gaps are reduced per run. The rows are printed
one a line, ordered by the last omission (ties in group order), label then the three figures, built as one
byte array without a loop in Python. Needs python3-numpy.
"""
import itertools
import sys
from math import comb

import numpy as np


def main():
    path, k = sys.argv[1], int(sys.argv[2])
    m = int(sys.argv[3]) if len(sys.argv) > 3 else 49
    rows = np.loadtxt(path, dtype=np.int64, usecols=range(1, 7), ndmin=2)  # the six regular numbers of each draw
    n = len(rows)
    values = np.sort(rows, axis=1) - 1  # elements 0..48, ascending
    subsets = np.array(list(itertools.combinations(range(6), k)), dtype=np.int64)
    chosen = values[:, subsets]  # draws x C(6, k) x k, ascending within each subset
    draws = np.repeat(np.arange(1, n + 1), len(subsets))
    inside = (chosen < m).all(axis=2).ravel()  # subsets made only of ticked numbers
    chosen = chosen.reshape(-1, k)[inside]
    draws = draws[inside]
    # Rank in lexicographic order of the groups of the ticked numbers 0..m-1.
    weight = np.array([[comb(m - 1 - e, k - i) if e < m else 0 for i in range(k)] for e in range(49)], dtype=np.int64)
    total = comb(m, k)
    ranks = total - 1 - weight[chosen, np.arange(k)].sum(axis=1)
    order = np.argsort(ranks, kind="stable")
    ranks, draws = ranks[order], draws[order]
    first = np.ones(len(ranks), dtype=bool)
    first[1:] = ranks[1:] != ranks[:-1]
    previous = np.zeros_like(draws)
    previous[1:] = draws[:-1]
    previous[first] = 0  # the first gap counts from IDX 0
    gaps = draws - previous
    starts = np.flatnonzero(first)
    hit = ranks[starts]
    minimum = np.full(total, 32767, dtype=np.int64)
    maximum = np.zeros(total, dtype=np.int64)
    last = np.full(total, n + 1, dtype=np.int64)
    if len(starts):
        minimum[hit] = np.minimum.reduceat(gaps, starts)
        maximum[hit] = np.maximum.reduceat(gaps, starts)
        ends = np.append(starts[1:], len(ranks)) - 1
        last[hit] = n + 1 - draws[ends]
    shown = np.argsort(last, kind="stable")
    # The groups in rank order as numbers 1..m, then the printed lines as bytes: "01 02 03 04 min max last\n".
    groups = np.fromiter(itertools.chain.from_iterable(itertools.combinations(range(1, m + 1), k)), dtype=np.int64,
                         count=total * k).reshape(total, k)[shown]
    width = 6  # each figure right-aligned in six characters
    line = np.full((total, 3 * k + 3 * width + 1), ord(" "), dtype=np.uint8)
    line[:, 0:3 * k:3] = 48 + groups // 10
    line[:, 1:3 * k:3] = 48 + groups % 10
    for column, figure in enumerate((minimum[shown], maximum[shown], last[shown])):
        end = 3 * k - 1 + (column + 1) * width
        rest = figure.copy()
        for place in range(width - 1):
            digit = np.where((rest > 0) | (place == 0), 48 + rest % 10, ord(" "))
            line[:, end - place] = digit
            rest //= 10
    line[:, -1] = ord("\n")
    sys.stdout.buffer.write(line.tobytes())


if __name__ == "__main__":
    main()
