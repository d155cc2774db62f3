#include "ToolMenu.h"

UToolMenu::UToolMenu(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
}

FToolMenuSection& UToolMenu::AddSection(const FName SectionName, const TAttribute<FText>& InLabel, const FToolMenuInsert InPosition)
{
	if (FToolMenuSection* const Existing = FindSection(SectionName))
	{
		if (InLabel.IsSet())
		{
			Existing->Label = InLabel;
		}
		if (InPosition.Name != NAME_None)
		{
			Existing->InsertPosition = InPosition;
		}
		return *Existing;
	}

	FToolMenuSection& NewSection = Sections.AddDefaulted_GetRef();
	NewSection.Name = SectionName;
	NewSection.Label = InLabel;
	NewSection.InsertPosition = InPosition;
	return NewSection;
}

FToolMenuSection* UToolMenu::FindSection(const FName SectionName)
{
	return Sections.FindByPredicate([SectionName](const FToolMenuSection& Section) { return Section.Name == SectionName; });
}
