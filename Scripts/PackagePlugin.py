#!/usr/bin/env python3
"""Packs plug-ins the way the engine's BuildPlugin command lays them out, as source only.

For each descriptor given, the files of the plug-in folder that BuildPlugin keeps (its default
filter, then the rules of Config/FilterPlugin.ini, then the restricted folders taken out) go into
<Output>/<Plugin>-<VersionName>-UE<Major>.<Minor>.zip under a folder named after the plug-in, with
the descriptor rewritten as BuildPlugin writes the packaged one: marked installed, stamped with the
engine version, its fields in the order the engine's descriptor writer puts them.

BuildPlugin also compiles the plug-in and packs the libraries it built (Binaries/, and the
generated headers under Intermediate/Build/.../Inc/). We ship source for the user's own engine to
build, so those rules are left out. The entries are sorted and carry a fixed date, so the same
sources give the same archive.
"""

import argparse
import json
import os
import re
import sys
import zipfile

# BuildPlugin's default filter, in its order, less the rules for build output.
DEFAULT_RULES = [
	"/Resources/...",
	"/Content/...",
	"/Shaders/...",
	"/Source/...",
	"-/Tests/...",
]

# Folders whose content never ships, wherever they are (the engine adds the confidential platforms'
# names, which no plug-in of ours has).
RESTRICTED_FOLDERS = ["EpicInternal", "CarefullyRedist", "LimitedAccess", "NotForLicensees", "NoRedist"]

FIXED_DATE = (1980, 1, 1, 0, 0, 0)

# The packaged descriptor's fields, in the order the engine writes them, and when each is written:
# "always", "set" (present and not empty) or "true" (a flag written only when set).
PLUGIN_FIELDS = [
	("FileVersion", "always"),
	("Version", "always"),
	("VersionName", "always"),
	("FriendlyName", "always"),
	("Description", "always"),
	("Category", "always"),
	("CreatedBy", "always"),
	("CreatedByURL", "always"),
	("DocsURL", "always"),
	("MarketplaceURL", "always"),
	("SupportURL", "always"),
	("EngineVersion", "set"),
	("VersePath", "set"),
	("EnabledByDefault", "set"),
	("CanContainContent", "always"),
	("CanContainVerse", "true"),
	("IsBetaVersion", "true"),
	("IsExperimentalVersion", "true"),
	("Installed", "true"),
	("RequiresBuildPlatform", "true"),
	("Sealed", "true"),
	("NoCode", "true"),
	("ExplicitlyLoaded", "true"),
	("HasExplicitPlatforms", "true"),
	("SupportedTargetPlatforms", "set"),
	("SupportedPrograms", "set"),
	("bIsPluginExtension", "true"),
	("Modules", "set"),
	("DisallowedPlugins", "set"),
]

# A module's fields. The platform allow list is written even when empty: an empty list allows no platform.
MODULE_FIELDS = [
	("Name", "always"),
	("Type", "always"),
	("LoadingPhase", "always"),
	("PlatformAllowList", "present"),
	("PlatformDenyList", "set"),
	("TargetAllowList", "set"),
	("TargetDenyList", "set"),
	("TargetConfigurationAllowList", "set"),
	("TargetConfigurationDenyList", "set"),
	("ProgramAllowList", "set"),
	("ProgramDenyList", "set"),
	("GameTargetAllowList", "set"),
	("GameTargetDenyList", "set"),
	("AdditionalDependencies", "set"),
	("HasExplicitPlatforms", "true"),
]

# What the engine assumes for a field the source descriptor leaves out.
DEFAULTS = {"FileVersion": 3, "Version": 0, "CanContainContent": False, "LoadingPhase": "Default"}


class PackageError(Exception):
	pass


def rule_to_regex(pattern):
	"""A filter rule as a regular expression over a path relative to the plug-in folder.

	As in the engine's file filter: a leading '/' anchors the rule at the plug-in folder, a rule
	without any '/' matches a name in any folder, a trailing '/' means everything below, '...'
	matches across folders, '*' and '?' within one name.
	"""
	pattern = pattern.replace("\\", "/")
	if pattern.startswith("/"):
		pattern = pattern[1:]
	elif "/" not in pattern and not pattern.startswith("..."):
		pattern = ".../" + pattern
	if pattern.endswith("/"):
		pattern += "..."
	expression = ""
	index = 0
	while index < len(pattern):
		if pattern.startswith("...", index):
			expression += ".*"
			index += 3
		elif pattern[index] == "*":
			expression += "[^/]*"
			index += 1
		elif pattern[index] == "?":
			expression += "[^/]"
			index += 1
		else:
			expression += re.escape(pattern[index])
			index += 1
	# ".../Name" also matches Name at the top of the plug-in folder.
	expression = expression.replace(".*/", "(?:.*/)?")
	return re.compile(expression + r"\Z")


def read_filter_file(path):
	"""The rules of the [FilterPlugin] section; ';' starts a comment line, '-' marks an exclusion."""
	rules = []
	in_section = False
	with open(path, encoding="utf-8-sig") as file:
		for line in file:
			trimmed = line.strip()
			if not trimmed or trimmed.startswith(";"):
				continue
			if trimmed.startswith("["):
				in_section = trimmed == "[FilterPlugin]"
			elif in_section:
				rules.append(trimmed)
	return rules


def packaged_files(plugin_dir, descriptor_name):
	"""The plug-in's files that the package keeps, relative to its folder, sorted."""
	rules = ["/" + descriptor_name] + DEFAULT_RULES
	filter_file = os.path.join(plugin_dir, "Config", "FilterPlugin.ini")
	if os.path.isfile(filter_file):
		rules += read_filter_file(filter_file)
	rules += ["-.../%s/..." % name for name in RESTRICTED_FOLDERS]

	compiled = []
	for rule in rules:
		include = not rule.startswith("-")
		compiled.append((include, rule_to_regex(rule if include else rule[1:].lstrip())))

	kept = []
	for directory, subdirectories, files in os.walk(plugin_dir):
		subdirectories.sort()
		for name in files:
			path = os.path.join(directory, name)
			if os.path.islink(path):
				continue
			relative = os.path.relpath(path, plugin_dir).replace(os.sep, "/")
			# The last rule that matches decides; a file no rule matches stays out.
			include = False
			for rule_include, expression in compiled:
				if expression.match(relative):
					include = rule_include
			if include:
				kept.append(relative)
	return sorted(kept)


def ordered_fields(source, fields, what):
	unknown = sorted(set(source) - {name for name, _ in fields})
	if unknown:
		# The engine's writer would drop them without a word; a package must not lose a setting.
		raise PackageError("%s: fields the packaged descriptor cannot carry: %s" % (what, ", ".join(unknown)))
	result = {}
	for name, when in fields:
		value = source.get(name, DEFAULTS.get(name))
		if when == "always":
			result[name] = "" if value is None else value
		elif when == "present" and value is not None:
			result[name] = value
		elif when == "set" and value not in (None, "", []):
			result[name] = value
		elif when == "true" and value is True:
			result[name] = True
	return result


def packaged_descriptor(source, engine_version):
	"""The descriptor as BuildPlugin saves it in the package."""
	descriptor = dict(source)
	descriptor.pop("EnabledByDefault", None)
	descriptor["Installed"] = True
	descriptor["EngineVersion"] = "%s.0" % engine_version
	descriptor["FileVersion"] = 3
	modules = [ordered_fields(module, MODULE_FIELDS, "module %s" % module.get("Name")) for module in descriptor.get("Modules", [])]
	descriptor["Modules"] = modules
	return ordered_fields(descriptor, PLUGIN_FIELDS, "plug-in")


def package_plugin(descriptor_path, engine_version, output_dir):
	plugin_dir = os.path.dirname(os.path.abspath(descriptor_path))
	descriptor_name = os.path.basename(descriptor_path)
	plugin_name = os.path.splitext(descriptor_name)[0]
	with open(descriptor_path, encoding="utf-8-sig") as file:
		source = json.load(file)
	version_name = source.get("VersionName")
	if not version_name:
		raise PackageError("%s has no VersionName" % descriptor_path)

	# Laid out as the engine's JSON writer lays it out: tab indents, "Name": value, no newline at the end.
	descriptor_text = json.dumps(packaged_descriptor(source, engine_version), indent="\t", ensure_ascii=False)
	archive_path = os.path.join(output_dir, "%s-%s-UE%s.zip" % (plugin_name, version_name, engine_version))
	os.makedirs(output_dir, exist_ok=True)
	with zipfile.ZipFile(archive_path + ".part", "w", compression=zipfile.ZIP_DEFLATED, compresslevel=9) as archive:
		for relative in packaged_files(plugin_dir, descriptor_name):
			entry = zipfile.ZipInfo("%s/%s" % (plugin_name, relative), date_time=FIXED_DATE)
			entry.create_system = 3
			entry.external_attr = 0o100644 << 16
			entry.compress_type = zipfile.ZIP_DEFLATED
			if relative == descriptor_name:
				archive.writestr(entry, descriptor_text.encode("utf-8"))
			else:
				with open(os.path.join(plugin_dir, relative), "rb") as file:
					archive.writestr(entry, file.read())
	os.replace(archive_path + ".part", archive_path)
	return archive_path


def main():
	parser = argparse.ArgumentParser(description="Packs plug-ins as the engine's BuildPlugin lays them out, source only.")
	parser.add_argument("--engine-version", required=True, help="major.minor of the engine the packages are for, e.g. 5.6")
	parser.add_argument("--output", required=True, help="folder the .zip files go to")
	parser.add_argument("descriptors", nargs="+", help="the plug-ins' .uplugin files")
	arguments = parser.parse_args()
	if not re.fullmatch(r"\d+\.\d+", arguments.engine_version):
		parser.error("--engine-version takes major.minor, e.g. 5.6")
	try:
		for descriptor in arguments.descriptors:
			print("Package: %s" % package_plugin(descriptor, arguments.engine_version, arguments.output))
	except (PackageError, OSError, ValueError) as error:
		print("Package: %s" % error, file=sys.stderr)
		return 1
	return 0


if __name__ == "__main__":
	sys.exit(main())
