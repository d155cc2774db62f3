#pragma once

#include "Containers/StringConv.h"
#include "Containers/UnrealString.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <vector>

/**
 * A fresh folder under /tmp, removed with everything in it at the end of the scope. Files are
 * written and read with the standard library, independently of the engine code under test.
 */
class FScopedTempDirectory
{
public:
	FScopedTempDirectory()
	{
		char Template[] = "/tmp/CoreTests.XXXXXX";
		const char* const Created = mkdtemp(Template);
		EXPECT_NE(Created, nullptr);
		Root = Created ? Created : "";
	}

	~FScopedTempDirectory()
	{
		std::error_code Ignored;
		std::filesystem::remove_all(Root, Ignored);
	}

	/** The folder, ending in '/'. */
	FString GetPath() const { return FString(UTF8_TO_TCHAR(Root.c_str())) + TEXT("/"); }

	/** Writes the bytes to a file below the folder (creating its parents) and returns its full name. */
	FString WriteFile(const std::string& RelativeName, const std::vector<uint8>& Bytes) const
	{
		const std::filesystem::path Path = std::filesystem::path(Root) / RelativeName;
		std::filesystem::create_directories(Path.parent_path());
		std::ofstream Stream(Path, std::ios::binary);
		Stream.write(reinterpret_cast<const char*>(Bytes.data()), (std::streamsize)Bytes.size());
		return FString(UTF8_TO_TCHAR(Path.c_str()));
	}

	std::vector<uint8> ReadFile(const std::string& RelativeName) const
	{
		std::ifstream Stream(std::filesystem::path(Root) / RelativeName, std::ios::binary);
		return std::vector<uint8>(std::istreambuf_iterator<char>(Stream), std::istreambuf_iterator<char>());
	}

	void MakeDirectory(const std::string& RelativeName) const
	{
		std::filesystem::create_directories(std::filesystem::path(Root) / RelativeName);
	}

	bool Exists(const std::string& RelativeName) const
	{
		return std::filesystem::exists(std::filesystem::path(Root) / RelativeName);
	}

private:
	std::string Root;
};
