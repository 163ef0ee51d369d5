#!/usr/bin/env python3
"""Lists the Finnish-Danish articles whose Danish translation word has no Danish-Finnish article.

The translation word of a Finnish article is the first translation of its first sense when that
is a single word ("talo  hus; bygning" gives "hus"; "at" before a verb and "en"/"et" before a
noun are passed over). It is a T gap when it is neither a headword nor a variant of da-fi.txt
or da-compounds.txt. This is a report, not a check: it prints the gaps and their number.

Usage: t_gaps.py [SOURCE_DIR]   (default: data/source beside this script)
"""
import os
import re
import sys

FINNISH_CODES = "01245"
WORD = re.compile(r"^[^\W\d_]+(?:[-'][^\W\d_]+)*$")


def article_lines(path):
    with open(path, encoding="utf-8-sig") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip()
            if line and not line.startswith("#"):
                yield number, line.lstrip('"')


def finnish_text(line):
    """The article text of a Finnish line: what follows the headword and its variant chain."""
    blank = line.find(" ")
    if blank < 0:
        return ""
    pos = blank + 1
    if line.endswith("-", 0, blank):  # a compound first part: only "1 " is a code
        return line[pos + 2:] if line.startswith("1 ", pos) else line[pos:]

    def code_field(p):  # position after a code field at p, or None
        if line.startswith(" ", p):
            return p + 1
        if p + 1 < len(line) and line[p] in FINNISH_CODES and line[p + 1] == " ":
            return p + 2
        return None

    pos = code_field(pos) or pos
    while pos < len(line):
        if line[pos] in ">+":
            blank = line.find(" ", pos)
            after = code_field(blank + 1) if blank > 0 else None
            if after is None:
                break
            pos = after
        elif line[pos] in "pP_" and line.startswith(" ", pos + 1):
            pos += 2
        else:
            break
    return line[pos:]


def danish_words(line):
    """The headword and the words of the variant chain of a Danish line."""
    words = []
    parts = line.split(" ")
    head = parts[0]
    words.append(head)
    if head.endswith("-"):
        return words
    for part in parts[1:]:
        if part.startswith(">") and len(part) > 1:
            words.append(part[1:])
        elif part.startswith("+") and len(part) > 1:
            words.append(head + part[1:])
        else:
            break
    return words


def translation_word(text):
    first = text.split(" | ")[0]
    first = re.sub(r"\{[^}]*\}", " ", first)
    first = re.split(r"[;,:=(]", first)[0].split()
    if len(first) == 2 and first[0] in ("at", "en", "et"):
        first = first[1:]
    if len(first) != 1 or not WORD.match(first[0]):
        return None
    return first[0]


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    source = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "data", "source")
    known = set()
    for name in ("da-fi.txt", "da-compounds.txt"):
        for _, line in article_lines(os.path.join(source, name)):
            known.update(w.lower() for w in danish_words(line))
    gaps = {}
    total = 0
    for number, line in article_lines(os.path.join(source, "fi-da.txt")):
        word = translation_word(finnish_text(line))
        if word is None:
            continue
        total += 1
        if word.lower() not in known:
            gaps.setdefault(word, []).append(line.split(" ")[0])
    for word in sorted(gaps, key=str.lower):
        print(f"{word}\t{', '.join(gaps[word])}")
    print(f"{len(gaps)} Danish translation words of {sum(map(len, gaps.values()))} of {total} "
          f"Finnish articles have no Danish-Finnish article", file=sys.stderr)


if __name__ == "__main__":
    main()
