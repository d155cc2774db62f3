#pragma once

#include "UObject/UObjectBaseUtility.h"
#include "UObject/UObjectGlobals.h"

class FObjectInitializer;
class FProperty;
class FReferenceCollector;
class FVTableHelper;
class UFunction;
class UWorld;
class FOutputDevice;
class FFeedbackContext;

/** The base of every reflected object class. */
class COREUOBJECT_API UObject : public UObjectBaseUtility
{
	DECLARE_CLASS(UObject, UObject, CLASS_Abstract | CLASS_Native | CLASS_Intrinsic, CASTCLASS_None, TEXT("/Script/CoreUObject"), COREUOBJECT_API)
	DEFINE_DEFAULT_OBJECT_INITIALIZER_CONSTRUCTOR_CALL(UObject)

	typedef UObject WithinClass;

	UObject();
	UObject(const FObjectInitializer& ObjectInitializer);
	UObject(FVTableHelper& Helper);

	static void StaticRegisterNativesUObject() {}

	/** Records the object in the active transaction, if any, and marks its package dirty. */
	virtual bool Modify(bool bAlwaysMarkDirty = true);

	virtual void PostInitProperties() {}
	virtual void PostLoad() {}
	virtual void PostDuplicate(bool bDuplicateForPIE) {}
	virtual void PostEditImport() {}
	/**
	 * Called before a property of the object changes, or all of them (null). Calls Modify(), which
	 * marks the package dirty unless an undo or redo is running or the property is not saved.
	 */
	virtual void PreEditChange(FProperty* PropertyAboutToChange);
	/** Called before an undo or redo gives the object back a recorded state: PreEditChange(nullptr). */
	virtual void PreEditUndo();
	/** Called once an undo or redo has given the object back a recorded state. */
	virtual void PostEditUndo() {}
	virtual void BeginDestroy() {}
	virtual void FinishDestroy() {}
	virtual UWorld* GetWorld() const { return nullptr; }

	/** Writes state that reflected properties do not cover, for text export (copy, save, duplicate). */
	virtual void ExportCustomProperties(FOutputDevice& Out, uint32 Indent) {}
	/** Reads back what ExportCustomProperties wrote. */
	virtual void ImportCustomProperties(const TCHAR* SourceText, FFeedbackContext* Warn) {}

	/** Reports object references held outside reflected properties to the garbage collector. */
	static void AddReferencedObjects(UObject* InThis, FReferenceCollector& Collector) {}

	/** Calls a reflected function with a parameter buffer laid out as the function's parameters. */
	virtual void ProcessEvent(UFunction* Function, void* Parms);
	UFunction* FindFunction(FName InName) const;
	UFunction* FindFunctionChecked(FName InName) const;

	bool Rename(const TCHAR* NewName = nullptr, UObject* NewOuter = nullptr, uint32 Flags = 0);
};
