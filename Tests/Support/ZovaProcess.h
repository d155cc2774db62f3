#pragma once

#include "CoreMinimal.h"

#include <string>
#include <vector>

/** What one run of the zova tool printed and how it ended. */
struct FZovaRun
{
	int ExitStatus = -1;
	FString StdOut;
	std::string StdErr;
};

/** Runs the zova tool beside the test executable with the given words and standard input, as a script would. */
FZovaRun RunZova(const std::vector<std::string>& Words, const std::string& StdIn = std::string());
