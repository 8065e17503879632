#!/usr/bin/env python3
"""Generates the library of extra groups installed with the program (share/kalvex/groups).

Each group of library_units is written as a factor file (.fsf) in the program's own byte layout.
Every unit is defined there exactly, as a fraction of the group's base quantity; the factor
M[r][c] (how many of unit r make one unit c) is size(c) / size(r), computed exactly and rounded
once to a double.

Run from anywhere: python3 tools/generate_library_groups.py
"""

import pathlib
import struct
from collections import Counter

from library_units import GROUPS

ROOT = pathlib.Path(__file__).resolve().parent.parent
OUT = ROOT / "resources" / "groups"

MAX_UNITS = 30
UPDATE_DATE = "12/8/2026"


def text(value):
    data = value.encode("cp1252")
    assert len(data) < 255
    return bytes([len(data)]) + data


def u16(value):
    return struct.pack("<H", value)


def factor_file(name, description, units):
    assert 2 <= len(units) <= MAX_UNITS
    count = len(units)
    out = text(name) + text(description) + text("None") + text(UPDATE_DATE)
    # unit count, shown count, show all, digits, scientific
    out += u16(count) + u16(count) + u16(1) + u16(6) + u16(0)
    for unit, symbol, size in units:
        # Readers split a unit entry at commas.
        assert "," not in unit + symbol, unit
        assert size > 0, unit
        out += text(f"{unit},{symbol}")
    for r in range(MAX_UNITS):
        out += u16(MAX_UNITS)
        for c in range(MAX_UNITS):
            value = float(units[c][2] / units[r][2]) if r < count and c < count else 0.0
            out += struct.pack("<d", value)
    out += u16(MAX_UNITS)
    for k in range(MAX_UNITS):
        out += u16(k + 1 if k < count else 0)
    return out


def check_symbols():
    """A typed symbol must lead to one unit: library groups have no preferred units to choose
    between two of them."""
    symbols = Counter(symbol for _, _, units, _ in GROUPS for _, symbol, _ in units)
    shared = sorted(symbol for symbol, count in symbols.items() if count > 1)
    assert not shared, f"symbols used twice in the library: {shared}"
    for files in (Counter(group[3] for group in GROUPS), Counter(group[0] for group in GROUPS)):
        assert max(files.values()) == 1, files.most_common(1)


def main():
    check_symbols()
    OUT.mkdir(parents=True, exist_ok=True)
    for name, description, units, file_name in GROUPS:
        (OUT / file_name).write_bytes(factor_file(name, description, units))


if __name__ == "__main__":
    main()
