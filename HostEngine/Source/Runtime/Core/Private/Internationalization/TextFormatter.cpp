#include "Internationalization/Text.h"

namespace
{
	constexpr TCHAR EscapeCharacter = TEXT('`');

	bool IsEscapable(const TCHAR Character)
	{
		return Character == TEXT('{') || Character == TEXT('}') || Character == TEXT('|') || Character == EscapeCharacter;
	}

	/** Argument names are compared as written, letter case included. */
	const FFormatArgumentValue* FindArgument(const FFormatNamedArguments& Arguments, const FString& Name)
	{
		for (const TPair<FString, FFormatArgumentValue>& Argument : Arguments)
		{
			if (Argument.Key.Equals(Name, ESearchCase::CaseSensitive))
			{
				return &Argument.Value;
			}
		}
		return nullptr;
	}
}

FText FText::Format(const FText& Fmt, const FFormatNamedArguments& InArguments)
{
	const FString& Pattern = Fmt.ToString();
	FString Result;
	Result.Reserve(Pattern.Len());
	for (int32 Index = 0; Index < Pattern.Len(); ++Index)
	{
		const TCHAR Character = Pattern[Index];
		if (Character == EscapeCharacter && Index + 1 < Pattern.Len() && IsEscapable(Pattern[Index + 1]))
		{
			Result.AppendChar(Pattern[++Index]);
			continue;
		}
		int32 Close = INDEX_NONE;
		if (Character == TEXT('{'))
		{
			Close = Pattern.Find(TEXT("}"), ESearchCase::CaseSensitive, ESearchDir::FromStart, Index + 1);
		}
		if (Close == INDEX_NONE)
		{
			Result.AppendChar(Character);
			continue;
		}
		const FString Name = Pattern.Mid(Index + 1, Close - Index - 1);
		if (const FFormatArgumentValue* const Argument = FindArgument(InArguments, Name))
		{
			Result += Argument->GetTextValue().ToString();
		}
		else
		{
			Result += Pattern.Mid(Index, Close - Index + 1);
		}
		Index = Close;
	}
	FTextData TextData;
	TextData.SourceString = std::move(Result);
	return FText(MakeShared<const FTextData>(std::move(TextData)));
}
