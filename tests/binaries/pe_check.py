"""Checks that the Windows program is a 64-bit console-subsystem program
that needs no DLL beyond those Windows itself ships, and that it is hardened:
ASLR with high entropy (and the relocations that need), no executable data.

Usage: pe_check.py zelvanor.exe
"""

import struct
import sys

# Windows' own libraries; anything else would have to ship with the game.
SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "winmm.dll",
               "msvcrt.dll"}
MACHINE_X86_64 = 0x8664
SUBSYSTEM_CONSOLE = 3
PE32_PLUS = 0x20B
HIGH_ENTROPY_VA = 0x20
DYNAMIC_BASE = 0x40
NX_COMPAT = 0x100
RELOCS_STRIPPED = 0x1


def read_imports(data, optional, sections):
    import_rva = struct.unpack_from("<I", data, optional + 120)[0]

    def to_offset(rva):
        for virtual, size, raw in sections:
            if virtual <= rva < virtual + size:
                return rva - virtual + raw
        raise ValueError("address %#x is in no section" % rva)

    names = []
    entry = to_offset(import_rva)
    while True:
        fields = struct.unpack_from("<5I", data, entry)
        if fields == (0, 0, 0, 0, 0):
            return names
        name_at = to_offset(fields[3])
        names.append(data[name_at:data.index(b"\0", name_at)].decode())
        entry += 20


def main():
    data = open(sys.argv[1], "rb").read()
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    assert data[pe:pe + 4] == b"PE\0\0", "not a PE file"
    machine, section_count = struct.unpack_from("<HH", data, pe + 4)
    optional_size = struct.unpack_from("<H", data, pe + 20)[0]
    optional = pe + 24
    magic = struct.unpack_from("<H", data, optional)[0]
    subsystem, dll_characteristics = struct.unpack_from("<HH", data,
                                                        optional + 68)
    file_characteristics = struct.unpack_from("<H", data, pe + 22)[0]
    sections = []
    for i in range(section_count):
        header = optional + optional_size + 40 * i
        virtual_size, virtual, raw_size, raw = struct.unpack_from(
            "<4I", data, header + 8)
        sections.append((virtual, max(virtual_size, raw_size), raw))
    imports = read_imports(data, optional, sections)

    problems = []
    if machine != MACHINE_X86_64 or magic != PE32_PLUS:
        problems.append("not x86-64 (machine %#x, magic %#x)" % (machine, magic))
    if subsystem != SUBSYSTEM_CONSOLE:
        problems.append("subsystem %d, not console" % subsystem)
    for flag, name in ((HIGH_ENTROPY_VA, "high-entropy ASLR"),
                       (DYNAMIC_BASE, "ASLR"), (NX_COMPAT, "NX")):
        if not dll_characteristics & flag:
            problems.append("no " + name)
    if file_characteristics & RELOCS_STRIPPED:
        problems.append("relocations stripped: ASLR cannot move it")
    foreign = [n for n in imports if n.lower() not in SYSTEM_DLLS]
    if foreign:
        problems.append("needs DLLs Windows lacks: %s" % ", ".join(foreign))
    if problems:
        sys.exit("; ".join(problems))
    print("imports: " + ", ".join(imports))
    print("1 passed, 0 failed: x86-64 console program, %d bytes" % len(data))


if __name__ == "__main__":
    main()
