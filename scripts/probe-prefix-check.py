#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""Shows that the low-voltage probe only puts a prefix before what each
command sent: runs the round of tests/cli/trace_pins_cli_test.cpp with
lptpic-cli twice, on two chips, with the probe and with --no-probe, and
compares the traces byte for byte once the probe is cut off the front.
(That --no-probe sends what was sent before the probe, the trace pins of
the revision before it show: run that test with --no-probe added.)

    scripts/probe-prefix-check.py build-test/cli/lptpic-cli
"""
import os
import re
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
TEST = os.path.join(ROOT, "tests", "cli", "trace_pins_cli_test.cpp")


def round_and_parts():
    text = open(TEST, encoding="utf-8").read()
    parts = re.findall(r'\{"([^"]+)", "([^"]+)"\}', text.split("kParts[]")[1].split("};")[0])
    steps = re.findall(r'"([^"]+)",', text.split("kRound[]")[1].split("};")[0])
    return parts, steps


def without_ok_flash(lines):
    if len(lines) >= 2 and lines[-2] == "M 300":
        lines = lines[:-2] + lines[-1:]
    return lines


def cut_probe(lines):
    """The probe ends with the chip switched off and its discharge wait,
    the second power-off hold (M 10) of the trace."""
    holds = [i for i, line in enumerate(lines) if line == "M 10"]
    if len(holds) < 2:
        return None, lines
    return lines[: holds[1] + 1], lines[holds[1] + 1 :]


def run(cli, d, device, step, extra):
    trace = os.path.join(d, "t.txt")
    if os.path.exists(trace):
        os.remove(trace)
    args = [cli, "-q", "--port", "sim:chip.txt", "--device", device, "--trace", "t.txt"]
    code = subprocess.run(args + extra + step.split(), cwd=d, capture_output=True).returncode
    return code, without_ok_flash(open(trace, encoding="utf-8").read().splitlines())


def main():
    cli = os.path.abspath(sys.argv[1])
    parts, steps = round_and_parts()
    same = differ = 0
    prefixes = {}
    for device, image in parts:
        with tempfile.TemporaryDirectory() as a, tempfile.TemporaryDirectory() as b:
            for d in (a, b):
                subprocess.run(["gpasm", "-a", "inhx8m", "-o", os.path.join(d, "a.hex"),
                                os.path.join(ROOT, "tests", "data", "hex",
                                             "ops_%s.asm" % image)],
                               check=True, capture_output=True)
            for n, step in enumerate(steps):
                code, probed = run(cli, a, device, step, [])
                old_code, old = run(cli, b, device, step, ["--no-probe"])
                prefix, rest = cut_probe(probed)
                key = "\n".join(prefix or [])
                prefixes[key] = prefixes.get(key, 0) + 1
                if code == old_code and rest == old:
                    same += 1
                else:
                    differ += 1
                    print("differs: %s step %d `%s`" % (device, n, step))
    print("%d of %d traces identical after the probe; probe prefixes: %s" % (
        same, same + differ,
        ", ".join("%d lines (%d traces)" % (k.count("\n") + 1, v)
                  for k, v in sorted(prefixes.items()))))
    return 1 if differ else 0


if __name__ == "__main__":
    sys.exit(main())
