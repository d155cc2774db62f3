# Maps the C++ type of a UPROPERTY or a parameter to the property the object system builds for it:
# its EPropertyGenFlags kind, the value type whose operations it uses, and the functions that give
# its class, struct, enum or delegate signature.

import os
import re
from dataclasses import dataclass
from typing import Optional

import GeneratedNames
from ReflectionModel import HeaderToolError

# Core types whose reflected struct or enum CoreUObject builds (the engine's NoExportTypes.h).
BASE_STRUCTURES = {"FGuid"}
BASE_ENUMS = {"ESearchCase::Type": ("Namespaced", False), "ESearchDir::Type": ("Namespaced", False)}

BUILTIN_TYPES = {
	"bool": "Bool", "int8": "Int8", "int16": "Int16", "int32": "Int", "int64": "Int64", "uint8": "Byte",
	"uint16": "UInt16", "uint32": "UInt32", "uint64": "UInt64", "float": "Float", "double": "Double",
	"FString": "Str", "FName": "Name", "FText": "Text",
}
# Passed to a delegate wrapper as const T& rather than by value.
REFERENCE_KINDS = {"Str", "Name", "Text", "Array", "Map", "Struct"}
CONTAINER_KINDS = {"Array", "Map"}
SKIPPED_DIRECTORIES = {"Build", "Intermediate", "Binaries"}
FOREIGN_ENUM = re.compile(r"\bUENUM\s*\((?:[^()]|\([^()]*\))*\)\s*enum\s+(class\s+|struct\s+)?(\w+)\s*(:)?")
FOREIGN_NAMESPACED_ENUM = re.compile(r"\bUENUM\s*\((?:[^()]|\([^()]*\))*\)\s*namespace\s+(\w+)")
FOREIGN_STRUCT = re.compile(r"\bUSTRUCT\s*\((?:[^()]|\([^()]*\))*\)\s*struct\s+(?:\w+_API\s+)?(\w+)")
FOREIGN_DELEGATE = re.compile(r"\bDECLARE_DYNAMIC_\w*DELEGATE\w*\s*\(\s*(\w+)")


@dataclass
class PropertyType:
	kind: str  # an EPropertyGenFlags name
	cpp_type: str  # the value type stored in the object or parameter buffer
	class_function: Optional[str] = None
	meta_class_function: Optional[str] = None
	struct_function: Optional[str] = None
	enum_function: Optional[str] = None
	signature_function: Optional[str] = None
	inner: Optional["PropertyType"] = None
	value_inner: Optional["PropertyType"] = None

	@property
	def passes_by_reference(self):
		return self.kind in REFERENCE_KINDS


def is_object_class_name(name):
	return len(name) > 1 and name[0] in "UA" and name[1].isupper() and "::" not in name


def object_type(class_name, cpp_type):
	if class_name == "UClass":
		return PropertyType("Class", cpp_type, "&UClass::StaticClass", "&UObject::StaticClass")
	return PropertyType("Object", cpp_type, f"&{class_name}::StaticClass")


class TypeRegistry:
	"""The reflected types a module's headers can name: its own, and enums and structs of other modules."""

	def __init__(self, module, headers, repository_root):
		self.module = module
		self.repository_root = repository_root
		self.enums = {}
		self.structs = set()
		self.delegates = {}
		for header in headers:
			for enum in header.enums:
				self.enums[enum.cpp_type] = (enum.cpp_form, enum.underlying_type is not None)
			self.structs.update(struct.name for struct in header.structs)
			for delegate in header.delegates:
				self.delegates[delegate.name] = delegate
			for reflected_class in header.classes:
				for delegate in reflected_class.delegates:
					self.delegates[GeneratedNames.delegate_cpp_type(delegate)] = delegate
		# Filled from the whole repository the first time a name is not found in this module.
		self.foreign_kinds = None
		self.foreign_enums = None

	def resolve(self, cpp_type, path, line, owner_class=None, is_parameter=False):
		"""A function parameter may name an enum without an underlying type; it is held as a byte."""
		def fail(reason):
			return HeaderToolError(path, line, f"cannot map the type '{cpp_type.declared_text()}' to a property: {reason}")

		name = cpp_type.name
		if cpp_type.pointer_depth:
			if cpp_type.pointer_depth > 1 or cpp_type.args or not is_object_class_name(name):
				raise fail("only pointers to UObject classes are supported")
			return object_type(name, name + "*")
		if cpp_type.args:
			return self.resolve_template(cpp_type, path, line, owner_class, fail)
		if name in BUILTIN_TYPES:
			return PropertyType(BUILTIN_TYPES[name], name)
		delegate = self.find_delegate(name, owner_class)
		if delegate is not None:
			kind = "MulticastInlineDelegate" if delegate.is_multicast else "Delegate"
			return PropertyType(
				kind, GeneratedNames.delegate_cpp_type(delegate),
				signature_function="&" + GeneratedNames.delegate_construct(self.module, delegate))
		enum = self.find_enum(name)
		if enum is not None:
			cpp_form, has_underlying_type = enum
			if cpp_form == "Namespaced" or (cpp_form == "Regular" and not has_underlying_type):
				if is_parameter:
					return PropertyType("Byte", f"TEnumAsByte<{name}>", enum_function=f"&StaticEnum<{name}>")
				raise fail(f"wrap the enum as TEnumAsByte<{name}> or declare it as an enum class")
			return PropertyType("Enum", name, enum_function=f"&StaticEnum<{name}>")
		if name in BASE_STRUCTURES:
			return PropertyType("Struct", name, struct_function=f"&TBaseStructure<{name}>::Get")
		if self.is_struct(name):
			return PropertyType("Struct", name, struct_function=f"&{name}::StaticStruct")
		if self.foreign_kind(name) == "delegate":
			raise fail("delegate types of other modules are not supported")
		raise fail("it is not a reflected type (UCLASS, USTRUCT, UENUM or a dynamic delegate)")

	def resolve_template(self, cpp_type, path, line, owner_class, fail):
		name = cpp_type.name
		args = cpp_type.args
		if name in ("TObjectPtr", "TWeakObjectPtr", "TSubclassOf"):
			if len(args) != 1 or args[0].pointer_depth or args[0].args or not is_object_class_name(args[0].name):
				raise fail(f"{name} takes one UObject class")
			class_name = args[0].name
			if name == "TObjectPtr":
				return object_type(class_name, cpp_type.value_text())
			if name == "TWeakObjectPtr":
				return PropertyType("WeakObject", cpp_type.value_text(), f"&{class_name}::StaticClass")
			return PropertyType("Class", cpp_type.value_text(), "&UClass::StaticClass", f"&{class_name}::StaticClass")
		if name == "TEnumAsByte":
			enum_name = args[0].name if len(args) == 1 else ""
			if self.find_enum(enum_name) is None:
				raise fail("TEnumAsByte takes a UENUM")
			return PropertyType("Byte", cpp_type.value_text(), enum_function=f"&StaticEnum<{enum_name}>")
		if name in ("TArray", "TMap"):
			expected = 1 if name == "TArray" else 2
			if len(args) != expected:
				raise fail(f"{name} with a custom allocator is not supported")
			elements = [self.resolve(arg, path, line, owner_class) for arg in args]
			if any(element.kind in CONTAINER_KINDS for element in elements):
				raise fail("containers of containers are not supported")
			value_type = f"{name}<" + ", ".join(element.cpp_type for element in elements) + ">"
			if name == "TArray":
				return PropertyType("Array", value_type, inner=elements[0])
			return PropertyType("Map", value_type, inner=elements[0], value_inner=elements[1])
		raise fail(f"{name}<...> is not a supported container or pointer")

	def is_struct(self, name):
		return name is not None and (name in self.structs or self.foreign_kind(name) == "struct")

	def find_delegate(self, name, owner_class):
		if owner_class is not None:
			nested = self.delegates.get(f"{owner_class.name}::{name}")
			if nested is not None:
				return nested
		return self.delegates.get(name)

	def find_enum(self, name):
		"""(cpp form, has an underlying type) of a UENUM of this module or another, or None."""
		if name in self.enums:
			return self.enums[name]
		if name in BASE_ENUMS:
			return BASE_ENUMS[name]
		self.index_repository()
		return self.foreign_enums.get(name)

	def foreign_kind(self, name):
		""""struct" or "delegate" for a USTRUCT or dynamic delegate declared in another module's header."""
		self.index_repository()
		return self.foreign_kinds.get(name)

	def index_repository(self):
		"""Reads the UENUM, USTRUCT and delegate names of every header in the repository, once."""
		if self.foreign_kinds is not None:
			return
		self.foreign_kinds = {}
		self.foreign_enums = {}
		if self.repository_root is None:
			return
		for directory, subdirectories, files in os.walk(self.repository_root):
			subdirectories[:] = [name for name in subdirectories if name not in SKIPPED_DIRECTORIES and not name.startswith(".")]
			for file_name in files:
				if file_name.endswith(".h"):
					self.index_header(os.path.join(directory, file_name))

	def index_header(self, path):
		try:
			with open(path, encoding="utf-8-sig", errors="replace") as file:
				text = file.read()
		except OSError:
			return
		for match in FOREIGN_ENUM.finditer(text):
			cpp_form = "EnumClass" if match.group(1) else "Regular"
			self.foreign_enums[match.group(2)] = (cpp_form, match.group(3) is not None)
		for match in FOREIGN_NAMESPACED_ENUM.finditer(text):
			self.foreign_enums[match.group(1) + "::Type"] = ("Namespaced", False)
		for match in FOREIGN_STRUCT.finditer(text):
			self.foreign_kinds[match.group(1)] = "struct"
		for match in FOREIGN_DELEGATE.finditer(text):
			self.foreign_kinds.setdefault(match.group(1), "delegate")
