#!/usr/bin/env bash
# A seeded random soak of the windows: writes a script of ACTIONS driver actions
# (make_soak.py), runs it in chronel-driver in a scratch folder holding a copy of Data/ (so
# "Set as default Location" writes there) and checks every dump of the main window
# (check_soak.py). Prints the figures of the run.
#   run_soak.sh DRIVER [ACTIONS=3000] [SEED=1]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
driver=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
actions=${2:-3000}
seed=${3:-1}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$root/Data" "$work/Data"
python3 "$here/make_soak.py" --seed "$seed" --actions "$actions" \
  --cities "$root/Data/CitiesDMS.txt" >"$work/soak.drv"

start=$(date +%s%N)
status=0
(cd "$work" && QT_QPA_PLATFORM=offscreen "$driver" --today 2000-01-01 soak.drv >out.txt 2>err.txt) || status=$?
end=$(date +%s%N)
if [[ $status != 0 ]]; then
  echo "soak: the driver ended with status $status (seed $seed)"
  tail -n 20 "$work/err.txt"
  exit 1
fi
python3 "$here/check_soak.py" "$work/out.txt"
ms=$(( (end - start) / 1000000 ))
echo "soak: $actions actions, seed $seed, $(grep -c '^dump main' "$work/soak.drv") dumps, ${ms} ms" \
     "($(( ms * 1000 / actions )) us per action)"
