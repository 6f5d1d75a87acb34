"""The built tools under hostile conditions: storage that cannot be had at
each step of the allocation order, standard streams that are missing, full
or closed early, input that arrives slowly or holds NUL bytes, megabyte
lines, CR-only line ends and binary noise, and a run under valgrind.

Uses the same environment as cli_test (SPEK_TOOL_DIR, SPEK_EXE_SUFFIX,
SPEK_SANITIZED); SPEK_VALGRIND names the valgrind program for Valgrind.
"""
import os
import random
import signal
import subprocess
import tempfile
import threading
import time
import unittest

from cli_test import POSIX, ToolCase, lines, needs_address_limit, run, sample, tool_path

TOOLS = ["spekline", "spekplane", "spekcube"]
MiB = 1 << 20

# Two samples along x, in the header each tool needs, and what every tool
# prints for them: the line (1 + 2i, 3 + 4i) transformed.
TWO = {"spekline": "2", "spekplane": "2 1", "spekcube": "2 1 1"}
TWO_PADDED = {"spekline": "2", "spekplane": "2\t1", "spekcube": "2\t1\t1"}
TWO_RESULT = [sample(4, 6), sample(-2, -2)]


def two_samples(tool, *sample_lines):
    return lines(TWO[tool], *sample_lines)


def numbered_samples(header, count):
    return header + "\n" + "".join("%d.0625 -%d.5\n" % (i, i % 7) for i in range(count))


def shell(command, tool, data=b""):
    """Runs command with sh -c, with $0 set to the tool's path."""
    return subprocess.run(["sh", "-c", command, tool_path(tool)], input=data, stdout=subprocess.PIPE,
                          stderr=subprocess.PIPE, timeout=60)


@needs_address_limit
@unittest.skipUnless(POSIX, "needs an address-space limit")
class AllocationLimits(ToolCase):
    """Under an address-space limit, storage that cannot be had ends the run
    with "memory allocation error." at every step of the allocation order.

    Before building any table, the tools ask for a block the size of the
    sample block and give it back at once: a block that cannot be had then
    cannot be had later either. Then they allocate, before reading any
    sample: the twiddle table of each axis (x, y, z; 16 bytes per padded
    sample), the table of plane pointers (8 bytes per plane), the table of
    row pointers (8 bytes per row of the whole box), the sample block (16
    bytes per padded sample) and the scratch line (16 bytes per sample along
    y, or along the longer of y and z for a box); a line needs only its
    table and its block. No table is larger than the sample block, so the
    probe refuses every request whose tables alone cannot be had; the steps
    after the tables fail when the blocks held before them leave too little.
    Each case below lists the sizes in MiB of the blocks held before the
    step it targets and of that step; the limit lets all the earlier blocks
    fit with half the step's size to spare and leaves the step itself half
    its size short. The program, its libraries and static buffers take about
    3.5 MiB (BASE) of address space before the first block; blocks below
    1 MiB are left out. Only a header is given: a run whose blocks all fit
    goes on to read the samples and ends with "data read error." instead.
    """

    BASE = 4 * MiB

    def limit(self, before, step):
        return self.BASE + (sum(before) + step // 2) * MiB

    def check(self, tool, cases):
        for step, header, before, size in cases:
            with self.subTest(tool=tool, step=step, header=header):
                result = run(tool, header + "\n", limit_bytes=self.limit(before, size), timeout=60)
                self.assertFails(result, "memory allocation error.")
        # The last case with room for its last block too: every block fits.
        step, header, before, size = cases[-1]
        with self.subTest(tool=tool, all_fit=header):
            result = run(tool, header + "\n", limit_bytes=self.limit(before + [size], size), timeout=60)
            self.assertFails(result, "data read error.")

    def test_line(self):
        self.check("spekline", [
            ("block probe", "2097152", [], 32),
            ("sample block", "2097152", [32], 32),
        ])

    def test_plane(self):
        self.check("spekplane", [
            ("block probe", "2097152 1", [], 32),
            ("row table", "1 4194304", [64], 32),
            ("sample block", "1 2097152", [32, 16], 32),
            ("scratch line", "1 2097152", [32, 16, 32], 32),
        ])

    def test_cube(self):
        self.check("spekcube", [
            ("block probe", "1 1 2097152", [], 32),
            ("plane table", "1 1 4194304", [64], 32),
            ("row table", "1 2097152 1", [32], 16),
            ("sample block", "2097152 1 1", [32], 32),
            ("scratch line", "1 1 2097152", [32, 16, 16, 32], 32),
        ])


@unittest.skipUnless(POSIX, "needs a POSIX shell")
class MissingInput(ToolCase):
    """Input that is empty, closed or unreadable: the header is missing."""

    def test_empty_closed_and_unreadable_input(self):
        for tool in TOOLS:
            for how, command in [("empty file", 'exec "$0" < /dev/null'), ("closed", 'exec "$0" <&-'),
                                 ("a directory", 'exec "$0" < /')]:
                with self.subTest(tool=tool, input=how):
                    result = shell(command, tool)
                    self.assertEqual((result.stdout, result.stderr, result.returncode),
                                     (b"", b"bad data number.\n", 1))

    def test_input_ending_after_the_first_block(self):
        # 70000 bytes of samples: the input runs out after the first 64 KiB
        # read, in the middle of the samples.
        for tool, header in [("spekline", "40000"), ("spekplane", "200 200"), ("spekcube", "40 40 25")]:
            with self.subTest(tool=tool):
                self.assertFails(run(tool, header + "\n" + "1\n" * 35000), "data read error.")


@unittest.skipUnless(POSIX, "needs a POSIX shell")
class WriteFaults(ToolCase):
    """Output that cannot be written ends the run with "data write error."."""

    SMALL = {"spekline": lines(3, 1, 2, 3), "spekplane": lines("2 2", 1, 2, 3, 4), "spekcube": lines("1 1 1", 1)}
    # About 200 KB of output: the first 64 KiB block is written while
    # samples are still being printed, not only at the end.
    LARGE = {"spekline": "5000\n" + "1\n" * 5000, "spekplane": "100 50\n" + "1\n" * 5000,
             "spekcube": "10 10 50\n" + "1\n" * 5000}

    def assertWriteError(self, result):
        status = result.returncode if isinstance(result, subprocess.CompletedProcess) else result.status
        self.assertEqual((result.stderr, status), (b"data write error.\n", 1))

    def test_closed_and_read_only_standard_output(self):
        for tool in TOOLS:
            for size, data in [("small", self.SMALL[tool]), ("large", self.LARGE[tool])]:
                for how, command in [("closed", 'exec "$0" >&-'), ("read-only", 'exec "$0" 1< /dev/null')]:
                    with self.subTest(tool=tool, output=how, size=size):
                        self.assertWriteError(shell(command, tool, data.encode()))

    @unittest.skipUnless(os.path.exists("/dev/full"), "needs /dev/full")
    def test_full_device_with_large_output(self):
        for tool in TOOLS:
            with open("/dev/full", "wb") as full, self.subTest(tool=tool):
                self.assertWriteError(run(tool, self.LARGE[tool], stdout=full))


@unittest.skipUnless(POSIX, "needs pipes and signals")
class EarlyClosingReader(ToolCase):
    """A reader that takes 100 bytes of several megabytes of output and
    closes the pipe: the tool ends by SIGPIPE, or with "data write error."
    where SIGPIPE is ignored; it never hangs, and what was read is the start
    of the full output."""

    # 131072 samples: about 5 MB of output, far more than a pipe holds.
    INPUTS = {"spekline": "131072", "spekplane": "512 256", "spekcube": "64 64 32"}

    def run_with_early_close(self, tool, ignore_sigpipe):
        with tempfile.TemporaryFile() as data:
            data.write((self.INPUTS[tool] + "\n" + "1 -1\n" * 131072).encode())
            data.seek(0)
            full = subprocess.run([tool_path(tool)], stdin=data, stdout=subprocess.PIPE, timeout=60).stdout
            data.seek(0)
            preexec = (lambda: signal.signal(signal.SIGPIPE, signal.SIG_IGN)) if ignore_sigpipe else None
            with subprocess.Popen([tool_path(tool)], stdin=data, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                                  preexec_fn=preexec) as process:
                head = process.stdout.read(100)
                process.stdout.close()
                process.stdout = None
                try:
                    _, stderr = process.communicate(timeout=60)
                finally:
                    process.kill()
                status = process.returncode
        self.assertGreater(len(full), 4_000_000)
        self.assertEqual(head, full[:100])
        return stderr, status

    def test_default_sigpipe_ends_the_tool(self):
        for tool in TOOLS:
            with self.subTest(tool=tool):
                self.assertEqual(self.run_with_early_close(tool, False), (b"", -signal.SIGPIPE))

    def test_ignored_sigpipe_gives_a_write_error(self):
        for tool in TOOLS:
            with self.subTest(tool=tool):
                self.assertEqual(self.run_with_early_close(tool, True), (b"data write error.\n", 1))


@unittest.skipUnless(POSIX, "needs pipes")
class SlowInput(ToolCase):
    """Input that arrives through a pipe in pieces of 1 to 7 bytes, a few
    milliseconds apart, gives the same bytes as the whole input at once."""

    INPUTS = {
        "spekline": "13\r\n" + "".join("%d.25 -%d\r\n" % (i, i * 3) for i in range(13)),
        "spekplane": "3 5\n" + "".join("%de-1\t%d\n" % (i, -i) for i in range(15)),
        "spekcube": "3 2 3 extra words\n" + "".join("0x1p%d %d\n" % (i % 5, i) for i in range(18)),
    }

    def run_slowly(self, tool, data):
        reading, writing = os.pipe()
        process = subprocess.Popen([tool_path(tool)], stdin=reading, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        os.close(reading)

        def feed():
            with os.fdopen(writing, "wb", buffering=0) as pipe:
                position, size = 0, 1
                while position < len(data):
                    pipe.write(data[position:position + size])
                    position += size
                    size = size % 7 + 1
                    time.sleep(0.002)

        feeder = threading.Thread(target=feed)
        feeder.start()
        try:
            stdout, stderr = process.communicate(timeout=60)
        finally:
            process.kill()
            feeder.join()
        return stdout, stderr, process.returncode

    def test_pieces_give_the_same_result(self):
        for tool, text in self.INPUTS.items():
            data = text.encode()
            with self.subTest(tool=tool):
                fast = run(tool, data)
                self.assertEqual((fast.stderr, fast.status), (b"", 0))
                self.assertEqual(self.run_slowly(tool, data), (fast.stdout, b"", 0))

    def test_the_result_does_not_wait_for_the_end_of_input(self):
        # A coprocess or a person at a terminal sends the samples and waits
        # for the answer with the input still open: the tool has read all it
        # needs and must answer without waiting for more.
        for tool, text in self.INPUTS.items():
            with self.subTest(tool=tool):
                process = subprocess.Popen([tool_path(tool)], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                           stderr=subprocess.PIPE)
                try:
                    process.stdin.write(text.encode())
                    process.stdin.flush()
                    answer = []
                    reader = threading.Thread(target=lambda: answer.append(process.stdout.read()))
                    reader.start()
                    reader.join(timeout=20)
                    self.assertFalse(reader.is_alive(), "the tool waits for the end of its input")
                    self.assertEqual(answer, [run(tool, text).stdout])
                finally:
                    process.kill()
                    process.wait()
                    process.stdin.close()
                    process.stdout.close()
                    process.stderr.close()

    def test_a_file_is_left_right_after_the_last_line_read(self):
        # Input read ahead is given back at exit where the input can seek,
        # so the next reader of the same open file goes on from there.
        rest = "after the samples\n" * 5000
        for tool, text in self.INPUTS.items():
            samples = text if tool != "spekline" else numbered_samples("5000", 5000)
            with self.subTest(tool=tool), tempfile.TemporaryFile() as data:
                data.write((samples + rest).encode())
                data.seek(0)
                result = subprocess.run(["sh", "-c", '"$0" >/dev/null; cat', tool_path(tool)], stdin=data,
                                        stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=60)
                self.assertEqual((result.stderr, result.returncode), (b"", 0))
                # Compared as a whole: a difflib report on 90 KB takes minutes.
                self.assertTrue(result.stdout == rest.encode(), "cat read %d bytes, not the %d after the samples"
                                % (len(result.stdout), len(rest)))

    def test_pieces_of_a_short_input_give_the_same_failure(self):
        short = self.INPUTS["spekcube"].rsplit("\n", 2)[0] + "\n"
        self.assertEqual(self.run_slowly("spekcube", short.encode()),
                         (b"", b"data read error.\n", 1))


class LineContent(ToolCase):
    """What a line is: it ends at LF only, holds at most 2047 characters per
    read, and its text ends, for the number reader, at a NUL byte."""

    def test_nul_bytes_inside_lines(self):
        # The header and the samples are read up to the NUL; the rest of
        # the physical line, up to its LF, goes with it.
        for tool in TOOLS:
            with self.subTest(tool=tool, case="in the samples"):
                data = two_samples(tool, "1 2\x00 9 9", "3 4\x00\t7\r")
                self.assertOutput(run(tool, data), TWO_PADDED[tool], *TWO_RESULT)
            with self.subTest(tool=tool, case="after the extents"):
                data = lines(TWO[tool] + "\x00 9 9 9", "1 2", "3 4")
                self.assertOutput(run(tool, data), TWO_PADDED[tool], *TWO_RESULT)
            with self.subTest(tool=tool, case="starting a sample line"):
                self.assertFails(run(tool, two_samples(tool, "1 2", "\x003 4")), "data read error.")
            with self.subTest(tool=tool, case="starting the header"):
                self.assertFails(run(tool, "\x00" + two_samples(tool, "1 2", "3 4")), "bad data number.")
        for tool in ["spekplane", "spekcube"]:
            with self.subTest(tool=tool, case="between the extents"):
                self.assertFails(run(tool, lines("2\x00 1 1", "1 2", "3 4")), "bad data number.")

    def test_lines_of_a_megabyte(self):
        # 1 MiB of text with its LF: read as 512 pieces of 2047 characters
        # and one of 512. Each piece here starts with a number and ends in
        # the digit 9, so that a piece one character off changes a value.
        pieces = ["%d" % k for k in range(513)]
        big_line = "".join(p.ljust(2046) + "9" for p in pieces[:512]) + pieces[512].ljust(510) + "9\n"
        self.assertEqual(len(big_line), MiB)
        as_lines = run("spekline", "513\n" + "".join(p + " 9\n" for p in pieces))
        self.assertEqual(as_lines.values()[0], (sum(range(513)), 9.0 * 513))
        self.assertOutput(run("spekline", "513\n" + big_line), *as_lines.lines())

        # A megabyte header: its extents, then blank pieces where the
        # samples should be.
        for tool in TOOLS:
            header = TWO[tool].ljust(MiB - 1) + "\n"
            with self.subTest(tool=tool, case="header"):
                self.assertFails(run(tool, header + "1 2\n3 4\n"), "data read error.")
        # A megabyte of digits: as an extent it does not fit an int; as a
        # sample it reads as infinity, and its other pieces are never read.
        digits = "1" * (MiB - 1) + "\n"
        for tool in TOOLS:
            with self.subTest(tool=tool, case="digits"):
                self.assertFails(run(tool, digits), "bad data number.")
        self.assertOutput(run("spekline", "1\n" + digits), "1", "%18.16f\t%18.16f" % (float("inf"), 0.0))

    def test_cr_alone_does_not_end_a_line(self):
        for tool in TOOLS:
            with self.subTest(tool=tool, case="short"):
                # Header and samples are all one line.
                self.assertFails(run(tool, TWO[tool] + "\r1 2\r3 4\r"), "data read error.")
            with self.subTest(tool=tool, case="pieces"):
                # Each 2047-character piece is a line; CR is white space.
                text = "".join(piece.ljust(2047, "\r") for piece in [TWO[tool] + "\r", "1\r2\r", "3\r4\r"])
                self.assertOutput(run(tool, text), TWO_PADDED[tool], *TWO_RESULT)


class BinaryNoise(ToolCase):
    """Random bytes (fixed seeds, 100 KB, every byte value but those named)
    where the header, the samples, or what follows them should be."""

    @staticmethod
    def noise(seed, excluded=b""):
        alphabet = bytes(b for b in range(256) if b not in excluded)
        generator = random.Random(seed)
        return bytes(generator.choice(alphabet) for _ in range(100_000))

    def test_noise_as_the_header(self):
        # Without digits nothing converts to an extent.
        for seed in range(3):
            data = self.noise(seed, b"0123456789")
            for tool in TOOLS:
                with self.subTest(tool=tool, seed=seed):
                    self.assertFails(run(tool, data), "bad data number.")

    def test_noise_as_the_samples(self):
        # Without digits or the letters of inf and nan no number can start.
        for seed in range(3):
            data = self.noise(seed, b"0123456789iInN")
            for tool in TOOLS:
                with self.subTest(tool=tool, seed=seed):
                    self.assertFails(run(tool, TWO[tool].encode() + b"\n" + data), "data read error.")

    def test_noise_after_the_samples_is_never_read(self):
        for seed in range(3):
            data = self.noise(seed)
            for tool in TOOLS:
                with self.subTest(tool=tool, seed=seed):
                    result = run(tool, two_samples(tool, "1 2", "3 4").encode() + data)
                    self.assertOutput(result, TWO_PADDED[tool], *TWO_RESULT)


@unittest.skipUnless(os.environ.get("SPEK_VALGRIND"), "needs valgrind (SPEK_VALGRIND)")
class Valgrind(ToolCase):
    """Each tool in both directions under valgrind's memory checker: no
    error, and the same output as a plain run. The inputs are padded on
    every axis and long enough (over 64 KiB in, more out) to refill the
    input block and write the output block before the end."""

    INPUTS = {
        "spekline": numbered_samples("5000", 5000),
        "spekplane": numbered_samples("70 70", 4900),
        "spekcube": numbered_samples("17 17 17", 4913),
    }

    def test_clean_runs(self):
        valgrind = os.environ["SPEK_VALGRIND"]
        for tool, data in self.INPUTS.items():
            for name in [tool, "i" + tool]:
                with self.subTest(tool=name):
                    plain = run(name, data)
                    checked = subprocess.run([valgrind, "-q", "--error-exitcode=1", "--leak-check=no", tool_path(name)],
                                             input=data.encode(), stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                                             timeout=120)
                    self.assertEqual((checked.stderr, checked.returncode), (b"", 0))
                    self.assertEqual(checked.stdout, plain.stdout)


if __name__ == "__main__":
    unittest.main()
