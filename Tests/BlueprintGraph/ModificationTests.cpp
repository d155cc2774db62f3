#include "BlueprintTestFixture.h"
#include "K2Node_MakeArray.h"
#include "Kismet2/BlueprintEditorUtils.h"

class FModificationTest : public FBlueprintTest
{
protected:
	void SetUp() override
	{
		FBlueprintTest::SetUp();
		Blueprint->OnChanged().AddLambda([this](UBlueprint* Changed)
		{
			EXPECT_EQ(Changed, Blueprint);
			++NumStructuralChanges;
		});
	}

	int32 NumStructuralChanges = 0;
};

TEST_F(FModificationTest, MarksSetTheStatusAndOnlyStructuralOnesTellListeners)
{
	struct FCase
	{
		const char* Name;
		EBlueprintStatus StatusBefore;
		bool bBeingCompiled;
		bool bStructural;
		EBlueprintStatus ExpectedStatus;
		int32 ExpectedStructuralChanges;
	};
	const FCase Cases[] = {
		{"modified", BS_UpToDate, false, false, BS_Dirty, 0},
		{"structurally modified", BS_UpToDate, false, true, BS_Dirty, 1},
		{"while being compiled", BS_UpToDate, true, true, BS_UpToDate, 0},
		{"while being created", BS_BeingCreated, false, true, BS_BeingCreated, 0},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(Case.Name);
		Blueprint->Status = Case.StatusBefore;
		Blueprint->bBeingCompiled = Case.bBeingCompiled;
		Package->SetDirtyFlag(false);
		NumStructuralChanges = 0;
		if (Case.bStructural)
		{
			FBlueprintEditorUtils::MarkBlueprintAsStructurallyModified(Blueprint);
		}
		else
		{
			FBlueprintEditorUtils::MarkBlueprintAsModified(Blueprint);
		}
		EXPECT_EQ(Blueprint->Status, Case.ExpectedStatus);
		EXPECT_EQ(Package->IsDirty(), Case.ExpectedStatus == BS_Dirty);
		EXPECT_EQ(NumStructuralChanges, Case.ExpectedStructuralChanges);
	}
}

TEST_F(FModificationTest, EditsOfNodesMarkTheirBlueprint)
{
	UK2Node_MakeArray* const MakeArray = AddNode<UK2Node_MakeArray>();
	Blueprint->Status = BS_UpToDate;
	GetDefault<UEdGraphSchema_K2>()->TrySetDefaultValue(*MakeArray->FindPinChecked(TEXT("[0]")), TEXT("typed"));
	EXPECT_EQ(Blueprint->Status, BS_Dirty);
	EXPECT_EQ(NumStructuralChanges, 0);

	MakeArray->AddInputPin();
	EXPECT_EQ(NumStructuralChanges, 1);
	EXPECT_EQ(Blueprint->Status, BS_Dirty);
}

// UE 5.4 and 5.8, BlueprintGraph/Private/K2Node.cpp and CoreUObject/Private/UObject/Obj.cpp.
TEST_F(FModificationTest, AnEditOfANodeOtherThanAMoveMarksItsBlueprintAndOnlyOutsideAnUndoItsPackage)
{
	UK2Node_MakeArray* const MakeArray = AddNode<UK2Node_MakeArray>();
	struct FCase
	{
		const char* Name;
		FName Property;
		bool bTransacting;
		EBlueprintStatus ExpectedStatus;
		bool bPackageDirty;
	};
	const FCase Cases[] = {
		{"every property", NAME_None, false, BS_Dirty, true},
		{"every property, in an undo or redo", NAME_None, true, BS_Dirty, false},
		{"the node's place", GET_MEMBER_NAME_CHECKED(UEdGraphNode, NodePosX), false, BS_UpToDate, true},
		{"the node's id", GET_MEMBER_NAME_CHECKED(UEdGraphNode, NodeGuid), false, BS_Dirty, true},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(Case.Name);
		FProperty* const Property = Case.Property.IsNone() ? nullptr : UEdGraphNode::StaticClass()->FindPropertyByName(Case.Property);
		ASSERT_EQ(Property == nullptr, Case.Property.IsNone());
		Blueprint->Status = BS_UpToDate;
		Package->SetDirtyFlag(false);
		GIsTransacting = Case.bTransacting;
		MakeArray->PreEditChange(Property);
		GIsTransacting = false;
		EXPECT_EQ(Blueprint->Status, Case.ExpectedStatus);
		EXPECT_EQ(Package->IsDirty(), Case.bPackageDirty);
		EXPECT_EQ(NumStructuralChanges, 0);
	}
}
