#include "Kismet/KismetSystemLibrary.h"

UKismetSystemLibrary::UKismetSystemLibrary(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
}

int32 UKismetSystemLibrary::MakeLiteralInt(int32 Value)
{
	return Value;
}

int64 UKismetSystemLibrary::MakeLiteralInt64(int64 Value)
{
	return Value;
}

double UKismetSystemLibrary::MakeLiteralDouble(double Value)
{
	return Value;
}

bool UKismetSystemLibrary::MakeLiteralBool(bool Value)
{
	return Value;
}

FName UKismetSystemLibrary::MakeLiteralName(FName Value)
{
	return Value;
}

uint8 UKismetSystemLibrary::MakeLiteralByte(uint8 Value)
{
	return Value;
}

FString UKismetSystemLibrary::MakeLiteralString(FString Value)
{
	return Value;
}

FText UKismetSystemLibrary::MakeLiteralText(FText Value)
{
	return Value;
}
