#include "EdGraph/EdGraphPin.h"

#include "Containers/StringView.h"
#include "EdGraph/EdGraphNode.h"
#include "EdGraph/EdGraphSchema.h"
#include "Templates/Casts.h"
#include "UObject/PropertyValueOps.h"
#include "UObject/UnrealType.h"
#include "UObject/UObjectGlobals.h"

namespace
{
	/** A link read from text, joined by ResolveAllPinReferences once both pins exist. */
	struct FUnresolvedPinLink
	{
		UEdGraphPin* Pin;
		FName NodeName;
		FGuid LinkedPinId;
	};

	TArray<FUnresolvedPinLink>& GetUnresolvedPinLinks()
	{
		static TArray<FUnresolvedPinLink> Links;
		return Links;
	}

	// Values are written and read by the object system's own text forms, so a pin default and a
	// reflected property with the same content look alike in saved text.
	const FStrProperty& GetStringText()
	{
		static const FStrProperty Property(nullptr, TEXT("PinString"), CPF_None, 0, GetPropertyValueOps<FString>());
		return Property;
	}

	const FNameProperty& GetNameText()
	{
		static const FNameProperty Property(nullptr, TEXT("PinName"), CPF_None, 0, GetPropertyValueOps<FName>());
		return Property;
	}

	const FTextProperty& GetTextText()
	{
		static const FTextProperty Property(nullptr, TEXT("PinText"), CPF_None, 0, GetPropertyValueOps<FText>());
		return Property;
	}

	const FObjectProperty& GetObjectText()
	{
		static const FObjectProperty Property(nullptr, TEXT("PinObject"), CPF_None, 0, GetPropertyValueOps<UObject*>(), UObject::StaticClass());
		return Property;
	}

	const FBoolProperty& GetBoolText()
	{
		static const FBoolProperty Property(nullptr, TEXT("PinBool"), CPF_None, 0, GetPropertyValueOps<bool>());
		return Property;
	}

	const TCHAR* ContainerTypeNames[] = {TEXT("None"), TEXT("Array"), TEXT("Set"), TEXT("Map")};

	/** Writes "Key=Value," items, the form of every field of the pin's text. */
	class FPinTextWriter
	{
	public:
		explicit FPinTextWriter(FString& InOut)
			: Out(InOut)
		{
		}

		void Raw(const TCHAR* Key, const FString& Value)
		{
			Out.Append(Key);
			Out.AppendChar('=');
			Out.Append(Value);
			Out.AppendChar(',');
		}
		void String(const TCHAR* Key, const FString& Value)
		{
			FString Quoted;
			GetStringText().ExportTextItem_Direct(Quoted, &Value, nullptr, nullptr, PPF_Delimited);
			Raw(Key, Quoted);
		}
		/** A name as a quoted text; None as an empty one, as the engine's name property writes it. */
		void Name(const TCHAR* Key, FName Value) { String(Key, Value.IsNone() ? FString() : Value.ToString()); }
		void Text(const TCHAR* Key, const FText& Value)
		{
			FString Exported;
			GetTextText().ExportTextItem_Direct(Exported, &Value, nullptr, nullptr, PPF_Delimited);
			Raw(Key, Exported);
		}
		void Object(const TCHAR* Key, const UObject* Value)
		{
			FString Exported;
			GetObjectText().ExportTextItem_Direct(Exported, &Value, nullptr, nullptr, PPF_Delimited);
			Raw(Key, Exported);
		}
		void Bool(const TCHAR* Key, bool bValue)
		{
			FString Exported;
			GetBoolText().ExportTextItem_Direct(Exported, &bValue, nullptr, nullptr, PPF_Delimited);
			Raw(Key, Exported);
		}

	private:
		FString& Out;
	};

	/** Reads the "(Key=Value,...)" text of a pin, one field at a time. */
	class FPinTextReader
	{
	public:
		explicit FPinTextReader(const TCHAR* InCursor)
			: Cursor(InCursor)
		{
		}

		bool Open() { return Expect('('); }
		bool AtEnd()
		{
			SkipSpaces();
			return *Cursor == ')';
		}
		bool Close() { return Expect(')'); }
		const TCHAR* GetCursor() const { return Cursor; }

		/** Reads "Key=" and leaves the cursor on the value; the key is a view into the text. */
		bool ReadKey(FStringView& OutKey)
		{
			SkipSpaces();
			const TCHAR* const Start = Cursor;
			while (*Cursor && *Cursor != '=')
			{
				++Cursor;
			}
			int32 Length = (int32)(Cursor - Start);
			while (Length > 0 && FChar::IsWhitespace(Start[Length - 1]))
			{
				--Length;
			}
			OutKey = FStringView(Start, Length);
			return Length > 0 && Expect('=');
		}

		/** Ends a field: the comma after it, which may be left out. */
		void EndField()
		{
			SkipSpaces();
			if (*Cursor == ',')
			{
				++Cursor;
			}
		}

		bool ReadString(FString& OutValue) { return ReadWith(GetStringText(), &OutValue); }
		bool ReadName(FName& OutValue) { return ReadWith(GetNameText(), &OutValue); }
		bool ReadText(FText& OutValue) { return ReadWith(GetTextText(), &OutValue); }
		bool ReadBool(bool& bOutValue) { return ReadWith(GetBoolText(), &bOutValue); }
		/** An object reference; one to an object the host does not have reads as none. */
		bool ReadObject(UObject*& OutValue)
		{
			OutValue = nullptr;
			SkipSpaces();
			const TCHAR* const Start = Cursor;
			if (ReadWith(GetObjectText(), &OutValue))
			{
				return true;
			}
			Cursor = Start;
			OutValue = nullptr;
			return SkipValue();
		}

		/** Exactly 32 hex digits, the only form of a guid that the engine reads back. */
		bool ReadGuid(FGuid& OutGuid)
		{
			SkipSpaces();
			constexpr int32 NumDigits = 32;
			for (int32 Index = 0; Index < NumDigits; ++Index)
			{
				if (!FChar::IsHexDigit(Cursor[Index]))
				{
					return false;
				}
			}
			const bool bParsed = FGuid::Parse(FString::ConstructFromPtrSize(Cursor, NumDigits), OutGuid);
			Cursor += NumDigits;
			return bParsed;
		}

		bool ReadToken(FString& OutToken)
		{
			SkipSpaces();
			OutToken.Reset();
			while (*Cursor && *Cursor != ',' && *Cursor != ')' && !FChar::IsWhitespace(*Cursor))
			{
				OutToken.AppendChar(*Cursor++);
			}
			return !OutToken.IsEmpty();
		}

		/** Skips a value this reader does not keep: a token, a quoted text or a bracketed group. */
		bool SkipValue()
		{
			SkipSpaces();
			int32 Depth = 0;
			while (*Cursor)
			{
				if (*Cursor == '"')
				{
					FString Ignored;
					if (!ReadString(Ignored))
					{
						return false;
					}
					continue;
				}
				if (*Cursor == '(')
				{
					++Depth;
				}
				else if (*Cursor == ')')
				{
					if (Depth == 0)
					{
						return true;
					}
					--Depth;
				}
				else if (*Cursor == ',' && Depth == 0)
				{
					return true;
				}
				++Cursor;
			}
			return false;
		}

		bool Expect(TCHAR Character)
		{
			SkipSpaces();
			if (*Cursor != Character)
			{
				return false;
			}
			++Cursor;
			return true;
		}

	private:
		bool ReadWith(const FProperty& Property, void* Value)
		{
			SkipSpaces();
			const TCHAR* const Next = Property.ImportText_Direct(Cursor, Value, nullptr, PPF_Delimited);
			if (!Next)
			{
				return false;
			}
			Cursor = Next;
			return true;
		}

		void SkipSpaces()
		{
			while (FChar::IsWhitespace(*Cursor))
			{
				++Cursor;
			}
		}

		const TCHAR* Cursor;
	};

	/** The value type of a map pin, as the engine writes a struct: only the members that differ from an empty terminal. */
	FString TerminalTypeText(const FEdGraphTerminalType& Terminal)
	{
		FString Members;
		FPinTextWriter Writer(Members);
		if (!Terminal.TerminalCategory.IsNone())
		{
			Writer.Name(TEXT("TerminalCategory"), Terminal.TerminalCategory);
		}
		if (!Terminal.TerminalSubCategory.IsNone())
		{
			Writer.Name(TEXT("TerminalSubCategory"), Terminal.TerminalSubCategory);
		}
		if (Terminal.TerminalSubCategoryObject.IsValid())
		{
			Writer.Object(TEXT("TerminalSubCategoryObject"), Terminal.TerminalSubCategoryObject.Get());
		}
		if (Terminal.bTerminalIsConst)
		{
			Writer.Bool(TEXT("bTerminalIsConst"), true);
		}
		if (Terminal.bTerminalIsWeakPointer)
		{
			Writer.Bool(TEXT("bTerminalIsWeakPointer"), true);
		}
		if (Terminal.bTerminalIsUObjectWrapper)
		{
			Writer.Bool(TEXT("bTerminalIsUObjectWrapper"), true);
		}
		// Members are separated, not ended, by commas.
		Members.LeftChopInline(Members.IsEmpty() ? 0 : 1);
		return TEXT("(") + Members + TEXT(")");
	}

	bool ReadTerminalType(FPinTextReader& Reader, FEdGraphTerminalType& OutTerminal)
	{
		if (!Reader.Open())
		{
			return false;
		}
		FStringView Key;
		while (!Reader.AtEnd())
		{
			if (!Reader.ReadKey(Key))
			{
				return false;
			}
			UObject* Object = nullptr;
			bool bRead = true;
			if (Key == TEXT("TerminalCategory"))
			{
				bRead = Reader.ReadName(OutTerminal.TerminalCategory);
			}
			else if (Key == TEXT("TerminalSubCategory"))
			{
				bRead = Reader.ReadName(OutTerminal.TerminalSubCategory);
			}
			else if (Key == TEXT("TerminalSubCategoryObject"))
			{
				bRead = Reader.ReadObject(Object);
				OutTerminal.TerminalSubCategoryObject = Object;
			}
			else if (Key == TEXT("bTerminalIsConst"))
			{
				bRead = Reader.ReadBool(OutTerminal.bTerminalIsConst);
			}
			else if (Key == TEXT("bTerminalIsWeakPointer"))
			{
				bRead = Reader.ReadBool(OutTerminal.bTerminalIsWeakPointer);
			}
			else if (Key == TEXT("bTerminalIsUObjectWrapper"))
			{
				bRead = Reader.ReadBool(OutTerminal.bTerminalIsUObjectWrapper);
			}
			else
			{
				// A struct's text may name members this version does not have; they are skipped.
				bRead = Reader.SkipValue();
			}
			if (!bRead)
			{
				return false;
			}
			Reader.EndField();
		}
		return Reader.Close();
	}

	bool ReadLinks(FPinTextReader& Reader, UEdGraphPin& Pin)
	{
		if (!Reader.Open())
		{
			return false;
		}
		FString NodeName;
		FString PinIdText;
		while (!Reader.AtEnd())
		{
			FGuid LinkedPinId;
			// A node name too long to be a name would make the engine assert; the host refuses the text.
			if (!Reader.ReadToken(NodeName) || NodeName.Len() >= NAME_SIZE || !Reader.ReadToken(PinIdText) || !FGuid::Parse(PinIdText, LinkedPinId))
			{
				return false;
			}
			Reader.EndField();
			GetUnresolvedPinLinks().Add({&Pin, FName(*NodeName), LinkedPinId});
		}
		return Reader.Close();
	}

	bool ReadContainerType(FPinTextReader& Reader, EPinContainerType& OutContainerType)
	{
		FString Token;
		if (!Reader.ReadToken(Token))
		{
			return false;
		}
		for (int32 Index = 0; Index < (int32)UE_ARRAY_COUNT(ContainerTypeNames); ++Index)
		{
			if (Token == ContainerTypeNames[Index])
			{
				OutContainerType = (EPinContainerType)Index;
				return true;
			}
		}
		return false;
	}

	/** A bit-field flag of a pin or of its type, by its name in the text form. */
	struct FPinFlag
	{
		const TCHAR* Name;
		bool (*Get)(const UEdGraphPin& Pin);
		void (*Set)(UEdGraphPin& Pin, bool bValue);
	};

	// The flags of the type, written with the type. Older texts carry bIsMap and bIsSet, which the engine
	// reads and drops, and bIsArray, which it reads into a deprecated member that text import never turns
	// into the container type: the host reads all three and drops them.
	const FPinFlag TypeFlags[] = {
		{TEXT("PinType.bIsReference"), [](const UEdGraphPin& Pin) -> bool { return Pin.PinType.bIsReference; }, [](UEdGraphPin& Pin, bool bValue) { Pin.PinType.bIsReference = bValue; }},
		{TEXT("PinType.bIsConst"), [](const UEdGraphPin& Pin) -> bool { return Pin.PinType.bIsConst; }, [](UEdGraphPin& Pin, bool bValue) { Pin.PinType.bIsConst = bValue; }},
		{TEXT("PinType.bIsWeakPointer"), [](const UEdGraphPin& Pin) -> bool { return Pin.PinType.bIsWeakPointer; }, [](UEdGraphPin& Pin, bool bValue) { Pin.PinType.bIsWeakPointer = bValue; }},
		{TEXT("PinType.bIsUObjectWrapper"), [](const UEdGraphPin& Pin) -> bool { return Pin.PinType.bIsUObjectWrapper; }, [](UEdGraphPin& Pin, bool bValue) { Pin.PinType.bIsUObjectWrapper = bValue; }},
		{TEXT("PinType.bSerializeAsSinglePrecisionFloat"), [](const UEdGraphPin& Pin) -> bool { return Pin.PinType.bSerializeAsSinglePrecisionFloat; }, [](UEdGraphPin& Pin, bool bValue) { Pin.PinType.bSerializeAsSinglePrecisionFloat = bValue; }},
	};
	const TCHAR* const DroppedTypeFlags[] = {TEXT("PinType.bIsMap"), TEXT("PinType.bIsSet"), TEXT("PinType.bIsArray")};

	// The pin's own saved flags, written last. bDisplayAsMutableRef and bAllowFriendlyName are not saved.
	const FPinFlag PinFlags[] = {
		{TEXT("bHidden"), [](const UEdGraphPin& Pin) -> bool { return Pin.bHidden; }, [](UEdGraphPin& Pin, bool bValue) { Pin.bHidden = bValue; }},
		{TEXT("bNotConnectable"), [](const UEdGraphPin& Pin) -> bool { return Pin.bNotConnectable; }, [](UEdGraphPin& Pin, bool bValue) { Pin.bNotConnectable = bValue; }},
		{TEXT("bDefaultValueIsReadOnly"), [](const UEdGraphPin& Pin) -> bool { return Pin.bDefaultValueIsReadOnly; }, [](UEdGraphPin& Pin, bool bValue) { Pin.bDefaultValueIsReadOnly = bValue; }},
		{TEXT("bDefaultValueIsIgnored"), [](const UEdGraphPin& Pin) -> bool { return Pin.bDefaultValueIsIgnored; }, [](UEdGraphPin& Pin, bool bValue) { Pin.bDefaultValueIsIgnored = bValue; }},
		{TEXT("bAdvancedView"), [](const UEdGraphPin& Pin) -> bool { return Pin.bAdvancedView; }, [](UEdGraphPin& Pin, bool bValue) { Pin.bAdvancedView = bValue; }},
		{TEXT("bOrphanedPin"), [](const UEdGraphPin& Pin) -> bool { return Pin.bOrphanedPin; }, [](UEdGraphPin& Pin, bool bValue) { Pin.bOrphanedPin = bValue; }},
	};

	const FPinFlag* FindFlag(FStringView Key)
	{
		for (const FPinFlag& Flag : TypeFlags)
		{
			if (Key == Flag.Name)
			{
				return &Flag;
			}
		}
		for (const FPinFlag& Flag : PinFlags)
		{
			if (Key == Flag.Name)
			{
				return &Flag;
			}
		}
		return nullptr;
	}

	/** Reads a flag of the pin or of its type; false when Key names no flag. */
	bool ReadFlag(FPinTextReader& Reader, FStringView Key, UEdGraphPin& Pin, bool& bOutRead)
	{
		bool bValue = false;
		if (const FPinFlag* const Flag = FindFlag(Key))
		{
			bOutRead = Reader.ReadBool(bValue);
			Flag->Set(Pin, bValue);
			return true;
		}
		for (const TCHAR* const Dropped : DroppedTypeFlags)
		{
			if (Key == Dropped)
			{
				bOutRead = Reader.ReadBool(bValue);
				return true;
			}
		}
		return false;
	}

	UEnum* GetDirectionEnum()
	{
		return StaticEnum<EEdGraphPinDirection>();
	}
}

bool FEdGraphTerminalType::operator==(const FEdGraphTerminalType& Other) const
{
	return TerminalCategory == Other.TerminalCategory && TerminalSubCategory == Other.TerminalSubCategory && TerminalSubCategoryObject == Other.TerminalSubCategoryObject && bTerminalIsConst == Other.bTerminalIsConst && bTerminalIsWeakPointer == Other.bTerminalIsWeakPointer && bTerminalIsUObjectWrapper == Other.bTerminalIsUObjectWrapper;
}

FEdGraphPinType::FEdGraphPinType()
	: bIsReference(false)
	, bIsConst(false)
	, bIsWeakPointer(false)
	, bIsUObjectWrapper(false)
	, bSerializeAsSinglePrecisionFloat(false)
{
}

FEdGraphPinType::FEdGraphPinType(FName InPinCategory, FName InPinSubCategory, UObject* InPinSubCategoryObject, EPinContainerType InPinContainerType, bool bInIsReference, const FEdGraphTerminalType& InValueTerminalType)
	: PinCategory(InPinCategory)
	, PinSubCategory(InPinSubCategory)
	, PinSubCategoryObject(InPinSubCategoryObject)
	, PinValueType(InValueTerminalType)
	, ContainerType(InPinContainerType)
	, bIsReference(bInIsReference)
	, bIsConst(false)
	, bIsWeakPointer(false)
	, bIsUObjectWrapper(false)
	, bSerializeAsSinglePrecisionFloat(false)
{
}

bool FEdGraphPinType::operator==(const FEdGraphPinType& Other) const
{
	return PinCategory == Other.PinCategory && PinSubCategory == Other.PinSubCategory && PinSubCategoryObject == Other.PinSubCategoryObject && PinValueType == Other.PinValueType && ContainerType == Other.ContainerType && bIsReference == Other.bIsReference && bIsConst == Other.bIsConst && bIsWeakPointer == Other.bIsWeakPointer && bIsUObjectWrapper == Other.bIsUObjectWrapper;
}

UEdGraphPin::UEdGraphPin(UEdGraphNode* InOwningNode, const FGuid& InPinId)
	: PinId(InPinId)
	, Direction(EGPD_Input)
	, bHidden(false)
	, bNotConnectable(false)
	, bDefaultValueIsReadOnly(false)
	, bDefaultValueIsIgnored(false)
	, bAdvancedView(false)
	, bDisplayAsMutableRef(false)
	, bAllowFriendlyName(true)
	, bOrphanedPin(false)
	, OwningNode(InOwningNode)
	, bWasTrashed(false)
{
}

UEdGraphPin::~UEdGraphPin()
{
	TArray<FUnresolvedPinLink>& Unresolved = GetUnresolvedPinLinks();
	if (!Unresolved.IsEmpty())
	{
		Unresolved.RemoveAll([this](const FUnresolvedPinLink& Link) { return Link.Pin == this; });
	}
}

UEdGraphPin* UEdGraphPin::CreatePin(UEdGraphNode* InOwningNode)
{
	return new UEdGraphPin(InOwningNode, FGuid::NewGuid());
}

FString UEdGraphPin::GetName() const
{
	return PinName.ToString();
}

FText UEdGraphPin::GetDisplayName() const
{
	if (const UEdGraphSchema* const Schema = GetSchema())
	{
		return Schema->GetPinDisplayName(this);
	}
	return PinFriendlyName.IsEmpty() ? FText::FromName(PinName) : PinFriendlyName;
}

const UEdGraphSchema* UEdGraphPin::GetSchema() const
{
	return OwningNode ? OwningNode->GetSchema() : nullptr;
}

FString UEdGraphPin::GetDefaultAsString() const
{
	if (DefaultObject)
	{
		return DefaultObject->GetPathName();
	}
	if (!DefaultTextValue.IsEmpty())
	{
		FString Text;
		GetTextText().ExportTextItem_Direct(Text, &DefaultTextValue, nullptr, nullptr, PPF_None);
		return Text;
	}
	return DefaultValue;
}

bool UEdGraphPin::IsDefaultAsStringEmpty() const
{
	return !DefaultObject && DefaultTextValue.IsEmpty() && DefaultValue.IsEmpty();
}

bool UEdGraphPin::DoesDefaultValueMatchAutogenerated() const
{
	const UEdGraphSchema* const Schema = GetSchema();
	return Schema && Schema->DoesDefaultValueMatchAutogenerated(*this);
}

void UEdGraphPin::MovePersistentDataFromOldPin(UEdGraphPin& SourcePin)
{
	GetOwningNode()->Modify();
	PinId = SourcePin.PinId;
	if (Direction == EGPD_Input)
	{
		if (!SourcePin.DoesDefaultValueMatchAutogenerated())
		{
			DefaultObject = SourcePin.DefaultObject;
			DefaultValue = MoveTemp(SourcePin.DefaultValue);
			DefaultTextValue = MoveTemp(SourcePin.DefaultTextValue);
			PinType.bSerializeAsSinglePrecisionFloat = SourcePin.PinType.bSerializeAsSinglePrecisionFloat;
		}
		else
		{
			GetSchema()->ResetPinToAutogeneratedDefaultValue(this, false);
		}
	}

	const UEdGraphSchema* const Schema = GetSchema();
	for (UEdGraphPin* Other : SourcePin.LinkedTo)
	{
		Other->GetOwningNode()->Modify();
		const int32 Index = Other->LinkedTo.Find(&SourcePin);
		if (Schema && Schema->CanCreateConnection(this, Other).Response == CONNECT_RESPONSE_DISALLOW)
		{
			// The engine leaves the other pin pointing at the old one; the host drops the link on both sides.
			if (Index != INDEX_NONE)
			{
				Other->LinkedTo.RemoveAt(Index);
			}
			continue;
		}
		LinkedTo.Add(Other);
		// At the old pin's place, so that the other node meets its links in the same order as before.
		if (Index != INDEX_NONE)
		{
			Other->LinkedTo[Index] = this;
		}
		else
		{
			Other->LinkedTo.Add(this);
		}
	}
	SourcePin.LinkedTo.Reset();
}

void UEdGraphPin::MakeLinkTo(UEdGraphPin* ToPin, bool bAlwaysMarkDirty)
{
	if (!ToPin || LinkedTo.Contains(ToPin))
	{
		return;
	}
	check(!bWasTrashed && !ToPin->bWasTrashed);
	GetOwningNode()->Modify(bAlwaysMarkDirty);
	ToPin->GetOwningNode()->Modify(bAlwaysMarkDirty);
	LinkedTo.Add(ToPin);
	ToPin->LinkedTo.Add(this);
}

void UEdGraphPin::BreakLinkTo(UEdGraphPin* ToPin, bool bAlwaysMarkDirty)
{
	if (!ToPin)
	{
		return;
	}
	GetOwningNode()->Modify(bAlwaysMarkDirty);
	ToPin->GetOwningNode()->Modify(bAlwaysMarkDirty);
	LinkedTo.Remove(ToPin);
	ToPin->LinkedTo.Remove(this);
}

void UEdGraphPin::BreakAllPinLinks(bool bNotifyNodes, bool bAlwaysMarkDirty)
{
	if (LinkedTo.IsEmpty())
	{
		return;
	}
	const TArray<UEdGraphPin*> FormerLinks = MoveTemp(LinkedTo);
	LinkedTo.Reset();
	GetOwningNode()->Modify(bAlwaysMarkDirty);
	for (UEdGraphPin* Other : FormerLinks)
	{
		Other->GetOwningNode()->Modify(bAlwaysMarkDirty);
		Other->LinkedTo.RemoveSingle(this);
	}
	if (bNotifyNodes)
	{
		for (UEdGraphPin* Other : FormerLinks)
		{
			Other->GetOwningNode()->PinConnectionListChanged(Other);
		}
		GetOwningNode()->PinConnectionListChanged(this);
	}
}

void UEdGraphPin::MarkAsGarbage()
{
	if (!bWasTrashed)
	{
		bWasTrashed = true;
		GetOwningNode()->TrashedPins.Add(this);
	}
}

bool UEdGraphPin::ExportTextItem(FString& ValueStr, int32 PortFlags) const
{
	ValueStr += TEXT("(");
	FPinTextWriter Writer(ValueStr);
	Writer.Raw(TEXT("PinId"), PinId.ToString());
	if (!PinName.IsNone())
	{
		Writer.Name(TEXT("PinName"), PinName);
	}
	if (!PinFriendlyName.IsEmpty())
	{
		Writer.Text(TEXT("PinFriendlyName"), PinFriendlyName);
	}
	if (!PinToolTip.IsEmpty())
	{
		Writer.String(TEXT("PinToolTip"), PinToolTip);
	}
	if (Direction != EGPD_Input)
	{
		Writer.String(TEXT("Direction"), GetDirectionEnum()->GetNameStringByValue(Direction));
	}

	Writer.Name(TEXT("PinType.PinCategory"), PinType.PinCategory);
	Writer.Name(TEXT("PinType.PinSubCategory"), PinType.PinSubCategory);
	Writer.Object(TEXT("PinType.PinSubCategoryObject"), PinType.PinSubCategoryObject.Get());
	// Only delegate pins refer to a member, and the host has none: every pin carries the empty reference.
	Writer.Raw(TEXT("PinType.PinSubCategoryMemberReference"), TEXT("()"));
	Writer.Raw(TEXT("PinType.PinValueType"), TerminalTypeText(PinType.PinValueType));
	Writer.Raw(TEXT("PinType.ContainerType"), ContainerTypeNames[(int32)PinType.ContainerType]);
	for (const FPinFlag& Flag : TypeFlags)
	{
		Writer.Bool(Flag.Name, Flag.Get(*this));
	}

	if (!DefaultValue.IsEmpty())
	{
		Writer.String(TEXT("DefaultValue"), DefaultValue);
	}
	if (!AutogeneratedDefaultValue.IsEmpty())
	{
		Writer.String(TEXT("AutogeneratedDefaultValue"), AutogeneratedDefaultValue);
	}
	if (DefaultObject)
	{
		Writer.String(TEXT("DefaultObject"), DefaultObject->GetPathName());
	}
	if (!DefaultTextValue.IsEmpty())
	{
		Writer.Text(TEXT("DefaultTextValue"), DefaultTextValue);
	}
	if (!LinkedTo.IsEmpty())
	{
		FString Links = TEXT("(");
		for (const UEdGraphPin* Linked : LinkedTo)
		{
			Links.Append(Linked->GetOwningNode()->GetName());
			Links.AppendChar(' ');
			Links.Append(Linked->PinId.ToString());
			Links.AppendChar(',');
		}
		Links += TEXT(")");
		Writer.Raw(TEXT("LinkedTo"), Links);
	}
	Writer.Raw(TEXT("PersistentGuid"), PersistentGuid.ToString());
	for (const FPinFlag& Flag : PinFlags)
	{
		Writer.Bool(Flag.Name, Flag.Get(*this));
	}
	ValueStr += TEXT(")");
	return true;
}

bool UEdGraphPin::ImportTextItem(const TCHAR*& Buffer, int32 PortFlags, UObject* OwnerObject, FOutputDevice* ErrorText)
{
	// What the text leaves out is at its default, and the links are those it names: a pin read again
	// drops what it had. bAllowFriendlyName and bDisplayAsMutableRef are never in the text and stay.
	BreakAllPinLinks(false, false);
	PinId.Invalidate();
	PinName = NAME_None;
	PinFriendlyName = FText::GetEmpty();
	PinToolTip.Reset();
	Direction = EGPD_Input;
	PinType = FEdGraphPinType();
	DefaultValue.Reset();
	AutogeneratedDefaultValue.Reset();
	DefaultObject = nullptr;
	DefaultTextValue = FText::GetEmpty();
	PersistentGuid.Invalidate();
	for (const FPinFlag& Flag : PinFlags)
	{
		Flag.Set(*this, false);
	}

	// The engine's warnings, with its texts; it names the pin by its name as read so far.
	const auto Warn = [ErrorText](const FString& Message)
	{
		if (ErrorText)
		{
			ErrorText->Serialize(*Message, ELogVerbosity::Warning, NAME_None);
		}
	};
	FPinTextReader Reader(Buffer);
	if (!Reader.Open())
	{
		Warn(FString::Printf(TEXT("%s: Missing opening '(' while importing property values."), *GetName()));
		return false;
	}
	FStringView Key;
	while (!Reader.AtEnd())
	{
		if (!Reader.ReadKey(Key))
		{
			Warn(Key.IsEmpty() && *Reader.GetCursor() == '=' ? FString::Printf(TEXT("%s: Encountered a missing property token while importing properties."), *GetName())
				: FString::Printf(TEXT("%s: Unexpected end-of-stream while importing property values."), *GetName()));
			return false;
		}
		bool bRead = true;
		UObject* Object = nullptr;
		FString Token;
		if (Key == TEXT("PinId"))
		{
			bRead = Reader.ReadGuid(PinId);
		}
		else if (Key == TEXT("PinName"))
		{
			bRead = Reader.ReadName(PinName);
		}
		else if (Key == TEXT("PinFriendlyName"))
		{
			bRead = Reader.ReadText(PinFriendlyName);
		}
		else if (Key == TEXT("PinToolTip"))
		{
			bRead = Reader.ReadString(PinToolTip);
		}
		else if (Key == TEXT("Direction"))
		{
			bRead = Reader.ReadString(Token);
			const UEnum* const DirectionEnum = GetDirectionEnum();
			int32 EnumIndex = INDEX_NONE;
			for (int32 Index = 0; Index < DirectionEnum->NumEnums() && EnumIndex == INDEX_NONE; ++Index)
			{
				EnumIndex = DirectionEnum->GetNameStringByIndex(Index) == Token ? Index : INDEX_NONE;
			}
			if (bRead && EnumIndex == INDEX_NONE)
			{
				Warn(FString::Printf(TEXT("Unknown pin direction enum value: %s."), *Token));
				bRead = false;
			}
			Direction = bRead ? (EEdGraphPinDirection)DirectionEnum->GetValueByIndex(EnumIndex) : EGPD_Input;
		}
		else if (Key == TEXT("PinType.PinCategory"))
		{
			bRead = Reader.ReadName(PinType.PinCategory);
		}
		else if (Key == TEXT("PinType.PinSubCategory"))
		{
			bRead = Reader.ReadName(PinType.PinSubCategory);
		}
		else if (Key == TEXT("PinType.PinSubCategoryObject"))
		{
			bRead = Reader.ReadObject(Object);
			PinType.PinSubCategoryObject = Object;
		}
		else if (Key == TEXT("PinType.PinSubCategoryMemberReference"))
		{
			bRead = Reader.SkipValue();
		}
		else if (Key == TEXT("PinType.PinValueType"))
		{
			bRead = ReadTerminalType(Reader, PinType.PinValueType);
		}
		else if (Key == TEXT("PinType.ContainerType"))
		{
			bRead = ReadContainerType(Reader, PinType.ContainerType);
		}
		else if (Key == TEXT("DefaultValue"))
		{
			bRead = Reader.ReadString(DefaultValue);
		}
		else if (Key == TEXT("AutogeneratedDefaultValue"))
		{
			bRead = Reader.ReadString(AutogeneratedDefaultValue);
		}
		else if (Key == TEXT("DefaultObject"))
		{
			bRead = Reader.ReadString(Token);
			DefaultObject = Token.IsEmpty() ? nullptr : StaticFindObject(nullptr, nullptr, *Token);
		}
		else if (Key == TEXT("DefaultTextValue"))
		{
			bRead = Reader.ReadText(DefaultTextValue);
		}
		else if (Key == TEXT("LinkedTo"))
		{
			bRead = ReadLinks(Reader, *this);
		}
		else if (Key == TEXT("SubPins") || Key == TEXT("ParentPin") || Key == TEXT("ReferencePassThroughConnection"))
		{
			// Split struct pins: the host splits no pins, so it reads these and keeps the pins apart.
			bRead = Reader.SkipValue();
		}
		else if (Key == TEXT("PersistentGuid"))
		{
			bRead = Reader.ReadGuid(PersistentGuid);
		}
		else if (!ReadFlag(Reader, Key, *this, bRead))
		{
			// The engine refuses a pin whose text names a field it does not know, naming only a member of the type.
			static const FString PinTypePrefix(TEXT("PinType."));
			const FString KeyText = FString::ConstructFromPtrSize(Key.GetData(), Key.Len());
			if (KeyText.StartsWith(PinTypePrefix))
			{
				Warn(FString::Printf(TEXT("Unknown pin type member: %s."), *KeyText.Mid(PinTypePrefix.Len())));
			}
			bRead = false;
		}
		if (!bRead)
		{
			Warn(FString::Printf(TEXT("%s: Parse error while importing property values (PinName = %s)."), *GetName(), *PinName.ToString()));
			return false;
		}
		Reader.EndField();
	}
	if (!Reader.Close())
	{
		Warn(FString::Printf(TEXT("%s: Unexpected end-of-stream while importing property values."), *GetName()));
		return false;
	}
	if (!PinId.IsValid())
	{
		Warn(FString::Printf(TEXT("%s: Invalid PinId after importing property values (PinName = %s)."), *GetName(), *PinName.ToString()));
		return false;
	}
	Buffer = Reader.GetCursor();
	return true;
}

void UEdGraphPin::ResolveAllPinReferences()
{
	// Pins by id, per node, built once per node that links point at.
	TMap<const UEdGraphNode*, TMap<FGuid, UEdGraphPin*>> PinsById;
	TArray<FUnresolvedPinLink> Links = MoveTemp(GetUnresolvedPinLinks());
	GetUnresolvedPinLinks().Reset();
	for (const FUnresolvedPinLink& Link : Links)
	{
		UEdGraphNode* const OwningNode = Link.Pin->GetOwningNode();
		UEdGraphNode* const LinkedNode = Cast<UEdGraphNode>(StaticFindObjectFast(UEdGraphNode::StaticClass(), OwningNode->GetOuter(), Link.NodeName));
		if (!LinkedNode)
		{
			continue;
		}
		TMap<FGuid, UEdGraphPin*>* NodePins = PinsById.Find(LinkedNode);
		if (!NodePins)
		{
			NodePins = &PinsById.Add(LinkedNode, TMap<FGuid, UEdGraphPin*>());
			NodePins->Reserve(LinkedNode->Pins.Num());
			for (UEdGraphPin* Pin : LinkedNode->Pins)
			{
				NodePins->Add(Pin->PinId, Pin);
			}
		}
		// Both ends of a link list it; whichever comes first joins both sides.
		UEdGraphPin* const* LinkedPin = NodePins->Find(Link.LinkedPinId);
		if (LinkedPin && !Link.Pin->LinkedTo.Contains(*LinkedPin))
		{
			Link.Pin->LinkedTo.Add(*LinkedPin);
			(*LinkedPin)->LinkedTo.Add(Link.Pin);
		}
	}
}
