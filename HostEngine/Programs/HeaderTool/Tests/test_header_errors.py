# Malformed declarations stop the tool with "<header>(<line>): error: <what>".

import unittest

from HeaderParser import parse_header
from PropertyTypes import TypeRegistry
from ReflectionModel import HeaderToolError

PRELUDE = '#pragma once\n#include "CoreMinimal.h"\n#include "Sample.generated.h"\n'  # three lines


def class_with(members):
	return "UCLASS()\nclass USample : public UObject\n{\n\tGENERATED_BODY()\n" + members + "};\n"


class HeaderErrorTest(unittest.TestCase):
	CASES = [
		# (what, body after the prelude, line of the error, text the message contains)
		("unknown specifier", class_with("\tUPROPERTY(EditAnywher)\n\tint32 Value;\n"), 8, "unknown UPROPERTY specifier 'EditAnywher'"),
		("unknown class specifier", "UCLASS(Blueprintabel)\nclass USample : public UObject\n{\n\tGENERATED_BODY()\n};\n", 4, "unknown UCLASS specifier 'Blueprintabel'"),
		("unbalanced parenthesis", class_with("\tUPROPERTY(EditAnywhere, meta = (DisplayName = \"X\")\n\tint32 Value;\n"), 8, "unbalanced parenthesis in UPROPERTY(...)"),
		("meta without a list", class_with("\tUPROPERTY(meta)\n\tint32 Value;\n"), 8, "meta must be followed by a parenthesized list"),
		("class without GENERATED_BODY", "UCLASS()\nclass USample : public UObject\n{\n\tUPROPERTY()\n\tint32 Value;\n};\n", 5, "has no GENERATED_BODY()"),
		("struct without GENERATED_BODY", "USTRUCT()\nstruct FSample\n{\n\tint32 Value;\n};\n", 5, "struct 'FSample' has no GENERATED_BODY()"),
		("class without a prefix", "UCLASS()\nclass Sample : public UObject\n{\n\tGENERATED_BODY()\n};\n", 5, "U or A prefix"),
		("class without a base", "UCLASS()\nclass USample\n{\n\tGENERATED_BODY()\n};\n", 5, "must derive from UObject"),
		("parameter without a name", class_with("\tUFUNCTION()\n\tvoid Run(int32);\n"), 9, "every parameter of Run needs a name"),
		("UFUNCTION in a struct", "USTRUCT()\nstruct FSample\n{\n\tGENERATED_BODY()\n\tUFUNCTION()\n\tvoid Run();\n};\n", 8, "UFUNCTION cannot be declared in a USTRUCT"),
		("UPROPERTY outside a type", "UPROPERTY()\nint32 Loose;\n", 4, "must be inside a UCLASS or USTRUCT"),
		("bit field", class_with("\tUPROPERTY()\n\tuint8 bFlag : 1;\n"), 9, "bit fields are not supported"),
		("two members in one declaration", class_with("\tUPROPERTY()\n\tint32 A, B;\n"), 8, "one UPROPERTY member per declaration"),
		("delegate with a missing parameter name", "DECLARE_DYNAMIC_MULTICAST_DELEGATE_TwoParams(FOnDone, int32, Code, bool);\n", 4, "takes a delegate name and 2 type/name pairs"),
		("retval delegate", "DECLARE_DYNAMIC_DELEGATE_RetVal(bool, FOnAsk);\n", 4, "is not supported"),
		("interface", "UINTERFACE()\nclass USampleInterface : public UInterface\n{\n\tGENERATED_BODY()\n};\n", 4, "UINTERFACE is not supported"),
		("overloaded function", class_with("\tUFUNCTION()\n\tvoid Run();\n\tUFUNCTION()\n\tvoid Run(int32 Times);\n"), 11, "UFUNCTIONs cannot be overloaded"),
		("only a constructor with other parameters", class_with("public:\n\tUSample(int32 Value);\n"), 5, "needs a default constructor"),
		("unterminated string", class_with("\tUPROPERTY(meta = (DisplayName = \"X))\n\tint32 Value;\n"), 8, "unterminated string literal"),
	]

	def test_malformed_declarations(self):
		for what, body, line, message in self.CASES:
			with self.subTest(what):
				with self.assertRaises(HeaderToolError) as raised:
					parse_header("Public/Sample.h", PRELUDE + body)
				self.assertIn(message, raised.exception.message)
				self.assertEqual(raised.exception.line, line)
				self.assertTrue(str(raised.exception).startswith(f"Public/Sample.h({line}): error: "))

	def test_generated_include_must_be_present_and_last(self):
		with self.assertRaises(HeaderToolError) as missing:
			parse_header("Sample.h", '#pragma once\n#include "CoreMinimal.h"\n\nUENUM()\nenum class EMood : uint8 { Calm };\n')
		self.assertEqual(missing.exception.line, 5)
		self.assertIn("Sample.generated.h", missing.exception.message)
		with self.assertRaises(HeaderToolError) as late:
			parse_header("Sample.h", PRELUDE + '#include "Late.h"\nUENUM()\nenum class EMood : uint8 { Calm };\n')
		self.assertEqual(late.exception.line, 4)
		self.assertIn("must be the last #include", late.exception.message)

	def test_unmappable_types_name_their_line(self):
		header = parse_header("Sample.h", PRELUDE + class_with(
			"\tUPROPERTY()\n\tFVector2D Position;\n\tUPROPERTY()\n\tTArray<TArray<int32>> Grid;\n\tUPROPERTY()\n\tFString* Text;\n"
			"\tUPROPERTY()\n\tTSet<int32> Set;\n\tUPROPERTY()\n\tEPlain Plain;\n") + "UENUM()\nenum EPlain { PlainA };\n")
		registry = TypeRegistry("Sample", [header], None)
		expected = [
			("not a reflected type", 9),
			("containers of containers", 11),
			("only pointers to UObject classes", 13),
			("not a supported container", 15),
			("TEnumAsByte<EPlain>", 17),
		]
		for member, (message, line) in zip(header.classes[0].properties, expected):
			with self.subTest(member.name):
				with self.assertRaises(HeaderToolError) as raised:
					registry.resolve(member.type, header.path, member.line, header.classes[0])
				self.assertIn(message, raised.exception.message)
				self.assertEqual(raised.exception.line, line)


if __name__ == "__main__":
	unittest.main()
