#pragma once

#include "HAL/Platform.h"

namespace UE::Math
{
	template <typename T>
	struct TVector2
	{
		T X = 0;
		T Y = 0;

		constexpr TVector2() = default;
		constexpr TVector2(T InX, T InY) : X(InX), Y(InY) {}

		bool operator==(const TVector2& Other) const { return X == Other.X && Y == Other.Y; }
		bool operator!=(const TVector2& Other) const { return !(*this == Other); }

		static const TVector2 ZeroVector;
		static const TVector2 UnitVector;
	};

	template <typename T>
	inline const TVector2<T> TVector2<T>::ZeroVector(0, 0);
	template <typename T>
	inline const TVector2<T> TVector2<T>::UnitVector(1, 1);
}

typedef UE::Math::TVector2<double> FVector2D;
typedef UE::Math::TVector2<float> FVector2f;
