# The Comment and ToolTip metadata that the comment above a declaration turns into.

import unittest

from HeaderParser import parse_header
from ReflectionMetadata import property_metadata

HEADER_START = '#pragma once\n#include "Sample.generated.h"\n\nUCLASS()\nclass USample : public UObject\n{\n\tGENERATED_BODY()\n\n'


def member_metadata(member_source):
	"""The metadata of the one UPROPERTY declared by member_source inside a class."""
	header = parse_header("Sample.h", HEADER_START + member_source + "\n};\n")
	return property_metadata(header.classes[0].properties[0], "Public/Sample.h")


class SourceCommentTest(unittest.TestCase):
	CASES = [
		# (what, member source, Comment or None, ToolTip or None)
		("one // line", "\t// 输出数量\n\tUPROPERTY()\n\tint32 Count;", "// 输出数量", "输出数量"),
		(
			"a run of // lines",
			"\t// UMulticastDelegateProperty\n\t// 只能支持一个 Delegate Signature\n\tUPROPERTY()\n\tint32 Count;",
			"// UMulticastDelegateProperty\n// 只能支持一个 Delegate Signature",
			"UMulticastDelegateProperty\n只能支持一个 Delegate Signature",
		),
		(
			"an indented doc comment loses the indentation of its first line",
			"\t/**\n\t * Number of pins.\n\t *   Grows with AddPin.\n\t */\n\tUPROPERTY()\n\tint32 Count;",
			"/**\n * Number of pins.\n *   Grows with AddPin.\n */",
			"Number of pins.\nGrows with AddPin.",
		),
		("a one-line doc comment", "\t/** The count. */\n\tUPROPERTY()\n\tint32 Count;", "/** The count. */", "The count."),
		("a plain block comment", "\t/* The count */\n\tUPROPERTY()\n\tint32 Count;", "/* The count */", "The count"),
		("/// lines lose every slash", "\t/// The count\n\tUPROPERTY()\n\tint32 Count;", "/// The count", "The count"),
		("blank lines before the macro", "\t// The count\n\n\tUPROPERTY()\n\tint32 Count;", "// The count", "The count"),
		("an empty doc comment gives no tooltip", "\t/**\n\t * \n\t */\n\tUPROPERTY()\n\tint32 Count;", "/**\n * \n */", None),
		(
			"@param lines stay as written",
			"\t/**\n\t * Adds.\n\t * @param A - first\n\t */\n\tUPROPERTY()\n\tint32 Count;",
			"/**\n * Adds.\n * @param A - first\n */",
			"Adds.\n@param A - first",
		),
		("only the last of two // runs", "\t// Section\n\n\t// The count\n\tUPROPERTY()\n\tint32 Count;", "// The count", "The count"),
		("a comment between the macro and the member", "\tUPROPERTY()\n\t// The count\n\tint32 Count;", "// The count", "The count"),
		("a comment trailing the previous member is not taken", "\tint32 Other; // about Other\n\tUPROPERTY()\n\tint32 Count;", None, None),
		("interface markers are not tooltips", "\t//~ Begin UObject Interface\n\tUPROPERTY()\n\tint32 Count;", None, None),
		("a comment above a directive belongs to the directive", "\t// Editor data\n#if WITH_EDITORONLY_DATA\n\tUPROPERTY()\n\tint32 Count;\n#endif", None, None),
		(
			"an explicit ToolTip replaces the comment's",
			"\t// The count\n\tUPROPERTY(meta = (ToolTip = \"How many\"))\n\tint32 Count;",
			"// The count",
			"How many",
		),
	]

	def test_comment_metadata(self):
		for what, source, comment, tooltip in self.CASES:
			with self.subTest(what):
				metadata = member_metadata(source)
				self.assertEqual(metadata.get("Comment"), comment)
				self.assertEqual(metadata.get("ToolTip"), tooltip)


if __name__ == "__main__":
	unittest.main()
