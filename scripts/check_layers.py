#!/usr/bin/env python3
"""Fails when a lower layer of the sources includes a higher one.

Usage: scripts/check_layers.py [SOURCE_ROOT]

Reads every `#include "..."` line under the layered folders and checks it against the rules
below; tests/, bench/ and tools/ may include anything. Prints each offending line and exits 1.
"""

import pathlib
import re
import sys

LAYERED = ("core", "platform", "storage", "ui", "app", "resources")
TOP_FOLDERS = LAYERED + ("tests", "bench", "tools")
SOURCE_SUFFIXES = {".h", ".hpp", ".cpp", ".cc"}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')

def is_platform_interface(target):
    return target.startswith("platform/") and target.count("/") == 1


def ui_part(path):
    parts = path.split("/")
    return parts[1] if len(parts) > 2 and parts[0] == "ui" else None


def allowed(source, target):
    """Whether the file `source` may include `target`; both relative to the source root."""
    top = source.split("/")[0]
    target_top = target.split("/")[0]
    if top == target_top == "core":
        return True
    if top == "core":
        return False
    if top == "resources":
        return target_top == "resources"
    if top == "platform":
        if is_platform_interface(source):
            return is_platform_interface(target)
        return target_top == "platform"
    if top == "storage":
        return target_top in ("storage", "core", "resources") or is_platform_interface(target)
    if top == "ui":
        if target_top != "ui":
            return target_top in ("core", "platform", "storage", "resources")
        part, target_part = ui_part(source), ui_part(target)
        if part == "shell" or part == target_part:
            return True
        return target_part == "controls"
    if top == "app":
        if target_top == "ui":
            return target == "ui/shell/window_entry.h"
        return target_top in ("app", "core", "platform", "storage", "resources")
    return True


def resolve(root, source, name):
    """The included file relative to the root; None for generated and system headers."""
    if name.split("/")[0] in TOP_FOLDERS:
        return name
    beside = (root / source).parent / name
    if beside.is_file():
        return beside.resolve().relative_to(root.resolve()).as_posix()
    return None


def violations(root):
    for folder in LAYERED:
        for path in sorted((root / folder).rglob("*")):
            if path.suffix not in SOURCE_SUFFIXES or not path.is_file():
                continue
            source = path.relative_to(root).as_posix()
            for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
                match = INCLUDE.match(line)
                if not match:
                    continue
                target = resolve(root, source, match.group(1))
                if target and not allowed(source, target):
                    yield f"{source}:{number}: includes {target}"


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parent.parent)
    found = list(violations(root))
    for line in found:
        print(line)
    if found:
        print(f"{len(found)} include(s) point from a lower layer to a higher one", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
