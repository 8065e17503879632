"""The groups of the library of extra groups and the definition of every unit in them.

Each unit is given by its size in the group's base quantity (the SI unit of its kind unless the
group says otherwise), as an exact fraction from the sources named beside it:
  SI        the SI units, prefixes and defining constants (BIPM, The International System of
            Units, 9th edition, 2019), with the units it accepts for use with the SI: the litre
            (10^-3 m^3), the hectare (10^4 m^2), the minute, hour and day
  IEC       the bit, the byte (octet) of 8 bits, and the binary prefixes kibi, mebi, ...
            (IEC 80000-13)
  SP811     NIST Special Publication 811 (2008), appendix B: the CGS units (abampere, gauss,
            maxwell, oersted, poise, stokes, phot, stilb, lambert...), the curie, rad and rem,
            the langley, foot-candle and foot-lambert, tex and denier, the computer point and
            pica (1/72 and 1/6 in), and the definitions of the units it lists
  yard      the international yard and pound (1959): 1 yd = 0.9144 m, 1 lb = 0.45359237 kg
  US gal    the US liquid gallon: 231 cubic inches
  imp gal   the imperial gallon: 4.54609 litres (UK Weights and Measures Act 1985)
  gravity   standard acceleration of gravity 9.80665 m/s^2 (3rd CGPM, 1901), for kilogram-force
            and pound-force
  CSS       CSS Values and Units (W3C): the pixel is 1/96 in; an em is the font size, taken at
            the 16 px that browsers start from
  candle    the candela took the place of the candle in 1948 (9th CGPM): a candlepower is one
            candela, and a spherical candlepower is one candela in every direction (4 pi lm)
The calories, Btu and the acre come from builtin_units, which names their sources.

Choices where a definition is not unique, made for what users of each quantity mean:
  - heat, specific heat and energy per mass use the international table calorie and Btu, as
    engineering tables do; the langley (solar radiation) and the calorie per second square
    centimetre keep the thermochemical calorie they were defined with
  - degrees in a denominator (Btu per pound degree Fahrenheit) are temperature differences
  - a twip is a twentieth of a point (1/1440 in), as word processors count it; a tenth is the
    machinist's ten-thousandth of an inch
"""

from fractions import Fraction as F

from builtin_units import ACRE, BTU_IT, CAL_IT, CAL_TH, DAY, FOOT, GRAVITY, HOUR, IMP_GALLON
from builtin_units import INCH, LITRE, MILE, MINUTE, OUNCE, PI, POUND, US_GALLON, YARD

KGF = GRAVITY                      # N (gravity)
LBF = POUND * GRAVITY              # N (yard, gravity)
SHORT_TON = 2000 * POUND           # kg (yard)
FAHRENHEIT_DEGREE = F(5, 9)        # K, as a difference
HECTARE = F(10**4)                 # m^2 (SI)
CURIE = F(37 * 10**9)              # Bq (SP811)
POINT = INCH / 72                  # m (SP811, computer point)
PIXEL = INCH / 96                  # m (CSS)

# The SI prefixes the groups use: symbol -> (name, factor)
PREFIXES = {
    "T": ("tera", F(10**12)),
    "G": ("giga", F(10**9)),
    "M": ("mega", F(10**6)),
    "k": ("kilo", F(10**3)),
    "c": ("centi", F(1, 10**2)),
    "d": ("deci", F(1, 10)),
    "m": ("milli", F(1, 10**3)),
    "µ": ("micro", F(1, 10**6)),
    "n": ("nano", F(1, 10**9)),
    "p": ("pico", F(1, 10**12)),
    "f": ("femto", F(1, 10**15)),
}


def si(name, symbol, size, prefixes):
    """The unit followed by its multiples with the given prefixes, in that order."""
    units = [(name, symbol, size)]
    for prefix in prefixes.split():
        prefix_name, factor = PREFIXES[prefix]
        units.append((prefix_name + name, prefix + symbol, factor * size))
    return units


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
        ("revolution per minute", "rpm", 1 / MINUTE),
        ("revolution per hour", "rph", 1 / HOUR),
    ], "Frequency.fsf"),
    ("Flow rate", "liters per minute, gallons per minute, cubic feet per second...", [
        ("cubic meter per second", "m³/s", F(1)),
        ("cubic meter per hour", "m³/h", 1 / HOUR),
        ("liter per second", "L/s", LITRE),
        ("liter per minute", "L/min", LITRE / MINUTE),
        ("liter per hour", "L/h", LITRE / HOUR),
        ("milliliter per minute", "mL/min", LITRE / 1000 / MINUTE),
        ("cubic foot per second", "ft³/s", FOOT ** 3),
        ("cubic foot per minute", "cfm", FOOT ** 3 / MINUTE),
        ("cubic inch per second", "in³/s", INCH ** 3),
        ("gallon (US) per minute", "gpm", US_GALLON / MINUTE),
        ("gallon (US) per hour", "gph", US_GALLON / HOUR),
        ("gallon (US) per day", "gpd", US_GALLON / DAY),
        ("gallon (Imperial) per minute", "imp gpm", IMP_GALLON / MINUTE),
        ("gallon (Imperial) per hour", "imp gph", IMP_GALLON / HOUR),
        ("barrel (oil) per day", "bbl/d", 42 * US_GALLON / DAY),
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

    # Electricity and magnetism. The ohm sign is not in the files' code page: "ohm" stands in.
    ("Electric current", "amperes, milliamperes, microamperes...",
     si("ampere", "A", F(1), "k m µ n p") + [
         ("abampere", "abA", F(10)),                             # SP811
     ], "ElectricCurrent.fsf"),
    ("Electric potential", "volts, millivolts, kilovolts...",
     si("volt", "V", F(1), "M k m µ n") + [
         ("abvolt", "abV", F(1, 10**8)),                         # SP811
     ], "ElectricPotential.fsf"),
    ("Electrical resistance", "ohms, kilohms, megohms...", [
        ("ohm", "ohm", F(1)),
        ("milliohm", "mohm", F(1, 10**3)),
        ("microohm", "µohm", F(1, 10**6)),
        ("kilohm", "kohm", F(10**3)),
        ("megohm", "Mohm", F(10**6)),
        ("gigaohm", "Gohm", F(10**9)),
        ("abohm", "abohm", F(1, 10**9)),                        # SP811
    ], "ElectricalResistance.fsf"),
    ("Electrical conductance", "siemens, millisiemens, mhos...",
     si("siemens", "S", F(1), "k m µ n") + si("mho", "mho", F(1), "µ"),  # SP811 (mho = S)
     "ElectricalConductance.fsf"),
    ("Capacitance", "farads, microfarads, picofarads...",
     si("farad", "F", F(1), "m µ n p f") + [
         ("abfarad", "abF", F(10**9)),                           # SP811
     ], "Capacitance.fsf"),
    ("Inductance", "henries, millihenries, microhenries...",
     si("henry", "H", F(1), "m µ n") + [
         ("abhenry", "abH", F(1, 10**9)),                        # SP811
     ], "Inductance.fsf"),
    ("Electric charge", "coulombs, ampere hours, milliampere hours...",
     si("coulomb", "C", F(1), "k m µ n p") + [
         ("ampere hour", "Ah", HOUR),                            # SP811 (3600 C)
         ("milliampere hour", "mAh", HOUR / 1000),
         ("abcoulomb", "abC", F(10)),                            # SP811
     ], "ElectricCharge.fsf"),
    ("Magnetic flux", "webers, milliwebers, maxwells...",
     si("weber", "Wb", F(1), "m µ n") + [
         ("maxwell", "Mx", F(1, 10**8)),                         # SP811
     ], "MagneticFlux.fsf"),
    ("Magnetic flux density", "teslas, milliteslas, gauss...",
     si("tesla", "T", F(1), "m µ n") + si("gauss", "G", F(1, 10**4), "k m") + [  # SP811
         ("gamma", "gamma", F(1, 10**9)),                        # SP811
     ], "MagneticFluxDensity.fsf"),
    ("Magnetic field strength", "amperes per meter, oersteds...",
     si("ampere per meter", "A/m", F(1), "k") +
     si("oersted", "Oe", 1000 / (4 * PI), "k"),                  # SP811
     "MagneticFieldStrength.fsf"),

    # Light and radiation.
    ("Luminous intensity", "candelas, millicandelas, candlepower...",
     si("candela", "cd", F(1), "k m") + [
         ("candlepower", "candlepower", F(1)),                   # candle
     ], "LuminousIntensity.fsf"),
    ("Luminous flux", "lumens, kilolumens, spherical candlepower...",
     si("lumen", "lm", F(1), "k m") + [
         ("spherical candlepower", "scp", 4 * PI),               # candle
     ], "LuminousFlux.fsf"),
    ("Illuminance", "lux, foot-candles, phots...",
     si("lux", "lx", F(1), "k m") + [
         ("foot-candle", "fc", 1 / FOOT ** 2),                   # SP811 (lm/ft²)
         ("phot", "ph", F(10**4)),                               # SP811
     ], "Illuminance.fsf"),
    ("Luminance", "candelas per square meter, nits, foot-lamberts...",
     si("candela per square meter", "cd/m²", F(1), "k") + [
         ("nit", "nit", F(1)),
         ("candela per square foot", "cd/ft²", 1 / FOOT ** 2),
         ("candela per square inch", "cd/in²", 1 / INCH ** 2),
         ("foot-lambert", "fL", 1 / (PI * FOOT ** 2)),           # SP811 (cd/(pi ft²))
         ("lambert", "La", 10**4 / PI),                          # SP811
         ("stilb", "sb", F(10**4)),                              # SP811
         ("apostilb", "asb", 1 / PI),                            # 1 lm/m² off a perfect diffuser
     ], "Luminance.fsf"),
    ("Radioactivity", "becquerels, curies, disintegrations per minute...",
     si("becquerel", "Bq", F(1), "k M G T") + si("curie", "Ci", CURIE, "m µ n p") + [
         ("disintegration per minute", "dpm", 1 / MINUTE),
     ], "Radioactivity.fsf"),
    # Gray and sievert are both J/kg, but a dose in grays becomes sieverts only through
    # weighting factors, never by a factor of one: they are two groups.
    ("Absorbed dose", "grays, milligrays, rads...",
     si("gray", "Gy", F(1), "k c m µ") + si("rad", "rad", F(1, 100), "m"),  # SP811
     "AbsorbedDose.fsf"),
    ("Equivalent dose", "sieverts, millisieverts, rems...",
     si("sievert", "Sv", F(1), "m µ n") + si("rem", "rem", F(1, 100), "m"),  # SP811
     "EquivalentDose.fsf"),
    ("Equivalent dose rate", "microsieverts per hour, millirems per hour...",
     si("sievert per hour", "Sv/h", F(1), "m µ n") +
     si("rem per hour", "rem/h", F(1, 100), "m µ"),              # SP811
     "EquivalentDoseRate.fsf"),

]
