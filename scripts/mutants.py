#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""Mutation run: plant one-line faults in the domain code, one at a time,
rebuild incrementally, run the test programs of the subsystems the file
belongs to, restore the file, and count how many faults the tests kill.

Faults come from two places:
  - a hand-written list (scripts/mutants.txt): file, pattern, replacement,
    what it breaks, and optionally which occurrence of the pattern (1 = first),
    separated by tabs; "\\n" and "\\t" in pattern and replacement stand for a
    newline and a tab;
  - faults generated here from the sources, so that the list cannot be chosen
    easy: every wait constant in ops/ doubled and halved, every serial command
    code changed, every field of every family-methods row changed.

Run by hand or from a scheduled job (it takes about an hour): see mutants.sh.
"""

import argparse
import os
import re
import signal
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# Test programs that can see a fault in each folder.
SUITES = {
    "hw/": ["test_hw", "test_sim", "test_ops"],
    "sim/": ["test_sim", "test_ops"],
    "ops/": ["test_ops"],
    "buffers/": ["test_buffers", "test_devices", "test_ops", "test_hexfile"],
    "hexfile/": ["test_hexfile"],
    "devices/": ["test_devices", "test_buffers", "test_ops"],
    "production/": ["test_production"],
}


class Mutant:
    def __init__(self, path, pattern, replacement, what, occurrence=1, origin="list"):
        self.path, self.pattern, self.replacement = path, pattern, replacement
        self.what, self.occurrence, self.origin = what, occurrence, origin

    def label(self):
        return f"{self.path}: {self.what}"


def unescape(text):
    return text.replace("\\n", "\n").replace("\\t", "\t")


def read_list(path):
    mutants = []
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line.strip() or line.lstrip().startswith("#"):
                continue
            fields = line.split("\t")
            if len(fields) not in (4, 5):
                sys.exit(f"{path}:{number}: expected 4 or 5 tab-separated fields, got {len(fields)}")
            occurrence = int(fields[4]) if len(fields) == 5 else 1
            mutants.append(Mutant(fields[0], unescape(fields[1]), unescape(fields[2]), fields[3],
                                  occurrence))
    return mutants


def source(path):
    with open(os.path.join(ROOT, path), encoding="utf-8") as f:
        return f.read()


def line_mutants(path, text, line_filter, literal, replace, what):
    """One mutant per literal on the lines that pass line_filter; the
    pattern is the whole line, so it stays unique."""
    out = []
    for line in text.splitlines():
        if not line_filter(line):
            continue
        for match in literal.finditer(line):
            for new, how in replace(match.group(0)):
                mutated = line[: match.start()] + new + line[match.end():]
                if mutated != line:
                    out.append(Mutant(path, line, mutated, what(line.strip(), how), 1,
                                      "generated"))
    return out


def generated():
    out = []
    # Waits of the operations: DELAY / DELAYUS arguments and the wait constants.
    wait_line = re.compile(r"DELAY(US)?\(|Ms = \d")
    number = re.compile(r"(?<![\w.])\d+(?![\w.])")

    def scale(n):
        v = int(n)
        return [(str(v * 2), "doubled"), (str(max(v // 2, 1)) if v > 1 else "0", "halved")]

    for name in sorted(os.listdir(os.path.join(ROOT, "ops"))):
        if not name.endswith((".cpp", ".h")):
            continue
        path = "ops/" + name
        out += line_mutants(path, source(path),
                            lambda l: wait_line.search(l) and not l.strip().startswith("//"),
                            number, scale, lambda l, how: f"wait {how}: {l}")

    # Every field of every family-methods row.
    header = source("ops/family_methods.h")
    enums = {}
    for name, body in re.findall(r"enum class (\w+) : std::uint8_t \{(.*?)\};", header, re.S):
        enums[name] = re.findall(r"^\s*(\w+)", re.sub(r"//.*", "", body), re.M)
    family_h = source("devices/family.h")
    fam = re.search(r"enum class Family[^{]*\{(.*?)\};", family_h, re.S).group(1)
    enums["Family"] = re.findall(r"^\s*(\w+)", re.sub(r"//.*", "", fam), re.M)
    alias = {"F": "Family", "PE": "PreErase", "PM": "ProgramMethod", "DM": "DataMethod",
             "IM": "IdMethod", "FM": "FuseMethod", "EM": "EraseMethod"}
    path = "ops/family_methods.cpp"
    text = source(path)
    field = re.compile(r"(?:\.|\bm\.)(\w+) = ([\w:]+)")

    def change(value):
        if value in ("true", "false"):
            return "false" if value == "true" else "true"
        if "::" in value:
            prefix, enumerator = value.split("::")
            names = enums[alias[prefix]]
            return f"{prefix}::{names[(names.index(enumerator) + 1) % len(names)]}"
        if value.startswith("0x"):
            v = int(value, 16)
            return f"0x{(v ^ (v & -v)) if v else 1:04X}"
        if value.isdigit():
            return str(int(value) * 2 if int(value) else 1)
        return None  # a named constant: changed where it is defined

    lines = text.split("\n")
    for line in lines:
        if line.strip().startswith("//"):
            continue
        for match in field.finditer(line):
            new = change(match.group(2))
            if new is None:
                continue
            mutated = line[: match.start(2)] + new + line[match.end(2):]
            out.append(Mutant(path, line, mutated,
                              f"family row field {match.group(1)} = {new}: {line.strip()}", 1,
                              "generated"))
    # Serial command codes (last: a header many files include, so slow).
    path = "hw/serial_command.h"
    code = re.compile(r"0x[0-9A-Fa-f]{2}")
    out += line_mutants(path, source(path), lambda l: re.search(r"\w+ = 0x", l), code,
                        lambda c: [(f"0x{int(c, 16) ^ 0x10:02X}", "bit 4 flipped"),
                                   (f"0x{int(c, 16) ^ 0x01:02X}", "bit 0 flipped")],
                        lambda l, how: f"command code {how}: {l}")

    # The same change found twice (a wait that is also a row field) runs once,
    # at every place its line appears.
    unique, changes = [], set()
    for m in out:
        key = (m.path, m.pattern, m.replacement)
        if key in changes:
            continue
        changes.add(key)
        places = source(m.path).count(m.pattern)
        for occurrence in range(1, places + 1):
            unique.append(Mutant(m.path, m.pattern, m.replacement,
                                 m.what + (f" (place {occurrence})" if places > 1 else ""),
                                 occurrence, "generated"))
    return unique


def apply(mutant, text):
    start = -1
    for _ in range(mutant.occurrence):
        start = text.find(mutant.pattern, start + 1)
        if start < 0:
            return None
    return text[:start] + mutant.replacement + text[start + len(mutant.pattern):]


def suites_for(path):
    for prefix, suites in SUITES.items():
        if path.startswith(prefix):
            return suites
    return ["test_devices", "test_buffers", "test_hw", "test_sim", "test_hexfile", "test_ops"]


def build(build_dir, targets, timeout):
    command = ["nice", "cmake", "--build", build_dir, "-j2", "--target"] + targets
    try:
        done = subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                              timeout=timeout)
        return done.returncode == 0
    except subprocess.TimeoutExpired:
        return False


def tests_pass(build_dir, suites, timeout):
    """True when every suite passes; a crash or a timeout kills the mutant."""
    for suite in suites:
        binary = os.path.join(build_dir, "tests", suite)
        try:
            done = subprocess.run(["nice", binary, "--gtest_brief=1"], cwd=build_dir,
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                  timeout=timeout,
                                  env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
        except subprocess.TimeoutExpired:
            return False, suite + " (timeout)"
        if done.returncode != 0:
            return False, suite
    return True, ""


def interrupted(signum, frame):
    raise KeyboardInterrupt  # restores the mutated file on the way out


def main():
    signal.signal(signal.SIGTERM, interrupted)
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--list", default=os.path.join(ROOT, "scripts", "mutants.txt"))
    parser.add_argument("--build-dir", default=os.path.join(ROOT, "build-mutants"))
    parser.add_argument("--only", choices=["all", "list", "generated"], default="all")
    parser.add_argument("--sample", type=int, default=0,
                        help="run every k-th generated mutant so that about this many run")
    parser.add_argument("--timeout", type=int, default=300, help="seconds per test program")
    parser.add_argument("--match", default="",
                        help="only the mutants whose file and description match this regex")
    parser.add_argument("--show", action="store_true", help="print the mutants and stop")
    args = parser.parse_args()

    mutants = []
    if args.only in ("all", "list"):
        mutants += read_list(args.list)
    if args.only in ("all", "generated"):
        gen = generated()
        if args.sample and args.sample < len(gen):
            step = len(gen) / args.sample
            gen = [gen[int(i * step)] for i in range(args.sample)]
        mutants += gen
    if args.match:
        mutants = [m for m in mutants if re.search(args.match, m.label())]
    if args.show:
        for m in mutants:
            print(f"[{m.origin}] {m.label()}")
        print(f"{len(mutants)} mutants")
        return 0

    if not mutants:
        sys.exit("no mutant matches")
    build_dir = args.build_dir
    if not os.path.exists(os.path.join(build_dir, "build.ninja")):
        subprocess.run(["cmake", "-S", ROOT, "-B", build_dir, "-G", "Ninja",
                        "-DCMAKE_BUILD_TYPE=Release", "-DLPTPIC_SANITIZE=OFF", "-DLPTPIC_GUI=OFF",
                        "-DLPTPIC_CLI=OFF", "-DLPTPIC_BENCH=OFF"], check=True,
                       stdout=subprocess.DEVNULL)
    every_suite = sorted({s for m in mutants for s in suites_for(m.path)})
    if not build(build_dir, every_suite, 3600):
        sys.exit("the unchanged code does not build")
    ok, failing = tests_pass(build_dir, every_suite, args.timeout)
    if not ok:
        sys.exit(f"the unchanged code fails {failing}: fix that first")

    killed, survivors, unbuildable, missing = 0, [], [], []
    started = time.time()
    for index, m in enumerate(mutants, 1):
        full = os.path.join(ROOT, m.path)
        with open(full, encoding="utf-8") as f:
            original = f.read()
        mutated = apply(m, original)
        if mutated is None:
            missing.append(m)
            print(f"[{index}/{len(mutants)}] MISSING     {m.label()}", flush=True)
            continue
        suites = suites_for(m.path)
        try:
            with open(full, "w", encoding="utf-8") as f:
                f.write(mutated)
            if not build(build_dir, suites, 1800):
                unbuildable.append(m)
                verdict = "UNBUILDABLE"
            else:
                passed, by = tests_pass(build_dir, suites, args.timeout)
                if passed:
                    survivors.append(m)
                    verdict = "SURVIVED   "
                else:
                    killed += 1
                    verdict = "killed     "
                    m.what += f"  [by {by}]"
        finally:
            with open(full, "w", encoding="utf-8") as f:
                f.write(original)
        print(f"[{index}/{len(mutants)}] {verdict} [{m.origin}] {m.label()}", flush=True)

    total = killed + len(survivors)
    minutes = (time.time() - started) / 60
    print()
    print(f"killed {killed}/{total}" + (f" ({100.0 * killed / total:.1f} %)" if total else "") +
          f" in {minutes:.0f} min; {len(unbuildable)} did not build, {len(missing)} not found")
    for origin in ("list", "generated"):
        k = sum(1 for m in mutants if m.origin == origin and m not in survivors
                and m not in unbuildable and m not in missing)
        t = k + sum(1 for m in survivors if m.origin == origin)
        if t:
            print(f"  {origin}: killed {k}/{t}")
    if survivors:
        print("survivors:")
        for m in survivors:
            print(f"  [{m.origin}] {m.label()}")
    if missing:
        print("patterns not found (the list needs updating):")
        for m in missing:
            print(f"  {m.label()}")
    # Leave the build directory matching the restored sources.
    build(build_dir, every_suite, 3600)
    return 0 if not missing else 1


if __name__ == "__main__":
    sys.exit(main())
