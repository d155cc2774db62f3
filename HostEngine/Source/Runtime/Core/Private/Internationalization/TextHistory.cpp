// Host engine: the text forms of the engine's text histories (its TextHistory.cpp), read as the engine
// reads them. The host keeps no history objects: a text read from a generated form keeps its display
// string, computed as the engine computes it where the host can (numbers, formats, upper and lower
// case), and the form as written, which writing the text gives back.

#include "Internationalization/Text.h"

#include "FastDecimalFormat.h"
#include "Misc/CString.h"
#include "Misc/Guid.h"
#include "Misc/Parse.h"
#include "Templates/UnrealTemplate.h"

#include <cstdlib>
#include <string>

namespace
{
	const TCHAR InvTextMarker[] = TEXT("INVTEXT");
	const TCHAR NsLocTextMarker[] = TEXT("NSLOCTEXT");
	const TCHAR LocTextMarker[] = TEXT("LOCTEXT");
	const TCHAR LocTableMarker[] = TEXT("LOCTABLE");
	const TCHAR LocGenNumberMarker[] = TEXT("LOCGEN_NUMBER");
	const TCHAR LocGenPercentMarker[] = TEXT("LOCGEN_PERCENT");
	const TCHAR LocGenCurrencyMarker[] = TEXT("LOCGEN_CURRENCY");
	const TCHAR LocGenDateMarker[] = TEXT("LOCGEN_DATE");
	const TCHAR LocGenTimeMarker[] = TEXT("LOCGEN_TIME");
	const TCHAR LocGenDateTimeMarker[] = TEXT("LOCGEN_DATETIME");
	const TCHAR LocGenToLowerMarker[] = TEXT("LOCGEN_TOLOWER");
	const TCHAR LocGenToUpperMarker[] = TEXT("LOCGEN_TOUPPER");
	const TCHAR LocGenFormatOrderedMarker[] = TEXT("LOCGEN_FORMAT_ORDERED");
	const TCHAR LocGenFormatNamedMarker[] = TEXT("LOCGEN_FORMAT_NAMED");
	const TCHAR GroupedSuffix[] = TEXT("_GROUPED");
	const TCHAR UngroupedSuffix[] = TEXT("_UNGROUPED");
	const TCHAR CustomSuffix[] = TEXT("_CUSTOM");
	const TCHAR UtcSuffix[] = TEXT("_UTC");
	const TCHAR LocalSuffix[] = TEXT("_LOCAL");
	const TCHAR TextMarker[] = TEXT("TEXT");

	/** What the engine shows for a string table entry it cannot find; the host has no string tables. */
	const TCHAR MissingStringTableEntry[] = TEXT("<MISSING STRING TABLE ENTRY>");

	/**
	 * Texts inside texts (format arguments, transforms) are read by recursion, in the engine as here;
	 * the host stops at this depth, where the engine would go on until its stack runs out.
	 */
	constexpr int32 MaxNestingDepth = 64;
	thread_local int32 GNestingDepth = 0;

	struct FNestingScope
	{
		FNestingScope() { ++GNestingDepth; }
		~FNestingScope() { --GNestingDepth; }
	};

	template <int32 Length>
	bool PeekMarker(const TCHAR* Buffer, const TCHAR (&Marker)[Length])
	{
		return FCString::Strncmp(Buffer, Marker, Length - 1) == 0;
	}

	/** Skips the marker when Buffer starts with it (letter case counts). */
	template <int32 Length>
	bool SkipMarker(const TCHAR*& Buffer, const TCHAR (&Marker)[Length])
	{
		if (!PeekMarker(Buffer, Marker))
		{
			return false;
		}
		Buffer += Length - 1;
		return true;
	}

	/** Spaces and tabs, never line ends. */
	const TCHAR* SkipWhitespace(const TCHAR* Buffer)
	{
		while (*Buffer == ' ' || *Buffer == '\t')
		{
			++Buffer;
		}
		return Buffer;
	}

	/** Past the spaces and the character; null when another character comes. */
	const TCHAR* SkipWhitespaceAndChar(const TCHAR* Buffer, TCHAR Character)
	{
		Buffer = SkipWhitespace(Buffer);
		return *Buffer == Character ? Buffer + 1 : nullptr;
	}

	/** A quoted string, which may be wrapped in TEXT(...) as C++ writes it. */
	const TCHAR* ReadQuotedString(const TCHAR* Buffer, FString& OutString)
	{
		const bool bIsMacroWrapped = SkipMarker(Buffer, TextMarker);
		if (bIsMacroWrapped && !(Buffer = SkipWhitespaceAndChar(Buffer, '(')))
		{
			return nullptr;
		}
		OutString.Reset();
		int32 NumCharsRead = 0;
		if (!FParse::QuotedString(Buffer, OutString, &NumCharsRead))
		{
			return nullptr;
		}
		Buffer += NumCharsRead;
		return bIsMacroWrapped ? SkipWhitespaceAndChar(Buffer, ')') : Buffer;
	}

	/** Past the spaces before the quoted string and the string itself. */
	const TCHAR* SkipWhitespaceAndReadQuotedString(const TCHAR* Buffer, FString& OutString)
	{
		return ReadQuotedString(SkipWhitespace(Buffer), OutString);
	}

	/** Letters, digits and underscores; null when there are none. */
	const TCHAR* ReadAlnum(const TCHAR* Buffer, FString& OutValue)
	{
		OutValue.Reset();
		while (FChar::IsAlnum(*Buffer) || *Buffer == '_')
		{
			OutValue.AppendChar(*Buffer++);
		}
		return OutValue.IsEmpty() ? nullptr : Buffer;
	}

	/** "Scope::Value" with a value Values names (compared ignoring case); its index in Values. */
	template <int32 ScopeLength, int32 NumValues>
	const TCHAR* ReadScopedEnum(const TCHAR* Buffer, const TCHAR (&Scope)[ScopeLength], const TCHAR* const (&Values)[NumValues], int32& OutIndex)
	{
		FString Name;
		if (!SkipMarker(Buffer, Scope) || !(Buffer = ReadAlnum(Buffer, Name)))
		{
			return nullptr;
		}
		for (int32 Index = 0; Index < NumValues; ++Index)
		{
			if (FCString::Stricmp(*Name, Values[Index]) == 0)
			{
				OutIndex = Index;
				return Buffer;
			}
		}
		return nullptr;
	}

	const TCHAR RoundingModeScope[] = TEXT("ERoundingMode::");
	const TCHAR* const RoundingModeNames[] = {TEXT("HalfToEven"), TEXT("HalfFromZero"), TEXT("HalfToZero"), TEXT("FromZero"), TEXT("ToZero"), TEXT("ToNegativeInfinity"), TEXT("ToPositiveInfinity")};
	const TCHAR DateTimeStyleScope[] = TEXT("EDateTimeStyle::");
	const TCHAR* const DateTimeStyleNames[] = {TEXT("Default"), TEXT("Short"), TEXT("Medium"), TEXT("Long"), TEXT("Full"), TEXT("Custom")};
	const TCHAR TextGenderScope[] = TEXT("ETextGender::");
	const TCHAR* const TextGenderNames[] = {TEXT("Masculine"), TEXT("Feminine"), TEXT("Neuter")};

	/** A number as a text history holds it: the suffix written after it picks the type. */
	struct FNumberValue
	{
		enum class EType : uint8
		{
			Int,
			UInt,
			Float,
			Double,
		};

		EType Type = EType::Int;
		int64 IntValue = 0;
		uint64 UIntValue = 0;
		double RealValue = 0.0;
		/** The digits as written, shown where the host cannot format the value. */
		FString Text;

		int32 ToInt32() const
		{
			switch (Type)
			{
			case EType::Int:
				return (int32)IntValue;
			case EType::UInt:
				return (int32)UIntValue;
			default:
				// A float converts to int32 in the engine without a range check; the host clamps.
				return RealValue >= 2147483647.0 ? MAX_int32 : (RealValue <= -2147483648.0 ? MIN_int32 : (int32)RealValue);
			}
		}

		/** The number as a default format argument shows it; false where the host cannot format it. */
		bool Format(const FNumberFormattingOptions& Options, FString& OutString) const
		{
			switch (Type)
			{
			case EType::Int:
				FastDecimalFormat::NumberToString(IntValue, Options, OutString);
				return true;
			case EType::UInt:
				FastDecimalFormat::NumberToString(UIntValue, Options, OutString);
				return true;
			default:
				return FastDecimalFormat::NumberToString(RealValue, Options, OutString);
			}
		}
	};

	std::string Narrow(const FString& Digits)
	{
		std::string Result;
		for (const TCHAR Character : Digits)
		{
			Result += (char)Character;
		}
		return Result;
	}

	/**
	 * The characters of a number ("+-0123456789.ful"); the letters at the end are its suffix: f for a
	 * float, u for an unsigned integer, l for nothing. Without one, a '.' makes a double, else an int64.
	 */
	const TCHAR* ReadNumber(const TCHAR* Buffer, FNumberValue& OutValue)
	{
		FString Numeric;
		while (*Buffer && FCString::Strchr(TEXT("+-0123456789.ful"), *Buffer))
		{
			Numeric.AppendChar(*Buffer++);
		}
		FString Suffix;
		while (!Numeric.IsEmpty() && FCString::Strchr(TEXT("ful"), Numeric[Numeric.Len() - 1]))
		{
			Suffix.AppendChar(Numeric[Numeric.Len() - 1]);
			Numeric.LeftChopInline(1);
		}
		if (!Numeric.IsNumeric())
		{
			return nullptr;
		}
		OutValue.Text = Numeric;
		int32 Found = INDEX_NONE;
		if (Suffix.FindChar('f', Found))
		{
			OutValue.Type = FNumberValue::EType::Float;
			OutValue.RealValue = FCString::Atof(*Numeric);
		}
		else if (Suffix.FindChar('u', Found))
		{
			OutValue.Type = FNumberValue::EType::UInt;
			OutValue.UIntValue = std::strtoull(Narrow(Numeric).c_str(), nullptr, 10);
		}
		else if (Numeric.FindChar('.', Found))
		{
			OutValue.Type = FNumberValue::EType::Double;
			OutValue.RealValue = FCString::Atod(*Numeric);
		}
		else
		{
			OutValue.Type = FNumberValue::EType::Int;
			OutValue.IntValue = FCString::Atoi64(*Numeric);
		}
		return Buffer;
	}

	/** "true" or "false" at Buffer, in any case. */
	const TCHAR* ReadBoolOption(const TCHAR* Buffer, bool& bOutValue)
	{
		if (FCString::Strnicmp(Buffer, TEXT("true"), 4) == 0)
		{
			bOutValue = true;
			return Buffer + 4;
		}
		if (FCString::Strnicmp(Buffer, TEXT("false"), 5) == 0)
		{
			bOutValue = false;
			return Buffer + 5;
		}
		return nullptr;
	}

	const TCHAR* ReadIntOption(const TCHAR* Buffer, int32& OutValue)
	{
		FNumberValue Number;
		Buffer = ReadNumber(Buffer, Number);
		if (Buffer)
		{
			OutValue = Number.ToInt32();
		}
		return Buffer;
	}

	const TCHAR* ReadRoundingModeOption(const TCHAR* Buffer, ERoundingMode& OutValue)
	{
		int32 Index = 0;
		Buffer = ReadScopedEnum(Buffer, RoundingModeScope, RoundingModeNames, Index);
		if (Buffer)
		{
			OutValue = (ERoundingMode)Index;
		}
		return Buffer;
	}

	/**
	 * One option of a custom number format, "SetName(Value)": Buffer unchanged when it names another
	 * option, null when the option is there but does not read.
	 */
	template <int32 Length, typename ValueType>
	const TCHAR* ReadOption(const TCHAR* Buffer, const TCHAR (&Name)[Length], ValueType& OutValue, const TCHAR* (*ReadValue)(const TCHAR*, ValueType&))
	{
		if (!SkipMarker(Buffer, Name))
		{
			return Buffer;
		}
		if (!(Buffer = SkipWhitespaceAndChar(Buffer, '(')) || !(Buffer = ReadValue(SkipWhitespace(Buffer), OutValue)))
		{
			return nullptr;
		}
		return SkipWhitespaceAndChar(Buffer, ')');
	}

	/** The options of a custom number format, "SetUseGrouping(false).SetMaximumFractionalDigits(2)", in any order. */
	const TCHAR* ReadNumberFormattingOptions(const TCHAR* Buffer, FNumberFormattingOptions& OutOptions)
	{
		for (bool bDidReadOption = true; bDidReadOption;)
		{
			bDidReadOption = false;
			// Each option is looked for in turn, a '.' before it skipped, as the engine does.
			bool bFailed = false;
			const auto Read = [&Buffer, &bDidReadOption, &bFailed](const auto& Name, auto& Value, auto* ReadValue)
			{
				if (bFailed)
				{
					return;
				}
				if (*Buffer == '.')
				{
					++Buffer;
				}
				const TCHAR* const Start = Buffer;
				Buffer = ReadOption(Buffer, Name, Value, ReadValue);
				bDidReadOption |= Buffer && Buffer != Start;
				bFailed = Buffer == nullptr;
			};
			Read(TEXT("SetAlwaysSign"), OutOptions.AlwaysSign, &ReadBoolOption);
			Read(TEXT("SetUseGrouping"), OutOptions.UseGrouping, &ReadBoolOption);
			Read(TEXT("SetRoundingMode"), OutOptions.RoundingMode, &ReadRoundingModeOption);
			Read(TEXT("SetMinimumIntegralDigits"), OutOptions.MinimumIntegralDigits, &ReadIntOption);
			Read(TEXT("SetMaximumIntegralDigits"), OutOptions.MaximumIntegralDigits, &ReadIntOption);
			Read(TEXT("SetMinimumFractionalDigits"), OutOptions.MinimumFractionalDigits, &ReadIntOption);
			Read(TEXT("SetMaximumFractionalDigits"), OutOptions.MaximumFractionalDigits, &ReadIntOption);
			if (bFailed)
			{
				return nullptr;
			}
		}
		return Buffer;
	}

	/** A text generated from others: its display string, or none where the host does not compute it. */
	struct FGeneratedText
	{
		TOptional<FString> DisplayString;
	};

	/**
	 * LOCGEN_NUMBER(Value, "Culture") and its _GROUPED, _UNGROUPED and _CUSTOM(Value, Options, "Culture")
	 * forms, and the same forms of LOCGEN_PERCENT. A number is shown as the host's one culture writes
	 * it, whatever culture the text names; a percentage is not computed.
	 */
	template <int32 Length>
	const TCHAR* ReadNumberOrPercent(const TCHAR* Buffer, const TCHAR (&Marker)[Length], bool bIsPercent, FGeneratedText& OutText)
	{
		if (!SkipMarker(Buffer, Marker))
		{
			return nullptr;
		}
		FNumberFormattingOptions Options;
		const bool bIsCustom = SkipMarker(Buffer, CustomSuffix);
		if (!bIsCustom && SkipMarker(Buffer, GroupedSuffix))
		{
			Options = FNumberFormattingOptions::DefaultWithGrouping();
		}
		else if (!bIsCustom && SkipMarker(Buffer, UngroupedSuffix))
		{
			Options = FNumberFormattingOptions::DefaultNoGrouping();
		}
		FNumberValue Value;
		FString CultureName;
		if (!(Buffer = SkipWhitespaceAndChar(Buffer, '(')) || !(Buffer = ReadNumber(SkipWhitespace(Buffer), Value)))
		{
			return nullptr;
		}
		if (bIsCustom && (!(Buffer = SkipWhitespaceAndChar(Buffer, ',')) || !(Buffer = ReadNumberFormattingOptions(SkipWhitespace(Buffer), Options))))
		{
			return nullptr;
		}
		if (!(Buffer = SkipWhitespaceAndChar(Buffer, ',')) || !(Buffer = SkipWhitespaceAndReadQuotedString(Buffer, CultureName)) || !(Buffer = SkipWhitespaceAndChar(Buffer, ')')))
		{
			return nullptr;
		}
		FString Display;
		if (!bIsPercent && Value.Format(Options, Display))
		{
			OutText.DisplayString = Display;
		}
		return Buffer;
	}

	/** LOCGEN_CURRENCY(Value, "Code", "Culture"); the amount is not computed. */
	const TCHAR* ReadCurrency(const TCHAR* Buffer)
	{
		FNumberValue Value;
		FString CurrencyCode;
		FString CultureName;
		if (!SkipMarker(Buffer, LocGenCurrencyMarker) || !(Buffer = SkipWhitespaceAndChar(Buffer, '(')) || !(Buffer = ReadNumber(SkipWhitespace(Buffer), Value)))
		{
			return nullptr;
		}
		if (!(Buffer = SkipWhitespaceAndChar(Buffer, ',')) || !(Buffer = SkipWhitespaceAndReadQuotedString(Buffer, CurrencyCode)))
		{
			return nullptr;
		}
		if (!(Buffer = SkipWhitespaceAndChar(Buffer, ',')) || !(Buffer = SkipWhitespaceAndReadQuotedString(Buffer, CultureName)))
		{
			return nullptr;
		}
		return SkipWhitespaceAndChar(Buffer, ')');
	}

	const TCHAR* ReadDateTimeStyle(const TCHAR* Buffer)
	{
		int32 Index = 0;
		return ReadScopedEnum(SkipWhitespace(Buffer), DateTimeStyleScope, DateTimeStyleNames, Index);
	}

	/**
	 * LOCGEN_DATE, LOCGEN_TIME and LOCGEN_DATETIME, each _UTC(Timestamp, Styles, "TimeZone", "Culture") or
	 * _LOCAL(Timestamp, Styles, "Culture"), and their _CUSTOM forms with a quoted pattern in place of the
	 * styles. A date has its date style, a time its time style, a date and time both. Not computed.
	 */
	template <int32 Length>
	const TCHAR* ReadDateTime(const TCHAR* Buffer, const TCHAR (&Marker)[Length], bool bHasDateStyle, bool bHasTimeStyle)
	{
		if (!SkipMarker(Buffer, Marker))
		{
			return nullptr;
		}
		const bool bIsCustom = SkipMarker(Buffer, CustomSuffix);
		const bool bIsLocal = SkipMarker(Buffer, LocalSuffix);
		if (!bIsLocal && !SkipMarker(Buffer, UtcSuffix))
		{
			return nullptr;
		}
		FNumberValue Timestamp;
		FString Quoted;
		if (!(Buffer = SkipWhitespaceAndChar(Buffer, '(')) || !(Buffer = ReadNumber(SkipWhitespace(Buffer), Timestamp)))
		{
			return nullptr;
		}
		if (bIsCustom)
		{
			if (!(Buffer = SkipWhitespaceAndChar(Buffer, ',')) || !(Buffer = SkipWhitespaceAndReadQuotedString(Buffer, Quoted)))
			{
				return nullptr;
			}
		}
		else
		{
			if (bHasDateStyle && (!(Buffer = SkipWhitespaceAndChar(Buffer, ',')) || !(Buffer = ReadDateTimeStyle(Buffer))))
			{
				return nullptr;
			}
			if (bHasTimeStyle && (!(Buffer = SkipWhitespaceAndChar(Buffer, ',')) || !(Buffer = ReadDateTimeStyle(Buffer))))
			{
				return nullptr;
			}
		}
		// A UTC text names its time zone; a local one has none.
		if (!bIsLocal && (!(Buffer = SkipWhitespaceAndChar(Buffer, ',')) || !(Buffer = SkipWhitespaceAndReadQuotedString(Buffer, Quoted))))
		{
			return nullptr;
		}
		if (!(Buffer = SkipWhitespaceAndChar(Buffer, ',')) || !(Buffer = SkipWhitespaceAndReadQuotedString(Buffer, Quoted)))
		{
			return nullptr;
		}
		return SkipWhitespaceAndChar(Buffer, ')');
	}

	/** A format argument: a gender ("ETextGender::Feminine"), a number, else a text. Its display string. */
	const TCHAR* ReadFormatArgument(const TCHAR* Buffer, FText& OutValue)
	{
		int32 Gender = 0;
		if (const TCHAR* const AfterGender = ReadScopedEnum(Buffer, TextGenderScope, TextGenderNames, Gender))
		{
			// A gender only chooses between the forms of a |gender() modifier; on its own it shows nothing.
			OutValue = FText::GetEmpty();
			return AfterGender;
		}
		FNumberValue Number;
		if (const TCHAR* const AfterNumber = ReadNumber(Buffer, Number))
		{
			FString Display;
			if (!Number.Format(FNumberFormattingOptions(), Display))
			{
				Display = Number.Text;
			}
			OutValue = FText::FromString(MoveTemp(Display));
			return AfterNumber;
		}
		return FTextStringHelper::ReadFromBuffer(Buffer, OutValue, nullptr, nullptr, true);
	}

	/**
	 * LOCGEN_FORMAT_NAMED(Pattern, "Name", Value, ...) or LOCGEN_FORMAT_ORDERED(Pattern, Value, ...): the
	 * pattern formatted with the arguments, the ordered ones named by their place ("0", "1", ...).
	 */
	template <int32 Length>
	const TCHAR* ReadFormat(const TCHAR* Buffer, const TCHAR (&Marker)[Length], bool bIsNamed, FGeneratedText& OutText)
	{
		FText Pattern;
		if (!SkipMarker(Buffer, Marker) || !(Buffer = SkipWhitespaceAndChar(Buffer, '(')) || !(Buffer = FTextStringHelper::ReadFromBuffer(SkipWhitespace(Buffer), Pattern, nullptr, nullptr, true)))
		{
			return nullptr;
		}
		FFormatNamedArguments Arguments;
		for (int32 Index = 0; *(Buffer = SkipWhitespace(Buffer)) == ','; ++Index)
		{
			++Buffer;
			FString Name = FString::FromInt(Index);
			if (bIsNamed && (!(Buffer = SkipWhitespaceAndReadQuotedString(Buffer, Name)) || !(Buffer = SkipWhitespaceAndChar(Buffer, ','))))
			{
				return nullptr;
			}
			FText Value;
			if (!(Buffer = ReadFormatArgument(SkipWhitespace(Buffer), Value)))
			{
				return nullptr;
			}
			Arguments.Add(MoveTemp(Name), FFormatArgumentValue(Value));
		}
		if (!(Buffer = SkipWhitespaceAndChar(Buffer, ')')))
		{
			return nullptr;
		}
		OutText.DisplayString = FText::Format(Pattern, Arguments).ToString();
		return Buffer;
	}

	/** LOCGEN_TOUPPER(Text) and LOCGEN_TOLOWER(Text): the text's display string in that case (ASCII letters only, on the host). */
	const TCHAR* ReadTransform(const TCHAR* Buffer, FGeneratedText& OutText)
	{
		const bool bToLower = SkipMarker(Buffer, LocGenToLowerMarker);
		if (!bToLower && !SkipMarker(Buffer, LocGenToUpperMarker))
		{
			return nullptr;
		}
		FText Source;
		if (!(Buffer = SkipWhitespaceAndChar(Buffer, '(')) || !(Buffer = FTextStringHelper::ReadFromBuffer(SkipWhitespace(Buffer), Source, nullptr, nullptr, true)) || !(Buffer = SkipWhitespaceAndChar(Buffer, ')')))
		{
			return nullptr;
		}
		OutText.DisplayString = bToLower ? Source.ToString().ToLower() : Source.ToString().ToUpper();
		return Buffer;
	}

	/** LOCTABLE("TableId", "Key"): the host has no string tables, so it shows what the engine shows for a missing entry. */
	const TCHAR* ReadStringTableEntry(const TCHAR* Buffer, FGeneratedText& OutText)
	{
		FString TableId;
		FString Key;
		if (!SkipMarker(Buffer, LocTableMarker) || !(Buffer = SkipWhitespaceAndChar(Buffer, '(')) || !(Buffer = SkipWhitespaceAndReadQuotedString(Buffer, TableId)))
		{
			return nullptr;
		}
		if (!(Buffer = SkipWhitespaceAndChar(Buffer, ',')) || !(Buffer = SkipWhitespaceAndReadQuotedString(Buffer, Key)) || !(Buffer = SkipWhitespaceAndChar(Buffer, ')')))
		{
			return nullptr;
		}
		OutText.DisplayString = FString(MissingStringTableEntry);
		return Buffer;
	}

	/** INVTEXT("Source"). */
	const TCHAR* ReadInvariant(const TCHAR* Buffer, FString& OutSource)
	{
		if (!SkipMarker(Buffer, InvTextMarker) || !(Buffer = SkipWhitespaceAndChar(Buffer, '(')) || !(Buffer = SkipWhitespaceAndReadQuotedString(Buffer, OutSource)))
		{
			return nullptr;
		}
		return SkipWhitespaceAndChar(Buffer, ')');
	}

	/** NSLOCTEXT("Namespace", "Key", "Source") or LOCTEXT("Key", "Source"), which takes TextNamespace. An empty key gets a new one. */
	const TCHAR* ReadLocalized(const TCHAR* Buffer, const TCHAR* TextNamespace, FString& OutNamespace, FString& OutKey, FString& OutSource)
	{
		const bool bHasNamespace = SkipMarker(Buffer, NsLocTextMarker);
		if (!bHasNamespace && !SkipMarker(Buffer, LocTextMarker))
		{
			return nullptr;
		}
		if (!(Buffer = SkipWhitespaceAndChar(Buffer, '(')))
		{
			return nullptr;
		}
		OutNamespace = TextNamespace ? TextNamespace : TEXT("");
		if (bHasNamespace && (!(Buffer = SkipWhitespaceAndReadQuotedString(Buffer, OutNamespace)) || !(Buffer = SkipWhitespaceAndChar(Buffer, ','))))
		{
			return nullptr;
		}
		if (!(Buffer = SkipWhitespaceAndReadQuotedString(Buffer, OutKey)) || !(Buffer = SkipWhitespaceAndChar(Buffer, ',')))
		{
			return nullptr;
		}
		if (!(Buffer = SkipWhitespaceAndReadQuotedString(Buffer, OutSource)) || !(Buffer = SkipWhitespaceAndChar(Buffer, ')')))
		{
			return nullptr;
		}
		if (OutKey.IsEmpty())
		{
			OutKey = FGuid::NewGuid().ToString();
		}
		return Buffer;
	}

	/**
	 * A generated form, read by the first history whose marker Buffer starts with, in the engine's
	 * order (LOCGEN_DATETIME before LOCGEN_DATE, which it starts with): a form that starts like one
	 * but does not read is no text, whatever else it might have been.
	 */
	const TCHAR* ReadGenerated(const TCHAR* Buffer, FGeneratedText& OutText)
	{
		if (PeekMarker(Buffer, LocGenFormatNamedMarker))
		{
			return ReadFormat(Buffer, LocGenFormatNamedMarker, true, OutText);
		}
		if (PeekMarker(Buffer, LocGenFormatOrderedMarker))
		{
			return ReadFormat(Buffer, LocGenFormatOrderedMarker, false, OutText);
		}
		if (PeekMarker(Buffer, LocGenNumberMarker))
		{
			return ReadNumberOrPercent(Buffer, LocGenNumberMarker, false, OutText);
		}
		if (PeekMarker(Buffer, LocGenPercentMarker))
		{
			return ReadNumberOrPercent(Buffer, LocGenPercentMarker, true, OutText);
		}
		if (PeekMarker(Buffer, LocGenCurrencyMarker))
		{
			return ReadCurrency(Buffer);
		}
		if (PeekMarker(Buffer, LocGenDateTimeMarker))
		{
			return ReadDateTime(Buffer, LocGenDateTimeMarker, true, true);
		}
		if (PeekMarker(Buffer, LocGenDateMarker))
		{
			return ReadDateTime(Buffer, LocGenDateMarker, true, false);
		}
		if (PeekMarker(Buffer, LocGenTimeMarker))
		{
			return ReadDateTime(Buffer, LocGenTimeMarker, false, true);
		}
		if (PeekMarker(Buffer, LocGenToLowerMarker) || PeekMarker(Buffer, LocGenToUpperMarker))
		{
			return ReadTransform(Buffer, OutText);
		}
		if (PeekMarker(Buffer, LocTableMarker))
		{
			return ReadStringTableEntry(Buffer, OutText);
		}
		return nullptr;
	}
}

const TCHAR* FTextStringHelper::ReadFromBuffer_ComplexText(const TCHAR* Buffer, FText& OutValue, const TCHAR* TextNamespace, const TCHAR* PackageNamespace)
{
	if (GNestingDepth >= MaxNestingDepth)
	{
		return nullptr;
	}
	const FNestingScope Nesting;
	const TCHAR* const Start = Buffer;
	FText::FTextData Data;
	if (PeekMarker(Buffer, InvTextMarker))
	{
		if (!(Buffer = ReadInvariant(Buffer, Data.SourceString)))
		{
			return nullptr;
		}
		Data.bCultureInvariant = true;
	}
	else if (PeekMarker(Buffer, NsLocTextMarker) || PeekMarker(Buffer, LocTextMarker))
	{
		// The editor also adds the package's namespace and a new key when the text comes from another
		// package; the host keeps the namespace and key as written.
		if (!(Buffer = ReadLocalized(Buffer, TextNamespace, Data.Namespace, Data.Key, Data.SourceString)))
		{
			return nullptr;
		}
		Data.bLocalized = true;
	}
	else
	{
		FGeneratedText Generated;
		if (!(Buffer = ReadGenerated(Buffer, Generated)))
		{
			return nullptr;
		}
		Data.HistoryText = FString::ConstructFromPtrSize(Start, (int32)(Buffer - Start));
		// Where the host does not compute the engine's display string, the text shows its form as written.
		Data.SourceString = Generated.DisplayString.IsSet() ? Generated.DisplayString.GetValue() : Data.HistoryText;
	}
	OutValue = FText(MakeShared<const FText::FTextData>(MoveTemp(Data)));
	return Buffer;
}
