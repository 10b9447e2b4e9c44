#!/usr/bin/env python3
"""Checks that no source file includes a header of a layer above its own.

Each folder prefix below is a component with a family and a rank. A file may include
headers of its own component and of components of a lower rank in its own family or
in the shared families (common, colour). Prints every violation; exits 1 on any.
"""
import os
import re
import sys

# (folder prefix, family, rank); the longest matching prefix decides.
COMPONENTS = [
    ("common/version", "common", 0),
    ("common/memory", "common", 0),
    ("common/host", "common", 1),
    ("common/settings", "common", 1),
    ("common/output", "common", 2),
    ("common/cmdline", "common", 3),
    ("common/gui", "common", 4),
    ("colour", "colour", 3),
    ("bitmap/messages", "bitmap", 4),
    ("bitmap/document", "bitmap", 5),
    ("bitmap/reduce", "bitmap", 6),
    ("bitmap/formats", "bitmap", 7),
    ("bitmap/transform", "bitmap", 8),
    ("bitmap/output", "bitmap", 9),
    ("bitmap/app", "bitmap", 10),
    ("bitmap/gui", "bitmap", 11),
    ("font/model", "font", 4),
    ("font/generator", "font", 5),
    ("font/formats", "font", 5),
    ("font/app", "font", 6),
    ("font/gui", "font", 7),
    ("viewer", "viewer", 4),
    ("viewer/ui", "viewer", 5),
    ("viewer/main.cpp", "viewer", 6),
]
SHARED = {"common", "colour"}
SOURCE_DIRS = ["common", "colour", "bitmap", "font", "viewer"]
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.M)


def component(path):
    best = None
    for prefix, family, rank in COMPONENTS:
        if path == prefix or path.startswith(prefix + "/"):
            if best is None or len(prefix) > len(best[0]):
                best = (prefix, family, rank)
    return best


def allowed(src, dst):
    if src[0] == dst[0]:
        return True
    if dst[2] >= src[2]:
        return False
    return dst[1] == src[1] or dst[1] in SHARED


def main(root):
    violations = []
    unknown = []
    for top in SOURCE_DIRS:
        for folder, _, files in os.walk(os.path.join(root, top)):
            for name in files:
                if not name.endswith((".h", ".hpp", ".c", ".cpp")):
                    continue
                path = os.path.relpath(os.path.join(folder, name), root)
                src = component(path)
                if src is None:
                    unknown.append(path)
                    continue
                with open(os.path.join(root, path), encoding="utf-8", errors="replace") as f:
                    text = f.read()
                for header in INCLUDE.findall(text):
                    dst = component(header)
                    if dst is not None and not allowed(src, dst):
                        violations.append(f"{path}: includes {header} ({dst[0]} is not below {src[0]})")
    for path in unknown:
        print(f"{path}: in no component of the layer table")
    for v in violations:
        print(v)
    if violations or unknown:
        return 1
    print("layering: every include points down")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else "."))
