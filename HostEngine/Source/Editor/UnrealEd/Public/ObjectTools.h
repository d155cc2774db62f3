#pragma once

#include "CoreMinimal.h"

class UFunction;

/** How the editor names and describes reflected objects to an author (only the function texts here). */
namespace ObjectTools
{
	/** The name an author sees for the function: its display name. */
	UNREALED_API FText GetUserFacingFunctionName(const UFunction* Function);

	/**
	 * The function's tooltip for menus and nodes: its tooltip up to any "@param" or "@return", with
	 * "@see" and "@note" spelled out, trimmed, then a blank line and "Target is <class>" naming the
	 * class the function belongs to. A function without ToolTip metadata has its display name as its
	 * tooltip (UField::GetToolTipText), so it is described by that name and its class too.
	 */
	UNREALED_API FString GetDefaultTooltipForFunction(const UFunction* Function);
}
