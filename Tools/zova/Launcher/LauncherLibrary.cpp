#include "LauncherLibrary.h"

#include "CoreUObject.h"
#include "Dom/JsonValue.h"
#include "Modules/ModuleManager.h"

namespace
{
	/** A parameter buffer for one ProcessEvent call, with every parameter constructed and destroyed. */
	class FFunctionParms
	{
	public:
		explicit FFunctionParms(UFunction* InFunction)
			: Function(InFunction)
		{
			Buffer.SetNumZeroed(Function->ParmsSize);
			for (TFieldIterator<FProperty> It(Function); It; ++It)
			{
				It->InitializeValue_InContainer(Buffer.GetData());
			}
		}

		~FFunctionParms()
		{
			for (TFieldIterator<FProperty> It(Function); It; ++It)
			{
				It->DestroyValue_InContainer(Buffer.GetData());
			}
		}

		FFunctionParms(const FFunctionParms&) = delete;
		FFunctionParms& operator=(const FFunctionParms&) = delete;

		void SetString(const FName& Name, const FString& Value)
		{
			const FStrProperty* Property = CastField<FStrProperty>(Function->FindPropertyByName(Name));
			check(Property);
			*Property->ContainerPtrToValuePtr<FString>(Buffer.GetData()) = Value;
		}

		void Call(UObject* Target)
		{
			Target->ProcessEvent(Function, Buffer.GetData());
		}

		TSharedRef<FJsonValue> GetReturnValue() const
		{
			const FProperty* Return = Function->GetReturnProperty();
			if (const FBoolProperty* Bool = CastField<FBoolProperty>(Return))
			{
				return MakeShared<FJsonValueBoolean>(Bool->GetPropertyValue(Bool->ContainerPtrToValuePtr<void>(Buffer.GetData())));
			}
			const FStrProperty* String = CastField<FStrProperty>(Return);
			check(String);
			return MakeShared<FJsonValueString>(*String->ContainerPtrToValuePtr<FString>(Buffer.GetData()));
		}

	private:
		UFunction* Function;
		TArray<uint8> Buffer;
	};
}

bool FLauncherLibrary::Load(FString& OutError)
{
	if (!FModuleManager::Get().LoadModule(TEXT("ZOVALauncherAPI")))
	{
		OutError = TEXT("cannot load the ZOVALauncherAPI module (libUnrealEditor-ZOVALauncherAPI.so beside zova)");
		return false;
	}
	Library = FindObject<UClass>(nullptr, TEXT("/Script/ZOVALauncherAPI.ZOVADesLibrary"));
	if (!Library)
	{
		OutError = TEXT("the ZOVALauncherAPI module registers no ZOVADesLibrary class");
		return false;
	}
	return true;
}

void FLauncherLibrary::SetAPPKey(const FString& AppKey, const FString& LauncherPath) const
{
	Call(Library->FindFunctionByName(TEXT("SetAPPKey")), {{TEXT("AppKey"), AppKey}, {TEXT("LauncherPath"), LauncherPath}});
}

TArray<UFunction*> FLauncherLibrary::GetAccessors() const
{
	TArray<UFunction*> Accessors;
	for (TFieldIterator<UFunction> It(Library, EFieldIteratorFlags::ExcludeSuper); It; ++It)
	{
		if (It->HasAnyFunctionFlags(FUNC_BlueprintPure) && It->NumParms == 1 && It->GetReturnProperty())
		{
			Accessors.Add(*It);
		}
	}
	return Accessors;
}

TSharedRef<FJsonValue> FLauncherLibrary::DataDebug(const FString& NodeName) const
{
	return Call(Library->FindFunctionByName(TEXT("DataDebug")), {{TEXT("NodeName"), NodeName}});
}

TSharedRef<FJsonValue> FLauncherLibrary::CallAccessor(UFunction* Accessor) const
{
	return Call(Accessor, {});
}

TSharedRef<FJsonValue> FLauncherLibrary::Call(UFunction* Function, const TMap<FName, FString>& StringArguments) const
{
	check(Function);
	FFunctionParms Parms(Function);
	for (const TPair<FName, FString>& Argument : StringArguments)
	{
		Parms.SetString(Argument.Key, Argument.Value);
	}
	Parms.Call(Library->GetDefaultObject());
	return Function->GetReturnProperty() ? Parms.GetReturnValue() : MakeShared<FJsonValueNull>();
}
