# Reads the argument list of UCLASS(...), UPROPERTY(...), UMETA(...) and the other reflection
# macros: specifiers are matched ignoring case, meta=(...) keys keep their spelling.

from ReflectionModel import HeaderToolError, Specifiers
from TokenGroups import join_tokens, split_top_level

# Specifiers each macro accepts (lower case). Anything else is reported rather than ignored, so a
# typo never silently drops a flag.
ACCEPTED_SPECIFIERS = {
	"UCLASS": {
		"minimalapi", "abstract", "blueprinttype", "notblueprinttype", "blueprintable", "notblueprintable",
		"transient", "nontransient", "config", "defaultconfig", "deprecated", "hidecategories",
		"showcategories", "editinlinenew", "noteditinlinenew", "meta",
	},
	"USTRUCT": {"blueprinttype", "meta"},
	"UENUM": {"blueprinttype", "meta"},
	"UFUNCTION": {
		"blueprintcallable", "blueprintpure", "category", "callineditor", "blueprintauthorityonly",
		"blueprintcosmetic", "customthunk", "meta",
	},
	"UPROPERTY": {
		"editanywhere", "editdefaultsonly", "editinstanceonly", "visibleanywhere", "visibledefaultsonly",
		"visibleinstanceonly", "blueprintreadonly", "blueprintreadwrite", "blueprintassignable",
		"blueprintcallable", "category", "transient", "duplicatetransient", "nontransactional", "config",
		"globalconfig", "savegame", "advanceddisplay", "simpledisplay", "noclear", "editfixedsize",
		"exposeonspawn", "instanced", "export", "meta",
	},
	"UDELEGATE": {"meta"},
	"UPARAM": {"ref", "displayname"},
}


def unquote(literal):
	"""The characters of a C++ string literal, with its escapes resolved."""
	body = literal[literal.index('"') + 1:-1]
	escapes = {"n": "\n", "t": "\t", "r": "\r", '"': '"', "'": "'", "\\": "\\"}
	result = []
	index = 0
	while index < len(body):
		char = body[index]
		if char == "\\" and index + 1 < len(body):
			result.append(escapes.get(body[index + 1], body[index + 1]))
			index += 2
		else:
			result.append(char)
			index += 1
	return "".join(result)


def value_text(tokens):
	"""A specifier value: the text of a string literal, or the tokens as written (Category=A|B)."""
	if len(tokens) == 1 and tokens[0].kind == "string":
		return unquote(tokens[0].text)
	if tokens and tokens[0].is_a("(") and tokens[-1].is_a(")"):
		return " ".join(value_text(item) for item in split_top_level(tokens[1:-1]))
	return join_tokens(tokens)


def parse_metadata_pairs(tokens, path, into):
	"""Reads Key="Value", Key=Value and bare Key items into a dict (a bare key means "true")."""
	for item in split_top_level(tokens):
		if not item:
			continue
		key_token = item[0]
		if key_token.kind != "identifier":
			raise HeaderToolError(path, key_token.line, f"expected a metadata key, found '{key_token.text}'")
		if len(item) == 1:
			into[key_token.text] = "true"
		elif item[1].is_a("=") and len(item) > 2:
			into[key_token.text] = value_text(item[2:])
		else:
			raise HeaderToolError(path, key_token.line, f"malformed metadata entry for '{key_token.text}'")


def parse_specifiers(macro, tokens, path):
	"""Reads the argument tokens of a reflection macro (between its parentheses)."""
	result = Specifiers()
	accepted = ACCEPTED_SPECIFIERS[macro]
	for item in split_top_level(tokens):
		if not item:
			continue
		key_token = item[0]
		if key_token.kind != "identifier":
			raise HeaderToolError(path, key_token.line, f"expected a specifier in {macro}, found '{key_token.text}'")
		key = key_token.text.lower()
		if key not in accepted:
			raise HeaderToolError(path, key_token.line, f"unknown {macro} specifier '{key_token.text}'")
		value = None
		if len(item) > 1:
			if not item[1].is_a("=") or len(item) == 2:
				raise HeaderToolError(path, key_token.line, f"malformed {macro} specifier '{key_token.text}'")
			value_tokens = item[2:]
			if key == "meta":
				if not (value_tokens[0].is_a("(") and value_tokens[-1].is_a(")")):
					raise HeaderToolError(path, key_token.line, "meta must be followed by a parenthesized list")
				parse_metadata_pairs(value_tokens[1:-1], path, result.meta)
				continue
			value = value_text(value_tokens)
		elif key == "meta":
			raise HeaderToolError(path, key_token.line, "meta must be followed by a parenthesized list")
		result.items.append((key, value))
	return result


def parse_umeta(tokens, path):
	"""UMETA(...) holds metadata only."""
	result = Specifiers()
	parse_metadata_pairs(tokens, path, result.meta)
	return result
