// zova nodes: the Blueprint action-menu entries of the plug-ins, as the editor's menu gathers them
// from every node class (the latent node of async actions among them) and every function that
// Blueprints may call; with --svg, pictures of the nodes drawn from their widgets.

#include "BlueprintActionDatabase.h"
#include "BlueprintNodeSpawner.h"
#include "CoreMinimal.h"
#include "CoreUObject.h"
#include "Dom/JsonObject.h"
#include "Dom/JsonValue.h"
#include "EdGraph/EdGraphNode.h"
#include "Graph/ZovaNodePictures.h"
#include "Graph/ZovaScopedEditor.h"
#include "K2Node.h"
#include "K2Node_CallFunction.h"
#include "Misc/Paths.h"
#include "Modules/ModuleManager.h"
#include "ZovaArguments.h"
#include "ZovaCommand.h"
#include "ZovaOutput.h"
#include "ZovaStagedFiles.h"

namespace
{
	const TCHAR* const PluginModules[] = {TEXT("ZOVAJson"), TEXT("ZOVAJsonEditor"), TEXT("ZOVAHttp"), TEXT("ZOVALauncherAPI")};
	const TCHAR* const ContainerNames[] = {TEXT("none"), TEXT("array"), TEXT("set"), TEXT("map")};

	/** One menu entry: shown as its spawner's menu signature says, with the pins of the node it makes. */
	struct FMenuEntry
	{
		FString Category;
		FString Title;
		FString Tooltip;
		FString Class;
		TArray<UEdGraphPin*> Pins;
		UBlueprintNodeSpawner* Spawner = nullptr;
		/** A node of its own class, not a call of a function. */
		bool bIsNodeClass = false;
	};

	/** Loads the plug-in modules that are present; returns their script packages. */
	TArray<FString> LoadPluginModules()
	{
		TArray<FString> Packages;
		for (const TCHAR* Module : PluginModules)
		{
			if (FModuleManager::Get().LoadModule(Module))
			{
				Packages.Add(FString(TEXT("/Script/")) + Module);
			}
		}
		return Packages;
	}

	TArray<FMenuEntry> GatherEntries(const TArray<FString>& Packages)
	{
		TArray<FMenuEntry> Entries;
		for (const TPair<const UObject*, FBlueprintActionDatabase::FActionList>& Action : FBlueprintActionDatabase::Get().GetAllActions())
		{
			if (!Packages.Contains(Action.Key->GetOutermost()->GetName()))
			{
				continue;
			}
			for (UBlueprintNodeSpawner* Spawner : Action.Value)
			{
				const UK2Node* const Template = Cast<UK2Node>(Spawner->GetTemplateNode());
				if (!Template)
				{
					continue;
				}
				const FBlueprintActionUiSpec& MenuSignature = Spawner->PrimeDefaultUiSpec();
				FMenuEntry& Entry = Entries.AddDefaulted_GetRef();
				Entry.Category = MenuSignature.Category.ToString();
				Entry.Title = MenuSignature.MenuName.ToString();
				Entry.Tooltip = MenuSignature.Tooltip.ToString();
				Entry.Class = Template->GetClass()->GetName();
				Entry.Pins = Template->Pins.FilterByPredicate([](const UEdGraphPin* Pin) { return !Pin->bHidden; });
				Entry.Spawner = Spawner;
				Entry.bIsNodeClass = !Template->IsA<UK2Node_CallFunction>();
			}
		}
		Entries.Sort([](const FMenuEntry& A, const FMenuEntry& B)
		{
			return A.Category != B.Category ? A.Category < B.Category : A.Title < B.Title;
		});
		return Entries;
	}

	TSharedRef<FJsonObject> ToJson(const FMenuEntry& Entry)
	{
		TArray<TSharedPtr<FJsonValue>> Pins;
		for (const UEdGraphPin* Pin : Entry.Pins)
		{
			const TSharedRef<FJsonObject> PinObject = MakeShared<FJsonObject>();
			PinObject->SetStringField(TEXT("name"), Pin->GetName());
			PinObject->SetStringField(TEXT("label"), Pin->GetDisplayName().ToString());
			PinObject->SetStringField(TEXT("direction"), Pin->Direction == EGPD_Input ? TEXT("input") : TEXT("output"));
			PinObject->SetStringField(TEXT("category"), Pin->PinType.PinCategory.ToString());
			PinObject->SetStringField(TEXT("container"), ContainerNames[(int32)Pin->PinType.ContainerType]);
			Pins.Add(MakeShared<FJsonValueObject>(PinObject));
		}
		const TSharedRef<FJsonObject> Object = MakeShared<FJsonObject>();
		Object->SetStringField(TEXT("category"), Entry.Category);
		Object->SetStringField(TEXT("title"), Entry.Title);
		Object->SetStringField(TEXT("tooltip"), Entry.Tooltip);
		Object->SetStringField(TEXT("class"), Entry.Class);
		Object->SetArrayField(TEXT("pins"), Pins);
		return Object;
	}

	/**
	 * The pins on one line, by name, with the label the editor shows where it is another text:
	 * "in In Json: string, out OnSuccess \"On Success\": exec, out String Array: string (array)".
	 */
	FString DescribePins(const FMenuEntry& Entry)
	{
		TArray<FString> Pins;
		for (const UEdGraphPin* Pin : Entry.Pins)
		{
			const FString Name = Pin->GetName();
			const FString Label = Pin->GetDisplayName().ToString();
			const FString Shown = Label.IsEmpty() || Label.Equals(Name, ESearchCase::CaseSensitive) ? Name : FString::Printf(TEXT("%s \"%s\""), *Name, *Label);
			const EPinContainerType Container = Pin->PinType.ContainerType;
			const FString Suffix = Container == EPinContainerType::None ? FString() : FString::Printf(TEXT(" (%s)"), ContainerNames[(int32)Container]);
			Pins.Add(FString::Printf(TEXT("%s %s: %s%s"), Pin->Direction == EGPD_Input ? TEXT("in") : TEXT("out"), *Shown, *Pin->PinType.PinCategory.ToString(), *Suffix));
		}
		return FString::Join(Pins, TEXT(", "));
	}

	/** Draws the node classes' entries and writes the pictures into Folder, replacing earlier ones. */
	int32 WritePictures(const TArray<FMenuEntry>& Entries, const FString& Folder, bool bJson)
	{
		TArray<TPair<FString, UBlueprintNodeSpawner*>> NodeEntries;
		for (const FMenuEntry& Entry : Entries)
		{
			if (Entry.bIsNodeClass)
			{
				NodeEntries.Add({Entry.Title, Entry.Spawner});
			}
		}
		TArray<FZovaNodePicture> Pictures;
		FString Error;
		if (!DrawNodePictures(NodeEntries, Pictures, Error))
		{
			ZovaOutput::PrintError(Error);
			return EZovaExit::Failure;
		}
		const FString FullFolder = FPaths::ConvertRelativePathToFull(FPaths::LaunchDir(), Folder);
		FZovaStagedFiles Files(FullFolder);
		for (const FZovaNodePicture& Picture : Pictures)
		{
			Files.Add(Picture.FileName, Picture.Svg);
		}
		if (!Files.Commit(true, Error))
		{
			return ZovaOutput::UsageError(Error);
		}

		if (bJson)
		{
			TArray<TSharedPtr<FJsonValue>> Paths;
			for (const FZovaNodePicture& Picture : Pictures)
			{
				Paths.Add(MakeShared<FJsonValueString>(FPaths::Combine(FullFolder, Picture.FileName)));
			}
			const TSharedRef<FJsonObject> Object = MakeShared<FJsonObject>();
			Object->SetArrayField(TEXT("pictures"), Paths);
			ZovaOutput::PrintJson(Object);
			return EZovaExit::Success;
		}
		TArray<TArray<FString>> Rows = {{TEXT("Picture"), TEXT("Path")}};
		for (const FZovaNodePicture& Picture : Pictures)
		{
			Rows.Add({Picture.Title, FPaths::Combine(FullFolder, Picture.FileName)});
		}
		ZovaOutput::PrintTable(Rows);
		return EZovaExit::Success;
	}

	int32 RunNodes(const FZovaArguments& Arguments)
	{
		if (Arguments.NumPositional() != 0)
		{
			return ZovaOutput::UsageError(TEXT("nodes takes no arguments (see zova nodes --help)"));
		}
		// Names, tooltips and pictures as the Blueprint editor shows them, so with the editor running.
		const FZovaScopedEditor Editor;
		const TArray<FMenuEntry> Entries = GatherEntries(LoadPluginModules());
		FString PictureFolder;
		if (Arguments.GetOption(TEXT("svg"), PictureFolder))
		{
			return WritePictures(Entries, PictureFolder, Arguments.WantsJson());
		}
		if (Arguments.WantsJson())
		{
			TArray<TSharedPtr<FJsonValue>> Nodes;
			for (const FMenuEntry& Entry : Entries)
			{
				Nodes.Add(MakeShared<FJsonValueObject>(ToJson(Entry)));
			}
			const TSharedRef<FJsonObject> Object = MakeShared<FJsonObject>();
			Object->SetArrayField(TEXT("nodes"), Nodes);
			ZovaOutput::PrintJson(Object);
			return EZovaExit::Success;
		}
		TArray<TArray<FString>> Rows = {{TEXT("Category"), TEXT("Title"), TEXT("Class"), TEXT("Pins"), TEXT("Tooltip")}};
		for (const FMenuEntry& Entry : Entries)
		{
			Rows.Add({Entry.Category, Entry.Title, Entry.Class, DescribePins(Entry), Entry.Tooltip.Replace(TEXT("\n"), TEXT(" "))});
		}
		ZovaOutput::PrintTable(Rows);
		return EZovaExit::Success;
	}

	const FZovaCommandRegistration NodesRegistration({
		TEXT("nodes"),
		TEXT("lists the Blueprint action-menu entries of the plug-ins: category, title, tooltip, pins"),
		TEXT("Usage: zova nodes [--svg DIR] [--json]\n\n")
		TEXT("Loads the plug-in modules by name and lists what the Blueprint action menu offers from them: the\n")
		TEXT("nodes that register themselves and the functions Blueprints may call, with their visible pins:\n")
		TEXT("each by name, then the label the editor shows in quotes where it differs (OnSuccess \"On Success\";\n")
		TEXT("the execute and then pins show none). --json gives each pin's \"name\" and \"label\".\n\n")
		TEXT("--svg DIR  instead of listing, draws a picture of each node (the function calls aside) from the\n")
		TEXT("           widget the graph editor shows for it, and writes them into DIR as <Title>.svg, letters\n")
		TEXT("           and digits of the title only; a node with a key box again as <Title>WithKeys.svg, with\n")
		TEXT("           the keys name, age and city added through the box. Existing pictures are replaced;\n")
		TEXT("           the files are written all or none. --json prints {\"pictures\": [paths]}.\n\n")
		TEXT("Example:\n")
		TEXT("  $ zova nodes | grep 'Json To Array'\n")
		TEXT("  ZOVA Http Json  Json To Array              ZOVAK2Node_JsonToArray      in In Json: string, out Success: bool, out String Array: string (array)                                                                                           Parse Json To Array String\n")
		TEXT("  $ zova nodes --svg docs/nodes | grep 'Json Create'\n")
		TEXT("  Json Create                  /home/me/zova/docs/nodes/JsonCreate.svg\n")
		TEXT("  Json Create with three keys  /home/me/zova/docs/nodes/JsonCreateWithKeys.svg"),
		{},
		{{TEXT("svg"), EZovaValue::Path}},
		{},
		&RunNodes,
	});
}
