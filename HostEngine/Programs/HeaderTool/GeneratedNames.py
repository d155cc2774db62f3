# Names of the symbols the generated code defines, shared by the header and .cpp writers so that
# a declaration and its definition can never disagree.


def api_macro(module):
	return module.upper() + "_API"


def package_name(module):
	return "/Script/" + module


def package_function(module):
	return "Z_Construct_UPackage__Script_" + module


def package_outer_function(module):
	return package_function(module) + "_Outer"


def class_statics(reflected_class):
	return f"Z_Construct_UClass_{reflected_class.name}_Statics"


def class_outer_function(reflected_class):
	return f"Z_Construct_UClass_{reflected_class.name}_Outer"


def function_construct(reflected_class, function):
	return f"Z_Construct_UFunction_{reflected_class.name}_{function.name}"


def function_parms(reflected_class, function):
	return f"{reflected_class.short_name}_event{function.name}_Parms"


def struct_statics(struct):
	return f"Z_Construct_UScriptStruct_{struct.name}_Statics"


def enum_construct(module, enum):
	return f"Z_Construct_UEnum_{module}_{enum.name}"


def delegate_construct(module, delegate):
	owner = delegate.outer_class or module
	return f"Z_Construct_UDelegateFunction_{owner}_{delegate.short_name}__DelegateSignature"


def delegate_parms(module, delegate):
	if delegate.outer_class:
		return f"{delegate.outer_class[1:]}_event{delegate.short_name}_Parms"
	return f"_Script_{module}_event{delegate.short_name}_Parms"


def delegate_signature(delegate):
	return delegate.short_name + "__DelegateSignature"


def delegate_wrapper(delegate):
	return delegate.name + "_DelegateWrapper"


def delegate_cpp_type(delegate):
	return f"{delegate.outer_class}::{delegate.name}" if delegate.outer_class else delegate.name
