#!/usr/bin/env bash
# Builds the coverage build (gcc --coverage, no sanitizers), runs every test and prints the line
# and branch coverage of src/ and tools/ per folder.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh coverage
cmake -S . -B build-coverage -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVALDREN_COVERAGE=ON -DVALDREN_BENCH=OFF
cmake --build build-coverage
# Objects of sources deleted since the last run still lie in the build folder; their notes would
# name files that no longer exist.
ninja -C build-coverage -t cleandead >/dev/null
find build-coverage -name '*.gcno' | while read -r notes; do
    [ -e "${notes%.gcno}.o" ] || rm -f "$notes"
done
find build-coverage -name '*.gcda' -delete
(cd build-coverage && QT_QPA_PLATFORM=offscreen ctest -j "$(nproc)" --output-on-failure)

# One line per folder of src/ and tools/: lines and branches covered.
gcovr --root . --object-directory build-coverage --filter 'src/' --filter 'tools/' \
      --exclude-unreachable-branches --json-summary build-coverage/coverage.json >/dev/null
python3 - build-coverage/coverage.json <<'PY'
import json, sys
from collections import defaultdict
totals = defaultdict(lambda: [0, 0, 0, 0])
for entry in json.load(open(sys.argv[1]))["files"]:
    parts = entry["filename"].split("/")
    for folder in ("/".join(parts[:2]), parts[0]):
        t = totals[folder]
        t[0] += entry["line_covered"]; t[1] += entry["line_total"]
        t[2] += entry["branch_covered"]; t[3] += entry["branch_total"]
def percent(part, whole):
    return f"{100.0 * part / whole:6.2f}%" if whole else "     -"
for folder in sorted(totals, key=lambda f: (f.count("/") == 0, f)):
    lc, lt, bc, bt = totals[folder]
    print(f"{folder:24} lines {percent(lc, lt)} ({lc}/{lt})  branches {percent(bc, bt)} ({bc}/{bt})")
PY
