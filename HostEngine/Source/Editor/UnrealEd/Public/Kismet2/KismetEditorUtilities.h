#pragma once

#include "CoreMinimal.h"
#include "Engine/Blueprint.h"
#include "Engine/BlueprintGeneratedClass.h"
#include "Misc/EnumClassFlags.h"
#include "Templates/SubclassOf.h"

class FCompilerResultsLog;
class UEdGraph;

/** How CompileBlueprint compiles; the host honours SkipGarbageCollection and ignores the others. */
enum class EBlueprintCompileOptions
{
	None = 0x0,
	IsRegeneratingOnLoad = 0x1,
	SkipGarbageCollection = 0x2,
	SaveIntermediateProducts = 0x4,
	SkeletonUpToDate = 0x8,
	BatchCompile = 0x10,
	SkipSave = 0x20,
	SkipReinstancing = 0x40,
	RegenerateSkeletonOnly = 0x80,
	SkipDefaultObjectValidation = 0x100,
	SkipFiBSearchMetaUpdate = 0x200,
	UseDeltaSerializationDuringReinstancing = 0x400,
	SkipNewVariableDefaultsDetection = 0x800,
	IncludeCDOInReferenceReplacement = 0x1000,
};

ENUM_CLASS_FLAGS(EBlueprintCompileOptions)

/** Creating and compiling Blueprints, as the editor does. */
class FKismetEditorUtilities
{
public:
	/** CreateBlueprint with the Blueprint and generated classes a parent class takes: UBlueprint and UBlueprintGeneratedClass on the host. */
	static UNREALED_API UBlueprint* CreateBlueprint(UClass* ParentClass, UObject* Outer, const FName NewBPName, enum EBlueprintType BlueprintType, FName CallingContext = NAME_None);

	/**
	 * Creates a Blueprint of the class inside Outer (no object of that name may be there yet): standalone,
	 * public and transactional, with its default event graph, compiled once so that its generated class
	 * exists. A normal Blueprint of a const parent class becomes a const one.
	 */
	static UNREALED_API UBlueprint* CreateBlueprint(UClass* ParentClass, UObject* Outer, const FName NewBPName, enum EBlueprintType BlueprintType, TSubclassOf<UBlueprint> BlueprintClassType, TSubclassOf<UBlueprintGeneratedClass> BlueprintGeneratedClassType, FName CallingContext = NAME_None);

	/** Adds the Blueprint's first event graph, "EventGraph". */
	static UNREALED_API void CreateDefaultEventGraphs(UBlueprint* Blueprint);

	/**
	 * Compiles the Blueprint: its messages go to pResults, or to a log of the compile's own that names
	 * the Blueprint; its listeners hear of the change; then garbage is collected (objects with
	 * RF_Standalone stay) unless the options say to skip that.
	 */
	static UNREALED_API void CompileBlueprint(UBlueprint* BlueprintObj, EBlueprintCompileOptions CompileFlags = EBlueprintCompileOptions::None, FCompilerResultsLog* pResults = nullptr);
};
