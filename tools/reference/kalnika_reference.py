#!/usr/bin/env python3
"""Independent reference computation of the Kalnika month table.

Written from the almanac's written rules only (not from the C++ sources), so
that the month table of `kalnika-cli` can be checked cell by cell against a
second computation.  Every rule is followed to the letter: IEEE double
arithmetic (Python float), the order of operations as written, the constants
as written, and the sound behaviour that the project builds in place of six
faults of the literal rules (M1-M6, see the functions below).

Texts of the name tables are Xdvng bytes; here each byte b is the Python
character chr(b), exactly as in the JSON output of `kalnika-cli --format json`.

Use as a module:

    from kalnika_reference import month_table, read_place_file
    places, auspicious = read_place_file("Location.ini")
    result = month_table(places[2], month=12, year="2026", dst=False,
                         auspicious=auspicious)
    result["rows"]      # 32 lists of 17 strings (row 0 the headings)
    result["kali"], result["vikram"], result["message"]

or as a script (prints the same JSON object as `kalnika-cli --format json`):

    python3 kalnika_reference.py --places Location.ini --place 2 \
        --month 12 --year 2026 [--dst]
"""

import argparse
import json
import math
import re
import sys

FLOOR = math.floor
SIN = math.sin
COS = math.cos
TAN = math.tan
ATAN = math.atan
SQRT = math.sqrt

DEG = 0.017453292519943278          # degrees to radians (3.14159265358979 / 180)
RAD = 57.29577951308238             # radians to degrees
SHIFT = 1132959                     # days of the shifted time axis

# ---------------------------------------------------------------------------
# Name tables and fixed texts (Xdvng bytes as Latin-1 characters)
# ---------------------------------------------------------------------------

TithiNames = [
    'Am:av:sy:a',
    ')et:p:da',
    'e¾t:iy:a',
    't:àt:iy:a',
    'c:t:ØT:iü',
    'p:öc:m:i',
    '\\:Åi',
    's:pt:m:i',
    'AÄm:i',
    'n:v:m:i',
    'dS:m:i',
    'OkadS:i',
    '¾adS:i',
    '*:y::ðdS:i',
    'c:t:ØdüS:i',
    'p::òeN:üm:a',
]

MaasNames = [
    'c:ò*:',
    'v:òS:aK:',
    'jy:ðÅ',
    'A:\\:aZ',
    'Â:av:N:',
    'B:adÓp:d',
    'AeÃ:n:',
    'kaet:ük',
    'm:ag:üS:i\\:ü',
    'p::ò\\:',
    'm:aG:',
    'Palg:Øn:',
]

RaashiNames = [
    'm:ð\\:',
    'v:à\\:B:',
    'em:T:Øn:',
    'kký',
    'es:öh',
    'kny:a',
    't:ÜL',
    'v:àeÁ:k',
    'D:n:Ø',
    'm:kr',
    'kÙöB:',
    'm:in:',
]

NaxatraNames = [
    'AeÃ:n:i',
    'B:rN:i',
    'káe¶:ka',
    'r:ðehN:i',
    'm:àg:',
    'A:dÓaü',
    'p:Øn:v:üs:Ø',
    'p:Ø\\y:',
    'A:Sl:ð\\:a',
    'm:G:a',
    'p:Üv:aü',
    'u¶:raPalg:Øn:i',
    'hst:',
    'ec:*:a',
    'sv:at:i',
    'ev:S:aK:a',
    'An:ØraD:a',
    'jy:ðÅa',
    'm:ÜLa',
    'p:Üv:aü\\:aZa',
    'u¶:ra\\:aZa',
    'Â:v:N:',
    'D:en:Äa',
    'S:t:t:arka',
    'p:Üv:aüB:adÓp:da',
    'u¶:raB:adÓp:da',
    ' rðv:t:i',
]

YogaNames = [
    'ev:\\kmB:',
    ')iet:',
    'A:y:Ø\\m:an:',
    's::òB:agy:',
    'S::ðB:n:',
    'Aet:g:NR',
    's:Økm:aü',
    'D:àet:',
    'S:ÜL',
    'g:NR',
    'v:àe¹',
    'D:àv:',
    'vy:aG:at:',
    'h\\:üN:',
    'v:$',
    'es:e¹',
    'vy:et:p:at:',
    'v:riy:aN:',
    'p:erG:',
    'eS:v:',
    'es:¹',
    's:a¹Ðy:',
    'S:ØB:',
    'S:ØVl:',
    ' b:ÒÉa',
    'OðndÓ',
    'v:òD:àet:',
]

GregorianMonthNames = [
    'j:an:ðv:ari',
    'Pñb:ÒØv:ari',
    'm:ac:ü',
    'Oe)l:',
    'm:ð',
    'j:Ün:',
    'j:Øl:ò',
    'A:ôg:sX',
    's:pXðöb:r',
    'A:ôVX:ðb:r',
    'n::ðvhðöb:r',
    'eRs:ðöb:r',
]

WeekdayNames = [
    'rev:',
    's::ðm:',
    'm:ög:L',
    'b:ØD:',
    'g:Ø,',
    'S:Ø#',
    'S:en:',
]

SamvatsaraNames = [
    'b:hÚD:any:',
    ' )m:aT:i',
    'ev:#m:',
    ' v:à\\:',
    'ec:*:B:an:Ø',
    ' s:ØB:an:Ø',
    ' t:arN:',
    'p:aeT:üv:',
    'vy:y:',
    's:v:üej:t: ',
    's:v:üD:ari',
    'ev:r:ðD:i',
    'ev:káet:',
    'K:r',
    'n:ndn:',
    'ev:j:y:',
    ' j:y:',
    'm:nm:T:',
    'dÙm:ØüK:i',
    ' hðev:mb:i',
    'ev:l:mb:i',
    'ev:kri',
    ' S:v:üri',
    'pl:v:',
    's:Øv:kát:Ø',
    's::ðv:kát:Ø',
    ' #:ðeD:',
    ' ev:Ã:av:s:Ø',
    ' p:raB:v:',
    'pl:v:ög:',
    'kil:k',
    's::òmy:',
    's:aD:arN:',
    'ev:r:ðD:ikát:Ø',
    ' p:erD:ev:',
    ' )m::ðD:iS:',
    'A:n:nd',
    'rax:s:',
    ' n:l:',
    ' ep:¤l:',
    ' kl:ay:Øet:',
    'es:¹aT:iü',
    'r:òdÓ',
    'dÙm:üet:',
    'dÙndÙeB:',
    ' ,eD:r:ð·ri',
    ' rVt:ax:i',
    ' #:ðD:n:',
    'Ax:y:',
    ' )B:v:',
    'ev:B:v:',
    'S:ØVl:',
    ')m::ðd',
    ' )j:ap:et:',
    'Aöeg:rs:',
    'Â:im:ØK:',
    'B:av:',
    'y:Øv:',
    'D:at:à',
    ' IÃ:r',
    'b:hÚD:any:',
]

ColumnHeadings = [
    'm:ehn:a',
    't:a',
    'E s:n:',
    'v:ar',
    'S:kñ',
    's:öv:ts:r',
    'm:ehn:a',
    'p:x:',
    'et:eT:',
    'p:y:üönt:',
    'n:x:*:',
    'y::ñg:',
    'c:ödÓraeS:',
    's:Üy:raeS:',
    's:Üy::ðüdy:',
    's:Üy:aüst:',
    '',
]

BRIGHT = "S:ØVl:"                   # bright fortnight label
DARK = " ká\\N:"                    # dark fortnight label
ADDED_PREFIX = "AeD:k"              # prefix of an added (intercalary) month
REGULAR_PREFIX = "en:j:"            # prefix of the regular month after it
KALI_PREFIX = "kel:y:Øg:abd H "
KALI_NEW_YEAR = " n:Üt:n: v:\\:aürmB:"
VIKRAM_PREFIX = "ev:#m: s:öv:t: "
INGRESS_HEAD = "s:Üy:aüc:a "
INGRESS_MID = " raeS:)v:ðS: "
NO_RISE_SET = "n:ahi"               # shown where the Sun does not rise or set

MSG_NO_MONTH = "You must select a Month"
MSG_NO_YEAR = "You must Type an Year"
MSG_YEAR_LOW = "You Must select an Year 79 or above."
MSG_YEAR_HIGH = "You Must select an Year 32767 or below."
YEAR_MAX = 32767

# ---------------------------------------------------------------------------
# Text to number
# ---------------------------------------------------------------------------

_NUM = re.compile(r"[+-]?(\d*(\.\d*)?)")


def val(text):
    """Numeric value of a text: blanks ignored, an optional sign, digits and
    one decimal point read from the start; 0 when there is no number."""
    s = text.replace(" ", "")
    m = _NUM.match(s)
    body = m.group(0)
    digits = m.group(1)
    if not re.search(r"\d", digits):
        return 0.0
    if body.endswith("."):
        body = body[:-1]
    return float(body)


def round_half_even(x):
    return int(round(x))            # Python's round is half-to-even


# ---------------------------------------------------------------------------
# Calendar and Julian Day
# ---------------------------------------------------------------------------

def is_leap_year(y):
    if y % 100 == 0:
        return y % 400 == 0
    return y % 4 == 0


def days_of_month(m_index, y):
    lengths = [int(s) for s in "31,28,31,30,31,30,31,31,30,31,30,31".split(",")]
    n = lengths[m_index]
    if is_leap_year(y) and m_index == 1:
        n = 29
    return n


def julian_day(year, month, day, hour, minute, second):
    if month < 3:
        year = year - 1
        month = month + 12
    a = FLOOR(year / 100)
    b = 2 - a + FLOOR(a / 4)
    f = (3600 * hour + 60 * minute + second) / 86400
    return float(FLOOR(365.25 * (year + 4716))) + FLOOR(30.6001 * (month + 1)) + day + f + b - 1524.5


def weekday_number(month, day, year):
    j = julian_day(year, month, day, 0, 0, 0)
    return FLOOR(j + 1.5) % 7


def day_of_year(m1, d, y1):
    k = 1 if is_leap_year(y1) else 2
    return float(FLOOR(275 * m1 / 9) - k * FLOOR((m1 + 9) / 12)) + d - 30


def _date_of(z):
    if z < 2299161:
        a = z
    else:
        alpha = FLOOR((z - 1867216.25) / 36524.25)
        a = z + 1 + alpha - FLOOR(alpha / 4)
    b = a + 1524
    g = FLOOR((b - 122.1) / 365.25)
    d = FLOOR(365.25 * g)
    e = FLOOR((b - d) / 30.6001)
    day = b - d - FLOOR(30.6001 * e)
    month = e - 1 if e < 14 else e - 13
    year = g - 4716 if month > 2 else g - 4715
    return month, day, year


def calendar_date(jd, time_zone, dst):
    """Local date and 12-hour clock text, e.g. "3/14/2026 9:05:07 PM"; the
    date alone at local midnight.  Seconds are rounded by floor(x + 0.5); a
    result of 86400 carries into the next date."""
    j = jd + 0.5 + time_zone / 24
    if dst:
        j = j + 1 / 24
    z = FLOOR(j)
    f = j - z
    secs = FLOOR(f * 86400 + 0.5)
    if secs >= 86400:
        z = z + 1
        secs = 0
    month, day, year = _date_of(z)
    date = f"{month}/{day}/{year}"
    if secs == 0:
        return date
    h, rest = divmod(secs, 3600)
    mi, s = divmod(rest, 60)
    h12 = h % 12
    if h12 == 0:
        h12 = 12
    return f"{date} {h12}:{mi:02d}:{s:02d} {'AM' if h < 12 else 'PM'}"


def almanac_clock(text):
    """Clock text of the phase instants and the ingress note ("21H05",
    "27H41", "7H0"), from a text of calendar_date."""
    if ":" not in text:
        return "24H00"                       # local midnight
    p = text.split(":")
    hour = val(p[0][-2:])
    minutes_text = p[1]
    seconds = val(p[2][:2])
    marker = p[2][-2:]
    h24 = int(hour) % 12
    if marker == "PM":
        h24 += 12
    if seconds > 30:
        mi = int(val(minutes_text)) + 1
        if mi == 60:
            mi = 0
            h24 = (h24 + 1) % 24
        minutes_text = str(mi)
    if h24 == 0:
        h24 = 24
    elif h24 <= 6:
        h24 += 24
    return f"{h24}H{minutes_text}"


# ---------------------------------------------------------------------------
# Sun and Moon model
# ---------------------------------------------------------------------------

def dynamic_time(jd):
    return (jd - 2451545) / 36525


def reducer(degrees):
    return degrees - FLOOR(degrees / 360) * 360


def lunar_synodic_month(jd):
    t = dynamic_time(jd)
    return 29.5305888531 + 0.00000021621 * t - 0.000000000364 * t ** 2


def mean_lunar_longitude(jd):
    t = dynamic_time(jd)
    return reducer(218.3164477 + 481267.88123421 * t - 0.0015786 * t ** 2
                   + t ** 3 / 538841 - t ** 4 / 65194000)


def mean_lunar_elongation(jd):
    t = dynamic_time(jd)
    return reducer(297.8501921 + 445267.1114034 * t - 0.00118819 * t ** 2
                   + t ** 3 / 545868 - t ** 4 / 14712000)


def mean_lunar_anomaly(jd):
    t = dynamic_time(jd)
    return reducer(134.9633964 + 477198.8675055 * t + 0.0087414 * t ** 2
                   + t ** 3 / 69699 - t ** 4 / 14712000)


def lunar_latitude_argument(jd):
    t = dynamic_time(jd)
    return reducer(93.272095 + 483202.0175233 * t - 0.0036539 * t ** 2
                   - t ** 3 / 3526000 + t ** 4 / 863310000)


def mean_solar_anomaly(jd):
    t = dynamic_time(jd)
    return reducer(357.5291092 + 35999.0502909 * t - 0.0001536 * t ** 2
                   + t ** 3 / 24490000)


def mean_solar_longitude(jd):
    t = dynamic_time(jd)
    return reducer(280.46646 + 36000.76983 * t + 0.0003032 * t ** 2)


def ejde(k, t):
    return 1 - 0.002516 * t - 0.0000074 * t ** 2


def eccentricity_factor(jd):
    return ejde(0, dynamic_time(jd))


# Moon's longitude terms: multipliers of D, M, M', F and the coefficient
# (millionths of a degree), in the order they are summed.
LUNAR_LONGITUDE_TERMS = [
    (0, 0, 1, 0, 6288774), (2, 0, -1, 0, 1274027), (2, 0, 0, 0, 658314),
    (0, 0, 2, 0, 213618), (0, 1, 0, 0, -185116), (0, 0, 0, 2, -114332),
    (2, 0, -2, 0, 58793), (2, -1, -1, 0, 57006), (2, 0, 1, 0, 53322),
    (2, -1, 0, 0, 45758), (0, 1, -1, 0, -40923), (1, 0, 0, 0, -34720),
    (0, 1, 1, 0, -30383), (2, 0, 0, -2, 15327), (0, 0, 1, 2, -12528),
    (0, 0, 1, -2, 10980), (4, 0, -1, 0, 10675), (0, 0, 3, 0, 10034),
    (4, 0, -2, 0, 8548), (2, 1, -1, 0, -7888), (2, 1, 0, 0, -6766),
    (1, 0, -1, 0, -5163), (1, 1, 0, 0, 4987), (2, -1, 1, 0, 4036),
    (2, 0, 2, 0, 3994), (4, 0, 0, 0, 3861), (2, 0, -3, 0, 3665),
    (0, 1, -2, 0, -2689), (2, 0, -1, 2, -2602), (2, -1, -2, 0, 2390),
    (1, 0, 1, 0, -2348), (2, -2, 0, 0, 2236), (0, 1, 2, 0, -2120),
    (0, 2, 0, 0, -2069), (2, -2, -1, 0, 2048), (2, 0, 1, -2, -1773),
    (2, 0, 0, 2, -1595), (4, -1, -1, 0, 1215), (0, 0, 2, 2, -1110),
    (3, 0, -1, 0, -892), (2, 1, 1, 0, -810), (4, -1, -2, 0, 759),
    (0, 2, -1, 0, -713), (2, 2, -1, 0, -700), (2, 1, -2, 0, 691),
    (2, -1, 0, -2, 596), (4, 0, 1, 0, 549), (0, 0, 4, 0, 537),
    (4, -1, 0, 0, 520), (1, 0, -2, 0, -487), (2, 1, 0, -2, -399),
    (0, 0, 2, -2, -381), (1, 1, 1, 0, 351), (3, 0, -2, 0, -340),
    (4, 0, -3, 0, 330), (2, -1, 2, 0, 327), (0, 2, 1, 0, -323),
    (1, 1, -1, 0, 299), (2, 0, 3, 0, 294),
]
assert len(LUNAR_LONGITUDE_TERMS) == 59


def _argument(d, m, mm, f, D, M, Mm, F):
    """d*D + m*M + m'*M' + f*F, left to right, zero terms left out (adding
    an exact zero changes nothing)."""
    a = None
    for k, x in ((d, D), (m, M), (mm, Mm), (f, F)):
        if k != 0:
            term = k * x
            a = term if a is None else a + term
    return a


def lunar_longitude_correction(jd):
    t = dynamic_time(jd)
    e = eccentricity_factor(jd)
    M = mean_solar_anomaly(jd)
    Mm = mean_lunar_anomaly(jd)
    D = mean_lunar_elongation(jd)
    F = lunar_latitude_argument(jd)
    Lp = mean_lunar_longitude(jd)
    e2 = e * e
    s = 0.0
    for d, m, mm, f, c in LUNAR_LONGITUDE_TERMS:
        a = _argument(d, m, mm, f, D, M, Mm, F)
        if m == 0:
            s = s + c * SIN(a * DEG)
        elif m in (1, -1):
            s = s + c * e * SIN(a * DEG)
        else:
            s = s + c * e2 * SIN(a * DEG)
    s = s + 3958 * SIN((119.75 + 131.849 * t) * DEG)
    s = s + 1962 * SIN((Lp - F) * DEG)
    s = s + 318 * SIN((53.09 + 479264.29 * t) * DEG)
    return s / 1000000


def solar_longitude_correction(jd):
    t = dynamic_time(jd)
    M = mean_solar_anomaly(jd)
    return ((1.914602 - 0.004817 * t - 0.000014 * t ** 2) * SIN(M * DEG)
            + (0.019993 - 0.000101 * t) * SIN((M + M) * DEG)
            + 0.000289 * SIN((M * 3) * DEG))


def ayanamsh(jd):
    return (jd - 1825154.5) * 23.79055556 / 624564


def sun_shifted(u):
    """Sun's true longitude, unreduced: correction plus mean longitude."""
    return solar_longitude_correction(u) + mean_solar_longitude(u)


# Moon phases ---------------------------------------------------------------

PLANETARY_TERMS = [
    (299.77, 0.107408, 0.000325), (251.88, 0.016321, 0.000165),
    (251.83, 26.651886, 0.000164), (349.42, 36.412478, 0.000126),
    (84.66, 18.206239, 0.00011), (141.74, 53.303771, 0.000062),
    (207.14, 2.453732, 0.00006), (154.84, 7.30686, 0.000056),
    (34.52, 27.261239, 0.000047), (207.19, 0.121824, 0.000042),
    (291.34, 1.844379, 0.00004), (161.72, 24.198154, 0.000037),
    (239.56, 25.513099, 0.000035), (331.55, 3.592518, 0.000023),
]


def mean_phase_jde(k, t):
    return (2451550.09766 + 29.530588861 * k + 0.00015437 * t ** 2
            - 0.00000015 * t ** 3 + 0.00000000073 * t ** 4)


def planetary_jde(k, t):
    jde = mean_phase_jde(k, t)
    for i, (c0, rate, coef) in enumerate(PLANETARY_TERMS):
        a = c0 + rate * k
        if i == 0:
            a = a - 0.009173 * t ** 2
        jde = jde + coef * SIN(a * DEG)
    return jde


def ms_jde(k, t):
    return reducer(2.5534 + 29.1053567 * k - 0.0000014 * t ** 2 - 0.00000011 * t ** 3)


def mm_jde(k, t):
    return reducer(201.5643 + 385.81693528 * k + 0.0107582 * t ** 2
                   + 0.00001238 * t ** 3 - 0.000000058 * t ** 4)


def f_jde(k, t):
    return reducer(160.7108 + 390.67050284 * k - 0.0016118 * t ** 2
                   - 0.00000227 * t ** 3 + 0.000000011 * t ** 4)


def omega_jde(k, t):
    return reducer(124.7746 - 1.56375588 * k + 0.0020672 * t ** 2 + 0.00000215 * t ** 3)


def _phase_rows(E, M, Mm, F, Om):
    """(argument in degrees, E factor) of the 25 periodic rows."""
    return [
        (Mm, 1), (M, E), (2 * Mm, 1), (2 * F, 1), (Mm - M, E), (Mm + M, E),
        (2 * M, E * E), (Mm - 2 * F, 1), (Mm + 2 * F, 1), (2 * Mm + M, E),
        (3 * Mm, 1), (M + 2 * F, E), (M - 2 * F, E), (2 * Mm - M, E),
        (Om, 1), (Mm + 2 * M, 1), (2 * Mm - 2 * F, 1), (3 * M, 1),
        (Mm + M - 2 * F, 1), (2 * Mm + 2 * F, 1), (Mm + M + 2 * F, 1),
        (Mm - M + 2 * F, 1), (Mm - M - 2 * F, 1), (3 * Mm + M, 1), (4 * Mm, 1),
    ]


NEW_MOON_COEFS = [-0.4072, 0.17241, 0.01608, 0.01039, 0.00739, -0.00514,
                  0.00208, -0.00111, -0.00057, 0.00056, -0.00042, 0.00042,
                  0.00038, -0.00024, -0.00017, -0.00007, 0.00004, 0.00004,
                  0.00003, 0.00003, -0.00003, 0.00003, -0.00002, -0.00002,
                  0.00002]
FULL_MOON_COEFS = [-0.40614, 0.17302, 0.01614, 0.01043, 0.00734, -0.00515,
                   0.00209, -0.00111, -0.00057, 0.00056, -0.00042, 0.00042,
                   0.00038, -0.00024, -0.00017, -0.00007, 0.00004, 0.00004,
                   0.00003, 0.00003, -0.00003, 0.00003, -0.00002, -0.00002,
                   0.00002]


def _phase_correction(coefs, jde, E, M, Mm, F, Om):
    for c, (a, ef) in zip(coefs, _phase_rows(E, M, Mm, F, Om)):
        if ef == 1:
            jde = jde + c * SIN(a * DEG)
        else:
            jde = jde + c * ef * SIN(a * DEG)
    return jde


def new_moon_correction(jde, E, M, Mm, F, Om):
    return _phase_correction(NEW_MOON_COEFS, jde, E, M, Mm, F, Om)


def full_moon_correction(jde, E, M, Mm, F, Om):
    return _phase_correction(FULL_MOON_COEFS, jde, E, M, Mm, F, Om)


def moon_phase_jde(phase, k):
    kk = k + phase * 0.25
    t = kk / 1236.85
    M = ms_jde(kk, t)
    Mm = mm_jde(kk, t)
    E = ejde(kk, t)
    F = f_jde(kk, t)
    Om = omega_jde(kk, t)
    jde = planetary_jde(kk, t)
    if phase == 0:
        jde = new_moon_correction(jde, E, M, Mm, F, Om)
    elif phase == 2:
        jde = full_moon_correction(jde, E, M, Mm, F, Om)
    return jde


def moon_phase_time(phase, k, time_zone, dst):
    return almanac_clock(calendar_date(moon_phase_jde(phase, k), time_zone, dst))


# Sunrise and sunset --------------------------------------------------------

def sunrise_sunset_time(month, year, day, latitude, longitude, rise, time_zone, dst):
    n = day_of_year(month, day, year)
    lng_hour = longitude / 15
    if rise:
        t = n + (6 - lng_hour) / 24
    else:
        t = n + (18 - lng_hour) / 24
    m = (0.9856 * t) - 3.289
    el = ((m + 1.916 * SIN(m * DEG)) + 0.02 * SIN((2 * m) * DEG)) + 282.634
    if el > 360:
        el = el - 360
    if el < 0:
        el = el + 360
    ra = ATAN(0.91764 * TAN(el * DEG)) * RAD
    lq = FLOOR(el / 90) * 90
    raq = FLOOR(ra / 90) * 90
    ra = ra + (lq - raq)
    ra = ra / 15
    sin_dec = 0.39782 * SIN(el * DEG)
    cos_dec = COS(ATAN(sin_dec / SQRT(1 - sin_dec * sin_dec)))
    cos_h = (COS(1.5853407371700035) - sin_dec * SIN(latitude * DEG)) / (cos_dec * COS(latitude * DEG))
    if cos_h >= 1 or cos_h <= -1:
        return NO_RISE_SET
    acos_h = (2 * ATAN(1) + ATAN(-cos_h / SQRT(1 - cos_h * cos_h))) * RAD
    h = 360 - acos_h if rise else acos_h
    h = h / 15
    tt = ((h + ra) - 0.06571 * t) - 6.622
    ut = tt - lng_hour
    local = ut + time_zone
    if dst:
        local = local + 1
    # into the day, exactly 24 staying 24; near the date line (zone +14) the
    # unwrapped time can pass 48 hours, so the adjustment repeats
    while local > 24:
        local = local - 24
    while local < 0:
        local = local + 24
    hour = FLOOR(local)
    minutes = FLOOR((local - hour) * 60)
    return f"{hour}H{minutes}"


# ---------------------------------------------------------------------------
# Hindu calendar elements
# ---------------------------------------------------------------------------

def tithi_number(lm, ls, lmc, lsc):
    d = ((lm + lmc) - ls) - lsc
    t = FLOOR(d / 12 + 1)
    if t < 0:
        t = t + 30
    return t


def _tithi_at(j):
    return tithi_number(mean_lunar_longitude(j), mean_solar_longitude(j),
                        lunar_longitude_correction(j), solar_longitude_correction(j))


def tithi_ending_time(y1, m1, d, time_zone):
    """Search in hours, minutes, seconds of universal time.  Mend M1: a trial
    counts as "ended" when (T mod 30) differs from (T0 mod 30), so that the
    change from tithi 29 to the new-moon tithi 0 is found."""
    t0 = _tithi_at(julian_day(y1, m1, d, 0, 0, 0)) % 30

    def ended(h, mi, s):
        return _tithi_at(julian_day(y1, m1, d, h, mi, s)) % 30 != t0

    H = 23
    for h in range(1, 24):
        if ended(h, 0, 0):
            H = h - 1
            break
    Mi = 59
    for mi in range(1, 60):
        if ended(H, mi, 0):
            Mi = mi - 1
            break
    S = 59
    for s in range(1, 60):
        if ended(H, Mi, s):
            S = s - 1
            break
    t = time_zone + ((S / 3600) + ((Mi / 60) + H))
    hour = FLOOR(t)
    minutes = FLOOR((t - hour) * 60)
    if hour < 0:
        hour = hour + 24
    return f"{hour}H{minutes}"


def ingress_instant(x):
    """Instant (shifted axis) at which the Sun's longitude crosses the sign
    boundary between x - 1 and x: bisection to double resolution on the
    longitude unwrapped against its value at x - 1."""
    l0 = sun_shifted(x - 1)

    def unwrapped(u):
        v = sun_shifted(u)
        if v < l0 - 180:
            v = v + 360
        return v

    boundary = 30 * FLOOR(unwrapped(x) / 30)
    lo, hi = x - 1, x
    while True:
        mid = (lo + hi) / 2
        if mid <= lo or mid >= hi:
            break
        if unwrapped(mid) >= boundary:
            hi = mid
        else:
            lo = mid
    return hi


def raas_number(jd, time_zone, dst):
    """Sun sign 0..11 and the ingress note ("" when the sign is unchanged).
    Mend M2: both sign numbers are taken modulo 12."""
    x = jd + SHIFT
    l1 = sun_shifted(x)
    l0 = sun_shifted(x - 1)
    r1 = FLOOR(l1 / 30) % 12
    r0 = FLOOR(l0 / 30) % 12
    if r1 == r0:
        return r1, ""
    t = ingress_instant(x) - SHIFT
    clock = almanac_clock(calendar_date(t, time_zone, dst))
    return r1, INGRESS_HEAD + RaashiNames[r1] + INGRESS_MID + clock + " "


# Kinds of lunar month: a value of its own beside the month index.
REGULAR = "regular"
ADDED = "added"                     # the Sun stays in one sign the whole lunation
AFTER_ADDED = "after-added"         # the regular month that follows an added one

MEAN_NEW_MOON_EPOCH = 2451550.09766  # mean new moon of lunation 0 (6 January 2000)
MEAN_LUNATION = 29.530588861         # days, the rate of the mean new moon


def new_moon_instant(k):
    """Instant of the new moon of lunation k (whole number), Julian Day read
    on the universal-time scale like every instant of the almanac."""
    return moon_phase_jde(0, k)


def lunation_of(jd):
    """Lunation k with new_moon_instant(k) <= jd < new_moon_instant(k + 1).
    The estimate from the mean rate alone misses by the periodic terms (up
    to about 14 hours) and, far from the year 2000, by the T^2..T^4 terms of
    the mean phase (17 days in the year 32767), so it is stepped until the
    inequality holds."""
    k = FLOOR((jd - MEAN_NEW_MOON_EPOCH) / MEAN_LUNATION)
    while new_moon_instant(k) > jd:
        k = k - 1
    while new_moon_instant(k + 1) <= jd:
        k = k + 1
    return k


def sun_sign_at(instant):
    """Sign of the Sun (0..11) at a universal-time instant: the unreduced
    longitude on the shifted axis, floor modulo 12 (a longitude a hair below
    0 is sign 11, one of 360 or more is sign 0)."""
    return FLOOR(sun_shifted(instant + SHIFT) / 30) % 12


def lunar_month(jd):
    """Lunar month of the date whose 0 h UT is jd: (index 0..11, kind).  Mend
    M5: the month is that of the whole lunation holding jd, from the Sun's
    sign at its opening new moon and at the new moons before and after it;
    index 0 is the month that opens while the Sun is in the twelfth sign."""
    k = lunation_of(jd)
    sp = sun_sign_at(new_moon_instant(k - 1))
    sn = sun_sign_at(new_moon_instant(k))
    sf = sun_sign_at(new_moon_instant(k + 1))
    index = (sn + 1) % 12
    if sf == sn:
        kind = ADDED
    elif sp == sn:
        kind = AFTER_ADDED
    else:
        kind = REGULAR
    return index, kind


def shalivahan_shake(jd, maas_no):
    y = (jd + SHIFT) / 365.25636274 - 7892
    if maas_no < 3 and y - FLOOR(y) > 0.8:
        y = FLOOR(y) + 1
    return FLOOR(y)


def vikram_samvat(jd, maas_no):
    y = (jd + SHIFT) / 365.25636274 - 7757
    if maas_no < 7 and y - FLOOR(y) < 0.5:
        y = FLOOR(y) - 1
    return FLOOR(y)


def samvatsara_number(shake):
    return shake % 60


def chandra_raashi_number(niryana):
    """Moon sign; mend M3: floor modulo 12."""
    return FLOOR(niryana * 12 / 360) % 12


def naxatra_number(niryana):
    """Nakshatra; mend M3: floor modulo 27."""
    return FLOOR(niryana * 27 / 360) % 27


def yoga_index(y):
    """Yoga column index; mend M4: clamped to 26."""
    return min(FLOOR(y / 13.3333333333333), 26)


# ---------------------------------------------------------------------------
# Place record and place file
# ---------------------------------------------------------------------------

def parse_location(record):
    """The label texts (lblLat, lblLong, lblTimeZone caption and tag) of a
    place record."""
    t = record[-26:]
    zone_caption = t[-7:]
    if t[-3:] == ":30":
        t = t[:23] + ".50"
    if t[-3:] == ":00":
        t = t[:23] + ".00"
    zone_tag = t[-7:]
    c = 26
    for _ in range(5):
        if t[:1] == " ":
            t = t[-(c - 1):] if c - 1 > 0 else ""
        c = c - 1
    lat_caption = t[:8]
    long_caption = t[9:17]
    return lat_caption, long_caption, zone_caption, zone_tag


def place_values(record):
    """(latitude, longitude, time zone, labels) as the month table reads them."""
    lat_c, long_c, zone_c, zone_tag = parse_location(record)
    lat = val(lat_c[:4]) + val(lat_c[-3:]) / 60
    if lat_c[3:4] == "S":
        lat = -lat
    lon = val(long_c[:4]) + val(long_c[-3:]) / 60
    if long_c[4:5] == "W":
        lon = -lon
    tz = val(zone_tag)
    return lat, lon, tz, (lat_c, long_c, zone_c)


def read_ini(path):
    """Sections of a private-profile file (single-byte text): section and
    key names case-insensitive, one enclosing pair of quotes removed, ";"
    comment lines skipped, the first of duplicate keys kept, values cut to
    79 characters."""
    with open(path, "rb") as fh:
        text = fh.read().decode("latin-1")
    sections = {}
    current = None
    for line in re.split(r"\r\n|\n|\r", text):
        s = line.strip(" \t")
        if not s or s.startswith(";"):
            continue
        if s.startswith("[") and "]" in s:
            current = sections.setdefault(s[1:s.index("]")].strip().upper(), {})
            continue
        if current is None or "=" not in s:
            continue
        key, _, value = s.partition("=")
        key = key.strip(" \t").upper()
        value = value.strip(" \t")
        if len(value) >= 2 and value[0] == value[-1] and value[0] in "\"'":
            value = value[1:-1]
        current.setdefault(key, value[:79])
    return sections


def read_place_file(path):
    """Place records (in key order "0", "1", ... up to the first gap) and the
    auspicious-day texts of a Location.ini file."""
    sections = read_ini(path)
    loc = sections.get("LOCATION", {})
    places = []
    for n in range(5001):
        v = loc.get(str(n), "")
        if not v:
            break
        places.append(v)
    return places, dict(sections.get("AUSPICIOUS DAYS", {}))


def default_position(path):
    """The stored default place position (0 when none is stored)."""
    text = read_ini(path).get("DEFAULT", {}).get("CITYDATANUMBER", "")
    return round_half_even(val(text))


# ---------------------------------------------------------------------------
# The month table
# ---------------------------------------------------------------------------

def month_table(place, month, year, dst=False, auspicious=None):
    """The month table of `place` (a place record text, or a tuple
    (latitude, longitude, time zone) of numbers), Gregorian month 1..12,
    year (text or number), daylight-saving flag and auspicious-day texts
    (dict key "MMTT" -> text).  Returns {"rows", "kali", "vikram", "message"}."""
    auspicious = auspicious or {}
    rows = [list(ColumnHeadings)] + [[""] * 17 for _ in range(31)]
    year_value = val(str(year))
    if str(year).strip() == "":
        return {"rows": rows, "kali": "", "vikram": None, "message": MSG_NO_YEAR}
    if year_value < 79:
        return {"rows": rows, "kali": "", "vikram": None, "message": MSG_YEAR_LOW}
    if year_value > YEAR_MAX:
        return {"rows": rows, "kali": "", "vikram": None, "message": MSG_YEAR_HIGH}
    if isinstance(place, str):
        lat, lon, tz, _labels = place_values(place)
    else:
        lat, lon, tz = place
    y = round_half_even(year_value)        # the year number, used throughout
    year_text = str(y)
    m_index = month - 1
    M = month

    # Moon phases of the month
    half = days_of_month(m_index, y) / 2
    doy = day_of_year(M, half, y)
    yy = y + doy / 365.25
    k = FLOOR((yy - 2000) * 12.3685)
    new_moon_text = moon_phase_time(0, k, tz, dst)
    full_moon_text = moon_phase_time(2, k, tz, dst)

    kali_caption = ""
    kali_tag = ""
    first_vikram = ""
    last_vikram = ""
    n_days = days_of_month(m_index, y)
    for D in range(1, n_days + 1):
        row = rows[D]
        row[0] = GregorianMonthNames[m_index]
        row[1] = str(D)
        row[2] = year_text
        row[3] = WeekdayNames[weekday_number(M, D, y)]

        jd = julian_day(y, M, D, 0, 0, 0)
        lm = mean_lunar_longitude(jd)
        ls = mean_solar_longitude(jd)
        lsc = solar_longitude_correction(jd)
        lmc = lunar_longitude_correction(jd)
        tithi = tithi_number(lm, ls, lmc, lsc)

        if tithi == 31:                 # the wrap: shown as tithi 1
            label = BRIGHT
        elif tithi > 15:
            label = DARK
        else:
            label = BRIGHT
        if tithi in (15, 0, 30):
            label = ""
        if tithi == 30:
            name_index = 0
        elif tithi == 31:
            name_index = 1
        elif tithi > 15:
            name_index = tithi - 15
        else:
            name_index = tithi

        ending = tithi_ending_time(y, M, D, tz)
        sun_sign, day_note = raas_number(jd, tz, dst)

        maas, kind = lunar_month(jd)
        prefix = {ADDED: ADDED_PREFIX, AFTER_ADDED: REGULAR_PREFIX}.get(kind, "")
        month_text = prefix + MaasNames[maas]

        shake = shalivahan_shake(jd, maas)
        cycle_text = SamvatsaraNames[samvatsara_number(shake)]

        v = vikram_samvat(jd, maas)
        if D == 1:
            first_vikram = str(v)
        if D == n_days:
            last_vikram = str(v)
        if first_vikram == last_vikram:
            last_vikram = ""
        kali = calendar_date(jd + SHIFT, tz, dst).split("/")[2].split(" ")[0]
        kali_caption = KALI_PREFIX + kali
        if m_index == 0 and D == 23:
            kali_tag = KALI_PREFIX + kali + KALI_NEW_YEAR

        ayan = ayanamsh(jd)
        nax = naxatra_number((lm + lmc) - ayan)
        # mend M6: the sum of the Moon's and the Sun's sidereal longitudes,
        # so the ayanamsha comes off once for each body
        yoga_y = reducer(((((lm + lmc) + ls) + lsc) - ayan) - ayan)
        yoga = yoga_index(yoga_y)
        moon_sign = chandra_raashi_number((lm + lmc) - ayan)

        sunrise = sunrise_sunset_time(M, y, D, lat, lon, True, tz, dst)[-10:]
        sunset = sunrise_sunset_time(M, y, D, lat, lon, False, tz, dst)[-10:]

        note = auspicious.get(f"{maas:02d}{tithi:02d}", "")

        row[4] = str(shake)
        row[5] = cycle_text
        row[6] = month_text
        row[7] = label
        row[8] = TithiNames[name_index]
        row[9] = ending
        if tithi in (0, 30):
            row[9] = new_moon_text
        if tithi == 15:
            row[9] = full_moon_text
        row[10] = NaxatraNames[nax]
        row[11] = YogaNames[yoga]
        row[12] = RaashiNames[moon_sign]
        row[13] = RaashiNames[sun_sign]
        row[14] = sunrise
        row[15] = sunset
        row[16] = day_note + note

    if m_index == 0:
        rows[23][16] = kali_tag
    vikram = VIKRAM_PREFIX + first_vikram + "     " + last_vikram
    return {"rows": rows, "kali": kali_caption, "vikram": vikram, "message": None}


# ---------------------------------------------------------------------------
# Command line
# ---------------------------------------------------------------------------

def main(argv=None):
    ap = argparse.ArgumentParser(description="Reference month table (JSON, Xdvng bytes as Latin-1 characters).")
    ap.add_argument("--places", required=True, help="Location.ini place file")
    ap.add_argument("--place", type=int, default=None, help="list position (default: the stored default)")
    ap.add_argument("--month", type=int, required=True, choices=range(1, 13))
    ap.add_argument("--year", required=True)
    ap.add_argument("--dst", action="store_true")
    a = ap.parse_args(argv)
    places, auspicious = read_place_file(a.places)
    idx = a.place if a.place is not None else default_position(a.places)
    record = places[idx]
    result = month_table(record, a.month, a.year, a.dst, auspicious)
    _, _, _, labels = place_values(record)
    out = {"rows": result["rows"], "kali": result["kali"], "vikram": result["vikram"],
           "lat": labels[0], "long": labels[1], "zone": labels[2], "message": result["message"]}
    json.dump(out, sys.stdout, ensure_ascii=False)
    sys.stdout.write("\n")
    return 0 if result["message"] is None else 1


if __name__ == "__main__":
    sys.exit(main())
