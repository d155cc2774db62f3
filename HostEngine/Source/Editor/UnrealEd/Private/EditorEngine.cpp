#include "Editor.h"
#include "Editor/TransBuffer.h"

UEditorEngine* GEditor = nullptr;

UTransBuffer* UEditorEngine::CreateTrans()
{
	return NewObject<UTransBuffer>(this);
}

int32 UEditorEngine::BeginTransaction(const FText& Description)
{
	return CanTransact() ? Trans->Begin(TEXT(""), Description) : INDEX_NONE;
}

int32 UEditorEngine::EndTransaction()
{
	return Trans ? Trans->End() : INDEX_NONE;
}

bool UEditorEngine::CanTransact()
{
	return Trans && !Trans->bIsTransacting;
}

void UEditorEngine::ResetTransaction(const FText& Reason)
{
	if (Trans)
	{
		Trans->Reset(Reason);
	}
}

bool UEditorEngine::UndoTransaction(bool bCanRedo)
{
	return Trans && Trans->Undo(bCanRedo);
}

bool UEditorEngine::RedoTransaction()
{
	return Trans && Trans->Redo();
}
