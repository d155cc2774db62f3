#pragma once

struct FWeakObjectPtr;
template <class T, class TWeakObjectPtrBase = FWeakObjectPtr>
struct TWeakObjectPtr;
