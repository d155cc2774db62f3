#include "Kismet/KismetArrayLibrary.h"

#include "UObject/ScriptMacros.h"

#include <algorithm>

namespace
{
	/** A value of one property's type, made and destroyed by the property, for an argument of another type. */
	class FItemStorage
	{
	public:
		explicit FItemStorage(const FProperty* InProperty)
			: Property(InProperty)
		{
			Memory.SetNumZeroed(std::max<int32>(Property->GetSize(), 1));
			Property->InitializeValue(Memory.GetData());
		}

		~FItemStorage()
		{
			Property->DestroyValue(Memory.GetData());
		}

		void* GetData() { return Memory.GetData(); }

	private:
		const FProperty* Property;
		TArray<uint8> Memory;
	};

	/** Steps to the array argument; null, with the frame marked, when it is no array. */
	const FArrayProperty* StepArray(FFrame& Stack, void*& OutArrayAddr)
	{
		Stack.MostRecentProperty = nullptr;
		Stack.StepCompiledIn<FArrayProperty>(nullptr);
		OutArrayAddr = Stack.MostRecentPropertyAddress;
		const FArrayProperty* const ArrayProperty = CastField<FArrayProperty>(Stack.MostRecentProperty);
		Stack.bArrayContextFailed = !ArrayProperty;
		return ArrayProperty;
	}
}

UKismetArrayLibrary::UKismetArrayLibrary(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
}

int32 UKismetArrayLibrary::GenericArray_Length(const void* TargetArray, const FArrayProperty* ArrayProp)
{
	return TargetArray ? FScriptArrayHelper(ArrayProp, TargetArray).Num() : 0;
}

void UKismetArrayLibrary::GenericArray_Get(void* TargetArray, const FArrayProperty* ArrayProp, int32 Index, void* Item)
{
	if (!TargetArray)
	{
		return;
	}
	const FScriptArrayHelper ArrayHelper(ArrayProp, TargetArray);
	const FProperty* const InnerProp = ArrayProp->Inner;
	if (ArrayHelper.IsValidIndex(Index))
	{
		InnerProp->CopyCompleteValue(Item, ArrayHelper.GetRawPtr(Index));
		return;
	}
	FFrame::KismetExecutionMessage(*FString::Printf(TEXT("Attempted to access index %d from array '%s' of length %d!"), Index, *ArrayProp->GetName(), ArrayHelper.Num()), ELogVerbosity::Warning);
	InnerProp->DestroyValue(Item);
	InnerProp->InitializeValue(Item);
}

int32 UKismetArrayLibrary::GenericArray_Find(const void* TargetArray, const FArrayProperty* ArrayProperty, const void* ItemToFind)
{
	if (!TargetArray)
	{
		return INDEX_NONE;
	}
	const FScriptArrayHelper ArrayHelper(ArrayProperty, TargetArray);
	for (int32 Index = 0; Index < ArrayHelper.Num(); ++Index)
	{
		if (ArrayProperty->Inner->Identical(ItemToFind, ArrayHelper.GetRawPtr(Index)))
		{
			return Index;
		}
	}
	return INDEX_NONE;
}

int32 UKismetArrayLibrary::FindItem(FFrame& Stack)
{
	void* ArrayAddr = nullptr;
	const FArrayProperty* const ArrayProperty = StepArray(Stack, ArrayAddr);
	if (!ArrayProperty)
	{
		return INDEX_NONE;
	}
	// The item is read as the array's element type, whatever the parameter says.
	FItemStorage Item(ArrayProperty->Inner);
	Stack.MostRecentPropertyAddress = nullptr;
	Stack.StepCompiledIn<FProperty>(Item.GetData());
	P_FINISH;
	return GenericArray_Find(ArrayAddr, ArrayProperty, Item.GetData());
}

DEFINE_FUNCTION(UKismetArrayLibrary::execArray_Length)
{
	void* ArrayAddr = nullptr;
	if (const FArrayProperty* const ArrayProperty = StepArray(Stack, ArrayAddr))
	{
		P_FINISH;
		*(int32*)RESULT_PARAM = GenericArray_Length(ArrayAddr, ArrayProperty);
	}
}

DEFINE_FUNCTION(UKismetArrayLibrary::execArray_Get)
{
	void* ArrayAddr = nullptr;
	const FArrayProperty* const ArrayProperty = StepArray(Stack, ArrayAddr);
	if (!ArrayProperty)
	{
		return;
	}
	P_GET_PROPERTY(FIntProperty, Index);
	// Written straight to the item argument when it is of the element's type, else to a value of that type.
	FItemStorage Storage(ArrayProperty->Inner);
	Stack.MostRecentPropertyAddress = nullptr;
	Stack.StepCompiledIn<FProperty>(nullptr);
	const bool bSameType = Stack.MostRecentPropertyAddress && Stack.MostRecentProperty->GetCPPType() == ArrayProperty->Inner->GetCPPType();
	P_FINISH;
	GenericArray_Get(ArrayAddr, ArrayProperty, Index, bSameType ? (void*)Stack.MostRecentPropertyAddress : Storage.GetData());
}

DEFINE_FUNCTION(UKismetArrayLibrary::execArray_Find)
{
	*(int32*)RESULT_PARAM = FindItem(Stack);
}

DEFINE_FUNCTION(UKismetArrayLibrary::execArray_Contains)
{
	*(bool*)RESULT_PARAM = FindItem(Stack) >= 0;
}

int32 UKismetArrayLibrary::Array_Length(const TArray<int32>& TargetArray)
{
	// Called only through its native function, which takes an array of any type.
	check(0);
	return 0;
}

void UKismetArrayLibrary::Array_Get(const TArray<int32>& TargetArray, int32 Index, int32& Item)
{
	check(0);
}

int32 UKismetArrayLibrary::Array_Find(const TArray<int32>& TargetArray, const int32& ItemToFind)
{
	check(0);
	return 0;
}

bool UKismetArrayLibrary::Array_Contains(const TArray<int32>& TargetArray, const int32& ItemToFind)
{
	check(0);
	return false;
}
