# What the parser reads out of reflected declarations: members, access, constructors, functions,
# enums, delegates and specifiers.

import unittest

from HeaderParser import parse_header


def parse(body):
	return parse_header("Sample.h", '#pragma once\n#include "CoreMinimal.h"\n#include "Sample.generated.h"\n' + body)


class HeaderParserTest(unittest.TestCase):
	def test_members_keep_the_access_in_force(self):
		header = parse(
			"UCLASS()\nclass USample : public UObject\n{\n\tGENERATED_BODY()\n"
			"\tUPROPERTY()\n\tint32 AfterBody;\n"
			"public:\n\tUPROPERTY()\n\tint32 Visible = 1;\n"
			"protected:\n\tUFUNCTION()\n\tvoid Guarded();\n"
			"private:\n\tUPROPERTY()\n\tTArray<FString> Hidden{TEXT(\"a\")};\n};\n")
		reflected = header.classes[0]
		self.assertEqual([(member.name, member.access) for member in reflected.properties],
			[("AfterBody", "private"), ("Visible", "public"), ("Hidden", "private")])
		self.assertEqual(reflected.functions[0].access, "protected")

	def test_legacy_body_leaves_members_public(self):
		reflected = parse("UCLASS()\nclass USample : public UObject\n{\n\tGENERATED_UCLASS_BODY()\n\tUPROPERTY()\n\tint32 Value;\n};\n").classes[0]
		self.assertTrue(reflected.is_legacy_body)
		self.assertEqual(reflected.properties[0].access, "public")

	def test_constructors_are_recognised(self):
		cases = [
			("none", "", (False, False)),
			("default", "\tUSample();\n", (True, False)),
			("initializer", "\tUSample(const FObjectInitializer& ObjectInitializer);\n", (False, True)),
			("initializer with default", "\texplicit USample(const FObjectInitializer& Init = FObjectInitializer::Get()) : Super(Init), Value{3} {}\n", (False, True)),
			("inline default", "\tUSample() : Value(2) { Value += 1; }\n", (True, False)),
		]
		for what, constructor, expected in cases:
			with self.subTest(what):
				reflected = parse(
					"UCLASS()\nclass SAMPLE_API USample final : public UObject\n{\n\tGENERATED_BODY()\npublic:\n"
					+ constructor + "\t~USample();\n\tstatic USample* Make();\n\tint32 Value;\n};\n").classes[0]
				self.assertEqual((reflected.has_default_constructor, reflected.has_initializer_constructor), expected)
				self.assertFalse(reflected.has_other_constructor)
				self.assertTrue(reflected.has_api)
				self.assertEqual(reflected.super_name, "UObject")

	def test_function_declarations(self):
		reflected = parse(
			"UCLASS()\nclass USample : public UObject\n{\n\tGENERATED_BODY()\npublic:\n"
			"\tUFUNCTION(BlueprintCallable)\n\tstatic FORCEINLINE bool Split(const FString& InText, TArray<FString>& OutParts, const TMap<FString, FString>& Options, bool bTrim = true);\n"
			"\tUFUNCTION()\n\tvirtual int32 Count(UPARAM(ref) TArray<int32>& Items) const override { return Items.Num(); }\n"
			"\tUFUNCTION()\n\tvoid Nothing(void);\n"
			"\tUFUNCTION()\n\tUObject* Find(FName Name = NAME_None, const UClass* Class = nullptr) const;\n"
			"};\n").classes[0]
		split, count, nothing, find = reflected.functions
		self.assertTrue(split.is_static)
		self.assertEqual(split.return_type.name, "bool")
		self.assertEqual([parameter.type.declared_text() for parameter in split.parameters],
			["const FString&", "TArray<FString>&", "const TMap<FString, FString>&", "bool"])
		self.assertEqual(split.parameters[3].default, "true")
		self.assertTrue(count.is_virtual and count.is_const and not count.is_static)
		self.assertEqual(count.parameters[0].type.declared_text(), "TArray<int32>&")
		self.assertIsNone(nothing.return_type)
		self.assertEqual(nothing.parameters, [])
		self.assertEqual(find.return_type.value_text(), "UObject*")
		self.assertEqual([parameter.default for parameter in find.parameters], ["NAME_None", "nullptr"])

	def test_enum_forms(self):
		header = parse(
			"UENUM(BlueprintType)\nenum class EMood : uint8\n{\n\t/** Calm. */\n\tCalm UMETA(DisplayName = \"Calm Mood\"),\n\tAngry = 4 UMETA(Hidden),\n};\n"
			"UENUM()\nnamespace EOld\n{\n\tenum Type\n\t{\n\t\tFirst,\n\t\tSecond\n\t};\n}\n"
			"UENUM()\nenum EPlain : int32 { PlainA = 1 << 2, PlainB };\n")
		mood, old, plain = header.enums
		self.assertEqual((mood.cpp_form, mood.underlying_type, mood.cpp_type), ("EnumClass", "uint8", "EMood"))
		self.assertEqual([enumerator.name for enumerator in mood.enumerators], ["Calm", "Angry"])
		self.assertEqual(mood.enumerators[0].specifiers.meta, {"DisplayName": "Calm Mood"})
		self.assertEqual(mood.enumerators[1].specifiers.meta, {"Hidden": "true"})
		self.assertEqual(mood.enumerators[0].comment[0].text, "/** Calm. */")
		self.assertEqual((old.cpp_form, old.cpp_type, old.enumerator_name(old.enumerators[1])), ("Namespaced", "EOld::Type", "EOld::Second"))
		self.assertEqual((plain.cpp_form, plain.enumerator_name(plain.enumerators[0])), ("Regular", "PlainA"))

	def test_delegates_at_file_scope_and_in_a_class(self):
		header = parse(
			"DECLARE_DYNAMIC_MULTICAST_DELEGATE_TwoParams(FOnDone, const FString&, Result,\n\tbool, bSuccess);\n"
			"DECLARE_DYNAMIC_DELEGATE(FOnPing);\n"
			"UCLASS()\nclass USample : public UObject\n{\n\tGENERATED_BODY()\n"
			"\tDECLARE_DYNAMIC_MULTICAST_DELEGATE_OneParam(FOnStep, int32, Step);\n};\n")
		done, ping = header.delegates
		self.assertEqual((done.line, done.end_line, done.is_multicast, done.short_name), (4, 5, True, "OnDone"))
		self.assertEqual([(parameter.name, parameter.type.declared_text()) for parameter in done.parameters],
			[("Result", "const FString&"), ("bSuccess", "bool")])
		self.assertFalse(ping.is_multicast)
		self.assertEqual(ping.parameters, [])
		step = header.classes[0].delegates[0]
		self.assertEqual((step.outer_class, step.name), ("USample", "FOnStep"))

	def test_specifiers_and_meta_spellings(self):
		reflected = parse(
			"UCLASS(minimalapi, BLUEPRINTTYPE, meta=(ShortTooltip=\"Short\"))\nclass USample : public UObject\n{\n\tGENERATED_BODY()\n"
			"\tUFUNCTION(BlueprintPure, Category = Utilities|String, meta = ( DisplayName = \"To \\\"Text\\\"\", Keywords=\"a b\", BlueprintInternalUseOnly ))\n"
			"\tstatic FString ToText(int32 Value);\n};\n").classes[0]
		self.assertTrue(reflected.specifiers.has("MinimalAPI"))
		self.assertTrue(reflected.specifiers.has("BlueprintType"))
		self.assertEqual(reflected.specifiers.meta, {"ShortTooltip": "Short"})
		function = reflected.functions[0]
		self.assertEqual(function.specifiers.value("category"), "Utilities|String")
		self.assertEqual(function.specifiers.meta, {"DisplayName": 'To "Text"', "Keywords": "a b", "BlueprintInternalUseOnly": "true"})

	def test_disabled_code_and_unreflected_types_are_skipped(self):
		header = parse(
			"#if 0\nUCLASS()\nclass UGone : public UObject {};\n#endif\n"
			"class FHelper\n{\n\tvoid Run() { UPROPERTY_LIKE(); }\n};\n"
			"namespace Detail { struct FInner { int32 X; }; }\n"
			"USTRUCT()\nstruct FSamplePair : public FBase\n{\n\tGENERATED_BODY()\n\tUPROPERTY()\n\tint32 First = 0;\n};\n")
		self.assertEqual(header.classes, [])
		self.assertEqual([(struct.name, struct.super_name) for struct in header.structs], [("FSamplePair", "FBase")])
		self.assertEqual(header.structs[0].properties[0].access, "public")


if __name__ == "__main__":
	unittest.main()
