"""Writes the study's cases, one a line: "id year month day latitude longitude utcOffset".
A fixed seed makes the same cases every time. Sets: 3000 random days of 1900-2100 with
|latitude| <= 60; 200 days each of the years 1000 and 1 for the phases far from today."""
import random
import sys

rng = random.Random(20261211)
out = sys.stdout


def day_in(year):
    month = rng.randint(1, 12)
    return year, month, rng.randint(1, 28)


n = 0
for _ in range(3000):
    y, m, d = day_in(rng.randint(1900, 2100))
    lat, lon = rng.uniform(-60, 60), rng.uniform(-180, 180)
    out.write(f"modern{n} {y} {m} {d} {lat:.4f} {lon:.4f} {round(lon / 15)}\n")
    n += 1
for year in (1000, 1):
    for _ in range(200):
        y, m, d = day_in(year)
        out.write(f"ad{year}_{n} {y} {m} {d} 45.0000 0.0000 0\n")
        n += 1
