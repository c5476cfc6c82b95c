"""Reads the Linux game binary and checks its hardening: position-independent,
full RELRO, a non-executable stack, stack protector, fortified library calls
(in optimised builds) and control-flow protection (endbr64 landing pads; the
CET property note itself is dropped by the linker while the system's C start
files lack it).

Usage: hardening_check.py zelvanor CONFIG
"""

import re
import subprocess
import sys


def read(*command):
    return subprocess.run(command, check=True, capture_output=True,
                          text=True).stdout


def main():
    binary, config = sys.argv[1], sys.argv[2]
    header = read("readelf", "-hW", binary)
    segments = read("readelf", "-lW", binary)
    dynamic = read("readelf", "-dW", binary)
    symbols = read("readelf", "-sW", "--dyn-syms", binary)
    main_code = read("objdump", "-d", "--no-show-raw-insn",
                     "--disassemble=main", binary)

    stack = re.search(r"GNU_STACK\s+(?:\S+\s+){5}(\S+)", segments)
    checks = {
        "PIE": "DYN (Position-Independent Executable file)" in header,
        "RELRO": "GNU_RELRO" in segments,
        "BIND_NOW (full RELRO)": re.search(r"\bNOW\b", dynamic) is not None,
        "non-executable stack": stack is not None and "E" not in stack.group(1),
        "stack protector": "__stack_chk_fail" in symbols,
        "control-flow protection": re.search(r"<main>:\s*\n\s*\S+:\s*endbr64",
                                             main_code) is not None,
    }
    if config != "Debug":
        checks["_FORTIFY_SOURCE"] = re.search(r"__\w+_chk@", symbols) is not None
    failed = [name for name, ok in checks.items() if not ok]
    for name, ok in checks.items():
        print("%-26s %s" % (name, "yes" if ok else "NO"))
    if failed:
        sys.exit("missing: " + ", ".join(failed))
    print("1 passed, 0 failed: hardened")


if __name__ == "__main__":
    main()
