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
    # Rotational speed is a frequency: one revolution per second is one hertz.
    ("Frequency and rotational speed", "hertz, revolutions per minute, radians per second...", [
        ("hertz", "Hz", F(1)),
        ("millihertz", "mHz", F(1, 10**3)),
        ("kilohertz", "kHz", F(10**3)),
        ("megahertz", "MHz", F(10**6)),
        ("gigahertz", "GHz", F(10**9)),
        ("terahertz", "THz", F(10**12)),
        ("revolution per minute", "rpm", 1 / MINUTE),
        ("revolution per hour", "rph", 1 / HOUR),
        ("revolution per second", "rps", F(1)),
        ("radian per second", "rad/s", 1 / (2 * PI)),
        ("degree per second", "°/s", F(1, 360)),
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

    # Flow of matter and heat.
    ("Dynamic viscosity", "pascal seconds, poises, centipoises...",
     si("pascal second", "Pa·s", F(1), "m µ") + si("poise", "P", F(1, 10), "c µ") + [  # SP811
         ("kilogram-force second per square meter", "kgf·s/m²", KGF),
         ("pound-force second per square foot", "lbf·s/ft²", LBF / FOOT ** 2),
         ("pound-force second per square inch", "lbf·s/in²", LBF / INCH ** 2),
         ("pound per foot second", "lb/(ft·s)", POUND / FOOT),
         ("pound per foot hour", "lb/(ft·h)", POUND / FOOT / HOUR),
     ], "DynamicViscosity.fsf"),
    ("Kinematic viscosity", "stokes, centistokes, square meters per second...", [
        ("square meter per second", "m²/s", F(1)),
        ("square meter per hour", "m²/h", 1 / HOUR),
        ("square centimeter per second", "cm²/s", F(1, 10**4)),
        ("square millimeter per second", "mm²/s", F(1, 10**6)),
        *si("stokes", "St", F(1, 10**4), "c"),                  # SP811
        ("square foot per second", "ft²/s", FOOT ** 2),
        ("square foot per hour", "ft²/h", FOOT ** 2 / HOUR),
        ("square inch per second", "in²/s", INCH ** 2),
    ], "KinematicViscosity.fsf"),
    ("Mass flow", "kilograms per hour, pounds per hour, tons per day...", [
        ("kilogram per second", "kg/s", F(1)),
        ("kilogram per minute", "kg/min", 1 / MINUTE),
        ("kilogram per hour", "kg/h", 1 / HOUR),
        ("kilogram per day", "kg/d", 1 / DAY),
        ("gram per second", "g/s", F(1, 1000)),
        ("gram per minute", "g/min", F(1, 1000) / MINUTE),
        ("gram per hour", "g/h", F(1, 1000) / HOUR),
        ("milligram per second", "mg/s", F(1, 10**6)),
        ("ton (metric) per hour", "t/h", 1000 / HOUR),
        ("ton (metric) per day", "t/d", 1000 / DAY),
        ("pound per second", "lb/s", POUND),
        ("pound per minute", "lb/min", POUND / MINUTE),
        ("pound per hour", "lb/h", POUND / HOUR),
        ("pound per day", "lb/d", POUND / DAY),
        ("ton (short) per hour", "ton/h", SHORT_TON / HOUR),
        ("slug per second", "slug/s", LBF / FOOT),               # SP811 (lbf·s²/ft)
    ], "MassFlow.fsf"),
    ("Heat flux and irradiance", "watts per square meter, Btu per hour square foot...",
     si("watt per square meter", "W/m²", F(1), "k m") +
     si("watt per square centimeter", "W/cm²", F(10**4), "m µ") + [
         ("watt per square inch", "W/in²", 1 / INCH ** 2),
         ("watt per square foot", "W/ft²", 1 / FOOT ** 2),
         ("Btu (int'l) per hour square foot", "Btu/(h·ft²)", BTU_IT / HOUR / FOOT ** 2),
         ("kilocalorie (int'l) per hour square meter", "kcal/(h·m²)", 1000 * CAL_IT / HOUR),
         ("calorie (therm) per second square centimeter", "cal/(s·cm²)", CAL_TH * 10**4),
         ("langley per minute", "langley/min", CAL_TH * 10**4 / MINUTE),  # SP811 (cal/cm²)
         ("erg per second square centimeter", "erg/(s·cm²)", F(1, 1000)),
     ], "HeatFlux.fsf"),
    ("Thermal conductivity", "watts per meter kelvin, Btu per hour foot °F...",
     si("watt per meter kelvin", "W/(m·K)", F(1), "m") + [
         ("watt per centimeter kelvin", "W/(cm·K)", F(100)),
         ("Btu (int'l) per hour foot °F", "Btu/(h·ft·°F)",
          BTU_IT / (HOUR * FOOT * FAHRENHEIT_DEGREE)),
         ("Btu (int'l) inch per hour square foot °F", "Btu·in/(h·ft²·°F)",
          BTU_IT * INCH / (HOUR * FOOT ** 2 * FAHRENHEIT_DEGREE)),
         ("calorie (therm) per second centimeter °C", "cal/(s·cm·°C)", CAL_TH * 100),
         ("kilocalorie (int'l) per hour meter °C", "kcal/(h·m·°C)", 1000 * CAL_IT / HOUR),
     ], "ThermalConductivity.fsf"),
    ("Specific heat capacity", "joules per kilogram kelvin, Btu per pound °F...",
     si("joule per kilogram kelvin", "J/(kg·K)", F(1), "k") + [
         ("joule per gram kelvin", "J/(g·K)", F(1000)),
         ("calorie (int'l) per gram °C", "cal/(g·°C)", CAL_IT * 1000),
         ("kilocalorie (int'l) per kilogram °C", "kcal/(kg·°C)", CAL_IT * 1000),
         ("Btu (int'l) per pound °F", "Btu/(lb·°F)", BTU_IT / (POUND * FAHRENHEIT_DEGREE)),
     ], "HeatCapacityPerMass.fsf"),
    ("Energy per mass", "kilojoules per kilogram, kilowatthours per kilogram, Btu per pound...",
     si("joule per kilogram", "J/kg", F(1), "k M") + [
         ("joule per gram", "J/g", F(1000)),
         ("kilowatthour per kilogram", "kWh/kg", 1000 * HOUR),
         ("watthour per kilogram", "Wh/kg", HOUR),
         ("calorie (int'l) per gram", "cal/g", CAL_IT * 1000),
         ("kilocalorie (int'l) per kilogram", "kcal/kg", CAL_IT * 1000),
         ("Btu (int'l) per pound", "Btu/lb", BTU_IT / POUND),
     ], "EnergyPerMass.fsf"),

    # Everyday and technical.
    ("Data rate", "bits per second, megabits per second, megabytes per second...",
     si("bit per second", "bit/s", F(1), "k M G T") + [
         ("kibibit per second", "Kibit/s", F(2**10)),            # IEC
         ("mebibit per second", "Mibit/s", F(2**20)),
         ("gibibit per second", "Gibit/s", F(2**30)),
     ] + si("byte per second", "B/s", F(8), "k M G T") + [
         ("kibibyte per second", "KiB/s", 8 * F(2**10)),
         ("mebibyte per second", "MiB/s", 8 * F(2**20)),
         ("gibibyte per second", "GiB/s", 8 * F(2**30)),
     ], "DataRate.fsf"),
    # Intervals only: a scale point (0 °C is 273.15 K) is no factor and has its own group.
    ("Temperature difference", "kelvins, Celsius and Fahrenheit degrees as differences...", [
        ("kelvin (difference)", "K (diff)", F(1)),
        ("degree Celsius (difference)", "°C (diff)", F(1)),
        ("degree Fahrenheit (difference)", "°F (diff)", FAHRENHEIT_DEGREE),
        ("degree Rankine (difference)", "°R (diff)", FAHRENHEIT_DEGREE),
    ], "TemperatureDifference.fsf"),
    ("Amount of substance", "moles, millimoles, pound-moles...",
     si("mole", "mol", F(1), "k m µ n p") + [
         ("pound-mole", "lbmol", POUND * 1000),                  # a pound of gram-moles
     ], "AmountOfSubstance.fsf"),
    # Base mol/L; "M" is the chemist's molar, one mole per litre.
    ("Molar concentration", "moles per liter, millimoles per liter, molar...",
     si("mole per liter", "mol/L", F(1), "m µ n p") + [
         ("mole per cubic meter", "mol/m³", LITRE),
     ] + si("molar", "M", F(1), "m µ n p"),
     "MolarConcentration.fsf"),
    ("Solid angle", "steradians, square degrees, spheres...",
     si("steradian", "sr", F(1), "m") + [
         ("square degree", "°²", (PI / 180) ** 2),
         ("square arcminute", "arcmin²", (PI / 10800) ** 2),
         ("square arcsecond", "arcsec²", (PI / 648000) ** 2),
         ("sphere", "sp", 4 * PI),
     ], "SolidAngle.fsf"),
    ("Angular acceleration", "radians per second², revolutions per minute per second...", [
        ("radian per second²", "rad/s²", F(1)),
        ("degree per second²", "°/s²", PI / 180),
        ("revolution per second²", "rev/s²", 2 * PI),
        ("revolution per minute per second", "rpm/s", 2 * PI / MINUTE),
        ("revolution per minute²", "rev/min²", 2 * PI / MINUTE ** 2),
    ], "AngularAcceleration.fsf"),
    ("Area density", "grams per square meter (paper), ounces per square yard...", [
        ("kilogram per square meter", "kg/m²", F(1)),
        ("gram per square meter", "g/m²", F(1, 1000)),
        ("gram per square meter (paper)", "gsm", F(1, 1000)),
        ("gram per square centimeter", "g/cm²", F(10)),
        ("milligram per square centimeter", "mg/cm²", F(1, 100)),
        ("pound per square foot", "lb/ft²", POUND / FOOT ** 2),
        ("ounce per square foot", "oz/ft²", OUNCE / FOOT ** 2),
        ("ounce per square yard", "oz/yd²", OUNCE / YARD ** 2),
        ("kilogram per hectare", "kg/ha", 1 / HECTARE),
        ("ton (metric) per hectare", "t/ha", 1000 / HECTARE),
        ("pound per acre", "lb/acre", POUND / ACRE),
    ], "AreaDensity.fsf"),
    ("Linear density", "tex, deniers, grams per meter...", [
        ("kilogram per meter", "kg/m", F(1)),
        ("gram per meter", "g/m", F(1, 1000)),
        ("gram per centimeter", "g/cm", F(1, 10)),
        *si("tex", "tex", F(1, 10**6), "d"),                    # SP811 (g/km)
        ("denier", "den", F(1, 1000) / 9000),                   # SP811 (g per 9 km)
        ("pound per foot", "lb/ft", POUND / FOOT),
        ("pound per inch", "lb/in", POUND / INCH),
        ("pound per yard", "lb/yd", POUND / YARD),
    ], "LinearDensity.fsf"),
    ("Typography", "points, picas, pixels, ems...", [
        ("point (desktop)", "pt", POINT),
        ("pica (desktop)", "pc", 12 * POINT),
        ("pixel (96 dpi)", "px", PIXEL),
        ("em (16 px)", "em", 16 * PIXEL),
        ("twip", "twip", POINT / 20),
        ("millimeter", "mm", F(1, 1000)),
        ("inch", "in", INCH),
    ], "Typography.fsf"),
    # Those the Distance group lacks, and their neighbours for reference.
    ("Small lengths", "microns, nanometers, thou, ångströms...", [
        ("micron", "µm", F(1, 10**6)),                          # SP811
        ("nanometer", "nm", F(1, 10**9)),
        ("picometer", "pm", F(1, 10**12)),
        ("ångström", "Å", F(1, 10**10)),                        # SP811
        ("thou (mil)", "thou", INCH / 1000),                    # SP811 (mil)
        ("tenth (0.0001 in)", "tenth", INCH / 10**4),
        ("microinch", "µin", INCH / 10**6),
    ], "SmallLengths.fsf"),
]
