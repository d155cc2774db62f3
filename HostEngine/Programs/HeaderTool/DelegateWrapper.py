# The C++ function a dynamic delegate's Broadcast/Execute calls: it packs the arguments into the
# signature's parameter buffer and hands it to the bound functions.

import GeneratedNames


def wrapper_parameters(delegate, registry, path):
	"""(parameter, property type, declaration) per parameter: strings, texts, names, containers and
	structs travel as const references, everything else as declared."""
	result = []
	for parameter in delegate.parameters:
		property_type = registry.resolve(parameter.type, path, delegate.line, None)
		if parameter.type.is_reference or not property_type.passes_by_reference:
			declaration = parameter.type.declared_text()
		else:
			declaration = f"const {parameter.type.value_text()}&"
		result.append((parameter, property_type, f"{declaration} {parameter.name}"))
	return result


def wrapper_signature(delegate, registry, path):
	"""'FOnDone_DelegateWrapper(const FMulticastScriptDelegate& OnDone, ...)' without a return type."""
	storage = "FMulticastScriptDelegate" if delegate.is_multicast else "FScriptDelegate"
	parameters = [f"const {storage}& {delegate.short_name}"]
	parameters += [declaration for _, _, declaration in wrapper_parameters(delegate, registry, path)]
	return f"{GeneratedNames.delegate_wrapper(delegate)}(" + ", ".join(parameters) + ")"
