# The comment above a declaration, and the "Comment" (as written) and "ToolTip" (plain text)
# metadata made from it.


def comment_above(token):
	"""The comment directly above a token: the last block comment or the last run of // lines.

	A comment that shares a line with the code before it trails that code and is not taken, and
	//~ lines (interface section markers) are never tooltips.
	"""
	candidates = [
		comment
		for comment in token.comments
		if comment.line != token.previous_line and not comment.text.startswith("//~")
	]
	if not candidates:
		return []
	last = candidates[-1]
	if not last.is_line_comment:
		return [last]
	run = [last]
	for comment in reversed(candidates[:-1]):
		if not comment.is_line_comment or comment.line != run[0].line - 1:
			break
		run.insert(0, comment)
	return run


def comment_text(comments):
	"""The "Comment" value: the comment as written, lines joined with "\n", each line without the
	indentation that the comment's first line has."""
	if not comments:
		return ""
	if comments[0].is_line_comment:
		return "\n".join(comment.text for comment in comments)
	comment = comments[0]
	lines = comment.text.split("\n")
	return "\n".join([lines[0]] + [remove_indent(line, len(comment.indent)) for line in lines[1:]])


def remove_indent(line, width):
	"""Drops up to width leading spaces and tabs."""
	stripped = line.lstrip(" \t")
	return line[min(width, len(line) - len(stripped)):]


def tooltip_text(comments):
	"""The "ToolTip" value: the comment's text without markers, each line trimmed."""
	lines = []
	for comment in comments:
		if comment.is_line_comment:
			lines.append(comment.text.lstrip("/").strip())
		else:
			lines.extend(block_comment_lines(comment.text))
	while lines and not lines[0]:
		lines.pop(0)
	while lines and not lines[-1]:
		lines.pop()
	return "\n".join(lines)


def block_comment_lines(text):
	body = text[2:-2].lstrip("*")
	lines = []
	for index, line in enumerate(body.split("\n")):
		line = line.strip()
		if index > 0 and line.startswith("*"):
			line = line[1:].strip()
		lines.append(line)
	return lines


def comment_metadata(comments):
	"""The Comment/ToolTip pairs for a declaration's comment (an explicit meta ToolTip replaces the latter)."""
	metadata = {}
	raw = comment_text(comments)
	if raw:
		metadata["Comment"] = raw
	tooltip = tooltip_text(comments)
	if tooltip:
		metadata["ToolTip"] = tooltip
	return metadata
