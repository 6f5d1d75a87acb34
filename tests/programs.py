"""How the checks start the programs they run: Windows programs under wine,
Linux programs of another processor under qemu-user, and only the programs
this machine can run at all.

A Linux program's processor is read from its ELF header (class, byte order
and machine). One of this machine's runs as it is. A 32-bit x86 program runs
natively where the kernel runs 32-bit programs, and elsewhere under
qemu-i386 with the installed 32-bit loader and C library (libc6:i386) when
they are there: under qemu-i386 the cross loader of Debian 12 leaves a
forked child spinning (cmake/toolchains/linux-x86.cmake). Any other
processor's program runs under Debian's qemu-<arch> (package qemu-user),
which takes the dynamic loader and C library from the cross compiler's
/usr/<triplet>.

Debian's `wine` command starts wine's 32-bit loader first, which fails on a
machine that cannot run 32-bit programs, so 64-bit Windows programs go to
the 64-bit loader directly; 32-bit Windows programs cannot run there.
"""
import functools
import os
import shutil
import subprocess

WINE64_LOADER = "/usr/lib/wine/wine64"
I386_LOADER = "/lib/ld-linux.so.2"

# (ELF class, byte order, machine) of each Linux target: its qemu-user
# emulator and the folder of its cross C library.
ELF_386 = (1, 1, 3)
ELF_X86_64 = (2, 1, 62)
EMULATORS = {
    ELF_386: ("qemu-i386", "/usr/i686-linux-gnu"),
    ELF_X86_64: ("qemu-x86_64", "/usr/x86_64-linux-gnu"),
    (2, 1, 183): ("qemu-aarch64", "/usr/aarch64-linux-gnu"),
    (1, 1, 40): ("qemu-arm", "/usr/arm-linux-gnueabihf"),
    (2, 1, 21): ("qemu-ppc64le", "/usr/powerpc64le-linux-gnu"),
    (2, 2, 22): ("qemu-s390x", "/usr/s390x-linux-gnu"),
    (2, 1, 243): ("qemu-riscv64", "/usr/riscv64-linux-gnu"),
}


def is_64bit_windows_program(program):
    with open(program, "rb") as exe:
        header = exe.read(4096)
    pe_offset = int.from_bytes(header[0x3C:0x40], "little")
    return header[pe_offset + 4:pe_offset + 6] == b"\x64\x86"


def elf_target(program):
    """(class, byte order, machine) from an ELF header: class 1 is 32-bit,
    2 64-bit; byte order 1 is little-endian, 2 big-endian. None for a file
    that is not ELF."""
    with open(program, "rb") as elf:
        header = elf.read(20)
    if len(header) < 20 or header[:4] != b"\x7fELF":
        return None
    order = "little" if header[5] == 1 else "big"
    return header[4], header[5], int.from_bytes(header[18:20], order)


@functools.lru_cache(maxsize=None)
def this_machine():
    """The ELF target of the programs this machine runs: its Python's."""
    return elf_target("/proc/self/exe")


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
    target = elf_target(program)
    if target is None or target == this_machine() or target not in EMULATORS:
        return [program]
    if target == ELF_386 and this_machine() == ELF_X86_64 and starts_natively(program):
        return [program]
    emulator, library_root = EMULATORS[target]
    if shutil.which(emulator) is None:
        return [program]
    if target == ELF_386 and os.path.exists(I386_LOADER):
        return [emulator, program]
    return [emulator, "-L", library_root, program]


def is_emulated(program):
    """True when program runs under qemu: its arithmetic is exact, but which
    NaN an operation on two NaNs returns, and so a NaN's sign, is the
    emulated processor's choice as qemu makes it."""
    return os.path.basename(command_for(program)[0]).startswith("qemu-")


def can_run(program):
    """True when program starts here: on empty input every tool ends with
    "bad data number." and status 1."""
    try:
        result = subprocess.run(command_for(program), input=b"", stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                                env=dict(os.environ, WINEDEBUG="-all"), timeout=120)
    except OSError:
        return False
    return result.returncode == 1 and result.stderr.replace(b"\r\n", b"\n") == b"bad data number.\n"
