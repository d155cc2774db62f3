#pragma once

#include "CoreMinimal.h"
#include "Delegates/Delegate.h"
#include "Input/Reply.h"

/** A button was clicked; the reply says whether the click was handled. */
DECLARE_DELEGATE_RetVal(FReply, FOnClicked)

/** The text of an editable text widget changed, on every edit. */
DECLARE_DELEGATE_OneParam(FOnTextChanged, const FText&)
