"""The README's examples run as shown: every `$ command` line in a fenced
block of README.md is run, in order, by one POSIX shell, and must print
exactly the lines shown under it (standard output and standard error, as a
terminal shows them). The shell runs in a temporary folder where `build` is
the folder of the built programs (SPEK_TOOL_DIR) and `examples` the shipped
examples, so the commands run as written and what they write stays there.

The plot recipe needs gnuplot: without it, its commands are left out and the
check of its PNG files is skipped.
"""
import os
import re
import shutil
import subprocess
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
TOOL_DIR = os.path.abspath(os.environ.get("SPEK_TOOL_DIR") or os.path.join(ROOT, "build"))
README = os.path.join(ROOT, "README.md")
HAVE_GNUPLOT = shutil.which("gnuplot") is not None
PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"


def fenced_blocks(text):
    """The bodies of the ``` blocks, as lists of lines."""
    return [body.split("\n") for body in re.findall(r"^```[a-z]*\n(.*?)^```$", text, re.S | re.M)]


def shown_commands(blocks):
    """(command, shown output lines) for every `$ ` line; its output is
    the lines under it up to a blank line or the next command."""
    commands = []
    for lines in blocks:
        current = None
        for line in lines:
            if line.startswith("$ "):
                current = (line[2:], [])
                commands.append(current)
            elif not line:
                current = None
            elif current is not None:
                current[1].append(line)
    return commands


def run_in_one_shell(commands, folder):
    """Runs the commands one after the other in one shell, so a function
    one defines serves the next; returns each one's output lines."""
    marker = "=== readme command %d ==="
    script = "".join("echo '%s'\n{ %s\n} 2>&1\n" % (marker % i, command) for i, command in enumerate(commands))
    result = subprocess.run(["sh", "-c", script], cwd=folder, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                            stderr=subprocess.STDOUT, timeout=300)
    outputs = {}
    current = None
    for line in result.stdout.decode().split("\n")[:-1]:
        found = re.fullmatch(r"=== readme command (\d+) ===", line)
        if found:
            current = outputs.setdefault(int(found.group(1)), [])
        else:
            current.append(line)
    return [outputs.get(i) for i in range(len(commands))]


class Readme(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        with open(README, encoding="utf-8") as readme:
            cls.text = readme.read()
        cls.blocks = fenced_blocks(cls.text)
        cls.commands = [(command, shown) for command, shown in shown_commands(cls.blocks)
                        if HAVE_GNUPLOT or "examples/plot" not in command]
        cls.folder = tempfile.mkdtemp(prefix="readme-")
        os.symlink(TOOL_DIR, os.path.join(cls.folder, "build"))
        os.symlink(os.path.join(ROOT, "examples"), os.path.join(cls.folder, "examples"))
        cls.outputs = run_in_one_shell([command for command, _ in cls.commands], cls.folder)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.folder)

    def test_commands_print_what_is_shown(self):
        self.assertGreater(len(self.commands), 5)
        for (command, shown), output in zip(self.commands, self.outputs):
            with self.subTest(command=command):
                self.assertEqual(output, shown)

    def test_first_lines_are_the_build_and_a_tool_on_an_example(self):
        first = [line.split("#")[0].strip() for line in self.blocks[0] if line.strip()]
        # The first is the native build and test, a script of the repository
        # that .ci/run runs as the README states it.
        self.assertTrue(os.access(os.path.join(ROOT, first[0]), os.X_OK), first[0])
        self.assertEqual(len(first), 2)
        result = subprocess.run(["sh", "-c", first[1]], cwd=self.folder, stdin=subprocess.DEVNULL,
                                stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=60)
        self.assertEqual((result.returncode, result.stderr), (0, b""))
        self.assertTrue(result.stdout)

    @unittest.skipUnless(HAVE_GNUPLOT, "gnuplot is not installed")
    def test_plot_recipe_writes_the_pngs_it_names(self):
        names = [name for (command, _), output in zip(self.commands, self.outputs)
                 if command.startswith("examples/plot") for name in output]
        self.assertEqual(len(names), 2)
        for name in names:
            with self.subTest(name=name), open(os.path.join(self.folder, name), "rb") as png:
                picture = png.read()
                self.assertTrue(picture.startswith(PNG_SIGNATURE))
                self.assertGreater(len(picture), 1000)

    def test_pictures_shown_are_shipped_pngs(self):
        pictures = re.findall(r"!\[[^]]*\]\(([^)]+)\)", self.text)
        self.assertEqual(len(pictures), 2)
        for picture in pictures:
            with self.subTest(picture=picture), open(os.path.join(ROOT, picture), "rb") as png:
                self.assertTrue(png.read().startswith(PNG_SIGNATURE))


if __name__ == "__main__":
    unittest.main()
