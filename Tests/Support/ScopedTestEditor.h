#pragma once

#include "CoreMinimal.h"
#include "Editor.h"
#include "Editor/TransBuffer.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"

/**
 * The editor for the length of a test, as it starts and ends: GEditor with its undo buffer. Edits
 * made meanwhile through FScopedTransaction can be undone and redone.
 */
class FScopedTestEditor
{
public:
	FScopedTestEditor()
	{
		check(GEditor == nullptr);
		GEditor = NewObject<UEditorEngine>(GetTransientPackage());
		GEditor->AddToRoot();
		GEditor->Trans = GEditor->CreateTrans();
	}

	/** Ends the editor; it goes with what its undo buffer still held. */
	~FScopedTestEditor()
	{
		GEditor->RemoveFromRoot();
		GEditor = nullptr;
		CollectGarbage();
	}

	FScopedTestEditor(const FScopedTestEditor&) = delete;
	FScopedTestEditor& operator=(const FScopedTestEditor&) = delete;

	UTransBuffer& GetTrans() const { return *GEditor->Trans; }
};
