#include "Graph/ZovaNodePictures.h"

#include "BlueprintNodeSpawner.h"
#include "EdGraph/EdGraphNode.h"
#include "Framework/Testing/WidgetInspector.h"
#include "Graph/ZovaGraphSession.h"
#include "Graph/ZovaNodeWidget.h"
#include "Rendering/SlateSvgPainter.h"
#include "SGraphNode.h"
#include "Styling/AppStyle.h"

#include <string>

const TCHAR* const ZovaExamplePictureKeys[3] = {TEXT("name"), TEXT("age"), TEXT("city")};

namespace
{
	/** The space of graph around the node, room enough for a corner icon that stands out of it. */
	constexpr float PictureMargin = 16.0f;

	/** The title's letters and digits. */
	FString ToFileStem(const FString& Title)
	{
		FString Name;
		for (int32 Index = 0; Index < Title.Len(); ++Index)
		{
			const TCHAR Character = Title[Index];
			if ((Character >= 'A' && Character <= 'Z') || (Character >= 'a' && Character <= 'z') || (Character >= '0' && Character <= '9'))
			{
				Name.AppendChar(Character);
			}
		}
		return Name;
	}

	FZovaNodePicture Draw(const FZovaNodeWidget& Widget, const FString& Title, const FString& FileName)
	{
		const std::string Svg = FSlateSvgPainter::PaintWidget(Widget.GetWidget(), Title, FAppStyle::GetBrush(TEXT("Graph.Panel.SolidBackground")), PictureMargin);
		FZovaNodePicture Picture;
		Picture.FileName = FileName;
		Picture.Title = Title;
		Picture.Svg.Append(reinterpret_cast<const uint8*>(Svg.data()), int32(Svg.size()));
		return Picture;
	}

	bool HasKeyBox(const FZovaNodeWidget& Widget)
	{
		return FWidgetInspector::FindWidgetByTag(Widget.GetWidget(), TEXT("TextBox")).IsValid();
	}
}

bool DrawNodePictures(const TArray<TPair<FString, UBlueprintNodeSpawner*>>& TitledEntries, TArray<FZovaNodePicture>& OutPictures, FString& OutError)
{
	FZovaGraphSession Session;
	if (!Session.Open(OutError))
	{
		return false;
	}
	for (const TPair<FString, UBlueprintNodeSpawner*>& Entry : TitledEntries)
	{
		UEdGraphNode* const Node = Session.SpawnNode(*Entry.Value);
		if (!Node)
		{
			OutError = FString::Printf(TEXT("the action menu entry \"%s\" places no node"), *Entry.Key);
			return false;
		}
		FZovaNodeWidget Widget(Node);
		const FString Stem = ToFileStem(Entry.Key);
		OutPictures.Add(Draw(Widget, Entry.Key, Stem + TEXT(".svg")));
		if (HasKeyBox(Widget))
		{
			for (const TCHAR* Key : ZovaExamplePictureKeys)
			{
				const FText Refusal = Widget.AddKey(Key);
				check(Refusal.IsEmpty());
			}
			OutPictures.Add(Draw(Widget, Entry.Key + TEXT(" with three keys"), Stem + TEXT("WithKeys.svg")));
		}
	}
	for (int32 Index = 0; Index < OutPictures.Num(); ++Index)
	{
		for (int32 Other = 0; Other < Index; ++Other)
		{
			if (OutPictures[Other].FileName == OutPictures[Index].FileName)
			{
				OutError = FString::Printf(TEXT("\"%s\" and \"%s\" would both be drawn to %s"), *OutPictures[Other].Title, *OutPictures[Index].Title, *OutPictures[Index].FileName);
				return false;
			}
		}
	}
	return true;
}
