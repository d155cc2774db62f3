#!/usr/bin/env bash
# Builds the release preset, runs every benchmark and prints one table, with the machine, compiler
# and date, and beside each row the figures docs/PERFORMANCE.md holds from the previous run.
# Each ratio compares a measured side with its baseline in one process: timed in turn, pair after
# pair (the median of the per-pair ratios and their 10th to 90th percentile), and counted once each
# under callgrind (the ratio of instructions executed, which the machine's load does not move).
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc 2>/dev/null || echo 2)" >/dev/null

Binaries=Build/release/Binaries
Results=$(mktemp -d)
trap 'rm -rf "$Results"' EXIT

# Times: the interleaved pairs, the allocation count and the zova runs.
for Benchmark in JsonAnalyzeBenchmark JsonBenchmark HttpRequestBenchmark LauncherDecryptBenchmark LauncherAccessorBenchmark JsonAnalyzeCompileBenchmark ZovaScaleBenchmark; do
	echo "Timing $Benchmark" >&2
	"$Binaries/$Benchmark" --benchmark_filter='Interleaved|AllocationsPerValue|JsonAnalyzeKeys|JsonArrayValues' \
		--benchmark_format=json --benchmark_out="$Results/$Benchmark.json" >/dev/null 2>&1
done

# Instructions: one call of each side of every pair that counts them, in a dump of its own.
for Benchmark in JsonAnalyzeBenchmark JsonBenchmark LauncherDecryptBenchmark LauncherAccessorBenchmark JsonAnalyzeCompileBenchmark; do
	echo "Counting instructions of $Benchmark" >&2
	valgrind --tool=callgrind --collect-atstart=no --callgrind-out-file="$Results/$Benchmark.callgrind" \
		"$Binaries/$Benchmark" --benchmark_filter=OneCallEach >/dev/null 2>&1
done

python3 - "$Results" docs/PERFORMANCE.md <<'PYTHON'
import glob, json, os, platform, re, subprocess, sys, datetime

results = sys.argv[1]

def previous_figures(path):
	"""The median and instruction columns of the table in the performance notes, by measurement."""
	figures = {}
	if not os.path.exists(path):
		return figures
	columns = None
	with open(path) as file:
		for line in file:
			cells = [cell.strip() for cell in line.strip().strip("|").split("|")]
			if not line.startswith("|") or all(set(cell) <= set("-: ") for cell in cells):
				continue
			if cells[0] == "Measurement":
				columns = cells
				continue
			# The first table that has a median (or, before pairs, a value) column is the run's own.
			if columns is not None and len(cells) == len(columns) and cells[0] not in figures and ("Median" in columns or "Value" in columns):
				row = dict(zip(columns, cells))
				figures[cells[0]] = (row.get("Median", row.get("Value")), row.get("Instructions", "-"))
	return figures

previous = previous_figures(sys.argv[2])

def run_rows(program):
	with open(os.path.join(results, program + ".json")) as file:
		return json.load(file)["benchmarks"]

def interleaved(program, pair):
	for row in run_rows(program):
		if row["run_name"].startswith(pair + "/Interleaved/"):
			return row["Ratio"], row["RatioLow"], row["RatioHigh"]
	raise SystemExit("missing result: %s %s" % (program, pair))

def instructions(program, pair):
	"""Instructions of one call of each side, from the dumps that callgrind wrote for the pair."""
	counts = {}
	for path in glob.glob(os.path.join(results, program + ".callgrind.*")):
		with open(path) as file:
			text = file.read()
		trigger = re.search(r"^desc: Trigger: Client Request: (.*)$", text, re.M)
		total = re.search(r"^totals: (\d+)$", text, re.M)
		if trigger and total:
			counts[trigger.group(1)] = int(total.group(1))
	if pair + "/Measured" not in counts or pair + "/Baseline" not in counts:
		raise SystemExit("missing instruction count: %s %s" % (program, pair))
	return counts[pair + "/Measured"] / counts[pair + "/Baseline"]

# Each row: (measurement, read as, median, spread, instructions, target, judged on, met).
rows = []

def ratio_row(what, program, pair, target, json_row=False, throughput=False, counted=True):
	ratio, low, high = interleaved(program, pair)
	counted_ratio = instructions(program, pair) if counted else None
	if throughput:
		# Throughput is the inverse of time, so the percentiles swap places.
		ratio, low, high = 1 / ratio, 1 / high, 1 / low
		counted_ratio = 1 / counted_ratio if counted else None
		meets = lambda value: value >= target
		target_text = ">= %g" % target
		reading = "throughput / baseline"
	else:
		meets = lambda value: value <= target
		target_text = "<= %g" % target
		reading = "time x baseline"
	# On the JSON rows, a time spread wider than a tenth of the median hands the verdict to the instructions.
	judged = "instructions" if json_row and counted and (high - low) / ratio > 0.10 else "time"
	met = meets(counted_ratio if judged == "instructions" else ratio)
	counted_text = "%.3f" % counted_ratio if counted else "-"
	rows.append((what, reading, "%.2f" % ratio, "%.2f–%.2f" % (low, high), counted_text, target_text, judged, met))

def seconds_row(what, program, name, target):
	runs = sorted(row["real_time"] / 1000.0 for row in run_rows(program) if row["run_name"].startswith(name + "/") and row.get("run_type") == "iteration")
	if not runs:
		raise SystemExit("missing result: %s %s" % (program, name))
	median = runs[len(runs) // 2]
	rows.append((what, "seconds", "%.2f" % median, "%.2f–%.2f" % (runs[0], runs[-1]), "-", "< %g" % target, "time", median < target))

def count_row(what, program, name, counter, target):
	for row in run_rows(program):
		if row["run_name"] == name:
			value = row[counter]
			rows.append((what, "allocations", "%.2f" % value, "exact", "-", "<= %g" % target, "count", value <= target))
			return
	raise SystemExit("missing result: %s %s" % (program, name))

ratio_row("OnJsonAnalyze, 1 MB, 10 keys vs plain RapidJSON parse", "JsonAnalyzeBenchmark", "OnJsonAnalyze_vs_PlainRapidJsonParse", 3, json_row=True)
ratio_row("host Deserialize, 1 MB vs plain RapidJSON DOM parse", "JsonBenchmark", "DeserializeObjectAndLookUpKeys_vs_PlainRapidJsonParse", 2.5, json_row=True)
count_row("host Deserialize, 1 MB: heap allocations per JSON value", "JsonBenchmark", "DeserializeAllocationsPerValue", "AllocationsPerValue", 2.5)
ratio_row("OnJsonAnalyze, 1 MB, 10 keys vs one host Deserialize (the library's own overhead)", "JsonAnalyzeBenchmark", "OnJsonAnalyze_vs_HostDeserialize", 1.05, json_row=True)
ratio_row("2,000 GETs: HTTP module vs direct libcurl multi", "HttpRequestBenchmark", "HttpModuleRequests_vs_DirectCurlMultiRequests", 0.5, throughput=True, counted=False)
ratio_row("DecryptHubText, 4 MB vs OpenSSL decode + decrypt", "LauncherDecryptBenchmark", "DecryptHubText_vs_OpenSslDecodeAndDecrypt", 0.9, throughput=True)
ratio_row("UserName, 2 KB document vs one Deserialize", "LauncherAccessorBenchmark", "UserName_vs_DeserializeOnce", 2.5, json_row=True)
ratio_row("Json Analyze compile, 1,000 keys vs 10 keys", "JsonAnalyzeCompileBenchmark", "CompileJsonAnalyze1000Keys_vs_10Keys", 150)
seconds_row("zova json analyze, 5,000 keys through the widget, compiled and evaluated", "ZovaScaleBenchmark", "JsonAnalyzeKeys", 2)
seconds_row("zova json array, 5,000 values through the widget, compiled and evaluated", "ZovaScaleBenchmark", "JsonArrayValues", 2)

cpu = "unknown"
with open("/proc/cpuinfo") as file:
	for line in file:
		if line.startswith("model name"):
			cpu = line.split(":", 1)[1].strip()
			break
compiler = subprocess.run(["c++", "--version"], capture_output=True, text=True).stdout.splitlines()[0]
valgrind = subprocess.run(["valgrind", "--version"], capture_output=True, text=True).stdout.strip()
print("Machine: %s, %d cores; %s" % (cpu, os.cpu_count(), platform.platform()))
print("Compiler: %s (Release); instructions counted by %s (callgrind)" % (compiler, valgrind))
print("Date: %s" % datetime.datetime.now(datetime.timezone.utc).strftime("%Y-%m-%d %H:%M UTC"))
print()
print("| Measurement | Read as | Median | Spread | Instructions | Target | Judged on | Met | Previous run |")
print("|---|---|---|---|---|---|---|---|---|")
for what, reading, median, spread, counted, target, judged, met in rows:
	before = previous.get(what)
	before_text = "-" if before is None else before[0] if before[1] == "-" else "%s, %s" % before
	print("| %s | %s | %s | %s | %s | %s | %s | %s | %s |" % (what, reading, median, spread, counted, target, judged, "yes" if met else "no", before_text))
PYTHON
