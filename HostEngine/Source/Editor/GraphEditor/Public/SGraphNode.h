#pragma once

#include "CoreMinimal.h"
#include "Input/Reply.h"
#include "SNodePanel.h"
#include "Styling/SlateColor.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SCompoundWidget.h"

class SGraphPin;
class STextBlock;
class SVerticalBox;
class UEdGraphNode;
class UEdGraphPin;
class UGraphEditorSettings;
enum EEdGraphPinDirection : int;

/**
 * The widget of a graph node: on the node body, the title bar above the input pins in a left column
 * and the output pins in a right column. Node widgets add their own controls under a column through
 * the add-button hooks. The engine derives this from the node panel's node widget, which places and
 * drags nodes; the host shows nodes one at a time, so it derives from SCompoundWidget. The engine
 * lays the body's image under the content in an overlay; the host draws it as the border around
 * the content, which covers the same area. It leaves out the engine's error banner, comment bubble
 * and the title's gloss and highlight layers, which an untouched node does not show.
 */
class GRAPHEDITOR_API SGraphNode : public SCompoundWidget
{
public:
	/**
	 * Rebuilds the widget from the node: title, pin columns, one pin widget per visible pin, then the
	 * add-button hooks. Unlike the engine, which makes every widget anew, the host keeps the pin
	 * widgets of pins that are still shown in the same place under the same name, so that adding
	 * pins one at a time costs time in proportion to the pins added; the tree is the same.
	 */
	virtual void UpdateGraphNode();

	/** Adds the pin widget at the bottom of its column (inputs left, outputs right). */
	virtual void AddPin(const TSharedRef<SGraphPin>& PinToAdd);

	/**
	 * Sets whether the user may edit the node through the widget. The engine's graph panel sets it
	 * for every node it shows, false for a read-only graph and while a game is being debugged; the
	 * host has no panel, so tools and tests set it.
	 */
	void SetIsEditable(TAttribute<bool> InIsEditable);
	/** Whether the node may be edited through the widget; the engine's add-pin buttons are enabled by it. */
	virtual bool IsNodeEditable() const;

	/** The images to draw over the node, WidgetSize being the node's size; none by default. */
	virtual void GetOverlayBrushes(bool bSelected, const FVector2D WidgetSize, TArray<FOverlayBrushInfo>& Brushes) const {}

protected:
	SGraphNode();

	/** Makes a pin widget for every pin of the node that is not hidden, in pin order. */
	virtual void CreatePinWidgets();

	/** The widget for one pin; the node factory's by default. */
	virtual TSharedPtr<SGraphPin> CreatePinWidget(UEdGraphPin* Pin) const;

	/**
	 * The colour of the title bar: the graph editor settings' colour for a pure Blueprint node, or
	 * for a Blueprint node with execution pins, else the engine's default node title colour. The
	 * engine asks the node (UK2Node reads the same settings); in the host the editor modules cannot
	 * reference each other both ways, so the node widget decides.
	 */
	FSlateColor GetNodeTitleColor() const;

	/** Hook for extra controls under the input pins; nothing by default. */
	virtual void CreateInputSideAddButton(TSharedPtr<SVerticalBox> InputBox) {}
	/** Hook for extra controls under the output pins; nothing by default. */
	virtual void CreateOutputSideAddButton(TSharedPtr<SVerticalBox> OutputBox) {}

	/** Handler for an add-pin button; does nothing by default. */
	virtual FReply OnAddPin() { return FReply::Handled(); }

	/**
	 * The node, then its overlay images of an unselected node above it. The engine's graph panel
	 * draws the overlays after each node widget; the host has no panel, so the node widget does.
	 */
	virtual int32 OnPaint(const FGeometry& AllottedGeometry, FSlateWindowElementList& OutDrawElements, int32 LayerId, const FWidgetStyle& InWidgetStyle) const override;

	/** The node shown; a derived widget sets it in Construct before calling UpdateGraphNode. */
	UEdGraphNode* GraphNode = nullptr;

	TSharedPtr<SVerticalBox> LeftNodeBox;
	TSharedPtr<SVerticalBox> RightNodeBox;

	const UGraphEditorSettings* Settings;

	TAttribute<bool> IsEditable = true;

private:
	/** A pin widget in a column, with the name it shows: a pin renamed in place needs a new widget. */
	struct FShownPin
	{
		TSharedRef<SGraphPin> Widget;
		const UEdGraphPin* Pin;
		FName PinName;
		FText FriendlyName;
	};

	/** The pin widgets at the top of a column, in slot order, and how many this update has placed again. */
	struct FPinColumn
	{
		TArray<FShownPin> Pins;
		int32 NumPlaced = 0;
	};

	void BuildFrame();
	FPinColumn& GetColumn(EEdGraphPinDirection Direction);
	/** Drops the hooks' slots below the column's pins and starts placing its pins again from the top. */
	static void ReopenColumn(SVerticalBox& Box, FPinColumn& Column);
	/** Drops the column's slots from the first pin widget not placed again onwards (the hooks' slots included). */
	static void TrimColumn(SVerticalBox& Box, FPinColumn& Column);

	TSharedPtr<STextBlock> TitleText;
	FPinColumn InputColumn;
	FPinColumn OutputColumn;
};
