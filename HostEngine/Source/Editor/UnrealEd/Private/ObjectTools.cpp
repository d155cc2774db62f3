#include "ObjectTools.h"

#include "UObject/Class.h"

FText ObjectTools::GetUserFacingFunctionName(const UFunction* Function)
{
	return Function ? Function->GetDisplayNameText() : FText::GetEmpty();
}

FString ObjectTools::GetDefaultTooltipForFunction(const UFunction* Function)
{
	FString Tooltip = Function ? Function->GetToolTipText().ToString() : FString();
	if (Tooltip.IsEmpty())
	{
		return GetUserFacingFunctionName(Function).ToString();
	}
	// The parameter and return documentation belongs to the pins, not to the node.
	Tooltip.Split(TEXT("@param"), &Tooltip, nullptr, ESearchCase::IgnoreCase);
	Tooltip.Split(TEXT("@return"), &Tooltip, nullptr, ESearchCase::IgnoreCase);
	Tooltip.ReplaceInline(TEXT("@see"), TEXT("See:"));
	Tooltip.ReplaceInline(TEXT("@note"), TEXT("Note:"));
	Tooltip.TrimStartAndEndInline();

	// The engine formats this in the editor's culture; with the host's one culture, joining gives the same text.
	const UClass* const TargetClass = Function->GetOuterUClass();
	return Tooltip + TEXT("\n\nTarget is ") + (TargetClass ? TargetClass->GetDisplayNameText().ToString() : FString(TEXT("None")));
}
