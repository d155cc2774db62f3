# The files a run writes: names, file ids, include paths, package flags, line macros, errors, and
# leaving unchanged outputs untouched.

import contextlib
import io
import json
import os
import tempfile
import unittest

import HeaderTool

NODE_HEADER = '''#pragma once
#include "CoreMinimal.h"
#include "Node.generated.h"

DECLARE_DYNAMIC_MULTICAST_DELEGATE_TwoParams(FOnNodeDone,
	const FString&, Result,
	bool, bSuccess);

/** A node. */
UCLASS(MinimalAPI)
class UNode : public UObject
{
	GENERATED_BODY()

public:
	UPROPERTY(BlueprintAssignable)
	FOnNodeDone OnDone;
};
'''

MOOD_HEADER = '''#pragma once
#include "CoreMinimal.h"
#include "Mood.generated.h"

UENUM(BlueprintType)
enum class EMood : uint8
{
	Calm UMETA(DisplayName = "Calm"),
};
'''


class GenerationTest(unittest.TestCase):
	def setUp(self):
		self.directory = tempfile.TemporaryDirectory()
		self.root = self.directory.name
		self.write("CMakePresets.json", "{}")
		self.write("Plugins/Sample/Sample.uplugin", json.dumps({"Modules": [
			{"Name": "SampleRuntime", "Type": "Runtime"},
			{"Name": "SampleEditor", "Type": "UncookedOnly"},
		]}))
		self.output = os.path.join(self.root, "Build", "Inc")

	def tearDown(self):
		self.directory.cleanup()

	def write(self, relative, text):
		path = os.path.join(self.root, relative)
		os.makedirs(os.path.dirname(path), exist_ok=True)
		with open(path, "w", encoding="utf-8") as file:
			file.write(text)
		return path

	def read(self, name):
		with open(os.path.join(self.output, name), encoding="utf-8") as file:
			return file.read()

	def run_tool(self, module, module_dir, *headers):
		errors = io.StringIO()
		with contextlib.redirect_stderr(errors):
			status = HeaderTool.main(["--module", module, "--module-dir", os.path.join(self.root, module_dir), "--output", self.output, *headers])
		return status, errors.getvalue()

	def test_plugin_module_outputs(self):
		node = self.write("Plugins/Sample/Source/SampleEditor/Private/Node.h", NODE_HEADER)
		mood = self.write("Plugins/Sample/Source/SampleEditor/Public/Mood.h", MOOD_HEADER)
		self.assertEqual(self.run_tool("SampleEditor", "Plugins/Sample/Source/SampleEditor", node, mood), (0, ""))

		file_id = "FID_Plugins_Sample_Source_SampleEditor_Private_Node_h"
		generated = self.read("Node.generated.h")
		self.assertTrue(generated.startswith(
			f"#ifdef {file_id}_generated_h\n"
			"#error \"Node.generated.h already included, missing '#pragma once' in Node.h\"\n"
			f"#endif\n#define {file_id}_generated_h\n"))
		self.assertTrue(generated.endswith(f"#undef CURRENT_FILE_ID\n#define CURRENT_FILE_ID {file_id}\n"))
		for line in (5, 6, 7):
			self.assertIn(f"#define {file_id}_{line}_DELEGATE \\\n\tSAMPLEEDITOR_API void FOnNodeDone_DelegateWrapper(const FMulticastScriptDelegate& OnNodeDone, const FString& Result, bool bSuccess);", generated)
		self.assertIn(f"#define {file_id}_13_GENERATED_BODY \\\n", generated)
		self.assertIn(f"#define {file_id}_13_GENERATED_BODY_LEGACY \\\n", generated)
		self.assertIn("DECLARE_CLASS(UNode, UObject, COMPILED_IN_FLAGS(0), CASTCLASS_None, TEXT(\"/Script/SampleEditor\"), SAMPLEEDITOR_API)", generated)
		self.assertIn("enum class EMood : uint8;\ntemplate <> SAMPLEEDITOR_API UEnum* StaticEnum<EMood>();", self.read("Mood.generated.h"))

		source = self.read("SampleEditor.gen.cpp")
		self.assertTrue(source.index('#include "UObject/GeneratedCppIncludes.h"') < source.index('#include "Node.h"') < source.index('#include "Mood.h"'))
		self.assertIn(".PackageFlags = PKG_CompiledIn | PKG_UncookedOnly", source)
		self.assertIn('{ "IncludePath", "Node.h" }', source)
		self.assertIn('{ "ModuleRelativePath", "Private/Node.h" }', source)
		self.assertIn('{ "ModuleRelativePath", "Public/Mood.h" }', source)
		self.assertIn("Z_CompiledInDeferFile_SampleEditor(TEXT(\"/Script/SampleEditor\"), Z_CompiledInClasses_SampleEditor, 1, nullptr, 0, Z_CompiledInEnums_SampleEditor, 1, Z_CompiledInDelegates_SampleEditor, 1);", source)

	def test_package_flags_follow_the_module_type(self):
		cases = [
			("Plugins/Sample/Source/SampleRuntime", "SampleRuntime", ".PackageFlags = PKG_CompiledIn }"),
			("HostEngine/Source/Editor/GraphEditor", "GraphEditor", ".PackageFlags = PKG_CompiledIn | PKG_EditorOnly }"),
			("HostEngine/Source/Runtime/Engine", "Engine", ".PackageFlags = PKG_CompiledIn }"),
		]
		for module_dir, module, expected in cases:
			with self.subTest(module):
				header = self.write(f"{module_dir}/Classes/Mood.h", MOOD_HEADER)
				self.assertEqual(self.run_tool(module, module_dir, header)[0], 0)
				self.assertIn(expected, self.read(f"{module}.gen.cpp"))

	def test_a_test_folder_is_its_own_include_root(self):
		header = self.write("Tests/Sample/Mood.h", MOOD_HEADER)
		self.assertEqual(self.run_tool("SampleTests", "Tests/Sample", header)[0], 0)
		source = self.read("SampleTests.gen.cpp")
		self.assertIn('#include "Mood.h"', source)
		self.assertIn('{ "ModuleRelativePath", "Mood.h" }', source)

	def test_unchanged_outputs_are_not_rewritten(self):
		node = self.write("Plugins/Sample/Source/SampleEditor/Private/Node.h", NODE_HEADER)
		mood = self.write("Plugins/Sample/Source/SampleEditor/Public/Mood.h", MOOD_HEADER)
		self.run_tool("SampleEditor", "Plugins/Sample/Source/SampleEditor", node, mood)
		outputs = [os.path.join(self.output, name) for name in ("Node.generated.h", "Mood.generated.h", "SampleEditor.gen.cpp")]
		for path in outputs:
			os.utime(path, (1000, 1000))
		self.write("Plugins/Sample/Source/SampleEditor/Public/Mood.h", MOOD_HEADER.replace("Calm UMETA(DisplayName = \"Calm\"),", "Calm,\n\tAngry,"))
		self.run_tool("SampleEditor", "Plugins/Sample/Source/SampleEditor", node, mood)
		self.assertEqual([os.path.getmtime(path) == 1000 for path in outputs], [True, False, False])

	def test_an_error_is_reported_and_writes_nothing(self):
		node = self.write("Plugins/Sample/Source/SampleEditor/Private/Node.h", NODE_HEADER)
		self.run_tool("SampleEditor", "Plugins/Sample/Source/SampleEditor", node)
		before = self.read("SampleEditor.gen.cpp")
		self.write("Plugins/Sample/Source/SampleEditor/Private/Node.h", NODE_HEADER.replace("FOnNodeDone OnDone;", "FOnNodeDone OnDone;\n\tUPROPERTY()\n\tFVector Where;"))
		status, errors = self.run_tool("SampleEditor", "Plugins/Sample/Source/SampleEditor", node)
		self.assertEqual(status, 1)
		self.assertTrue(errors.startswith(f"{node}(19): error: cannot map the type 'FVector'"), errors)
		self.assertEqual(self.read("SampleEditor.gen.cpp"), before)

	def test_two_headers_with_one_name_are_refused(self):
		first = self.write("Plugins/Sample/Source/SampleEditor/Public/Mood.h", MOOD_HEADER)
		second = self.write("Plugins/Sample/Source/SampleEditor/Private/Mood.h", MOOD_HEADER.replace("EMood", "EOtherMood"))
		status, errors = self.run_tool("SampleEditor", "Plugins/Sample/Source/SampleEditor", first, second)
		self.assertEqual(status, 1)
		self.assertIn("also named Mood.h", errors)


if __name__ == "__main__":
	unittest.main()
