#pragma once

class UEnum;
class UScriptStruct;

/** The enum object of a reflected enum type; the header tool specializes it per UENUM. */
template <typename T>
UEnum* StaticEnum();

/** The struct object of a reflected struct type. */
template <typename T>
UScriptStruct* StaticStruct()
{
	return T::StaticStruct();
}
