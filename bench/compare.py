#!/usr/bin/env python3
"""End-to-end speed of the tools beside the FFTW yardstick filter.

    bench/compare.py [--build build] [--repeat 3] [--cases REGEX] [--path avx2] [--keep DIR]

Runs ours and the yardstick (build/bench/fftw*, from bench/fftw_filter.cpp)
interleaved, --repeat times each, on every case: spekline 2^20 and 1000003
samples, spekplane 1024 x 1024 and 1000 x 1000, spekcube 128^3 and 100^3,
each with random values of 17 significant digits in both directions, with
the tools' own forward output as input to the inverse, and with short
integers. Input and output go through files and /dev/null. Prints, per case,
the median wall time in ns per padded sample for both and their ratio, the
peak resident memory of both (ours also as MiB above its sample block and
twiddle tables), and ours split into reading, tables, transform and printing
(from the build/bench/*_phases programs, see bench/phase_timer.cpp).
--path avx2 times the build/bench/*_avx2 copies of ours instead, which take
the AVX2 path of the kernel (bench/avx2_path.cpp) on a processor that also
has AVX-512. Compare figures within one run: the machine is shared and noisy.
"""
import argparse
import os
import re
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_input import write_input  # noqa: E402

SHAPES = [("spekline", [1 << 20]), ("spekline", [1000003]), ("spekplane", [1024, 1024]),
          ("spekplane", [1000, 1000]), ("spekcube", [128, 128, 128]), ("spekcube", [100, 100, 100])]
# (label, input kind, direction prefix of the program run)
VARIANTS = [("random17", "random17", ""), ("random17 inverse", "random17", "i"),
            ("own output, inverse", "own", "i"), ("integers", "integers", "")]
YARDSTICK = {"spekline": "fftwline", "spekplane": "fftwplane", "spekcube": "fftwcube"}
MiB = 1 << 20


def padded(extent):
    n = 1
    while n < extent:
        n *= 2
    return n


def program_path(build, name, path="default"):
    """Where the build keeps program name (a tool or a *_phases program,
    either direction) for the kernel path chosen: "default" or "avx2"."""
    if path == "avx2":
        return os.path.join(build, "bench", name + "_avx2")
    if name.endswith("_phases"):
        return os.path.join(build, "bench", name)
    return os.path.join(build, name)


def run(program, input_path, stderr=subprocess.DEVNULL):
    """Runs program on the file; returns (seconds, peak KiB, stderr text)."""
    with open(input_path, "rb") as data, open(os.devnull, "wb") as sink:
        start = time.perf_counter()
        process = subprocess.Popen([program], stdin=data, stdout=sink, stderr=subprocess.PIPE)
        _, status, usage = os.wait4(process.pid, 0)
        seconds = time.perf_counter() - start
        error = process.stderr.read().decode()
        process.stderr.close()
    if status != 0:
        raise SystemExit("%s failed on %s: %s" % (program, input_path, error))
    return seconds, usage.ru_maxrss, error


def make_inputs(folder, tool, extents, build):
    """The input files of one shape, made once: kind -> path."""
    name = "%s-%s" % (tool, "x".join(map(str, extents)))
    paths = {}
    for kind in ["random17", "integers"]:
        paths[kind] = os.path.join(folder, "%s-%s.txt" % (name, kind))
        if not os.path.exists(paths[kind]):
            with open(paths[kind], "w") as out:
                write_input(out, kind, extents)
    paths["own"] = os.path.join(folder, "%s-own.txt" % name)
    if not os.path.exists(paths["own"]):
        with open(paths["random17"], "rb") as data, open(paths["own"], "wb") as out:
            subprocess.run([os.path.join(build, tool)], stdin=data, stdout=out, check=True)
    return paths


def values(program, input_path, lines=4000):
    """The first sample values program prints. Read from a pipe, so that
    this script never holds a whole output: its own peak memory would be
    counted in the peak of every program it starts afterwards."""
    with open(input_path, "rb") as data:
        process = subprocess.Popen([program], stdin=data, stdout=subprocess.PIPE)
        head = [process.stdout.readline() for _ in range(lines)][1:]
        process.kill()
        process.communicate()
    return [float(v) for line in head for v in line.split(b"\t") if v.strip()]


def check_yardstick(ours, yardstick, input_path):
    """The yardstick computes the same transform: agreement to about 1e-12."""
    a, b = values(ours, input_path), values(yardstick, input_path)
    scale = max(abs(v) for v in a) or 1.0
    error = max(abs(x - y) for x, y in zip(a, b)) / scale
    if len(a) != len(b) or error > 1e-11:
        raise SystemExit("the yardstick disagrees with %s on %s (relative %.3g)" % (ours, input_path, error))


def phases(text):
    match = re.search(r"phases table ([\d.]+) read ([\d.]+) transform ([\d.]+) print ([\d.]+)", text)
    return [float(v) / 1000 for v in match.groups()]


def measure(build, tool, prefix, input_path, repeat, path):
    ours = program_path(build, prefix + tool, path)
    yardstick = os.path.join(build, "bench", prefix + YARDSTICK[tool])
    split = program_path(build, prefix + tool + "_phases", path)
    times = {"ours": [], "yard": []}
    peaks = {"ours": 0, "yard": 0}
    parts = []
    for _ in range(repeat):
        for key, program in [("ours", ours), ("yard", yardstick)]:
            seconds, peak, _ = run(program, input_path)
            times[key].append(seconds)
            peaks[key] = max(peaks[key], peak)
        parts.append(phases(run(split, input_path, stderr=subprocess.PIPE)[2]))
    split_medians = [statistics.median(p[i] for p in parts) for i in range(4)]
    return statistics.median(times["ours"]), statistics.median(times["yard"]), peaks, split_medians


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", default="build")
    parser.add_argument("--repeat", type=int, default=3)
    parser.add_argument("--cases", default="", help="only cases whose name matches this regular expression")
    parser.add_argument("--path", choices=["default", "avx2"], default="default",
                        help="avx2: time the build/bench/*_avx2 copies of ours, which take the AVX2 path")
    parser.add_argument("--keep", help="folder for the input files, kept between runs (default: a temporary one)")
    args = parser.parse_args()
    folder = args.keep or tempfile.mkdtemp(prefix="spek-bench-")
    os.makedirs(folder, exist_ok=True)

    print("| case | ours ns/sample | FFTW filter ns/sample | ratio | ours peak MiB (above block + tables) "
          "| FFTW filter peak MiB | read | tables | transform | print |")
    print("|---|---|---|---|---|---|---|---|---|---|")
    ratios = []
    for tool, extents in SHAPES:
        shape = "%s %s" % (tool, " x ".join(map(str, extents)))
        if not any(re.search(args.cases, "%s, %s" % (shape, label)) for label, _, _ in VARIANTS):
            continue
        paths = make_inputs(folder, tool, extents, args.build)
        check_yardstick(program_path(args.build, tool, args.path),
                        os.path.join(args.build, "bench", YARDSTICK[tool]), paths["random17"])
        samples = 1
        for extent in extents:
            samples *= padded(extent)
        block_and_tables = 16 * samples + 16 * sum(padded(extent) for extent in extents)
        for label, kind, prefix in VARIANTS:
            name = "%s, %s" % (shape, label)
            if not re.search(args.cases, name):
                continue
            ours, yard, peaks, split = measure(args.build, tool, prefix, paths[kind], args.repeat, args.path)
            ratios.append(ours / yard)
            per = 1e9 / samples
            print("| %s | %.0f | %.0f | %.2f | %.1f (%+.1f) | %.1f | %.0f | %.0f | %.0f | %.0f |" % (
                name, ours * per, yard * per, ours / yard, peaks["ours"] / 1024,
                (peaks["ours"] * 1024 - block_and_tables) / MiB, peaks["yard"] / 1024,
                split[1] * per, split[0] * per, split[2] * per, split[3] * per), flush=True)
    if ratios:
        print("\nratio ours / FFTW filter: median %.2f, worst %.2f over %d cases"
              % (statistics.median(ratios), max(ratios), len(ratios)))
    if not args.keep:
        for name in os.listdir(folder):
            os.remove(os.path.join(folder, name))
        os.rmdir(folder)


if __name__ == "__main__":
    main()
