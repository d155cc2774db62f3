#pragma once

#include "CoreMinimal.h"
#include "Misc/EnumClassFlags.h"

class UObject;
class UClass;
class FObjectInitializer;
struct FFrame;
class FVTableHelper;

// Reflection markers: the header tool reads them, the compiler sees nothing.
#define UCLASS(...)
#define UINTERFACE(...)
#define USTRUCT(...)
#define UENUM(...)
#define UFUNCTION(...)
#define UPROPERTY(...)
#define UPARAM(...)
#define UMETA(...)
#define UDELEGATE(...)

#define BODY_MACRO_COMBINE_INNER(A, B, C, D) A##B##C##D
#define BODY_MACRO_COMBINE(A, B, C, D) BODY_MACRO_COMBINE_INNER(A, B, C, D)
#define GENERATED_BODY(...) BODY_MACRO_COMBINE(CURRENT_FILE_ID, _, __LINE__, _GENERATED_BODY);
#define GENERATED_UCLASS_BODY(...) BODY_MACRO_COMBINE(CURRENT_FILE_ID, _, __LINE__, _GENERATED_BODY_LEGACY);
#define GENERATED_USTRUCT_BODY(...) GENERATED_BODY()

#define RESULT_PARAM Z_Param__Result
#define RESULT_DECL void* const RESULT_PARAM
#define DECLARE_FUNCTION(func) static void func(UObject* Context, FFrame& Stack, RESULT_DECL)
#define DEFINE_FUNCTION(func) void func(UObject* Context, FFrame& Stack, RESULT_DECL)
#define P_THIS_OBJECT (Context)
#define P_THIS_CAST(ClassType) ((ClassType*)P_THIS_OBJECT)
#define STRUCT_OFFSET(struc, member) offsetof(struc, member)

/** Object flags (subset used by the host). */
enum EObjectFlags : uint32
{
	RF_NoFlags = 0x00000000,
	RF_Public = 0x00000001,
	RF_Standalone = 0x00000002,
	RF_MarkAsNative = 0x00000004,
	RF_Transactional = 0x00000008,
	RF_ClassDefaultObject = 0x00000010,
	RF_ArchetypeObject = 0x00000020,
	RF_Transient = 0x00000040,
	RF_MarkAsRootSet = 0x00000080,
	RF_TagGarbageTemp = 0x00000100,
	RF_NeedInitialization = 0x00000200,
	RF_NeedLoad = 0x00000400,
	RF_WasLoaded = 0x00008000,
	RF_DuplicateTransient = 0x00200000,
	RF_StrongRefOnFrame = 0x00400000,
	RF_AllFlags = 0x1fffffff,
};
ENUM_CLASS_FLAGS(EObjectFlags)

enum EClassFlags : uint32
{
	CLASS_None = 0x00000000u,
	CLASS_Abstract = 0x00000001u,
	CLASS_DefaultConfig = 0x00000002u,
	CLASS_Config = 0x00000004u,
	CLASS_Transient = 0x00000008u,
	CLASS_Optional = 0x00000010u,
	CLASS_MatchedSerializers = 0x00000020u,
	CLASS_ProjectUserConfig = 0x00000040u,
	CLASS_Native = 0x00000080u,
	CLASS_NoExport = 0x00000100u,
	CLASS_NotPlaceable = 0x00000200u,
	CLASS_PerObjectConfig = 0x00000400u,
	CLASS_ReplicationDataIsSetUp = 0x00000800u,
	CLASS_EditInlineNew = 0x00001000u,
	CLASS_CollapseCategories = 0x00002000u,
	CLASS_Interface = 0x00004000u,
	CLASS_Const = 0x00010000u,
	CLASS_NeedsDeferredDependencyLoading = 0x00020000u,
	CLASS_CompiledFromBlueprint = 0x00040000u,
	CLASS_MinimalAPI = 0x00080000u,
	CLASS_RequiredAPI = 0x00100000u,
	CLASS_DefaultToInstanced = 0x00200000u,
	CLASS_TokenStreamAssembled = 0x00400000u,
	CLASS_HasInstancedReference = 0x00800000u,
	CLASS_Hidden = 0x01000000u,
	CLASS_Deprecated = 0x02000000u,
	CLASS_HideDropDown = 0x04000000u,
	CLASS_GlobalUserConfig = 0x08000000u,
	CLASS_Intrinsic = 0x10000000u,
	CLASS_Constructed = 0x20000000u,
	CLASS_ConfigDoNotCheckDefaults = 0x40000000u,
	CLASS_NewerVersionExists = 0x80000000u,
};
ENUM_CLASS_FLAGS(EClassFlags)

enum EFunctionFlags : uint32
{
	FUNC_None = 0x00000000,
	FUNC_Final = 0x00000001,
	FUNC_RequiredAPI = 0x00000002,
	FUNC_BlueprintAuthorityOnly = 0x00000004,
	FUNC_BlueprintCosmetic = 0x00000008,
	FUNC_Net = 0x00000040,
	FUNC_NetReliable = 0x00000080,
	FUNC_NetRequest = 0x00000100,
	FUNC_Exec = 0x00000200,
	FUNC_Native = 0x00000400,
	FUNC_Event = 0x00000800,
	FUNC_NetResponse = 0x00001000,
	FUNC_Static = 0x00002000,
	FUNC_NetMulticast = 0x00004000,
	FUNC_UbergraphFunction = 0x00008000,
	FUNC_MulticastDelegate = 0x00010000,
	FUNC_Public = 0x00020000,
	FUNC_Private = 0x00040000,
	FUNC_Protected = 0x00080000,
	FUNC_Delegate = 0x00100000,
	FUNC_NetServer = 0x00200000,
	FUNC_HasOutParms = 0x00400000,
	FUNC_HasDefaults = 0x00800000,
	FUNC_NetClient = 0x01000000,
	FUNC_DLLImport = 0x02000000,
	FUNC_BlueprintCallable = 0x04000000,
	FUNC_BlueprintEvent = 0x08000000,
	FUNC_BlueprintPure = 0x10000000,
	FUNC_EditorOnly = 0x20000000,
	FUNC_Const = 0x40000000,
	FUNC_NetValidate = 0x80000000,
};
ENUM_CLASS_FLAGS(EFunctionFlags)

typedef uint64 EPropertyFlags;
#define CPF_None 0ull
#define CPF_Edit 0x0000000000000001ull
#define CPF_ConstParm 0x0000000000000002ull
#define CPF_BlueprintVisible 0x0000000000000004ull
#define CPF_ExportObject 0x0000000000000008ull
#define CPF_BlueprintReadOnly 0x0000000000000010ull
#define CPF_Net 0x0000000000000020ull
#define CPF_EditFixedSize 0x0000000000000040ull
#define CPF_Parm 0x0000000000000080ull
#define CPF_OutParm 0x0000000000000100ull
#define CPF_ZeroConstructor 0x0000000000000200ull
#define CPF_ReturnParm 0x0000000000000400ull
#define CPF_DisableEditOnTemplate 0x0000000000000800ull
#define CPF_Transient 0x0000000000002000ull
#define CPF_Config 0x0000000000004000ull
#define CPF_DisableEditOnInstance 0x0000000000010000ull
#define CPF_EditConst 0x0000000000020000ull
#define CPF_GlobalConfig 0x0000000000040000ull
#define CPF_InstancedReference 0x0000000000080000ull
#define CPF_DuplicateTransient 0x0000000000200000ull
#define CPF_SaveGame 0x0000000001000000ull
#define CPF_NoClear 0x0000000002000000ull
#define CPF_ReferenceParm 0x0000000008000000ull
#define CPF_BlueprintAssignable 0x0000000010000000ull
#define CPF_Deprecated 0x0000000020000000ull
#define CPF_IsPlainOldData 0x0000000040000000ull
#define CPF_RepSkip 0x0000000080000000ull
#define CPF_RepNotify 0x0000000100000000ull
#define CPF_Interp 0x0000000200000000ull
#define CPF_NonTransactional 0x0000000400000000ull
#define CPF_EditorOnly 0x0000000800000000ull
#define CPF_NoDestructor 0x0000001000000000ull
#define CPF_AutoWeak 0x0000004000000000ull
#define CPF_ContainsInstancedReference 0x0000008000000000ull
#define CPF_AssetRegistrySearchable 0x0000010000000000ull
#define CPF_SimpleDisplay 0x0000020000000000ull
#define CPF_AdvancedDisplay 0x0000040000000000ull
#define CPF_Protected 0x0000080000000000ull
#define CPF_BlueprintCallable 0x0000100000000000ull
#define CPF_BlueprintAuthorityOnly 0x0000200000000000ull
#define CPF_TextExportTransient 0x0000400000000000ull
#define CPF_NonPIEDuplicateTransient 0x0000800000000000ull
#define CPF_ExposeOnSpawn 0x0001000000000000ull
#define CPF_PersistentInstance 0x0002000000000000ull
#define CPF_UObjectWrapper 0x0004000000000000ull
#define CPF_HasGetValueTypeHash 0x0008000000000000ull
#define CPF_NativeAccessSpecifierPublic 0x0010000000000000ull
#define CPF_NativeAccessSpecifierProtected 0x0020000000000000ull
#define CPF_NativeAccessSpecifierPrivate 0x0040000000000000ull
#define CPF_SkipSerialization 0x0080000000000000ull

enum EPackageFlags : uint32
{
	PKG_None = 0x00000000,
	PKG_NewlyCreated = 0x00000001,
	PKG_ClientOptional = 0x00000002,
	PKG_ServerSideOnly = 0x00000004,
	PKG_CompiledIn = 0x00000010,
	PKG_ForDiffing = 0x00000020,
	PKG_EditorOnly = 0x00000040,
	PKG_Developer = 0x00000080,
	PKG_UncookedOnly = 0x00000100,
	PKG_ContainsMap = 0x00020000,
	PKG_ContainsScript = 0x00200000,
};
ENUM_CLASS_FLAGS(EPackageFlags)

/** Bits that say which built-in class a class derives from, for fast casts. */
typedef uint64 EClassCastFlags;
#define CASTCLASS_None 0x0000000000000000ull
#define CASTCLASS_UField 0x0000000000000001ull
#define CASTCLASS_UEnum 0x0000000000000004ull
#define CASTCLASS_UStruct 0x0000000000000008ull
#define CASTCLASS_UScriptStruct 0x0000000000000010ull
#define CASTCLASS_UClass 0x0000000000000020ull
#define CASTCLASS_UFunction 0x0000000000080000ull
#define CASTCLASS_UPackage 0x0000000400000000ull
#define CASTCLASS_UDelegateFunction 0x0000100000000000ull

#define COMPILED_IN_FLAGS(TStaticFlags) (TStaticFlags)

enum class EInternal
{
	EC_InternalUseOnlyConstructor
};

/** Declares the engine-facing statics of a reflected class. */
#define DECLARE_CLASS(TClass, TSuperClass, TStaticFlags, TStaticCastFlags, TPackage, TRequiredAPI) \
private: \
	TClass& operator=(TClass&&); \
	TClass& operator=(const TClass&); \
	TRequiredAPI static UClass* GetPrivateStaticClass(); \
\
public: \
	static constexpr EClassFlags StaticClassFlags = EClassFlags(TStaticFlags); \
	typedef TSuperClass Super; \
	typedef TClass ThisClass; \
	inline static UClass* StaticClass() { return GetPrivateStaticClass(); } \
	inline static const TCHAR* StaticPackage() { return TPackage; } \
	inline static EClassCastFlags StaticClassCastFlags() { return TStaticCastFlags; } \
	inline void* operator new(const size_t InSize, EInternal* InMem) { return (void*)InMem; } \
	inline void operator delete(void* InMem) { ::operator delete(InMem); }

/** The constructor that the engine calls through the class object. */
#define DEFINE_DEFAULT_OBJECT_INITIALIZER_CONSTRUCTOR_CALL(TClass) \
	static void __DefaultConstructor(const FObjectInitializer& X) { new ((EInternal*)X.GetObj()) TClass(X); }

#define DEFINE_DEFAULT_CONSTRUCTOR_CALL(TClass) \
	static void __DefaultConstructor(const FObjectInitializer& X) { new ((EInternal*)X.GetObj()) TClass; }

#define DECLARE_VTABLE_PTR_HELPER_CTOR(API, TClass) \
	API TClass(FVTableHelper& Helper);

#define DEFINE_VTABLE_PTR_HELPER_CTOR(TClass) \
	TClass::TClass(FVTableHelper& Helper) \
		: Super(Helper) {}

#define DEFINE_VTABLE_PTR_HELPER_CTOR_CALLER(TClass) \
	static UObject* __VTableCtorCaller(FVTableHelper& Helper) { return nullptr; }

#define NO_API
