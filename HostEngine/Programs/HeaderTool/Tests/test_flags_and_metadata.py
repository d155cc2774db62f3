# Flags and metadata derived from specifiers and declarations.

import unittest

import ReflectionFlags
import ReflectionMetadata
from HeaderParser import parse_header

PRELUDE = '#pragma once\n#include "Sample.generated.h"\n'


def parse_class(specifiers, members, api=""):
	source = PRELUDE + f"UCLASS({specifiers})\nclass {api}USample : public UObject\n{{\n\tGENERATED_BODY()\npublic:\n{members}}};\n"
	return parse_header("Sample.h", source).classes[0]


class FunctionFlagsTest(unittest.TestCase):
	CASES = [
		# (declaration, flags it must have, flags it must not have)
		("UFUNCTION(BlueprintCallable)\n\tstatic bool Split(const FString& In, TArray<FString>& Out);",
			{"FUNC_Native", "FUNC_Static", "FUNC_Final", "FUNC_Public", "FUNC_BlueprintCallable", "FUNC_HasOutParms"},
			{"FUNC_BlueprintPure", "FUNC_Const", "FUNC_HasDefaults"}),
		("UFUNCTION(BlueprintPure)\n\tstatic FString Join(const FString& A, const FString& B);",
			{"FUNC_BlueprintCallable", "FUNC_BlueprintPure", "FUNC_HasOutParms"}, set()),
		("UFUNCTION(BlueprintCallable, BlueprintPure = false)\n\tint32 Count() const;",
			{"FUNC_BlueprintCallable", "FUNC_Const", "FUNC_Final"}, {"FUNC_BlueprintPure", "FUNC_Static"}),
		("UFUNCTION(BlueprintCallable)\n\tint32 Peek() const;", {"FUNC_Const"}, {"FUNC_BlueprintPure"}),
		("UFUNCTION()\n\tvirtual void Run(int32 Times = 2) override;", {"FUNC_Native", "FUNC_HasDefaults"},
			{"FUNC_Final", "FUNC_BlueprintCallable", "FUNC_HasOutParms"}),
		("UFUNCTION()\n\tvirtual void Stop() final;", {"FUNC_Final"}, set()),
		("UFUNCTION(BlueprintAuthorityOnly, BlueprintCosmetic)\n\tvoid Show();",
			{"FUNC_BlueprintAuthorityOnly", "FUNC_BlueprintCosmetic"}, {"FUNC_BlueprintCallable"}),
	]

	def test_function_flags(self):
		for declaration, present, absent in self.CASES:
			with self.subTest(declaration):
				flags = set(ReflectionFlags.function_flags(parse_class("", "\t" + declaration + "\n").functions[0]))
				self.assertEqual(present - flags, set())
				self.assertEqual(absent & flags, set())

	def test_access_specifier_sets_the_function_access_flag(self):
		reflected = parse_class("", "\tUFUNCTION()\n\tvoid A();\nprotected:\n\tUFUNCTION()\n\tvoid B();\nprivate:\n\tUFUNCTION()\n\tvoid C();\n")
		access = [[flag for flag in ReflectionFlags.function_flags(function) if flag in ("FUNC_Public", "FUNC_Protected", "FUNC_Private")] for function in reflected.functions]
		self.assertEqual(access, [["FUNC_Public"], ["FUNC_Protected"], ["FUNC_Private"]])

	def test_parameter_flags(self):
		function = parse_class("", "\tUFUNCTION()\n\tstatic void F(int32 ByValue, const FString& In, const FText& Text, const TArray<FString>& Keys, TArray<FString>& Out, FString& OutString, const UObject* Object);\n").functions[0]
		flags = [ReflectionFlags.parameter_flags(parameter) for parameter in function.parameters]
		by_const_reference = ["CPF_Parm", "CPF_OutParm", "CPF_ConstParm", "CPF_ReferenceParm", "CPF_NativeAccessSpecifierPublic"]
		self.assertEqual(flags, [
			["CPF_Parm", "CPF_NativeAccessSpecifierPublic"],
			["CPF_Parm", "CPF_NativeAccessSpecifierPublic"],
			by_const_reference,
			by_const_reference,
			["CPF_Parm", "CPF_OutParm", "CPF_NativeAccessSpecifierPublic"],
			["CPF_Parm", "CPF_OutParm", "CPF_NativeAccessSpecifierPublic"],
			["CPF_Parm", "CPF_ConstParm", "CPF_NativeAccessSpecifierPublic"],
		])
		self.assertEqual(ReflectionFlags.return_flags()[:3], ["CPF_Parm", "CPF_OutParm", "CPF_ReturnParm"])


class ClassFlagsAndMetadataTest(unittest.TestCase):
	def test_class_flags(self):
		cases = [
			("MinimalAPI", "", ["CLASS_Native", "CLASS_MinimalAPI"], []),
			("", "SAMPLE_API ", ["CLASS_Native", "CLASS_RequiredAPI"], []),
			("Abstract, Transient, Config = Game", "SAMPLE_API ", ["CLASS_Native", "CLASS_RequiredAPI", "CLASS_Abstract", "CLASS_Transient", "CLASS_Config"], ["CLASS_Abstract", "CLASS_Transient", "CLASS_Config"]),
		]
		for specifiers, api, flags, static_flags in cases:
			with self.subTest(specifiers or api):
				reflected = parse_class(specifiers, "", api)
				self.assertEqual(ReflectionFlags.class_flags(reflected), flags)
				self.assertEqual(ReflectionFlags.class_static_flags(reflected), static_flags)

	def test_class_metadata(self):
		cases = [
			("BlueprintType", {"BlueprintType": "true"}),
			("Blueprintable", {"BlueprintType": "true", "IsBlueprintBase": "true"}),
			("NotBlueprintable", {"IsBlueprintBase": "false"}),
			("meta = (DisplayName = \"Sample Node\", ShowWorldContextPin)", {"DisplayName": "Sample Node", "ShowWorldContextPin": "true"}),
		]
		for specifiers, expected in cases:
			with self.subTest(specifiers):
				metadata = ReflectionMetadata.class_metadata(parse_class(specifiers, ""), "Private/Sample.h", "Sample.h")
				for key, value in expected.items():
					self.assertEqual(metadata.get(key), value)
				self.assertEqual(metadata["ModuleRelativePath"], "Private/Sample.h")
				self.assertEqual(metadata["IncludePath"], "Sample.h")
				if "DisplayName" not in expected:
					self.assertNotIn("DisplayName", metadata)

	def test_metadata_is_sorted_ignoring_case(self):
		keys = [key for key, _ in ReflectionMetadata.sorted_metadata({"ToolTip": "", "CPP_Default_B": "", "Category": "", "Comment": "", "ModuleRelativePath": ""})]
		self.assertEqual(keys, ["Category", "Comment", "CPP_Default_B", "ModuleRelativePath", "ToolTip"])

	def test_function_metadata_records_default_arguments(self):
		cases = [
			("bool bFlag = true", "true"),
			("int32 Count = -1", "-1"),
			("float Scale = 1.5f", "1.500000"),
			("const FString& Text = TEXT(\"a \\\"b\\\"\")", 'a "b"'),
			("FString Text = FString()", ""),
			("const FString& Text = TEXT(\"\")", ""),
			("FName Name = NAME_None", "None"),
			("FName Name = FName(TEXT(\"Pin\"))", "Pin"),
			("UObject* Object = nullptr", "None"),
			("EMood Mood = EMood::Calm", "Calm"),
		]
		for parameter, expected in cases:
			with self.subTest(parameter):
				function = parse_class("", f"\tUFUNCTION(Category = \"Sample\")\n\tstatic void F({parameter});\n").functions[0]
				metadata = ReflectionMetadata.function_metadata(function, "Public/Sample.h")
				name = function.parameters[0].name
				self.assertEqual(metadata[f"CPP_Default_{name}"], expected)
				self.assertEqual(metadata["Category"], "Sample")

	def test_enum_metadata_per_enumerator(self):
		enum = parse_header("Sample.h", PRELUDE + (
			"/** Moods. */\nUENUM(BlueprintType)\nenum class EMood : uint8\n{\n"
			"\t// Quiet\n\tCalm UMETA(DisplayName = \"Calm Mood\"),\n"
			"\tAngry UMETA(ToolTip = \"Loud\"),\n};\n")).enums[0]
		metadata = ReflectionMetadata.enum_metadata(enum, "Public/Sample.h")
		self.assertEqual(metadata, {
			"BlueprintType": "true",
			"Comment": "/** Moods. */",
			"ToolTip": "Moods.",
			"ModuleRelativePath": "Public/Sample.h",
			"Calm.Name": "EMood::Calm",
			"Calm.Comment": "// Quiet",
			"Calm.ToolTip": "Quiet",
			"Calm.DisplayName": "Calm Mood",
			"Angry.Name": "EMood::Angry",
			"Angry.ToolTip": "Loud",
		})


if __name__ == "__main__":
	unittest.main()
