#pragma once

#include "CoreMinimal.h"

#include <string>
#include <vector>

#include <sys/types.h>

/** What one run of the zova tool printed and how it ended. */
struct FZovaRun
{
	/** The exit status, or -1 when a signal ended the run. */
	int ExitStatus = -1;
	/** The signal that ended the run, or 0. */
	int TermSignal = 0;
	FString StdOut;
	std::string StdErr;
};

/** How to run the tool: its words, what it reads, where, and under which limits. */
struct FZovaInvocation
{
	std::vector<std::string> Words;
	std::string StdIn;
	/** Set in the tool's environment, "NAME=value", over the test's own. */
	std::vector<std::string> Environment;
	/** The tool's working directory; the test's own when empty. */
	std::string WorkingDirectory;
	/** The largest file the tool may write (RLIMIT_FSIZE, with SIGXFSZ ignored so that the write fails); 0 for no limit. */
	uint64 MaxFileSize = 0;
};

/** A zova process that runs while the test goes on, for tests that signal it. */
class FZovaChild
{
public:
	explicit FZovaChild(const FZovaInvocation& Invocation);
	/** Kills the process if it still runs. */
	~FZovaChild();

	FZovaChild(const FZovaChild&) = delete;
	FZovaChild& operator=(const FZovaChild&) = delete;

	pid_t GetPid() const { return Pid; }
	/** Whether the process has ended, without waiting; Wait then returns at once. */
	bool HasEnded();
	/**
	 * Stops the process (SIGSTOP) and waits until it really is stopped, which kill() alone does not
	 * promise; false when it ended first. SIGCONT lets it go on.
	 */
	bool Stop();
	/** Waits for the process to end. */
	FZovaRun Wait();

private:
	std::string OutputFolder;
	pid_t Pid = -1;
	bool bEnded = false;
	int EndStatus = 0;
};

/** Runs the zova tool beside the test executable, as a script would, and waits for it. */
FZovaRun RunZova(const FZovaInvocation& Invocation);
FZovaRun RunZova(const std::vector<std::string>& Words, const std::string& StdIn = std::string());
