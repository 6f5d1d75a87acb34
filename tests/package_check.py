"""Builds the release packages of each build folder with cpack, unpacks them
and runs every program they hold on the shipped examples: the packaged
programs must print what the built ones print, the i-names must run the
inverse, and the Linux packages must carry the man pages.
Usage: package_check.py BUILD_DIR [BUILD_DIR ...]
"""
import glob
import os
import subprocess
import sys
import tarfile
import tempfile
import zipfile

from windows_programs import can_run, command_for

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
EXAMPLES = {"line": "line.txt", "plane": "plane.txt", "cube": "cube.txt"}


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


def check_package(build, package, windows, runnable):
    """Problems of one package: programs, man pages and links missing, or
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
                elif runnable:
                    expected = run(os.path.join(build, name + suffix), example)
                    if run(program, example) != expected or expected[0] != 0:
                        problems.append("%s: %s prints something else than the built program" % (package, name))
            if not windows and find(folder, tool + ".1") is None:
                problems.append("%s lacks the man page %s.1" % (package, tool))
            if not windows and not os.path.islink(find(folder, "i" + tool) or ""):
                problems.append("%s: i%s is not a link" % (package, tool))
        if find(folder, "README.md") is None:
            problems.append("%s lacks the README" % package)
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
            print("%s: %s" % (os.path.basename(package), "unpacks and runs" if not problems else "BROKEN"))
    print("%d passed, %d failed" % (passes, failures))
    return 1 if failures else 0


if __name__ == "__main__":
    if len(sys.argv) < 2:
        raise SystemExit(__doc__)
    sys.exit(main(sys.argv[1:]))
