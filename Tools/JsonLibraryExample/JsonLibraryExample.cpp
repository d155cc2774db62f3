// Runs the ZOVA JSON library the way a compiled Blueprint does: the plug-in module is loaded by
// name, its functions are found through reflection and called with ProcessEvent.

#include "CoreUObject.h"
#include "Modules/ModuleManager.h"

#include <cstdio>

namespace
{
	/** One reflected call: a parameter buffer laid out as the function's parameters. */
	class FReflectedCall
	{
	public:
		FReflectedCall(UClass* Class, const TCHAR* FunctionName)
			: Target(Class->GetDefaultObject())
			, Function(Class->FindFunctionByName(FName(FunctionName)))
		{
			check(Function);
			Parms.SetNumZeroed(std::max<int32>(Function->ParmsSize, 1));
			for (TFieldIterator<FProperty> It(Function); It; ++It)
			{
				It->InitializeValue_InContainer(Parms.GetData());
			}
		}

		~FReflectedCall()
		{
			for (TFieldIterator<FProperty> It(Function); It; ++It)
			{
				It->DestroyValue_InContainer(Parms.GetData());
			}
		}

		template <typename T>
		T& Parm(const TCHAR* Name)
		{
			FProperty* Property = Function->FindPropertyByName(FName(Name));
			check(Property);
			return *Property->ContainerPtrToValuePtr<T>(Parms.GetData());
		}

		void Invoke() { Target->ProcessEvent(Function, Parms.GetData()); }

	private:
		UObject* Target;
		UFunction* Function;
		TArray<uint8> Parms;
	};

	void Print(const FString& Line)
	{
		printf("%s\n", TCHAR_TO_UTF8(*Line));
	}
}

int main()
{
	if (!FModuleManager::Get().LoadModule(TEXT("ZOVAJson")))
	{
		fprintf(stderr, "error: the ZOVAJson module could not be loaded\n");
		return 2;
	}
	UClass* Library = FindObject<UClass>(nullptr, TEXT("/Script/ZOVAJson.ZOVABlueprintFunctionLibrary"));
	check(Library);

	const FString Document = TEXT("{\"name\":\"张三\",\"age\":30,\"balance\":12345678901234567890,\"address\":{\"city\":\"Beijing\"},\"tags\":[\"a\",1,true]}");
	Print(TEXT("Document: ") + Document);

	FReflectedCall Analyze(Library, TEXT("OnJsonAnalyze"));
	Analyze.Parm<FString>(TEXT("InJson")) = Document;
	Analyze.Parm<TArray<FString>>(TEXT("InKey")) = {TEXT("name"), TEXT("age"), TEXT("balance"), TEXT("/address/city"), TEXT("tags"), TEXT("missing")};
	Analyze.Invoke();
	const TArray<FString>& Keys = Analyze.Parm<TArray<FString>>(TEXT("InKey"));
	const TArray<FString>& Values = Analyze.Parm<TArray<FString>>(TEXT("OutValue"));
	Print(FString::Printf(TEXT("OnJsonAnalyze -> %s"), Analyze.Parm<bool>(TEXT("ReturnValue")) ? TEXT("true") : TEXT("false")));
	for (int32 Index = 0; Index < Keys.Num(); ++Index)
	{
		Print(FString::Printf(TEXT("  %-14s = \"%s\""), *Keys[Index], *Values[Index]));
	}

	FReflectedCall ToArray(Library, TEXT("OnJsonToArray"));
	ToArray.Parm<FString>(TEXT("InJson")) = TEXT("[\"x\", 2.50, {\"k\":null}]");
	ToArray.Invoke();
	Print(FString::Printf(TEXT("OnJsonToArray -> %s: [%s]"), ToArray.Parm<bool>(TEXT("ReturnValue")) ? TEXT("true") : TEXT("false"), *FString::Join(ToArray.Parm<TArray<FString>>(TEXT("OutValue")), TEXT(" | "))));

	FReflectedCall Create(Library, TEXT("OnCreateJson"));
	TMap<FString, FString>& Map = Create.Parm<TMap<FString, FString>>(TEXT("InMap"));
	Map.Add(TEXT("user"), TEXT("李四"));
	Map.Add(TEXT("score"), TEXT("99"));
	Map.Add(TEXT("profile"), TEXT("{\"level\":3}"));
	Create.Invoke();
	Print(TEXT("OnCreateJson -> ") + Create.Parm<FString>(TEXT("OutJson")));

	FReflectedCall CreateArray(Library, TEXT("OnCreateJsonArray"));
	CreateArray.Parm<TArray<FString>>(TEXT("InArray")) = {TEXT("one"), TEXT("[1,2]"), TEXT("")};
	CreateArray.Invoke();
	Print(TEXT("OnCreateJsonArray -> ") + CreateArray.Parm<FString>(TEXT("OutJson")));

	FReflectedCall ArrayOut(Library, TEXT("OnArrayOut"));
	ArrayOut.Parm<TArray<FString>>(TEXT("InArray")) = {TEXT("first")};
	ArrayOut.Parm<int32>(TEXT("Index")) = 5;
	ArrayOut.Invoke();
	Print(FString::Printf(TEXT("OnArrayOut(index 5 of 1) -> \"%s\""), *ArrayOut.Parm<FString>(TEXT("ReturnValue"))));
	return 0;
}
