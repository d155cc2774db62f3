# Writes <Header>.generated.h: the macros that GENERATED_BODY() and the dynamic delegate
# declarations expand to (one per source line, found through CURRENT_FILE_ID and __LINE__), and
# the enum declarations that StaticEnum<> needs before the enums themselves are declared.

import os

import GeneratedNames
import ReflectionFlags
from DelegateWrapper import wrapper_signature


def macro_definition(name, lines):
	if not lines:
		return f"#define {name}\n"
	return f"#define {name} \\\n" + " \\\n".join("\t" + line for line in lines) + "\n"


class GeneratedHeaderWriter:
	def __init__(self, module, layout, registry):
		self.module = module
		self.layout = layout
		self.registry = registry
		self.api = GeneratedNames.api_macro(module)

	def write(self, header):
		file_id = self.layout.file_id(header.path)
		base_name = os.path.splitext(os.path.basename(header.path))[0]
		out = [
			f"#ifdef {file_id}_generated_h\n",
			f"#error \"{base_name}.generated.h already included, missing '#pragma once' in {base_name}.h\"\n",
			"#endif\n",
			f"#define {file_id}_generated_h\n",
			"\n",
			f"// Reflection macros the host header tool wrote for {base_name}.h; regenerated on every build.\n",
			"#include \"UObject/ObjectMacros.h\"\n",
		]
		delegates = header.delegates + [delegate for reflected_class in header.classes for delegate in reflected_class.delegates]
		if delegates:
			out.append("#include \"UObject/ScriptDelegates.h\"\n")
		if header.enums:
			out.append("#include \"UObject/ReflectedTypeAccessors.h\"\n")
		for delegate in sorted(delegates, key=lambda delegate: delegate.line):
			out.append("\n")
			out += self.delegate_macros(file_id, header, delegate)
		for reflected_class in header.classes:
			out.append("\n")
			out += self.class_macros(file_id, reflected_class)
		for struct in header.structs:
			out.append("\n")
			out.append(macro_definition(f"{file_id}_{struct.generated_body_line}_GENERATED_BODY", [
				f"friend struct {GeneratedNames.struct_statics(struct)};",
				f"{self.api} static class UScriptStruct* StaticStruct();",
			]))
		for enum in header.enums:
			out.append("\n")
			out += self.enum_declarations(enum)
		out += ["\n", "#undef CURRENT_FILE_ID\n", f"#define CURRENT_FILE_ID {file_id}\n"]
		return "".join(out)

	def delegate_macros(self, file_id, header, delegate):
		signature = wrapper_signature(delegate, self.registry, header.path)
		if delegate.outer_class:
			declaration = f"static void {signature};"
		else:
			declaration = f"{self.api} void {signature};"
		# __LINE__ inside a macro call that spans lines differs between compilers: cover every line.
		return [
			macro_definition(f"{file_id}_{line}_DELEGATE", [declaration])
			for line in range(delegate.line, delegate.end_line + 1)
		]

	def class_macros(self, file_id, reflected_class):
		prefix = f"{file_id}_{reflected_class.generated_body_line}"
		return [
			macro_definition(f"{prefix}_GENERATED_BODY", self.class_body(reflected_class, legacy=False)),
			macro_definition(f"{prefix}_GENERATED_BODY_LEGACY", self.class_body(reflected_class, legacy=True)),
		]

	def class_body(self, reflected_class, legacy):
		name = reflected_class.name
		api = self.api if reflected_class.specifiers.has("MinimalAPI") else "NO_API"
		static_flags = " | ".join(ReflectionFlags.class_static_flags(reflected_class)) or "0"
		# A CustomThunk function's class declares and writes its exec function itself, as in the engine.
		lines = [f"DECLARE_FUNCTION(exec{function.name});" for function in reflected_class.functions if not function.specifiers.has("CustomThunk")]
		lines += [
			"private:",
			f"static void StaticRegisterNatives{name}();",
			f"friend struct {GeneratedNames.class_statics(reflected_class)};",
			"public:",
			f"DECLARE_CLASS({name}, {reflected_class.super_name}, COMPILED_IN_FLAGS({static_flags}), CASTCLASS_None, TEXT(\"{GeneratedNames.package_name(self.module)}\"), {api})",
		]
		if legacy:
			lines.append(f"{api} {name}(const FObjectInitializer& ObjectInitializer);")
		elif declares_no_constructor(reflected_class):
			lines.append(f"{api} {name}(const FObjectInitializer& ObjectInitializer = FObjectInitializer::Get());")
		if not legacy and reflected_class.has_default_constructor and not reflected_class.has_initializer_constructor:
			lines.append(f"DEFINE_DEFAULT_CONSTRUCTOR_CALL({name})")
		else:
			lines.append(f"DEFINE_DEFAULT_OBJECT_INITIALIZER_CONSTRUCTOR_CALL({name})")
		lines += [
			"private:",
			f"{name}({name}&&) = delete;",
			f"{name}(const {name}&) = delete;",
			"public:",
			f"DECLARE_VTABLE_PTR_HELPER_CTOR({api}, {name});",
			f"DEFINE_VTABLE_PTR_HELPER_CTOR_CALLER({name})",
			"public:" if legacy else "private:",
		]
		return lines

	def enum_declarations(self, enum):
		values = [enum.enumerator_name(enumerator) for enumerator in enum.enumerators]
		out = [macro_definition(f"FOREACH_ENUM_{enum.name.upper()}(op)", [f"op({value})" for value in values])]
		underlying = f" : {enum.underlying_type}" if enum.underlying_type else ""
		if enum.cpp_form == "EnumClass":
			out.append(f"enum class {enum.name}{underlying};\n")
		elif enum.underlying_type is None:
			# A plain enum without a fixed type cannot be declared ahead; its StaticEnum is found at link time.
			return out
		elif enum.cpp_form == "Regular":
			out.append(f"enum {enum.name}{underlying};\n")
		else:
			out.append(f"namespace {enum.name} {{ enum Type{underlying}; }}\n")
		out.append(f"template <> {self.api} UEnum* StaticEnum<{enum.cpp_type}>();\n")
		return out


def declares_no_constructor(reflected_class):
	return not (reflected_class.has_default_constructor or reflected_class.has_initializer_constructor)
