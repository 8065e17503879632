"""The built-in groups and the definition of every unit in them.

Each unit is given by its size in the SI unit of its kind (m, kg, m^3, m^2, rad, W, J, Pa, s, N,
kg/m^3, m/s, m/s^2; the US dollar for Money), as an exact fraction from the source named beside
it. Sources:
  SP811   NIST Special Publication 811 (2008), appendix B: the definitions of the units it lists
          and, where it marks a factor exact, that factor
  SI      The International System of Units, BIPM, 9th edition (2019): the SI units and
          prefixes, the litre (10^-3 m^3), the electronvolt (e = 1.602176634e-19 C), the
          units accepted for use with the SI
  yard    the international yard and pound (1959): 1 yd = 0.9144 m, 1 lb = 0.45359237 kg
  survey  the US survey foot, 1200/3937 m (Mendenhall order, 1893; kept by SP811 for the units
          named after it)
  IAU     International Astronomical Union, resolutions 2012 B2 (astronomical unit) and 2015 B2
          (parsec, 648000/pi au); the light year is c times the Julian year of 365.25 days
  gravity standard acceleration of gravity 9.80665 m/s^2 (3rd CGPM, 1901)
  imp     the imperial gallon of 4.54609 litres (UK Weights and Measures Act 1985)

Choices where a definition is not unique, made for what today's standards and most users mean:
  - acre, acre-foot, square mile and township use the international foot (US survey foot
    retired for them at the end of 2022); "foot (US survey)" and "mile (US statute)" keep the
    survey foot; chain and rod use the international foot, as "foot" does
  - ton force is the short ton force of 2000 lbf
  - the calorie (nutrition) is the thermochemical kilocalorie, 4184 J, as food labels use it
  - the cup is the US customary cup, 8 US fluid ounces; tablespoon and teaspoon are 1/2 and 1/6
    of a US fluid ounce
  - the century and the millennium are 100 and 1000 years of 365 days, like "year (365 day)"
  - the mean calorie and mean Btu, the boiler and water horsepower have no exact definition:
    they take SP811's conventional values (4.19002 J, 1055.87 J, 9809.50 W, 746.043 W)

Units with no exact definition that keep the published first entry of the tables (a recognised
conventional value) are marked Published: the sidereal times, the mach number (the speed of
sound in dry air at 0 °C, 331.46 m/s), the columns of mercury and water
at a stated temperature, the printer's pica and point, and the Money rates.

Pi enters the angles, the circular mil and the parsec as a fraction of 60 digits, far more than
the 17 digits a double holds.
"""

from dataclasses import dataclass, field
from fractions import Fraction as F

PI = F("3.14159265358979323846264338327950288419716939937510582097494459")


@dataclass(frozen=True)
class Published:
    """A unit with no exact definition: its published first entry (how many of it make one of
    the group's first unit) is kept as it stands."""

    first_entry: str


@dataclass
class Group:
    group_id: int
    tag: str
    name: str
    description: str
    default_order: str
    # (unit entry, size in the group's SI unit as a Fraction, or Published)
    units: list = field(default_factory=list)


# Length, m
INCH = F("0.0254")                          # yard
FOOT = 12 * INCH                            # yard
YARD = 3 * FOOT                             # yard
MILE = 5280 * FOOT                          # yard
MIL = INCH / 1000                           # SP811
SURVEY_FOOT = F(1200, 3937)                 # survey
NAUTICAL_MILE = F(1852)                     # SI (units accepted for use with the SI)
ASTRONOMICAL_UNIT = F(149597870700)         # IAU 2012 B2
LIGHT_YEAR = 299792458 * F("365.25") * 86400  # IAU, SI (c exact)
PARSEC = 648000 * ASTRONOMICAL_UNIT / PI    # IAU 2015 B2
# Area, m^2
ACRE = 43560 * FOOT ** 2                    # SP811 (43 560 ft^2), international foot
# Volume, m^3
LITRE = F(1, 1000)                          # SI
US_GALLON = 231 * INCH ** 3                 # SP811
US_FLUID_OUNCE = US_GALLON / 128            # SP811
IMP_GALLON = F("4.54609") * LITRE           # imp
US_BUSHEL = F("2150.42") * INCH ** 3        # SP811
# Mass, kg
POUND = F("0.45359237")                     # yard
GRAIN = POUND / 7000                        # SP811
OUNCE = POUND / 16                          # SP811
TROY_OUNCE = 480 * GRAIN                    # SP811
# Time, s
MINUTE = F(60)
HOUR = F(3600)
DAY = F(86400)
YEAR = 365 * DAY                            # SP811 (year, 365 days)
# Force, N; acceleration, m/s^2
GRAVITY = F("9.80665")                      # gravity
POUND_FORCE = POUND * GRAVITY               # SP811
POUNDAL = POUND * FOOT                      # SP811 (lb ft/s^2)
# Energy, J
CAL_TH = F("4.184")                         # SP811
CAL_IT = F("4.1868")                        # SP811
CAL_MEAN = F("4.19002")                     # SP811, conventional
# A Btu heats a pound of water by one degree Fahrenheit as a calorie heats a gram by one kelvin.
BTU_IT = CAL_IT * 1000 * POUND * F(5, 9)    # SP811: 1055.05585262 J
BTU_TH = CAL_TH * 1000 * POUND * F(5, 9)    # SP811: 1054.350 J
BTU_MEAN = F("1055.87")                     # SP811, conventional
FOOT_POUND_FORCE = FOOT * POUND_FORCE       # SP811
# Pressure, Pa
ATMOSPHERE = F(101325)                      # SP811
# Speed, m/s

TEMPERATURE = Group(4103, "Temp", "Temperature", "fahrenheit, celsius, kelvin...", "")

GROUPS = [
    Group(4104, 'Dist', 'Distance', 'inches, feet, meters, light years...',
          '2,14,18,4,1,11,19,10,8,24,6,17,15,23,5', [
              ('meter,m', F(1)),
              ('ångstrom,Å', F(1, 10**10)),                   # SP811
              ('astronomical unit,au', ASTRONOMICAL_UNIT),
              ('centimeter,cm', F(1, 100)),
              ('chain,chain', 66 * FOOT),                      # SP811 (66 ft)
              ('fathom,fath', 6 * FOOT),                       # SP811 (6 ft)
              ('femtometer,fm', F(1, 10**15)),
              ('foot,ft', FOOT),
              ('foot (US survey),ft', SURVEY_FOOT),
              ('inch,in', INCH),
              ('kilometer,km', F(1000)),
              ('light year,ly', LIGHT_YEAR),
              ('microinch,µin', INCH / 10**6),
              ('micrometer,µm', F(1, 10**6)),
              ('mile (nautical),nmi', NAUTICAL_MILE),
              ('mile (international),mi', MILE),
              ('mile (US statute),mi', 5280 * SURVEY_FOOT),    # SP811
              ('millimeter,mm', F(1, 1000)),
              ('mil,mil', MIL),
              ('parsec,parsec', PARSEC),
              ('pica (printer),pica', Published('237.1062791')),
              ('point (printer),pt', Published('2845.275619')),
              ('rod,rod', F(33, 2) * FOOT),                    # SP811 (16.5 ft)
              ('yard,yd', YARD),
              ('league (marine),league', 3 * NAUTICAL_MILE),   # three nautical miles
          ]),
    Group(4105, 'Mass', 'Mass', 'ounces, grams, pounds, kilograms...',
          '8,5,2,1,17,4,10,9,12,13,11,14,7,18,16', [
              ('kilogram,kg', F(1)),
              ('carat (metric),Kt', F(2, 10**4)),               # SP811 (200 mg)
              ('dram,dr', POUND / 256),                        # SP811 (avoirdupois)
              ('grain,gr', GRAIN),
              ('gram,g', F(1, 1000)),
              ('hundredweight (long),hwt', 112 * POUND),       # SP811
              ('hundredweight (short),hwt', 100 * POUND),      # SP811
              ('milligram,mg', F(1, 10**6)),
              ('ounce,oz', OUNCE),
              ('ounce (troy),oz t', TROY_OUNCE),
              ('pennyweight,pwt', 24 * GRAIN),                 # SP811
              ('pound,lb', POUND),
              ('pound (troy),lb t', 12 * TROY_OUNCE),          # SP811 (5760 gr)
              ('slug,slug', POUND_FORCE / FOOT),               # SP811 (lbf s^2/ft)
              # As many milligrams as a short ton holds troy ounces (SP811: 29.166 67 g).
              ('ton (assay),t', 2000 * POUND / TROY_OUNCE / 10**6),
              ('ton (long),ton', 2240 * POUND),                # SP811
              ('ton (metric),t', F(1000)),                     # SP811
              ('ton (short),ton', 2000 * POUND),               # SP811
          ]),
    Group(4106, 'Vol', 'Volume', 'ounces, liters, pints, milliliters...',
          '18,16,1,3,2,27,28,19,11,23,25,12,8,9,10', [
              ('cubic meter,m³', F(1)),
              ('acre-foot,acre·foot', ACRE * FOOT),
              ('barrel (oil),bbl', 42 * US_GALLON),            # SP811
              ('board foot,bft', 144 * INCH ** 3),             # SP811
              ('bushel,bsh', US_BUSHEL),
              ('cord,cord', 128 * FOOT ** 3),                  # SP811
              ('cubic centimeter,cm³', F(1, 10**6)),
              ('cubic inch,in³', INCH ** 3),
              ('cubic foot,ft³', FOOT ** 3),
              ('cubic yard,yd³', YARD ** 3),
              ('cup (US),cup', 8 * US_FLUID_OUNCE),            # SP811
              ('gallon (US),gal', US_GALLON),
              ('gallon (Imperial),gal', IMP_GALLON),
              ('gill (UK),gil', IMP_GALLON / 32),              # SP811
              ('gill (US),gil', US_GALLON / 32),               # SP811
              ('liter,L', LITRE),
              ('microliter,µL', LITRE / 10**6),
              ('milliliter,mL', LITRE / 1000),
              ('ounce (US fluid),oz', US_FLUID_OUNCE),
              ('ounce (Imperial fluid),oz', IMP_GALLON / 160),  # SP811
              ('peck (US),peck', US_BUSHEL / 4),               # SP811
              ('pint (US dry),pt', US_BUSHEL / 64),            # SP811
              ('pint (US fluid),pt', US_GALLON / 8),           # SP811
              ('quart (US dry),qt', US_BUSHEL / 32),           # SP811
              ('quart (US fluid),qt', US_GALLON / 4),          # SP811
              ('stere,st', F(1)),                              # SP811
              ('tablespoon,tbl', US_FLUID_OUNCE / 2),          # SP811
              ('teaspoon,tsp', US_FLUID_OUNCE / 6),            # SP811
              ('ton (register),ton', 100 * FOOT ** 3),         # SP811
          ]),
    Group(4107, 'Area', 'Area', 'square feet, square meters, acres...',
          '4,11,1,3,7,12,5,6,8,9,13,2,10,14', [
              ('square meter,m²', F(1)),
              ('acre,acre', ACRE),
              ('are,a', F(100)),                               # SP811
              ('barn,b', F(1, 10**28)),                        # SP811
              ('circular mil,cmil', PI / 4 * MIL ** 2),        # SP811
              # 1 cP times 1 cm^3/s through 1 cm^2 over 1 cm per atmosphere (SP811).
              ('darcy,d', F(1, 10**7) / ATMOSPHERE),
              ('hectare,ha', F(10**4)),                        # SP811
              ('square inch,in²', INCH ** 2),
              ('square foot,ft²', FOOT ** 2),
              ('square mile,mi²', MILE ** 2),
              ('square millimeter,mm²', F(1, 10**6)),
              ('square kilometer,km²', F(10**6)),
              ('square yard,yd²', YARD ** 2),
              ('township,ts', 36 * MILE ** 2),                 # six miles square
          ]),
    Group(4108, 'Angl', 'Angle', 'degrees, radians, grades...', '1,2,3,4,9,7,5,6,8', [
              ('radian,rad', F(1)),
              ('degree,°', PI / 180),                          # SI
              ("minute,'", PI / 180 / 60),                     # SI
              ("second,''", PI / 180 / 3600),                  # SI
              ('grade,g', PI / 200),                           # SP811 (gon)
              ('centigrade,cg', PI / 200 / 100),               # a hundredth of a gon
              ('mil,mil', 2 * PI / 6400),                      # SP811
              ('quadrant,+', PI / 2),
              ('revolution,r', 2 * PI),                        # SP811
          ]),
    Group(4109, 'Powr', 'Power', 'horsepower, watts, calories/sec...',
          '1,2,3,17,14,16,18,19,11,12,10,8,4,6,20', [
              ('watt,W', F(1)),
              ('kilowatt,kW', F(1000)),
              ('megawatt,MW', F(10**6)),
              ("Btu (int'l) per hour,Btu/h", BTU_IT / HOUR),
              ("Btu (int'l) per second,Btu/s", BTU_IT),
              ('Btu (therm) per hour,Btu/h', BTU_TH / HOUR),
              ('Btu (therm) per second,Btu/s', BTU_TH),
              ('calorie (therm) per hour,cal/h', CAL_TH / HOUR),
              ('calorie (therm) per second,cal/s', CAL_TH),
              ('erg per second,erg/s', F(1, 10**7)),           # SP811
              ('foot pound force per hour,ft·lbf/h', FOOT_POUND_FORCE / HOUR),
              ('foot pound force per minute,ft·lbf/min', FOOT_POUND_FORCE / MINUTE),
              ('foot pound force per second,ft·lbf/s', FOOT_POUND_FORCE),
              ('horsepower (550 ft·lbf/s),hp', 550 * FOOT_POUND_FORCE),  # SP811
              ('horsepower (boiler),hp', F("9809.50")),        # SP811, conventional
              ('horsepower (electric),hp', F(746)),            # SP811
              ('horsepower (metric),hp', 75 * GRAVITY),        # SP811 (75 kgf m/s)
              ('horsepower (water),hp', F("746.043")),         # SP811, conventional
              ('kilocalorie (therm) per second,kcal/s', 1000 * CAL_TH),
              ('ton refrigeration,ton', 12000 * BTU_IT / HOUR),  # SP811 (12 000 Btu_IT/h)
              ("Btu (int'l) per minute,Btu/min", BTU_IT / MINUTE),
              ('Btu (therm) per minute,Btu/min', BTU_TH / MINUTE),
          ]),
    Group(4110, 'Ener', 'Energy', "joules, Btu's, electron volts...",
          '1,10,9,6,7,8,17,20,22,21,16,11,2,3,4', [
              ('joule,J', F(1)),
              ("British thermal unit (int'l),Btu", BTU_IT),
              ('British thermal unit (mean),Btu', BTU_MEAN),
              ('British thermal unit (therm),Btu', BTU_TH),
              ("calorie (int'l),cal", CAL_IT),
              ('calorie (mean),cal', CAL_MEAN),
              ('calorie (therm),cal', CAL_TH),
              ('calorie (nutrition),cal', 1000 * CAL_TH),
              ('electronvolt,eV', F("1.602176634e-19")),       # SI
              ('erg,erg', F(1, 10**7)),                        # SP811
              ('foot pound force,ft·lbf', FOOT_POUND_FORCE),
              ('foot poundal,ft·pdl', FOOT * POUNDAL),
              ("kilocalorie (int'l),kcal", 1000 * CAL_IT),
              ('kilocalorie (mean),kcal', 1000 * CAL_MEAN),
              ('kilocalorie (therm),kcal', 1000 * CAL_TH),
              ('kilowatthour,kWh', 1000 * HOUR),
              ('quad,quad', 10**15 * BTU_IT),                  # SP811
              ('therm (European),therm', F(105506000)),        # SP811 (EC)
              ('therm (US),therm', F(105480400)),              # SP811
              ('ton (TNT),ton', 10**9 * CAL_TH),               # SP811
              ('watthour,Wh', HOUR),
              ('wattsecond,W·s', F(1)),
          ]),
    Group(4111, 'Pres', 'Pressure', 'inches of mercury, lbf/in², atmospheres...',
          '1,16,4,19,18,2,12,8,10,20,23,22,14,15,24', [
              ('pascal,Pa', F(1)),
              ('atmosphere (std),atm', ATMOSPHERE),
              ('atmosphere (kgf/cm²),at', GRAVITY * 10**4),    # SP811
              ('bar,bar', F(10**5)),                           # SP811
              ('centimeter of mercury (0°C),cmHg', Published('0.0007500637554')),
              ('centimeter of water (4°C),cmH2O', Published('0.01019716213')),
              ('dyne per square centimeter,dyn/cm²', F(1, 10)),  # SP811
              ('foot of water (39.2°F),ftH2O', Published('0.0003345522186')),
              ('gram force per square centimeter,gf/cm²', GRAVITY * 10),  # SP811
              ('inch of mercury (32°F),inHg', Published('0.0002952997144')),
              ('inch of mercury (60°F),inHg', Published('0.000296133971')),
              ('inch of water (39.2°F),inH2O', Published('0.004014629309')),
              ('inch of water (60°F),inH2O', Published('0.00401864652')),
              ('kilogram force per sq cm,kgf/cm²', GRAVITY * 10**4),
              ('kilogram force per sq meter,kgf/m²', GRAVITY),
              ('kilopascal,kPa', F(1000)),
              ('kilopound force per square inch,klbf/si²', 1000 * POUND_FORCE / INCH ** 2),
              ('microbar,µbar', F(1, 10)),
              ('millibar,mbar', F(100)),
              ('millimeter mercury (0°C),mmHg', Published('0.007500637554')),
              ('poundal per square foot,pdl/ft²', POUNDAL / FOOT ** 2),
              ('pound force per square foot,lbf/ft²', POUND_FORCE / FOOT ** 2),
              ('pound force per square inch,lbf/in²', POUND_FORCE / INCH ** 2),
              ('torr,torr', ATMOSPHERE / 760),                 # SP811
          ]),
    Group(4112, 'Time', 'Time', 'hours, years, months, centuries...',
          '4,3,2,1,6,7,9,10,11,12,13,14,15,17,18', [
              ('second,s', F(1)),
              ('millisecond,ms', F(1, 1000)),
              ('nanosecond,ns', F(1, 10**9)),
              ('picosecond,ps', F(1, 10**12)),
              ('shake,shake', F(1, 10**8)),                    # SP811
              ('second (sidereal),s', Published('1.002737875')),
              ('minute,min', MINUTE),                          # SI
              ('minute (sidereal),min', Published('0.0167122996')),
              ('hour,h', HOUR),                                # SI
              ('hour (sidereal),h', Published('0.0002785383422')),
              ('day,d', DAY),                                  # SI
              ('day (sidereal),d', Published('1.160576291e-005')),
              ('week (7 day),wk', 7 * DAY),
              ('month (30 day),mo', 30 * DAY),
              ('year (365 day),yr', YEAR),
              ('year (sidereal),yr', Published('3.168753555e-008')),
              ('century,century', 100 * YEAR),
              ('millennium,millennium', 1000 * YEAR),
              ('microsecond,µs', F(1, 10**6)),
          ]),
    Group(4113, 'Forc', 'Force', 'poundal, newton, dyne, gram force...', '2,4,3,1,7,5,6,8,9,10,11,12', [
              ('newton,N', F(1)),
              ('dyne,dyn', F(1, 10**5)),                       # SP811
              ('joule per meter,J/m', F(1)),
              ('joule per centimeter,J/cm', F(100)),
              ('gram force,gf', GRAVITY / 1000),               # SP811
              ('kilogram force,kgf', GRAVITY),                 # SP811
              ('kilonewtons,kN', F(1000)),
              ('kilopound,klb', 1000 * POUND_FORCE),           # SP811 (kip)
              ('ounce force,ozf', POUND_FORCE / 16),           # SP811
              ('pound force,lbf', POUND_FORCE),
              ('poundal,pdl', POUNDAL),
              ('ton force,tf', 2000 * POUND_FORCE),            # SP811 (2000 lbf)
          ]),
    Group(4114, 'Dens', 'Density', 'cubic meter/kilogram, gallon/pound...',
          '1,2,14,15,6,3,4,5,7,8,9,10,11,13,12', [
              ('kilogram per cubic meter,kg/m³', F(1)),
              ('gram per cubic meter,g/m³', F(1, 1000)),
              ('grain per gallon (US),gr/gal', GRAIN / US_GALLON),
              ('ounce (av) per gallon,oz/gal', OUNCE / US_GALLON),
              ('pound per gallon,lb/gal', POUND / US_GALLON),
              ('milligram per liter,mg/L', F(1, 10**6) / LITRE),
              ('ounce (av) per cubic inch,oz/in³', OUNCE / INCH ** 3),
              ('ounce (av) per cubic foot,oz/ft³', OUNCE / FOOT ** 3),
              ('pound per cubic inch,lb/in³', POUND / INCH ** 3),
              ('pound per cubic foot,lb/ft³', POUND / FOOT ** 3),
              ('pound per cubic yard,lb/yd³', POUND / YARD ** 3),
              ('ton (long) per cubic yard,t/yd³', 2240 * POUND / YARD ** 3),
              ('ton (short) per cubic yard,t/yd³', 2000 * POUND / YARD ** 3),
              ('kilogram per liter,kg/L', 1 / LITRE),
              ('gram per liter,g/L', F(1, 1000) / LITRE),
              ('gram per cubic centimeter,g/cm³', F(1, 1000) / F(1, 10**6)),
          ]),
    Group(4115, 'Velo', 'Velocity', 'miles/hour, meter/sec, mach number...',
          '1,3,8,10,19,21,16,18,4,6,7,12,13,15,11', [
              ('meter per second,m/s', F(1)),
              ('meter per minute,m/min', 1 / MINUTE),
              ('meter per hour,m/h', 1 / HOUR),
              ('foot per second,ft/s', FOOT),
              ('foot per minute,ft/min', FOOT / MINUTE),
              ('foot per hour,ft/h', FOOT / HOUR),
              ('inch per second,in/s', INCH),
              ('kilometer per second,km/s', F(1000)),
              ('kilometer per minute,km/min', 1000 / MINUTE),
              ('kilometer per hour,km/h', 1000 / HOUR),
              ('mach number,Ma', Published('0.003016955289')),
              ('knot,kn', NAUTICAL_MILE / HOUR),               # SI (accepted units)
              ('mile per hour,mi/h', MILE / HOUR),
              ('mile per minute,mi/min', MILE / MINUTE),
              ('mile per second,mi/s', MILE),
              ('millimeter per second,mm/s', F(1, 1000)),
              ('millimeter per minute,mm/min', F(1, 1000) / MINUTE),
              ('millimeter per hour,mm/h', F(1, 1000) / HOUR),
              ('centimeter per second,cm/s', F(1, 100)),
              ('centimeter per minute,cm/min', F(1, 100) / MINUTE),
              ('centimeter per hour,cm/h', F(1, 100) / HOUR),
          ]),
    # Exchange rates of 6/13/1994, per US dollar.
    Group(4116, 'Mony', 'Money', 'dollars, marks, francs, pounds, yen...', '1,2,3,4,5,6,7,8,9,10', [
              ('US dollar,$', F(1)),
              ('German mark,DM', Published('1.6456')),
              ('British pound,£', Published('0.6577')),
              ('Japanese yen,¥', Published('102.955')),
              ('Canadian dollar,$ CDN', Published('1.382')),
              ('French franc,ff', Published('5.6126')),
              ('Dutch guilder,guilder', Published('1.844')),
              ('Italian lira,lira', Published('1594.39')),
              ('Mexican peso,peso', Published('3.3755')),
              ('Swiss franc,SFr', Published('1.3872')),
          ]),
    Group(4117, 'Acce', 'Acceleration', "cm/s², m/s², ft/s², g's...", '1,2,3,4,5,6', [
              ('meter per second²,m/s²', F(1)),
              ('centimeter per second²,cm/s²', F(1, 100)),
              ('kilometer per hour·second,km/(h·s)', 1000 / HOUR),
              ('inch per second²,in/s²', INCH),
              ('foot per second²,ft/s²', FOOT),
              ('g (gravity),g', GRAVITY),
          ]),
]

# Money is kept in full as published: its entries are rates of one day, not quotients.
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
