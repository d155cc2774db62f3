#include "Serialization/JsonTreeBuilder.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <string>

namespace
{
	/**
	 * True when the text holds a low surrogate without the high one before it. RapidJSON validates
	 * raw text and escaped high surrogates itself, so only an escape such as "\uDC00" gets here.
	 */
	bool HasLoneSurrogate(const TCHAR* Text, rapidjson::SizeType Length)
	{
		for (rapidjson::SizeType Index = 0; Index < Length; ++Index)
		{
			if ((Text[Index] & 0xFC00) == 0xDC00 && (Index == 0 || (Text[Index - 1] & 0xFC00) != 0xD800))
			{
				return true;
			}
		}
		return false;
	}

	/** Sized once up front: FString(Count, Text) would allocate twice. */
	FString MakeString(const TCHAR* Text, rapidjson::SizeType Length)
	{
		FString Result;
		if (Length == 0)
		{
			return Result;
		}
		Result.Reserve(Length);
		Result.Append(Text, Length);
		return Result;
	}

	/**
	 * The number's value, correctly rounded, whatever the process's locale: the text is RapidJSON's
	 * validated number text, ASCII only.
	 */
	double ParseNumber(const TCHAR* Text, rapidjson::SizeType Length)
	{
		static const locale_t CLocale = newlocale(LC_ALL_MASK, "C", (locale_t)0);
		const std::string Ascii(Text, Text + Length);
		return strtod_l(Ascii.c_str(), nullptr, CLocale);
	}

	/**
	 * A new value, owned by a TSharedPtr<FJsonValue> from the start. Host engine: made through the
	 * host's std::shared_ptr-based pointers, which skips the atomic reference count round trip of
	 * turning MakeShared's TSharedRef into a TSharedPtr, once per value.
	 */
	template <typename ValueType, typename... ArgTypes>
	TSharedPtr<FJsonValue> MakeValue(ArgTypes&&... Args)
	{
		return TSharedPtr<FJsonValue>(std::make_shared<ValueType>(Forward<ArgTypes>(Args)...));
	}
}

FJsonTreeBuilder::FJsonTreeBuilder(EJson InRootType, bool bInKeepNumberText)
	: RootType(InRootType)
	, bKeepNumberText(bInKeepNumberText)
{
}

bool FJsonTreeBuilder::Null()
{
	return AddScalar(MakeValue<FJsonValueNull>());
}

bool FJsonTreeBuilder::Bool(bool bValue)
{
	return AddScalar(MakeValue<FJsonValueBoolean>(bValue));
}

bool FJsonTreeBuilder::Int(int Value)
{
	return Double(Value);
}

bool FJsonTreeBuilder::Uint(unsigned Value)
{
	return Double(Value);
}

bool FJsonTreeBuilder::Int64(int64_t Value)
{
	return Double((double)Value);
}

bool FJsonTreeBuilder::Uint64(uint64_t Value)
{
	return Double((double)Value);
}

bool FJsonTreeBuilder::Double(double Value)
{
	return AddScalar(MakeValue<FJsonValueNumber>(Value));
}

bool FJsonTreeBuilder::RawNumber(const Ch* Text, rapidjson::SizeType Length, bool bCopy)
{
	if (bKeepNumberText)
	{
		return AddScalar(MakeValue<FJsonValueNumberString>(MakeString(Text, Length)));
	}
	// RapidJSON 1.1's own conversion is not used: it reads a long run of zeros after the point
	// ("0.000...0") as a tiny non-zero number.
	const double Value = ParseNumber(Text, Length);
	if (std::isinf(Value))
	{
		return Fail(EFailure::NumberTooBig);
	}
	return Double(Value);
}

bool FJsonTreeBuilder::String(const Ch* Text, rapidjson::SizeType Length, bool bCopy)
{
	if (HasLoneSurrogate(Text, Length))
	{
		return Fail(EFailure::LoneSurrogate);
	}
	return AddScalar(MakeValue<FJsonValueString>(MakeString(Text, Length)));
}

bool FJsonTreeBuilder::StartObject()
{
	return Open(EJson::Object);
}

bool FJsonTreeBuilder::Key(const Ch* Text, rapidjson::SizeType Length, bool bCopy)
{
	if (HasLoneSurrogate(Text, Length))
	{
		return Fail(EFailure::LoneSurrogate);
	}
	OpenKeys.Add(MakeString(Text, Length));
	return true;
}

bool FJsonTreeBuilder::EndObject(rapidjson::SizeType MemberCount)
{
	const int32 FirstKey = OpenKeys.Num() - (int32)MemberCount;
	const int32 FirstValue = OpenValues.Num() - (int32)MemberCount;
	TSharedPtr<FJsonObject> Object(std::make_shared<FJsonObject>()); // As in MakeValue.
	Object->Values.Reserve(MemberCount);
	for (int32 Member = 0; Member < (int32)MemberCount; ++Member)
	{
		// Emplace replaces an earlier member of the same name: the last duplicate wins.
		Object->Values.Emplace(MoveTemp(OpenKeys[FirstKey + Member]), MoveTemp(OpenValues[FirstValue + Member]));
	}
	OpenKeys.SetNum(FirstKey);
	OpenValues.SetNum(FirstValue);
	--Depth;
	return AddValue(MakeValue<FJsonValueObject>(MoveTemp(Object)));
}

bool FJsonTreeBuilder::StartArray()
{
	return Open(EJson::Array);
}

bool FJsonTreeBuilder::EndArray(rapidjson::SizeType ElementCount)
{
	const int32 FirstValue = OpenValues.Num() - (int32)ElementCount;
	TArray<TSharedPtr<FJsonValue>> Elements;
	Elements.Reserve(ElementCount);
	for (int32 Element = FirstValue; Element < OpenValues.Num(); ++Element)
	{
		Elements.Add(MoveTemp(OpenValues[Element]));
	}
	OpenValues.SetNum(FirstValue);
	--Depth;
	return AddValue(MakeValue<FJsonValueArray>(MoveTemp(Elements)));
}

bool FJsonTreeBuilder::AddValue(TSharedPtr<FJsonValue>&& Value)
{
	if (Depth == 0)
	{
		Root = MoveTemp(Value);
	}
	else
	{
		OpenValues.Add(MoveTemp(Value));
	}
	return true;
}

bool FJsonTreeBuilder::AddScalar(TSharedPtr<FJsonValue>&& Value)
{
	if (Depth == 0 && RootType != EJson::None)
	{
		return Fail(EFailure::WrongRoot);
	}
	return AddValue(MoveTemp(Value));
}

bool FJsonTreeBuilder::Open(EJson Container)
{
	if (Depth == 0 && RootType != EJson::None && RootType != Container)
	{
		return Fail(EFailure::WrongRoot);
	}
	if (Depth == MaxDepth)
	{
		return Fail(EFailure::TooDeep);
	}
	++Depth;
	return true;
}

bool FJsonTreeBuilder::Fail(EFailure InFailure)
{
	Failure = InFailure;
	return false;
}
