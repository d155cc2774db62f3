#include "UObject/TextExportImport.h"
#include "UObject/Class.h"
#include "UObject/Package.h"
#include "UObject/UnrealType.h"
#include "UObject/UObjectGlobals.h"
#include "Misc/StringOutputDevice.h"
#include "ObjectTextReferences.h"
#include "Templates/Casts.h"
#include "UObjectArray.h"

namespace
{
	const TMap<FString, UObject*>* GReferenceRemap = nullptr;

	FString Indentation(int32 Depth)
	{
		return FString::ChrN(Depth * 3, ' ');
	}

	void ExportObject(const UObject* Object, int32 Depth, bool bWithInners, FString& Out)
	{
		const FString Indent = Indentation(Depth);
		Out += FString::Printf(TEXT("%sBegin Object Class=%s Name=%s ExportPath=%s\n"), *Indent, *Object->GetClass()->GetPathName(),
			*UE::CoreUObject::Private::QuoteText(Object->GetName()),
			*UE::CoreUObject::Private::QuoteText(FString::Printf(TEXT("%s'%s'"), *Object->GetClass()->GetPathName(), *Object->GetPathName())));

		TArray<UObject*> Inners;
		if (bWithInners)
		{
			GetObjectsWithOuter(Object, Inners, false);
		}
		for (const UObject* Inner : Inners)
		{
			if (!Inner->HasAnyFlags(RF_Transient | RF_ClassDefaultObject))
			{
				ExportObject(Inner, Depth + 1, true, Out);
			}
		}

		const UObject* Defaults = Object->GetClass()->GetDefaultObject();
		for (TFieldIterator<FProperty> It(Object->GetClass()); It; ++It)
		{
			if (!It->ShouldPort() || (Defaults && Defaults != Object && It->Identical_InContainer(Object, Defaults)))
			{
				continue;
			}
			FString Value;
			It->ExportTextItem_Direct(Value, It->ContainerPtrToValuePtr(Object), nullptr, const_cast<UObject*>(Object), PPF_Delimited);
			Out += FString::Printf(TEXT("%s   %s=%s\n"), *Indent, *It->GetName(), *Value);
		}

		FStringOutputDevice Custom;
		const_cast<UObject*>(Object)->ExportCustomProperties(Custom, (uint32)(Depth + 1) * 3);
		Out += Custom;
		Out += FString::Printf(TEXT("%sEnd Object\n"), *Indent);
	}

	struct FTextBlock
	{
		FString ClassPath;
		FString Name;
		FString ExportPath;
		TArray<FString> PropertyLines;
		FString CustomText;
		TArray<FTextBlock> Children;
		UObject* Created = nullptr;
	};

	/** Reads "Key=value" or Key="value" from a Begin Object line. */
	FString ReadHeaderValue(const FString& Line, const TCHAR* Key)
	{
		const int32 Start = Line.Find(FString(Key) + TEXT("="), ESearchCase::CaseSensitive);
		if (Start == INDEX_NONE)
		{
			return FString();
		}
		const TCHAR* Cursor = *Line + Start + FCString::Strlen(Key) + 1;
		FString Value;
		if (*Cursor == '"')
		{
			UE::CoreUObject::Private::ReadQuotedText(Cursor, Value);
			return Value;
		}
		while (*Cursor && !FChar::IsWhitespace(*Cursor))
		{
			Value.AppendChar(*Cursor++);
		}
		return Value;
	}

	bool ParseBlock(const TArray<FString>& Lines, int32& LineIndex, FTextBlock& OutBlock)
	{
		const FString Header = Lines[LineIndex].TrimStartAndEnd();
		if (!Header.StartsWith(TEXT("Begin Object"), ESearchCase::CaseSensitive))
		{
			return false;
		}
		OutBlock.ClassPath = ReadHeaderValue(Header, TEXT("Class"));
		OutBlock.Name = ReadHeaderValue(Header, TEXT("Name"));
		OutBlock.ExportPath = ReadHeaderValue(Header, TEXT("ExportPath"));
		for (++LineIndex; LineIndex < Lines.Num(); ++LineIndex)
		{
			const FString Line = Lines[LineIndex].TrimStartAndEnd();
			if (Line.StartsWith(TEXT("Begin Object"), ESearchCase::CaseSensitive))
			{
				if (!ParseBlock(Lines, LineIndex, OutBlock.Children.AddDefaulted_GetRef()))
				{
					return false;
				}
			}
			else if (Line.Equals(TEXT("End Object")))
			{
				return true;
			}
			else if (Line.StartsWith(TEXT("CustomProperties "), ESearchCase::CaseSensitive))
			{
				OutBlock.CustomText += Line + TEXT("\n");
			}
			else if (!Line.IsEmpty())
			{
				OutBlock.PropertyLines.Add(Line);
			}
		}
		return false;
	}

	/** Reads the first block of the text, skipping blank lines before it. */
	bool ParseRootBlock(const TCHAR* Text, FTextBlock& OutRoot)
	{
		TArray<FString> Lines;
		FString(Text).ParseIntoArrayLines(Lines, true);
		int32 LineIndex = 0;
		while (LineIndex < Lines.Num() && Lines[LineIndex].TrimStartAndEnd().IsEmpty())
		{
			++LineIndex;
		}
		return LineIndex < Lines.Num() && ParseBlock(Lines, LineIndex, OutRoot);
	}

	bool CreateObjects(FTextBlock& Block, UObject* Outer, FName Name, TMap<FString, UObject*>& Remap)
	{
		UClass* Class = Cast<UClass>(StaticFindObject(UClass::StaticClass(), nullptr, *Block.ClassPath));
		if (!Class || Class->HasAnyClassFlags(CLASS_Abstract))
		{
			return false;
		}
		if (Name.IsNone() || StaticFindObjectFast(nullptr, Outer, Name))
		{
			const FName Exported(*Block.Name);
			Name = !Block.Name.IsEmpty() && !StaticFindObjectFast(nullptr, Outer, Exported) ? Exported : MakeUniqueObjectName(Outer, Class);
		}
		Block.Created = NewObject<UObject>(Outer, Class, Name, RF_Transactional);
		if (!Block.ExportPath.IsEmpty())
		{
			Remap.Add(Block.ExportPath, Block.Created);
			int32 Quote = INDEX_NONE;
			if (Block.ExportPath.FindChar('\'', Quote))
			{
				Remap.Add(Block.ExportPath.Mid(Quote + 1, Block.ExportPath.Len() - Quote - 2), Block.Created);
			}
		}
		for (FTextBlock& Child : Block.Children)
		{
			if (!CreateObjects(Child, Block.Created, NAME_None, Remap))
			{
				return false;
			}
		}
		return true;
	}

	void ImportProperties(FTextBlock& Block)
	{
		for (const FString& Line : Block.PropertyLines)
		{
			FString Name;
			FString Value;
			if (!Line.Split(TEXT("="), &Name, &Value, ESearchCase::CaseSensitive))
			{
				continue;
			}
			if (FProperty* Property = Block.Created->GetClass()->FindPropertyByName(FName(*Name)))
			{
				Property->ImportText_Direct(*Value, Property->ContainerPtrToValuePtr(Block.Created), Block.Created, PPF_Delimited);
			}
		}
		for (FTextBlock& Child : Block.Children)
		{
			ImportProperties(Child);
		}
	}

	void ImportCustom(FTextBlock& Block)
	{
		for (FTextBlock& Child : Block.Children)
		{
			ImportCustom(Child);
		}
		if (!Block.CustomText.IsEmpty())
		{
			Block.Created->ImportCustomProperties(*Block.CustomText, nullptr);
		}
		Block.Created->PostEditImport();
	}
}

namespace UE::CoreUObject::Private
{
	UObject* ResolveObjectReference(const FString& Reference)
	{
		if (GReferenceRemap)
		{
			if (UObject* const* Remapped = GReferenceRemap->Find(Reference))
			{
				return *Remapped;
			}
			int32 Quote = INDEX_NONE;
			if (Reference.FindChar('\'', Quote))
			{
				if (UObject* const* ByPath = GReferenceRemap->Find(Reference.Mid(Quote + 1, Reference.Len() - Quote - 2)))
				{
					return *ByPath;
				}
			}
		}
		return StaticFindObject(nullptr, nullptr, *Reference);
	}

	FScopedReferenceRemap::FScopedReferenceRemap(const TMap<FString, UObject*>& InRemap)
		: Previous(GReferenceRemap)
	{
		GReferenceRemap = &InRemap;
	}

	FScopedReferenceRemap::~FScopedReferenceRemap()
	{
		GReferenceRemap = Previous;
	}
}

void ExportObjectToText(const UObject* Object, FString& OutText)
{
	check(Object);
	ExportObject(Object, 0, true, OutText);
}

void ExportObjectStateToText(const UObject* Object, FString& OutText)
{
	check(Object);
	ExportObject(Object, 0, false, OutText);
}

bool ImportObjectStateFromText(UObject* Object, const TCHAR* Text)
{
	check(Object);
	FTextBlock Block;
	if (!ParseRootBlock(Text, Block) || Block.ClassPath != Object->GetClass()->GetPathName())
	{
		return false;
	}
	const UObject* const Defaults = Object->GetClass()->GetDefaultObject();
	for (TFieldIterator<FProperty> It(Object->GetClass()); It; ++It)
	{
		if (It->ShouldPort())
		{
			It->CopyCompleteValue_InContainer(Object, Defaults);
		}
	}
	Block.Created = Object;
	Block.Children.Reset();
	ImportProperties(Block);
	Object->ImportCustomProperties(*Block.CustomText, nullptr);
	return true;
}

UObject* ImportObjectFromText(const TCHAR* Text, UObject* NewOuter, FName NewName)
{
	FTextBlock Root;
	if (!ParseRootBlock(Text, Root))
	{
		return nullptr;
	}
	TMap<FString, UObject*> Remap;
	if (!CreateObjects(Root, NewOuter, NewName, Remap))
	{
		return nullptr;
	}
	{
		UE::CoreUObject::Private::FScopedReferenceRemap Scope(Remap);
		ImportProperties(Root);
		ImportCustom(Root);
	}
	return Root.Created;
}

UObject* StaticDuplicateObject(const UObject* SourceObject, UObject* DestOuter, const FName DestName, EObjectFlags FlagMask, UClass* DestClass)
{
	FString Text;
	ExportObjectToText(SourceObject, Text);
	UObject* Result = ImportObjectFromText(*Text, DestOuter, DestName);
	if (Result)
	{
		TArray<UObject*> Copies;
		GetObjectsWithOuter(Result, Copies, true);
		Copies.Add(Result);
		for (UObject* Copy : Copies)
		{
			Copy->PostDuplicate(false);
		}
	}
	return Result;
}
