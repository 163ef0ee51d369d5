#!/usr/bin/env python3
"""How much of an everyday text the dictionary reaches: the share of word tokens with an article.

Reads the texts tests/data/texts/fi-*.txt (Finnish) and da-*.txt (Danish), cuts them into word
tokens (runs of letters, with a single - or ' between letters), and asks velimora-query about
every distinct word: first a plain look-up (WORD), then, if that shows no article, an analysis
query (-WORD for Finnish, --WORD for Danish). A token is reached when one of them shows an
article of its own language's side (I or c for Finnish, T or r for Danish). A capitalised word
that is not reached is tried once more in lower case (a word at the start of a sentence).

Prints, per text and per language, the tokens reached by the plain look-up, by the analysis
only, and not at all, and lists the words that are not reached with their number of tokens.
This is a report, not a test: the exit status is 0 however low the share is (2 only when the
program cannot run or there are no texts).

usage: scripts/coverage_report.py [PROGRAM] [--data DIR] [--texts DIR] [--jobs N]
                                  [--timeout SECONDS] [--language fi|da]
"""

import argparse
import collections
import concurrent.futures
import glob
import os
import re
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import analysis_report  # noqa: E402  (the shared program start and output reading)

ROOT = analysis_report.ROOT
DEFAULT_TEXTS = os.path.join(ROOT, "tests", "data", "texts")
LANGUAGES = analysis_report.LANGUAGES
LANGUAGE_NAME = analysis_report.LANGUAGE_NAME
percent = analysis_report.percent
QUERY_SIGN = analysis_report.QUERY_SIGN
# The dictionaries whose articles count for a word of the language.
OWN_SIDE = {"fi": "ic", "da": "tr"}
TARGET = 95.0

# A word token: letters, with single hyphens or apostrophes between letters.
WORD = re.compile(r"[^\W\d_]+(?:[-'][^\W\d_]+)*")
# The dictionary letter of an article line "  suomi:  (i12,345) >talo ...".
ARTICLE_REF = re.compile(r"^ {2,3}(?:[^\W\d_]+(?:\(\d+\))?: +)?\(([A-Za-z])\d+[,;][^)]*\) *>")


def tokens_of(path):
    with open(path, encoding="utf-8") as f:
        return WORD.findall(f.read())


def reaches(program, data, query, side, timeout):
    """(True/False, problem): whether the query shows an article of one of the side's lists."""
    cmd = analysis_report.program_command(program, data) + ["--", query]
    try:
        p = subprocess.run(cmd, stdin=subprocess.DEVNULL, capture_output=True, timeout=timeout)
    except subprocess.TimeoutExpired:
        return False, f"{query}: timed out after {timeout:g} s"
    except OSError as e:
        return False, f"{query}: could not run: {e}"
    if p.returncode != 0:
        return False, f"{query}: " + analysis_report.describe_exit(p.returncode)
    for line in p.stdout.decode("utf-8", "replace").splitlines():
        m = ARTICLE_REF.match(line)
        if m and m.group(1).lower() in side:
            return True, None
    return False, None


def classify(word, language, program, data, timeout):
    """'plain', 'analysis' or None for one distinct word, and the problems met."""
    side = OWN_SIDE[language]
    problems = []
    spellings = [word] + ([word.lower()] if word.lower() != word else [])
    for how, sign in (("plain", ""), ("analysis", QUERY_SIGN[language])):
        for w in spellings:
            ok, problem = reaches(program, data, sign + w, side, timeout)
            if problem:
                problems.append(problem)
            if ok:
                return how, problems
    return None, problems


def main(argv):
    ap = argparse.ArgumentParser(description="Share of text tokens that reach an article.")
    ap.add_argument("program", nargs="?", default=analysis_report.DEFAULT_PROGRAM,
                    help="velimora-query (default: build/apps/velimora-query/velimora-query)")
    ap.add_argument("--data", metavar="DIR",
                    help="the data folder (default: the program's own default)")
    ap.add_argument("--texts", metavar="DIR", default=DEFAULT_TEXTS,
                    help="the folder of fi-*.txt and da-*.txt (default: tests/data/texts)")
    ap.add_argument("--timeout", type=float, default=10.0, metavar="SECONDS",
                    help="time limit of one query process (default: 10)")
    ap.add_argument("--jobs", type=int, default=os.cpu_count() or 1, metavar="N",
                    help="query processes run at the same time (default: the number of CPUs)")
    ap.add_argument("--language", choices=LANGUAGES, help="only the texts of this language")
    args = ap.parse_args(argv)

    texts = {lang: sorted(glob.glob(os.path.join(args.texts, f"{lang}-*.txt")))
             for lang in LANGUAGES if args.language in (None, lang)}
    if not any(texts.values()):
        print(f"coverage_report: no texts {args.texts}/fi-*.txt or da-*.txt", file=sys.stderr)
        return 2
    program = os.path.abspath(args.program)
    problem = analysis_report.preflight(program, args.data, max(args.timeout, 30.0))
    if problem:
        print(f"coverage_report: {problem}", file=sys.stderr)
        return 2

    tokens = {}  # (language, path) -> [word, ...]
    for lang, paths in texts.items():
        for path in paths:
            try:
                tokens[(lang, path)] = tokens_of(path)
            except (OSError, UnicodeDecodeError) as e:
                print(f"coverage_report: cannot read {path}: {e}", file=sys.stderr)
                return 2
    distinct = sorted({(lang, w) for (lang, _), ws in tokens.items() for w in ws})
    with concurrent.futures.ThreadPoolExecutor(max_workers=max(1, args.jobs)) as pool:
        results = dict(zip(distinct, pool.map(
            lambda lw: classify(lw[1], lw[0], program, args.data, args.timeout), distinct)))

    out = sys.stdout
    if hasattr(out, "reconfigure"):
        out.reconfigure(errors="replace")
    print("Coverage report: word tokens of the texts that reach an article", file=out)
    print("plain: a plain look-up shows one; analysis: only the analysis query does", file=out)
    print(file=out)
    head = f"{'text':<24} {'tokens':>6}  {'plain':>6}  {'analysis':>8}  {'missed':>6}  {'reached':>7}"
    print(head, file=out)
    print("-" * len(head), file=out)
    for lang, paths in texts.items():
        total = collections.Counter()
        for path in paths:
            count = collections.Counter(results[(lang, w)][0] for w in tokens[(lang, path)])
            total += count
            n = sum(count.values())
            print(f"{os.path.basename(path):<24} {n:>6}  {count['plain']:>6}  "
                  f"{count['analysis']:>8}  {count[None]:>6}  "
                  f"{percent(n - count[None], n):>7}", file=out)
        n = sum(total.values())
        share = percent(n - total[None], n)
        print(f"{'all ' + LANGUAGE_NAME[lang]:<24} {n:>6}  {total['plain']:>6}  "
              f"{total['analysis']:>8}  {total[None]:>6}  {share:>7}", file=out)
        print("-" * len(head), file=out)
    for lang, paths in texts.items():
        missed = collections.Counter(w for p in paths for w in tokens[(lang, p)]
                                     if results[(lang, w)][0] is None)
        n = sum(len(tokens[(lang, p)]) for p in paths)
        reached = n - sum(missed.values())
        verdict = "meets" if n and 100.0 * reached / n >= TARGET else "below"
        print(f"\n{LANGUAGE_NAME[lang]}: {percent(reached, n).strip()} of {n} tokens reached "
              f"({verdict} the target of {TARGET:g} %); words not reached ({len(missed)}):",
              file=out)
        for word, k in sorted(missed.items(), key=lambda wk: (-wk[1], wk[0].lower())):
            print(f"  {word}" + (f" ({k})" if k > 1 else ""), file=out)
    problems = [p for r in results.values() for p in r[1]]
    if problems:
        print(f"\nQueries that crashed, failed or timed out ({len(problems)}; counted as misses):",
              file=out)
        for p in problems:
            print(f"  {p}", file=out)
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main(sys.argv[1:]))
    except KeyboardInterrupt:
        sys.exit(130)
    except BrokenPipeError:
        os.dup2(os.open(os.devnull, os.O_WRONLY), sys.stdout.fileno())
        sys.exit(0)
