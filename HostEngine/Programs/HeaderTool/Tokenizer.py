# Splits a header into C++ tokens. Comments are kept beside the token that follows them, because
# the text above a declaration becomes its tooltip; preprocessor lines are set aside.

import re
from dataclasses import dataclass, field

from ReflectionModel import HeaderToolError

STRING_PREFIXES = {"u8", "u", "U", "L", "R", "u8R", "uR", "UR", "LR"}
TWO_CHAR_PUNCTUATION = {"::", "->", "&&", "||", "==", "!=", "<=", ">=", "+=", "-=", "*=", "/=", "|=", "&=", "^=", "++", "--"}
DISABLED_BLOCK = re.compile(r"#\s*if\s+0\b")
OPENS_CONDITIONAL = re.compile(r"#\s*if")
CLOSES_CONDITIONAL = re.compile(r"#\s*endif\b")
ALTERNATIVE_BRANCH = re.compile(r"#\s*(else|elif)\b")


@dataclass
class Comment:
	text: str  # from the opening marker to the end of the comment, line breaks as "\n"
	line: int
	is_line_comment: bool
	indent: str = ""  # the spaces and tabs before the opening marker on its line


@dataclass
class Token:
	kind: str  # "identifier", "number", "string", "char" or "punctuation"
	text: str
	line: int
	# comments between the previous token (or directive) and this one
	comments: list = field(default_factory=list)
	# line on which the previous token ended, 0 at the start of the file
	previous_line: int = 0

	def is_a(self, text):
		return self.text == text and self.kind in ("identifier", "punctuation")


@dataclass
class Directive:
	text: str
	line: int


@dataclass
class TokenizedHeader:
	tokens: list
	directives: list


class Tokenizer:
	def __init__(self, path, source):
		self.path = path
		self.source = source.replace("\r\n", "\n").replace("\r", "\n")
		self.position = 0
		self.line = 1
		self.tokens = []
		self.directives = []
		self.pending_comments = []
		self.previous_line = 0
		self.disabled_depth = 0
		self.at_line_start = True

	def run(self):
		source = self.source
		length = len(source)
		while self.position < length:
			char = source[self.position]
			if char == "\n":
				self.line += 1
				self.position += 1
				self.at_line_start = True
			elif char in " \t\f\v":
				self.position += 1
			elif char == "#" and self.at_line_start:
				self.read_directive()
			elif source.startswith("//", self.position):
				self.read_line_comment()
			elif source.startswith("/*", self.position):
				self.read_block_comment()
			else:
				self.at_line_start = False
				self.read_token()
		return TokenizedHeader(self.tokens, self.directives)

	def emit(self, kind, text, line):
		if self.disabled_depth:
			return
		self.tokens.append(Token(kind, text, line, self.pending_comments, self.previous_line))
		self.pending_comments = []
		self.previous_line = self.line

	def read_directive(self):
		start_line = self.line
		end = self.position
		source = self.source
		while end < len(source) and source[end] != "\n":
			if source[end] == "\\" and end + 1 < len(source) and source[end + 1] == "\n":
				self.line += 1
				end += 2
				continue
			end += 1
		text = source[self.position:end].replace("\\\n", " ")
		self.position = end
		self.track_disabled_blocks(text)
		if not self.disabled_depth:
			self.directives.append(Directive(text.strip(), start_line))
		# A comment above a directive belongs to what the directive guards, not to the next declaration.
		self.pending_comments = []

	def track_disabled_blocks(self, text):
		if self.disabled_depth:
			if OPENS_CONDITIONAL.match(text):
				self.disabled_depth += 1
			elif CLOSES_CONDITIONAL.match(text):
				self.disabled_depth -= 1
			elif ALTERNATIVE_BRANCH.match(text) and self.disabled_depth == 1:
				self.disabled_depth = 0
		elif DISABLED_BLOCK.match(text):
			self.disabled_depth = 1

	def read_line_comment(self):
		end = self.source.find("\n", self.position)
		if end < 0:
			end = len(self.source)
		self.add_comment(self.position, end, self.line, True)
		self.position = end

	def read_block_comment(self):
		end = self.source.find("*/", self.position + 2)
		if end < 0:
			raise HeaderToolError(self.path, self.line, "unterminated comment")
		start_line = self.line
		self.line += self.source.count("\n", self.position, end)
		self.add_comment(self.position, end + 2, start_line, False)
		self.position = end + 2

	def add_comment(self, start, end, line, is_line_comment):
		if self.disabled_depth:
			return
		before = self.source[self.source.rfind("\n", 0, start) + 1:start]
		indent = before if not before.strip() else ""
		self.pending_comments.append(Comment(self.source[start:end], line, is_line_comment, indent))

	def read_token(self):
		source = self.source
		start = self.position
		char = source[start]
		if char.isalpha() or char == "_":
			end = start + 1
			while end < len(source) and (source[end].isalnum() or source[end] == "_"):
				end += 1
			word = source[start:end]
			if word in STRING_PREFIXES and end < len(source) and source[end] == '"':
				self.position = end
				self.read_string(word)
				return
			self.position = end
			self.emit("identifier", word, self.line)
		elif char.isdigit() or (char == "." and start + 1 < len(source) and source[start + 1].isdigit()):
			self.read_number()
		elif char == '"':
			self.read_string("")
		elif char == "'":
			self.read_char()
		else:
			two = source[start:start + 2]
			if source.startswith("...", start):
				text = "..."
			elif two in TWO_CHAR_PUNCTUATION:
				text = two
			else:
				text = char
			self.position = start + len(text)
			self.emit("punctuation", text, self.line)

	def read_number(self):
		source = self.source
		end = self.position
		while end < len(source):
			char = source[end]
			if char.isalnum() or char in "._'":
				end += 1
			elif char in "+-" and source[end - 1] in "eEpP" and not source[self.position:end].lower().startswith("0x"):
				end += 1
			else:
				break
		self.emit("number", source[self.position:end], self.line)
		self.position = end

	def read_string(self, prefix):
		source = self.source
		start_line = self.line
		if prefix.endswith("R"):
			open_paren = source.find("(", self.position)
			delimiter = source[self.position + 1:open_paren]
			close = source.find(")" + delimiter + '"', open_paren)
			if open_paren < 0 or close < 0:
				raise HeaderToolError(self.path, start_line, "unterminated raw string literal")
			end = close + len(delimiter) + 2
		else:
			end = self.position + 1
			while True:
				if end >= len(source) or source[end] == "\n":
					raise HeaderToolError(self.path, start_line, "unterminated string literal")
				if source[end] == "\\":
					end += 2
					continue
				if source[end] == '"':
					end += 1
					break
				end += 1
		text = source[self.position:end]
		self.line += text.count("\n")
		self.position = end
		self.emit("string", prefix + text, start_line)

	def read_char(self):
		source = self.source
		end = self.position + 1
		while end < len(source) and source[end] != "'":
			if source[end] == "\n":
				raise HeaderToolError(self.path, self.line, "unterminated character literal")
			end += 2 if source[end] == "\\" else 1
		end += 1
		self.emit("char", source[self.position:end], self.line)
		self.position = end


def tokenize(path, source):
	return Tokenizer(path, source).run()
