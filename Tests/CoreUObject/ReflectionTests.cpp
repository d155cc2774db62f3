#include "ReflectionTestTypes.h"

#include "CoreUObject.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
	/** Calls a reflected function through ProcessEvent with a parameter buffer, as the Blueprint VM does. */
	class FParmsBuffer
	{
	public:
		explicit FParmsBuffer(UFunction* InFunction)
			: Function(InFunction)
		{
			Memory.SetNumZeroed(std::max<int32>(Function->ParmsSize, 1));
			for (TFieldIterator<FProperty> It(Function); It; ++It)
			{
				It->InitializeValue_InContainer(Memory.GetData());
			}
		}

		~FParmsBuffer()
		{
			for (TFieldIterator<FProperty> It(Function); It; ++It)
			{
				It->DestroyValue_InContainer(Memory.GetData());
			}
		}

		template <typename T>
		T& Get(const TCHAR* Name)
		{
			FProperty* Property = Function->FindPropertyByName(FName(Name));
			check(Property);
			return *Property->ContainerPtrToValuePtr<T>(Memory.GetData());
		}

		void Call(UObject* Target) { Target->ProcessEvent(Function, Memory.GetData()); }

	private:
		UFunction* Function;
		TArray<uint8> Memory;
	};
}

class FReflectionTest : public testing::Test
{
protected:
	UClass* Class = UTestReflected::StaticClass();
};

TEST_F(FReflectionTest, ClassIsRegisteredInItsPackageWithHeaderMetadata)
{
	EXPECT_EQ(Class->GetOuter()->GetName(), TEXT("/Script/CoreUObjectTests"));
	EXPECT_TRUE(Class->HasAllClassFlags(CLASS_Native | CLASS_MinimalAPI));
	EXPECT_EQ(Class->GetSuperClass(), UObject::StaticClass());
	EXPECT_EQ(Class->GetMetaData(TEXT("IncludePath")), TEXT("ReflectionTestTypes.h"));
	EXPECT_EQ(Class->GetMetaData(TEXT("ModuleRelativePath")), TEXT("ReflectionTestTypes.h"));
	EXPECT_EQ(Class->GetMetaData(TEXT("Comment")), TEXT("/**\n * An object with one member of each kind that the plug-ins reflect.\n */"));
	EXPECT_EQ(Class->GetMetaData(TEXT("ToolTip")), TEXT("An object with one member of each kind that the plug-ins reflect."));
	EXPECT_EQ(StaticFindObject(UClass::StaticClass(), nullptr, TEXT("/Script/CoreUObjectTests.TestReflected")), Class);
	EXPECT_NE(Class->GetDefaultObject(false), nullptr);
}

TEST_F(FReflectionTest, FunctionsCarryFlagsParametersAndMetadata)
{
	UFunction* Join = Class->FindFunctionByName(TEXT("jointwo"));
	ASSERT_NE(Join, nullptr);
	EXPECT_TRUE(Join->HasAllFunctionFlags(FUNC_Static | FUNC_BlueprintCallable | FUNC_BlueprintPure | FUNC_Native | FUNC_Public));
	EXPECT_EQ(Join->GetMetaData(TEXT("DisplayName")), TEXT("Join Two"));
	EXPECT_EQ(Join->GetMetaData(TEXT("Keywords")), TEXT("concat append"));
	EXPECT_EQ(Join->GetMetaData(TEXT("Category")), TEXT("Test|Text"));
	EXPECT_EQ(Join->GetMetaData(TEXT("ToolTip")), TEXT("Joins two texts with a separator."));
	EXPECT_EQ(Join->NumParms, 4);

	UFunction* Split = Class->FindFunctionByName(TEXT("SplitAtCommas"));
	ASSERT_NE(Split, nullptr);
	EXPECT_TRUE(Split->HasAnyFunctionFlags(FUNC_BlueprintCallable));
	EXPECT_FALSE(Split->HasAnyFunctionFlags(FUNC_BlueprintPure));
	EXPECT_TRUE(Split->HasAnyFunctionFlags(FUNC_HasOutParms));

	struct FExpectedParm
	{
		const TCHAR* Name;
		FFieldClass* Type;
		EPropertyFlags Required;
		EPropertyFlags Forbidden;
	};
	const FExpectedParm Expected[] = {
		// As the engine flags them: a string by const reference is a plain input, a plain reference an output.
		{TEXT("InText"), FStrProperty::StaticClass(), CPF_Parm, CPF_OutParm | CPF_ConstParm | CPF_ReferenceParm | CPF_ReturnParm},
		{TEXT("OutParts"), FArrayProperty::StaticClass(), CPF_Parm | CPF_OutParm, CPF_ReferenceParm | CPF_ConstParm | CPF_ReturnParm},
		{TEXT("ReturnValue"), FBoolProperty::StaticClass(), CPF_Parm | CPF_OutParm | CPF_ReturnParm, CPF_ReferenceParm},
	};
	int32 Index = 0;
	for (TFieldIterator<FProperty> It(Split); It; ++It, ++Index)
	{
		ASSERT_LT(Index, 3);
		SCOPED_TRACE(TCHAR_TO_UTF8(*It->GetName()));
		EXPECT_EQ(It->GetName(), Expected[Index].Name);
		EXPECT_TRUE(It->IsA(Expected[Index].Type));
		EXPECT_TRUE(It->HasAllPropertyFlags(Expected[Index].Required));
		EXPECT_FALSE(It->HasAnyPropertyFlags(Expected[Index].Forbidden));
	}
	EXPECT_EQ(Index, 3);
	EXPECT_TRUE(CastField<FArrayProperty>(Split->FindPropertyByName(TEXT("OutParts")))->Inner->IsA<FStrProperty>());
	EXPECT_EQ(Split->GetReturnProperty()->GetName(), TEXT("ReturnValue"));
}

TEST_F(FReflectionTest, ProcessEventGivesTheDirectCallResult)
{
	FParmsBuffer Join(Class->FindFunctionByName(TEXT("JoinTwo")));
	Join.Get<FString>(TEXT("First")) = TEXT("左");
	Join.Get<FString>(TEXT("Second")) = TEXT("right");
	Join.Get<FString>(TEXT("Separator")) = TEXT(" | ");
	Join.Call(Class->GetDefaultObject());
	EXPECT_EQ(Join.Get<FString>(TEXT("ReturnValue")), UTestReflected::JoinTwo(TEXT("左"), TEXT("right"), TEXT(" | ")));

	FParmsBuffer Split(Class->FindFunctionByName(TEXT("SplitAtCommas")));
	Split.Get<FString>(TEXT("InText")) = TEXT("a,b,,c");
	Split.Call(Class->GetDefaultObject());
	TArray<FString> Direct;
	EXPECT_EQ(Split.Get<bool>(TEXT("ReturnValue")), UTestReflected::SplitAtCommas(TEXT("a,b,,c"), Direct));
	EXPECT_EQ(Split.Get<TArray<FString>>(TEXT("OutParts")), Direct);

	FParmsBuffer Count(Class->FindFunctionByName(TEXT("CountEntries")));
	Count.Get<TMap<FString, FString>>(TEXT("InMap")).Add(TEXT("k"), TEXT("v"));
	Count.Get<TMap<FString, FString>>(TEXT("InMap")).Add(TEXT("K"), TEXT("w"));
	Count.Call(Class->GetDefaultObject());
	EXPECT_EQ(Count.Get<int32>(TEXT("ReturnValue")), 1);
}

TEST_F(FReflectionTest, PropertiesKeepAccessAndCommentMetadata)
{
	FProperty* NumInputs = Class->FindPropertyByName(TEXT("NumInputs"));
	ASSERT_NE(NumInputs, nullptr);
	EXPECT_TRUE(NumInputs->HasAnyPropertyFlags(CPF_NativeAccessSpecifierPrivate));
	EXPECT_EQ(NumInputs->GetMetaData(TEXT("Comment")), TEXT("// 输出数量"));
	EXPECT_EQ(NumInputs->GetMetaData(TEXT("ToolTip")), TEXT("输出数量"));
	EXPECT_EQ(NumInputs->GetMetaData(TEXT("ModuleRelativePath")), TEXT("ReflectionTestTypes.h"));

	FProperty* PinNames = Class->FindPropertyByName(TEXT("PinNames"));
	ASSERT_NE(PinNames, nullptr);
	EXPECT_TRUE(PinNames->HasAnyPropertyFlags(CPF_NativeAccessSpecifierProtected));
	EXPECT_FALSE(PinNames->HasMetaData(TEXT("ToolTip")));

	UTestReflected* Object = NewObject<UTestReflected>();
	Object->SetNumInputs(7);
	EXPECT_EQ(*NumInputs->ContainerPtrToValuePtr<int32>(Object), 7);

	FMulticastInlineDelegateProperty* OnStep = CastField<FMulticastInlineDelegateProperty>(Class->FindPropertyByName(TEXT("OnStep")));
	ASSERT_NE(OnStep, nullptr);
	EXPECT_TRUE(OnStep->HasAnyPropertyFlags(CPF_BlueprintAssignable));
	ASSERT_NE(OnStep->SignatureFunction, nullptr);
	EXPECT_EQ(OnStep->SignatureFunction->GetName(), TEXT("TestStepDelegate__DelegateSignature"));
	EXPECT_TRUE(OnStep->SignatureFunction->IsA<UDelegateFunction>());
	EXPECT_EQ(OnStep->SignatureFunction->GetMetaData(TEXT("ToolTip")), TEXT("Reports a finished step\nwith its code and text"));
	EXPECT_EQ(OnStep->SignatureFunction->GetMetaData(TEXT("Comment")), TEXT("// Reports a finished step\n// with its code and text"));
}

TEST_F(FReflectionTest, EnumsListEnumeratorsWithDisplayNamesAndMax)
{
	UEnum* Enum = StaticEnum<ETestMood>();
	ASSERT_NE(Enum, nullptr);
	EXPECT_EQ(Enum->GetName(), TEXT("ETestMood"));
	EXPECT_EQ(Enum->GetMetaData(TEXT("BlueprintType")), TEXT("true"));
	ASSERT_EQ(Enum->NumEnums(), 3);
	EXPECT_EQ(Enum->GetNameStringByIndex(0), TEXT("E_Calm"));
	EXPECT_EQ(Enum->GetNameByIndex(0), FName(TEXT("ETestMood::E_Calm")));
	EXPECT_EQ(Enum->GetValueByIndex(1), 1);
	EXPECT_EQ(Enum->GetNameStringByIndex(2), TEXT("ETestMood_MAX"));
	EXPECT_EQ(Enum->GetDisplayNameTextByIndex(1).ToString(), TEXT("Angry"));
	EXPECT_EQ(Enum->GetMetaData(TEXT("ToolTip"), 1), TEXT("Not calm at all"));
	EXPECT_EQ(Enum->GetValueByName(TEXT("E_Angry")), 1);
}

TEST_F(FReflectionTest, DynamicDelegatesCallBoundFunctionsOfLiveObjectsOnly)
{
	UTestReflected* Source = NewObject<UTestReflected>();
	UTestReflected* Listener = NewObject<UTestReflected>();
	Source->AddToRoot();
	Listener->AddToRoot();
	// A Blueprint binds through the property, which adds a binding once only (UE 5.4 and 5.8,
	// CoreUObject/Private/UObject/PropertyMulticastDelegate.cpp); AddDynamic adds it again.
	const FMulticastDelegateProperty* const OnStep = CastField<FMulticastDelegateProperty>(Class->FindPropertyByName(TEXT("OnStep")));
	ASSERT_NE(OnStep, nullptr);
	FScriptDelegate Binding;
	Binding.BindUFunction(Listener, TEXT("HandleStep"));
	OnStep->AddDelegate(Binding, Source);
	OnStep->AddDelegate(Binding, nullptr, &Source->OnStep);
	Source->OnStep.Broadcast(200, TEXT("成功"));
	ASSERT_EQ(Listener->ReceivedSteps.Num(), 1);
	EXPECT_EQ(Listener->ReceivedSteps[0], TEXT("200:成功"));
	Source->OnStep.AddUniqueDynamic(Listener, &UTestReflected::HandleStep);
	Source->OnStep.AddDynamic(Listener, &UTestReflected::HandleStep);
	Source->OnStep.Broadcast(201, TEXT(""));
	EXPECT_EQ(Listener->ReceivedSteps.Num(), 3);
	EXPECT_DEATH(OnStep->AddDelegate(Binding), "Must specify at least one of Parent or PropertyValue");

	Listener->RemoveFromRoot();
	CollectGarbage();
	Source->OnStep.Broadcast(-1, TEXT(""));
	EXPECT_FALSE(Source->OnStep.IsBound());
	Source->RemoveFromRoot();
}

TEST_F(FReflectionTest, CastsFollowTheClassHierarchy)
{
	UObject* Object = NewObject<UTestReflected>();
	EXPECT_EQ(Cast<UTestReflected>(Object), Object);
	EXPECT_EQ(Cast<UClass>(Object), nullptr);
	EXPECT_EQ(Cast<UTestReflected>((UObject*)nullptr), nullptr);
	EXPECT_EQ(CastChecked<UTestReflected>(Object), Object);
	EXPECT_TRUE(Object->GetName().StartsWith(TEXT("TestReflected_")));
	EXPECT_DEATH(CastChecked<UClass>(Object), "Cast of");
}

// UE 5.4 and 5.8, CoreUObject/Private/UObject/Class.cpp (UField::GetDisplayNameText, UEnum::GetDisplayNameTextByIndex)
// and Field.cpp (FField::GetDisplayNameText); 5.8's UField::GetToolTipText for the tooltip fallback
TEST_F(FReflectionTest, NamesWithoutDisplayNameMetadataShowInTheirDisplayForm)
{
	auto Exact = [](const FText& Text)
	{
		return std::string(TCHAR_TO_UTF8(*Text.ToString()));
	};
	EXPECT_EQ(Exact(Class->GetDisplayNameText()), "Test Reflected");
	EXPECT_EQ(Exact(Class->FindFunctionByName(TEXT("JoinTwo"))->GetDisplayNameText()), "Join Two") << "metadata wins";
	EXPECT_EQ(Exact(Class->FindFunctionByName(TEXT("SplitAtCommas"))->GetDisplayNameText()), "Split at Commas");

	EXPECT_EQ(Exact(Class->FindFunctionByName(TEXT("SplitAtCommas"))->GetToolTipText()), "Splits a text at commas.");
	EXPECT_EQ(Exact(Class->FindFunctionByName(TEXT("CountEntries"))->GetToolTipText()), "Count Entries") << "no tooltip: the display name";

	EXPECT_EQ(Exact(Class->FindPropertyByName(TEXT("OnStep"))->GetDisplayNameText()), "On Step");
	EXPECT_EQ(Exact(Class->FindPropertyByName(TEXT("NumInputs"))->GetDisplayNameText()), "Num Inputs");
	EXPECT_EQ(Exact(Class->FindPropertyByName(TEXT("bEnabled"))->GetDisplayNameText()), "Enabled") << "a bool property loses its b";

	const UEnum* const Enum = StaticEnum<ETestMood>();
	EXPECT_EQ(Exact(Enum->GetDisplayNameTextByIndex(1)), "Angry");
	EXPECT_EQ(Exact(Enum->GetDisplayNameTextByIndex(2)), "ETest Mood MAX") << "no metadata: the name without its scope";
	EXPECT_TRUE(Enum->GetDisplayNameTextByIndex(3).IsEmpty()) << "no entry";
}
