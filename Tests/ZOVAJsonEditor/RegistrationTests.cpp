#include "CoreUObject.h"
#include "K2Node.h"
#include "Modules/ModuleManager.h"

#include <gtest/gtest.h>

class FRegistrationTest : public testing::Test
{
protected:
	void SetUp() override
	{
		Module = FModuleManager::Get().LoadModule(TEXT("ZOVAJsonEditor"));
	}

	static UClass* FindNodeClass(const TCHAR* Name)
	{
		return FindObject<UClass>(nullptr, *FString::Printf(TEXT("/Script/ZOVAJsonEditor.%s"), Name));
	}

	IModuleInterface* Module = nullptr;
};

// UE5, UnrealBuildTool ModuleHostType (UncookedOnly)
TEST_F(FRegistrationTest, ModuleLoadsByNameIntoAnUncookedOnlyScriptPackage)
{
	ASSERT_NE(Module, nullptr);
	EXPECT_TRUE(FModuleManager::Get().IsModuleLoaded(TEXT("ZOVAJsonEditor")));
	const UPackage* const Package = FindPackage(nullptr, TEXT("/Script/ZOVAJsonEditor"));
	ASSERT_NE(Package, nullptr);
	EXPECT_TRUE(Package->HasAnyPackageFlags(PKG_CompiledIn));
	EXPECT_TRUE(Package->HasAnyPackageFlags(PKG_UncookedOnly));
	EXPECT_FALSE(Package->HasAnyPackageFlags(PKG_EditorOnly));
}

TEST_F(FRegistrationTest, NodeClassesCarryTheirHeaderMetadata)
{
	const TCHAR* const Classes[] = {TEXT("ZOVAK2Node_JsonToArray"), TEXT("ZOVAK2Node_AnalyzeArray")};
	for (const TCHAR* Name : Classes)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(Name));
		const UClass* const Class = FindNodeClass(Name);
		ASSERT_NE(Class, nullptr);
		EXPECT_EQ(Class->GetSuperClass(), UK2Node::StaticClass());
		EXPECT_TRUE(Class->HasAllClassFlags(CLASS_Native | CLASS_MinimalAPI));
		EXPECT_FALSE(Class->HasAnyClassFlags(CLASS_Abstract | CLASS_Config));
		EXPECT_EQ(Class->Children, nullptr) << "no reflected functions";
		EXPECT_EQ(Class->GetMetaData(TEXT("Comment")), TEXT("/**\n * \n */"));
		EXPECT_EQ(Class->GetMetaData(TEXT("IncludePath")), FString(Name) + TEXT(".h"));
		EXPECT_EQ(Class->GetMetaData(TEXT("ModuleRelativePath")), FString(TEXT("Private/")) + Name + TEXT(".h"));
		EXPECT_NE(Class->GetDefaultObject(false), nullptr);
		EXPECT_TRUE(Class->GetDefaultObject<UK2Node>()->IsNodePure());
	}
}

TEST_F(FRegistrationTest, OnlyTheAnalyzeArrayNodeSavesAnOutputCount)
{
	const UClass* const JsonToArray = FindNodeClass(TEXT("ZOVAK2Node_JsonToArray"));
	const UClass* const AnalyzeArray = FindNodeClass(TEXT("ZOVAK2Node_AnalyzeArray"));
	ASSERT_TRUE(JsonToArray && AnalyzeArray);
	EXPECT_FALSE(TFieldIterator<FProperty>(JsonToArray, EFieldIteratorFlags::ExcludeSuper)) << "Json To Array saves nothing of its own";

	TFieldIterator<FProperty> Own(AnalyzeArray, EFieldIteratorFlags::ExcludeSuper);
	ASSERT_TRUE(Own);
	const FIntProperty* const NumInputs = CastField<FIntProperty>(*Own);
	ASSERT_NE(NumInputs, nullptr);
	EXPECT_EQ(NumInputs->GetName(), TEXT("NumInputs"));
	EXPECT_FALSE(++Own);
	EXPECT_TRUE(NumInputs->HasAnyPropertyFlags(CPF_NativeAccessSpecifierPrivate));
	EXPECT_FALSE(NumInputs->HasAnyPropertyFlags(CPF_Edit | CPF_BlueprintVisible | CPF_Transient));
	EXPECT_EQ(NumInputs->GetMetaData(TEXT("Comment")), TEXT("// 输出数量"));
	EXPECT_EQ(NumInputs->GetMetaData(TEXT("ToolTip")), TEXT("输出数量"));
	EXPECT_EQ(*NumInputs->ContainerPtrToValuePtr<int32>(AnalyzeArray->GetDefaultObject()), 1);
}
