#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Times the whole quorvel-cli process of a group calculation against a numpy script doing the same
calculation the fast way, side by side in one run on the same machine.

    bench/cli_vs_numpy.py build-release/src/cli/quorvel-cli [--size 4] [--draws 5000] [--repeat 3]

Both read the same generated history (5,000 random draws) and print every group of k of the 49 numbers as
JSON, ordered by the last omission. quorvel-cli also writes the rows to YL and prints the fuller figures.
The numpy side walks each draw's own k-subsets of its six regular numbers, ranks them to their group with the
combinatorial number system and reduces the gaps per group with numpy; its figures are min, max and last.
Needs python3-numpy. Reports wall and CPU seconds per run (the best of the repeats) and the ratio.
"""
import argparse
import os
import random
import resource
import subprocess
import sys
import tempfile
import time

NUMPY_SCRIPT = r'''
import itertools, json, sys
import numpy as np
from math import comb

path, k = sys.argv[1], int(sys.argv[2])
m = 49
rows = np.loadtxt(path, dtype=np.int64, usecols=range(1, 7))  # the six regular numbers of each draw
n = len(rows)
idx = np.arange(1, n + 1)
values = np.sort(rows, axis=1) - 1  # elements 0..48, ascending
subsets = np.array(list(itertools.combinations(range(6), k)))
chosen = values[:, subsets]  # draws x C(6, k) x k, ascending within each subset
weight = np.array([[comb(m - 1 - e, k - i) for i in range(k)] for e in range(m)], dtype=np.int64)
total = comb(m, k)
ranks = (total - 1 - weight[chosen, np.arange(k)].sum(axis=2)).ravel()
draws = np.repeat(idx, len(subsets))
order = np.argsort(ranks, kind="stable")  # draws stay ascending within a group
ranks, draws = ranks[order], draws[order]
first = np.ones(len(ranks), dtype=bool)
first[1:] = ranks[1:] != ranks[:-1]
previous = np.empty_like(draws)
previous[0] = 0
previous[1:] = draws[:-1]
previous[first] = 0  # the first gap counts from IDX 0
gaps = draws - previous
starts = np.flatnonzero(first)
hit = ranks[starts]
minimum = np.full(total, 32767, dtype=np.int64)
maximum = np.zeros(total, dtype=np.int64)
last = np.full(total, n + 1, dtype=np.int64)
minimum[hit] = np.minimum.reduceat(gaps, starts)
maximum[hit] = np.maximum.reduceat(gaps, starts)
ends = np.append(starts[1:], len(ranks)) - 1
last[hit] = n + 1 - draws[ends]
labels = [" ".join("%02d" % (e + 1) for e in group) for group in itertools.combinations(range(m), k)]
shown = np.argsort(last, kind="stable")
out = sys.stdout
out.write('{"rows":[')
out.write(",".join('{"content":"%s","min":%d,"max":%d,"last":%d}' % (labels[g], minimum[g], maximum[g], last[g])
                   for g in shown.tolist()))
out.write("]}\n")
'''


def generated_history(path, count):
    rng = random.Random(5000)
    with open(path, "w") as out:
        for i in range(count):
            balls = rng.sample(range(1, 50), 7)
            issue = (2001 + i // 150) * 1000 + i % 150 + 1
            out.write("%d %s \n" % (issue, " ".join("%02d" % b for b in balls)))


def timed(command):
    """Wall and CPU seconds (user + system) of one child process, its output thrown away."""
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    started = time.perf_counter()
    subprocess.run(command, stdout=subprocess.DEVNULL, check=True)
    wall = time.perf_counter() - started
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    cpu = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
    return wall, cpu


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("cli", help="path of the quorvel-cli binary (a Release build)")
    parser.add_argument("--size", type=int, default=4)
    parser.add_argument("--draws", type=int, default=5000)
    parser.add_argument("--repeat", type=int, default=3)
    args = parser.parse_args()
    try:
        import numpy  # noqa: F401 -- the numpy side runs under this same interpreter
    except ImportError:
        sys.exit("%s has no numpy: install python3-numpy (apt-get install python3-numpy) or run this script "
                 "with an interpreter that has it, e.g. /usr/bin/python3" % sys.executable)
    with tempfile.TemporaryDirectory(prefix="quorvel-vs-numpy-") as folder:
        history = os.path.join(folder, "history.txt")
        generated_history(history, args.draws)
        script = os.path.join(folder, "groups.py")
        with open(script, "w") as out:
            out.write(NUMPY_SCRIPT)
        data = os.path.join(folder, "data")
        subprocess.run([args.cli, "--data-dir", data, "import", history], stdout=subprocess.DEVNULL, check=True)
        boxes = ",".join(str(b) for b in range(1, 50))
        ours = [args.cli, "--data-dir", data, "group", "--no-limit", "--size", str(args.size), "--boxes", boxes,
                "--json"]
        theirs = [sys.executable, script, history, str(args.size)]
        results = {"quorvel-cli": [], "numpy": []}
        for _ in range(args.repeat):  # interleaved, so both see the same load
            results["quorvel-cli"].append(timed(ours))
            results["numpy"].append(timed(theirs))
        print("load average: %.2f %.2f %.2f" % os.getloadavg())
        best = {}
        for name, runs in results.items():
            best[name] = (min(w for w, _ in runs), min(c for _, c in runs))
            print("%-12s wall %.3f s  cpu %.3f s  (best of %d)" % (name, best[name][0], best[name][1], args.repeat))
        print("quorvel-cli / numpy: wall %.2f, cpu %.2f" % (best["quorvel-cli"][0] / best["numpy"][0],
                                                            best["quorvel-cli"][1] / best["numpy"][1]))


if __name__ == "__main__":
    main()
