// Host engine: of the engine's CoreMiscDefines.h, the deprecation mark the host's declarations carry.
#pragma once

/**
 * Marks a declaration the engine deprecated in Version. A use warns (PRAGMA_DISABLE_DEPRECATION_WARNINGS
 * silences it); the plug-in modules build with that warning as an error. Expands as UE 5.4's does.
 */
#define UE_DEPRECATED(Version, Message) [[deprecated(Message " Please update your code to the new API before upgrading to the next release, otherwise your project will no longer compile.")]]
