#include "ZovaProcess.h"

#include "HAL/PlatformProcess.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace
{
	std::string ReadWholeFile(const std::string& Path)
	{
		std::ifstream Stream(Path, std::ios::binary);
		return std::string(std::istreambuf_iterator<char>(Stream), std::istreambuf_iterator<char>());
	}

	/** The test's environment with the invocation's variables set over it. */
	std::vector<std::string> MakeEnvironment(const std::vector<std::string>& Overrides)
	{
		std::vector<std::string> Variables;
		for (char** Variable = environ; *Variable; ++Variable)
		{
			const std::string Entry(*Variable);
			const std::string Name = Entry.substr(0, Entry.find('='));
			bool bOverridden = false;
			for (const std::string& Override : Overrides)
			{
				bOverridden |= Override.substr(0, Override.find('=')) == Name;
			}
			if (!bOverridden)
			{
				Variables.push_back(Entry);
			}
		}
		Variables.insert(Variables.end(), Overrides.begin(), Overrides.end());
		return Variables;
	}

	std::vector<char*> ToPointers(std::vector<std::string>& Strings)
	{
		std::vector<char*> Pointers;
		for (std::string& String : Strings)
		{
			Pointers.push_back(String.data());
		}
		Pointers.push_back(nullptr);
		return Pointers;
	}
}

FZovaChild::FZovaChild(const FZovaInvocation& Invocation)
{
	std::string Template = (std::filesystem::temp_directory_path() / "zova-run-XXXXXX").string();
	check(mkdtemp(Template.data()) != nullptr);
	OutputFolder = Template;
	const std::string InPath = OutputFolder + "/stdin";
	const std::string OutPath = OutputFolder + "/stdout";
	const std::string ErrPath = OutputFolder + "/stderr";
	std::ofstream(InPath, std::ios::binary) << Invocation.StdIn;

	// Everything the child needs is made before fork: after it, only async-signal-safe calls.
	std::vector<std::string> Arguments = {std::string(TCHAR_TO_UTF8(FPlatformProcess::BaseDir())) + "zova"};
	Arguments.insert(Arguments.end(), Invocation.Words.begin(), Invocation.Words.end());
	std::vector<std::string> Environment = MakeEnvironment(Invocation.Environment);
	const std::vector<char*> Argv = ToPointers(Arguments);
	const std::vector<char*> Envp = ToPointers(Environment);
	const int InFile = open(InPath.c_str(), O_RDONLY | O_CLOEXEC);
	const int OutFile = open(OutPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
	const int ErrFile = open(ErrPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
	check(InFile >= 0 && OutFile >= 0 && ErrFile >= 0);
	const struct rlimit FileSizeLimit = {Invocation.MaxFileSize, Invocation.MaxFileSize};

	Pid = fork();
	if (Pid == 0)
	{
		sigset_t NoSignals;
		sigemptyset(&NoSignals);
		sigprocmask(SIG_SETMASK, &NoSignals, nullptr);
		const bool bReady = dup2(InFile, STDIN_FILENO) >= 0 && dup2(OutFile, STDOUT_FILENO) >= 0 && dup2(ErrFile, STDERR_FILENO) >= 0
			&& (Invocation.WorkingDirectory.empty() || chdir(Invocation.WorkingDirectory.c_str()) == 0)
			&& (Invocation.MaxFileSize == 0 || (signal(SIGXFSZ, SIG_IGN) != SIG_ERR && setrlimit(RLIMIT_FSIZE, &FileSizeLimit) == 0));
		if (bReady)
		{
			execve(Argv[0], Argv.data(), Envp.data());
		}
		_exit(127);
	}
	close(InFile);
	close(OutFile);
	close(ErrFile);
	check(Pid > 0);
}

FZovaChild::~FZovaChild()
{
	if (Pid > 0 && !bEnded)
	{
		kill(Pid, SIGKILL);
		waitpid(Pid, nullptr, 0);
	}
	std::error_code Ignored;
	std::filesystem::remove_all(OutputFolder, Ignored);
}

bool FZovaChild::HasEnded()
{
	if (!bEnded && Pid > 0 && waitpid(Pid, &EndStatus, WNOHANG) == Pid)
	{
		bEnded = true;
	}
	return bEnded;
}

bool FZovaChild::Stop()
{
	if (HasEnded() || kill(Pid, SIGSTOP) != 0)
	{
		return false;
	}
	// WNOWAIT leaves an end to be collected by HasEnded or Wait.
	siginfo_t Info = {};
	while (waitid(P_PID, Pid, &Info, WSTOPPED | WEXITED | WNOWAIT) != 0 && errno == EINTR)
	{
	}
	return Info.si_code == CLD_STOPPED;
}

FZovaRun FZovaChild::Wait()
{
	FZovaRun Run;
	if (bEnded || (Pid > 0 && waitpid(Pid, &EndStatus, 0) == Pid))
	{
		Run.ExitStatus = WIFEXITED(EndStatus) ? WEXITSTATUS(EndStatus) : -1;
		Run.TermSignal = WIFSIGNALED(EndStatus) ? WTERMSIG(EndStatus) : 0;
	}
	Pid = -1;
	const std::string Output = ReadWholeFile(OutputFolder + "/stdout");
	const FUTF8ToTCHAR Converted(Output.data(), (int32)Output.size());
	Run.StdOut = FString::ConstructFromPtrSize(Converted.Get(), Converted.Length());
	Run.StdErr = ReadWholeFile(OutputFolder + "/stderr");
	return Run;
}

FZovaRun RunZova(const FZovaInvocation& Invocation)
{
	return FZovaChild(Invocation).Wait();
}

FZovaRun RunZova(const std::vector<std::string>& Words, const std::string& StdIn)
{
	FZovaInvocation Invocation;
	Invocation.Words = Words;
	Invocation.StdIn = StdIn;
	return RunZova(Invocation);
}
