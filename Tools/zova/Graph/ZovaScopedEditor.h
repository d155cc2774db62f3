#pragma once

#include "CoreMinimal.h"

/**
 * The editor (GEditor) for as long as a command shows nodes as the Blueprint editor shows them: the
 * schema shows pin names in their display form ("On Success") only in the editor, as the engine
 * does. The other commands run without one, as a program does. No undo buffer is kept.
 */
class FZovaScopedEditor
{
public:
	FZovaScopedEditor();
	~FZovaScopedEditor();

	FZovaScopedEditor(const FZovaScopedEditor&) = delete;
	FZovaScopedEditor& operator=(const FZovaScopedEditor&) = delete;
};
