// Copyright ZOVA. All Rights Reserved.

#include "ZOVAHttpResultRecorder.h"

void UZOVAHttpResultRecorder::HandleSuccess(int32 Code, FString Data)
{
	Results.Add({true, Code, MoveTemp(Data), IsInGameThread()});
}

void UZOVAHttpResultRecorder::HandleFail(int32 Code, FString Data)
{
	Results.Add({false, Code, MoveTemp(Data), IsInGameThread()});
}
