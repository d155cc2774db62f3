#include "HostEditorStyle.h"
#include "Brushes/SlateBoxBrush.h"
#include "Brushes/SlateColorBrush.h"
#include "Brushes/SlateImageBrush.h"
#include "Brushes/SlateNoResource.h"
#include "Brushes/SlateRoundedBoxBrush.h"
#include "Styling/SlateTypes.h"

#include <cmath>

namespace
{
	/** A colour written as sRGB hex, as the engine's theme colours are, decoded to linear. */
	FLinearColor FromSRGB(uint32 RGB)
	{
		const auto Decode = [](uint32 Channel)
		{
			const float Value = float(Channel) / 255.0f;
			return Value <= 0.04045f ? Value / 12.92f : std::pow((Value + 0.055f) / 1.055f, 2.4f);
		};
		return FLinearColor(Decode((RGB >> 16) & 0xFF), Decode((RGB >> 8) & 0xFF), Decode(RGB & 0xFF));
	}

	// The editor's default dark theme (FStyleColors).
	const FLinearColor ColorInput = FromSRGB(0x0F0F0F);
	const FLinearColor ColorInputOutline = FromSRGB(0x383838);
	const FLinearColor ColorPanel = FromSRGB(0x242424);
	const FLinearColor ColorForeground = FromSRGB(0xC0C0C0);

	// The core style's input boxes (CoreStyleConstants).
	constexpr float InputFocusRadius = 4.0f;
	constexpr float InputFocusThickness = 1.0f;

	const FVector2D Icon12x16(12.0, 16.0);
	const FVector2D Icon16x16(16.0, 16.0);
	const FVector2D Icon15x11(15.0, 11.0);
	const FVector2D Icon11x11(11.0, 11.0);
}

FHostEditorStyle::FHostEditorStyle()
	: FSlateStyleSet(TEXT("EditorStyle"))
{
	SetupCoreStyles();
	SetupGraphNodeStyles();
	SetupGraphPinStyles();
}

void FHostEditorStyle::SetupCoreStyles()
{
	Set(TEXT("DefaultForeground"), ColorForeground);

	const FTextBlockStyle NormalText = FTextBlockStyle()
		.SetFont(FSlateFontInfo(TEXT("Regular"), 10.0f))
		.SetColorAndOpacity(FSlateColor::UseForeground());
	Set(TEXT("NormalText"), NormalText);

	Set(TEXT("Border"), new FSlateColorBrush(ColorPanel));
	Set(TEXT("NoBorder"), new FSlateNoResource());
	Set(TEXT("Button"), FButtonStyle());
	Set(TEXT("NoBorder"), FButtonStyle());

	Set(TEXT("NormalEditableTextBox"), FEditableTextBoxStyle()
		.SetTextStyle(NormalText)
		.SetBackgroundImageNormal(FSlateRoundedBoxBrush(ColorInput, InputFocusRadius, ColorInputOutline, InputFocusThickness))
		.SetPadding(FMargin(8.0f, 3.0f, 8.0f, 4.0f))
		.SetForegroundColor(ColorForeground));

	Set(TEXT("Icons.Plus"), new FSlateImageBrush(TEXT("Starship/Common/plus"), Icon16x16));
	Set(TEXT("Icons.Minus"), new FSlateImageBrush(TEXT("Starship/Common/minus"), Icon16x16));
}

void FHostEditorStyle::SetupGraphNodeStyles()
{
	Set(TEXT("Graph.Panel.SolidBackground"), new FSlateImageBrush(TEXT("Graph/GraphPanel_SolidBackground"), Icon16x16));

	Set(TEXT("Graph.Node.Body"), new FSlateBoxBrush(TEXT("Graph/RegularNode_body"), FMargin(16.0f / 64.0f, 25.0f / 64.0f, 16.0f / 64.0f, 16.0f / 64.0f)));
	Set(TEXT("Graph.Node.ColorSpill"), new FSlateBoxBrush(TEXT("Graph/RegularNode_color_spill"), FMargin(8.0f / 64.0f, 3.0f / 32.0f, 0.0f, 0.0f)));
	Set(TEXT("GraphEditor.Default_16x"), new FSlateImageBrush(TEXT("Starship/GraphEditors/Node"), Icon16x16));
	Set(TEXT("Graph.Latent.LatentIcon"), new FSlateImageBrush(TEXT("Graph/LatentIcon"), FVector2D(32.0, 32.0)));

	Set(TEXT("Graph.Node.NodeTitle"), FTextBlockStyle()
		.SetFont(FSlateFontInfo(TEXT("Bold"), 10.0f))
		.SetColorAndOpacity(ColorForeground));
	Set(TEXT("Graph.Node.PinName"), FTextBlockStyle()
		.SetFont(FSlateFontInfo(TEXT("Regular"), 9.0f))
		.SetColorAndOpacity(FLinearColor(218.0f / 255.0f, 218.0f / 255.0f, 218.0f / 255.0f)));

	Set(TEXT("Graph.EditableTextBox"), FEditableTextBoxStyle()
		.SetTextStyle(FTextBlockStyle().SetFont(FSlateFontInfo(TEXT("Regular"), 10.0f)))
		.SetBackgroundImageNormal(FSlateBoxBrush(TEXT("Graph/CommonWidgets/TextBox"), FMargin(4.0f / 16.0f))));
}

void FHostEditorStyle::SetupGraphPinStyles()
{
	Set(TEXT("Graph.Pin.Background"), new FSlateNoResource());
	Set(TEXT("Graph.Pin.DiffHighlight"), new FSlateImageBrush(TEXT("Graph/Pin_DiffHighlight"), FVector2D(32.0, 8.0)));

	// The data pins' look of the graph editor's default pin style (variant A).
	Set(TEXT("Graph.Pin.Connected_VarA"), new FSlateImageBrush(TEXT("Graph/Pin_connected_VarA"), Icon15x11));
	Set(TEXT("Graph.Pin.Disconnected_VarA"), new FSlateImageBrush(TEXT("Graph/Pin_disconnected_VarA"), Icon15x11));
	Set(TEXT("Graph.ArrayPin.Connected"), new FSlateImageBrush(TEXT("Graph/ArrayPin_connected"), Icon11x11));
	Set(TEXT("Graph.ArrayPin.Disconnected"), new FSlateImageBrush(TEXT("Graph/ArrayPin_disconnected"), Icon11x11));
	Set(TEXT("Graph.ExecPin.Connected"), new FSlateImageBrush(TEXT("Old/Graph/ExecPin_Connected"), Icon12x16));
	Set(TEXT("Graph.ExecPin.Disconnected"), new FSlateImageBrush(TEXT("Old/Graph/ExecPin_Disconnected"), Icon12x16));
}
