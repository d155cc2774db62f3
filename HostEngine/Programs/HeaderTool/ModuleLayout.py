# Where a module's headers sit: the file ids of generated macros, the paths recorded as metadata,
# the include paths the generated .cpp uses, and the package flags of the module's type.

import json
import os
import re

from ReflectionModel import HeaderToolError

ROOT_MARKERS = (".git", "CMakePresets.json")
INCLUDE_ROOTS = ("Public", "Classes", "Private")
HOST_EDITOR_SOURCE = os.path.join("HostEngine", "Source", "Editor")
HOST_DEVELOPER_SOURCE = os.path.join("HostEngine", "Source", "Developer")


def find_upwards(start, predicate):
	directory = os.path.abspath(start)
	while True:
		if predicate(directory):
			return directory
		parent = os.path.dirname(directory)
		if parent == directory:
			return None
		directory = parent


def is_repository_root(directory):
	return any(os.path.exists(os.path.join(directory, marker)) for marker in ROOT_MARKERS)


class ModuleLayout:
	def __init__(self, module, module_dir):
		self.module = module
		self.module_dir = os.path.abspath(module_dir)
		self.root = find_upwards(self.module_dir, is_repository_root) or os.path.dirname(self.module_dir)

	def relative(self, path, start):
		return os.path.relpath(os.path.abspath(path), start).replace(os.sep, "/")

	def file_id(self, header_path):
		"""FID_<path from the repository root>, every other character than a letter or digit made '_'."""
		root = find_upwards(os.path.dirname(header_path), is_repository_root) or self.root
		return "FID_" + re.sub(r"[^A-Za-z0-9]", "_", self.relative(header_path, root))

	def module_relative_path(self, header_path):
		return self.relative(header_path, self.module_dir)

	def include_path(self, header_path):
		"""The path an #include names: relative to Public/, Classes/ or Private/, else to the module."""
		relative = self.module_relative_path(header_path)
		first, _, rest = relative.partition("/")
		return rest if first in INCLUDE_ROOTS and rest else relative

	def package_flags(self):
		flags = ["PKG_CompiledIn"]
		host_type = self.plugin_module_type()
		if host_type == "UncookedOnly":
			flags.append("PKG_UncookedOnly")
		elif host_type is not None and host_type.startswith("Editor"):
			flags.append("PKG_EditorOnly")
		elif host_type is not None and host_type.startswith("Developer"):
			flags.append("PKG_Developer")
		elif host_type is None:
			relative = os.path.relpath(self.module_dir, self.root)
			if relative.startswith(HOST_EDITOR_SOURCE + os.sep):
				flags.append("PKG_EditorOnly")
			elif relative.startswith(HOST_DEVELOPER_SOURCE + os.sep):
				flags.append("PKG_Developer")
		return flags

	def plugin_module_type(self):
		"""The "Type" of this module in the nearest .uplugin above the module, or None outside plug-ins."""
		plugin_dir = find_upwards(self.module_dir, lambda directory: any(name.endswith(".uplugin") for name in os.listdir(directory)))
		if plugin_dir is None:
			return None
		descriptor = os.path.join(plugin_dir, next(name for name in sorted(os.listdir(plugin_dir)) if name.endswith(".uplugin")))
		try:
			with open(descriptor, encoding="utf-8-sig") as file:
				plugin = json.load(file)
		except json.JSONDecodeError as error:
			raise HeaderToolError(descriptor, error.lineno, f"invalid plug-in descriptor: {error.msg}")
		for entry in plugin.get("Modules", []):
			if entry.get("Name") == self.module:
				return entry.get("Type")
		return None
