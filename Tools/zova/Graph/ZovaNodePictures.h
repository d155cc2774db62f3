#pragma once

#include "CoreMinimal.h"

class UBlueprintNodeSpawner;

/** A picture of a node, drawn from the widget the graph panel shows for it. */
struct FZovaNodePicture
{
	/** The file name: the title's letters and digits, then "WithKeys" for a picture with keys, ".svg". */
	FString FileName;
	FString Title;
	/** The SVG document, UTF-8. */
	TArray<uint8> Svg;
};

/**
 * Places the node of each action-menu entry in a graph and draws its widget. A node whose widget
 * has a key box is drawn a second time with the example keys typed into the box and added with
 * its button, as an author adds them.
 * @return false with OutError when a node cannot be placed or two pictures would share a file name
 */
bool DrawNodePictures(const TArray<TPair<FString, UBlueprintNodeSpawner*>>& TitledEntries, TArray<FZovaNodePicture>& OutPictures, FString& OutError);

/** The keys the keyed nodes' second pictures show. */
extern const TCHAR* const ZovaExamplePictureKeys[3];
