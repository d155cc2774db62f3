#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer and UndefinedBehaviorSanitizer) and runs each
# for the given number of seconds, two at a time, then prints each target's executions and the inputs
# it added. Inputs found are kept in Build/fuzz/Corpus, so later runs go on from there; failing
# inputs land in Build/fuzz/Crashes. Usage: Scripts/Fuzz.sh [seconds per target, default 600]
set -euo pipefail
cd "$(dirname "$0")/.."

Seconds=${1:-600}
cmake --preset fuzz -DZOVA_FUZZ_SECONDS="$Seconds" >/dev/null
cmake --build --preset fuzz -j "$(nproc 2>/dev/null || echo 2)"

Log=Build/fuzz/FuzzRun.log
Status=0
ctest --preset fuzz -j 2 -V >"$Log" 2>&1 || Status=$?

# ctest -V prefixes each line of test N with "N: "; "Test #N: Name" names it.
python3 - "$Log" "$Seconds" <<'PYTHON'
import re, sys

names, stats, failed = {}, {}, set()
for line in open(sys.argv[1], errors="replace"):
	if m := re.match(r"\s*Start\s+(\d+): (\S+)", line):
		names[m[1]] = m[2]
	elif m := re.match(r"(\d+): stat::(number_of_executed_units|new_units_added):\s+(\d+)", line):
		stats.setdefault(m[1], {})[m[2]] = int(m[3])
	elif m := re.search(r"Test\s+#(\d+): \S+ \.+\*+(Failed|Timeout|Exception)", line):
		failed.add(m[1])

print(f"{'Target':<22}{'Seconds':>9}{'Executions':>14}{'New inputs':>12}  Result")
for number, name in sorted(names.items(), key=lambda item: int(item[0])):
	row = stats.get(number, {})
	print(f"{name:<22}{sys.argv[2]:>9}{row.get('number_of_executed_units', 0):>14,}{row.get('new_units_added', 0):>12,}  {'FAILED' if number in failed else 'clean'}")
PYTHON
if [ "$Status" -ne 0 ]; then
	echo "A fuzz target failed: see $Log and Build/fuzz/Crashes." >&2
fi
exit "$Status"
