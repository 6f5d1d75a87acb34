#!/usr/bin/env python3
"""Writes reproducible benchmark inputs for the tools.

    make_input.py KIND EXTENTS... > input.txt

KIND is "random17" (uniform values in [-1, 1) written with 17 significant
digits, both parts) or "integers" (short integer lines such as "3 0"); the
extents are those of the header (one for spekline, two for spekplane,
three for spekcube). The same arguments always give the same bytes.
"""
import random
import sys


def sample_lines(kind, count, seed=20261208):
    rng = random.Random(seed)
    if kind == "random17":
        uniform = rng.random
        return ("%.17g %.17g\n" % (2 * uniform() - 1, 2 * uniform() - 1) for _ in range(count))
    if kind == "integers":
        return ("%d %d\n" % (rng.randrange(-9, 10), rng.randrange(0, 2)) for _ in range(count))
    raise SystemExit("unknown kind %r" % kind)


def write_input(out, kind, extents):
    count = 1
    for extent in extents:
        count *= extent
    out.write(" ".join(str(extent) for extent in extents) + "\n")
    out.writelines(sample_lines(kind, count))


if __name__ == "__main__":
    if len(sys.argv) < 3:
        raise SystemExit(__doc__)
    write_input(sys.stdout, sys.argv[1], [int(extent) for extent in sys.argv[2:]])
