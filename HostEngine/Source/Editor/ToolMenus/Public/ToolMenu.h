#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "ToolMenuSection.h"
#include "ToolMenu.generated.h"

/** A menu being filled in: its sections, in the order they were added. */
UCLASS(MinimalAPI)
class UToolMenu : public UObject
{
	GENERATED_BODY()

public:
	TOOLMENUS_API UToolMenu(const FObjectInitializer& ObjectInitializer);

	/**
	 * The section of that name, made and appended if there is none. An existing section takes on a
	 * label that is set and a position that names a section.
	 */
	TOOLMENUS_API FToolMenuSection& AddSection(const FName SectionName, const TAttribute<FText>& InLabel = TAttribute<FText>(), const FToolMenuInsert InPosition = FToolMenuInsert());

	TOOLMENUS_API FToolMenuSection* FindSection(const FName SectionName);

	/** Held by value: a section reference lasts until the next section is added. */
	TArray<FToolMenuSection> Sections;
};
