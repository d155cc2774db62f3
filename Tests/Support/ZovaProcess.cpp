#include "ZovaProcess.h"

#include "HAL/PlatformProcess.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace
{
	std::string ShellQuote(const std::string& Word)
	{
		std::string Quoted = "'";
		for (const char Character : Word)
		{
			Quoted += Character == '\'' ? std::string("'\\''") : std::string(1, Character);
		}
		return Quoted + "'";
	}
}

FZovaRun RunZova(const std::vector<std::string>& Words, const std::string& StdIn)
{
	const std::string Folder = TCHAR_TO_UTF8(FPlatformProcess::BaseDir());
	// One file per test process, so suites running side by side do not share it.
	const std::string ErrorFile = Folder + "zova-" + std::to_string(getpid()) + ".stderr";
	std::string Command = "printf %s " + ShellQuote(StdIn) + " | " + ShellQuote(Folder + "zova");
	for (const std::string& Word : Words)
	{
		Command += " " + ShellQuote(Word);
	}
	Command += " 2>" + ShellQuote(ErrorFile);

	FZovaRun Run;
	std::string Output;
	FILE* const Pipe = popen(Command.c_str(), "r");
	char Buffer[4096];
	size_t Read = 0;
	while ((Read = fread(Buffer, 1, sizeof(Buffer), Pipe)) > 0)
	{
		Output.append(Buffer, Read);
	}
	const int Status = pclose(Pipe);
	Run.ExitStatus = WIFEXITED(Status) ? WEXITSTATUS(Status) : -1;
	const FUTF8ToTCHAR Converted(Output.data(), (int32)Output.size());
	Run.StdOut = FString::ConstructFromPtrSize(Converted.Get(), Converted.Length());
	std::stringstream Errors;
	Errors << std::ifstream(ErrorFile).rdbuf();
	Run.StdErr = Errors.str();
	std::remove(ErrorFile.c_str());
	return Run;
}
