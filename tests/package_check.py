"""Builds the release packages of each build folder with cpack, unpacks them
and runs every program they hold on the shipped examples: the packaged
programs must print what the built ones print, the i-names must run the
inverse, the programs must be stripped, every package must hold the licence
and the Linux packages the man pages. Every .deb must pass Debian's policy
checker, lintian, without an error or a warning.
Usage: package_check.py BUILD_DIR [BUILD_DIR ...]
"""
import glob
import os
import subprocess
import sys
import tarfile
import tempfile
import zipfile

from programs import can_run, command_for

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
EXAMPLES = {"line": "line.txt", "plane": "plane.txt", "cube": "cube.txt"}
with open(os.path.join(ROOT, "LICENSE"), encoding="utf-8") as licence_file:
    LICENCE = licence_file.read()


def run(program, example):
    command = command_for(program)
    with open(os.path.join(ROOT, "examples", example), "rb") as data:
        result = subprocess.run(command, stdin=data, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                                env=dict(os.environ, WINEDEBUG="-all"), timeout=120)
    return result.returncode, result.stdout.replace(b"\r\n", b"\n")


def unpack(package, folder):
    if package.endswith(".deb"):
        subprocess.run(["dpkg-deb", "-x", package, folder], check=True)
    elif package.endswith(".zip"):
        zipfile.ZipFile(package).extractall(folder)
    else:
        tarfile.open(package).extractall(folder)


def find(folder, name):
    hits = glob.glob(os.path.join(folder, "**", name), recursive=True)
    return hits[0] if hits else None


def is_stripped(program):
    """True when program (ELF or PE) holds no symbol table."""
    result = subprocess.run(["nm", program], stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    return b"no symbols" in result.stderr


def debian_copyright_holds(copyright_text, licence):
    """True when Debian's copyright file states every copyright notice and
    every line of the permission text of licence."""
    lines = licence.split("\n")
    notices = [at for at, line in enumerate(lines) if line.startswith("Copyright (c) ")]
    holders = [lines[at][len("Copyright (c) "):] for at in notices]
    held = copyright_text.split("\n")
    return ("Copyright: " + holders[0] in held and all(" " + holder in held for holder in holders[1:])
            and all(" " + line in held for line in lines[notices[-1] + 1:] if line))


def licence_problems(package, folder):
    """The tarballs and zips hold LICENSE as it is, the .deb holds it as
    /usr/share/doc/spek/copyright in Debian's format."""
    if package.endswith(".deb"):
        copyright_file = os.path.join(folder, "usr", "share", "doc", "spek", "copyright")
        if not os.path.isfile(copyright_file):
            return ["%s lacks usr/share/doc/spek/copyright" % package]
        with open(copyright_file, encoding="utf-8") as held:
            return [] if debian_copyright_holds(held.read(), LICENCE) else [
                "%s: its copyright file does not state the licence" % package]
    held = find(folder, "LICENSE")
    if held is None:
        return ["%s lacks LICENSE" % package]
    with open(held, encoding="utf-8") as licence:
        return [] if licence.read() == LICENCE else ["%s: its LICENSE is not the project's" % package]


def lintian_problems(package):
    """Every error and warning lintian reports on a .deb."""
    result = subprocess.run(["lintian", "--fail-on", "error,warning", package], stdout=subprocess.PIPE,
                            stderr=subprocess.DEVNULL, universal_newlines=True)
    print("lintian %s:\n%s" % (os.path.basename(package), result.stdout.rstrip() or "(nothing to report)"))
    problems = ["%s: lintian: %s" % (package, line) for line in result.stdout.splitlines()
                if line.startswith(("E:", "W:"))]
    if result.returncode != 0 and not problems:
        problems.append("%s: lintian ended with status %d" % (package, result.returncode))
    return problems


def check_package(build, package, windows, runnable):
    """Problems of one package: programs, man pages, links or licence
    missing, programs not stripped, lintian's complaints about a .deb, or
    (where this machine can run them) printing something else than the
    built programs."""
    problems = []
    with tempfile.TemporaryDirectory() as folder:
        unpack(package, folder)
        suffix = ".exe" if windows else ""
        for kind, example in EXAMPLES.items():
            tool = "spek" + kind
            for name in [tool, "i" + tool]:
                program = find(folder, name + suffix)
                if program is None:
                    problems.append("%s lacks %s" % (package, name + suffix))
                    continue
                if not is_stripped(program):
                    problems.append("%s: %s is not stripped" % (package, name + suffix))
                if runnable:
                    expected = run(os.path.join(build, name + suffix), example)
                    if run(program, example) != expected or expected[0] != 0:
                        problems.append("%s: %s prints something else than the built program" % (package, name))
            if not windows and find(folder, tool + ".1.gz") is None:
                problems.append("%s lacks the compressed man page %s.1.gz" % (package, tool))
            if not windows and not os.path.islink(find(folder, "i" + tool) or ""):
                problems.append("%s: i%s is not a link" % (package, tool))
        if find(folder, "README.md") is None:
            problems.append("%s lacks the README" % package)
        problems += licence_problems(package, folder)
    if package.endswith(".deb"):
        problems += lintian_problems(package)
    return problems


def main(builds):
    failures = passes = 0
    for build in builds:
        subprocess.run(["cmake", "."], cwd=build, check=True, stdout=subprocess.DEVNULL)
        subprocess.run(["cpack"], cwd=build, check=True, stdout=subprocess.DEVNULL)
        windows = os.path.exists(os.path.join(build, "spekline.exe"))
        runnable = can_run(os.path.join(build, "spekline" + (".exe" if windows else "")))
        if not runnable:
            print("NOT RUN: this machine cannot run the programs of %s; checking what the packages hold" % build)
        patterns = ["*.zip"] if windows else ["*.deb", "*.tar.gz"]
        packages = [p for pattern in patterns for p in glob.glob(os.path.join(build, pattern))]
        if len(packages) != len(patterns):
            print("FAIL: %s: expected %s, found %s" % (build, patterns, packages))
            failures += 1
        for package in packages:
            problems = check_package(build, package, windows, runnable)
            for problem in problems:
                print("FAIL: " + problem)
            failures += bool(problems)
            passes += not problems
            verdict = "unpacks and runs" if runnable else "unpacks, holds what it should"
            print("%s: %s" % (os.path.basename(package), verdict if not problems else "BROKEN"))
    print("%d passed, %d failed" % (passes, failures))
    return 1 if failures else 0


if __name__ == "__main__":
    if len(sys.argv) < 2:
        raise SystemExit(__doc__)
    sys.exit(main(sys.argv[1:]))
