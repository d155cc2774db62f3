# Writes <Module>.gen.cpp: the tables from which the object system builds the module's package,
# delegate signatures, enums, structs and classes, the native thunks of reflected functions, and
# the registration that ProcessNewlyLoadedUObjects picks up.

import GeneratedNames
import ReflectionFlags
import ReflectionMetadata
from DelegateWrapper import wrapper_parameters, wrapper_signature

PARAMS = "UECodeGen_Private::"


def cpp_string(text):
	"""A UTF-8 C++ string literal."""
	escaped = text.replace("\\", "\\\\").replace('"', '\\"').replace("\n", "\\n").replace("\r", "\\r").replace("\t", "\\t")
	return f'"{escaped}"'


def flags_expression(flags, none):
	return " | ".join(flags) if flags else none


class Statics:
	"""A Z_Construct_..._Statics struct: static const members declared inside, defined after it."""

	def __init__(self, name):
		self.name = name
		self.declarations = []
		self.definitions = []

	def add(self, cpp_type, member, initializer):
		self.declarations.append(f"\tstatic const {cpp_type} {member};\n")
		self.definitions.append(f"const {cpp_type} {self.name}::{member} = {initializer};\n")

	def add_array(self, element_type, member, elements):
		self.declarations.append(f"\tstatic const {element_type} {member}[];\n")
		body = "".join(f"\t{element},\n" for element in elements)
		self.definitions.append(f"const {element_type} {self.name}::{member}[] = {{\n{body}}};\n")

	def add_metadata(self, member, metadata):
		pairs = [f"{{ {cpp_string(key)}, {cpp_string(value)} }}" for key, value in ReflectionMetadata.sorted_metadata(metadata)]
		self.add_array(PARAMS + "FMetaDataPairParam", member, pairs)
		return f".MetaData = {member}, .NumMetaData = {len(pairs)}"

	def render(self, extra_declarations=()):
		return (
			f"struct {self.name}\n{{\n" + "".join(self.declarations) + "".join(extra_declarations) + "};\n"
			+ "".join(self.definitions))


class GeneratedCppWriter:
	def __init__(self, module, layout, registry, headers):
		self.module = module
		self.layout = layout
		self.registry = registry
		self.headers = headers
		self.package_outer = GeneratedNames.package_outer_function(module)

	def write(self):
		out = [
			f"// Reflection data the host header tool wrote for the {self.module} module; regenerated on every build.\n",
			"#include \"UObject/GeneratedCppIncludes.h\"\n",
		]
		for include in dict.fromkeys(self.layout.include_path(header.path) for header in self.headers):
			out.append(f"#include \"{include}\"\n")
		out.append("\nPRAGMA_HOST_GENERATED_CODE_START\n\n")
		out += self.forward_declarations()
		out.append(self.package())
		for header in self.headers:
			for delegate in header.delegates:
				out.append(self.delegate(header, delegate))
		for header in self.headers:
			for enum in header.enums:
				out.append(self.enum(header, enum))
		for header in self.headers:
			for struct in header.structs:
				out.append(self.struct(header, struct))
		for header in self.headers:
			for reflected_class in header.classes:
				out.append(self.reflected_class(header, reflected_class))
		out.append(self.registration())
		out.append("PRAGMA_HOST_GENERATED_CODE_END\n")
		return "".join(out)

	def forward_declarations(self):
		"""Delegate signatures, so a property can name one declared in a later header."""
		lines = []
		for header in self.headers:
			delegates = header.delegates + [delegate for reflected_class in header.classes for delegate in reflected_class.delegates]
			for delegate in delegates:
				lines.append(f"UFunction* {GeneratedNames.delegate_construct(self.module, delegate)}();\n")
		return lines + ["\n"] if lines else []

	# Package

	def package(self):
		function = GeneratedNames.package_function(self.module)
		flags = flags_expression(self.layout.package_flags(), "PKG_None")
		return (
			f"UPackage* {function}()\n{{\n"
			"\tstatic UPackage* ReturnPackage = nullptr;\n"
			"\tif (!ReturnPackage)\n\t{\n"
			f"\t\tstatic const {PARAMS}FPackageParams PackageParams = {{ .NameUTF8 = {cpp_string(GeneratedNames.package_name(self.module))}, .PackageFlags = {flags} }};\n"
			f"\t\t{PARAMS}ConstructUPackage(ReturnPackage, PackageParams);\n"
			"\t}\n\treturn ReturnPackage;\n}\n\n"
			f"UObject* {self.package_outer}()\n{{\n\treturn {function}();\n}}\n\n")

	# Properties

	def add_property(self, statics, name, property_type, flags, offset, metadata=None, member=None):
		"""Adds NewProp_<member> (and the properties of its elements) to a statics struct.

		An array's element property shares the array's name; a map's key is "<Name>_Key".
		"""
		member = member or name
		links = []
		if property_type.inner is not None:
			inner_name = name + "_Key" if property_type.value_inner is not None else name
			self.add_property(statics, inner_name, property_type.inner, [], "0", member=member + "_Inner")
			links.append(f".Inner = &NewProp_{member}_Inner")
		if property_type.value_inner is not None:
			self.add_property(statics, name, property_type.value_inner, [], "0", member=member + "_ValueInner")
			links.append(f".ValueInner = &NewProp_{member}_ValueInner")
		fields = [
			f".NameUTF8 = {cpp_string(name)}",
			f".Flags = {PARAMS}EPropertyGenFlags::{property_type.kind}",
			f".PropertyFlags = {flags_expression(flags, 'CPF_None')}",
			f".Offset = {offset}",
			f".ValueOpsFunc = &GetPropertyValueOps<{property_type.cpp_type}>",
		]
		for field, value in (
			("ClassFunc", property_type.class_function),
			("MetaClassFunc", property_type.meta_class_function),
			("StructFunc", property_type.struct_function),
			("EnumFunc", property_type.enum_function),
			("SignatureFunc", property_type.signature_function),
		):
			if value is not None:
				fields.append(f".{field} = {value}")
		fields += links
		if metadata:
			fields.append(statics.add_metadata(f"NewProp_{member}_MetaData", metadata))
		statics.add(PARAMS + "FPropertyParams", "NewProp_" + member, "{ " + ", ".join(fields) + " }")
		return "NewProp_" + member

	def add_parameter_properties(self, statics, parameters, parms, return_type=None):
		"""The properties of a function or signature, in declaration order with ReturnValue last."""
		members = []
		for name, property_type, flags in parameters:
			members.append(self.add_property(statics, name, property_type, flags, f"(int32)STRUCT_OFFSET({parms}, {name})"))
		if return_type is not None:
			members.append(self.add_property(statics, "ReturnValue", return_type, ReflectionFlags.return_flags(), f"(int32)STRUCT_OFFSET({parms}, ReturnValue)"))
		if members:
			statics.add_array(f"{PARAMS}FPropertyParams* const", "PropPointers", [f"&{member}" for member in members])
		return len(members)

	# Delegates

	def delegate(self, header, delegate, outer_function=None):
		parms = GeneratedNames.delegate_parms(self.module, delegate)
		construct = GeneratedNames.delegate_construct(self.module, delegate)
		statics = Statics(construct + "_Statics")
		parameters = wrapper_parameters(delegate, self.registry, header.path)
		out = [f"// Delegate {delegate.name}\n"]
		if parameters:
			members = "".join(f"\t{property_type.cpp_type} {parameter.name};\n" for parameter, property_type, _ in parameters)
			out.append(f"struct {parms}\n{{\n{members}}};\n\n")
		out.append(self.delegate_wrapper(header, delegate, parms, parameters))
		count = self.add_parameter_properties(
			statics,
			[(parameter.name, property_type, ReflectionFlags.parameter_flags(parameter)) for parameter, property_type, _ in parameters],
			parms)
		metadata = ReflectionMetadata.delegate_metadata(delegate, self.layout.module_relative_path(header.path))
		out.append(self.function_params(
			statics, construct, outer_function or self.package_outer, GeneratedNames.delegate_signature(delegate), count,
			parms if parameters else None, ReflectionFlags.delegate_flags(delegate), metadata))
		return "".join(out)

	@staticmethod
	def function_params(statics, construct, outer, name, count, parms, flags, metadata):
		"""The FFunctionParams of a function or signature, the statics before them, and its construct function."""
		fields = [
			f".OuterFunc = &{outer}",
			f".NameUTF8 = {cpp_string(name)}",
			f".PropertyArray = {'PropPointers' if count else 'nullptr'}",
			f".NumProperties = {count}",
			f".ParmsSize = {f'(uint16)sizeof({parms})' if parms else '0'}",
			f".FunctionFlags = {flags_expression(flags, 'FUNC_None')}",
			statics.add_metadata("Function_MetaDataParams", metadata),
		]
		statics.add(PARAMS + "FFunctionParams", "FuncParams", "{ " + ", ".join(fields) + " }")
		return statics.render() + construct_function("UFunction", construct, "ReturnFunction", "ConstructUFunction", statics.name + "::FuncParams")

	def delegate_wrapper(self, header, delegate, parms, parameters):
		qualifier = f"{delegate.outer_class}::" if delegate.outer_class else ""
		call = "ProcessMulticastDelegate" if delegate.is_multicast else "ProcessDelegate"
		body = []
		if parameters:
			body.append(f"\t{parms} Parms{{ " + ", ".join(parameter.name for parameter, _, _ in parameters) + " };\n")
			argument = "&Parms"
		else:
			argument = "nullptr"
		body.append(f"\t{delegate.short_name}.{call}<UObject>({argument});\n")
		# Listeners write outputs into the buffer; hand them back through the reference parameters.
		for parameter, _, _ in parameters:
			if parameter.type.is_reference and not parameter.type.is_const:
				body.append(f"\t{parameter.name} = Parms.{parameter.name};\n")
		return f"void {qualifier}{wrapper_signature(delegate, self.registry, header.path)}\n{{\n" + "".join(body) + "}\n\n"

	# Enums

	def enum(self, header, enum):
		construct = GeneratedNames.enum_construct(self.module, enum)
		statics = Statics(construct + "_Statics")
		names = [enum.enumerator_name(enumerator) for enumerator in enum.enumerators]
		enumerators = [f"{{ {cpp_string(name)}, (int64){name} }}" for name in names]
		statics.add_array(PARAMS + "FEnumeratorParam", "Enumerators", enumerators)
		metadata = ReflectionMetadata.enum_metadata(enum, self.layout.module_relative_path(header.path))
		fields = [
			f".OuterFunc = &{self.package_outer}",
			f".NameUTF8 = {cpp_string(enum.name)}",
			f".CppTypeUTF8 = {cpp_string(enum.cpp_type)}",
			".Enumerators = Enumerators",
			f".NumEnumerators = {len(enumerators)}",
			f".CppForm = UEnum::ECppForm::{enum.cpp_form}",
			statics.add_metadata("Enum_MetaDataParams", metadata),
		]
		statics.add(PARAMS + "FEnumParams", "EnumParams", "{ " + ", ".join(fields) + " }")
		return (
			f"// Enum {enum.name}\n" + statics.render()
			+ construct_function("UEnum", construct, "ReturnEnum", "ConstructUEnum", statics.name + "::EnumParams")
			+ f"template <>\nUEnum* StaticEnum<{enum.cpp_type}>()\n{{\n\treturn {construct}();\n}}\n\n")

	# Structs

	def struct(self, header, struct):
		statics = Statics(GeneratedNames.struct_statics(struct))
		path = self.layout.module_relative_path(header.path)
		members = []
		for member in struct.properties:
			property_type = self.registry.resolve(member.type, header.path, member.line)
			members.append(self.add_property(
				statics, member.name, property_type, ReflectionFlags.property_flags(member),
				f"(int32)STRUCT_OFFSET({struct.name}, {member.name})", ReflectionMetadata.property_metadata(member, path)))
		if members:
			statics.add_array(f"{PARAMS}FPropertyParams* const", "PropPointers", [f"&{member}" for member in members])
		super_function = f"&{struct.super_name}::StaticStruct" if self.registry.is_struct(struct.super_name) else "nullptr"
		fields = [
			f".OuterFunc = &{self.package_outer}",
			f".SuperFunc = {super_function}",
			".StructOpsFunc = &NewStructOps",
			f".NameUTF8 = {cpp_string(struct.name[1:])}",
			f".PropertyArray = {'PropPointers' if members else 'nullptr'}",
			f".NumProperties = {len(members)}",
			f".SizeOf = (uint16)sizeof({struct.name})",
			f".AlignOf = (uint16)alignof({struct.name})",
			statics.add_metadata("Struct_MetaDataParams", ReflectionMetadata.struct_metadata(struct, path)),
		]
		statics.add(PARAMS + "FStructParams", "StructParams", "{ " + ", ".join(fields) + " }")
		struct_ops = (
			"\tstatic UScriptStruct::ICppStructOps* NewStructOps()\n\t{\n"
			f"\t\tstatic UScriptStruct::TCppStructOps<{struct.name}> StructOps;\n"
			"\t\treturn &StructOps;\n\t}\n")
		return (
			f"// Struct {struct.name}\n" + statics.render([struct_ops])
			+ f"UScriptStruct* {struct.name}::StaticStruct()\n{{\n"
			"\tstatic UScriptStruct* ReturnStruct = nullptr;\n"
			"\tif (!ReturnStruct)\n\t{\n"
			f"\t\t{PARAMS}ConstructUScriptStruct(ReturnStruct, {statics.name}::StructParams);\n"
			"\t}\n\treturn ReturnStruct;\n}\n\n")

	# Classes

	def reflected_class(self, header, reflected_class):
		name = reflected_class.name
		path = self.layout.module_relative_path(header.path)
		outer = GeneratedNames.class_outer_function(reflected_class)
		out = [f"// Class {name}\n", self.register_natives(reflected_class)]
		if reflected_class.functions or reflected_class.delegates:
			out.append(f"UObject* {outer}()\n{{\n\treturn {name}::StaticClass();\n}}\n\n")
		for delegate in reflected_class.delegates:
			out.append(self.delegate(header, delegate, outer))
		for function in reflected_class.functions:
			out.append(self.function(header, reflected_class, function, outer))
		statics = Statics(GeneratedNames.class_statics(reflected_class))
		members = []
		for member in reflected_class.properties:
			property_type = self.registry.resolve(member.type, header.path, member.line, reflected_class)
			members.append(self.add_property(
				statics, member.name, property_type, ReflectionFlags.property_flags(member),
				f"(int32)STRUCT_OFFSET({name}, {member.name})", ReflectionMetadata.property_metadata(member, path)))
		if members:
			statics.add_array(f"{PARAMS}FPropertyParams* const", "PropPointers", [f"&{member}" for member in members])
		# Nested delegate signatures are built with the class's functions, as the engine does.
		linked = [(GeneratedNames.function_construct(reflected_class, function), function.name) for function in reflected_class.functions]
		linked += [(GeneratedNames.delegate_construct(self.module, delegate), GeneratedNames.delegate_signature(delegate)) for delegate in reflected_class.delegates]
		links = [f"{{ &{construct}, {cpp_string(function_name)} }}" for construct, function_name in linked]
		if links:
			statics.add_array(PARAMS + "FClassFunctionLinkInfo", "FuncInfo", links)
		metadata = ReflectionMetadata.class_metadata(reflected_class, path, self.layout.include_path(header.path))
		fields = [
			f".FunctionLinkArray = {'FuncInfo' if links else 'nullptr'}",
			f".NumFunctions = {len(links)}",
			f".PropertyArray = {'PropPointers' if members else 'nullptr'}",
			f".NumProperties = {len(members)}",
			f".ClassFlags = {flags_expression(ReflectionFlags.class_flags(reflected_class), 'CLASS_None')}",
			statics.add_metadata("Class_MetaDataParams", metadata),
		]
		statics.add(PARAMS + "FClassParams", "ClassParams", "{ " + ", ".join(fields) + " }")
		out.append(statics.render())
		out.append(self.private_static_class(reflected_class, statics.name))
		if not reflected_class.is_legacy_body and not (reflected_class.has_default_constructor or reflected_class.has_initializer_constructor):
			out.append(f"{name}::{name}(const FObjectInitializer& ObjectInitializer)\n\t: Super(ObjectInitializer)\n{{\n}}\n\n")
		out.append(f"DEFINE_VTABLE_PTR_HELPER_CTOR({name})\n\n")
		return "".join(out)

	def register_natives(self, reflected_class):
		name = reflected_class.name
		if not reflected_class.functions:
			return f"void {name}::StaticRegisterNatives{name}()\n{{\n}}\n\n"
		pairs = "".join(f"\t\t{{ {cpp_string(function.name)}, &{name}::exec{function.name} }},\n" for function in reflected_class.functions)
		return (
			f"void {name}::StaticRegisterNatives{name}()\n{{\n"
			f"\tstatic const FNameNativePtrPair Funcs[] = {{\n{pairs}\t}};\n"
			f"\tFNativeFunctionRegistrar::RegisterFunctions({name}::StaticClass(), Funcs, {len(reflected_class.functions)});\n}}\n\n")

	def private_static_class(self, reflected_class, statics_name):
		"""GetPrivateStaticClass, filling the class's reflection as soon as its shell exists."""
		name = reflected_class.name
		config = reflected_class.specifiers.value("Config")
		config_name = f"TEXT({cpp_string(config)})" if config else "nullptr"
		return (
			f"UClass* {name}::GetPrivateStaticClass()\n{{\n"
			"\tstatic UClass* PrivateStaticClass = nullptr;\n"
			"\tif (!PrivateStaticClass)\n\t{\n"
			"\t\t// The package first, so that it carries the module's package flags.\n"
			f"\t\t{GeneratedNames.package_function(self.module)}();\n"
			f"\t\tGetPrivateStaticClassBody(StaticPackage(), TEXT({cpp_string(reflected_class.short_name)}), PrivateStaticClass, StaticRegisterNatives{name}, "
			f"sizeof({name}), alignof({name}), {name}::StaticClassFlags, {name}::StaticClassCastFlags(), {config_name}, "
			f"&{name}::__DefaultConstructor, &{name}::AddReferencedObjects, &{name}::Super::StaticClass, &{name}::WithinClass::StaticClass);\n"
			f"\t\t{PARAMS}ConstructUClass(PrivateStaticClass, {statics_name}::ClassParams);\n"
			"\t}\n\treturn PrivateStaticClass;\n}\n\n")

	def function(self, header, reflected_class, function, outer):
		parms = GeneratedNames.function_parms(reflected_class, function)
		construct = GeneratedNames.function_construct(reflected_class, function)
		statics = Statics(construct + "_Statics")
		parameters = []
		for parameter in function.parameters:
			property_type = self.registry.resolve(parameter.type, header.path, parameter.line, reflected_class, is_parameter=True)
			parameters.append((parameter.name, property_type, ReflectionFlags.parameter_flags(parameter)))
		return_type = None
		if function.return_type is not None:
			return_type = self.registry.resolve(function.return_type, header.path, function.line, reflected_class)
		out = [f"// Function {reflected_class.name}::{function.name}\n"]
		has_parms = bool(parameters) or return_type is not None
		if has_parms:
			members = [f"\t{property_type.cpp_type} {name};\n" for name, property_type, _ in parameters]
			if return_type is not None:
				members.append(f"\t{return_type.cpp_type} ReturnValue;\n")
			out.append(f"struct {parms}\n{{\n" + "".join(members) + "};\n\n")
		if not function.specifiers.has("CustomThunk"):
			out.append(self.thunk(reflected_class, function, parms, parameters, return_type))
		count = self.add_parameter_properties(statics, parameters, parms, return_type)
		metadata = ReflectionMetadata.function_metadata(function, self.layout.module_relative_path(header.path))
		out.append(self.function_params(
			statics, construct, outer, function.name, count, parms if has_parms else None, ReflectionFlags.function_flags(function), metadata))
		return "".join(out)

	def thunk(self, reflected_class, function, parms, parameters, return_type):
		"""The native entry ProcessEvent calls: arguments come from the parameter buffer (Stack.Locals)."""
		name = reflected_class.name
		target = f"{name}::" if function.is_static else f"P_THIS_CAST({name})->"
		call = f"{target}{function.name}(" + ", ".join(f"Parms.{parameter}" for parameter, _, _ in parameters) + ")"
		body = []
		if parameters:
			body.append(f"\t{parms}& Parms = *({parms}*)Stack.Locals;\n")
		if return_type is not None:
			body.append(f"\t*({return_type.cpp_type}*)RESULT_PARAM = {call};\n")
		else:
			body.append(f"\t{call};\n")
		return f"DEFINE_FUNCTION({name}::exec{function.name})\n{{\n" + "".join(body) + "}\n\n"

	# Registration

	def registration(self):
		classes = [f"&{reflected_class.name}::StaticClass" for header in self.headers for reflected_class in header.classes]
		structs = [f"&{struct.name}::StaticStruct" for header in self.headers for struct in header.structs]
		enums = [f"&StaticEnum<{enum.cpp_type}>" for header in self.headers for enum in header.enums]
		delegates = [f"&{GeneratedNames.delegate_construct(self.module, delegate)}" for header in self.headers for delegate in header.delegates]
		out = []
		arguments = []
		for kind, return_type, entries in (
			("Classes", "UClass", classes), ("Structs", "UScriptStruct", structs),
			("Enums", "UEnum", enums), ("Delegates", "UFunction", delegates),
		):
			if entries:
				array = f"Z_CompiledIn{kind}_{self.module}"
				out.append(f"static {return_type}* (*const {array}[])() = {{\n" + "".join(f"\t{entry},\n" for entry in entries) + "};\n")
				arguments.append(f"{array}, {len(entries)}")
			else:
				arguments.append("nullptr, 0")
		out.append(
			f"static {PARAMS}FRegisterCompiledInInfo Z_CompiledInDeferFile_{self.module}("
			f"TEXT({cpp_string(GeneratedNames.package_name(self.module))}), " + ", ".join(arguments) + ");\n\n")
		return "// Registration\n" + "".join(out)


def construct_function(return_type, name, variable, constructor, params):
	return (
		f"{return_type}* {name}()\n{{\n"
		f"\tstatic {return_type}* {variable} = nullptr;\n"
		f"\tif (!{variable})\n\t{{\n"
		f"\t\t{PARAMS}{constructor}({variable}, {params});\n"
		f"\t}}\n\treturn {variable};\n}}\n\n")
