#pragma once

class FWeakObjectPtr;
template <class T, class TWeakObjectPtrBase = FWeakObjectPtr>
struct TWeakObjectPtr;
