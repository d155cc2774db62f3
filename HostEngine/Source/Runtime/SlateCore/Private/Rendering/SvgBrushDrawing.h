#pragma once

// Host engine only: how the host's painter draws a brush. Rounded boxes and plain colours are drawn
// as the engine draws them. The engine's images are textures and SVG files the host does not have;
// the painter draws its own likeness of each image the host's style set names, in the brush's tint.

#include "CoreMinimal.h"
#include "SvgCanvas.h"

struct FSlateBrush;

/** Draws Brush over Rect in Tint (the brush's tint and its widget's colour multiplied). */
void DrawSvgBrush(FSvgCanvas& Canvas, const FSlateBrush& Brush, const FSvgRect& Rect, const FLinearColor& Tint);
