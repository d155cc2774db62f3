#pragma once

// Host engine only, no engine twin. The editor's users look at widgets and click them; the host's
// tests do the same through this class: walk a widget tree, find widgets by tag or class, read the
// arguments a widget was built with, type into a text box and click a button.

#include "CoreMinimal.h"
#include "Input/Reply.h"
#include "Layout/Children.h"
#include "Layout/Margin.h"
#include "Styling/SlateColor.h"
#include "Widgets/SWidget.h"

class SButton;
class SEditableTextBox;
class SImage;
class STextBlock;
struct FButtonStyle;
struct FSlateBrush;

class SLATE_API FWidgetInspector
{
public:
	/** Root and every widget below it, depth first, children in slot order. */
	static TArray<TSharedRef<SWidget>> GetWidgetTree(const TSharedRef<SWidget>& Root);

	/** The first widget of the tree (depth first) for which Predicate holds, or null; the walk stops there. */
	template <typename PredicateType>
	static TSharedPtr<SWidget> FindWidget(const TSharedRef<SWidget>& Root, PredicateType&& Predicate)
	{
		if (Predicate(Root))
		{
			return Root;
		}
		FChildren* const Children = Root->GetChildren();
		for (int32 Index = 0; Index < Children->Num(); ++Index)
		{
			if (const TSharedPtr<SWidget> Found = FindWidget(Children->GetChildAt(Index), Predicate))
			{
				return Found;
			}
		}
		return TSharedPtr<SWidget>();
	}

	/**
	 * The last widget of the tree (depth first) for which Predicate holds, or null: the walk goes
	 * backwards from the last child and stops there, so controls below a long column are found at once.
	 */
	template <typename PredicateType>
	static TSharedPtr<SWidget> FindLastWidget(const TSharedRef<SWidget>& Root, PredicateType&& Predicate)
	{
		FChildren* const Children = Root->GetChildren();
		for (int32 Index = Children->Num() - 1; Index >= 0; --Index)
		{
			if (const TSharedPtr<SWidget> Found = FindLastWidget(Children->GetChildAt(Index), Predicate))
			{
				return Found;
			}
		}
		return Predicate(Root) ? TSharedPtr<SWidget>(Root) : TSharedPtr<SWidget>();
	}

	/** The first widget of the tree (depth first) with the tag, or null. */
	static TSharedPtr<SWidget> FindWidgetByTag(const TSharedRef<SWidget>& Root, FName Tag);

	/** The widgets of the tree that are of WidgetType or a class derived from it, in tree order. */
	template <typename WidgetType>
	static TArray<TSharedRef<WidgetType>> FindWidgetsOfType(const TSharedRef<SWidget>& Root)
	{
		TArray<TSharedRef<WidgetType>> Found;
		for (const TSharedRef<SWidget>& Widget : GetWidgetTree(Root))
		{
			if (dynamic_cast<WidgetType*>(&Widget.Get()) != nullptr)
			{
				Found.Add(StaticCastSharedRef<WidgetType>(Widget));
			}
		}
		return Found;
	}

	/** The text of the tool tip the widget shows on hover; empty when it has none. */
	static FText GetToolTipText(const SWidget& Widget);

	/**
	 * A left click on the button: runs OnClicked unless the button is disabled. The button is held
	 * for the length of the click, as Slate's event routing holds it, since a handler may rebuild
	 * the tree the button sits in.
	 */
	static FReply Click(TSharedRef<SButton> Button);
	static const FButtonStyle* GetButtonStyle(const SButton& Button);
	static FMargin GetContentPadding(const SButton& Button);

	static FSlateColor GetColorAndOpacity(const STextBlock& TextBlock);
	static const FSlateBrush* GetImage(const SImage& Image);
	static FSlateColor GetColorAndOpacity(const SImage& Image);

	/** Types the characters one at a time at the end of the text, each firing OnTextChanged; a disabled box takes none. */
	static void TypeText(SEditableTextBox& TextBox, const FString& Characters);
	/** Pastes the text over the whole box, as select-all then paste does: one edit, firing OnTextChanged once. */
	static void PasteText(SEditableTextBox& TextBox, const FString& Text);
	/** Selects all text and deletes it, firing OnTextChanged once with an empty text. */
	static void EraseText(SEditableTextBox& TextBox);
	static float GetMinDesiredWidth(const SEditableTextBox& TextBox);
	/** The error the box shows (SetError), empty when none. */
	static FText GetErrorText(const SEditableTextBox& TextBox);
};
