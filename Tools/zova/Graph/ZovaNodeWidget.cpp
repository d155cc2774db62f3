#include "Graph/ZovaNodeWidget.h"

#include "EdGraph/EdGraphNode.h"
#include "Framework/Testing/WidgetInspector.h"
#include "SGraphNode.h"
#include "Widgets/Input/SButton.h"
#include "Widgets/Input/SEditableTextBox.h"
#include "Widgets/Text/STextBlock.h"

FZovaNodeWidget::FZovaNodeWidget(UEdGraphNode* InNode)
	: Node(InNode)
	, Widget(InNode->CreateVisualWidget())
{
}

bool FZovaNodeWidget::AddKey(const FString& Key)
{
	const TSharedPtr<SEditableTextBox> KeyBox = StaticCastSharedPtr<SEditableTextBox>(FWidgetInspector::FindWidgetByTag(Widget.ToSharedRef(), TEXT("TextBox")));
	check(KeyBox.IsValid());
	// Pasted rather than typed: a key of many thousand characters is typed in quadratic time.
	FWidgetInspector::PasteText(*KeyBox, Key);
	const int32 PinsBefore = Node->Pins.Num();
	Click(TEXT("Add Json Key"));
	return Node->Pins.Num() > PinsBefore;
}

void FZovaNodeWidget::Click(const TCHAR* Label)
{
	for (const TSharedRef<SButton>& Button : FWidgetInspector::FindWidgetsOfType<SButton>(Widget.ToSharedRef()))
	{
		const TArray<TSharedRef<STextBlock>> Texts = FWidgetInspector::FindWidgetsOfType<STextBlock>(Button);
		if (Texts.Num() == 1 && Texts[0]->GetText().ToString().Equals(Label, ESearchCase::CaseSensitive))
		{
			FWidgetInspector::Click(Button);
			return;
		}
	}
	checkf(false, TEXT("The node widget has no \"%s\" button"), Label);
}
