// Host engine: of the engine's CoreMiscDefines.h, the deprecation mark the host's declarations carry.
#pragma once

/**
 * Marks a declaration the engine deprecated in Version. A use warns (PRAGMA_DISABLE_DEPRECATION_WARNINGS
 * silences it); the plug-in modules build with that warning as an error. The same C++ attribute as the
 * engine's mark, with a sentence of our own after the message.
 */
#define UE_DEPRECATED(Version, Message) [[deprecated(Message " Deprecated in " #Version "; move to the replacement before it is removed.")]]
