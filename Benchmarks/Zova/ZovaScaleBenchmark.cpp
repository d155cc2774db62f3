// zova json analyze with 5,000 keys and zova json array with 5,000 values, run as a user runs them:
// each key pasted into the node's key box and added with its button, one "Add Pin" click per value,
// then the graph compiled and every output evaluated. Target: under 2 seconds each (release build).

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
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

	/** Runs zova with the words, its output thrown away; its exit status, or -1. */
	int RunZova(const std::vector<std::string>& Words)
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
		if (posix_spawn(&Child, Argv[0], &Actions, nullptr, Argv.data(), environ) == 0)
		{
			waitpid(Child, &Status, 0);
		}
		posix_spawn_file_actions_destroy(&Actions);
		return WIFEXITED(Status) ? WEXITSTATUS(Status) : -1;
	}

	void RunAndCheck(benchmark::State& State, const std::vector<std::string>& Words)
	{
		for (auto _ : State)
		{
			if (RunZova(Words) != 0)
			{
				State.SkipWithError("zova did not succeed");
				break;
			}
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

BENCHMARK(JsonAnalyzeKeys)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(JsonArrayValues)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

BENCHMARK_MAIN();
