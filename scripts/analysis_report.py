#!/usr/bin/env python3
"""How well the morphological analysis finds base words: recall, precision and top-1 per category.

Runs every form of tests/data/analysis-forms.tsv through velimora-query as an analysis query
(-FORM for Finnish, --FORM for Danish), one process per form with a time limit, reads the
headwords of the articles in the output and prints, per category, per language and overall:

  forms      the number of forms
  recall     the share of forms whose output shows an article of the form's base word
  precision  of all articles shown for the forms, the share whose headword is the form's base
             word or another right reading the forms file lists for it (sixth column: køber
             is also the noun køber; ølflaske also shows its first part øl); "n/a" when no
             article was shown. A line below the table gives it for the base word alone.
  top-1      the share of forms whose first reading shown is of the base word: the first
             block of the output (an analysis line and its articles, or the articles of a
             whole-word hit) names the base word as its word (the last article of an analysis
             block: the head of a compound cut into parts; the first of a whole-word hit) and,
             when the line names a reading (fifth column), its analysis line names that reading

A form whose base is "-" is a non-word: it should get no analysis at all. Non-words are kept
out of the figures above; they are counted apart, per category, with the share that gets an
analysis anyway (an analysis line or an article: a false analysis).

A form whose base is "!WORD" is a wrong form that must not read as WORD (a regular ending on a
word whose article lists the irregular form: mandene for mænd). Such forms are kept out of the
figures above and counted apart, per category, with the share whose output shows an article
of WORD anyway.

A form whose query crashes, fails or times out counts as a miss and is listed. This is a
report, not a test: the exit status is 0 however low the figures are (2 only when the program
cannot run at all or the forms file cannot be read).

usage: scripts/analysis_report.py [PROGRAM] [--data DIR] [--forms FILE] [--failures]
                                  [--timeout SECONDS] [--jobs N] [--language fi|da]
                                  [--category NAME ...]
"""

import argparse
import concurrent.futures
import os
import re
import subprocess
import sys
from collections import OrderedDict

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DEFAULT_PROGRAM = os.path.join(ROOT, "build", "apps", "velimora-query", "velimora-query")
DEFAULT_FORMS = os.path.join(ROOT, "tests", "data", "analysis-forms.tsv")
LANGUAGES = ("fi", "da")
QUERY_SIGN = {"fi": "-", "da": "--"}
LANGUAGE_NAME = {"fi": "Finnish", "da": "Danish"}

# An article line: "  suomi:  (i12,345) >talo hus; bygning", with a count
# "  suomi(2):  (i12,345) >...", a sense "(i12;345 2)", or the short label "   (t3,17) >...".
# The headword follows the first ">" right after the reference and ends at a blank.
ARTICLE_LINE = re.compile(
    r"^ {2,3}(?:[^\W\d_]+(?:\(\d+\))?: +)?\([A-Za-z]\d+[,;][^)]*\) *>(\S+)(?:\s|$)")


NON_WORD = "-"  # the base column of a form that should get no analysis
AVOID = "!"  # the base column of a wrong form: "!WORD", must not read as WORD

# An analysis line: "   Analysis :  suur/in  =  suurI4.in0  (superl.) [-est]  ...", a later one
# "   Analysis (2):  ..."; the text after " = " holds the pieces and the reading.
ANALYSIS_LINE = re.compile(r"^ +Analysis(?: \(\d+\))? ?: .*? = +(.*)$")


class Form:
    def __init__(self, language, category, form, base, reading, line_number, also=()):
        self.language = language
        self.category = category
        self.form = form
        self.base = base
        self.reading = reading  # a text the first analysis line must hold for top-1, or None
        self.also = tuple(also)  # other headwords that are right readings of the form
        self.line_number = line_number
        self.headwords = []  # one per article line shown, in output order
        self.analyses = []  # the text after " = " of every analysis line, in output order
        self.first_word = None  # the word of the first block that shows an article
        self.first_reading = None  # the analysis text of that block (None: a whole-word hit)
        self.problem = None  # why the query gave no usable output (crash, time-out, error)

    @property
    def query(self):
        return QUERY_SIGN[self.language] + self.form

    @property
    def avoided(self):
        """The word a wrong form must not read as ("!WORD" in the base column), or None."""
        return self.base[1:] if self.base.startswith(AVOID) else None

    @property
    def read_as_avoided(self):
        return self.problem is None and self.avoided in self.headwords

    @property
    def non_word(self):
        return self.base == NON_WORD

    @property
    def found(self):
        return self.problem is None and self.base in self.headwords

    @property
    def top1(self):
        if self.problem or self.first_word != self.base:
            return False
        return self.reading is None or (self.first_reading is not None
                                        and self.reading in self.first_reading)

    @property
    def analysed(self):
        """A non-word's output shows an analysis (counted as a false analysis)."""
        return self.problem is None and bool(self.headwords or self.analyses)

    @property
    def matching(self):
        right = (self.base,) + self.also
        return 0 if self.problem else sum(1 for h in self.headwords if h in right)

    @property
    def matching_base(self):
        return 0 if self.problem else sum(1 for h in self.headwords if h == self.base)

    @property
    def shown(self):
        return 0 if self.problem else len(self.headwords)


def read_forms(path):
    forms = []
    warnings = []
    with open(path, encoding="utf-8") as f:
        for number, raw in enumerate(f, 1):
            line = raw.rstrip("\r\n")
            if not line.strip() or line.lstrip().startswith("#"):
                continue
            cols = line.split("\t")
            if len(cols) not in (4, 5, 6) or not all(c.strip() for c in cols[:4] + cols[5:]):
                warnings.append(f"{path}:{number}: expected 4 to 6 tab-separated columns, skipped")
                continue
            language, category, form, base = (c.strip() for c in cols[:4])
            reading = cols[4].strip() or None if len(cols) >= 5 else None
            also = cols[5].split() if len(cols) == 6 else []
            if language not in LANGUAGES:
                warnings.append(f"{path}:{number}: unknown language {language!r}, skipped")
                continue
            if base == NON_WORD and reading is not None:
                warnings.append(f"{path}:{number}: a non-word has no reading, skipped")
                continue
            forms.append(Form(language, category, form, base, reading, number, also))
    return forms, warnings


def program_command(program, data):
    cmd = [program]
    if data:
        cmd += ["--data", data]
    return cmd


def preflight(program, data, timeout):
    """None when the program starts with the data folder, else the reason it does not."""
    if not os.path.isfile(program):
        return f"{program}: no such program (build it with `make build`)"
    if not os.access(program, os.X_OK):
        return f"{program}: not executable"
    try:
        # Without queries the program reads queries from standard input: an empty input only
        # starts the session (loads the data folder) and ends.
        p = subprocess.run(program_command(program, data), stdin=subprocess.DEVNULL,
                           capture_output=True, timeout=timeout)
    except subprocess.TimeoutExpired:
        return f"{program} did not start within {timeout:g} s"
    except OSError as e:
        return f"{program}: {e}"
    if p.returncode != 0:
        message = p.stderr.decode("utf-8", "replace").strip()
        return f"{program} cannot start (exit status {p.returncode}): {message}"
    return None


def read_output(form, output):
    blocks = [(None, [])]  # (analysis text or None, headwords), in output order
    for line in output.splitlines():
        if not line.strip() and blocks[-1][0] is not None:
            blocks.append((None, []))  # a blank line ends an analysis block
            continue
        m = ARTICLE_LINE.match(line)
        if m:
            form.headwords.append(m.group(1))
            blocks[-1][1].append(m.group(1))
            continue
        m = ANALYSIS_LINE.match(line)
        if m:
            form.analyses.append(m.group(1))
            blocks.append((m.group(1), []))
    for reading, words in blocks:
        if words:
            form.first_reading = reading
            form.first_word = words[-1] if reading is not None else words[0]
            break


def describe_exit(code):
    if code < 0:
        try:
            import signal
            return f"crashed ({signal.Signals(-code).name})"
        except (ValueError, AttributeError):
            return f"crashed (signal {-code})"
    return f"failed (exit status {code})"


def run_form(form, program, data, timeout):
    cmd = program_command(program, data) + ["--", form.query]
    try:
        p = subprocess.run(cmd, stdin=subprocess.DEVNULL, capture_output=True, timeout=timeout)
    except subprocess.TimeoutExpired:
        form.problem = f"timed out after {timeout:g} s"
        return form
    except OSError as e:
        form.problem = f"could not run: {e}"
        return form
    if p.returncode != 0:
        last = p.stderr.decode("utf-8", "replace").strip().splitlines()
        form.problem = describe_exit(p.returncode) + (f": {last[-1]}" if last else "")
        return form
    read_output(form, p.stdout.decode("utf-8", "replace"))
    return form


def percent(part, whole):
    return f"{100.0 * part / whole:5.1f}%" if whole else "  n/a"


def share(part, whole):
    return f"{percent(part, whole)} {f'({part}/{whole})':>11}"


def figures(forms):
    n = len(forms)
    found = sum(1 for f in forms if f.found)
    top = sum(1 for f in forms if f.top1)
    shown = sum(f.shown for f in forms)
    matching = sum(f.matching for f in forms)
    problems = sum(1 for f in forms if f.problem)
    precision = share(matching, shown) if shown else f"{'n/a':>6} {'(0 shown)':>11}"
    extra = f"  {problems} failed" if problems else ""
    return n, share(found, n), precision, share(top, n), extra


def by_category(forms):
    categories = OrderedDict()
    for f in forms:
        categories.setdefault(f.category, []).append(f)
    return categories


def print_report(forms, out):
    words = [f for f in forms if not f.non_word]
    non_words = [f for f in forms if f.non_word]
    width = max([len("category"), len("all Finnish non-words")] + [len(f.category) for f in forms])
    head = (f"{'category':<{width}}  {'forms':>5}  {'recall':>18}  {'precision':>18}"
            f"  {'top-1':>18}")
    rule = "-" * len(head)

    def row(name, group):
        n, recall, precision, top, extra = figures(group)
        print(f"{name:<{width}}  {n:>5}  {recall:>18}  {precision:>18}  {top:>18}{extra}",
              file=out)

    print("Analysis report: base words found by the analysis", file=out)
    print("recall: forms whose output shows an article of the base word; "
          "precision: articles shown whose headword is the base word or another right reading;",
          file=out)
    print("top-1: forms whose first reading shown is of the base word (the head of a compound) "
          "and names the expected reading, where one is given", file=out)
    if words:
        print(file=out)
        print(head, file=out)
        print_by_language(words, row, rule, "", out)
        print(rule, file=out)
        row("all", words)
        print_base_precision(words, out)
    if non_words:
        print_non_words(non_words, width, out)


def print_base_precision(words, out):
    """Precision counting the base word alone, per language."""
    parts = []
    for language in LANGUAGES:
        group = [f for f in words if f.language == language]
        shown = sum(f.shown for f in group)
        if shown:
            base = sum(f.matching_base for f in group)
            parts.append(f"{LANGUAGE_NAME[language]} {percent(base, shown).strip()} ({base}/{shown})")
    if parts:
        print("precision counting the base word alone: " + ", ".join(parts), file=out)


def print_non_words(non_words, width, out):
    head = f"{'category':<{width}}  {'forms':>5}  {'false analyses':>18}"
    rule = "-" * len(head)

    def row(name, group):
        wrong = sum(1 for f in group if f.analysed)
        problems = sum(1 for f in group if f.problem)
        extra = f"  {problems} failed" if problems else ""
        print(f"{name:<{width}}  {len(group):>5}  {share(wrong, len(group)):>18}{extra}",
              file=out)

    print(file=out)
    print("Non-words: forms that are no word of the language; false analyses: those whose "
          "output shows an analysis or an article", file=out)
    print(file=out)
    print(head, file=out)
    print_by_language(non_words, row, rule, " non-words", out)


def print_by_language(forms, row, rule, total_suffix, out):
    """Per language: a row per category between rules, then the language's total row."""
    for language in LANGUAGES:
        group = [f for f in forms if f.language == language]
        if not group:
            continue
        print(rule, file=out)
        for name, members in by_category(group).items():
            row(name, members)
        print(rule, file=out)
        row(f"all {LANGUAGE_NAME[language]}{total_suffix}", group)


def print_wrong_forms(wrong, out):
    """Wrong forms per category: how many read as the word they must not read as."""
    if not wrong:
        return
    print(file=out)
    print("Wrong forms that must not read as their word (lower is better):", file=out)
    categories = OrderedDict()
    for f in wrong:
        categories.setdefault((f.language, f.category), []).append(f)
    for (language, name), members in categories.items():
        read = [f for f in members if f.read_as_avoided]
        print(f"  {name:<24} {len(members):>5} forms  read as the word: "
              f"{percent(len(read), len(members))} ({len(read)}/{len(members)})", file=out)
        for f in read:
            print(f"    {f.query:<24} shows {f.avoided}", file=out)


def print_problems(forms, out):
    problems = [f for f in forms if f.problem]
    if not problems:
        return
    print(file=out)
    print(f"Queries that crashed, failed or timed out ({len(problems)}; counted as misses):",
          file=out)
    for f in problems:
        print(f"  {f.category:<20} {f.query:<24} {f.problem}", file=out)


def print_failures(forms, out):
    misses = [f for f in forms if not f.non_word and not f.top1]
    print(file=out)
    print(f"Forms whose first reading is not of the base word or does not name the expected "
          f"reading ({len(misses)}; * = the base word's article is not shown at all):", file=out)
    current = None
    for f in misses:
        if f.category != current:
            current = f.category
            print(f"  {current}", file=out)
        if f.problem:
            shown = f.problem
        elif f.headwords:
            shown = "shown: " + " ".join(OrderedDict.fromkeys(f.headwords))
            first = f.first_reading if f.first_reading is not None else "a whole-word hit"
            shown += f"; first: {f.first_word}, {first}"
            if f.reading is not None:
                shown += f"; wanted {f.reading!r}"
        else:
            shown = "no articles shown"
        mark = " " if f.found else "*"
        print(f"   {mark}{f.query:<24} base {f.base:<18} {shown}", file=out)
    wrong = [f for f in forms if f.non_word and f.analysed]
    if wrong:
        print(file=out)
        print(f"Non-words with an analysis ({len(wrong)}):", file=out)
        for f in wrong:
            shown = " ".join(OrderedDict.fromkeys(f.headwords)) or (f.analyses[0] if f.analyses else "")
            print(f"    {f.query:<24} shown: {shown}", file=out)


def main(argv):
    ap = argparse.ArgumentParser(
        description="Recall, precision and top-1 of the analysis on the list of inflected forms.")
    ap.add_argument("program", nargs="?", default=DEFAULT_PROGRAM,
                    help="velimora-query (default: build/apps/velimora-query/velimora-query)")
    ap.add_argument("--data", metavar="DIR",
                    help="the data folder (default: the program's own default)")
    ap.add_argument("--forms", metavar="FILE", default=DEFAULT_FORMS,
                    help="the forms list (default: tests/data/analysis-forms.tsv)")
    ap.add_argument("--failures", action="store_true",
                    help="also list the forms that fail top-1 (marking those that fail recall) "
                         "and the non-words that get an analysis")
    ap.add_argument("--timeout", type=float, default=10.0, metavar="SECONDS",
                    help="time limit of one query process (default: 10)")
    ap.add_argument("--jobs", type=int, default=os.cpu_count() or 1, metavar="N",
                    help="query processes run at the same time (default: the number of CPUs)")
    ap.add_argument("--language", choices=LANGUAGES, help="only the forms of this language")
    ap.add_argument("--category", action="append", metavar="NAME",
                    help="only this category (repeatable; a name ending in * is a prefix)")
    args = ap.parse_args(argv)

    try:
        forms, warnings = read_forms(args.forms)
    except (OSError, UnicodeDecodeError) as e:
        print(f"analysis_report: cannot read {args.forms}: {e}", file=sys.stderr)
        return 2
    for w in warnings:
        print(f"analysis_report: {w}", file=sys.stderr)
    if args.language:
        forms = [f for f in forms if f.language == args.language]
    if args.category:
        def wanted(category):
            return any(category.startswith(c[:-1]) if c.endswith("*") else category == c
                       for c in args.category)
        forms = [f for f in forms if wanted(f.category)]
    if not forms:
        print("analysis_report: no forms to run", file=sys.stderr)
        return 2

    program = os.path.abspath(args.program)
    problem = preflight(program, args.data, max(args.timeout, 30.0))
    if problem:
        print(f"analysis_report: {problem}", file=sys.stderr)
        return 2

    with concurrent.futures.ThreadPoolExecutor(max_workers=max(1, args.jobs)) as pool:
        list(pool.map(lambda f: run_form(f, program, args.data, args.timeout), forms))

    out = sys.stdout
    if hasattr(out, "reconfigure"):
        out.reconfigure(errors="replace")
    wrong = [f for f in forms if f.avoided is not None]
    forms = [f for f in forms if f.avoided is None]
    print_report(forms, out)
    print_wrong_forms(wrong, out)
    print_problems(forms, out)
    if args.failures:
        print_failures(forms, out)
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main(sys.argv[1:]))
    except KeyboardInterrupt:
        sys.exit(130)
    except BrokenPipeError:  # the output was cut short (e.g. piped into head)
        os.dup2(os.open(os.devnull, os.O_WRONLY), sys.stdout.fileno())
        sys.exit(0)
