#include "Kismet/KismetStringLibrary.h"

UKismetStringLibrary::UKismetStringLibrary(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
}

FString UKismetStringLibrary::Conv_DoubleToString(double InDouble)
{
	return FString::SanitizeFloat(InDouble);
}

FString UKismetStringLibrary::Conv_IntToString(int32 InInt)
{
	return FString::Printf(TEXT("%d"), InInt);
}

FString UKismetStringLibrary::Conv_Int64ToString(int64 InInt)
{
	return FString::Printf(TEXT("%lld"), (long long)InInt);
}

FString UKismetStringLibrary::Conv_ByteToString(uint8 InByte)
{
	return FString::Printf(TEXT("%d"), InByte);
}

FString UKismetStringLibrary::Conv_BoolToString(bool InBool)
{
	return InBool ? TEXT("true") : TEXT("false");
}

FString UKismetStringLibrary::Conv_ObjectToString(UObject* InObj)
{
	return InObj ? InObj->GetName() : FString(TEXT("None"));
}

FString UKismetStringLibrary::Conv_NameToString(FName InName)
{
	return InName.ToString();
}

FName UKismetStringLibrary::Conv_StringToName(const FString& InString)
{
	return FName(*InString);
}

int32 UKismetStringLibrary::Conv_StringToInt(const FString& InString)
{
	return FCString::Atoi(*InString);
}

int64 UKismetStringLibrary::Conv_StringToInt64(const FString& InString)
{
	return FCString::Atoi64(*InString);
}

double UKismetStringLibrary::Conv_StringToDouble(const FString& InString)
{
	return FCString::Atod(*InString);
}

FString UKismetStringLibrary::Concat_StrStr(const FString& A, const FString& B)
{
	FString Result;
	Result.Reserve(A.Len() + B.Len());
	Result += A;
	Result += B;
	return Result;
}

// The exact comparisons go by code unit, the others ignore case; neither stops at anything but the end.
bool UKismetStringLibrary::EqualEqual_StrStr(const FString& A, const FString& B)
{
	return FCString::Strcmp(*A, *B) == 0;
}

bool UKismetStringLibrary::EqualEqual_StriStri(const FString& A, const FString& B)
{
	return FCString::Stricmp(*A, *B) == 0;
}

bool UKismetStringLibrary::NotEqual_StrStr(const FString& A, const FString& B)
{
	return FCString::Strcmp(*A, *B) != 0;
}

bool UKismetStringLibrary::NotEqual_StriStri(const FString& A, const FString& B)
{
	return FCString::Stricmp(*A, *B) != 0;
}

int32 UKismetStringLibrary::Len(const FString& S)
{
	return S.Len();
}

bool UKismetStringLibrary::IsEmpty(const FString& InString)
{
	return InString.IsEmpty();
}

FString UKismetStringLibrary::GetSubstring(const FString& SourceString, int32 StartIndex, int32 Length)
{
	return Length >= 0 ? SourceString.Mid(StartIndex, Length) : FString();
}

int32 UKismetStringLibrary::FindSubstring(const FString& SearchIn, const FString& Substring, bool bUseCase, bool bSearchFromEnd, int32 StartPosition)
{
	return SearchIn.Find(Substring, bUseCase ? ESearchCase::CaseSensitive : ESearchCase::IgnoreCase, bSearchFromEnd ? ESearchDir::FromEnd : ESearchDir::FromStart, StartPosition);
}

bool UKismetStringLibrary::Contains(const FString& SearchIn, const FString& Substring, bool bUseCase, bool bSearchFromEnd)
{
	return FindSubstring(SearchIn, Substring, bUseCase, bSearchFromEnd) != INDEX_NONE;
}

TArray<FString> UKismetStringLibrary::ParseIntoArray(const FString& SourceString, const FString& Delimiter, const bool CullEmptyStrings)
{
	TArray<FString> Pieces;
	SourceString.ParseIntoArray(Pieces, *Delimiter, CullEmptyStrings);
	return Pieces;
}

FString UKismetStringLibrary::JoinStringArray(const TArray<FString>& SourceArray, const FString& Separator)
{
	return FString::Join(SourceArray, *Separator);
}

FString UKismetStringLibrary::ToUpper(const FString& SourceString)
{
	return SourceString.ToUpper();
}

FString UKismetStringLibrary::ToLower(const FString& SourceString)
{
	return SourceString.ToLower();
}

bool UKismetStringLibrary::StartsWith(const FString& SourceString, const FString& InPrefix, ESearchCase::Type SearchCase)
{
	return SourceString.StartsWith(InPrefix, SearchCase);
}

bool UKismetStringLibrary::EndsWith(const FString& SourceString, const FString& InSuffix, ESearchCase::Type SearchCase)
{
	return SourceString.EndsWith(InSuffix, SearchCase);
}

FString UKismetStringLibrary::Trim(const FString& SourceString)
{
	return SourceString.TrimStart();
}

FString UKismetStringLibrary::TrimTrailing(const FString& SourceString)
{
	return SourceString.TrimEnd();
}

FString UKismetStringLibrary::Reverse(const FString& SourceString)
{
	return SourceString.Reverse();
}

FString UKismetStringLibrary::Replace(const FString& SourceString, const FString& From, const FString& To, ESearchCase::Type SearchCase)
{
	return SourceString.Replace(*From, *To, SearchCase);
}

bool UKismetStringLibrary::Split(const FString& SourceString, const FString& InStr, FString& LeftS, FString& RightS, ESearchCase::Type SearchCase, ESearchDir::Type SearchDir)
{
	return SourceString.Split(InStr, &LeftS, &RightS, SearchCase, SearchDir);
}

FString UKismetStringLibrary::Left(const FString& SourceString, int32 Count)
{
	return SourceString.Left(Count);
}

FString UKismetStringLibrary::LeftChop(const FString& SourceString, int32 Count)
{
	return SourceString.LeftChop(Count);
}

FString UKismetStringLibrary::Right(const FString& SourceString, int32 Count)
{
	return SourceString.Right(Count);
}

FString UKismetStringLibrary::RightChop(const FString& SourceString, int32 Count)
{
	return SourceString.RightChop(Count);
}

FString UKismetStringLibrary::Mid(const FString& SourceString, int32 Start, int32 Count)
{
	return Count >= 0 ? SourceString.Mid(Start, Count) : FString();
}
