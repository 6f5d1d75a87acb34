"""How the checks start the programs they run: Windows programs under wine,
and only the programs this machine can run at all.

Some machines cannot run 32-bit x86 programs (their kernel refuses them);
there the 32-bit builds are compiled and packaged but cannot be run.
Debian's `wine` command starts wine's 32-bit loader first, which fails on
such a machine, so 64-bit Windows programs go to the 64-bit loader directly.
"""
import os
import subprocess

WINE64_LOADER = "/usr/lib/wine/wine64"


def is_64bit_windows_program(program):
    with open(program, "rb") as exe:
        header = exe.read(4096)
    pe_offset = int.from_bytes(header[0x3C:0x40], "little")
    return header[pe_offset + 4:pe_offset + 6] == b"\x64\x86"


def command_for(program):
    """The command that runs program (a Linux program or a Windows .exe)."""
    if not program.endswith(".exe"):
        return [program]
    if is_64bit_windows_program(program) and os.path.exists(WINE64_LOADER):
        return [WINE64_LOADER, program]
    return ["wine", program]


def can_run(program):
    """True when program starts here: on empty input every tool ends with
    "bad data number." and status 1."""
    try:
        result = subprocess.run(command_for(program), input=b"", stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                                env=dict(os.environ, WINEDEBUG="-all"), timeout=120)
    except OSError:
        return False
    return result.returncode == 1 and result.stderr.replace(b"\r\n", b"\n") == b"bad data number.\n"
