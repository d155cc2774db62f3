#!/usr/bin/env python3
"""Writes the fuzz targets' seed corpora beside this script, from the documents, tokens and keys
the tests use. The launcher's data files are encrypted by the openssl program, as in the tests.
Run it again after changing a seed; the files it writes are committed."""

import os
import subprocess

Here = os.path.dirname(os.path.abspath(__file__))

SessionDocument = (
	'{"SpaceUrl":"api.zova.example","SpaceToken":"tok","Appid":"A-100","ChineseName":"星际探索",'
	'"EnglishName":"StarTrek","CategoryTable":"冒险","Description":"一款太空游戏","Version":"1.2.0",'
	'"IsEnabled":true,"RootPath":"D:\\\\ZOVA","Username":"zhang","DisplayName":"小张","UserId":"42",'
	'"Password":"pw","Balance":1500,"ProfilePicture":"https://img/1.png","Alreadyloggedin":"yes",'
	'"CurrentLevel":"第三关","Score":98.5,"ExperienceValue":"300","Grade":"黄金","ApplyOtherData":"{}",'
	'"OtherUserData":""}'
)
SmallDocument = '{"Username":"李雷","Version":"2.1"}'
NestedDocument = '{"name":"Zova","age":7,"address":{"city":"Paris","lines":["a","b~/c"]},"a/b":1,"m~n":[true,null,1.50]}'


def NestedMember(Document, Depth):
	"""The object document with one more member nesting arrays to Depth levels in all, after a string of brackets."""
	return Document[:-1] + ',"s":"[{\\"[","d":' + "[" * (Depth - 1) + "]" * (Depth - 1) + "}"


def LauncherBlock(Text):
	"""The first 8 UTF-8 bytes of the text, zero-filled, in hex."""
	return (Text.encode("utf-8")[:8] + b"\0" * 8)[:8].hex()


def Encrypt(Document, KeyText, IvText):
	return subprocess.run(
		["openssl", "enc", "-des-cbc", "-provider", "legacy", "-provider", "default", "-a", "-A",
			"-K", LauncherBlock(KeyText), "-iv", LauncherBlock(IvText)],
		input=Document.encode("utf-8"), capture_output=True, check=True).stdout


def Write(Target, Name, Data):
	Folder = os.path.join(Here, Target)
	os.makedirs(Folder, exist_ok=True)
	with open(os.path.join(Folder, Name), "wb") as File:
		File.write(Data if isinstance(Data, bytes) else Data.encode("utf-8"))


def Main():
	# Key text, IV text, then the data file's text.
	for Name, Document, Key, Iv in [
		("small", SmallDocument, "键-nek0T", "T0ken-键"),
		("session", SessionDocument, "4202-nekot-AVOZ", "ZOVA-token-2024"),
		("shortkey", "{}", "k", ""),
	]:
		Write("LauncherDecryptFuzz", Name, Key.encode("utf-8") + b"\n" + Iv.encode("utf-8") + b"\n" + Encrypt(Document, Key, Iv))
	Write("LauncherDecryptFuzz", "wrapped", b"key\niv\nAAAA\r\nAAAA====\n")

	# Bridge file, token key file, data file, each after a separator line.
	Separator = b"\n----\n"
	Bridge = b"Data/HubData.txt\r\n"
	for Name, Document, Token in [
		("small", SmallDocument, "T0ken-键"),
		("session", SessionDocument, "ZOVA-token-2024"),
	]:
		Data = Encrypt(Document, Token[::-1], Token)
		Write("LauncherLoadFuzz", Name, Bridge + Separator + Token.encode("utf-8") + Separator + Data)
	Token16 = b"\xff\xfe" + "T0ken-键".encode("utf-16-le")
	Write("LauncherLoadFuzz", "utf16token", Bridge + Separator + Token16 + Separator + Encrypt(SmallDocument, "T0ken-键"[::-1], "T0ken-键"))
	Write("LauncherLoadFuzz", "plain", Bridge + Separator + Separator + SessionDocument.encode("utf-8"))
	Write("LauncherLoadFuzz", "nobridge", b"")
	Write("LauncherLoadFuzz", "deep", Bridge + Separator + Separator + NestedMember(SmallDocument, 513).encode("utf-8"))

	for Target in ("JsonReaderFuzz", "JsonLibraryFuzz"):
		Write(Target, "session", SessionDocument)
		Write(Target, "nested", NestedDocument)
		Write(Target, "array", '[{"id":1},[2,3],"四",-0,1e300,12345678901234567890,"\\ud83d\\ude00\\u0000"]')
		# Inputs that once failed.
		Write(Target, "zeros", "[0." + "0" * 70 + ",-0." + "0" * 70 + "1]")
		Write(Target, "names", '{"/ba":0,"foo\\u0000bar":42,"a":"x"}')
	# Nesting at the library's limit of 512 levels and one past it.
	Write("JsonLibraryFuzz", "limit", NestedMember(NestedDocument, 512))
	Write("JsonLibraryFuzz", "pastlimit", NestedMember(NestedDocument, 513))
	# What the engine's reader takes beyond strict JSON.
	Write("JsonReaderFuzz", "lenient", '{"a": TRUE, "n": nULL, "b": [1, NaN, -0, 1e400,], "e": {"x": [1,}, "m": {"k":]}, "z":}')
	Write("JsonReaderFuzz", "strings", '["\\uDD1E\\uD834", "tab\there", "\\u0000", "{\\"a\\":1}", NaN]')

	# Node, JSON text, then the edits.
	Write("KeyedNodeFuzz", "analyze", "analyze\n" + NestedDocument + "\n+name\n+age\n+/address/city\n!\n^2\n!\n-0\nv0\n+/address/lines/1\n")
	Write("KeyedNodeFuzz", "create", "create\n{\"x\":[1]}\n+b\n+a\n+键\n!\nv0\n-1\n+In Json\n+Success\n")
	Write("KeyedNodeFuzz", "duplicates", "analyze\n{\"Key\":1}\n+Key\n+key\n+KEY_1\n+None\n+\n")
	# Inputs that once failed: nodes left without keys.
	Write("KeyedNodeFuzz", "nokeys-analyze", "analyze\n{\"Key\":1}\n+\n")
	Write("KeyedNodeFuzz", "nokeys-create", "create\n{an\"x\":aly[\n")


Main()
