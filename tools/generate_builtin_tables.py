#!/usr/bin/env python3
"""Generates the built-in group tables compiled into kalvex_core, and the expected unit sizes
the table test checks them against.

Writes
  resources/tables/string_table_data.cpp          tags, names, descriptions, unit blocks, default
                                                   orders and the Money date, by string number
  resources/tables/factor_table_data.cpp          the fourteen "FACTORS" texts
  resources/tables/earlier_factor_table_data.cpp  the same texts as an earlier build carried them
  tests/storage/builtin_unit_sizes.h              every unit's size in its group's first unit

A factor text has one line per unit after the first: line j holds M[j][0] .. M[j][j-1], how
many of unit j+1 make one of unit 1 .. unit j. Every entry is the exact quotient of the two
units' definitions (tools/builtin_units.py), rounded once to a double and written in the C
library's %.13g form with three-digit exponents, or with as many more digits (up to 17) as the
double needs to read back exactly: the program keeps only this lower triangle and takes the
upper one as its reciprocals, which are right to the last of 13 digits only when the lower
entry is the nearest double. Money is kept in full as published. Lines end with CR LF; the text
closes with a line of two backslashes.

The earlier texts are built exactly as the earlier build's generator built them, from the
published first entries in tools/earlier_builtin_tables.py.

Run from anywhere: python3 tools/generate_builtin_tables.py
"""

import math
import pathlib
import re
from decimal import Context
from fractions import Fraction

from builtin_units import GROUPS, MONEY_ROWS, TEMPERATURE, Published
from earlier_builtin_tables import EARLIER_ACCELERATION_ROWS, EARLIER_FIRST_ENTRIES

ROOT = pathlib.Path(__file__).resolve().parent.parent
OUT = ROOT / "resources" / "tables"
TEST_OUT = ROOT / "tests" / "storage"

MONEY_DATE_ID = 11000
MONEY_DATE = "6/13/1994"
# Significant digits of the exact sizes the table test compares with.
EXACT_DIGITS = 25


def three_digit_exponent(text):
    return re.sub(r"e([+-])(\d+)$", lambda m: "e%s%03d" % (m.group(1), int(m.group(2))), text)


def c_number(value):
    """%.13g with the three-digit exponent of the home platform's C library."""
    return three_digit_exponent("%.13g" % value)


def exact_c_number(value):
    """The double nearest the exact value, in the fewest digits from 13 up that read back as it."""
    nearest = float(value)
    for digits in range(13, 18):
        text = "%.*g" % (digits, nearest)
        if float(text) == nearest:
            return three_digit_exponent(text)
    raise AssertionError(value)


def unit_sizes(group):
    """Each unit's size in the group's first unit, exactly."""
    first = group.units[0][1]
    sizes = []
    for entry, definition in group.units:
        if isinstance(definition, Published):
            sizes.append(1 / Fraction(definition.first_entry))
        else:
            sizes.append(definition / first)
    return sizes


def factor_lines(group):
    if group.tag == "Mony":
        check_full_table(group, MONEY_ROWS)
        return MONEY_ROWS
    sizes = unit_sizes(group)
    lines = []
    for j in range(1, len(sizes)):
        lines.append(",".join(exact_c_number(sizes[k] / sizes[j]) for k in range(j)))
        definition = group.units[j][1]
        if isinstance(definition, Published):
            # A published value stands as written.
            first = lines[-1].split(",")[0]
            assert float(first) == float(definition.first_entry), (group.tag, j, first)
    return lines


def check_full_table(group, lines):
    """A table kept in full must agree with its published first entries and the quotient rule."""
    assert len(lines) == len(group.units) - 1, group.tag
    firsts = [1.0]
    for j, line in enumerate(lines, start=1):
        values = [float(v) for v in line.split(",")]
        assert len(values) == j, (group.tag, j)
        assert line.split(",")[0] == group.units[j][1].first_entry, (group.tag, j)
        firsts.append(values[0])
        for k in range(1, j):
            assert math.isclose(values[k], firsts[j] / firsts[k], rel_tol=1e-11), (group.tag, j, k)


def earlier_factor_lines(group):
    """The lines as the earlier build wrote them: published first entries, %.13g quotients of
    their doubles, Money and Acceleration in full."""
    if group.tag == "Mony":
        return MONEY_ROWS
    if group.tag == "Acce":
        return EARLIER_ACCELERATION_ROWS
    first_entries = EARLIER_FIRST_ENTRIES[group.tag]
    assert len(first_entries) == len(group.units) - 1, group.tag
    firsts = [1.0] + [float(v) for v in first_entries]
    lines = []
    for j, first_text in enumerate(first_entries, start=1):
        quotients = [c_number(firsts[j] / firsts[k]) for k in range(1, j)]
        lines.append(",".join([first_text] + quotients))
    return lines


def factor_text(lines):
    return "".join(line + "\r\n" for line in lines) + "\\\\\r\n"


def string_entries():
    entries = {}
    for group in [TEMPERATURE] + GROUPS:
        entries[group.group_id - 4088] = group.tag
        entries[group.group_id - 4040] = group.name
        entries[group.group_id] = group.description
    for group in GROUPS:
        block = 64 * (group.group_id - 4104) + 160
        entries[block] = str(len(group.units))
        for number, (unit, _) in enumerate(group.units, start=1):
            entries[block + number] = unit
        entries[group.group_id + 10000] = group.default_order
    entries[MONEY_DATE_ID] = MONEY_DATE
    return sorted(entries.items())


def c_literal(text):
    escaped = text.replace("\\", "\\\\").replace('"', '\\"').replace("\r", "\\r").replace("\n", "\\n")
    return '"' + escaped + '"'


HEADER = "// Generated by tools/generate_builtin_tables.py from its tables; do not edit.\n"


def write_string_table():
    rows = "".join("    {%d, %s},\n" % (number, c_literal(text)) for number, text in string_entries())
    (OUT / "string_table_data.cpp").write_text(
        HEADER
        + '#include "resources/tables/table_data.h"\n\n'
        + "namespace kalvex::tables {\nnamespace {\n\n"
        + "// Sorted by number.\nconstexpr StringEntry kEntries[] = {\n"
        + rows
        + "};\n\n} // namespace\n\n"
        + "std::span<const StringEntry> StringTable()\n{\n    return kEntries;\n}\n\n"
        + "} // namespace kalvex::tables\n",
        encoding="utf-8",
    )


def write_factor_tables(file_name, function, lines_of, skip=lambda group: False):
    blocks = []
    for group in GROUPS:
        if skip(group):
            continue
        lines = factor_text(lines_of(group)).split("\r\n")[:-1]
        body = "\n".join("     " + c_literal(line + "\r\n") for line in lines)
        blocks.append('    {"%sROWS",\n%s},\n' % (group.tag.upper(), body))
    (OUT / file_name).write_text(
        HEADER
        + '#include "resources/tables/table_data.h"\n\n'
        + "namespace kalvex::tables {\nnamespace {\n\n"
        + "// clang-format off\nconstexpr FactorTable kTables[] = {\n"
        + "".join(blocks)
        + "};\n// clang-format on\n\n} // namespace\n\n"
        + "std::span<const FactorTable> %s()\n{\n    return kTables;\n}\n\n" % function
        + "} // namespace kalvex::tables\n",
        encoding="utf-8",
    )


def exact_decimal(value):
    context = Context(prec=EXACT_DIGITS)
    quotient = context.divide(context.create_decimal(value.numerator), value.denominator)
    return "{:.{}e}".format(quotient, EXACT_DIGITS - 1)


def write_unit_sizes():
    rows = []
    for group in GROUPS:
        for unit, size in enumerate(unit_sizes(group)):
            rows.append("    {%d, %d, \"%s\"},\n" % (group.group_id, unit, exact_decimal(size)))
    (TEST_OUT / "builtin_unit_sizes.h").write_text(
        "// Generated by tools/generate_builtin_tables.py from the units' definitions; do not edit.\n"
        + "#pragma once\n\n"
        + "namespace kalvex::testing {\n\n"
        + "struct BuiltinUnitSize {\n"
        + "    int groupId;\n"
        + "    int unit;                // 0-based, as in the group's unit entries\n"
        + "    const char* inFirstUnit; // how many of the group's first unit make one of it\n"
        + "};\n\n"
        + "// clang-format off\ninline constexpr BuiltinUnitSize kBuiltinUnitSizes[] = {\n"
        + "".join(rows)
        + "};\n// clang-format on\n\n"
        + "} // namespace kalvex::testing\n",
        encoding="utf-8",
    )


if __name__ == "__main__":
    write_string_table()
    write_factor_tables("factor_table_data.cpp", "FactorTables", factor_lines)
    # A table that did not change (Money's) is carried once.
    write_factor_tables("earlier_factor_table_data.cpp", "EarlierFactorTables", earlier_factor_lines,
                        skip=lambda group: earlier_factor_lines(group) == factor_lines(group))
    write_unit_sizes()
