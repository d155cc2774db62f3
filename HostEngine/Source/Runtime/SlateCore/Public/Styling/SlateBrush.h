#pragma once

#include "HAL/Platform.h"
#include "Math/Vector2D.h"
#include "Styling/SlateColor.h"
#include "UObject/NameTypes.h"

/** How a brush is drawn. */
namespace ESlateBrushDrawType
{
	enum Type : int
	{
		/** Not drawn at all. */
		NoDrawType,
		/** An image stretched over the area, its margins kept. */
		Box,
		/** Only the margins of an image, around the area. */
		Border,
		/** An image, or a plain colour when the brush names no image. */
		Image,
		/** A box with rounded corners and an outline, drawn without an image. */
		RoundedBox,
	};
}

/** The outline and corners of a rounded box brush. */
struct FSlateBrushOutlineSettings
{
	/** The radius of each corner: top left, top right, bottom right, bottom left. */
	float CornerRadii[4] = {0.0f, 0.0f, 0.0f, 0.0f};
	FSlateColor Color = FLinearColor::Transparent;
	float Width = 0.0f;
};

/**
 * How to draw an image or a box. Widgets hold brushes by pointer into a style set, so a brush's
 * identity is the image it stands for. An image brush names its image by the engine's resource
 * path; the host loads no images, and its painter draws each image it knows in its own way.
 */
struct FSlateBrush
{
	FSlateBrush() = default;
	virtual ~FSlateBrush() = default;

	/** The image's path under the style's content folder, or none for brushes without an image. */
	const FName& GetResourceName() const { return ResourceName; }

	/** The size an image widget asks for when it shows this brush. */
	FVector2D ImageSize = FVector2D(32.0, 32.0);
	ESlateBrushDrawType::Type DrawAs = ESlateBrushDrawType::Image;
	FSlateColor TintColor = FLinearColor::White;
	FSlateBrushOutlineSettings OutlineSettings;

protected:
	FName ResourceName;
};
