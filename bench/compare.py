#!/usr/bin/env python3
"""End-to-end speed of the tools beside the FFTW yardstick filter.

    bench/compare.py [--build build] [--repeat 3] [--cases REGEX] [--path avx2]
                     [--file-folder DIR] [--keep DIR]

Runs ours and the yardstick (build/bench/fftw*, from bench/fftw_filter.cpp)
interleaved, --repeat times each, on every case: spekline 2^20 and 1000003
samples, spekplane 1024 x 1024 and 1000 x 1000, spekcube 128^3 and 100^3,
each with random values of 17 significant digits in both directions, with
the tools' own forward output as input to the inverse, and with short
integers. Input comes from a file. The output goes, in turn, to a new file
(on tmpfs at /dev/shm where there is one, else in --file-folder or the
temporary folder; deleted after each run), into a pipe read by cat (started
before the clock; the time runs until cat has read everything) and to
/dev/null. Prints, per case and output, the median wall time in ns per
padded sample for both and their ratio, the peak resident memory of both
(ours also as MiB above its sample block and twiddle tables), and ours,
writing to a file, split into reading, tables, transform and printing (from
the build/bench/*_phases programs, see bench/phase_timer.cpp). The summary
judges by the file and pipe ratios; /dev/null, which costs nothing to write
to, is shown beside them.

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

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
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


SINKS = ["file", "pipe", "null"]


def run(program, input_path, sink="null", folder=None, stderr=subprocess.DEVNULL):
    """Runs program on the file with its output going to sink: "file" (a new
    file in folder, deleted afterwards), "pipe" (read and thrown away by cat,
    started before the clock) or "null" (/dev/null). Returns (seconds until
    the output is all written, or for a pipe all read; peak KiB; stderr text)."""
    reader = None
    if sink == "file":
        out_path = os.path.join(folder, "output.txt")
        sink_file = open(out_path, "wb")
    elif sink == "pipe":
        read_end, write_end = os.pipe()
        reader = subprocess.Popen(["cat"], stdin=read_end, stdout=subprocess.DEVNULL)
        os.close(read_end)
        sink_file = os.fdopen(write_end, "wb")
    else:
        sink_file = open(os.devnull, "wb")
    with open(input_path, "rb") as data, sink_file:
        start = time.perf_counter()
        process = subprocess.Popen([program], stdin=data, stdout=sink_file, stderr=subprocess.PIPE)
        sink_file.close()
        _, status, usage = os.wait4(process.pid, 0)
        if reader is not None:
            reader.wait()
        seconds = time.perf_counter() - start
        error = process.stderr.read().decode()
        process.stderr.close()
    if sink == "file":
        os.remove(out_path)
    if status != 0 or (reader is not None and reader.returncode != 0):
        raise SystemExit("%s failed on %s: %s" % (program, input_path, error))
    return seconds, usage.ru_maxrss, error


def output_folder(requested):
    """A new folder for the file sink: in requested, or on tmpfs where
    /dev/shm is one, or else in the temporary folder."""
    parent = requested
    if parent is None and os.path.isdir("/dev/shm") and os.access("/dev/shm", os.W_OK):
        parent = "/dev/shm"
    return tempfile.mkdtemp(prefix="spek-bench-out-", dir=parent)


def remove_inputs(folder):
    """Removes the folder of input files and everything in it."""
    for name in os.listdir(folder):
        os.remove(os.path.join(folder, name))
    os.rmdir(folder)


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


def measure(build, tool, prefix, input_path, repeat, path, out_folder):
    """Median seconds of ours and the yardstick for every sink, peak KiB of
    both, and the median phases of ours writing to a file."""
    ours = program_path(build, prefix + tool, path)
    yardstick = os.path.join(build, "bench", prefix + YARDSTICK[tool])
    split = program_path(build, prefix + tool + "_phases", path)
    times = {(key, sink): [] for key in ["ours", "yard"] for sink in SINKS}
    peaks = {"ours": 0, "yard": 0}
    parts = []
    for _ in range(repeat):
        for sink in SINKS:
            for key, program in [("ours", ours), ("yard", yardstick)]:
                seconds, peak, _ = run(program, input_path, sink, out_folder)
                times[(key, sink)].append(seconds)
                peaks[key] = max(peaks[key], peak)
        parts.append(phases(run(split, input_path, "file", out_folder, stderr=subprocess.PIPE)[2]))
    split_medians = [statistics.median(p[i] for p in parts) for i in range(4)]
    return {key: statistics.median(values) for key, values in times.items()}, peaks, split_medians


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", default="build")
    parser.add_argument("--repeat", type=int, default=3)
    parser.add_argument("--cases", default="", help="only cases whose name matches this regular expression")
    parser.add_argument("--path", choices=["default", "avx2"], default="default",
                        help="avx2: time the build/bench/*_avx2 copies of ours, which take the AVX2 path")
    parser.add_argument("--file-folder", help="where the output files go (default: /dev/shm, which is tmpfs, "
                        "or the temporary folder)")
    parser.add_argument("--keep", help="folder for the input files, kept between runs (default: a temporary one)")
    args = parser.parse_args()
    folder = args.keep or tempfile.mkdtemp(prefix="spek-bench-")
    os.makedirs(folder, exist_ok=True)

    out_folder = output_folder(args.file_folder)

    print("| case | file: ours ns/sample | FFTW filter | ratio | pipe: ours ns/sample | FFTW filter | ratio "
          "| /dev/null: ours ns/sample | FFTW filter | ratio | ours peak MiB (above block + tables) "
          "| FFTW filter peak MiB | read | tables | transform | print |")
    print("|---" * 17 + "|")
    ratios = {sink: [] for sink in SINKS}
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
            times, peaks, split = measure(args.build, tool, prefix, paths[kind], args.repeat, args.path, out_folder)
            per = 1e9 / samples
            cells = []
            for sink in SINKS:
                ours, yard = times[("ours", sink)], times[("yard", sink)]
                ratios[sink].append(ours / yard)
                cells.append("%.0f | %.0f | %.2f" % (ours * per, yard * per, ours / yard))
            print("| %s | %s | %.1f (%+.1f) | %.1f | %.0f | %.0f | %.0f | %.0f |" % (
                name, " | ".join(cells), peaks["ours"] / 1024,
                (peaks["ours"] * 1024 - block_and_tables) / MiB, peaks["yard"] / 1024,
                split[1] * per, split[0] * per, split[2] * per, split[3] * per), flush=True)
    judged = ratios["file"] + ratios["pipe"]
    if judged:
        print("\nratio ours / FFTW filter, output to a file and to a pipe: median %.2f, worst %.2f over %d runs"
              % (statistics.median(judged), max(judged), len(judged)))
        for sink, label in [("file", "a file"), ("pipe", "a pipe"), ("null", "/dev/null (not judged)")]:
            print("  to %s: median %.2f, worst %.2f" % (label, statistics.median(ratios[sink]), max(ratios[sink])))
    os.rmdir(out_folder)
    if not args.keep:
        remove_inputs(folder)


if __name__ == "__main__":
    main()
