# Helpers over runs of tokens: splitting an argument list and writing tokens back as text.


def split_top_level(tokens, separator=","):
	"""Splits tokens at separators that are not inside parentheses, brackets, braces or angle brackets."""
	parts = [[]]
	depth = 0
	for token in tokens:
		if token.kind == "punctuation" and token.text in "([{<":
			depth += 1
		elif token.kind == "punctuation" and token.text in ")]}>":
			depth -= 1
		if depth == 0 and token.is_a(separator):
			parts.append([])
		else:
			parts[-1].append(token)
	if parts == [[]]:
		return []
	return parts


def join_tokens(tokens):
	"""Token texts joined as a person would write them: a space only between two words."""
	text = ""
	for index, token in enumerate(tokens):
		if index > 0 and token.kind in ("identifier", "number") and tokens[index - 1].kind in ("identifier", "number"):
			text += " "
		text += token.text
	return text
