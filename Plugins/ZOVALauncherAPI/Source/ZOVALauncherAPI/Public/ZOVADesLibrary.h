// Copyright ZOVA. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"
#include "Kismet/BlueprintFunctionLibrary.h"
#include "ZOVADesLibrary.generated.h"

/** ZOVA启动器API：加载启动器留下的Hub数据，并读取应用、用户与进度信息 */
UCLASS()
class ZOVALAUNCHERAPI_API UZOVADesLibrary : public UBlueprintFunctionLibrary
{
	GENERATED_BODY()

public:
	/**
	 * 初始化Hub数据：读取并解密启动器数据，之后其他节点才能取到数据
	 * @param AppKey - 应用的AppKey
	 * @param LauncherPath - 开发环境测试参数：填写启动器下载所在的文件夹；打包发布后留空，使用程序启动目录
	 */
	UFUNCTION(BlueprintCallable, Category = "ZOVA启动器API", meta = (DisplayName = "初始化Hub数据", Keywords = "系统参数"))
	static void SetAPPKey(const FString& AppKey, const FString& LauncherPath);

	/** 用户已登录 */
	UFUNCTION(BlueprintPure, Category = "ZOVA启动器API", meta = (DisplayName = "已登录", Keywords = "用户参数"))
	static bool Alreadyloggedin();

	/** API接口 */
	UFUNCTION(BlueprintPure, Category = "ZOVA启动器API", meta = (DisplayName = "API接口", Keywords = "API"))
	static FString APIPort();

	/** 应用开关/应用是否开放 */
	UFUNCTION(BlueprintPure, Category = "ZOVA启动器API", meta = (DisplayName = "应用开关", Keywords = "应用参数"))
	static bool ApplicationSwitch();

	/** 应用ID/一般用于API接口用途 */
	UFUNCTION(BlueprintPure, Category = "ZOVA启动器API", meta = (DisplayName = "应用ID", Keywords = "应用参数"))
	static FString ApplyID();

	/** 应用其他数据 后续数据增加 */
	UFUNCTION(BlueprintPure, Category = "ZOVA启动器API", meta = (DisplayName = "应用其他数据", Keywords = "其他数据"))
	static FString ApplyOtherData();

	/** 分类目录名称 */
	UFUNCTION(BlueprintPure, Category = "ZOVA启动器API", meta = (DisplayName = "分类名称", Keywords = "应用参数"))
	static FString CategoryName();

	/** 应用中文名字 */
	UFUNCTION(BlueprintPure, Category = "ZOVA启动器API", meta = (DisplayName = "中文名字", Keywords = "应用参数"))
	static FString ChineseName();

	/** 玩家进度关卡 */
	UFUNCTION(BlueprintPure, Category = "ZOVA启动器API", meta = (DisplayName = "当前关卡", Keywords = "用户参数"))
	static FString CurrentLevel();

	/** 数据调试节点 */
	UFUNCTION(BlueprintPure, Category = "ZOVA启动器API", meta = (DisplayName = "数据调试", Keywords = "其他数据"))
	static FString DataDebug(const FString& NodeName);

	/** 英文_字母_拼音/应用特殊识别码 */
	UFUNCTION(BlueprintPure, Category = "ZOVA启动器API", meta = (DisplayName = "英文字母拼音", Keywords = "应用参数"))
	static FString EnglishName();

	/** 经验值 */
	UFUNCTION(BlueprintPure, Category = "ZOVA启动器API", meta = (DisplayName = "经验值", Keywords = "用户参数"))
	static FString ExperienceValue();

	/** 等级 */
	UFUNCTION(BlueprintPure, Category = "ZOVA启动器API", meta = (DisplayName = "等级", Keywords = "用户参数"))
	static FString Grade();

	/** 当前应用路径 */
	UFUNCTION(BlueprintPure, Category = "ZOVA启动器API", meta = (DisplayName = "当前应用路径", Keywords = "应用参数"))
	static FString ZOVA_APPaths();

	/** 登录接口 */
	UFUNCTION(BlueprintPure, Category = "ZOVA启动器API", meta = (DisplayName = "登录接口", Keywords = "API接口"))
	static FString ZOVA_Login();

	/** 用户文字logo */
	UFUNCTION(BlueprintPure, Category = "ZOVA启动器API", meta = (DisplayName = "Logo", Keywords = "用户参数"))
	static FString MyLogo();

	/** https API接口 */
	UFUNCTION(BlueprintPure, Category = "ZOVA启动器API", meta = (DisplayName = "API接口https", Keywords = "API"))
	static FString OkAPIPort();

	/** 用户其他数据 后续数据增加 */
	UFUNCTION(BlueprintPure, Category = "ZOVA启动器API", meta = (DisplayName = "用户其他数据", Keywords = "其他数据"))
	static FString OtherUserData();

	/** 启动器路径 */
	UFUNCTION(BlueprintPure, Category = "ZOVA启动器API", meta = (DisplayName = "启动器路径", Keywords = "系统设置"))
	static FString PathData();

	/** 应用说明/介绍应用功能用途等 */
	UFUNCTION(BlueprintPure, Category = "ZOVA启动器API", meta = (DisplayName = "应用说明", Keywords = "应用参数"))
	static FString ProductUse();

	/** 头像 */
	UFUNCTION(BlueprintPure, Category = "ZOVA启动器API", meta = (DisplayName = "头像", Keywords = "用户参数"))
	static FString ProfilePicture();

	/** 成绩 */
	UFUNCTION(BlueprintPure, Category = "ZOVA启动器API", meta = (DisplayName = "成绩", Keywords = "用户参数"))
	static FString Score();

	/** 签名 */
	UFUNCTION(BlueprintPure, Category = "ZOVA启动器API", meta = (DisplayName = "签名", Keywords = "用户参数"))
	static FString Signature();

	/** 用户ID */
	UFUNCTION(BlueprintPure, Category = "ZOVA启动器API", meta = (DisplayName = "用户ID", Keywords = "用户参数"))
	static FString SUID();

	/** 应用链接地址/一般应用指定网页链接 */
	UFUNCTION(BlueprintPure, Category = "ZOVA启动器API", meta = (DisplayName = "应用链接", Keywords = "应用参数"))
	static FString URLs();

	/** 用户金币 */
	UFUNCTION(BlueprintPure, Category = "ZOVA启动器API", meta = (DisplayName = "金币", Keywords = "用户参数"))
	static FString UserGold();

	/** 用户名 */
	UFUNCTION(BlueprintPure, Category = "ZOVA启动器API", meta = (DisplayName = "用户名", Keywords = "用户参数"))
	static FString UserName();

	/** 用户网名 */
	UFUNCTION(BlueprintPure, Category = "ZOVA启动器API", meta = (DisplayName = "用户网名", Keywords = "用户参数"))
	static FString UserNetname();

	/** 用户密码 */
	UFUNCTION(BlueprintPure, Category = "ZOVA启动器API", meta = (DisplayName = "密码", Keywords = "用户参数"))
	static FString UserPassword();

	/** 版本管理/和当前版本做比较 */
	UFUNCTION(BlueprintPure, Category = "ZOVA启动器API", meta = (DisplayName = "版本", Keywords = "应用参数"))
	static FString Versions();
};
