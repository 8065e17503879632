#!/usr/bin/env python3
"""Generates the library of extra groups installed with the program (share/kalvex/groups).

Each group is written as a factor file (.fsf) in the program's own byte layout. Every unit is
defined exactly, as a fraction of the group's base quantity, from the sources named beside it;
the factor M[r][c] (how many of unit r make one unit c) is size(c) / size(r), computed exactly
and rounded once to a double.

Sources:
  SI        the SI prefixes and units (BIPM, The International System of Units, 9th edition)
  IEC       binary prefixes kibi, mebi, ... (IEC 80000-13)
  yard      the international yard and pound (1959): 1 yd = 0.9144 m, 1 lb = 0.45359237 kg,
            so 1 ft = 0.3048 m, 1 in = 0.0254 m, 1 mi = 1609.344 m
  US gal    the US liquid gallon: 231 cubic inches
  imp gal   the imperial gallon: 4.54609 litres (UK Weights and Measures Act 1985)
  gravity   standard acceleration of gravity 9.80665 m/s^2 (3rd CGPM, 1901), for kilogram-force
            and pound-force

Run from anywhere: python3 tools/generate_library_groups.py
"""

import pathlib
import struct
from fractions import Fraction as F

ROOT = pathlib.Path(__file__).resolve().parent.parent
OUT = ROOT / "resources" / "groups"

MAX_UNITS = 30
UPDATE_DATE = "12/8/2026"

INCH = F("0.0254")                # m (yard)
FOOT = F("0.3048")                # m (yard)
MILE = F("1609.344")              # m (yard)
LITRE = F(1, 1000)                # m^3 (SI)
US_GALLON = 231 * INCH ** 3       # m^3 (US gal)
IMP_GALLON = F("4.54609") * LITRE # m^3 (imp gal)
GRAVITY = F("9.80665")            # m/s^2 (gravity)
KGF = GRAVITY                     # N (gravity)
LBF = F("0.45359237") * GRAVITY   # N (yard, gravity)

# name, description, [(unit name, symbol, size in the base quantity)], file name
GROUPS = [
    ("Data size", "bits, bytes, kilobytes (SI), kibibytes (IEC)...", [
        ("bit", "bit", F(1)),
        ("byte", "B", F(8)),
        ("kilobit (SI)", "kbit", F(10**3)),
        ("megabit (SI)", "Mbit", F(10**6)),
        ("gigabit (SI)", "Gbit", F(10**9)),
        ("kilobyte (SI)", "kB", 8 * F(10**3)),
        ("megabyte (SI)", "MB", 8 * F(10**6)),
        ("gigabyte (SI)", "GB", 8 * F(10**9)),
        ("terabyte (SI)", "TB", 8 * F(10**12)),
        ("petabyte (SI)", "PB", 8 * F(10**15)),
        ("kibibyte (IEC)", "KiB", 8 * F(2**10)),
        ("mebibyte (IEC)", "MiB", 8 * F(2**20)),
        ("gibibyte (IEC)", "GiB", 8 * F(2**30)),
        ("tebibyte (IEC)", "TiB", 8 * F(2**40)),
        ("pebibyte (IEC)", "PiB", 8 * F(2**50)),
    ], "DataSize.fsf"),
    ("Frequency", "hertz, kilohertz, revolutions per minute...", [
        ("hertz", "Hz", F(1)),
        ("millihertz", "mHz", F(1, 10**3)),
        ("kilohertz", "kHz", F(10**3)),
        ("megahertz", "MHz", F(10**6)),
        ("gigahertz", "GHz", F(10**9)),
        ("terahertz", "THz", F(10**12)),
        ("revolution per minute", "rpm", F(1, 60)),
        ("revolution per hour", "rph", F(1, 3600)),
    ], "Frequency.fsf"),
    ("Flow rate", "liters per minute, gallons per minute, cubic feet per second...", [
        ("cubic meter per second", "m³/s", F(1)),
        ("cubic meter per hour", "m³/h", F(1, 3600)),
        ("liter per second", "L/s", LITRE),
        ("liter per minute", "L/min", LITRE / 60),
        ("liter per hour", "L/h", LITRE / 3600),
        ("milliliter per minute", "mL/min", LITRE / 1000 / 60),
        ("cubic foot per second", "ft³/s", FOOT ** 3),
        ("cubic foot per minute", "cfm", FOOT ** 3 / 60),
        ("cubic inch per second", "in³/s", INCH ** 3),
        ("gallon (US) per minute", "gpm", US_GALLON / 60),
        ("gallon (US) per hour", "gph", US_GALLON / 3600),
        ("gallon (US) per day", "gpd", US_GALLON / 86400),
        ("gallon (Imperial) per minute", "imp gpm", IMP_GALLON / 60),
        ("gallon (Imperial) per hour", "imp gph", IMP_GALLON / 3600),
        ("barrel (oil) per day", "bbl/d", 42 * US_GALLON / 86400),
    ], "FlowRate.fsf"),
    ("Torque", "newton meters, pound-force feet, kilogram-force meters...", [
        ("newton meter", "N·m", F(1)),
        ("kilonewton meter", "kN·m", F(10**3)),
        ("newton centimeter", "N·cm", F(1, 100)),
        ("newton millimeter", "N·mm", F(1, 1000)),
        ("dyne centimeter", "dyn·cm", F(1, 10**7)),
        ("kilogram-force meter", "kgf·m", KGF),
        ("kilogram-force centimeter", "kgf·cm", KGF / 100),
        ("gram-force centimeter", "gf·cm", KGF / 1000 / 100),
        ("pound-force foot", "lbf·ft", LBF * FOOT),
        ("pound-force inch", "lbf·in", LBF * INCH),
        ("ounce-force inch", "ozf·in", LBF / 16 * INCH),
    ], "Torque.fsf"),
    # Volume per distance; miles per gallon is its reciprocal and cannot be a factor.
    ("Fuel consumption", "liters per 100 km, gallons per 100 miles...", [
        ("liter per 100 kilometers", "L/100 km", LITRE / 100000),
        ("liter per kilometer", "L/km", LITRE / 1000),
        ("gallon (US) per 100 miles", "gal/100 mi", US_GALLON / (100 * MILE)),
        ("gallon (Imperial) per 100 miles", "imp gal/100 mi", IMP_GALLON / (100 * MILE)),
    ], "FuelConsumption.fsf"),
]


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
    for unit, symbol, _ in units:
        # Readers split a unit entry at commas.
        assert "," not in unit + symbol, unit
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


def main():
    OUT.mkdir(parents=True, exist_ok=True)
    for name, description, units, file_name in GROUPS:
        (OUT / file_name).write_bytes(factor_file(name, description, units))


if __name__ == "__main__":
    main()
