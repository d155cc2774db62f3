# The property each C++ type maps to, including types declared by other modules' headers.

import os
import tempfile
import unittest

from DelegateWrapper import wrapper_signature
from HeaderParser import parse_header
from PropertyTypes import TypeRegistry

SAMPLE_HEADER = '''#pragma once
#include "Sample.generated.h"

DECLARE_DYNAMIC_MULTICAST_DELEGATE_ThreeParams(FOnRead, FString, Text, const TArray<FString>&, Lines, EMood, Mood);
DECLARE_DYNAMIC_DELEGATE_OneParam(FOnPing, UObject*, Sender);

UENUM()
enum class EMood : uint8 { Calm };

USTRUCT()
struct FPair
{
	GENERATED_BODY()
};

UCLASS()
class USample : public UObject
{
	GENERATED_BODY()

	DECLARE_DYNAMIC_MULTICAST_DELEGATE(FOnNested);

	UPROPERTY()
	{declaration} Member;
};
'''


def resolve(declaration, repository_root=None):
	header = parse_header("Sample.h", SAMPLE_HEADER.replace("{declaration}", declaration))
	registry = TypeRegistry("Sample", [header], repository_root)
	member = header.classes[0].properties[0]
	return registry.resolve(member.type, header.path, member.line, header.classes[0])


class PropertyTypeTest(unittest.TestCase):
	CASES = [
		# (member type, kind, value type, the function that names its class/struct/enum/signature)
		("bool", "Bool", "bool", None),
		("uint8", "Byte", "uint8", None),
		("int64", "Int64", "int64", None),
		("double", "Double", "double", None),
		("FText", "Text", "FText", None),
		("UObject*", "Object", "UObject*", "&UObject::StaticClass"),
		("TObjectPtr<USample>", "Object", "TObjectPtr<USample>", "&USample::StaticClass"),
		("UClass*", "Class", "UClass*", "&UObject::StaticClass"),
		("TSubclassOf<USample>", "Class", "TSubclassOf<USample>", "&USample::StaticClass"),
		("TWeakObjectPtr<AActor>", "WeakObject", "TWeakObjectPtr<AActor>", "&AActor::StaticClass"),
		("EMood", "Enum", "EMood", "&StaticEnum<EMood>"),
		("TEnumAsByte<EMood>", "Byte", "TEnumAsByte<EMood>", "&StaticEnum<EMood>"),
		("FPair", "Struct", "FPair", "&FPair::StaticStruct"),
		("FOnRead", "MulticastInlineDelegate", "FOnRead", "&Z_Construct_UDelegateFunction_Sample_OnRead__DelegateSignature"),
		("FOnPing", "Delegate", "FOnPing", "&Z_Construct_UDelegateFunction_Sample_OnPing__DelegateSignature"),
		("FOnNested", "MulticastInlineDelegate", "USample::FOnNested", "&Z_Construct_UDelegateFunction_USample_OnNested__DelegateSignature"),
	]

	def test_member_types(self):
		for declaration, kind, value_type, function in self.CASES:
			with self.subTest(declaration):
				property_type = resolve(declaration)
				self.assertEqual((property_type.kind, property_type.cpp_type), (kind, value_type))
				functions = {
					"Object": property_type.class_function,
					"Class": property_type.meta_class_function,
					"WeakObject": property_type.class_function,
					"Enum": property_type.enum_function,
					"Byte": property_type.enum_function,
					"Struct": property_type.struct_function,
					"Delegate": property_type.signature_function,
					"MulticastInlineDelegate": property_type.signature_function,
				}
				self.assertEqual(functions.get(kind), function)

	def test_containers_describe_their_elements(self):
		array = resolve("TArray<TObjectPtr<UObject>>")
		self.assertEqual((array.kind, array.cpp_type, array.inner.kind), ("Array", "TArray<TObjectPtr<UObject>>", "Object"))
		mapping = resolve("TMap<FName, FPair>")
		self.assertEqual((mapping.kind, mapping.inner.kind, mapping.value_inner.struct_function), ("Map", "Name", "&FPair::StaticStruct"))

	def test_types_of_other_modules_are_found_in_the_repository(self):
		with tempfile.TemporaryDirectory() as root:
			other = os.path.join(root, "HostEngine", "Source", "Runtime", "Engine", "Classes", "EdGraph")
			os.makedirs(other)
			with open(os.path.join(other, "EdGraphPin.h"), "w", encoding="utf-8") as file:
				file.write('UENUM()\nenum EEdGraphPinDirection : int\n{\n\tEGPD_Input,\n};\n'
					'USTRUCT(BlueprintType)\nstruct ENGINE_API FEdGraphPinType\n{\n\tGENERATED_BODY()\n};\n')
			self.assertEqual(resolve("TEnumAsByte<EEdGraphPinDirection>", root).enum_function, "&StaticEnum<EEdGraphPinDirection>")
			self.assertEqual(resolve("FEdGraphPinType", root).struct_function, "&FEdGraphPinType::StaticStruct")

	def test_parameters_hold_enums_without_an_underlying_type_as_bytes(self):
		with self.assertRaisesRegex(Exception, "TEnumAsByte<ESearchCase::Type>"):
			resolve("ESearchCase::Type")
		header = parse_header("Sample.h", SAMPLE_HEADER.replace("{declaration}", "int32"))
		registry = TypeRegistry("Sample", [header], None)
		for declaration in ("ESearchCase::Type", "ESearchDir::Type"):
			with self.subTest(declaration):
				parameter = parse_header("Sample.h", SAMPLE_HEADER.replace("{declaration}", declaration)).classes[0].properties[0]
				property_type = registry.resolve(parameter.type, header.path, parameter.line, None, is_parameter=True)
				self.assertEqual((property_type.kind, property_type.cpp_type, property_type.enum_function),
					("Byte", f"TEnumAsByte<{declaration}>", f"&StaticEnum<{declaration}>"))

	def test_delegate_wrappers_pass_large_values_by_reference(self):
		header = parse_header("Sample.h", SAMPLE_HEADER.replace("{declaration}", "int32"))
		registry = TypeRegistry("Sample", [header], None)
		on_read, on_ping = header.delegates
		self.assertEqual(wrapper_signature(on_read, registry, header.path),
			"FOnRead_DelegateWrapper(const FMulticastScriptDelegate& OnRead, const FString& Text, const TArray<FString>& Lines, EMood Mood)")
		self.assertEqual(wrapper_signature(on_ping, registry, header.path),
			"FOnPing_DelegateWrapper(const FScriptDelegate& OnPing, UObject* Sender)")


if __name__ == "__main__":
	unittest.main()
