#!/usr/bin/env bash
# How much of the user-interface library the soak alone reaches: builds it with gcov in build-cov,
# soaks for SECONDS with SEED and prints the lines and functions of quorvant_ui that ran.
# Usage: tools/soak-coverage.sh SECONDS [SEED]   (needs gcov, c++filt and python3)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:?usage: $0 SECONDS [SEED]}
seed=${2:-4242}
cmake -S . -B build-cov -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS="--coverage -O0" > /dev/null
cmake --build build-cov -j2 --target quorvant_soak
find build-cov -name '*.gcda' -delete
QT_QPA_PLATFORM=offscreen build-cov/tests/quorvant_soak --seconds "$seconds" --seed "$seed" 2>&1 | grep '^soak:'
cd build-cov
python3 - <<'PY'
import glob, os, re, subprocess
objects = 'CMakeFiles/quorvant_ui.dir'
files, functions = {}, {}
for note in glob.glob(objects + '/**/*.gcno', recursive=True):
    out = subprocess.run(['gcov', '-n', '-f', '-o', os.path.dirname(note), note[:-5] + '.o'],
                         capture_output=True, text=True).stdout.splitlines()
    for line, summary in zip(out, out[1:]):
        ran = re.match(r"Lines executed:([\d.]+)% of (\d+)", summary)
        if not ran:
            continue
        share, total = float(ran.group(1)), int(ran.group(2))
        if m := re.match(r"Function '(.*)'", line):
            functions[m.group(1)] = max(functions.get(m.group(1), 0.0), share)
        elif (m := re.match(r"File '(.*)'", line)) and re.search(r'(^|/)[a-z]+/ui/[^/]+\.cpp$', m.group(1)):
            files[m.group(1)] = (round(share * total / 100), total)
lines_ran = sum(r for r, _ in files.values())
lines = sum(t for _, t in files.values())
names = list(functions)
plain = subprocess.run(['c++filt'], input='\n'.join(names), capture_output=True, text=True).stdout.splitlines()
ui = [functions[n] for n, p in zip(names, plain) if p.startswith('quorvant::ui::')]
reached = sum(1 for share in ui if share > 0)
print(f'soak coverage of quorvant_ui: lines {lines_ran} of {lines} ({100 * lines_ran / lines:.1f} %) in '
      f'{len(files)} sources, functions {reached} of {len(ui)} ({100 * reached / len(ui):.1f} %)')
PY
