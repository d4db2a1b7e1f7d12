#!/usr/bin/env python3
"""Copies a compile_commands.json without the precompiled header of CMake's
target_precompile_headers: the entries that build cmake_pch.hxx.gch (or .pch)
are left out, and the other commands lose the options that bring it in
(-include .../cmake_pch.hxx, -Winvalid-pch, and Clang's -Xclang -include-pch).
Every source is then compiled from its own text, as without precompiled headers.

usage: commands-without-pch.py IN_JSON OUT_JSON
"""
import json
import os
import shlex
import sys

PCH_HEADER = "cmake_pch.hxx"


def is_pch(path):
    return os.path.basename(path).startswith(PCH_HEADER)


def without_pch(args):
    out = []
    i = 0
    while i < len(args):
        a = args[i]
        if a == "-Winvalid-pch":
            i += 1
        elif a == "-include" and i + 1 < len(args) and is_pch(args[i + 1]):
            i += 2
        elif a.startswith("-include") and is_pch(a[len("-include"):]):
            i += 1
        elif a == "-Xclang" and i + 3 < len(args) and args[i + 1] in ("-include-pch", "-include") \
                and is_pch(args[i + 3]):
            i += 4
        else:
            out.append(a)
            i += 1
    return out


def main():
    if len(sys.argv) != 3:
        print(__doc__.strip().splitlines()[-1], file=sys.stderr)
        return 2
    with open(sys.argv[1]) as f:
        entries = json.load(f)
    kept = []
    for e in entries:
        if is_pch(e["file"]):
            continue
        e = dict(e)
        if "arguments" in e:
            e["arguments"] = without_pch(e["arguments"])
        else:
            e["command"] = " ".join(shlex.quote(a) for a in without_pch(shlex.split(e["command"])))
        kept.append(e)
    with open(sys.argv[2], "w") as f:
        json.dump(kept, f, indent=2)
    return 0


if __name__ == "__main__":
    sys.exit(main())
