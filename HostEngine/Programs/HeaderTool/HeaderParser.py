# Finds the reflected declarations of one header: UCLASS, USTRUCT and UENUM types, their UFUNCTION
# and UPROPERTY members, dynamic delegates, the access level in force and the constructors a class
# declares. Everything else in the header is skipped over.

import os
import re

from CppTypes import parse_type
from ReflectionModel import (
	Class, Delegate, Enum, Enumerator, Function, Header, HeaderToolError, Parameter, Property, Specifiers, Struct,
)
from SourceComments import comment_above
from Specifiers import parse_specifiers, parse_umeta
from TokenGroups import join_tokens, split_top_level
from Tokenizer import tokenize

DELEGATE_MACRO = re.compile(r"DECLARE_DYNAMIC_(MULTICAST_)?DELEGATE(?:_(\w+))?$")
PARAMETER_COUNTS = {
	None: 0, "OneParam": 1, "TwoParams": 2, "ThreeParams": 3, "FourParams": 4, "FiveParams": 5,
	"SixParams": 6, "SevenParams": 7, "EightParams": 8, "NineParams": 9,
}
BODY_MACROS = {"GENERATED_BODY", "GENERATED_UCLASS_BODY", "GENERATED_USTRUCT_BODY"}
ACCESS_KEYWORDS = {"public", "protected", "private"}
FUNCTION_PREFIX_WORDS = {"static", "virtual", "inline", "FORCEINLINE", "FORCENOINLINE", "explicit", "constexpr", "UE_NODISCARD"}
MEMBER_ONLY_MACROS = {"UFUNCTION", "UPROPERTY"} | BODY_MACROS
INCLUDE_DIRECTIVE = re.compile(r'#\s*include\s*[<"]([^">]+)[">]')


def is_api_macro(token):
	return token.kind == "identifier" and token.text.endswith("_API")


class HeaderParser:
	def __init__(self, path, source):
		tokenized = tokenize(path, source)
		self.path = path
		self.tokens = tokenized.tokens
		self.directives = tokenized.directives
		self.index = 0
		self.header = Header(path)

	def parse(self):
		self.parse_scope(in_namespace=False)
		self.check_generated_include()
		return self.header

	# Token access

	def error(self, line, message):
		return HeaderToolError(self.path, line, message)

	def peek(self, offset=0):
		position = self.index + offset
		return self.tokens[position] if position < len(self.tokens) else None

	def previous(self):
		return self.tokens[self.index - 1] if self.index > 0 else None

	def next(self, what="a token"):
		token = self.peek()
		if token is None:
			last_line = self.tokens[-1].line if self.tokens else 1
			raise self.error(last_line, f"unexpected end of file, expected {what}")
		self.index += 1
		return token

	def expect(self, text):
		token = self.next(f"'{text}'")
		if not token.is_a(text):
			raise self.error(token.line, f"expected '{text}', found '{token.text}'")
		return token

	def at(self, text, offset=0):
		token = self.peek(offset)
		return token is not None and token.is_a(text)

	def skip_block(self):
		"""Skips a balanced { ... } starting at the current '{'."""
		self.expect("{")
		depth = 1
		while depth:
			token = self.next("'}'")
			if token.is_a("{"):
				depth += 1
			elif token.is_a("}"):
				depth -= 1

	def read_parentheses(self, owner=None):
		"""Reads a balanced ( ... ) and returns the tokens inside it and the closing ')'.

		The arguments of a reflection macro (owner) never hold ';' or braces: meeting one means that
		a ')' is missing, which is reported at the macro.
		"""
		start = self.expect("(")
		depth = 1
		inner = []
		while True:
			token = self.peek()
			if owner and (token is None or (token.kind == "punctuation" and token.text in ";{}")):
				raise self.error(start.line, f"unbalanced parenthesis in {owner}(...)")
			if token is None:
				raise self.error(start.line, "unbalanced '('")
			self.index += 1
			if token.is_a("("):
				depth += 1
			elif token.is_a(")"):
				depth -= 1
				if depth == 0:
					return inner, token
			inner.append(token)

	def read_macro_arguments(self, macro):
		"""Reads MACRO(...) at the current position; returns the macro token, its arguments and ')'."""
		macro_token = self.next()
		if not self.at("("):
			raise self.error(macro_token.line, f"expected '(' after {macro}")
		arguments, closing = self.read_parentheses(macro)
		return macro_token, arguments, closing

	def comment_for(self, macro_token):
		"""The comment above a reflection macro, or else between the macro and its declaration."""
		comment = comment_above(macro_token)
		if not comment and self.peek() is not None:
			comment = comment_above(self.peek())
		return comment

	# File and namespace scope

	def parse_scope(self, in_namespace):
		"""Walks the file, or a namespace up to its closing brace."""
		while True:
			token = self.peek()
			if token is None:
				if in_namespace:
					raise self.error(self.tokens[-1].line, "unexpected end of file, expected '}'")
				return
			if token.is_a("}"):
				if not in_namespace:
					raise self.error(token.line, "unmatched '}'")
				self.index += 1
				return
			if token.is_a("{"):
				self.skip_block()
			elif token.kind != "identifier":
				self.index += 1
			elif token.text in ("UCLASS", "USTRUCT", "UENUM", "UDELEGATE", "UINTERFACE") or DELEGATE_MACRO.match(token.text):
				if in_namespace:
					raise self.error(token.line, f"{token.text} cannot be used inside a namespace")
				self.parse_file_scope_declaration(token)
			elif token.text in MEMBER_ONLY_MACROS:
				raise self.error(token.line, f"{token.text} must be inside a UCLASS or USTRUCT")
			elif token.text == "namespace":
				self.parse_namespace()
			else:
				self.index += 1

	def parse_file_scope_declaration(self, token):
		if token.text == "UCLASS":
			self.header.classes.append(self.parse_class())
		elif token.text == "USTRUCT":
			self.header.structs.append(self.parse_struct())
		elif token.text == "UENUM":
			self.header.enums.append(self.parse_enum())
		elif token.text == "UINTERFACE":
			raise self.error(token.line, "UINTERFACE is not supported by the host header tool")
		else:
			self.header.delegates.append(self.parse_delegate(None))

	def parse_namespace(self):
		self.index += 1
		while self.peek() is not None and (self.peek().kind == "identifier" or self.at("::")):
			self.index += 1
		if self.at("{"):
			self.index += 1
			self.parse_scope(in_namespace=True)

	# Classes and structs

	def read_type_head(self, keyword, macro):
		"""Reads 'class API UName final : public USuper {' up to and including the '{'."""
		keyword_token = self.next(f"'{keyword}'")
		if not keyword_token.is_a(keyword):
			raise self.error(keyword_token.line, f"expected '{keyword}' after {macro}(...), found '{keyword_token.text}'")
		has_api = False
		while self.peek() is not None and is_api_macro(self.peek()):
			has_api = True
			self.index += 1
		name_token = self.next("a type name")
		if name_token.kind != "identifier":
			raise self.error(name_token.line, f"expected a type name after '{keyword}', found '{name_token.text}'")
		if self.at("final"):
			self.index += 1
		super_name = None
		if self.at(":"):
			self.index += 1
			while self.peek() is not None and self.peek().text in ("public", "protected", "private", "virtual"):
				self.index += 1
			base_tokens = []
			while self.peek() is not None and not self.at("{") and not self.at(","):
				base_tokens.append(self.next())
			super_name = join_tokens(base_tokens)
			while self.peek() is not None and not self.at("{"):
				self.index += 1
		if not self.at("{"):
			raise self.error(name_token.line, f"expected the body of {name_token.text}")
		self.index += 1
		return name_token, has_api, super_name

	def parse_class(self):
		macro_token, arguments, _ = self.read_macro_arguments("UCLASS")
		specifiers = parse_specifiers("UCLASS", arguments, self.path)
		comment = self.comment_for(macro_token)
		name_token, has_api, super_name = self.read_type_head("class", "UCLASS")
		name = name_token.text
		if len(name) < 2 or name[0] not in "UA" or not name[1].isupper():
			raise self.error(name_token.line, f"class '{name}' must be named with a U or A prefix")
		if super_name is None:
			raise self.error(name_token.line, f"class '{name}' must derive from UObject or one of its subclasses")
		reflected = Class(name, name_token.line, specifiers, comment, super_name, has_api)
		self.parse_body(reflected)
		if reflected.generated_body_line is None:
			raise self.error(name_token.line, f"class '{name}' has no GENERATED_BODY()")
		if reflected.has_other_constructor and not (reflected.has_default_constructor or reflected.has_initializer_constructor):
			raise self.error(name_token.line, f"class '{name}' needs a default constructor or one taking const FObjectInitializer&")
		seen = set()
		for function in reflected.functions:
			if function.name.lower() in seen:
				raise self.error(function.line, f"'{function.name}' is declared twice in {name}: UFUNCTIONs cannot be overloaded")
			seen.add(function.name.lower())
		return reflected

	def parse_struct(self):
		macro_token, arguments, _ = self.read_macro_arguments("USTRUCT")
		specifiers = parse_specifiers("USTRUCT", arguments, self.path)
		comment = self.comment_for(macro_token)
		name_token, _, super_name = self.read_type_head("struct", "USTRUCT")
		name = name_token.text
		if len(name) < 2 or name[0] != "F" or not name[1].isupper():
			raise self.error(name_token.line, f"struct '{name}' must be named with an F prefix")
		reflected = Struct(name, name_token.line, specifiers, comment, super_name)
		self.parse_body(reflected)
		if reflected.generated_body_line is None:
			raise self.error(name_token.line, f"struct '{name}' has no GENERATED_BODY()")
		return reflected

	def parse_body(self, owner):
		is_class = isinstance(owner, Class)
		access = "private" if is_class else "public"
		while True:
			token = self.peek()
			if token is None:
				raise self.error(owner.line, f"unexpected end of file in the body of {owner.name}")
			if token.is_a("}"):
				self.index += 1
				return
			if token.is_a("{"):
				self.skip_block()
			elif token.kind != "identifier":
				self.index += 1
			elif token.text in ACCESS_KEYWORDS and self.at(":", 1):
				access = token.text
				self.index += 2
			elif token.text in BODY_MACROS:
				access = self.parse_generated_body(owner, access)
			elif token.text == "UFUNCTION":
				if not is_class:
					raise self.error(token.line, "UFUNCTION cannot be declared in a USTRUCT")
				owner.functions.append(self.parse_function(owner, access))
			elif token.text == "UPROPERTY":
				owner.properties.append(self.parse_property(access))
			elif token.text == "UDELEGATE" or DELEGATE_MACRO.match(token.text):
				if not is_class:
					raise self.error(token.line, f"{token.text} cannot be declared in a USTRUCT")
				owner.delegates.append(self.parse_delegate(owner.name))
			elif token.text in ("UCLASS", "USTRUCT", "UENUM", "UINTERFACE"):
				raise self.error(token.line, f"{token.text} cannot be nested inside {owner.name}")
			elif is_class and token.text == owner.name and self.at("(", 1) and self.starts_declaration():
				self.parse_constructor(owner)
			else:
				self.index += 1

	def starts_declaration(self):
		"""Whether the current token begins a member declaration (so 'UFoo(' there is a constructor)."""
		before = self.previous()
		if before is None or before.text in (";", "{", "}", ":", ")"):
			return True
		return before.kind == "identifier" and (before.text in ("explicit", "inline", "FORCEINLINE", "constexpr") or is_api_macro(before))

	def parse_generated_body(self, owner, access):
		macro = self.peek().text
		macro_token, _, _ = self.read_macro_arguments(macro)
		if owner.generated_body_line is not None:
			raise self.error(macro_token.line, f"{owner.name} has more than one {macro}()")
		owner.generated_body_line = macro_token.line
		if not isinstance(owner, Class):
			if macro == "GENERATED_UCLASS_BODY":
				raise self.error(macro_token.line, "GENERATED_UCLASS_BODY() cannot be used in a USTRUCT")
			return access
		owner.is_legacy_body = macro == "GENERATED_UCLASS_BODY"
		return "public" if owner.is_legacy_body else "private"

	def parse_constructor(self, owner):
		self.index += 1
		arguments, _ = self.read_parentheses()
		parameters = split_top_level(arguments)
		if len(parameters) == 1 and len(parameters[0]) == 1 and parameters[0][0].is_a("void"):
			parameters = []
		defaulted = [any(token.is_a("=") for token in parameter) for parameter in parameters]
		if parameters and self.is_object_initializer(parameters[0]) and all(defaulted[1:]):
			owner.has_initializer_constructor = True
		elif all(defaulted):
			owner.has_default_constructor = True
		else:
			owner.has_other_constructor = True
		self.skip_function_tail()

	@staticmethod
	def is_object_initializer(parameter):
		texts = [token.text for token in parameter[:3]]
		return texts in (["const", "FObjectInitializer", "&"], ["FObjectInitializer", "const", "&"])

	def skip_function_tail(self):
		"""Skips what follows a constructor's parameters: initializers, a body, '= default;' or ';'."""
		while True:
			token = self.next("';' or a function body")
			if token.is_a(";"):
				return
			if token.is_a("{"):
				self.index -= 1
				self.skip_block()
				return
			if token.is_a("("):
				self.index -= 1
				self.read_parentheses()
			elif token.is_a(",") or token.is_a(":"):
				# A member initializer written with braces: skip its braces so they are not taken for the body.
				if self.peek() is not None and self.peek().kind == "identifier" and self.at("{", 1):
					self.index += 1
					self.skip_block()

	# Functions

	def parse_function(self, owner, access):
		macro_token, arguments, _ = self.read_macro_arguments("UFUNCTION")
		specifiers = parse_specifiers("UFUNCTION", arguments, self.path)
		comment = self.comment_for(macro_token)
		head = []
		while not self.at("("):
			token = self.next("a function declaration")
			if token.kind == "punctuation" and token.text in ";{}":
				raise self.error(token.line, "expected a function declaration after UFUNCTION(...)")
			head.append(token)
		is_static = any(token.is_a("static") for token in head)
		is_virtual = any(token.is_a("virtual") for token in head)
		head = [token for token in head if not (token.text in FUNCTION_PREFIX_WORDS or is_api_macro(token))]
		if len(head) < 2 or head[-1].kind != "identifier":
			raise self.error(macro_token.line, "expected a return type and a function name after UFUNCTION(...)")
		name_token = head[-1]
		if name_token.text == owner.name:
			raise self.error(name_token.line, "a constructor cannot be a UFUNCTION")
		return_type = parse_type(head[:-1], self.path)
		if return_type.name == "void" and not return_type.pointer_depth:
			return_type = None
		argument_tokens, _ = self.read_parentheses()
		if len(argument_tokens) == 1 and argument_tokens[0].is_a("void"):
			argument_tokens = []
		parameters = [self.parse_parameter(tokens, name_token) for tokens in split_top_level(argument_tokens)]
		function = Function(
			name_token.text, name_token.line, specifiers, comment, access, parameters, return_type,
			is_static=is_static, is_virtual=is_virtual)
		self.read_function_qualifiers(function)
		return function

	def parse_parameter(self, tokens, function_token):
		"""One parameter of a UFUNCTION: [UPARAM(...)] type name [= default]."""
		if tokens and tokens[0].is_a("UPARAM"):
			if len(tokens) < 3 or not tokens[1].is_a("("):
				raise self.error(tokens[0].line, "expected '(' after UPARAM")
			depth = 0
			for end, token in enumerate(tokens):
				if token.is_a("("):
					depth += 1
				elif token.is_a(")"):
					depth -= 1
					if depth == 0:
						break
			# UPARAM(ref) and UPARAM(DisplayName) are checked; a T& is already passed by reference.
			parse_specifiers("UPARAM", tokens[2:end], self.path)
			tokens = tokens[end + 1:]
		default = None
		for position, token in enumerate(tokens):
			if token.is_a("="):
				default = join_tokens(tokens[position + 1:])
				tokens = tokens[:position]
				break
		if not tokens:
			raise self.error(function_token.line, f"empty parameter in {function_token.text}")
		if any(token.is_a("[") for token in tokens):
			raise self.error(tokens[0].line, "array parameters are not supported")
		name_token = tokens[-1]
		if len(tokens) < 2 or name_token.kind != "identifier" or tokens[-2].is_a("::") or name_token.text == "const":
			raise self.error(name_token.line, f"every parameter of {function_token.text} needs a name")
		return Parameter(name_token.text, parse_type(tokens[:-1], self.path), name_token.line, default)

	def read_function_qualifiers(self, function):
		while True:
			token = self.next("';' or a function body")
			if token.is_a(";"):
				return
			if token.is_a("{"):
				self.index -= 1
				self.skip_block()
				return
			if token.is_a("const"):
				function.is_const = True
			elif token.is_a("override"):
				function.is_virtual = True
			elif token.is_a("final"):
				function.is_final = True
			elif token.is_a("noexcept"):
				continue
			elif token.is_a("="):
				self.next("0, default or delete")
			elif token.is_a("PURE_VIRTUAL"):
				self.read_parentheses()
			else:
				raise self.error(token.line, f"unexpected '{token.text}' after the parameters of {function.name}")

	# Properties

	def parse_property(self, access):
		macro_token, arguments, _ = self.read_macro_arguments("UPROPERTY")
		specifiers = parse_specifiers("UPROPERTY", arguments, self.path)
		comment = self.comment_for(macro_token)
		declaration = []
		depth = 0
		while True:
			token = self.next("';'")
			if token.kind == "punctuation" and token.text in "([{":
				depth += 1
			elif token.kind == "punctuation" and token.text in ")]}":
				depth -= 1
			elif token.is_a(";") and depth == 0:
				break
			declaration.append(token)
		for position, token in enumerate(declaration):
			if token.is_a("[") or token.is_a(":"):
				what = "C arrays" if token.is_a("[") else "bit fields"
				raise self.error(token.line, f"{what} are not supported as UPROPERTY members")
			if token.is_a("=") or token.is_a("{"):
				declaration = declaration[:position]
				break
		if len(split_top_level(declaration)) > 1:
			raise self.error(macro_token.line, "declare one UPROPERTY member per declaration")
		if declaration and declaration[0].is_a("static"):
			raise self.error(declaration[0].line, "a UPROPERTY cannot be static")
		declaration = [token for token in declaration if not token.is_a("mutable")]
		if len(declaration) < 2 or declaration[-1].kind != "identifier":
			raise self.error(macro_token.line, "expected a member declaration after UPROPERTY(...)")
		name_token = declaration[-1]
		return Property(name_token.text, parse_type(declaration[:-1], self.path), name_token.line, specifiers, comment, access)

	# Enums

	def parse_enum(self):
		macro_token, arguments, _ = self.read_macro_arguments("UENUM")
		specifiers = parse_specifiers("UENUM", arguments, self.path)
		comment = self.comment_for(macro_token)
		if self.at("namespace"):
			return self.parse_namespaced_enum(specifiers, comment)
		self.expect("enum")
		cpp_form = "Regular"
		if self.at("class") or self.at("struct"):
			self.index += 1
			cpp_form = "EnumClass"
		name_token = self.next("an enum name")
		underlying = self.read_underlying_type()
		reflected = Enum(name_token.text, name_token.line, specifiers, comment, cpp_form, underlying)
		self.read_enumerators(reflected)
		return reflected

	def parse_namespaced_enum(self, specifiers, comment):
		self.index += 1
		name_token = self.next("a namespace name")
		self.expect("{")
		self.expect("enum")
		type_token = self.next("'Type'")
		if not type_token.is_a("Type"):
			raise self.error(type_token.line, "the enum inside a UENUM namespace must be named 'Type'")
		underlying = self.read_underlying_type()
		reflected = Enum(name_token.text, name_token.line, specifiers, comment, "Namespaced", underlying)
		self.read_enumerators(reflected)
		self.expect("}")
		return reflected

	def read_underlying_type(self):
		if not self.at(":"):
			return None
		self.index += 1
		tokens = []
		while self.peek() is not None and not self.at("{"):
			tokens.append(self.next())
		return join_tokens(tokens)

	def read_enumerators(self, reflected):
		self.expect("{")
		while not self.at("}"):
			name_token = self.next("an enumerator")
			if name_token.kind != "identifier":
				raise self.error(name_token.line, f"expected an enumerator of {reflected.name}, found '{name_token.text}'")
			enumerator = Enumerator(name_token.text, name_token.line, Specifiers(), comment_above(name_token))
			while not (self.at(",") or self.at("}")):
				token = self.peek()
				if token is None:
					raise self.error(reflected.line, f"unexpected end of file in enum {reflected.name}")
				if token.is_a("UMETA"):
					_, arguments, _ = self.read_macro_arguments("UMETA")
					enumerator.specifiers = parse_umeta(arguments, self.path)
				elif token.is_a("("):
					self.read_parentheses()
				else:
					self.index += 1
			if self.at(","):
				self.index += 1
			reflected.enumerators.append(enumerator)
		self.index += 1
		if self.at(";"):
			self.index += 1

	# Delegates

	def parse_delegate(self, outer_class):
		specifiers = Specifiers()
		comment = comment_above(self.peek())
		if self.at("UDELEGATE"):
			_, arguments, _ = self.read_macro_arguments("UDELEGATE")
			specifiers = parse_specifiers("UDELEGATE", arguments, self.path)
		macro = self.peek()
		if macro is None or not DELEGATE_MACRO.match(macro.text):
			raise self.error(self.previous().line, "expected a DECLARE_DYNAMIC_..._DELEGATE declaration after UDELEGATE(...)")
		match = DELEGATE_MACRO.match(macro.text)
		if match.group(2) not in PARAMETER_COUNTS:
			raise self.error(macro.line, f"{macro.text} is not supported by the host header tool")
		count = PARAMETER_COUNTS[match.group(2)]
		_, arguments, closing = self.read_macro_arguments(macro.text)
		items = split_top_level(arguments)
		if len(items) != 1 + 2 * count or len(items[0]) != 1 or items[0][0].kind != "identifier":
			raise self.error(macro.line, f"{macro.text} takes a delegate name and {count} type/name pairs")
		parameters = []
		for position in range(count):
			type_tokens = items[1 + 2 * position]
			name_tokens = items[2 + 2 * position]
			if len(name_tokens) != 1 or name_tokens[0].kind != "identifier":
				raise self.error(macro.line, f"parameter {position + 1} of {items[0][0].text} needs a name")
			parameters.append(Parameter(name_tokens[0].text, parse_type(type_tokens, self.path), macro.line))
		if self.at(";"):
			self.index += 1
		return Delegate(
			items[0][0].text, match.group(1) is not None, parameters, macro.line, closing.line, comment,
			specifiers, outer_class)

	# Checks

	def check_generated_include(self):
		declarations = self.header.classes + self.header.structs + self.header.enums + self.header.delegates
		if not declarations:
			return
		expected = os.path.splitext(os.path.basename(self.path))[0] + ".generated.h"
		includes = [(directive, INCLUDE_DIRECTIVE.match(directive.text)) for directive in self.directives]
		includes = [(directive, match.group(1)) for directive, match in includes if match]
		positions = [position for position, (_, target) in enumerate(includes) if os.path.basename(target) == expected]
		first_line = min(declaration.line for declaration in declarations)
		if not positions:
			raise self.error(first_line, f"expected an include of '{expected}' at the top of the header")
		for directive, _ in includes[positions[0] + 1:]:
			raise self.error(directive.line, f"#include found after {expected}; it must be the last #include in the header")


def parse_header(path, source):
	return HeaderParser(path, source).parse()
