# The metadata each reflected declaration carries: its comment, where it was declared, what its
# specifiers imply and every meta=(...) pair, keyed and sorted as the engine's header tool does.

import re

from SourceComments import comment_metadata
from Specifiers import unquote

NUMBER = re.compile(r"^[-+]?(\d+\.?\d*|\.\d+)([eE][-+]?\d+)?[fFuUlL]*$")
STRING_DEFAULT = re.compile(r'^(?:TEXT\((.*)\)|(u8|u|U|L)?(".*"))$')
WRAPPED_DEFAULT = re.compile(r"^(FString|FName|FText)\((.*)\)$")


def sorted_metadata(metadata):
	"""Metadata pairs ordered by key, ignoring case."""
	return sorted(metadata.items(), key=lambda pair: (pair[0].lower(), pair[0]))


def declaration_metadata(comment, module_relative_path, specifiers):
	metadata = comment_metadata(comment)
	metadata["ModuleRelativePath"] = module_relative_path
	category = specifiers.value("Category")
	if category is not None:
		metadata["Category"] = category
	return metadata


def class_metadata(reflected_class, module_relative_path, include_path):
	specifiers = reflected_class.specifiers
	metadata = declaration_metadata(reflected_class.comment, module_relative_path, specifiers)
	metadata["IncludePath"] = include_path
	if specifiers.has("BlueprintType"):
		metadata["BlueprintType"] = "true"
	if specifiers.has("NotBlueprintType"):
		metadata["NotBlueprintType"] = "true"
	if specifiers.has("Blueprintable"):
		metadata["IsBlueprintBase"] = "true"
		metadata["BlueprintType"] = "true"
	if specifiers.has("NotBlueprintable"):
		metadata["IsBlueprintBase"] = "false"
	for key in ("HideCategories", "ShowCategories"):
		if specifiers.value(key) is not None:
			metadata[key] = specifiers.value(key)
	metadata.update(specifiers.meta)
	return metadata


def struct_metadata(struct, module_relative_path):
	metadata = declaration_metadata(struct.comment, module_relative_path, struct.specifiers)
	if struct.specifiers.has("BlueprintType"):
		metadata["BlueprintType"] = "true"
	metadata.update(struct.specifiers.meta)
	return metadata


def enum_metadata(enum, module_relative_path):
	metadata = declaration_metadata(enum.comment, module_relative_path, enum.specifiers)
	if enum.specifiers.has("BlueprintType"):
		metadata["BlueprintType"] = "true"
	metadata.update(enum.specifiers.meta)
	for enumerator in enum.enumerators:
		prefix = enumerator.name + "."
		metadata[prefix + "Name"] = enum.enumerator_name(enumerator)
		for key, value in comment_metadata(enumerator.comment).items():
			metadata[prefix + key] = value
		for key, value in enumerator.specifiers.meta.items():
			metadata[prefix + key] = value
	return metadata


def function_metadata(function, module_relative_path):
	specifiers = function.specifiers
	metadata = declaration_metadata(function.comment, module_relative_path, specifiers)
	if specifiers.has("CallInEditor"):
		metadata["CallInEditor"] = "true"
	for parameter in function.parameters:
		if parameter.default is not None:
			metadata["CPP_Default_" + parameter.name] = default_value_text(parameter.default)
	metadata.update(specifiers.meta)
	return metadata


def property_metadata(reflected_property, module_relative_path):
	specifiers = reflected_property.specifiers
	metadata = declaration_metadata(reflected_property.comment, module_relative_path, specifiers)
	if specifiers.has("ExposeOnSpawn"):
		metadata["ExposeOnSpawn"] = "true"
	if specifiers.has("Instanced"):
		metadata["EditInline"] = "true"
	metadata.update(specifiers.meta)
	return metadata


def delegate_metadata(delegate, module_relative_path):
	metadata = declaration_metadata(delegate.comment, module_relative_path, delegate.specifiers)
	metadata.update(delegate.specifiers.meta)
	return metadata


def default_value_text(default):
	"""A parameter's C++ default argument in the form the Blueprint editor reads (CPP_Default_<Name>)."""
	text = default.strip()
	wrapped = WRAPPED_DEFAULT.match(text)
	if wrapped:
		inner = wrapped.group(2).strip()
		if not inner:
			return "None" if wrapped.group(1) == "FName" else ""
		text = inner
	if text in ("NAME_None", "nullptr", "NULL"):
		return "None"
	if text in ("FText::GetEmpty()", "FString()"):
		return ""
	string = STRING_DEFAULT.match(text)
	if string:
		literal = string.group(1) if string.group(1) is not None else string.group(3)
		return unquote(literal)
	number = NUMBER.match(text)
	if number:
		digits = text.rstrip("fFuUlL")
		if any(marker in digits for marker in ".eE"):
			return f"{float(digits):f}"
		return digits
	if "::" in text and re.match(r"^[\w:]+$", text):
		return text.rsplit("::", 1)[1]
	return text
