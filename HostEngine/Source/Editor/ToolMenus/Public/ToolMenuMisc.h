#pragma once

#include "CoreMinimal.h"

/** Where a section or entry goes relative to the one named in its FToolMenuInsert. */
enum class EToolMenuInsertType : uint8
{
	/** At the end. */
	Default,
	Before,
	After,
	First,
};

/** A place in a menu: before, after or instead of the default place. */
struct FToolMenuInsert
{
	FToolMenuInsert() = default;

	FToolMenuInsert(FName InName, EToolMenuInsertType InPosition)
		: Name(InName)
		, Position(InPosition)
	{
	}

	bool operator==(const FToolMenuInsert& Other) const { return Name == Other.Name && Position == Other.Position; }

	/** The section or entry the position is relative to. */
	FName Name;
	EToolMenuInsertType Position = EToolMenuInsertType::Default;
};
