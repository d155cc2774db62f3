// zova json analyze with 5,000 keys and zova json array with 5,000 values, run as a user runs them:
// each key pasted into the node's key box and added with its button, one "Add Pin" click per value,
// then the graph compiled and every output evaluated. Target: under 2 seconds each (release build).
// The time is the zova process's own CPU time, user and system, which waiting for a busy machine's
// cores does not lengthen; on an idle machine the single-threaded commands take about as long by the
// clock.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace
{
	constexpr int NumItems = 5000;

	std::string ZovaPath()
	{
		return (std::filesystem::read_symlink("/proc/self/exe").parent_path() / "zova").string();
	}

	/** Runs zova with the words, its output thrown away; its exit status, or -1, and the CPU seconds it used. */
	int RunZova(const std::vector<std::string>& Words, double& OutCpuSeconds)
	{
		std::vector<std::string> Arguments = {ZovaPath()};
		Arguments.insert(Arguments.end(), Words.begin(), Words.end());
		std::vector<char*> Argv;
		for (std::string& Argument : Arguments)
		{
			Argv.push_back(Argument.data());
		}
		Argv.push_back(nullptr);
		posix_spawn_file_actions_t Actions;
		posix_spawn_file_actions_init(&Actions);
		posix_spawn_file_actions_addopen(&Actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
		posix_spawn_file_actions_addopen(&Actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
		pid_t Child = 0;
		int Status = -1;
		rusage Usage = {};
		if (posix_spawn(&Child, Argv[0], &Actions, nullptr, Argv.data(), environ) == 0)
		{
			wait4(Child, &Status, 0, &Usage);
		}
		OutCpuSeconds = double(Usage.ru_utime.tv_sec + Usage.ru_stime.tv_sec) + double(Usage.ru_utime.tv_usec + Usage.ru_stime.tv_usec) * 1e-6;
		posix_spawn_file_actions_destroy(&Actions);
		return WIFEXITED(Status) ? WEXITSTATUS(Status) : -1;
	}

	void RunAndCheck(benchmark::State& State, const std::vector<std::string>& Words)
	{
		for (auto _ : State)
		{
			double CpuSeconds = 0.0;
			if (RunZova(Words, CpuSeconds) != 0)
			{
				State.SkipWithError("zova did not succeed");
				break;
			}
			State.SetIterationTime(CpuSeconds);
		}
	}

	void JsonAnalyzeKeys(benchmark::State& State)
	{
		std::string Json = "{";
		std::vector<std::string> Words = {"json", "analyze", ""};
		for (int Index = 0; Index < NumItems; ++Index)
		{
			const std::string Key = "key" + std::to_string(Index);
			Json += (Index > 0 ? ",\"" : "\"") + Key + "\":" + std::to_string(Index);
			Words.insert(Words.end(), {"--key", Key});
		}
		Words[2] = Json + "}";
		RunAndCheck(State, Words);
	}

	void JsonArrayValues(benchmark::State& State)
	{
		std::vector<std::string> Words = {"json", "array"};
		for (int Index = 0; Index < NumItems; ++Index)
		{
			Words.push_back("value" + std::to_string(Index));
		}
		RunAndCheck(State, Words);
	}
}

// One run per repetition, so that the spread of the runs can be read beside their median.
BENCHMARK(JsonAnalyzeKeys)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1)->Repetitions(5);
BENCHMARK(JsonArrayValues)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1)->Repetitions(5);

BENCHMARK_MAIN();
