#pragma once

#include "CoreMinimal.h"
#include "Dom/JsonObject.h"
#include "Serialization/JsonReader.h"
#include "Serialization/JsonSerializer.h"
#include "ZovaProcess.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

// What the tool's tests check of every run, whatever the command.
namespace ZovaToolTest
{
	/** UTF-8 of the text, for comparisons that must not ignore case (FString == does). */
	inline std::string Utf8(const FString& Text)
	{
		const FTCHARToUTF8 Converted(*Text, Text.Len());
		return std::string(Converted.Get(), Converted.Length());
	}

	/** A usage error: status 2, nothing on standard output, one line on standard error that starts "zova: ". */
	inline void ExpectUsageError(const FZovaRun& Run)
	{
		EXPECT_EQ(Run.ExitStatus, 2) << Run.StdErr;
		EXPECT_TRUE(Run.StdOut.IsEmpty()) << Utf8(Run.StdOut);
		EXPECT_EQ(Run.StdErr.rfind("zova: ", 0), 0u) << Run.StdErr;
		EXPECT_EQ(std::count(Run.StdErr.begin(), Run.StdErr.end(), '\n'), 1) << Run.StdErr;
	}

	/** Standard output as the one JSON object it must be; null (and a failure) otherwise. */
	inline TSharedPtr<FJsonObject> ParseObject(const FZovaRun& Run)
	{
		TSharedPtr<FJsonObject> Object;
		EXPECT_TRUE(FJsonSerializer::Deserialize(TJsonReaderFactory<TCHAR>::Create(Run.StdOut), Object)) << Utf8(Run.StdOut);
		return Object;
	}

	/** The object member Name; an empty object (and a failure) when there is none. */
	inline TSharedPtr<FJsonObject> ObjectField(const TSharedPtr<FJsonObject>& Object, const TCHAR* Name)
	{
		const TSharedPtr<FJsonObject>* Field = nullptr;
		EXPECT_TRUE(Object.IsValid() && Object->TryGetObjectField(Name, Field)) << "no object " << TCHAR_TO_UTF8(Name);
		return Field ? *Field : MakeShared<FJsonObject>();
	}

	/** The lines of standard output, without their line ends. */
	inline TArray<FString> Lines(const FZovaRun& Run)
	{
		TArray<FString> Result;
		Run.StdOut.ParseIntoArray(Result, TEXT("\n"), false);
		if (!Result.IsEmpty() && Result.Last().IsEmpty())
		{
			Result.Pop();
		}
		return Result;
	}
}
