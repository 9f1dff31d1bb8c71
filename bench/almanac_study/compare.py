"""Compares our almanac with astronomy-engine's and prints the results as a markdown table.
Usage: compare.py cases.tsv reference.tsv ours.tsv"""
import statistics
import sys

EVENTS = ["astronomicalDawn", "nauticalDawn", "civilDawn", "sunrise", "solarNoon", "sunset",
          "civilDusk", "nauticalDusk", "astronomicalDusk"]


def read(path):
    values = {}
    with open(path) as f:
        for line in f:
            parts = line.split()
            if len(parts) == 3:
                values[(parts[0], parts[1])] = parts[2]
    return values


def summary(diffs, digits=2):
    a = sorted(abs(d) for d in diffs)
    if not a:
        return "-", "-", "-"
    p95 = a[min(len(a) - 1, int(0.95 * len(a)))]
    return f"{statistics.median(a):.{digits}f}", f"{p95:.{digits}f}", f"{a[-1]:.{digits}f}"


def main(cases_path, ref_path, ours_path):
    ids = [line.split()[0] for line in open(cases_path) if line.strip()]
    ref, ours = read(ref_path), read(ours_path)
    modern = [i for i in ids if i.startswith("modern")]
    rows = []
    for name in EVENTS:
        diffs, disagree = [], 0
        for i in modern:
            r, o = ref.get((i, name)), ours.get((i, name))
            if r is None or o is None:
                continue
            if (r == "none") != (o == "none"):
                disagree += 1
            elif r != "none":
                diffs.append((float(o) - float(r)) * 86400)
        rows.append((name, "s", len(diffs), *summary(diffs, 1), disagree))
    diffs = [float(ours[(i, "moonIllumination")]) - float(ref[(i, "moonIllumination")])
             for i in modern if (i, "moonIllumination") in ours]
    rows.append(("moonIllumination (local noon)", "pp", len(diffs), *summary(diffs), 0))

    def phase_rows(label, subset):
        with_dt, without_dt, wrong_kind = [], [], 0
        for i in subset:
            r, o, t = ref.get((i, "nextPhase")), ours.get((i, "nextPhase")), ours.get((i, "nextPhaseTT"))
            if not (r and o and t):
                continue
            rk, rv = r.split(":")
            ok, ov = o.split(":")
            if int(rk) != int(ok):
                wrong_kind += 1
                continue
            with_dt.append((float(ov) - float(rv)) * 1440)
            without_dt.append((float(t.split(":")[1]) - float(rv)) * 1440)
        rows.append((f"phase instant, {label}, UT = TT - ΔT", "min", len(with_dt), *summary(with_dt), wrong_kind))
        rows.append((f"phase instant, {label}, TT used as UT", "min", len(without_dt), *summary(without_dt), wrong_kind))

    phase_rows("1900-2100", modern)
    phase_rows("AD 1000", [i for i in ids if i.startswith("ad1000_")])
    phase_rows("AD 1", [i for i in ids if i.startswith("ad1_")])

    print("| quantity | unit | cases | median abs. error | 95th percentile | maximum | disagree on presence |")
    print("|---|---|---:|---:|---:|---:|---:|")
    for r in rows:
        print("| " + " | ".join(str(x) for x in r) + " |")


if __name__ == "__main__":
    main(*sys.argv[1:4])
