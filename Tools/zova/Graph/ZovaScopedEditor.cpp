#include "Graph/ZovaScopedEditor.h"

#include "Editor.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"

FZovaScopedEditor::FZovaScopedEditor()
{
	check(GEditor == nullptr);
	GEditor = NewObject<UEditorEngine>(GetTransientPackage());
	GEditor->AddToRoot();
}

FZovaScopedEditor::~FZovaScopedEditor()
{
	GEditor->RemoveFromRoot();
	GEditor = nullptr;
}
