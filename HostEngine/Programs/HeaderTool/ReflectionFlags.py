# Class, function and property flags from specifiers and declarations. Each is returned as a list
# of flag names for the writer to join.

ACCESS_FUNCTION_FLAGS = {"public": "FUNC_Public", "protected": "FUNC_Protected", "private": "FUNC_Private"}
ACCESS_PROPERTY_FLAGS = {
	"public": "CPF_NativeAccessSpecifierPublic",
	"protected": "CPF_NativeAccessSpecifierProtected",
	"private": "CPF_NativeAccessSpecifierPrivate",
}
PROPERTY_SPECIFIER_FLAGS = {
	"editanywhere": ["CPF_Edit"],
	"editdefaultsonly": ["CPF_Edit", "CPF_DisableEditOnInstance"],
	"editinstanceonly": ["CPF_Edit", "CPF_DisableEditOnTemplate"],
	"visibleanywhere": ["CPF_Edit", "CPF_EditConst"],
	"visibledefaultsonly": ["CPF_Edit", "CPF_EditConst", "CPF_DisableEditOnInstance"],
	"visibleinstanceonly": ["CPF_Edit", "CPF_EditConst", "CPF_DisableEditOnTemplate"],
	"blueprintreadwrite": ["CPF_BlueprintVisible"],
	"blueprintreadonly": ["CPF_BlueprintVisible", "CPF_BlueprintReadOnly"],
	"blueprintassignable": ["CPF_BlueprintAssignable"],
	"blueprintcallable": ["CPF_BlueprintCallable"],
	"transient": ["CPF_Transient"],
	"duplicatetransient": ["CPF_DuplicateTransient"],
	"nontransactional": ["CPF_NonTransactional"],
	"config": ["CPF_Config"],
	"globalconfig": ["CPF_GlobalConfig", "CPF_Config"],
	"savegame": ["CPF_SaveGame"],
	"advanceddisplay": ["CPF_AdvancedDisplay"],
	"simpledisplay": ["CPF_SimpleDisplay"],
	"noclear": ["CPF_NoClear"],
	"editfixedsize": ["CPF_EditFixedSize"],
	"exposeonspawn": ["CPF_ExposeOnSpawn"],
	"instanced": ["CPF_PersistentInstance", "CPF_ExportObject", "CPF_InstancedReference"],
	"export": ["CPF_ExportObject"],
}
CLASS_SPECIFIER_FLAGS = {
	"abstract": "CLASS_Abstract",
	"transient": "CLASS_Transient",
	"config": "CLASS_Config",
	"defaultconfig": "CLASS_DefaultConfig",
	"deprecated": "CLASS_Deprecated",
	"editinlinenew": "CLASS_EditInlineNew",
}


def unique(flags):
	return list(dict.fromkeys(flags))


def class_static_flags(reflected_class):
	"""The flags DECLARE_CLASS records in StaticClassFlags."""
	return unique(CLASS_SPECIFIER_FLAGS[key] for key, _ in reflected_class.specifiers.items if key in CLASS_SPECIFIER_FLAGS)


def class_flags(reflected_class):
	"""The flags the class object gets when it is constructed."""
	flags = ["CLASS_Native"]
	if reflected_class.specifiers.has("MinimalAPI"):
		flags.append("CLASS_MinimalAPI")
	elif reflected_class.has_api:
		flags.append("CLASS_RequiredAPI")
	return flags + class_static_flags(reflected_class)


def parameter_flags(parameter):
	"""The engine's parameter flags: a const reference is an input passed by reference (it carries
	CPF_OutParm too, with CPF_ReferenceParm marking it as an input), except a const FString reference,
	which has no flags but CPF_Parm; a non-const reference is an output."""
	cpp_type = parameter.type
	flags = ["CPF_Parm"]
	if cpp_type.name == "FString" and cpp_type.is_reference and cpp_type.is_const and not cpp_type.pointer_depth:
		# The engine's header tool reads a string passed by const reference as a string passed by value.
		pass
	elif cpp_type.is_reference and cpp_type.is_const:
		flags += ["CPF_OutParm", "CPF_ConstParm", "CPF_ReferenceParm"]
	elif cpp_type.is_reference:
		flags += ["CPF_OutParm"]
	elif cpp_type.is_const:
		flags.append("CPF_ConstParm")
	return flags + ["CPF_NativeAccessSpecifierPublic"]


def return_flags():
	return ["CPF_Parm", "CPF_OutParm", "CPF_ReturnParm", "CPF_NativeAccessSpecifierPublic"]


def has_out_parameters(parameters):
	return any(parameter.type.is_reference and not parameter.type.is_const for parameter in parameters)


def function_flags(function):
	specifiers = function.specifiers
	flags = ["FUNC_Native"]
	if function.is_static:
		flags.append("FUNC_Static")
	if function.is_static or not function.is_virtual or function.is_final:
		flags.append("FUNC_Final")
	flags.append(ACCESS_FUNCTION_FLAGS[function.access])
	pure_value = specifiers.value("BlueprintPure")
	explicitly_impure = specifiers.has("BlueprintPure") and pure_value is not None and pure_value.lower() == "false"
	if specifiers.has("BlueprintCallable") or specifiers.has("BlueprintPure"):
		flags.append("FUNC_BlueprintCallable")
	if specifiers.has("BlueprintPure") and not explicitly_impure:
		flags.append("FUNC_BlueprintPure")
	if specifiers.has("BlueprintAuthorityOnly"):
		flags.append("FUNC_BlueprintAuthorityOnly")
	if specifiers.has("BlueprintCosmetic"):
		flags.append("FUNC_BlueprintCosmetic")
	if has_out_parameters(function.parameters) or function.return_type is not None:
		flags.append("FUNC_HasOutParms")
	if any(parameter.default is not None for parameter in function.parameters):
		flags.append("FUNC_HasDefaults")
	if function.is_const:
		flags.append("FUNC_Const")
	return flags


def delegate_flags(delegate):
	flags = ["FUNC_Public", "FUNC_Delegate"]
	if delegate.is_multicast:
		flags.insert(0, "FUNC_MulticastDelegate")
	if has_out_parameters(delegate.parameters):
		flags.append("FUNC_HasOutParms")
	return flags


def property_flags(reflected_property):
	flags = []
	for key, _ in reflected_property.specifiers.items:
		flags += PROPERTY_SPECIFIER_FLAGS.get(key, [])
	flags.append(ACCESS_PROPERTY_FLAGS[reflected_property.access])
	return unique(flags)
