#!/usr/bin/env python3
"""Generates the built-in group tables compiled into kalvex_core.

Writes resources/tables/string_table_data.cpp (tags, names, descriptions, unit blocks, default
orders and the Money date, keyed by their string-table numbers) and
resources/tables/factor_table_data.cpp (the fourteen "FACTORS" texts).

A factor text has one line per unit after the first: line j holds M[j][0] .. M[j][j-1], how
many of unit j+1 make one of unit 1 .. unit j. The first entry of every line is fixed below as
published; the others are the quotients M[j][0] / M[k][0] written with 13 significant digits
and three-digit exponents, as the home platform's C library writes them. Money and
Acceleration are kept in full. Lines end with CR LF; the text closes with a line of two
backslashes.

Run from anywhere: python3 tools/generate_builtin_tables.py
"""

import math
import pathlib
import re
from dataclasses import dataclass, field

ROOT = pathlib.Path(__file__).resolve().parent.parent
OUT = ROOT / "resources" / "tables"

MONEY_DATE_ID = 11000
MONEY_DATE = "6/13/1994"


@dataclass
class Group:
    group_id: int
    tag: str
    name: str
    description: str
    default_order: str
    units: list = field(default_factory=list)
    first_entries: list = field(default_factory=list)


TEMPERATURE = Group(4103, "Temp", "Temperature", "fahrenheit, celsius, kelvin...", "")

GROUPS = [
    Group(4104, 'Dist', 'Distance', 'inches, feet, meters, light years...', '2,14,18,4,1,11,19,10,8,24,6,17,15,23,5',
          units=[
              'meter,m',
              'ångstrom,Å',
              'astronomical unit,au',
              'centimeter,cm',
              'chain,chain',
              'fathom,fath',
              'femtometer,fm',
              'foot,ft',
              'foot (US survey),ft',
              'inch,in',
              'kilometer,km',
              'light year,ly',
              'microinch,µin',
              'micrometer,µm',
              'mile (nautical),nmi',
              'mile (international),mi',
              'mile (US statute),mi',
              'millimeter,mm',
              'mil,mil',
              'parsec,parsec',
              'pica (printer),pica',
              'point (printer),pt',
              'rod,rod',
              'yard,yd',
              'league (marine),league',
          ],
          first_entries=['10000000000', '6.684585813e-012', '100', '0.049709596', '0.546806649', '1e+015', '3.280839895', '3.280833437', '39.37007874', '0.001', '1.056970722e-016', '39370078.74', '1000000', '0.0005399568035', '0.0006213711922', '0.0006213700339', '1000', '39370.07874', '3.24077885e-017', '237.1062791', '2845.275619', '0.198838386', '1.093613298', '1.7998560167e-004']),
    Group(4105, 'Mass', 'Mass', 'ounces, grams, pounds, kilograms...', '8,5,2,1,17,4,10,9,12,13,11,14,7,18,16',
          units=[
              'kilogram,kg',
              'carat (metric),Kt',
              'dram,dr',
              'grain,gr',
              'gram,g',
              'hundredweight (long),hwt',
              'hundredweight (short),hwt',
              'milligram,mg',
              'ounce,oz',
              'ounce (troy),oz t',
              'pennyweight,pwt',
              'pound,lb',
              'pound (troy),lb t',
              'slug,slug',
              'ton (assay),t',
              'ton (long),ton',
              'ton (metric),t',
              'ton (short),ton',
          ],
          first_entries=['5000', '564.3833912', '15432.35835', '1000', '0.019684128', '0.022046224', '1000000', '35.27396584', '32.15074326', '643.0148652', '2.204622622', '2.679229036', '0.068521779', '34.28571037', '0.0009842064393', '0.001', '0.00110231136']),
    Group(4106, 'Vol', 'Volume', 'ounces, liters, pints, milliliters...', '18,16,1,3,2,27,28,19,11,23,25,12,8,9,10',
          units=[
              'cubic meter,m³',
              'acre-foot,acre·foot',
              'barrel (oil),bbl',
              'board foot,bft',
              'bushel,bsh',
              'cord,cord',
              'cubic centimeter,cm³',
              'cubic inch,in³',
              'cubic foot,ft³',
              'cubic yard,yd³',
              'cup (US),cup',
              'gallon (US),gal',
              'gallon (Imperial),gal',
              'gill (UK),gil',
              'gill (US),gil',
              'liter,L',
              'microliter,µL',
              'milliliter,mL',
              'ounce (US fluid),oz',
              'ounce (Imperial fluid),oz',
              'peck (US),peck',
              'pint (US dry),pt',
              'pint (US fluid),pt',
              'quart (US dry),qt',
              'quart (US fluid),qt',
              'stere,st',
              'tablespoon,tbl',
              'teaspoon,tsp',
              'ton (register),ton',
          ],
          first_entries=['0.0008107012566', '6.28981057', '423.7760394', '28.37759339', '0.275894338', '1000000', '61023.74409', '35.31466247', '1.307950547', '4226.542688', '264.1720373', '219.9692483', '7039.015946', '8453.514126', '1000', '1000000000', '1000000', '33814.0222', '35195.079', '113.5099548', '1816.167523', '2113.378531', '908.0837616', '1056.688149', '1', '67613.2522', '202880.9089', '0.353146624']),
    Group(4107, 'Area', 'Area', 'square feet, square meters, acres...', '4,11,1,3,7,12,5,6,8,9,13,2,10,14',
          units=[
              'square meter,m²',
              'acre,acre',
              'are,a',
              'barn,b',
              'circular mil,cmil',
              'darcy,d',
              'hectare,ha',
              'square inch,in²',
              'square foot,ft²',
              'square mile,mi²',
              'square millimeter,mm²',
              'square kilometer,km²',
              'square yard,yd²',
              'township,ts',
          ],
          first_entries=['0.0002471027206', '0.01', '1e+028', '1973525160', '1013250274000', '0.0001', '1550.0031', '10.76391042', '3.86102175e-007', '1000000', '1e-006', '1.195989989', '1.072505996e-008']),
    Group(4108, 'Angl', 'Angle', 'degrees, radians, grades...', '1,2,3,4,9,7,5,6,8',
          units=[
              'radian,rad',
              'degree,°',
              "minute,'",
              "second,''",
              'grade,g',
              'centigrade,cg',
              'mil,mil',
              'quadrant,+',
              'revolution,r',
          ],
          first_entries=['57.29578779', '3437.746873', '206264.7982', '63.66199048', '6366.199048', '1018.6', '0.6366199048', '0.15915495']),
    Group(4109, 'Powr', 'Power', 'horsepower, watts, calories/sec...', '1,2,3,17,14,16,18,19,11,12,10,8,4,6,20',
          units=[
              'watt,W',
              'kilowatt,kW',
              'megawatt,MW',
              "Btu (int'l) per hour,Btu/h",
              "Btu (int'l) per second,Btu/s",
              'Btu (therm) per hour,Btu/h',
              'Btu (therm) per second,Btu/s',
              'calorie (therm) per hour,cal/h',
              'calorie (therm) per second,cal/s',
              'erg per second,erg/s',
              'foot pound force per hour,ft·lbf/h',
              'foot pound force per minute,ft·lbf/min',
              'foot pound force per second,ft·lbf/s',
              'horsepower (550 ft·lbf/s),hp',
              'horsepower (boiler),hp',
              'horsepower (electric),hp',
              'horsepower (metric),hp',
              'horsepower (water),hp',
              'kilocalorie (therm) per second,kcal/s',
              'ton refrigeration,ton',
              "Btu (int'l) per minute,Btu/min",
              'Btu (therm) per minute,Btu/min',
          ],
          first_entries=['0.001', '1e-006', '3.412141285852', '0.0009478169879134', '3.414424783807', '0.000948451652677', '860.4206946647', '0.2390057361377', '10000000', '2655.223714546', '44.25372074221', '0.7375621211697', '0.001341022038', '0.000101941995', '0.001340482574', '0.001359621155', '0.001340405312', '0.0002390057361', '0.0002843332386', '0.05686901927401', '0.05690709916062']),
    Group(4110, 'Ener', 'Energy', "joules, Btu's, electron volts...", '1,10,9,6,7,8,17,20,22,21,16,11,2,3,4',
          units=[
              'joule,J',
              "British thermal unit (int'l),Btu",
              'British thermal unit (mean),Btu',
              'British thermal unit (therm),Btu',
              "calorie (int'l),cal",
              'calorie (mean),cal',
              'calorie (therm),cal',
              'calorie (nutrition),cal',
              'electronvolt,eV',
              'erg,erg',
              'foot pound force,ft·lbf',
              'foot poundal,ft·pdl',
              "kilocalorie (int'l),kcal",
              'kilocalorie (mean),kcal',
              'kilocalorie (therm),kcal',
              'kilowatthour,kWh',
              'quad,quad',
              'therm (European),therm',
              'therm (US),therm',
              'ton (TNT),ton',
              'watthour,Wh',
              'wattsecond,W·s',
          ],
          first_entries=['0.0009478169879', '0.000947086289', '0.0009484516527', '0.2388458961', '0.238662345', '0.2390057361', '0.0002390057361', '6.241457006e+018', '10000000', '0.737562121', '23.73036046', '0.0002388458961', '0.0002386623453', '0.0002390057361', '2.777777778e-007', '9.478672986e-019', '9.478133945e-009', '9.48043428e-009', '2.390057361e-010', '0.0002777777778', '1']),
    Group(4111, 'Pres', 'Pressure', 'inches of mercury, lbf/in², atmospheres...', '1,16,4,19,18,2,12,8,10,20,23,22,14,15,24',
          units=[
              'pascal,Pa',
              'atmosphere (std),atm',
              'atmosphere (kgf/cm²),at',
              'bar,bar',
              'centimeter of mercury (0°C),cmHg',
              'centimeter of water (4°C),cmH2O',
              'dyne per square centimeter,dyn/cm²',
              'foot of water (39.2°F),ftH2O',
              'gram force per square centimeter,gf/cm²',
              'inch of mercury (32°F),inHg',
              'inch of mercury (60°F),inHg',
              'inch of water (39.2°F),inH2O',
              'inch of water (60°F),inH2O',
              'kilogram force per sq cm,kgf/cm²',
              'kilogram force per sq meter,kgf/m²',
              'kilopascal,kPa',
              'kilopound force per square inch,klbf/si²',
              'microbar,µbar',
              'millibar,mbar',
              'millimeter mercury (0°C),mmHg',
              'poundal per square foot,pdl/ft²',
              'pound force per square foot,lbf/ft²',
              'pound force per square inch,lbf/in²',
              'torr,torr',
          ],
          first_entries=['9.869232667e-006', '1.01971613e-005', '1e-005', '0.0007500637554', '0.01019716213', '10', '0.0003345522186', '0.01019716213', '0.0002952997144', '0.000296133971', '0.004014629309', '0.00401864652', '1.019716213e-005', '0.101971621', '0.001', '1.450377439e-007', '10', '0.01', '0.007500637554', '0.6719689497', '0.02088543379', '0.0001450377439', '0.007500637554']),
    Group(4112, 'Time', 'Time', 'hours, years, months, centuries...', '4,3,2,1,6,7,9,10,11,12,13,14,15,17,18',
          units=[
              'second,s',
              'millisecond,ms',
              'nanosecond,ns',
              'picosecond,ps',
              'shake,shake',
              'second (sidereal),s',
              'minute,min',
              'minute (sidereal),min',
              'hour,h',
              'hour (sidereal),h',
              'day,d',
              'day (sidereal),d',
              'week (7 day),wk',
              'month (30 day),mo',
              'year (365 day),yr',
              'year (sidereal),yr',
              'century,century',
              'millennium,millennium',
              'microsecond,µs',
          ],
          first_entries=['1000', '1000000000', '1000000000000', '100000000', '1.002737875', '0.016666666667', '0.0167122996', '0.0002777777778', '0.0002785383422', '1.157407407e-005', '1.160576291e-005', '1.653439153e-006', '3.858024691e-007', '3.170979198e-008', '3.168753555e-008', '3.170979198e-010', '3.170979198e-011', '1000000']),
    Group(4113, 'Forc', 'Force', 'poundal, newton, dyne, gram force...', '2,4,3,1,7,5,6,8,9,10,11,12',
          units=[
              'newton,N',
              'dyne,dyn',
              'joule per meter,J/m',
              'joule per centimeter,J/cm',
              'gram force,gf',
              'kilogram force,kgf',
              'kilonewtons,kN',
              'kilopound,klb',
              'ounce force,ozf',
              'pound force,lbf',
              'poundal,pdl',
              'ton force,tf',
          ],
          first_entries=['100000', '1', '0.01', '101.9716213', '0.1019716213', '0.001', '0.0002248089237', '3.596942455', '0.2248089237', '7.233011464', '0.0001124044745']),
    Group(4114, 'Dens', 'Density', 'cubic meter/kilogram, gallon/pound...', '1,2,14,15,6,3,4,5,7,8,9,10,11,13,12',
          units=[
              'kilogram per cubic meter,kg/m³',
              'gram per cubic meter,g/m³',
              'grain per gallon (US),gr/gal',
              'ounce (av) per gallon,oz/gal',
              'pound per gallon,lb/gal',
              'milligram per liter,mg/L',
              'ounce (av) per cubic inch,oz/in³',
              'ounce (av) per cubic foot,oz/ft³',
              'pound per cubic inch,lb/in³',
              'pound per cubic foot,lb/ft³',
              'pound per cubic yard,lb/yd³',
              'ton (long) per cubic yard,t/yd³',
              'ton (short) per cubic yard,t/yd³',
              'kilogram per liter,kg/L',
              'gram per liter,g/L',
              'gram per cubic centimeter,g/cm³',
          ],
          first_entries=['1000', '58.417844485', '0.13352650168', '0.008345406355', '1000', '0.0005780366868', '0.9988473948', '3.612729815e-005', '0.06242797373', '1.685554996', '0.0007524799859', '0.0008427773559', '0.001', '1', '1000000000']),
    Group(4115, 'Velo', 'Velocity', 'miles/hour, meter/sec, mach number...', '1,3,8,10,19,21,16,18,4,6,7,12,13,15,11',
          units=[
              'meter per second,m/s',
              'meter per minute,m/min',
              'meter per hour,m/h',
              'foot per second,ft/s',
              'foot per minute,ft/min',
              'foot per hour,ft/h',
              'inch per second,in/s',
              'kilometer per second,km/s',
              'kilometer per minute,km/min',
              'kilometer per hour,km/h',
              'mach number,Ma',
              'knot,kn',
              'mile per hour,mi/h',
              'mile per minute,mi/min',
              'mile per second,mi/s',
              'millimeter per second,mm/s',
              'millimeter per minute,mm/min',
              'millimeter per hour,mm/h',
              'centimeter per second,cm/s',
              'centimeter per minute,cm/min',
              'centimeter per hour,cm/h',
          ],
          first_entries=['60', '3600', '3.280839895', '196.8503937', '11811.02316', '39.37007874', '0.001', '0.06', '3.6', '0.003016955289', '1.94384466', '2.236936292', '0.03728227153', '0.0006213711922', '1000', '60000', '3600000', '100', '6000', '360000']),
    Group(4116, 'Mony', 'Money', 'dollars, marks, francs, pounds, yen...', '1,2,3,4,5,6,7,8,9,10',
          units=[
              'US dollar,$',
              'German mark,DM',
              'British pound,£',
              'Japanese yen,¥',
              'Canadian dollar,$ CDN',
              'French franc,ff',
              'Dutch guilder,guilder',
              'Italian lira,lira',
              'Mexican peso,peso',
              'Swiss franc,SFr',
          ],
          first_entries=['1.6456', '0.6577', '102.955', '1.382', '5.6126', '1.844', '1594.39', '3.3755', '1.3872']),
    Group(4117, 'Acce', 'Acceleration', "cm/s², m/s², ft/s², g's...", '1,2,3,4,5,6',
          units=[
              'meter per second²,m/s²',
              'centimeter per second²,cm/s²',
              'kilometer per hour·second,km/(h·s)',
              'inch per second²,in/s²',
              'foot per second²,ft/s²',
              'g (gravity),g',
          ],
          first_entries=['100', '3.6', '39.37007874', '3.280839895', '0.101971621']),
]

MONEY_ROWS = [
    '1.6456',
    '0.6577,0.399671852212',
    '102.955,62.56380651434,156.5379352288',
    '1.382,0.839815264949,2.101261973544,0.0134233402943',
    '5.6126,3.410670879922,8.533677968679,0.05451507940362,4.061215629522',
    '1.844,1.120563928051,2.80370989813,0.01791073770094,1.334298118669,0.3285464846952',
    '1594.39,968.8806514341,2424.190360347,15.48628041377,1153.683068017,284.0733349963,864.636659436',
    '3.3755,2.0512275158,5.13227915463,0.03278616871449,2.442474674385,0.6014146741261,1.830531453362,0.002117110619108',
    '1.3872,0.8429752066116,2.109168313821,0.01347384779758,1.003762662808,0.2471581798097,0.7522776572668,0.0008700506149687,0.4109613390609',
]
ACCELERATION_ROWS = [
    '100',
    '3.6,0.036',
    '39.37007874,0.3937007874,10.93613298333',
    '3.280839895,0.03280839895,0.9113444152778,0.08333333333333',
    '0.101971621,0.00101971621,0.02832545027778,0.00259007917341,0.03108095008092',
]

FULL_TABLES = {"Mony": MONEY_ROWS, "Acce": ACCELERATION_ROWS}


def c_number(value):
    """%.13g with the three-digit exponent of the home platform's C library."""
    text = "%.13g" % value
    return re.sub(r"e([+-])(\d+)$", lambda m: "e%s%03d" % (m.group(1), int(m.group(2))), text)


def factor_lines(group):
    if group.tag in FULL_TABLES:
        lines = FULL_TABLES[group.tag]
        check_full_table(group, lines)
        return lines
    firsts = [1.0] + [float(v) for v in group.first_entries]
    lines = []
    for j, first_text in enumerate(group.first_entries, start=1):
        quotients = [c_number(firsts[j] / firsts[k]) for k in range(1, j)]
        lines.append(",".join([first_text] + quotients))
    return lines


def check_full_table(group, lines):
    """A table kept in full must agree with its first entries and with the quotient rule."""
    assert len(lines) == len(group.units) - 1, group.tag
    firsts = [1.0]
    for j, line in enumerate(lines, start=1):
        values = [float(v) for v in line.split(",")]
        assert len(values) == j, (group.tag, j)
        assert line.split(",")[0] == group.first_entries[j - 1], (group.tag, j)
        firsts.append(values[0])
        for k in range(1, j):
            assert math.isclose(values[k], firsts[j] / firsts[k], rel_tol=1e-11), (group.tag, j, k)


def factor_text(group):
    return "".join(line + "\r\n" for line in factor_lines(group)) + "\\\\\r\n"


def string_entries():
    entries = {}
    for group in [TEMPERATURE] + GROUPS:
        entries[group.group_id - 4088] = group.tag
        entries[group.group_id - 4040] = group.name
        entries[group.group_id] = group.description
    for group in GROUPS:
        block = 64 * (group.group_id - 4104) + 160
        entries[block] = str(len(group.units))
        for number, unit in enumerate(group.units, start=1):
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


def write_factor_tables():
    blocks = []
    for group in GROUPS:
        lines = factor_text(group).split("\r\n")[:-1]
        body = "\n".join("     " + c_literal(line + "\r\n") for line in lines)
        blocks.append('    {"%sROWS",\n%s},\n' % (group.tag.upper(), body))
    (OUT / "factor_table_data.cpp").write_text(
        HEADER
        + '#include "resources/tables/table_data.h"\n\n'
        + "namespace kalvex::tables {\nnamespace {\n\n"
        + "// clang-format off\nconstexpr FactorTable kTables[] = {\n"
        + "".join(blocks)
        + "};\n// clang-format on\n\n} // namespace\n\n"
        + "std::span<const FactorTable> FactorTables()\n{\n    return kTables;\n}\n\n"
        + "} // namespace kalvex::tables\n",
        encoding="utf-8",
    )


if __name__ == "__main__":
    for g in GROUPS:
        assert len(g.first_entries) == len(g.units) - 1, g.tag
    write_string_table()
    write_factor_tables()
