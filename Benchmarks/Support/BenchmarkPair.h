#pragma once

// A measured side and its baseline, compared in one process, two ways:
// - "<Name>/Interleaved" times them in turn, one pair after another (measured, baseline, measured,
//   baseline, ...), so that a change in the machine's load reaches both halves of a pair alike. It
//   reports the median of the per-pair ratios and their spread, the 10th to the 90th percentile:
//   narrower quantiles left a later run's median outside them whenever the load changed its kind
//   between runs.
// - "<Name>/OneCallEach" makes one call of each side, after one call of each to warm up, with
//   callgrind collecting only during the two calls and writing one dump for each. Run under
//   valgrind --tool=callgrind --collect-atstart=no, it gives the instructions of each side, which do
//   not move with the load at all; run without, it does nothing worth reading.

#include <benchmark/benchmark.h>
#include <valgrind/callgrind.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include <time.h>

struct FBenchmarkPair
{
	/** The benchmarks' names start with it. */
	std::string Name;
	std::function<void()> Measured;
	std::function<void()> Baseline;
	/** Pairs timed by the interleaved run. */
	int Pairs = 31;
	/** Calls of each side in a half-pair, for sides too short to time one call at a time. */
	int CallsPerSide = 1;
	/** The wall clock, for sides that wait for other threads; otherwise the calling thread's CPU time. */
	bool bWallClock = false;
	/** False for sides whose instructions follow the scheduling (polling, waiting for a server). */
	bool bCountInstructions = true;
	/** Work after every call that neither the clock nor the count takes in: garbage collection. */
	std::function<void()> Tidy = [] {};
};

namespace BenchmarkPair
{
	inline double Now(bool bWallClock)
	{
		timespec Time;
		clock_gettime(bWallClock ? CLOCK_MONOTONIC : CLOCK_THREAD_CPUTIME_ID, &Time);
		return double(Time.tv_sec) + double(Time.tv_nsec) * 1e-9;
	}

	/** Seconds of CallsPerSide calls, each timed alone so that Tidy stays out. */
	inline double TimeHalfPair(const FBenchmarkPair& Pair, const std::function<void()>& Side)
	{
		double Seconds = 0.0;
		for (int Call = 0; Call < Pair.CallsPerSide; ++Call)
		{
			const double Start = Now(Pair.bWallClock);
			Side();
			Seconds += Now(Pair.bWallClock) - Start;
			Pair.Tidy();
		}
		return Seconds;
	}

	/** Linear interpolation between the nearest ranks of Sorted. */
	inline double Quantile(const std::vector<double>& Sorted, double Fraction)
	{
		const double Rank = Fraction * double(Sorted.size() - 1);
		const size_t Below = size_t(Rank);
		const size_t Above = std::min(Below + 1, Sorted.size() - 1);
		return Sorted[Below] + (Sorted[Above] - Sorted[Below]) * (Rank - double(Below));
	}

	inline double Median(std::vector<double> Values)
	{
		std::sort(Values.begin(), Values.end());
		return Quantile(Values, 0.5);
	}

	inline void RunInterleaved(benchmark::State& State, const FBenchmarkPair& Pair)
	{
		// First calls build documents and fill caches; they stay out of the figures.
		Pair.Measured();
		Pair.Tidy();
		Pair.Baseline();
		Pair.Tidy();
		std::vector<double> MeasuredSeconds;
		std::vector<double> BaselineSeconds;
		std::vector<double> Ratios;
		for (auto _ : State)
		{
			MeasuredSeconds.push_back(TimeHalfPair(Pair, Pair.Measured));
			BaselineSeconds.push_back(TimeHalfPair(Pair, Pair.Baseline));
			Ratios.push_back(MeasuredSeconds.back() / BaselineSeconds.back());
		}
		std::sort(Ratios.begin(), Ratios.end());
		State.counters["Ratio"] = Quantile(Ratios, 0.5);
		State.counters["RatioLow"] = Quantile(Ratios, 0.1);
		State.counters["RatioHigh"] = Quantile(Ratios, 0.9);
		State.counters["MeasuredMs"] = Median(MeasuredSeconds) * 1e3 / Pair.CallsPerSide;
		State.counters["BaselineMs"] = Median(BaselineSeconds) * 1e3 / Pair.CallsPerSide;
	}

	/** Kept out of line so that nothing of the caller is collected with the call. */
	[[gnu::noinline]] inline void CountOneCall(const FBenchmarkPair& Pair, const std::function<void()>& Side, const std::string& DumpName)
	{
		CALLGRIND_TOGGLE_COLLECT;
		Side();
		CALLGRIND_TOGGLE_COLLECT;
		CALLGRIND_DUMP_STATS_AT(DumpName.c_str());
		Pair.Tidy();
	}

	inline void RunOneCallEach(benchmark::State& State, const FBenchmarkPair& Pair)
	{
		for (auto _ : State)
		{
			Pair.Measured();
			Pair.Tidy();
			Pair.Baseline();
			Pair.Tidy();
			CountOneCall(Pair, Pair.Measured, Pair.Name + "/Measured");
			CountOneCall(Pair, Pair.Baseline, Pair.Name + "/Baseline");
		}
	}
}

/** Registers a pair's benchmarks when the program starts, as BENCHMARK does. */
struct FBenchmarkPairRegistration
{
	explicit FBenchmarkPairRegistration(const FBenchmarkPair& Pair)
	{
		benchmark::internal::Benchmark* const Interleaved = benchmark::RegisterBenchmark((Pair.Name + "/Interleaved").c_str(), [Pair](benchmark::State& State)
			{
				BenchmarkPair::RunInterleaved(State, Pair);
			});
		Interleaved->Iterations(Pair.Pairs)->Unit(benchmark::kMillisecond);
		if (Pair.bCountInstructions)
		{
			benchmark::RegisterBenchmark((Pair.Name + "/OneCallEach").c_str(), [Pair](benchmark::State& State)
				{
					BenchmarkPair::RunOneCallEach(State, Pair);
				})
				->Iterations(1)
				->Unit(benchmark::kMillisecond);
		}
	}
};
