"""Runs the same inputs through the tools of several build folders and checks
that every build prints the same bytes as the first (a CR before LF, the
Windows line end, is ignored). Usage: cross_platform_check.py BUILD_DIR
[BUILD_DIR ...]

Windows builds (folders whose tools end in .exe) run under wine, Linux
builds for another processor under qemu (see programs.py). Builds whose
programs this machine cannot run (32-bit Windows builds where the kernel
refuses 32-bit programs) are left out with a notice; at least two must
remain. For a build that runs under qemu a NaN's sign is not compared:
which NaN an operation on two NaNs returns is the processor's choice, and
qemu's choice for the emulated one. Every other byte is.
"""
import hashlib
import os
import random
import subprocess
import sys
from concurrent.futures import ThreadPoolExecutor

from programs import can_run, command_for, is_emulated


def random_value(rng):
    """A sample value in one of the forms users write."""
    form = rng.randrange(6)
    if form == 0:
        return "%.17g" % rng.uniform(-1, 1)
    if form == 1:
        return "%d" % rng.randrange(-1000, 1000)
    if form == 2:
        return "%.3f" % rng.uniform(-100, 100)
    if form == 3:
        return "%.17g" % (rng.uniform(-1, 1) * 10 ** rng.randrange(-300, 300))
    if form == 4:
        return "%.16f" % rng.gauss(0, 1)
    return "%a" % rng.uniform(-4, 4)


def sample_lines(count, rng):
    lines = []
    for _ in range(count):
        if rng.random() < 0.2:
            lines.append(random_value(rng))
        else:
            lines.append(random_value(rng) + " " + random_value(rng))
    return lines


def inputs():
    """(tool, input bytes) pairs covering every tool, both directions and
    long lines of many samples."""
    rng = random.Random(20261208)
    cases = []
    for tool, header, count in [
        ("spekline", "65536", 65536),
        ("spekline", "100000", 100000),
        ("ispekline", "65536", 65536),
        ("spekline", "1000", 1000),
        ("spekplane", "300 200", 60000),
        ("ispekplane", "256 256", 65536),
        ("spekcube", "40 30 20", 24000),
        ("ispekcube", "32 32 64", 65536),
    ]:
        text = header + "\n" + "\n".join(sample_lines(count, rng)) + "\n"
        cases.append((tool, text.encode()))
    specials = ["1e308 -1e308", "4.9e-324 -0", "inf 1", "-inf nan", "0x1.fffffffffffffp+1023 2.2250738585072014e-308",
                "1e-320 3", "-0 -0", "123456789012345678901234567890 1e-30"]
    for tool in ["spekline", "ispekline"]:
        cases.append((tool, ("8\n" + "\n".join(specials) + "\n").encode()))
    return cases


def program_path(build, tool):
    path = os.path.join(build, tool)
    return path if os.path.exists(path) or not os.path.exists(path + ".exe") else path + ".exe"


def run(build, tool, data):
    command = command_for(program_path(build, tool))
    env = dict(os.environ, WINEDEBUG="-all")
    result = subprocess.run(command, input=data, stdout=subprocess.PIPE, stderr=subprocess.PIPE, env=env, timeout=600)
    if result.returncode != 0:
        raise SystemExit("%s %s failed with status %d: %r" % (build, tool, result.returncode, result.stderr))
    return result.stdout.replace(b"\r\n", b"\n")


def without_nan_signs(output):
    """The output with every NaN printed as a positive one, in the same
    column width."""
    return output.replace(b"-nan", b" nan")


def main(builds):
    skipped = [build for build in builds if not can_run(program_path(build, "spekline"))]
    for build in skipped:
        print("NOT RUN: this machine cannot run the programs of %s" % build)
    builds = [build for build in builds if build not in skipped]
    if len(builds) < 2:
        raise SystemExit("fewer than two builds can run here: nothing to compare")
    emulated = [build for build in builds if is_emulated(program_path(build, "spekline"))]
    for build in emulated:
        print("EMULATED: %s runs under qemu; a NaN's sign is not compared for it" % build)
    failures = compared = 0
    # Two programs at a time: most of the time goes to the emulated ones.
    with ThreadPoolExecutor(max_workers=2) as pool:
        for index, (tool, data) in enumerate(inputs()):
            outputs = dict(zip(builds, pool.map(lambda build: run(build, tool, data), builds)))
            reference = outputs[builds[0]]
            digest = hashlib.sha256(reference).hexdigest()[:16]
            lines = reference.count(b"\n")
            same = {}
            for build, output in outputs.items():
                if build in emulated:
                    same[build] = without_nan_signs(output) == without_nan_signs(reference)
                else:
                    same[build] = output == reference
                if not same[build]:
                    diff = sum(a != b for a, b in zip(output.split(b"\n"), reference.split(b"\n")))
                    print("DIFFERENT: input %d (%s) in %s: %d of %d lines differ" % (index, tool, build, diff, lines))
            failures += list(same.values()).count(False)
            compared += len(same)
            nan_note = ", NaN signs aside for the emulated" if emulated and b"nan" in reference else ""
            print("input %d: %-10s %7d lines, sha256 %s, %s" % (index, tool, lines, digest,
                  "identical in all %d builds%s" % (len(same), nan_note) if all(same.values()) else "MISMATCH"))
    print("%d passed, %d failed" % (compared - failures, failures))
    return 1 if failures else 0


if __name__ == "__main__":
    if len(sys.argv) < 3:
        raise SystemExit(__doc__)
    sys.exit(main(sys.argv[1:]))
