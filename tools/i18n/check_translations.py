#!/usr/bin/env python3
"""Checks the translations under i18n/ against the program's marked texts.

For every shipped language (i18n/tirovane_XX.ts) it fails when:
- a source text marked in the program is missing from the .ts file (lupdate
  is run over the sources into a scratch file to find them all);
- an entry is unfinished or empty;
- a translation drops or adds a placeholder (%1 .. %9, and the count %n of
  each form of a counted text), an accelerator "&",
  a literal "&&", a line break or markup;
- a translation is not in Unicode NFC, has blanks at its ends that the
  source has not, or writes digits other than 0-9;
- a name of the language's glossary (i18n/glossary-XX.tsv) is translated
  otherwise than the glossary says;
- a translation writes a letter of another script than its language's, a
  Latin word that is not an allowed name, abbreviation or file pattern, or
  is the English source itself;
- a translation has a double blank or a blank before a punctuation mark
  where the source has none.

Usage: check_translations.py --lupdate PATH --root SOURCE_ROOT
       check_translations.py --self-test
"""

import argparse
import csv
import re
import subprocess
import sys
import tempfile
import unicodedata
import xml.etree.ElementTree as ET
from pathlib import Path

# The folders and files whose texts are marked for translation.
MARKED = ["ui", "output", "texts", "reading", "places", "files", "engine/tables.cpp",
          "matching"]

PLACEHOLDER = re.compile(r"%[1-9]")
MARKUP = re.compile(r"<[^>]+>")
# Digits of other scripts (the program writes Western digits everywhere).
OTHER_DIGITS = re.compile(r"[\u0966-\u096F\u09E6-\u09EF\u0BE6-\u0BEF\u0C66-\u0C6F"
                          r"\u0CE6-\u0CEF\u0D66-\u0D6F]")


# The script of each shipped language: its letters and marks must come
# from this block (the danda, the joiners and punctuation are shared).
SCRIPTS = {
    "hi": (0x0900, 0x097F), "mr": (0x0900, 0x097F), "bn": (0x0980, 0x09FF),
    "ta": (0x0B80, 0x0BFF), "te": (0x0C00, 0x0C7F), "kn": (0x0C80, 0x0CFF),
    "ml": (0x0D00, 0x0D7F),
}
SHARED_MARKS = {0x0964, 0x0965}  # the danda and double danda
# Latin words a translation keeps: the program's and the sources' names.
LATIN_NAMES = {"Tirovane", "GeoNames", "geonames.org", "GNU", "Affero", "General", "Public",
               "License", "Id"}
ACCELERATOR = re.compile(r" ?\(&[A-Za-z0-9]\)")
FILE_PATTERN = re.compile(r"\*\.[A-Za-z0-9]+")
LATIN_WORD = re.compile(r"[A-Za-z][A-Za-z0-9.]*[A-Za-z0-9]|[A-Za-z]")
PUNCTUATION_BLANK = re.compile(r" [,.:;?!\u0964]")


def plain(text):
    """A text without its placeholders, markup, accelerator and file patterns:
    the words a reader reads."""
    text = ACCELERATOR.sub("", text)
    text = MARKUP.sub(" ", text)
    text = FILE_PATTERN.sub(" ", text)
    text = re.sub(r"%[1-9n]", " ", text)
    return text.replace("&&", " ").replace("&", "")


def english_words(text):
    """The Latin words of a text that are neither allowed names nor
    abbreviations in capitals (IST, PDF, CC, BY)."""
    return [w for w in LATIN_WORD.findall(plain(text))
            if w not in LATIN_NAMES and not (w.upper() == w and len(w) > 1)]


def script_problems(where, language, source, translation):
    found = []
    block = SCRIPTS.get(language)
    if block is not None:
        foreign = sorted({ch for ch in translation
                          if ord(ch) > 0x7F and unicodedata.category(ch)[0] in "LMN"
                          and not block[0] <= ord(ch) <= block[1]
                          and ord(ch) not in SHARED_MARKS})
        if foreign:
            found.append(f"{where}: \"{translation}\" writes letters of another script: "
                         + " ".join(f"U+{ord(ch):04X}" for ch in foreign))
    words = english_words(translation)
    if words:
        found.append(f"{where}: \"{translation}\" leaves English: {' '.join(words)}")
    elif translation == source and english_words(source):
        found.append(f"{where}: \"{translation}\" is the English source")
    if "  " in translation and "  " not in source:
        found.append(f"{where}: \"{translation}\" has a double blank")
    if PUNCTUATION_BLANK.search(translation) and not PUNCTUATION_BLANK.search(source):
        found.append(f"{where}: \"{translation}\" has a blank before a punctuation mark")
    return found


def entries(ts_path):
    """(context, source, translation, finished) of every message of a .ts."""
    root = ET.parse(ts_path).getroot()
    for context in root.findall("context"):
        name = context.findtext("name")
        for message in context.findall("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            finished = translation is not None and translation.get("type") not in (
                "unfinished", "obsolete", "vanished")
            if message.get("numerus") == "yes":
                # A counted text: each of the language's forms is checked.
                forms = [] if translation is None else translation.findall("numerusform")
                for form in forms or [None]:
                    yield name, source, (form.text or "") if form is not None else "", finished
                continue
            text = translation.text if translation is not None and translation.text else ""
            yield name, source, text, finished


def accelerators(text):
    """Whether a caption has an accelerator ("&F"), and its literal "&&"s."""
    pairs = text.count("&&")
    single = len(re.findall(r"&(?!&)", text.replace("&&", "")))
    return single > 0, pairs


def problems_of(context, source, translation, finished, glossary, language="hi"):
    where = f"{context}: \"{source[:60]}\""
    if not finished or not translation:
        return [f"{where} is not translated"]
    found = []
    if sorted(PLACEHOLDER.findall(source)) != sorted(PLACEHOLDER.findall(translation)):
        found.append(f"{where}: the placeholders differ in \"{translation}\"")
    if ("%n" in source) != ("%n" in translation):
        found.append(f"{where}: the count %n differs in \"{translation}\"")
    if accelerators(source) != accelerators(translation):
        found.append(f"{where}: the accelerators differ in \"{translation}\"")
    for mark in ("\n", "\r"):
        if source.count(mark) != translation.count(mark):
            found.append(f"{where}: the line breaks differ")
    if sorted(MARKUP.findall(source)) != sorted(MARKUP.findall(translation)):
        found.append(f"{where}: the markup differs in \"{translation}\"")
    if unicodedata.normalize("NFC", translation) != translation:
        found.append(f"{where}: \"{translation}\" is not in NFC")
    lead = len(source) - len(source.lstrip(" "))
    trail = len(source) - len(source.rstrip(" "))
    if (len(translation) - len(translation.lstrip(" ")) != lead or
            len(translation) - len(translation.rstrip(" ")) != trail):
        found.append(f"{where}: the blanks at the ends differ in \"{translation}\"")
    if OTHER_DIGITS.search(translation):
        found.append(f"{where}: \"{translation}\" writes digits other than 0-9")
    wanted = glossary.get(source)
    if wanted is not None and translation != wanted:
        found.append(f"{where}: the glossary says \"{wanted}\", not \"{translation}\"")
    return found + script_problems(where, language, source, translation)


def load_glossary(path, language):
    """English term to translation; the glossary's own entries are checked
    like translations (NFC, script, no English left)."""
    glossary, problems = {}, []
    if not path.exists():
        return glossary, [f"{path.name} is missing"]
    with open(path, encoding="utf-8", newline="") as f:
        rows = list(csv.reader(f, delimiter="\t"))
    for line, row in enumerate(rows[1:], start=2):
        if len(row) < 2 or not row[0] or not row[1]:
            problems.append(f"{path.name}:{line}: a row needs the English and the translation")
            continue
        english, translation = row[0], row[1]
        glossary[english] = translation
        if unicodedata.normalize("NFC", translation) != translation:
            problems.append(f"{path.name}:{line}: \"{translation}\" is not in NFC")
        problems += [f"{path.name}:{line}: {p}" for p in
                     script_problems(english, language, english, translation)]
    return glossary, problems


def marked_texts(lupdate, root):
    """Every (context, source) the program marks, found by lupdate."""
    with tempfile.TemporaryDirectory() as scratch:
        ts = Path(scratch) / "all.ts"
        subprocess.run([lupdate, "-silent", "-locations", "none",
                        *[str(root / p) for p in MARKED], "-ts", str(ts)], check=True)
        return {(c, s) for c, s, _, _ in entries(ts)}


def check(lupdate, root):
    problems = []
    wanted = marked_texts(lupdate, root)
    files = sorted((root / "i18n").glob("tirovane_*.ts"))
    if not files:
        problems.append("no translation in i18n/")
    for ts in files:
        language = ts.stem.split("_", 1)[1]
        glossary, glossary_problems = load_glossary(root / "i18n" / f"glossary-{language}.tsv",
                                                    language)
        problems += glossary_problems
        have = {}
        for context, source, translation, finished in entries(ts):
            have[(context, source)] = translation
            problems += [f"{ts.name}: {p}" for p in
                         problems_of(context, source, translation, finished, glossary, language)]
        for context, source in sorted(wanted - have.keys()):
            problems.append(f"{ts.name}: {context}: \"{source[:60]}\" is missing")
    return problems


def self_test():
    """The checker finds each kind of fault it is there for."""
    glossary = {"Aries": "मेष"}
    cases = [
        ("placeholder dropped", "Name: %1", "नाम:"),
        ("placeholder added", "Name", "नाम %1"),
        ("accelerator dropped", "&File", "फ़ाइल"),
        ("literal ampersand lost", "Effects && Remedies", "प्रभाव & उपाय"),
        ("line break dropped", "a\r\nb", "क ख"),
        ("markup dropped", "<b>Total</b>", "कुल"),
        ("not NFC", "Name", "\u0995\u09C7\u09BE"),  # Bengali O sign in two parts
        ("trailing blank lost", "Chant regularly. ", "नियमित जाप करें।"),
        ("Devanagari digits", "Page %1", "पृष्ठ %1 \u0967"),
        ("glossary not followed", "Aries", "मेषा"),
        ("unfinished", "Name", ""),
        ("count dropped", "%n year(s)", "वर्ष"),
        ("English word left", "Save the chart", "chart सहेजें"),
        ("the English source itself", "Next", "Next"),
        ("Bengali letters in Hindi", "Name", "নাম"),
        ("Tamil letter in a Devanagari word", "Name", "नாम"),
        ("double blank", "Date of Birth", "जन्म  तिथि"),
        ("blank before a colon", "Name:", "नाम :"),
    ]
    failed = []
    for what, source, translation in cases:
        if not problems_of("Test", source, translation, bool(translation), glossary, "hi"):
            failed.append(what)
    # The same Bengali word is right in Bengali and wrong in Tamil.
    if problems_of("Test", "Name", "নাম", True, {}, "bn"):
        failed.append("Bengali refused in Bengali")
    if not problems_of("Test", "Name", "নাম", True, {}, "ta"):
        failed.append("Bengali letters in Tamil")
    good = [("&File", "फ़ाइल (&F)"), ("Name: %1", "नाम: %1"), ("Aries", "मेष"),
            ("Effects && Remedies", "प्रभाव && उपाय"), ("1) Chant. ", "1) जाप करें। "),
            ("%n year(s)", "%n वर्ष"), ("%1 %2", "%1 %2"),
            ("Export as PDF", "PDF के रूप में निर्यात करें"),
            ("People (*.csv *.tvr)", "लोग (*.csv *.tvr)"),
            ("Tirovane is free software", "Tirovane मुक्त सॉफ़्टवेयर है")]
    for source, translation in good:
        found = problems_of("Test", source, translation, True, glossary, "hi")
        if found:
            failed.append(f"a good translation was refused: {found}")
    if failed:
        print("the checker misses: " + "; ".join(failed))
        return 1
    print("1 passed, 0 failed")
    return 0


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--lupdate")
    parser.add_argument("--root", type=Path)
    parser.add_argument("--self-test", action="store_true")
    args = parser.parse_args()
    if args.self_test:
        return self_test()
    problems = check(args.lupdate, args.root)
    for problem in problems:
        print(problem)
    print(f"{0 if problems else 1} passed, {1 if problems else 0} failed")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
