#!/usr/bin/env python3
# The host engine's reflection code generator; it has no twin among the engine's programs. It plays
# the part of the engine's header tool: it reads the UCLASS, USTRUCT, UENUM, UFUNCTION, UPROPERTY and
# dynamic delegate declarations of a module's headers and writes one <Header>.generated.h per header
# and one <Module>.gen.cpp that registers them with the host's CoreUObject.
#
#   HeaderTool.py --module <Module> --module-dir <ModuleDir> --output <GenDir> <header> [<header> ...]

import argparse
import os
import sys

from GeneratedCppWriter import GeneratedCppWriter
from GeneratedHeaderWriter import GeneratedHeaderWriter
from HeaderParser import parse_header
from ModuleLayout import ModuleLayout
from PropertyTypes import TypeRegistry
from ReflectionModel import HeaderToolError


def read_header(path):
	try:
		with open(path, encoding="utf-8-sig") as file:
			return file.read()
	except UnicodeDecodeError as error:
		raise HeaderToolError(path, 1, f"the header is not UTF-8 text ({error.reason})")
	except OSError as error:
		raise HeaderToolError(path, 1, f"cannot read the header: {error.strerror}")


def write_if_changed(path, text):
	"""Leaves an unchanged file untouched, so the build does not recompile what depends on it."""
	try:
		with open(path, encoding="utf-8", newline="") as file:
			if file.read() == text:
				return
	except (OSError, UnicodeDecodeError):
		pass
	with open(path, "w", encoding="utf-8", newline="\n") as file:
		file.write(text)


def check_unique_names(headers):
	"""Two headers with one base name would share a .generated.h; two types with one name, an object."""
	seen_files = {}
	seen_types = {}
	for header in headers:
		base_name = os.path.splitext(os.path.basename(header.path))[0]
		if base_name in seen_files:
			raise HeaderToolError(header.path, 1, f"another header of the module is also named {base_name}.h: {seen_files[base_name]}")
		seen_files[base_name] = header.path
		for declaration in header.classes + header.structs + header.enums + header.delegates:
			if declaration.name in seen_types:
				raise HeaderToolError(header.path, declaration.line, f"'{declaration.name}' is already declared in {seen_types[declaration.name]}")
			seen_types[declaration.name] = header.path


def generate(module, module_dir, output_dir, header_paths):
	"""Every output is built before any is written, so an error leaves the previous outputs in place."""
	headers = [parse_header(path, read_header(path)) for path in header_paths]
	check_unique_names(headers)
	layout = ModuleLayout(module, module_dir)
	registry = TypeRegistry(module, headers, layout.root)
	header_writer = GeneratedHeaderWriter(module, layout, registry)
	outputs = {}
	for header in headers:
		base_name = os.path.splitext(os.path.basename(header.path))[0]
		outputs[os.path.join(output_dir, base_name + ".generated.h")] = header_writer.write(header)
	outputs[os.path.join(output_dir, module + ".gen.cpp")] = GeneratedCppWriter(module, layout, registry, headers).write()
	os.makedirs(output_dir, exist_ok=True)
	for path, text in outputs.items():
		write_if_changed(path, text)


def main(argv):
	parser = argparse.ArgumentParser(description="Writes the reflection code of a host engine or plug-in module.")
	parser.add_argument("--module", required=True, help="module name, e.g. ZOVAJson")
	parser.add_argument("--module-dir", required=True, help="the folder holding <Module>.Build.cs")
	parser.add_argument("--output", required=True, help="folder for the .generated.h files and <Module>.gen.cpp")
	parser.add_argument("headers", nargs="+", help="the module's reflected headers")
	arguments = parser.parse_args(argv)
	try:
		generate(arguments.module, arguments.module_dir, arguments.output, arguments.headers)
	except HeaderToolError as error:
		print(error, file=sys.stderr)
		return 1
	return 0


if __name__ == "__main__":
	sys.exit(main(sys.argv[1:]))
