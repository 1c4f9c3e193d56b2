#!/usr/bin/env bash
# Builds with coverage, runs the whole suite and prints line and branch coverage per folder of
# src/, then the total of src/ outside src/host/ (the library itself).
# Branches that only C++ exception handling creates are not counted (gcovr's
# --exclude-throw-branches and --exclude-unreachable-branches).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
if ! command -v gcovr >/dev/null; then
    sudo_cmd=()
    [[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq gcovr
fi
cmake --preset coverage >/dev/null
cmake --build --preset coverage
find build/coverage -name '*.gcda' -delete
ctest --preset coverage
summary=build/coverage/coverage.json
gcovr --root . --object-directory build/coverage --filter 'src/' --exclude-throw-branches \
      --exclude-unreachable-branches --json-summary "$summary" >/dev/null
python3 - "$summary" <<'PY'
import collections, json, os, sys
files = json.load(open(sys.argv[1]))["files"]
folders = collections.defaultdict(lambda: [0, 0, 0, 0])
library = [0, 0, 0, 0]
for f in files:
    name = f["filename"]
    c = (f["line_covered"], f["line_total"], f["branch_covered"], f["branch_total"])
    parts = os.path.dirname(name).split("/")
    folder = "/".join(parts[:3] if parts[1] in ("automation", "host") else parts[:2])
    for i, v in enumerate(c):
        folders[folder][i] += v
        if not name.startswith("src/host/"):
            library[i] += v
pct = lambda a, b: f"{100.0 * a / b:5.1f} %" if b else "    - "
print(f"{'folder':32} {'lines':>20} {'branches':>20}")
for folder in sorted(folders):
    lc, lt, bc, bt = folders[folder]
    print(f"{folder:32} {pct(lc, lt)} {lc:6}/{lt:<6} {pct(bc, bt)} {bc:6}/{bt:<6}")
lc, lt, bc, bt = library
print(f"{'src/ outside src/host/':32} {pct(lc, lt)} {lc:6}/{lt:<6} {pct(bc, bt)} {bc:6}/{bt:<6}")
PY
