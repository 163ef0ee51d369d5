#!/usr/bin/env python3
"""How well the morphological analysis finds base words: recall and precision per category.

Runs every form of tests/data/analysis-forms.tsv through velimora-query as an analysis query
(-FORM for Finnish, --FORM for Danish), one process per form with a time limit, reads the
headwords of the articles in the output and prints, per category, per language and overall:

  forms      the number of forms
  recall     the share of forms whose output shows an article of the form's base word
  precision  of all articles shown for the forms, the share whose headword is the form's base
             word ("n/a" when no article was shown)

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


AVOID = "!"  # the base column of a wrong form: "!WORD", must not read as WORD


class Form:
    def __init__(self, language, category, form, base, line_number):
        self.language = language
        self.category = category
        self.form = form
        self.base = base
        self.line_number = line_number
        self.headwords = []  # one per article line shown, in output order
        self.problem = None  # why the query gave no usable output (crash, time-out, error)

    @property
    def avoided(self):
        """The word a wrong form must not read as ("!WORD" in the base column), or None."""
        return self.base[1:] if self.base.startswith(AVOID) else None

    @property
    def read_as_avoided(self):
        return self.problem is None and self.avoided in self.headwords

    @property
    def query(self):
        return QUERY_SIGN[self.language] + self.form

    @property
    def found(self):
        return self.problem is None and self.base in self.headwords

    @property
    def matching(self):
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
            if len(cols) != 4 or not all(c.strip() for c in cols):
                warnings.append(f"{path}:{number}: expected 4 tab-separated columns, skipped")
                continue
            language, category, form, base = (c.strip() for c in cols)
            if language not in LANGUAGES:
                warnings.append(f"{path}:{number}: unknown language {language!r}, skipped")
                continue
            forms.append(Form(language, category, form, base, number))
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


def headwords_of(output):
    words = []
    for line in output.splitlines():
        m = ARTICLE_LINE.match(line)
        if m:
            words.append(m.group(1))
    return words


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
    form.headwords = headwords_of(p.stdout.decode("utf-8", "replace"))
    return form


def percent(part, whole):
    return f"{100.0 * part / whole:5.1f}%" if whole else "  n/a"


def figures(forms):
    n = len(forms)
    found = sum(1 for f in forms if f.found)
    shown = sum(f.shown for f in forms)
    matching = sum(f.matching for f in forms)
    problems = sum(1 for f in forms if f.problem)
    recall = f"{percent(found, n)} {f'({found}/{n})':>11}"
    if shown:
        precision = f"{percent(matching, shown)} {f'({matching}/{shown})':>11}"
    else:
        precision = f"{'n/a':>6} {'(0 shown)':>11}"
    extra = f"  {problems} failed" if problems else ""
    return n, recall, precision, extra


def print_report(forms, out):
    width = max([len("category")] + [len(f.category) for f in forms] + [len("all Finnish")])
    head = f"{'category':<{width}}  {'forms':>5}  {'recall':>18}  {'precision':>18}"
    rule = "-" * len(head)

    def row(name, group):
        n, recall, precision, extra = figures(group)
        print(f"{name:<{width}}  {n:>5}  {recall:>18}  {precision:>18}{extra}", file=out)

    print("Analysis report: base words found by the analysis", file=out)
    print("recall: forms whose output shows an article of the base word; "
          "precision: articles shown whose headword is the base word", file=out)
    print(file=out)
    print(head, file=out)
    for language in LANGUAGES:
        group = [f for f in forms if f.language == language]
        if not group:
            continue
        print(rule, file=out)
        categories = OrderedDict()
        for f in group:
            categories.setdefault(f.category, []).append(f)
        for name, members in categories.items():
            row(name, members)
        print(rule, file=out)
        row(f"all {LANGUAGE_NAME[language]}", group)
    print(rule, file=out)
    row("all", forms)


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
    misses = [f for f in forms if not f.found]
    print(file=out)
    print(f"Forms whose output shows no article of the base word ({len(misses)}):", file=out)
    current = None
    for f in misses:
        if f.category != current:
            current = f.category
            print(f"  {current}", file=out)
        if f.problem:
            shown = f.problem
        elif f.headwords:
            shown = "shown: " + " ".join(OrderedDict.fromkeys(f.headwords))
        else:
            shown = "no articles shown"
        print(f"    {f.query:<24} base {f.base:<18} {shown}", file=out)


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


def main(argv):
    ap = argparse.ArgumentParser(
        description="Recall and precision of the analysis on the list of inflected forms.")
    ap.add_argument("program", nargs="?", default=DEFAULT_PROGRAM,
                    help="velimora-query (default: build/apps/velimora-query/velimora-query)")
    ap.add_argument("--data", metavar="DIR",
                    help="the data folder (default: the program's own default)")
    ap.add_argument("--forms", metavar="FILE", default=DEFAULT_FORMS,
                    help="the forms list (default: tests/data/analysis-forms.tsv)")
    ap.add_argument("--failures", action="store_true",
                    help="also list the forms that fail recall, with the headwords shown")
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
