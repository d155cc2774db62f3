#pragma once

#include "CoreMinimal.h"
#include "Layout/Visibility.h"
#include "Styling/SlateColor.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/Layout/SBorder.h"

class UEdGraphPin;
struct FSlateBrush;
enum EEdGraphPinDirection : int;

#define NAME_DefaultPinLabelStyle TEXT("Graph.Node.PinName")

/**
 * The widget of one pin of a graph node: the pin's icon, its label and, on an input, the box that
 * edits its default value, in the node's input or output column. The engine also shows watch and
 * deprecation marks and a simpler look when the graph is zoomed out; the host shows none of them.
 */
class GRAPHEDITOR_API SGraphPin : public SBorder
{
public:
	SLATE_BEGIN_ARGS(SGraphPin)
		: _PinLabelStyle(NAME_DefaultPinLabelStyle)
		, _SideToSideMargin(5.0f)
		{
		}
		SLATE_ARGUMENT(FName, PinLabelStyle)
		/** The space between the icon and the label, and between the label and the value box. */
		SLATE_ARGUMENT(float, SideToSideMargin)
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs, UEdGraphPin* InPin);

	UEdGraphPin* GetPinObj() const { return GraphPinObj; }
	EEdGraphPinDirection GetDirection() const;
	bool IsArray() const;
	bool IsConnected() const;
	/** The name the pin shows: the one its node gives it (UEdGraphNode::GetPinDisplayName). */
	virtual FText GetPinLabel() const;

	/** The widget that edits the pin's default value, or the null widget when the pin has none. */
	virtual TSharedRef<SWidget> GetDefaultValueWidget();
	/** Visible on an input pin with no link, where the value is what the pin carries. */
	EVisibility GetDefaultValueVisibility() const;

protected:
	/** The icon: the style's data, array or connected variant of it. */
	virtual const FSlateBrush* GetPinIcon() const;
	/**
	 * The colour of the pin's type in the graph editor settings. The engine asks the graph's schema,
	 * which reads the same settings; in the host the editor modules cannot reference each other both
	 * ways, so the pin widget reads them itself.
	 */
	FSlateColor GetPinColor() const;

	UEdGraphPin* GraphPinObj = nullptr;
};
