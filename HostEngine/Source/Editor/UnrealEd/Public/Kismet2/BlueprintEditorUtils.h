#pragma once

#include "CoreMinimal.h"

class UBlueprint;

/** Editor operations on Blueprints. */
class UNREALED_API FBlueprintEditorUtils
{
public:
	/**
	 * Marks the Blueprint as changed in a way that needs a recompile but keeps its structure:
	 * dirty status and a dirty package. Does nothing while the Blueprint is being created or compiled.
	 */
	static void MarkBlueprintAsModified(UBlueprint* Blueprint);

	/** As MarkBlueprintAsModified, for changes of pins or members; also tells the Blueprint's listeners. */
	static void MarkBlueprintAsStructurallyModified(UBlueprint* Blueprint);
};
