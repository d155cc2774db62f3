#include "Misc/CString.h"
#include "Containers/UnrealString.h"

#include <cstdlib>
#include <string>

namespace
{
	std::string Narrow(const TCHAR* String)
	{
		std::string Result;
		for (; String && *String; ++String)
		{
			Result += *String < 128 ? (char)*String : '?';
		}
		return Result;
	}
}

int32 FCString::Strlen(const TCHAR* String)
{
	int32 Length = 0;
	while (String && String[Length])
	{
		++Length;
	}
	return Length;
}

int32 FCString::Strcmp(const TCHAR* A, const TCHAR* B)
{
	for (;; ++A, ++B)
	{
		if (*A != *B || *A == 0)
		{
			return (int32)*A - (int32)*B;
		}
	}
}

int32 FCString::Stricmp(const TCHAR* A, const TCHAR* B)
{
	for (;; ++A, ++B)
	{
		const TCHAR LowerA = FChar::ToLower(*A);
		const TCHAR LowerB = FChar::ToLower(*B);
		if (LowerA != LowerB || LowerA == 0)
		{
			return (int32)LowerA - (int32)LowerB;
		}
	}
}

int32 FCString::Strncmp(const TCHAR* A, const TCHAR* B, SIZE_T Count)
{
	for (; Count > 0; --Count, ++A, ++B)
	{
		if (*A != *B || *A == 0)
		{
			return (int32)*A - (int32)*B;
		}
	}
	return 0;
}

int32 FCString::Strnicmp(const TCHAR* A, const TCHAR* B, SIZE_T Count)
{
	for (; Count > 0; --Count, ++A, ++B)
	{
		const TCHAR LowerA = FChar::ToLower(*A);
		const TCHAR LowerB = FChar::ToLower(*B);
		if (LowerA != LowerB || LowerA == 0)
		{
			return (int32)LowerA - (int32)LowerB;
		}
	}
	return 0;
}

const TCHAR* FCString::Strstr(const TCHAR* String, const TCHAR* Find)
{
	const int32 FindLen = Strlen(Find);
	for (; String && *String; ++String)
	{
		if (Strncmp(String, Find, FindLen) == 0)
		{
			return String;
		}
	}
	return FindLen == 0 ? String : nullptr;
}

const TCHAR* FCString::Strchr(const TCHAR* String, TCHAR Char)
{
	for (; String && *String; ++String)
	{
		if (*String == Char)
		{
			return String;
		}
	}
	return nullptr;
}

int32 FCString::Atoi(const TCHAR* String)
{
	return (int32)strtol(Narrow(String).c_str(), nullptr, 10);
}

int64 FCString::Atoi64(const TCHAR* String)
{
	return strtoll(Narrow(String).c_str(), nullptr, 10);
}

double FCString::Atod(const TCHAR* String)
{
	return strtod(Narrow(String).c_str(), nullptr);
}

float FCString::Atof(const TCHAR* String)
{
	return (float)Atod(String);
}

int32 FCString::Strtoi(const TCHAR* Start, TCHAR** End, int32 Base)
{
	const std::string Text = Narrow(Start);
	char* NarrowEnd = nullptr;
	const long Value = strtol(Text.c_str(), &NarrowEnd, Base);
	if (End)
	{
		*End = const_cast<TCHAR*>(Start) + (NarrowEnd - Text.c_str());
	}
	return (int32)Value;
}

bool FCString::IsNumeric(const TCHAR* String)
{
	if (!String || !*String)
	{
		return false;
	}
	if (*String == '-' || *String == '+')
	{
		++String;
	}
	bool bHasDot = false;
	bool bHasDigit = false;
	for (; *String; ++String)
	{
		if (*String == '.')
		{
			if (bHasDot)
			{
				return false;
			}
			bHasDot = true;
		}
		else if (FChar::IsDigit(*String))
		{
			bHasDigit = true;
		}
		else
		{
			return false;
		}
	}
	return bHasDigit;
}
