#!/usr/bin/env python3
"""Writes a seeded random driver script for chronel-driver: typed garbage in every number field
(each followed by Enter), arrow clicks, month and BC/AD picks, region picks, the Locations
window (typed coordinates, GO, city picks, "Set as default Location") and the Computus window,
with a "dump main" after every batch of actions. The same seed gives the same script.

    make_soak.py --seed 7 --actions 3000 [--batch 10] [--cities Data/CitiesDMS.txt] > soak.drv
"""

import argparse
import random
import sys

MAIN_FIELDS = [1000, 1002, 1003, 1005, 1007, 1008, 1023, 1025]
ARROWS = [1011, 1012, 1013, 1014, 1015, 1016, 1017, 1018, 1019, 1020,
          1063, 1066, 1068, 1069, 1070, 1071]
MONTHS = ["January", "February", "March", "April", "May", "June", "July", "August",
          "September", "October", "November", "December"]
REGIONS = ["Rome Empire", "Byzantium", "Russia", "Europe", "Austria", "Belgium", "Bulgaria",
           "Switzerland", "Germany", "Denmark", "Spain", "France", "Greece", "Hungary", "Italy",
           "Netherlands", "Norway", "Poland", "Portugal", "Sweden", "United Kingdom",
           "United States", "Scotland", "Diocese of Augsburg", "Silesia (Schlesien)",
           "Germany Protestant part"]
LOCATION_FIELDS = [1039, 1040, 1042, 1045, 1047, 1049, 1062]


def garbage(rnd, fine=True):
    """Text a user might type, or a cat walking over the keyboard. With fine false, no decimal
    of more than two places: the check reads the Julian Day back from its "%.2f" text, which
    cannot tell 0.4999 from 0.5."""
    kind = rnd.randrange(14)
    if kind == 0:
        return str(rnd.randint(-40, 40))
    if kind == 1:
        return str(rnd.randint(-5000, 5000))
    if kind == 2:
        return str(rnd.randint(-10**6, 10**6))
    if kind == 3:  # a Julian Day anywhere in (and a little beyond) the kept range
        return "%.*f" % (rnd.choice([0, 1, 2, 4, 6] if fine else [0, 1, 2]), rnd.uniform(-50000, 3.7e8))
    if kind == 4:
        return "%.*f" % (rnd.choice([0, 2, 3] if fine else [0, 1, 2]), rnd.uniform(2.2e6, 2.6e6))
    if kind == 5:
        return rnd.choice(["", " ", "-", "+", "--5", "+-5", "-+5", "-0", "-0.0", "0", "+0"])
    if kind == 6:
        return rnd.choice(["nan", "inf", "-inf", "1e308", "-1e308", "1e-400", "0x1F", "1,5",
                           "12abc", "abc", "  7 ", "3.", ".5", "-.5", "1e5", "2147483648",
                           "-2147483649"])
    if kind == 7:
        return "9" * rnd.randint(10, 80)
    if kind == 8:
        return "-" + "9" * rnd.randint(10, 40)
    if kind == 9:
        alphabet = "0123456789-+.eE xyz,;'" if fine else "0123456789-+ xyz,;'"
        return "".join(rnd.choice(alphabet) for _ in range(rnd.randint(1, 12)))
    if kind == 10:
        return str(rnd.randint(1, 31))
    if kind == 11:
        return str(rnd.randint(1, 366))
    if kind == 12:
        return str(rnd.randint(-4800, 2100))
    return "%.2f" % rnd.uniform(-13, 13)


def read_cities(path):
    names = []
    with open(path, encoding="utf-8", errors="replace") as f:
        for line in f:
            name, tab, _ = line.partition("\t")
            if tab and name.strip() == name and name:
                names.append(name)
    return names


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--seed", type=int, required=True)
    parser.add_argument("--actions", type=int, required=True)
    parser.add_argument("--batch", type=int, default=10)
    parser.add_argument("--cities", default="Data/CitiesDMS.txt")
    args = parser.parse_args()

    rnd = random.Random(args.seed)
    cities = read_cities(args.cities)
    locations_open = False
    computus_open = False
    out = sys.stdout
    done = 0
    in_batch = 0

    def emit(line):
        nonlocal done, in_batch
        out.write(line + "\n")
        done += 1
        in_batch += 1

    while done < args.actions:
        roll = rnd.random()
        if roll < 0.30:
            field = rnd.choice(MAIN_FIELDS)
            emit("type main %d %s" % (field, garbage(rnd, fine=field not in (1007, 1008))))
            emit("key main %d Enter" % field)
        elif roll < 0.55:
            emit("%s main %d" % (rnd.choice(["click", "click", "dblclick"]), rnd.choice(ARROWS)))
        elif roll < 0.65:
            emit("select main %d %s" % (rnd.choice([1001, 1004]), rnd.choice(MONTHS)))
        elif roll < 0.70:
            emit("select main %d %s" % (rnd.choice([1021, 1022]), rnd.choice(["BC", "AD"])))
        elif roll < 0.75:
            emit("select main %d %s" % (rnd.choice([1052, 1057]), rnd.choice(REGIONS)))
        elif roll < 0.77:
            emit("click main 1009")  # Today
        elif roll < 0.79:
            button = rnd.choice([1090, 1090, 1089, 1092])  # Computus, Locations, place name
            emit("click main %d" % button)
            computus_open = computus_open or button == 1090
            locations_open = locations_open or button != 1090
        elif roll < 0.97:
            if not locations_open:
                emit("click main 1089")
                locations_open = True
            action = rnd.random()
            if action < 0.35:
                field = rnd.choice(LOCATION_FIELDS)
                emit("type locations %d %s" % (field, garbage(rnd)))
                if rnd.random() < 0.7:
                    emit("key locations %d Enter" % field)
            elif action < 0.60 and cities:
                emit("select locations 1067 %s" % rnd.choice(cities))
            elif action < 0.75:
                emit("select locations %d %s" % rnd.choice([(1077, "N"), (1077, "S"), (1078, "E"),
                                                             (1078, "W")]))
            elif action < 0.95:
                emit("click locations 1091")  # GO
            else:
                emit("click locations 1079")  # Set as default Location
        else:
            emit("get computus 1027" if computus_open else "get main 1092")
        if in_batch >= args.batch:
            out.write("dump main\n")
            in_batch = 0
    out.write("dump main\n")


if __name__ == "__main__":
    main()
