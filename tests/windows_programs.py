"""How the checks start the programs they run: Windows programs under wine,
32-bit Linux programs under qemu where the kernel cannot run them, and
only the programs this machine can run at all.

Some machines cannot run 32-bit x86 programs (their kernel refuses them);
there the 32-bit builds are compiled and packaged, and the 32-bit Linux
programs run under Debian's qemu-i386 (package qemu-user) when it is
installed. Debian's `wine` command starts wine's 32-bit loader first, which
fails on such a machine, so 64-bit Windows programs go to the 64-bit loader
directly; 32-bit Windows programs cannot run there.
"""
import functools
import os
import shutil
import subprocess

WINE64_LOADER = "/usr/lib/wine/wine64"
QEMU_I386 = "qemu-i386"


def is_64bit_windows_program(program):
    with open(program, "rb") as exe:
        header = exe.read(4096)
    pe_offset = int.from_bytes(header[0x3C:0x40], "little")
    return header[pe_offset + 4:pe_offset + 6] == b"\x64\x86"


def is_32bit_linux_program(program):
    with open(program, "rb") as elf:
        return elf.read(5) == b"\x7fELF\x01"


@functools.lru_cache(maxsize=None)
def starts_natively(program):
    try:
        subprocess.run([program], input=b"", stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=120)
    except OSError:
        return False
    return True


def command_for(program):
    """The command that runs program (a Linux program or a Windows .exe)."""
    if program.endswith(".exe"):
        if is_64bit_windows_program(program) and os.path.exists(WINE64_LOADER):
            return [WINE64_LOADER, program]
        return ["wine", program]
    if is_32bit_linux_program(program) and not starts_natively(program) and shutil.which(QEMU_I386):
        return [QEMU_I386, program]
    return [program]


def is_emulated(program):
    """True when program runs under qemu: its arithmetic is exact, but qemu
    does not give the NaNs that the processor makes the processor's sign."""
    return command_for(program)[0] == QEMU_I386


def can_run(program):
    """True when program starts here: on empty input every tool ends with
    "bad data number." and status 1."""
    try:
        result = subprocess.run(command_for(program), input=b"", stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                                env=dict(os.environ, WINEDEBUG="-all"), timeout=120)
    except OSError:
        return False
    return result.returncode == 1 and result.stderr.replace(b"\r\n", b"\n") == b"bad data number.\n"
