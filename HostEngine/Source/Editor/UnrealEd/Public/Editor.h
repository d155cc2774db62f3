#pragma once

#include "CoreMinimal.h"
#include "Editor/EditorEngine.h"

/** The running editor; null in programs and commandlets, where edits record nothing for undo. */
extern UNREALED_API UEditorEngine* GEditor;
