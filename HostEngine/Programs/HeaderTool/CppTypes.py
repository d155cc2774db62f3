# Reads the C++ type of a member or parameter from its tokens: const TArray<FString>&, UObject*,
# TMap<FString, TObjectPtr<UObject>> and so on.

from ReflectionModel import CppType, HeaderToolError
from TokenGroups import join_tokens, split_top_level

ELABORATED_KEYWORDS = {"class", "struct", "enum", "typename"}


def parse_type(tokens, path):
	if not tokens:
		raise HeaderToolError(path, 0, "missing type")
	line = tokens[0].line
	result = CppType(name="")
	index = 0
	while index < len(tokens) and tokens[index].kind == "identifier" and tokens[index].text in ELABORATED_KEYWORDS | {"const", "volatile"}:
		if tokens[index].text == "const":
			result.is_const = True
		index += 1
	if index < len(tokens) and tokens[index].kind == "number":
		# A non-type template argument, e.g. the 4 of TInlineAllocator<4>.
		result.name = tokens[index].text
		index += 1
	else:
		index = read_qualified_name(tokens, index, result, path, line)
	if index < len(tokens) and tokens[index].is_a("<"):
		index = read_template_arguments(tokens, index, result, path, line)
	while index < len(tokens):
		token = tokens[index]
		if token.is_a("const"):
			result.is_const = True
		elif token.is_a("*"):
			result.pointer_depth += 1
		elif token.is_a("&"):
			result.is_reference = True
		elif token.is_a("&&"):
			result.is_rvalue_reference = True
		else:
			raise HeaderToolError(path, token.line, f"cannot read the type '{join_tokens(tokens)}'")
		index += 1
	return result


def read_qualified_name(tokens, index, result, path, line):
	parts = []
	if index < len(tokens) and tokens[index].is_a("::"):
		index += 1
	while index < len(tokens) and tokens[index].kind == "identifier":
		parts.append(tokens[index].text)
		index += 1
		if index < len(tokens) and tokens[index].is_a("::"):
			index += 1
		else:
			break
	if not parts:
		raise HeaderToolError(path, line, f"cannot read the type '{join_tokens(tokens)}'")
	result.name = "::".join(parts)
	return index


def read_template_arguments(tokens, index, result, path, line):
	depth = 0
	for end in range(index, len(tokens)):
		if tokens[end].is_a("<"):
			depth += 1
		elif tokens[end].is_a(">"):
			depth -= 1
			if depth == 0:
				result.args = [parse_type(argument, path) for argument in split_top_level(tokens[index + 1:end])]
				return end + 1
	raise HeaderToolError(path, line, f"unbalanced template arguments in '{join_tokens(tokens)}'")
