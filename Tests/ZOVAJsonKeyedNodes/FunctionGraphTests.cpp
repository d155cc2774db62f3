#include "BlueprintActionDatabase.h"
#include "BlueprintNodeSpawner.h"
#include "FunctionGraphTestFixture.h"
#include "Modules/ModuleManager.h"
#include "ScopedTestEditor.h"
#include "ZOVAK2Node_Json.h"

namespace
{
	/** Json Analyze in the functions of a Blueprint, called as a game calls a Blueprint function. */
	class FJsonAnalyzeFunctionTest : public FFunctionGraphTest
	{
	protected:
		void SetUp() override
		{
			FModuleManager::Get().LoadModuleChecked(TEXT("ZOVAJsonEditor"));
			FFunctionGraphTest::SetUp();
		}

		void TearDown() override
		{
			GEditor->ResetTransaction(FText::FromString(TEXT("Test ended")));
			FFunctionGraphTest::TearDown();
		}

		/** Json Analyze from its action-menu entry, with the keys added through the node. */
		static UZOVAK2Node_Json* SpawnAnalyze(UEdGraph* Graph, const TArray<FString>& Keys)
		{
			const FBlueprintActionDatabase::FActionList* const Actions = FBlueprintActionDatabase::Get().GetAllActions().Find(UZOVAK2Node_Json::StaticClass());
			if (!Actions || Actions->Num() != 1)
			{
				ADD_FAILURE() << "no single action-menu entry for Json Analyze";
				return nullptr;
			}
			UZOVAK2Node_Json* const Analyze = Cast<UZOVAK2Node_Json>((*Actions)[0]->Invoke(Graph, IBlueprintNodeBinder::FBindingSet(), FVector2D(200.0, 0.0)));
			for (const FString& Key : Keys)
			{
				EXPECT_TRUE(Analyze && Analyze->AddKeyPin(Key, EGPD_Output)) << TCHAR_TO_UTF8(*Key);
			}
			return Analyze;
		}

		/** Calls the function on a new instance of the generated class. */
		template <typename ParmsType>
		void Call(const TCHAR* FunctionName, ParmsType& Parms)
		{
			UFunction* const Function = FindFunction(FunctionName);
			ASSERT_NE(Function, nullptr);
			NewObject<UObject>(GetTransientPackage(), Blueprint->GeneratedClass)->ProcessEvent(Function, &Parms);
		}

		FScopedTestEditor Editor;
	};

	struct FReadParms
	{
		FString Json;
		FString Name;
		FString City;
		bool bSuccess = false;
	};

	struct FIsObjectParms
	{
		FString Json;
		bool bIsObject = false;
	};

	struct FReadCase
	{
		const TCHAR* Json;
		const TCHAR* Name;
		const TCHAR* City;
		bool bSuccess;
	};
}

TEST_F(FJsonAnalyzeFunctionTest, FunctionsReadTheirKeysOrTellAnObjectApartWithNoKeyAtAll)
{
	const FFunctionGraph Read = AddFunction(TEXT("Read"));
	Read.Entry->CreateUserDefinedPin(FName(TEXT("Json")), PinType(UEdGraphSchema_K2::PC_String), EGPD_Output);
	Read.Result->CreateUserDefinedPin(FName(TEXT("Name")), PinType(UEdGraphSchema_K2::PC_String), EGPD_Input);
	Read.Result->CreateUserDefinedPin(FName(TEXT("City")), PinType(UEdGraphSchema_K2::PC_String), EGPD_Input);
	Read.Result->CreateUserDefinedPin(FName(TEXT("bSuccess")), PinType(UEdGraphSchema_K2::PC_Boolean), EGPD_Input);
	UZOVAK2Node_Json* const Analyze = SpawnAnalyze(Read.Graph, {TEXT("name"), TEXT("/address/city")});
	ASSERT_NE(Analyze, nullptr);
	Link(Read.Entry->FindPin(TEXT("Json")), Analyze->GetInJsonPin());
	Link(Analyze->GetKeyPin(TEXT("name")), Read.Result->FindPin(TEXT("Name")));
	Link(Analyze->GetKeyPin(TEXT("/address/city")), Read.Result->FindPin(TEXT("City")));
	Link(Analyze->GetSuccessPin(), Read.Result->FindPin(TEXT("bSuccess")));

	// No key: the library creates the empty key array itself (AutoCreateRefTerm), so this compiles too.
	const FFunctionGraph IsObject = AddFunction(TEXT("IsObject"));
	IsObject.Entry->CreateUserDefinedPin(FName(TEXT("Json")), PinType(UEdGraphSchema_K2::PC_String), EGPD_Output);
	IsObject.Result->CreateUserDefinedPin(FName(TEXT("bIsObject")), PinType(UEdGraphSchema_K2::PC_Boolean), EGPD_Input);
	UZOVAK2Node_Json* const Keyless = SpawnAnalyze(IsObject.Graph, {});
	ASSERT_NE(Keyless, nullptr);
	Link(IsObject.Entry->FindPin(TEXT("Json")), Keyless->GetInJsonPin());
	Link(Keyless->GetSuccessPin(), IsObject.Result->FindPin(TEXT("bIsObject")));

	Compile();
	ASSERT_EQ(Results->Messages.Num(), 0) << TCHAR_TO_UTF8(*GetCompilerMessages());
	EXPECT_EQ(Blueprint->Status, BS_UpToDate);

	const FReadCase Cases[] = {
		{TEXT("{\"name\":\"Zova\",\"address\":{\"city\":\"Paris\"}}"), TEXT("Zova"), TEXT("Paris"), true},
		{TEXT("{\"name\":\"Zova\"}"), TEXT("Zova"), TEXT(""), false},
		{TEXT("[\"name\"]"), TEXT(""), TEXT(""), false},
		{TEXT("not json"), TEXT(""), TEXT(""), false},
	};
	for (const FReadCase& Case : Cases)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(Case.Json));
		FReadParms Parms;
		Parms.Json = Case.Json;
		Call(TEXT("Read"), Parms);
		EXPECT_EQ(Parms.Name, FString(Case.Name));
		EXPECT_EQ(Parms.City, FString(Case.City));
		EXPECT_EQ(Parms.bSuccess, Case.bSuccess);

		FIsObjectParms IsObjectParms;
		IsObjectParms.Json = Case.Json;
		Call(TEXT("IsObject"), IsObjectParms);
		EXPECT_EQ(IsObjectParms.bIsObject, FString(Case.Json).StartsWith(TEXT("{")));
	}
}

TEST_F(FJsonAnalyzeFunctionTest, UndoAndRedoOfAKeyChangeWhatTheRecompiledFunctionReturns)
{
	const FFunctionGraph Read = AddFunction(TEXT("Read"));
	Read.Entry->CreateUserDefinedPin(FName(TEXT("Json")), PinType(UEdGraphSchema_K2::PC_String), EGPD_Output);
	Read.Result->CreateUserDefinedPin(FName(TEXT("Name")), PinType(UEdGraphSchema_K2::PC_String), EGPD_Input);
	Read.Result->CreateUserDefinedPin(FName(TEXT("City")), PinType(UEdGraphSchema_K2::PC_String), EGPD_Input);
	UZOVAK2Node_Json* const Analyze = SpawnAnalyze(Read.Graph, {TEXT("name")});
	ASSERT_NE(Analyze, nullptr);
	Link(Read.Entry->FindPin(TEXT("Json")), Analyze->GetInJsonPin());
	Link(Analyze->GetKeyPin(TEXT("name")), Read.Result->FindPin(TEXT("Name")));
	const auto ReadCity = [this]()
	{
		Compile();
		EXPECT_EQ(Results->NumErrors, 0) << TCHAR_TO_UTF8(*GetCompilerMessages());
		FReadParms Parms;
		Parms.Json = TEXT("{\"name\":\"Zova\",\"city\":\"Paris\"}");
		Call(TEXT("Read"), Parms);
		EXPECT_EQ(Parms.Name, FString(TEXT("Zova")));
		return Parms.City;
	};
	EXPECT_EQ(ReadCity(), FString());

	ASSERT_NE(GEditor->BeginTransaction(FText::FromString(TEXT("Add the city key"))), INDEX_NONE);
	ASSERT_TRUE(Analyze->AddKeyPin(TEXT("city"), EGPD_Output));
	Link(Analyze->GetKeyPin(TEXT("city")), Read.Result->FindPin(TEXT("City")));
	GEditor->EndTransaction();
	EXPECT_EQ(ReadCity(), FString(TEXT("Paris")));

	ASSERT_TRUE(GEditor->UndoTransaction());
	EXPECT_EQ(Analyze->FindPin(TEXT("city")), nullptr);
	EXPECT_TRUE(Read.Result->FindPin(TEXT("City"))->LinkedTo.IsEmpty());
	EXPECT_EQ(Blueprint->Status, BS_Dirty);
	EXPECT_EQ(ReadCity(), FString());

	ASSERT_TRUE(GEditor->RedoTransaction());
	ASSERT_NE(Analyze->FindPin(TEXT("city")), nullptr);
	EXPECT_EQ(ReadCity(), FString(TEXT("Paris")));
}
