// Copyright ZOVA. All Rights Reserved.

#include "ZOVAJsonEditorModule.h"

#include "Modules/ModuleManager.h"

void FZOVAJsonEditorModule::StartupModule()
{
}

void FZOVAJsonEditorModule::ShutdownModule()
{
}

IMPLEMENT_MODULE(FZOVAJsonEditorModule, ZOVAJsonEditor)
