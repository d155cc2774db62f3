#include "Kismet2/KismetEditorUtilities.h"

#include "CoreGlobals.h"
#include "EdGraph/EdGraph.h"
#include "Kismet2/BlueprintEditorUtils.h"
#include "Kismet2/CompilerResultsLog.h"
#include "Modules/ModuleManager.h"
#include "Templates/UniquePtr.h"
#include "UObject/UObjectGlobals.h"

namespace
{
	void (*GBlueprintCompiler)(UBlueprint*, FCompilerResultsLog&) = nullptr;
}

namespace UE::UnrealEd::Private
{
	/**
	 * Host: in the engine, UnrealEd and the Blueprint compiler's modules call each other; the host
	 * links them one way, so the KismetCompiler module hands its compile to UnrealEd when it starts.
	 */
	UNREALED_API void SetBlueprintCompiler(void (*InCompiler)(UBlueprint*, FCompilerResultsLog&))
	{
		GBlueprintCompiler = InCompiler;
	}
}

UBlueprint* FKismetEditorUtilities::CreateBlueprint(UClass* ParentClass, UObject* Outer, const FName NewBPName, EBlueprintType BlueprintType, FName CallingContext)
{
	return CreateBlueprint(ParentClass, Outer, NewBPName, BlueprintType, UBlueprint::StaticClass(), UBlueprintGeneratedClass::StaticClass(), CallingContext);
}

UBlueprint* FKismetEditorUtilities::CreateBlueprint(UClass* ParentClass, UObject* Outer, const FName NewBPName, EBlueprintType BlueprintType, TSubclassOf<UBlueprint> BlueprintClassType, TSubclassOf<UBlueprintGeneratedClass> BlueprintGeneratedClassType, FName CallingContext)
{
	check(FindObject<UBlueprint>(Outer, *NewBPName.ToString()) == nullptr);
	if (BlueprintType == BPTYPE_Normal && ParentClass->HasAnyClassFlags(CLASS_Const))
	{
		BlueprintType = BPTYPE_Const;
	}
	UBlueprint* const NewBP = NewObject<UBlueprint>(Outer, BlueprintClassType.Get(), NewBPName, RF_Public | RF_Standalone | RF_Transactional);
	NewBP->Status = BS_BeingCreated;
	NewBP->BlueprintType = BlueprintType;
	NewBP->ParentClass = ParentClass;
	// Actor Blueprints also get their construction scripts; the host has no actors.
	if (FBlueprintEditorUtils::DoesSupportEventGraphs(NewBP))
	{
		check(NewBP->UbergraphPages.IsEmpty());
		CreateDefaultEventGraphs(NewBP);
	}
	CompileBlueprint(NewBP, EBlueprintCompileOptions::SkipGarbageCollection | EBlueprintCompileOptions::SkipDefaultObjectValidation | EBlueprintCompileOptions::SkipFiBSearchMetaUpdate);
	return NewBP;
}

void FKismetEditorUtilities::CreateDefaultEventGraphs(UBlueprint* Blueprint)
{
	// UnrealEd does not link BlueprintGraph on the host, so the K2 schema is found by its path; the
	// graph takes the name the schema gives the first event graph (UEdGraphSchema_K2::GN_EventGraph).
	FModuleManager::Get().LoadModuleChecked(TEXT("BlueprintGraph"));
	UClass* const K2SchemaClass = FindObject<UClass>(nullptr, TEXT("/Script/BlueprintGraph.EdGraphSchema_K2"));
	check(K2SchemaClass);
	UEdGraph* const Ubergraph = FBlueprintEditorUtils::CreateNewGraph(Blueprint, FName(TEXT("EventGraph")), UEdGraph::StaticClass(), K2SchemaClass);
	FBlueprintEditorUtils::AddUbergraphPage(Blueprint, Ubergraph);
}

void FKismetEditorUtilities::CompileBlueprint(UBlueprint* BlueprintObj, EBlueprintCompileOptions CompileFlags, FCompilerResultsLog* pResults)
{
	check(BlueprintObj);
	FModuleManager::Get().LoadModuleChecked(TEXT("KismetCompiler"));
	checkf(GBlueprintCompiler, TEXT("The KismetCompiler module did not register its compiler"));

	TUniquePtr<FCompilerResultsLog> OwnLog;
	FCompilerResultsLog* Log = pResults;
	if (!Log)
	{
		OwnLog = MakeUnique<FCompilerResultsLog>();
		OwnLog->SetSourcePath(BlueprintObj->GetPathName());
		Log = OwnLog.Get();
	}
	// The engine only logs notes for Blueprints that build machines load, which the host never does.
	Log->bLogInfoOnly = false;
	GBlueprintCompiler(BlueprintObj, *Log);

	BlueprintObj->BroadcastChanged();
	if (!EnumHasAnyFlags(CompileFlags, EBlueprintCompileOptions::SkipGarbageCollection))
	{
		CollectGarbage(GIsEditor ? RF_Standalone : RF_NoFlags);
	}
}
