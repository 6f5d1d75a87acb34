"""The built tools run as a user runs them: bytes on standard output, the
line on standard error and the exit status, for the forms of input and
invocation the tools must handle.

The tools are looked up in SPEK_TOOL_DIR (default: ../build); SPEK_EMULATOR,
when set, is a command that runs them (for cross builds), and
SPEK_EXE_SUFFIX is the executables' file suffix.
"""
import os
import shlex
import shutil
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
TOOL_DIR = os.environ.get("SPEK_TOOL_DIR") or os.path.join(HERE, "..", "build")
SUFFIX = os.environ.get("SPEK_EXE_SUFFIX", "")
EMULATOR = shlex.split(os.environ.get("SPEK_EMULATOR", ""))
POSIX = os.name == "posix" and not EMULATOR
WINDOWS = SUFFIX == ".exe"
POINTER_BYTES = int(os.environ.get("SPEK_POINTER_BYTES", "8"))
# AddressSanitizer reserves terabytes of address space as a program starts,
# so a sanitized build cannot run under an address-space limit.
SANITIZED = os.environ.get("SPEK_SANITIZED") == "1"
needs_address_limit = unittest.skipIf(SANITIZED, "AddressSanitizer cannot run under an address-space limit")


def tool_path(name):
    return os.path.join(TOOL_DIR, name + SUFFIX)


class Result:
    def __init__(self, stdout, stderr, status):
        # A Windows build ends its lines in CR LF; compare the text itself.
        self.stdout = stdout.replace(b"\r\n", b"\n")
        self.stderr = stderr.replace(b"\r\n", b"\n")
        self.status = status

    def lines(self):
        return self.stdout.decode().splitlines()

    def values(self):
        """The samples as (re, im) pairs, after the dimension line."""
        return [tuple(float(part) for part in line.split("\t")) for line in self.lines()[1:]]


def run(tool, data, argv0=None, path=None, args=(), limit_bytes=None, stdout=subprocess.PIPE, timeout=60):
    """Runs a tool with data on standard input. argv0 sets the invocation
    path the program sees (POSIX only); path runs another file (a copy)."""
    executable = path or tool_path(tool)
    if isinstance(data, str):
        data = data.encode()
    command = EMULATOR + [argv0 if argv0 is not None else executable] + list(args)
    preexec = None
    if limit_bytes is not None:
        import resource

        def preexec():
            resource.setrlimit(resource.RLIMIT_AS, (limit_bytes, limit_bytes))

    process = subprocess.run(
        command,
        executable=None if EMULATOR else executable,
        input=data,
        stdout=stdout,
        stderr=subprocess.PIPE,
        preexec_fn=preexec,
        timeout=timeout,
    )
    return Result(process.stdout or b"", process.stderr, process.returncode)


def sample(re, im=0.0):
    return "%18.16f\t%18.16f" % (re, im)


def lines(*items):
    return "".join("%s\n" % item for item in items)


class ToolCase(unittest.TestCase):
    def assertOutput(self, result, *expected_lines):
        self.assertEqual(result.stderr, b"")
        self.assertEqual(result.status, 0)
        self.assertEqual(result.lines(), list(expected_lines))

    def assertFails(self, result, message):
        self.assertEqual(result.stdout, b"", "a failed run writes nothing to standard output")
        self.assertEqual(result.stderr, (message + "\n").encode())
        self.assertEqual(result.status, 1)

    def assertValuesClose(self, actual, expected, tolerance=1e-15):
        self.assertEqual(len(actual), len(expected))
        for (re, im), (want_re, want_im) in zip(actual, expected):
            self.assertAlmostEqual(re, want_re, delta=tolerance)
            self.assertAlmostEqual(im, want_im, delta=tolerance)


FOUR = lines(4, 1, 2, 3, 4)
FORWARD_FOUR = ["4", sample(10), sample(-2, -2), sample(-2), sample(-1.9999999999999998, 2)]
INVERSE_FOUR = ["4", sample(10), sample(-2, 2), sample(-2), sample(-1.9999999999999998, -2)]


class Invocation(ToolCase):
    """The direction comes from the first letter of the program's file name."""

    @unittest.skipUnless(POSIX, "needs control of the invocation path")
    def test_inverse_names(self):
        for argv0 in ["C:\\tools\\ispekline.exe", "/usr/bin/Ispekline", "ispekline", "a/b\\I", "x\\ispekline"]:
            with self.subTest(argv0=argv0):
                self.assertOutput(run("spekline", FOUR, argv0=argv0), *INVERSE_FOUR)

    @unittest.skipUnless(POSIX, "needs control of the invocation path")
    def test_forward_names(self):
        for argv0 in ["spekline", "./spekline", "idir/spekline", "idir\\spekline", "C:ispekline", "", "dir/", "\u00edspekline"]:
            with self.subTest(argv0=argv0):
                self.assertOutput(run("spekline", FOUR, argv0=argv0), *FORWARD_FOUR)

    def test_copies_under_i_names_run_the_inverse(self):
        with tempfile.TemporaryDirectory() as folder:
            # Under wine the program sees a Windows path such as Z:\tmp\x\ISPEKLINE.exe.
            for name, expected in [("Ispekline", INVERSE_FOUR), ("ISPEKLINE", INVERSE_FOUR), ("ispek", INVERSE_FOUR),
                                   ("line", FORWARD_FOUR), ("SPEKLINE", FORWARD_FOUR)]:
                copy = os.path.join(folder, name + SUFFIX)
                shutil.copy(tool_path("spekline"), copy)
                with self.subTest(name=name):
                    self.assertOutput(run("spekline", FOUR, path=copy), *expected)

    def test_built_i_programs_are_the_inverse(self):
        self.assertOutput(run("ispekline", FOUR), *INVERSE_FOUR)
        plane = run("ispekplane", lines("3 2", 1, 2, 3, 4, 5, 6))
        self.assertValuesClose(plane.values()[1:2], [(-4, -7)])
        cube = run("ispekcube", lines("1 1 4", 1, 2, 3, 4))
        self.assertEqual(cube.lines()[1:], INVERSE_FOUR[1:])

    def test_arguments_are_ignored(self):
        self.assertOutput(run("spekline", FOUR, args=["-i", "--help", "ispekline"]), *FORWARD_FOUR)


class Header(ToolCase):
    """The first line declares the extents."""

    def test_refused_headers(self):
        cases = {
            "spekline": ["\n", "0\n", "-3\n", "x\n", "+\n", "4294967297\n1\n", "2147483648\n", "1073741825\n"],
            "spekplane": ["4\n8\n", "2\n", "2 0\n", "0 2\n", "-1 4\n", "a b\n", "2 4294967298\n"],
            "spekcube": ["2 2\n", "2 2 0\n", "0 2 2\n", "2 -1 2\n", "a b c\n", "2 2\n2\n"],
        }
        for tool, headers in cases.items():
            for header in headers:
                with self.subTest(tool=tool, header=header):
                    self.assertFails(run(tool, header + "1\n" * 8), "bad data number.")

    def test_accepted_headers(self):
        self.assertEqual(run("spekline", "16.9\n" + "1\n" * 16).lines()[0], "16")
        self.assertEqual(run("spekline", "4 and more words\n" + FOUR[2:]).lines(), FORWARD_FOUR)
        self.assertEqual(run("spekline", " \t+4\r\n" + FOUR[2:]).lines(), FORWARD_FOUR)
        self.assertEqual(run("spekplane", "2\t2 7\n" + "1\n" * 4).lines()[0], "2\t2")
        self.assertEqual(run("spekcube", "2 2 2 9\n" + "1\n" * 8).lines()[0], "2\t2\t2")

    @needs_address_limit
    def test_largest_extent_is_accepted_up_to_the_allocation(self):
        # 2^30 has a padded length; its 16 GiB table cannot be had here: a
        # 32-bit size type cannot even express it, and elsewhere an
        # address-space limit keeps it out of reach (a limit that would bind
        # an emulator rather than the tool is not set).
        if POINTER_BYTES == 4:
            result = run("spekline", "1073741824\n")
        elif POSIX:
            result = run("spekline", "1073741824\n", limit_bytes=1 << 30)
        else:
            self.skipTest("needs an address-space limit")
        self.assertFails(result, "memory allocation error.")


class Samples(ToolCase):
    """Each sample line holds a real part and an optional imaginary part."""

    def one(self, line):
        return run("spekline", b"1\n" + line)

    def test_sample_line_forms(self):
        cases = [
            (b"3 4\n", (3, 4)),
            (b"2.5\n", (2.5, 0)),
            (b"1 2 3\n", (1, 2)),
            (b"1,2\n", (1, 0)),
            (b"  -0.5\t1e1\n", (-0.5, 10)),
            (b"3 4\r\n", (3, 4)),
            (b"3 4", (3, 4)),
            (b"3\x004\n", (3, 0)),
            (b"0x1p-2 -.25e+0\n", (0.25, -0.25)),
            (b"1e 2\n", (1, 2)),
        ]
        for line, (re, im) in cases:
            with self.subTest(line=line):
                self.assertOutput(self.one(line), "1", sample(re, im))

    def test_negative_zero_and_large_values_print_in_full(self):
        self.assertOutput(self.one(b"-0 1e300\n"), "1", "-0.0000000000000000\t" + "%.16f" % 1e300)
        # One sample followed by zeros transforms to that sample repeated:
        # 256 lines of 649 characters. Where a line no longer fits a 64 KiB
        # output block, 632 bytes (later 636) are left, so a block that
        # reserves less room than such a line needs is overrun by its end.
        huge = "%.16f\t%.16f" % (1e308, -1e302)
        self.assertEqual(len(huge) + 1, 649)
        result = run("spekline", lines(256, "1e308 -1e302", *["0"] * 255))
        self.assertOutput(result, "256", *[huge] * 256)

    def test_unusable_sample_lines(self):
        for line in [b"\n", b"   \r\n", b"abc\n", b",1\n", b"\x00 1\n", b""]:
            with self.subTest(line=line):
                self.assertFails(self.one(line), "data read error.")

    def test_a_long_physical_line_is_read_as_several_lines(self):
        # Digits on both sides of the split: a split one character off
        # changes a value.
        long_line = b"5" + b" " * 2045 + b"1" + b"7" + b" " * 951 + b"\n"
        self.assertEqual(len(long_line), 3000)
        self.assertOutput(run("spekline", b"2\n" + long_line), "2", sample(12, 1), sample(-2, 1))

    def test_a_line_of_2047_characters_leaves_its_newline_as_an_empty_line(self):
        line = b"5" + b" " * 2045 + b"6\n"
        self.assertOutput(run("spekline", b"1\n" + line + b"6\n"), "1", sample(5, 6))
        self.assertFails(run("spekline", b"2\n" + line + b"6\n"), "data read error.")

    def test_crlf_input_reads_like_lf_input(self):
        self.assertOutput(run("spekline", FOUR.replace("\n", "\r\n")), *FORWARD_FOUR)
        # More than one 64 KiB input block, so that line ends fall on every
        # side of a block's end.
        many = lines(5000, *("%d.0625 -%d.5" % (i, i % 7) for i in range(5000)))
        self.assertEqual(run("spekline", many.replace("\n", "\r\n")).stdout, run("spekline", many).stdout)

    def test_windows_text_mode_input(self):
        # On Windows the C runtime's text mode drops the CR of CR LF before
        # the 2047 characters of a read are counted, and Ctrl-Z ends the
        # input; elsewhere CR is a character of the line and Ctrl-Z too.
        line = b"5" + b" " * 2044 + b"6\r\n"
        ctrl_z = b"2\n1\x1a\n2\n"
        if WINDOWS:
            self.assertOutput(run("spekline", b"2\n" + line + b"7\n"), "2", sample(12, 6), sample(-2, 6))
            self.assertFails(run("spekline", ctrl_z), "data read error.")
        else:
            self.assertFails(run("spekline", b"2\n" + line + b"7\n"), "data read error.")
            self.assertOutput(run("spekline", ctrl_z), "2", sample(3), sample(-1))

    def test_lines_after_the_declared_samples_are_never_read(self):
        self.assertOutput(run("spekline", FOUR + "not a number\n\x00\xff"), *FORWARD_FOUR)


class LineTool(ToolCase):
    def test_one_sample_passes_through(self):
        self.assertOutput(run("spekline", lines(1, "3 4")), "1", sample(3, 4))

    def test_padding_to_powers_of_two(self):
        for n, N in [(3, 4), (5, 8), (9, 16)]:
            with self.subTest(n=n):
                result = run("spekline", lines(n, *range(1, n + 1)))
                self.assertEqual(result.lines()[0], str(N))
                self.assertEqual(len(result.lines()), N + 1)
                self.assertEqual(result.values()[0], (n * (n + 1) / 2, 0.0))

    def test_four_samples_forward_and_inverse(self):
        self.assertOutput(run("spekline", FOUR), *FORWARD_FOUR)
        self.assertOutput(run("ispekline", FOUR), *INVERSE_FOUR)

    def test_output_fed_back_as_input(self):
        forward = run("spekline", lines(3, 1, 2, 3))
        back = run("ispekline", forward.stdout)
        self.assertEqual(back.lines()[0], "4")
        self.assertEqual([line.split("\t")[0] for line in back.lines()[1:]],
                         ["4.0000000000000000", "8.0000000000000000", "12.0000000000000000", "0.0000000000000000"])
        for _, im in back.values():
            self.assertEqual(abs(im), 0.0)

    def test_too_few_samples(self):
        self.assertFails(run("spekline", lines(4, 1, 2)), "data read error.")


class PlaneTool(ToolCase):
    def test_two_by_two(self):
        expected = ["2\t2", sample(10), sample(-2), sample(-4), sample(0)]
        self.assertOutput(run("spekplane", lines("2 2", 1, 2, 3, 4)), *expected)
        self.assertOutput(run("ispekplane", lines("2 2", 1, 2, 3, 4)), *expected)

    def test_one_by_two(self):
        self.assertOutput(run("spekplane", lines("1 2", 1, "2 3")), "1\t2", sample(3, 3), sample(-1, -3))

    def test_single_row_or_column_equals_the_line_tool(self):
        for tool in ["spekplane", "ispekplane"]:
            line = run("ispekline" if tool.startswith("i") else "spekline", FOUR).lines()[1:]
            for header in ["4 1", "1 4"]:
                with self.subTest(tool=tool, header=header):
                    result = run(tool, header + FOUR[1:])
                    self.assertEqual(result.lines(), [header.replace(" ", "\t")] + line)

    def test_three_by_two(self):
        data = lines("3 2", 1, 2, 3, 4, 5, 6, "never read")
        expected = [(21, 0), (-4, 7), (7, 0), (-4, -7), (-9, 0), (0, -3), (-3, 0), (0, 3)]
        forward = run("spekplane", data)
        self.assertEqual(forward.lines()[0], "4\t2")
        self.assertValuesClose(forward.values(), expected)
        inverse = run("ispekplane", data)
        self.assertValuesClose(inverse.values(), [(re, -im) for re, im in expected])

    def test_zero_fill_row(self):
        result = run("spekplane", lines("3 3", *range(1, 10)))
        self.assertEqual(result.lines()[0], "4\t4")
        self.assertEqual(len(result.lines()), 17)
        self.assertEqual(result.values()[0], (45.0, 0.0))

    def test_too_few_samples(self):
        self.assertFails(run("spekplane", lines("2 2", 1, 2, 3)), "data read error.")


class CubeTool(ToolCase):
    def test_two_by_two_by_two(self):
        expected = ["2\t2\t2"] + [sample(v) for v in (36, -4, -8, 0, -16, 0, 0, 0)]
        data = lines("2 2 2", *range(1, 9))
        self.assertOutput(run("spekcube", data), *expected)
        self.assertOutput(run("ispekcube", data), *expected)

    def test_one_plane_equals_the_plane_tool(self):
        for prefix in ["", "i"]:
            cube = run(prefix + "spekcube", lines("2 2 1", 1, 2, 3, 4))
            plane = run(prefix + "spekplane", lines("2 2", 1, 2, 3, 4))
            self.assertEqual(cube.lines()[0], "2\t2\t1")
            self.assertEqual(cube.lines()[1:], plane.lines()[1:])

    def test_one_by_one_by_two(self):
        self.assertOutput(run("spekcube", lines("1 1 2", 1, "2 3")), "1\t1\t2", sample(3, 3), sample(-1, -3))

    def test_any_single_axis_equals_the_line_tool(self):
        for prefix in ["", "i"]:
            line = run(prefix + "spekline", FOUR).lines()[1:]
            for header in ["1 1 4", "1 4 1", "4 1 1"]:
                with self.subTest(prefix=prefix, header=header):
                    result = run(prefix + "spekcube", header + FOUR[1:])
                    self.assertEqual(result.lines(), [header.replace(" ", "\t")] + line)

    def test_scratch_line_serves_the_longer_of_y_and_z(self):
        for header in ["1 2 4", "1 4 2"]:
            with self.subTest(header=header):
                result = run("spekcube", lines(header, *range(1, 9)))
                self.assertEqual(result.lines()[0], header.replace(" ", "\t"))
                self.assertEqual(len(result.lines()), 9)
                self.assertEqual(result.values()[0], (36.0, 0.0))

    def test_zero_fill_plane_and_padding(self):
        result = run("spekcube", lines("3 3 3", *range(1, 28), "never read"))
        self.assertEqual(result.lines()[0], "4\t4\t4")
        self.assertEqual(len(result.lines()), 65)
        self.assertEqual(result.values()[0], (378.0, 0.0))
        result = run("spekcube", lines("2 2 3", *range(1, 13)))
        self.assertEqual(result.lines()[0], "2\t2\t4")
        self.assertEqual(len(result.lines()), 17)

    def test_too_few_samples(self):
        self.assertFails(run("spekcube", lines("2 2 2", *range(1, 8))), "data read error.")


class Failures(ToolCase):
    """Every failure leaves standard output empty, with one message and status 1."""

    @unittest.skipUnless(os.path.exists("/dev/full"), "needs /dev/full")
    def test_full_device(self):
        for tool, data in [("spekline", FOUR), ("spekplane", lines("2 2", 1, 2, 3, 4)), ("spekcube", lines("1 1 1", 1))]:
            with open("/dev/full", "wb") as full, self.subTest(tool=tool):
                result = run(tool, data, stdout=full)
                self.assertEqual(result.stderr, b"data write error.\n")
                self.assertEqual(result.status, 1)

    @unittest.skipUnless(POSIX, "needs a POSIX shell")
    def test_closed_standard_output(self):
        result = subprocess.run([tool_path("spekline")], input=FOUR.encode(), stdout=subprocess.PIPE,
                                stderr=subprocess.PIPE, pass_fds=(), close_fds=True,
                                preexec_fn=lambda: os.close(1))
        self.assertEqual(result.stderr, b"data write error.\n")
        self.assertEqual(result.returncode, 1)

    def test_storage_beyond_the_size_type_is_refused_at_once(self):
        cases = [("spekplane", "1073741824 1073741824\n"), ("spekcube", "1048576 1048576 1048576\n"),
                 ("spekcube", "1073741824 1073741824 1073741824\n")]
        if POINTER_BYTES == 4:
            # 16 bytes times 2^28 samples wraps to 0 in a 32-bit size type.
            cases += [("spekline", "268435456\n"), ("spekline", "1073741824\n"), ("spekplane", "65536 4096\n"),
                      ("spekcube", "1024 1024 256\n"), ("spekplane", "1 268435456\n")]
        for tool, header in cases:
            with self.subTest(tool=tool, header=header):
                self.assertFails(run(tool, header, timeout=30), "memory allocation error.")

    @needs_address_limit
    @unittest.skipUnless(POSIX, "needs an address-space limit")
    def test_allocations_that_cannot_be_had(self):
        limit = 1 << 30
        cases = [("spekline", "1073741824\n"), ("spekline", "33554432\n"), ("spekplane", "65536 65536\n"),
                 ("spekplane", "1 1073741824\n"), ("spekcube", "1024 1024 1024\n"), ("spekcube", "1 1 67108864\n")]
        for tool, header in cases:
            with self.subTest(tool=tool, header=header):
                self.assertFails(run(tool, header, limit_bytes=limit, timeout=30), "memory allocation error.")

    def test_empty_input(self):
        for tool in ["spekline", "spekplane", "spekcube"]:
            with self.subTest(tool=tool):
                self.assertFails(run(tool, b""), "bad data number.")


if __name__ == "__main__":
    unittest.main()
