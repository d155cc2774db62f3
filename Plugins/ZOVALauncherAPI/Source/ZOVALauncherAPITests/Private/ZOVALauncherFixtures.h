// Copyright ZOVA. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"

#if WITH_DEV_AUTOMATION_TESTS

// A launcher folder's data as the launcher writes it, for the decoder to read: a session document
// encrypted with DES-CBC, PKCS#7 padding, one line of Base64. The key is the first 8 UTF-8 bytes of
// the token reversed and the IV the first 8 of the token as stored, each zero-filled. The cipher texts
// were made once with the openssl command, not with the plug-in's code:
//   openssl enc -des-cbc -provider legacy -provider default -K <key hex> -iv <IV hex> -a -A -in document.json
// where document.json holds SessionDocument in UTF-8.
namespace ZOVALauncherFixtures
{
	/** The token of the launcher folder; not ASCII, so its key and IV blocks end inside a character. */
	inline const TCHAR* const Token = TEXT("T0ken-键");

	/** A session document with every member an accessor reads. */
	inline const TCHAR* const SessionDocument =
		TEXT("{\"SpaceUrl\":\"api.zova.example\",\"SpaceToken\":\"tok\",\"Appid\":\"A-100\",\"ChineseName\":\"星际探索\"")
		TEXT(",\"EnglishName\":\"StarTrek\",\"CategoryTable\":\"冒险\",\"Description\":\"一款太空游戏\",\"Version\":\"1.2.0\"")
		TEXT(",\"IsEnabled\":true,\"RootPath\":\"D:\\\\ZOVA\",\"Username\":\"zhang\",\"DisplayName\":\"小张\",\"UserId\":\"42\"")
		TEXT(",\"Password\":\"pw\",\"Balance\":1500,\"ProfilePicture\":\"https://img/1.png\",\"Alreadyloggedin\":\"yes\"")
		TEXT(",\"CurrentLevel\":\"第三关\",\"Score\":98.5,\"ExperienceValue\":\"300\",\"Grade\":\"黄金\",\"ApplyOtherData\":\"{}\"")
		TEXT(",\"OtherUserData\":\"\"}");

	/** SessionDocument encrypted under Token: key e994ae2d6e656b30, IV 54306b656e2de994. */
	inline const TCHAR* const SessionCipherText =
		TEXT("K5ISiYe9UNMyl6dyd26/hL/Y+Hyf1StYabcJc7oV8HI5JiAPD+FfQ4NSNQD0ymzvhaoUho+ywCjML/ZV8S4XfxUwEWy82L5X")
		TEXT("JXueB3SOm4K3IrL7hM4di96OMuTZicfKpHw1QrwOK/Dw2n9A3iLXBt3f/flEaFgvW6VpmklsdxR6Rc7yCUErjW4QsfRjH9Fz")
		TEXT("+Q9NkuItDCSSKlpOBFXmYZ9lCXBA1IkMJDNM/YJ5Gk6YV1QNdcPi2m70PNCHDeBy8R4yWmP3x50YpBsowc9ax3MilS50SdxT")
		TEXT("1nZR7xmg/9IOV/p7wOVqAfb9D6HNLDs7AzbYYcom894n6n5sOuqVfUE3qOdHpv4qOZshhISEJFGc1TQGSFVVTY1BQc6CwwBp")
		TEXT("790UMbTwI/acbnYHThKZWYNbccZComQC8nnDkeRBmA1hZjlKRWLQnlzssv7g8BPlUm8RTK6rmQJ49XYOVIaXMpz6Ap6YNGr8")
		TEXT("0qyzNRCkP7qhPCadO8d2lKAk6LcCelb+oWhSjTgiBJ32+ysmcU5fm5RYZglJw7ifcejN6U9Z4ZZB/ZMnE6vfR2mAxIzdSnDo")
		TEXT("f1aOyAhAefmfR4o5/kb28kTHDIUhlURIyLA39LBSCXHTstwcquc6WpslLb/fXDeHzFsGtNkqjgjGWpOmBRTyP3btXGwegZZZ")
		TEXT("1NvWS3GxxxU=");

	/** SessionDocument encrypted under the token "another token": key 6e656b6f74207265, IV 616e6f7468657220. */
	inline const TCHAR* const SessionCipherTextOfAnotherToken =
		TEXT("dy7CEuDyNNngoL6s8GCaxe48Zn9Al9JGYti3ZKxhqPegAAtZVegCFlN0hsZiHghzFowNQCOKVVlCfJqpFRCN3vZK3KQmP5EJ")
		TEXT("afJZnZhFY2p2yWyD8QYP5nBtLkh5U2LJUzZOu5HhkS/8R/RAvTA0BjagbIl3l+n34vfUwoCQ/zR16zPDZGD6e9Oghtnba5t7")
		TEXT("50Z8vo+BkuQe5Cnd3608YLPPGEJ+vI8MaKfOQlz+TX+In0ShpUn/nQThN0skH6msoD//td6h49WPBgiF6xDn8mZw30236pjL")
		TEXT("dGai97IFHO+oG9P+2RkyfGnib9coHMqf1h6GvnOUS1JyZZKMFxs8s6ACM/eaDr8ZW2rv0S3emBmIXFWDFi0IpbmCcVRLlSup")
		TEXT("PZLKKDnxrxtCOvD4gGSlaunmdpo/URVbkLd82VKsYFVL3XkFyQlD/BI6ERldu0op/aXlw+PXS7mVirLkTn+W/kml9Ow0LC87")
		TEXT("N/bLAExPKX9uF03KOYXYpbRBNYGmJ0htOa7aWgzhx2y9sOzL0suekaiFO1D7a7hhv1XlJEpbIZl2JRzJmMFfnyOGlEVPmXBG")
		TEXT("M5dZwzizo6xt3im9MP5Kv7SWnBCnPNlkD11PEOMn+zJUmP3g33+C1Jx8Uyn3IsIZfpZtr2tN5EWpyLLpaLZPa8EZZUV5mSi5")
		TEXT("ceB94RSMH0s=");
}

#endif
