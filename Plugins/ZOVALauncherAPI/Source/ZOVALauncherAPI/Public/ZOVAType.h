// Copyright ZOVA. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"
#include "ZOVAType.generated.h"

/** 填充方式 */
UENUM(BlueprintType)
enum class EPadding : uint8
{
	E_ZERO UMETA(DisplayName = "ZERO"),
	E_PKCS7 UMETA(DisplayName = "PKCS7"),
	E_PKCS5 UMETA(DisplayName = "PKCS5"),
	E_ISO10126 UMETA(DisplayName = "ISO10126"),
	E_ANSIX923 UMETA(DisplayName = "ANSIX923"),
};

/** 密钥位数 */
UENUM(BlueprintType)
enum class EBit : uint8
{
	E_128 UMETA(DisplayName = "128bit"),
	E_192 UMETA(DisplayName = "192bit"),
	E_256 UMETA(DisplayName = "256bit"),
};

/** 密文编码 */
UENUM(BlueprintType)
enum class EDecryptType : uint8
{
	E_HEX UMETA(DisplayName = "HEX"),
	E_BASE64 UMETA(DisplayName = "BASE64"),
};
