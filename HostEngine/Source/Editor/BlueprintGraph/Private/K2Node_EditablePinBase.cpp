#include "K2Node_EditablePinBase.h"

#include "EdGraphSchema_K2.h"
#include "Misc/CString.h"
#include "Misc/OutputDevice.h"
#include "UObject/PropertyValueOps.h"
#include "UObject/UnrealType.h"

namespace EditablePinText
{
	static const TCHAR LinePrefix[] = TEXT("CustomProperties UserDefinedPin ");
}

namespace
{
	/** Quotes and reads back texts and names as the engine's struct text form writes them. */
	const FStrProperty& GetTextForm()
	{
		static const FStrProperty* const Property = new FStrProperty(nullptr, FName(TEXT("Text")), CPF_None, 0, GetPropertyValueOps<FString>());
		return *Property;
	}

	FString QuoteText(const FString& Text)
	{
		FString Quoted;
		GetTextForm().ExportTextItem_Direct(Quoted, &Text, nullptr, nullptr, PPF_Delimited);
		return Quoted;
	}

	const TCHAR* const ContainerTypeNames[] = {TEXT("None"), TEXT("Array"), TEXT("Set"), TEXT("Map")};

	/**
	 * The engine's form of a user pin: the struct's fields that differ from a default one, the pin
	 * type's likewise ("(PinName="Key",PinType=(PinCategory="string"),DesiredPinDirection=EGPD_Output)").
	 */
	FString ExportUserPin(const FUserPinInfo& Info)
	{
		TArray<FString> TypeFields;
		TypeFields.Add(TEXT("PinCategory=") + QuoteText(Info.PinType.PinCategory.ToString()));
		if (!Info.PinType.PinSubCategory.IsNone())
		{
			TypeFields.Add(TEXT("PinSubCategory=") + QuoteText(Info.PinType.PinSubCategory.ToString()));
		}
		if (Info.PinType.ContainerType != EPinContainerType::None)
		{
			TypeFields.Add(FString(TEXT("ContainerType=")) + ContainerTypeNames[(int32)Info.PinType.ContainerType]);
		}
		if (Info.PinType.bIsReference)
		{
			TypeFields.Add(TEXT("bIsReference=True"));
		}
		if (Info.PinType.bIsConst)
		{
			TypeFields.Add(TEXT("bIsConst=True"));
		}
		TArray<FString> Fields;
		Fields.Add(TEXT("PinName=") + QuoteText(Info.PinName.ToString()));
		Fields.Add(TEXT("PinType=(") + FString::Join(TypeFields, TEXT(",")) + TEXT(")"));
		Fields.Add(FString(TEXT("DesiredPinDirection=")) + (Info.DesiredPinDirection == EGPD_Input ? TEXT("EGPD_Input") : Info.DesiredPinDirection == EGPD_Output ? TEXT("EGPD_Output") : TEXT("EGPD_MAX")));
		if (!Info.PinDefaultValue.IsEmpty())
		{
			Fields.Add(TEXT("PinDefaultValue=") + QuoteText(Info.PinDefaultValue));
		}
		return TEXT("(") + FString::Join(Fields, TEXT(",")) + TEXT(")");
	}

	/** Reads the "Key=Value" fields of one parenthesised struct text, calling Field for each; false on malformed text. */
	template <typename FieldFunction>
	bool ReadFields(const TCHAR*& Cursor, FieldFunction&& Field)
	{
		if (*Cursor != '(')
		{
			return false;
		}
		++Cursor;
		while (*Cursor && *Cursor != ')')
		{
			FString Key;
			while (*Cursor && *Cursor != '=' && *Cursor != ',' && *Cursor != ')')
			{
				Key.AppendChar(*Cursor++);
			}
			if (*Cursor != '=' || !Field(Key, Cursor))
			{
				return false;
			}
			if (*Cursor == ',')
			{
				++Cursor;
			}
		}
		if (*Cursor != ')')
		{
			return false;
		}
		++Cursor;
		return true;
	}

	/** A bare value after "Key=": up to the next ',' or ')'. */
	FString ReadBareValue(const TCHAR*& Cursor)
	{
		FString Value;
		while (*Cursor && *Cursor != ',' && *Cursor != ')')
		{
			Value.AppendChar(*Cursor++);
		}
		return Value;
	}

	bool ReadQuoted(const TCHAR*& Cursor, FString& OutText)
	{
		const TCHAR* const End = GetTextForm().ImportText_Direct(Cursor, &OutText, nullptr, PPF_Delimited);
		if (!End)
		{
			return false;
		}
		Cursor = End;
		return true;
	}

	bool ReadPinType(const TCHAR*& Cursor, FEdGraphPinType& OutType)
	{
		return ReadFields(Cursor, [&OutType](const FString& Key, const TCHAR*& Value)
			{
				++Value;
				FString Text;
				if (Key == TEXT("PinCategory") || Key == TEXT("PinSubCategory"))
				{
					if (!ReadQuoted(Value, Text))
					{
						return false;
					}
					(Key == TEXT("PinCategory") ? OutType.PinCategory : OutType.PinSubCategory) = Text.IsEmpty() ? FName() : FName(*Text);
					return true;
				}
				Text = ReadBareValue(Value);
				if (Key == TEXT("ContainerType"))
				{
					for (int32 Index = 0; Index < int32(UE_ARRAY_COUNT(ContainerTypeNames)); ++Index)
					{
						if (Text == ContainerTypeNames[Index])
						{
							OutType.ContainerType = (EPinContainerType)Index;
							return true;
						}
					}
					return false;
				}
				if (Key == TEXT("bIsReference"))
				{
					OutType.bIsReference = Text.ToBool();
				}
				else if (Key == TEXT("bIsConst"))
				{
					OutType.bIsConst = Text.ToBool();
				}
				// Other fields of the engine's pin type are read and left at their defaults.
				return true;
			});
	}

	bool ImportUserPin(const TCHAR* Cursor, FUserPinInfo& OutInfo)
	{
		return ReadFields(Cursor, [&OutInfo](const FString& Key, const TCHAR*& Value)
			{
				++Value;
				FString Text;
				if (Key == TEXT("PinName"))
				{
					if (!ReadQuoted(Value, Text))
					{
						return false;
					}
					OutInfo.PinName = FName(*Text);
					return true;
				}
				if (Key == TEXT("PinType"))
				{
					return ReadPinType(Value, OutInfo.PinType);
				}
				if (Key == TEXT("PinDefaultValue"))
				{
					return ReadQuoted(Value, OutInfo.PinDefaultValue);
				}
				Text = ReadBareValue(Value);
				if (Key == TEXT("DesiredPinDirection"))
				{
					OutInfo.DesiredPinDirection = Text == TEXT("EGPD_Input") ? EGPD_Input : Text == TEXT("EGPD_Output") ? EGPD_Output : EGPD_MAX;
				}
				return true;
			});
	}
}

UK2Node_EditablePinBase::UK2Node_EditablePinBase(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
}

void UK2Node_EditablePinBase::ExportCustomProperties(FOutputDevice& Out, uint32 Indent)
{
	Super::ExportCustomProperties(Out, Indent);
	const FString Spaces = FString::ChrN((int32)Indent, ' ');
	FString Lines;
	for (const TSharedPtr<FUserPinInfo>& Info : UserDefinedPins)
	{
		Lines += Spaces + EditablePinText::LinePrefix + ExportUserPin(*Info) + TEXT("\r\n");
	}
	Out.Log(Lines);
}

void UK2Node_EditablePinBase::ImportCustomProperties(const TCHAR* SourceText, FFeedbackContext* Warn)
{
	Super::ImportCustomProperties(SourceText, Warn);
	UserDefinedPins.Reset();
	const int32 PrefixLength = UE_ARRAY_COUNT(EditablePinText::LinePrefix) - 1;
	for (const TCHAR* Cursor = SourceText; *Cursor;)
	{
		while (FChar::IsWhitespace(*Cursor))
		{
			++Cursor;
		}
		if (FCString::Strncmp(Cursor, EditablePinText::LinePrefix, PrefixLength) == 0)
		{
			const TSharedPtr<FUserPinInfo> Info = MakeShared<FUserPinInfo>();
			if (ImportUserPin(Cursor + PrefixLength, *Info))
			{
				UserDefinedPins.Add(Info);
			}
		}
		while (*Cursor && *Cursor != '\n')
		{
			++Cursor;
		}
	}
}

void UK2Node_EditablePinBase::AllocateDefaultPins()
{
	Super::AllocateDefaultPins();
	for (const TSharedPtr<FUserPinInfo>& Info : UserDefinedPins)
	{
		FText Unused;
		if ((!IsEditable() || CanCreateUserDefinedPin(Info->PinType, Info->DesiredPinDirection, Unused)) && !FindPin(Info->PinName))
		{
			CreatePinFromUserDefinition(Info);
		}
	}
}

UEdGraphPin* UK2Node_EditablePinBase::CreateUserDefinedPin(const FName InPinName, const FEdGraphPinType& InPinType, EEdGraphPinDirection InDesiredDirection, bool bUseUniqueName)
{
	const TSharedPtr<FUserPinInfo> Info = MakeShared<FUserPinInfo>();
	Info->PinName = bUseUniqueName ? CreateUniquePinName(InPinName) : InPinName;
	Info->PinType = InPinType;
	Info->DesiredPinDirection = InDesiredDirection;
	UserDefinedPins.Add(Info);
	return CreatePinFromUserDefinition(Info);
}

void UK2Node_EditablePinBase::RemoveUserDefinedPin(TSharedPtr<FUserPinInfo> PinToRemove)
{
	RemoveUserDefinedPinByName(PinToRemove->PinName);
}

void UK2Node_EditablePinBase::RemoveUserDefinedPinByName(const FName PinName)
{
	if (UEdGraphPin* const Pin = FindPin(PinName))
	{
		RemovePin(Pin);
	}
	UserDefinedPins.RemoveAll([PinName](const TSharedPtr<FUserPinInfo>& Info) { return Info.IsValid() && Info->PinName == PinName; });
}

bool UK2Node_EditablePinBase::UserDefinedPinExists(const FName PinName) const
{
	return UserDefinedPins.ContainsByPredicate([PinName](const TSharedPtr<FUserPinInfo>& Info) { return Info.IsValid() && Info->PinName == PinName; });
}

bool UK2Node_EditablePinBase::CreateUserDefinedPinsForFunctionEntryExit(const UFunction* Function, bool bForFunctionEntry)
{
	const UEdGraphSchema_K2* const Schema = GetDefault<UEdGraphSchema_K2>();
	bool bAllPinsGood = true;
	for (TFieldIterator<FProperty> It(Function); It && It->HasAnyPropertyFlags(CPF_Parm); ++It)
	{
		const bool bIsFunctionInput = !It->HasAnyPropertyFlags(CPF_OutParm) || It->HasAnyPropertyFlags(CPF_ReferenceParm);
		if (bIsFunctionInput == bForFunctionEntry)
		{
			FEdGraphPinType PinType;
			Schema->ConvertPropertyToPinType(*It, PinType);
			bAllPinsGood = CreateUserDefinedPin(It->GetFName(), PinType, bForFunctionEntry ? EGPD_Output : EGPD_Input) != nullptr && bAllPinsGood;
		}
	}
	return bAllPinsGood;
}
