#include "UObject/Script.h"

#include "UObject/Class.h"
#include "UObject/UnrealType.h"

void FFrame::StepArgument(void* Result)
{
	FProperty* Property = nullptr;
	void* Address = nullptr;
	if (!Arguments.IsEmpty())
	{
		check(Arguments.IsValidIndex(NextArgument));
		Property = Arguments[NextArgument].Property;
		Address = Arguments[NextArgument].Address;
	}
	else
	{
		int32 Index = 0;
		for (TFieldIterator<FProperty> It(Node); It && It->HasAnyPropertyFlags(CPF_Parm); ++It)
		{
			if (!It->HasAnyPropertyFlags(CPF_ReturnParm) && Index++ == NextArgument)
			{
				Property = *It;
				Address = It->ContainerPtrToValuePtr(Locals);
				break;
			}
		}
		check(Property);
	}
	++NextArgument;
	MostRecentProperty = Property;
	MostRecentPropertyAddress = static_cast<uint8*>(Address);
	MostRecentPropertyContainer = nullptr;
	if (Result && Result != Address)
	{
		Property->CopyCompleteValue(Result, Address);
	}
}
