#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Times whole quorvel-cli processes on the real history, and the group cases against a numpy script.

    /usr/bin/python3 bench/whole_process.py build-rel/src/cli/quorvel-cli [--before OTHER-CLI] [--runs 5]

Imports the history (data/marksix-history.txt unless --history) into a fresh data folder, then runs each command
--runs times (five unless given), interleaved with the others so that all see the same load, and prints the
median wall time of each: `--help`, `history`, a one-value `search`, `table`, `trend --last 30` (each also as a
ratio to `--help`), and `group` over every group of k = 2, 3, 4 of the 49 numbers and k = 5 of the numbers
1..24 beside bench/numpy_groups.py doing the same calculation (ratio quorvel-cli / numpy). It also prints the
peak memory of `group` k = 5 over 49 and the load average before and after. Outputs are thrown away.

With --before, a second quorvel-cli (a build of an earlier commit) runs the same commands on a data folder of
its own, interleaved with the first, and a column gives the ratio of the first to it; each command's output
(stdout, stderr and exit code) is then compared between the two, and any difference is named (exit 1).
The numpy side runs under this interpreter: use one that has numpy (Debian's python3-numpy, /usr/bin/python3).
Use Release builds; on a busy machine compare the ratios rather than the times.
"""
import argparse
import os
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))

COMMANDS = [
    ("--help", ["--help"]),
    ("history", ["history"]),
    ("search", ["search", "--pos", "7=8"]),
    ("table", ["table"]),
    ("trend --last 30", ["trend", "--last", "30"]),
]

# (size, ticked numbers 1..m)
GROUPS = [(2, 49), (3, 49), (4, 49), (5, 24)]


def group_command(size, ticked):
    return ["group", "--no-limit", "--size", str(size), "--boxes", "1..%d" % ticked]


def run(command):
    """Wall and CPU (user + system) seconds and peak resident kilobytes of one child process, its output thrown
    away."""
    started = time.perf_counter()
    child = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(child.pid, 0)
    wall = time.perf_counter() - started
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit("failed (exit %d): %s" % (os.waitstatus_to_exitcode(status), " ".join(command)))
    return wall, usage.ru_utime + usage.ru_stime, usage.ru_maxrss


def output(command):
    """What a child process says: its exit code, stdout and stderr."""
    done = subprocess.run(command, capture_output=True)
    return done.returncode, done.stdout, done.stderr


def load():
    return "load average %.2f %.2f %.2f" % os.getloadavg()


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("cli", help="path of the quorvel-cli binary (a Release build)")
    parser.add_argument("--before", help="another quorvel-cli to compare with, run interleaved")
    parser.add_argument("--history", default=os.path.join(HERE, "..", "data", "marksix-history.txt"))
    parser.add_argument("--runs", type=int, default=5)
    args = parser.parse_args()
    try:
        import numpy  # noqa: F401 -- the numpy script runs under this same interpreter
    except ImportError:
        sys.exit("%s has no numpy: install python3-numpy or run this script with /usr/bin/python3" % sys.executable)
    binaries = {"cli": os.path.abspath(args.cli)}
    if args.before:
        binaries["before"] = os.path.abspath(args.before)
    with tempfile.TemporaryDirectory(prefix="quorvel-whole-process-") as folder:
        base = {}
        for name, binary in binaries.items():
            data = os.path.join(folder, name)
            subprocess.run([binary, "--data-dir", data, "import", args.history], stdout=subprocess.DEVNULL,
                           check=True)
            base[name] = [binary, "--data-dir", data]
        cases = [(label, arguments, None) for label, arguments in COMMANDS]
        cases += [("group k=%d of %d" % (k, m), group_command(k, m), [sys.executable, os.path.join(
            HERE, "numpy_groups.py"), args.history, str(k), str(m)]) for k, m in GROUPS]
        print(load())
        times = {}
        for _ in range(args.runs):
            for label, arguments, numpy_command in cases:
                for name in binaries:
                    times.setdefault((label, name), []).append(run(base[name] + arguments))
                if numpy_command:
                    times.setdefault((label, "numpy"), []).append(run(numpy_command))
        peak = {name: max(run(base[name] + group_command(5, 49))[2] for _ in range(2)) for name in binaries}
        wall = {key: statistics.median(r[0] for r in runs) * 1000 for key, runs in times.items()}
        cpu = {key: statistics.median(r[1] for r in runs) * 1000 for key, runs in times.items()}
        header = "%-18s %9s %7s %9s %7s" % ("command", "wall ms", "ratio", "cpu ms", "ratio")
        if args.before:
            header += " %14s %14s" % ("before wall ms", "wall now/bef.")
        print(header)
        for label, _, numpy_command in cases:
            against = (label, "numpy") if numpy_command else ("--help", "cli")
            line = "%-18s %9.1f %7.2f %9.1f %7.2f" % (label, wall[(label, "cli")], wall[(label, "cli")] / wall[against],
                                                      cpu[(label, "cli")], cpu[(label, "cli")] / cpu[against])
            if args.before:
                line += " %14.1f %14.2f" % (wall[(label, "before")], wall[(label, "cli")] / wall[(label, "before")])
            if numpy_command:
                line += "   numpy wall %.1f ms, cpu %.1f ms" % (wall[against], cpu[against])
            print(line)
        print("ratio: to --help for the first five, to numpy for the group cases; medians of %d runs" % args.runs)
        for name in binaries:
            print("peak memory of group k=5 of 49 (%s): %.1f MB" % (name, peak[name] / 1024))
        print(load())
        if args.before:
            differing = [label for label, arguments, _ in cases
                         if output(base["cli"] + arguments) != output(base["before"] + arguments)]
            if differing:
                sys.exit("output differs from the earlier build (stdout, stderr or exit code): " + ", ".join(differing))
            print("output (stdout, stderr, exit code) identical to the earlier build for every command")


if __name__ == "__main__":
    main()
