#pragma once

#include "CoreMinimal.h"
#include "Engine/Engine.h"
#include "UObject/ObjectPtr.h"
#include "EditorEngine.generated.h"

class UTransBuffer;

/**
 * The engine object of the editor (GEditor). The host keeps what the editor's edits use: the undo
 * buffer and the transactions that FScopedTransaction opens on it.
 */
UCLASS(Transient)
class UNREALED_API UEditorEngine : public UEngine
{
	GENERATED_BODY()

public:
	/**
	 * The undo buffer; the editor makes it at start-up with CreateTrans. Null leaves edits without
	 * undo. The engine types it as the buffer's abstract base, UTransactor.
	 */
	UPROPERTY()
	TObjectPtr<UTransBuffer> Trans;

	/** Makes an empty undo buffer. */
	virtual UTransBuffer* CreateTrans();

	/** Opens a transaction on the undo buffer; INDEX_NONE when the editor cannot transact now. */
	int32 BeginTransaction(const FText& Description);
	int32 EndTransaction();
	/** Whether an edit can be recorded now: there is a buffer and it is not undoing or redoing. */
	bool CanTransact();
	void ResetTransaction(const FText& Reason);

	/** The Undo command of the editor's Edit menu (Ctrl+Z). */
	virtual bool UndoTransaction(bool bCanRedo = true);
	/** The Redo command (Ctrl+Y). */
	virtual bool RedoTransaction();
};
