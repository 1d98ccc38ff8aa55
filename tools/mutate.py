#!/usr/bin/python3
"""Mutation test of the test suite: applies realistic faults to the product one at a time,
rebuilds the test programs, runs them and restores the file byte for byte.

    tools/mutate.py [--build DIR] [--only ID...] [--list] [--report FILE] [--table FILE]

The faults are read from tools/mutants.txt: blocks separated by blank lines, '#' lines are
comments. A block is a header "[id] path/to/file.cpp   description", the text to find (lines
starting "- ") and its replacement (lines starting "+ "; none means delete). Each text must occur
exactly once in its file. A fault is killed when a test fails, crashes or times out, survives when
every test passes, and is stillborn when it does not compile (not counted in the score).
"""

import argparse
import os
import re
import signal
import subprocess
import sys
import time
from pathlib import Path

TOP = Path(__file__).resolve().parent.parent
PROGRAMS = ["tracelet_core_tests", "tracelet_platform_tests", "tracelet_scenario_tests"]
TARGETS = ["tracelet"] + PROGRAMS
TIMEOUT = 300
HEADER = re.compile(r"^\[([\w.-]+)\]\s+(\S+)\s+(.*)$")


def parse_table(path):
    mutants = []
    for block in re.split(r"\n\s*\n", Path(path).read_text(encoding="utf-8")):
        lines = [l for l in block.splitlines() if l.strip() and not l.startswith("#")]
        if not lines:
            continue
        head = HEADER.match(lines[0])
        if not head:
            sys.exit(f"mutate: {path}: not a fault header: {lines[0]!r}")
        old = [l[2:] for l in lines[1:] if l.startswith("-")]
        new = [l[2:] for l in lines[1:] if l.startswith("+")]
        if len(old) + len(new) != len(lines) - 1 or not old:
            sys.exit(f"mutate: {path}: [{head[1]}]: every line after the header starts '- ' or '+ '")
        mutants.append(dict(id=head[1], file=head[2], what=head[3],
                            old="\n".join(old), new="\n".join(new)))
    return mutants


def check_table(mutants):
    problems, seen = [], set()
    for m in mutants:
        if m["id"] in seen:
            problems.append(f"[{m['id']}] the id is used twice")
        seen.add(m["id"])
        source = TOP / m["file"]
        if not source.is_file():
            problems.append(f"[{m['id']}] {m['file']}: no such file")
            continue
        count = source.read_text(encoding="utf-8").count(m["old"])
        if count != 1:
            where = "missing" if count == 0 else f"ambiguous ({count} places)"
            problems.append(f"[{m['id']}] {m['file']}: the text is {where}")
    if problems:
        sys.exit("mutate: the table is refused:\n  " + "\n  ".join(problems))


def build(build_dir, targets):
    command = ["cmake", "--build", str(build_dir), "--target", *targets]
    return subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode == 0


def run_tests(build_dir):
    """Names of the failing tests; empty when every program passes."""
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", TRACELET_SAMPLES=str(TOP / "samples"))
    failed = []
    for program in PROGRAMS:
        try:
            run = subprocess.run([str(build_dir / "tests" / program), "--gtest_brief=1"], env=env,
                                 capture_output=True, text=True, errors="replace", timeout=TIMEOUT)
        except subprocess.TimeoutExpired:
            failed.append(f"{program} timed out")
            continue
        names = re.findall(r"^\[  FAILED  \] ([\w/]+\.\S+?)(?:,| \(|$)", run.stdout, re.M)
        failed += list(dict.fromkeys(names))
        if run.returncode < 0:
            failed.append(f"{program} crashed (signal {-run.returncode})")
        elif run.returncode != 0 and not names:
            failed.append(f"{program} exited {run.returncode}")
    return failed


def try_mutant(m, build_dir, targets):
    source = TOP / m["file"]
    original = source.read_bytes()
    try:
        text = original.decode("utf-8")
        source.write_bytes(text.replace(m["old"], m["new"], 1).encode("utf-8"))
        if not build(build_dir, targets):
            return "stillborn", []
        failed = run_tests(build_dir)
        return ("killed", failed) if failed else ("survived", [])
    finally:
        source.write_bytes(original)


def interrupted(signum, _frame):
    raise KeyboardInterrupt(f"signal {signum}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default="build-mutate", help="build dir (default build-mutate)")
    parser.add_argument("--only", nargs="+", metavar="ID", help="try only these faults")
    parser.add_argument("--list", action="store_true", help="list the faults and stop")
    parser.add_argument("--report", help="also write the table and summary to this file")
    parser.add_argument("--table", default=str(TOP / "tools" / "mutants.txt"))
    args = parser.parse_args()

    mutants = parse_table(args.table)
    check_table(mutants)
    if args.list:
        for m in mutants:
            print(f"{m['id']:26} {m['file']:40} {m['what']}")
        return 0
    if args.only:
        unknown = set(args.only) - {m["id"] for m in mutants}
        if unknown:
            sys.exit("mutate: no such fault: " + ", ".join(sorted(unknown)))
        mutants = [m for m in mutants if m["id"] in args.only]

    for signum in (signal.SIGINT, signal.SIGTERM, signal.SIGHUP):
        signal.signal(signum, interrupted)
    build_dir = (TOP / args.build).resolve()
    if not build_dir.is_dir():
        subprocess.run([str(TOP / "tools" / "build.sh"), str(build_dir)], check=True)
    listing = subprocess.run(["cmake", "--build", str(build_dir), "--target", "help"],
                             capture_output=True, text=True).stdout
    targets = TARGETS + (["tracelet_mp4"] if re.search(r"^tracelet_mp4\b", listing, re.M) else [])

    if not build(build_dir, targets):
        sys.exit("mutate: the unmutated sources do not build")
    failing = run_tests(build_dir)
    if failing:
        sys.exit("mutate: the unmutated suite fails: " + ", ".join(failing))

    rows, started = [], time.monotonic()
    try:
        for n, m in enumerate(mutants, 1):
            t0 = time.monotonic()
            result, failed = try_mutant(m, build_dir, targets)
            rows.append((m["id"], result, failed))
            print(f"[{n}/{len(mutants)}] {m['id']}: {result} ({time.monotonic() - t0:.0f} s)"
                  + (f" by {', '.join(failed[:3])}" if failed else ""), flush=True)
    finally:
        build(build_dir, targets)  # the build dir holds the original program again

    seconds = (time.monotonic() - started) / max(len(rows), 1)
    killed = sum(r[1] == "killed" for r in rows)
    survived = sum(r[1] == "survived" for r in rows)
    stillborn = sum(r[1] == "stillborn" for r in rows)
    score = f"{killed}/{killed + survived}" + (
        f" = {killed / (killed + survived):.2f}" if killed + survived else "")
    lines = [f"{'id':26} {'result':10} killing tests (first three)"]
    lines += [f"{i:26} {r:10} {', '.join(f[:3])}" for i, r, f in rows]
    lines += ["", f"tried {len(rows)}, killed {killed}, survived {survived}, "
                  f"stillborn {stillborn}, score {score}", f"mean {seconds:.0f} s per fault"]
    print("\n".join(lines))
    if args.report:
        Path(args.report).write_text("\n".join(lines) + "\n", encoding="utf-8")
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except KeyboardInterrupt:
        sys.exit("mutate: interrupted; the sources are as they were")
