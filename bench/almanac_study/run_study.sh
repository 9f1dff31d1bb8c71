#!/bin/sh
# The almanac accuracy study against astronomy-engine: installs the npm package here (only
# here; node_modules is git-ignored), builds our side in ./build, compares, and writes the
# table to latest-table.md (results.md holds the table of record with its reading).
set -e
cd "$(dirname "$0")"
[ -d node_modules/astronomy-engine ] || npm install --no-audit --no-fund
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j1 --target our_almanac >/dev/null
python3 make_cases.py > cases.tsv
node reference.js < cases.tsv > reference.tsv
./build/our_almanac < cases.tsv > ours.tsv
python3 compare.py cases.tsv reference.tsv ours.tsv > latest-table.md
cat latest-table.md
