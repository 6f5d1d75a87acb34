#!/usr/bin/env python3
"""Instructions per phase of the tools, counted by callgrind.

    bench/phase_instructions.py [--build build] [--cases REGEX] [--path avx2] [--keep DIR]

Runs each tool once under valgrind --tool=callgrind on smaller versions of
the cases of bench/compare.py: spekline 2^16 and 65537 samples, spekplane
256 x 256 and 250 x 250, spekcube 32^3 and 25^3, each with random values of
17 significant digits in both directions, with the tools' own forward output
as input to the inverse, and with short integers. Instruction counts do not
depend on the load of the machine, so two runs on the same build and input
give the same figures, and small changes show.

Prints two markdown tables. The first gives instructions per padded sample
for reading (all ReadRow calls), tables (all SetUpFFT calls), transform
(FFT calls from the tools and all TransformColumns calls), printing
(WriteDimensions, WriteRow and FinishOutput) and the whole run; "other"
is the rest: start-up, header, allocation, zero fill of whole rows and
planes, exit. The second gives the cost of one call: ReadRow per sample
line read, the common-line reader (ScanCommonSampleLines) per line it took
and the share of lines it took, ScanSample per line left to it,
WriteRow per line printed, PrintFixed16 per number printed,
SinCosMultiples per twiddle table entry.

Costs are callgrind's inclusive costs of call edges, read from its output
file: a phase is the sum over the calls into its functions from callers
that are not themselves reached from those functions, so that the FFT calls
made inside the column pass are counted once, with TransformColumns.
Functions are found by their demangled names, wherever their sources lie.

--path avx2 runs the build/bench/*_avx2 copies, which take the AVX2 path of
the kernel. Valgrind does not run AVX-512 code, and the processor it shows a
program has no AVX-512: under callgrind the tools take the AVX2 path either
way.
"""
import argparse
import os
import re
import subprocess
import sys
import tempfile
from collections import defaultdict

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from compare import VARIANTS, make_inputs, padded, program_path, remove_inputs  # noqa: E402

SHAPES = [("spekline", [1 << 16]), ("spekline", [65537]), ("spekplane", [256, 256]),
          ("spekplane", [250, 250]), ("spekcube", [32, 32, 32]), ("spekcube", [25, 25, 25])]

# Demangled names of the functions that make up each phase.
PHASES = {
    "reading": ["ReadRow(Complex*, int, int)"],
    "tables": ["SetUpFFT(int, Complex**)"],
    "transform": ["FFT(int, Complex const*, Complex*, int)",
                  "TransformColumns(Complex* const*, int, int, int, Complex const*, Complex*, int, int)"],
    "printing": ["WriteDimensions(int, int const*)", "WriteRow(Complex const*, int)", "FinishOutput()"],
}
READ_ROW = "ReadRow(Complex*, int, int)"
SCAN_COMMON = "ScanCommonSampleLines(char const**, char const*, Complex*, int, char const**)"
SCAN_SAMPLE = "ScanSample(char const*, char const*, double*, double*)"
WRITE_ROW = "WriteRow(Complex const*, int)"
PRINT_FIXED = "PrintFixed16(char*, double)"
# SinCosMultiples hands the table to the function of the chosen path, and
# may be inlined into its caller: the table's cost is that of whichever of
# them is called first.
SIN_COS = ["SinCosMultiples(double, int, double*, double*, int)",
           "SinCosMultiplesPortable(double, int, double*, double*, int)",
           "SinCosMultiplesAVX2(double, int, double*, double*, int)"]


class Profile:
    """The call graph of one callgrind output file: self costs, and the
    inclusive cost and count of every caller -> callee edge."""

    def __init__(self, path):
        self.self_cost = defaultdict(int)
        self.edge_cost = defaultdict(int)
        self.edge_calls = defaultdict(int)
        self.total = 0
        names = {"fn": {}, "cfn": {}}
        function = callee = None
        pending_calls = None
        position_count = 1
        with open(path, errors="replace") as data:
            for line in data:
                line = line.rstrip("\n")
                if not line or line.startswith("#"):
                    continue
                head = line[0]
                if head.isdigit() or head in "+-*":
                    fields = line.split()
                    cost = int(fields[position_count]) if len(fields) > position_count else 0
                    if pending_calls is not None:
                        self.edge_cost[(function, callee)] += cost
                        self.edge_calls[(function, callee)] += pending_calls
                        pending_calls = None
                    else:
                        self.self_cost[function] += cost
                    continue
                key, _, value = line.partition("=")
                if key in ("fn", "cfn"):
                    name = self._name(names["fn"], value)
                    if key == "fn":
                        function = name
                    else:
                        callee = name
                elif key == "calls":
                    pending_calls = int(value.split()[0])
                elif line.startswith("positions:"):
                    position_count = len(line.split()) - 1
                elif line.startswith("events:") and line.split()[1:2] != ["Ir"]:
                    raise SystemExit("%s: the first event is not Ir" % path)
                elif line.startswith(("summary:", "totals:")):
                    self.total = max(self.total, int(line.split()[1]))
        self.callees = defaultdict(set)
        for caller, called in self.edge_cost:
            self.callees[caller].add(called)

    @staticmethod
    def _name(table, value):
        # "(id) name" the first time a name appears, "(id)" afterwards; or the
        # name alone when the file was written without compressed names.
        match = re.match(r"\((\d+)\)(?: (.*))?$", value)
        if not match:
            return value
        if match.group(2) is not None:
            table[match.group(1)] = match.group(2)
        return table[match.group(1)]

    def reached_from(self, roots):
        seen, stack = set(), list(roots)
        while stack:
            for called in self.callees[stack.pop()]:
                if called not in seen:
                    seen.add(called)
                    stack.append(called)
        return seen

    def has(self, name):
        return any(called == name for _, called in self.edge_cost)

    def cost_and_calls(self, roots):
        """Instructions and call count of all calls into roots from outside them."""
        inside = self.reached_from(roots) | set(roots)
        cost = calls = 0
        for (caller, called), value in self.edge_cost.items():
            if called in roots and caller not in inside:
                cost += value
                calls += self.edge_calls[(caller, called)]
        return cost, calls


def callgrind(program, input_path, folder):
    out = os.path.join(folder, "callgrind.out")
    with open(input_path, "rb") as data:
        result = subprocess.run(["valgrind", "--tool=callgrind", "--callgrind-out-file=" + out, program],
                                stdin=data, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    if result.returncode != 0:
        raise SystemExit("%s failed under callgrind on %s:\n%s" % (program, input_path, result.stderr.decode()))
    profile = Profile(out)
    os.remove(out)
    return profile


def sample_lines(input_path):
    """The sample lines of an input: the product of its header's extents
    (the padded ones for the tools' own output)."""
    with open(input_path) as data:
        count = 1
        for extent in data.readline().split():
            count *= int(extent)
    return count


def per(cost, count):
    return "%.1f" % (cost / count) if count else "-"


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", default="build")
    parser.add_argument("--cases", default="", help="only cases whose name matches this regular expression")
    parser.add_argument("--path", choices=["default", "avx2"], default="default",
                        help="avx2: run the build/bench/*_avx2 copies, which take the AVX2 path")
    parser.add_argument("--keep", help="folder for the input files, kept between runs (default: a temporary one)")
    args = parser.parse_args()
    folder = args.keep or tempfile.mkdtemp(prefix="spek-instructions-")
    os.makedirs(folder, exist_ok=True)
    scratch = tempfile.mkdtemp(prefix="spek-callgrind-")

    phase_rows, call_rows = [], []
    for tool, extents in SHAPES:
        shape = "%s %s" % (tool, " x ".join(map(str, extents)))
        if not any(re.search(args.cases, "%s, %s" % (shape, label)) for label, _, _ in VARIANTS):
            continue
        paths = make_inputs(folder, tool, extents, args.build)
        samples = 1
        for extent in extents:
            samples *= padded(extent)
        entries = sum(padded(extent) for extent in extents if extent > 1)
        for label, kind, prefix in VARIANTS:
            name = "%s, %s" % (shape, label)
            if not re.search(args.cases, name):
                continue
            lines = sample_lines(paths[kind])
            profile = callgrind(program_path(args.build, prefix + tool, args.path), paths[kind], scratch)
            # A renamed function would silently count as nothing.
            for function in [READ_ROW, "SetUpFFT(int, Complex**)", "FFT(int, Complex const*, Complex*, int)",
                             WRITE_ROW, SCAN_COMMON, PRINT_FIXED]:
                if not profile.has(function):
                    raise SystemExit("no calls to %s in the profile of %s" % (function, name))
            if not any(profile.has(function) for function in SIN_COS):
                raise SystemExit("no calls to any of %s in the profile of %s" % (", ".join(SIN_COS), name))
            phases = [profile.cost_and_calls(names)[0] for names in PHASES.values()]
            other = profile.total - sum(phases)
            phase_rows.append("| %s | %s | %.1f | %.1f |" % (
                name, " | ".join("%.1f" % (cost / samples) for cost in phases), other / samples,
                profile.total / samples))

            read_cost = profile.cost_and_calls([READ_ROW])[0]
            common_cost = profile.cost_and_calls([SCAN_COMMON])[0]
            scan_cost, scan_calls = profile.cost_and_calls([SCAN_SAMPLE]) if profile.has(SCAN_SAMPLE) else (0, 0)
            taken = 100.0 * (lines - scan_calls) / lines
            write_cost = profile.cost_and_calls([WRITE_ROW])[0]
            print_cost, print_calls = profile.cost_and_calls([PRINT_FIXED])
            sincos_cost = profile.cost_and_calls(SIN_COS)[0]
            call_rows.append("| %s | %s | %s (%.1f %%) | %s | %s | %s | %s |" % (
                name, per(read_cost, lines), per(common_cost, lines - scan_calls), taken, per(scan_cost, scan_calls),
                per(write_cost, samples), per(print_cost, print_calls), per(sincos_cost, entries)))
            print("%s: %d instructions" % (name, profile.total), file=sys.stderr, flush=True)

    print("Instructions per padded sample (callgrind, %s path)\n" % args.path)
    print("| case | reading | tables | transform | printing | other | total |")
    print("|---|---|---|---|---|---|---|")
    print("\n".join(phase_rows))
    print("\nInstructions per call or item\n")
    print("| case | ReadRow per line | common reader per line taken (lines taken) | ScanSample per line left to it "
          "| WriteRow per line "
          "| PrintFixed16 per number | SinCosMultiples per entry |")
    print("|---|---|---|---|---|---|---|")
    print("\n".join(call_rows))

    os.rmdir(scratch)
    if not args.keep:
        remove_inputs(folder)


if __name__ == "__main__":
    main()
