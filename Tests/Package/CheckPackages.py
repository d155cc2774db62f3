#!/usr/bin/env python3
"""Unpacks each plug-in package into a fresh folder and checks what ships.

For every plug-in under --plugins, its package <Plugin>-<VersionName>-UE5.6.zip in --packages must:
hold exactly the files listed in <Plugin>.files under --lists; declare, as installed for 5.6.0, each
module that it carries source for and no other; carry a 128 by 128 icon. Every C++ and C# source of
the plug-in, in the package and in the source tree, must open with the copyright line and a blank
line. --update-lists writes the file lists from the packages instead of comparing them.
"""

import argparse
import glob
import json
import os
import shutil
import struct
import sys
import zipfile

ENGINE_VERSION = "5.6"
COPYRIGHT_LINES = ["// Copyright ZOVA. All Rights Reserved.", ""]
SOURCE_EXTENSIONS = (".h", ".cpp", ".cs")


def missing_copyright(root):
	"""The sources under root that do not open with the copyright line and a blank line."""
	offenders = []
	for directory, _, files in os.walk(root):
		for name in files:
			if name.endswith(SOURCE_EXTENSIONS):
				path = os.path.join(directory, name)
				with open(path, encoding="utf-8-sig", errors="replace") as file:
					opening = [file.readline().rstrip("\r\n") for _ in COPYRIGHT_LINES]
				if opening != COPYRIGHT_LINES:
					offenders.append(os.path.relpath(path, root))
	return sorted(offenders)


def png_size(path):
	with open(path, "rb") as file:
		header = file.read(24)
	if header[:8] != b"\x89PNG\r\n\x1a\n" or header[12:16] != b"IHDR":
		return None
	return struct.unpack(">II", header[16:24])


def descriptor_problems(plugin_name, unpacked):
	problems = []
	with open(os.path.join(unpacked, plugin_name + ".uplugin"), encoding="utf-8-sig") as file:
		descriptor = json.load(file)
	if descriptor.get("Installed") is not True:
		problems.append("the descriptor is not marked Installed")
	if descriptor.get("EngineVersion") != ENGINE_VERSION + ".0":
		problems.append("the descriptor's EngineVersion is %r, not %s.0" % (descriptor.get("EngineVersion"), ENGINE_VERSION))
	declared = {module["Name"] for module in descriptor.get("Modules", [])}
	shipped = {os.path.basename(os.path.dirname(path)) for path in glob.glob(os.path.join(unpacked, "Source", "*", "*.Build.cs"))}
	for name in sorted(declared - shipped):
		problems.append("module %s is declared but its source is not in the package" % name)
	for name in sorted(shipped - declared):
		problems.append("Source/%s is in the package but no module of the descriptor" % name)
	icon = os.path.join(unpacked, "Resources", "Icon128.png")
	if not os.path.isfile(icon) or png_size(icon) != (128, 128):
		problems.append("Resources/Icon128.png is not a 128 by 128 PNG")
	return problems


def check_plugin(descriptor_path, arguments):
	plugin_name = os.path.splitext(os.path.basename(descriptor_path))[0]
	with open(descriptor_path, encoding="utf-8-sig") as file:
		version_name = json.load(file)["VersionName"]
	archive = os.path.join(arguments.packages, "%s-%s-UE%s.zip" % (plugin_name, version_name, ENGINE_VERSION))
	if not os.path.isfile(archive):
		return ["no package %s" % archive]

	with zipfile.ZipFile(archive) as package:
		package.extractall(arguments.unpack)
		names = [name for name in package.namelist() if not name.endswith("/")]
	outside = [name for name in names if not name.startswith(plugin_name + "/")]
	if outside:
		return ["entries outside the folder %s/: %s" % (plugin_name, ", ".join(outside))]
	files = sorted(name[len(plugin_name) + 1:] for name in names)

	list_path = os.path.join(arguments.lists, plugin_name + ".files")
	problems = []
	if arguments.update_lists:
		with open(list_path, "w", encoding="utf-8") as file:
			file.write("".join(name + "\n" for name in files))
		print("CheckPackages: wrote %s (%d files)" % (list_path, len(files)))
	else:
		with open(list_path, encoding="utf-8") as file:
			expected = [line.strip() for line in file if line.strip()]
		problems += ["missing from the package: " + name for name in sorted(set(expected) - set(files))]
		problems += ["in the package but not in %s: %s" % (os.path.basename(list_path), name) for name in sorted(set(files) - set(expected))]

	unpacked = os.path.join(arguments.unpack, plugin_name)
	problems += descriptor_problems(plugin_name, unpacked)
	problems += ["no copyright line: package " + path for path in missing_copyright(unpacked)]
	problems += ["no copyright line: source " + path for path in missing_copyright(os.path.dirname(descriptor_path))]
	return problems


def main():
	parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
	parser.add_argument("--packages", required=True, help="folder holding the .zip packages")
	parser.add_argument("--plugins", required=True, help="the plug-ins' source folder, Plugins/")
	parser.add_argument("--lists", required=True, help="folder of the <Plugin>.files lists")
	parser.add_argument("--unpack", required=True, help="folder to unpack into; emptied first")
	parser.add_argument("--update-lists", action="store_true", help="write the file lists instead of comparing")
	arguments = parser.parse_args()

	shutil.rmtree(arguments.unpack, ignore_errors=True)
	os.makedirs(arguments.unpack)
	descriptors = sorted(glob.glob(os.path.join(arguments.plugins, "*", "*.uplugin")))
	if not descriptors:
		print("CheckPackages: no plug-in under %s" % arguments.plugins, file=sys.stderr)
		return 1
	failed = 0
	for descriptor in descriptors:
		name = os.path.splitext(os.path.basename(descriptor))[0]
		problems = check_plugin(descriptor, arguments)
		for problem in problems:
			print("CheckPackages: %s: %s" % (name, problem), file=sys.stderr)
		print("CheckPackages: %s: %s" % (name, "failed" if problems else "passed"))
		failed += 1 if problems else 0
	print("%d passed, %d failed" % (len(descriptors) - failed, failed))
	return 1 if failed else 0


if __name__ == "__main__":
	sys.exit(main())
