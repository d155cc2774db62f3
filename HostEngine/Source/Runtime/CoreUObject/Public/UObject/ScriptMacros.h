#pragma once

#include "UObject/Script.h"
#include "UObject/UnrealType.h"

// What a hand-written native function (CustomThunk) uses to read its arguments from the frame.

#define P_GET_PROPERTY(PropertyType, ParamName) \
	PropertyType::TCppType_ ParamName{}; \
	Stack.StepCompiledIn<PropertyType>(&ParamName);
#define P_GET_UBOOL(ParamName) \
	bool ParamName = false; \
	Stack.StepCompiledIn<FBoolProperty>(&ParamName);
#define P_FINISH
#define P_NATIVE_BEGIN {
#define P_NATIVE_END }
