# What the header tool learns from a header: the reflected types, their members and where each
# was written. The parser fills these; the writers only read them.

from dataclasses import dataclass, field
from typing import Optional


class HeaderToolError(Exception):
	"""A malformed declaration; reported as '<header>(<line>): error: <message>'."""

	def __init__(self, path, line, message):
		super().__init__(message)
		self.path = path
		self.line = line
		self.message = message

	def __str__(self):
		return f"{self.path}({self.line}): error: {self.message}"


@dataclass
class Specifiers:
	"""The contents of UCLASS(...), UPROPERTY(...) and friends."""
	# (lower-cased key, value or None), in source order
	items: list = field(default_factory=list)
	# meta=(...) pairs as written; a bare key maps to "true"
	meta: dict = field(default_factory=dict)

	def has(self, key):
		return any(lower == key.lower() for lower, _ in self.items)

	def value(self, key):
		for lower, value in self.items:
			if lower == key.lower():
				return value
		return None


@dataclass
class CppType:
	"""A C++ type as written: a (possibly qualified) name with template arguments and decorations."""
	name: str
	args: list = field(default_factory=list)
	is_const: bool = False
	pointer_depth: int = 0
	is_reference: bool = False
	is_rvalue_reference: bool = False

	def value_text(self):
		"""The type without const, reference and elaborated keywords: what a parameter buffer stores."""
		text = self.name
		if self.args:
			text += "<" + ", ".join(arg.value_text() for arg in self.args) + ">"
		return text + "*" * self.pointer_depth

	def declared_text(self):
		"""The type as a declaration would spell it."""
		text = ("const " if self.is_const else "") + self.value_text()
		if self.is_rvalue_reference:
			text += "&&"
		elif self.is_reference:
			text += "&"
		return text


@dataclass
class Property:
	name: str
	type: CppType
	line: int
	specifiers: Specifiers = field(default_factory=Specifiers)
	comment: list = field(default_factory=list)
	access: str = "public"


@dataclass
class Parameter:
	name: str
	type: CppType
	line: int
	default: Optional[str] = None


@dataclass
class Function:
	name: str
	line: int
	specifiers: Specifiers
	comment: list
	access: str
	parameters: list
	return_type: Optional[CppType]
	is_static: bool = False
	is_virtual: bool = False
	is_final: bool = False
	is_const: bool = False


@dataclass
class Delegate:
	"""DECLARE_DYNAMIC_[MULTICAST_]DELEGATE*; outer_class is set for one declared inside a class."""
	name: str
	is_multicast: bool
	parameters: list
	line: int
	end_line: int
	comment: list
	specifiers: Specifiers = field(default_factory=Specifiers)
	outer_class: Optional[str] = None

	@property
	def short_name(self):
		return self.name[1:] if self.name.startswith("F") else self.name


@dataclass
class Enumerator:
	name: str
	line: int
	specifiers: Specifiers = field(default_factory=Specifiers)
	comment: list = field(default_factory=list)


@dataclass
class Enum:
	name: str
	line: int
	specifiers: Specifiers
	comment: list
	# "EnumClass", "Regular" or "Namespaced" (namespace E { enum Type { ... }; })
	cpp_form: str
	underlying_type: Optional[str]
	enumerators: list = field(default_factory=list)

	@property
	def cpp_type(self):
		"""The C++ name of the enum type: E, or E::Type for the namespaced form."""
		return self.name + "::Type" if self.cpp_form == "Namespaced" else self.name

	def enumerator_name(self, enumerator):
		"""The name the engine records for an enumerator ("E::A", or "A" for a plain enum)."""
		if self.cpp_form == "Regular":
			return enumerator.name
		return f"{self.name}::{enumerator.name}"


@dataclass
class Struct:
	name: str
	line: int
	specifiers: Specifiers
	comment: list
	super_name: Optional[str]
	generated_body_line: Optional[int] = None
	properties: list = field(default_factory=list)


@dataclass
class Class:
	name: str
	line: int
	specifiers: Specifiers
	comment: list
	super_name: str
	has_api: bool
	generated_body_line: Optional[int] = None
	is_legacy_body: bool = False
	functions: list = field(default_factory=list)
	properties: list = field(default_factory=list)
	delegates: list = field(default_factory=list)
	has_default_constructor: bool = False
	has_initializer_constructor: bool = False
	has_other_constructor: bool = False

	@property
	def short_name(self):
		"""The object name of the class: the C++ name without its U/A prefix."""
		return self.name[1:]


@dataclass
class Header:
	path: str
	classes: list = field(default_factory=list)
	structs: list = field(default_factory=list)
	enums: list = field(default_factory=list)
	delegates: list = field(default_factory=list)
