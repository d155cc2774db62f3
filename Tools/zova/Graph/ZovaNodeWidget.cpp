#include "Graph/ZovaNodeWidget.h"

#include "EdGraph/EdGraphNode.h"
#include "Framework/Testing/WidgetInspector.h"
#include "NodeFactory.h"
#include "SGraphNode.h"
#include "Widgets/Input/SButton.h"
#include "Widgets/Input/SEditableTextBox.h"
#include "Widgets/Text/STextBlock.h"

// A node's own controls sit below its pins, at the end of its widget tree: the searches start there.

FZovaNodeWidget::FZovaNodeWidget(UEdGraphNode* InNode)
	: Node(InNode)
	, Widget(FNodeFactory::CreateNodeWidget(InNode))
{
}

FText FZovaNodeWidget::AddKey(const FString& Key)
{
	const TSharedPtr<SEditableTextBox> KeyBox = StaticCastSharedPtr<SEditableTextBox>(FWidgetInspector::FindLastWidget(Widget.ToSharedRef(), [](const TSharedRef<SWidget>& Candidate) { return Candidate->GetTag() == TEXT("TextBox"); }));
	check(KeyBox.IsValid());
	// One paste, not one edit per character: a long key costs its length once.
	FWidgetInspector::PasteText(*KeyBox, Key);
	const int32 PinsBefore = Node->Pins.Num();
	Click(TEXT("Add Json Key"));
	// An added key rebuilds the row; a refused one leaves its reason on the box.
	return Node->Pins.Num() > PinsBefore ? FText::GetEmpty() : FWidgetInspector::GetErrorText(*KeyBox);
}

void FZovaNodeWidget::Click(const TCHAR* Label)
{
	const TSharedPtr<SWidget> Button = FWidgetInspector::FindLastWidget(Widget.ToSharedRef(), [Label](const TSharedRef<SWidget>& Candidate)
	{
		if (dynamic_cast<SButton*>(&Candidate.Get()) == nullptr)
		{
			return false;
		}
		const TArray<TSharedRef<STextBlock>> Texts = FWidgetInspector::FindWidgetsOfType<STextBlock>(Candidate);
		return Texts.Num() == 1 && Texts[0]->GetText().ToString().Equals(Label, ESearchCase::CaseSensitive);
	});
	checkf(Button.IsValid(), TEXT("The node widget has no \"%s\" button"), Label);
	FWidgetInspector::Click(StaticCastSharedPtr<SButton>(Button).ToSharedRef());
}
