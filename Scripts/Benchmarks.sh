#!/usr/bin/env bash
# Builds the release preset, runs every benchmark and prints one table of ratios, each measured
# against its baseline in the same run, with the machine, compiler and date, and beside each value the
# one docs/PERFORMANCE.md holds from the previous run.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc 2>/dev/null || echo 2)" >/dev/null

Binaries=Build/release/Binaries
Results=$(mktemp -d)
trap 'rm -rf "$Results"' EXIT
for Benchmark in JsonAnalyzeBenchmark JsonBenchmark HttpRequestBenchmark LauncherDecryptBenchmark LauncherAccessorBenchmark JsonAnalyzeCompileBenchmark ZovaScaleBenchmark; do
	echo "Running $Benchmark" >&2
	"$Binaries/$Benchmark" --benchmark_repetitions=3 --benchmark_report_aggregates_only=true \
		--benchmark_format=json --benchmark_out="$Results/$Benchmark.json" >/dev/null 2>&1
done

python3 - "$Results" docs/PERFORMANCE.md <<'PYTHON'
import json, os, platform, re, subprocess, sys, datetime

results = sys.argv[1]

# The values of the table in the performance notes, by measurement: the previous run.
previous = {}
if os.path.exists(sys.argv[2]):
	with open(sys.argv[2]) as file:
		for line in file:
			cells = [cell.strip() for cell in line.strip().strip("|").split("|")]
			if len(cells) >= 2 and re.fullmatch(r"[0-9.]+", cells[1]):
				previous[cells[0]] = cells[1]

def median_row(program, name):
	with open(os.path.join(results, program + ".json")) as file:
		for row in json.load(file)["benchmarks"]:
			if row.get("aggregate_name") == "median" and row["run_name"] == name:
				return row
	raise SystemExit("missing result: %s %s" % (program, name))

def median(program, name):
	row = median_row(program, name)
	return row["real_time"] if "real_time" in name else row["cpu_time"]

# (what, ours, baseline, how the ratio is read, target)
rows = []
def time_ratio(what, program, ours, baseline, target):
	rows.append((what, median(program, ours) / median(program, baseline), "time x baseline", "<= %g" % target, median(program, ours) / median(program, baseline) <= target))
def seconds(what, program, name, target):
	value = median(program, name) / 1000.0
	rows.append((what, value, "seconds", "< %g" % target, value < target))
def throughput_ratio(what, program, ours, baseline, target):
	ratio = median(program, baseline) / median(program, ours)
	rows.append((what, ratio, "throughput / baseline", ">= %g" % target, ratio >= target))
def counter(what, program, name, counter_name, reading, target):
	value = median_row(program, name)[counter_name]
	rows.append((what, value, reading, "<= %g" % target, value <= target))

time_ratio("OnJsonAnalyze, 1 MB, 10 keys vs plain RapidJSON parse", "JsonAnalyzeBenchmark", "OnJsonAnalyze", "PlainRapidJsonParse", 3)
time_ratio("host Deserialize, 1 MB vs plain RapidJSON DOM parse", "JsonBenchmark", "DeserializeObjectAndLookUpKeys", "PlainRapidJsonParse", 2.5)
counter("host Deserialize, 1 MB: heap allocations per JSON value", "JsonBenchmark", "DeserializeAllocationsPerValue", "AllocationsPerValue", "allocations", 2.5)
time_ratio("OnJsonAnalyze, 1 MB, 10 keys vs one host Deserialize (the library's own overhead)", "JsonAnalyzeBenchmark", "OnJsonAnalyze", "HostDeserialize", 1.1)
throughput_ratio("2,000 GETs: HTTP module vs direct libcurl multi", "HttpRequestBenchmark", "HttpModuleRequests/min_time:3.000/real_time", "DirectCurlMultiRequests/min_time:3.000/real_time", 0.5)
throughput_ratio("DecryptHubText, 4 MB vs OpenSSL decode + decrypt", "LauncherDecryptBenchmark", "DecryptHubText", "OpenSslDecodeAndDecrypt", 0.9)
time_ratio("UserName, 2 KB document vs one Deserialize", "LauncherAccessorBenchmark", "UserName", "DeserializeOnce", 2.5)
time_ratio("Json Analyze compile, 1,000 keys vs 10 keys", "JsonAnalyzeCompileBenchmark", "CompileJsonAnalyze/1000/real_time", "CompileJsonAnalyze/10/real_time", 150)
seconds("zova json analyze, 5,000 keys through the widget, compiled and evaluated", "ZovaScaleBenchmark", "JsonAnalyzeKeys/iterations:3/real_time", 2)
seconds("zova json array, 5,000 values through the widget, compiled and evaluated", "ZovaScaleBenchmark", "JsonArrayValues/iterations:3/real_time", 2)

cpu = "unknown"
with open("/proc/cpuinfo") as file:
	for line in file:
		if line.startswith("model name"):
			cpu = line.split(":", 1)[1].strip()
			break
compiler = subprocess.run(["c++", "--version"], capture_output=True, text=True).stdout.splitlines()[0]
print("Machine: %s, %d cores; %s" % (cpu, os.cpu_count(), platform.platform()))
print("Compiler: %s (Release)" % compiler)
print("Date: %s" % datetime.datetime.now(datetime.timezone.utc).strftime("%Y-%m-%d %H:%M UTC"))
print()
print("| Measurement | Value | Read as | Target | Met | Previous run |")
print("|---|---|---|---|---|---|")
for what, ratio, reading, target, met in rows:
	print("| %s | %.2f | %s | %s | %s | %s |" % (what, ratio, reading, target, "yes" if met else "no", previous.get(what, "-")))
PYTHON
