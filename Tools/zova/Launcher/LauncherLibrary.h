#pragma once

#include "CoreMinimal.h"

class FJsonValue;
class UClass;
class UFunction;

/**
 * The launcher module's Blueprint library as a Blueprint graph sees it: loaded by module name, its
 * functions found and called through reflection on the class default object.
 */
class FLauncherLibrary
{
public:
	/** Loads the ZOVALauncherAPI module; false with OutError when it or its library class is missing. */
	bool Load(FString& OutError);

	/** The "初始化Hub数据" node. */
	void SetAPPKey(const FString& AppKey, const FString& LauncherPath) const;

	/** Every pure function that takes no parameter, in the order the class lists them. */
	TArray<UFunction*> GetAccessors() const;

	/** The "数据调试" node with its NodeName pin set. */
	TSharedRef<FJsonValue> DataDebug(const FString& NodeName) const;

	/** Calls an accessor; its result as a JSON boolean or string. */
	TSharedRef<FJsonValue> CallAccessor(UFunction* Accessor) const;

private:
	TSharedRef<FJsonValue> Call(UFunction* Function, const TMap<FName, FString>& StringArguments) const;

	UClass* Library = nullptr;
};
