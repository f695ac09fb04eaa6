#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Checks one translation file against the program's sources.

    check-ts.py [--in-progress] [--desktop FILE --metainfo FILE]
                LUPDATE SOURCE_DIR TS_FILE LUPDATE_ARGUMENT...

lupdate reads the sources (LUPDATE_ARGUMENTS: its options and the source
folders, from SOURCE_DIR) into a copy of TS_FILE. The check fails, naming
each message, on
- a text of the sources the file lacks (run update_translations),
- a message the sources no longer have (vanished or obsolete),
- a message left untranslated or unfinished,
- a translation that loses or adds a placeholder (%1, %2, ...), an
  accelerator (&), or the space a text begins or ends with,
- a file whose language is not the one its name gives,
- a desktop file without the language's GenericName, Comment and Keywords,
  or an AppStream file without its summary, or with fewer translated
  paragraphs, list items or screenshot captions than English ones.
--in-progress lets untranslated and unfinished messages pass, for a
language its translators are still at work on, and leaves the desktop and
AppStream files alone; it fails once no message is left untranslated, so
that the language comes off that list.
"""
import argparse
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path


def messages(path):
    """{(context, source, comment): (translation, type)} and the file's language."""
    root = ET.parse(path).getroot()
    found = {}
    for context in root.iter('context'):
        name = context.findtext('name')
        for message in context.iter('message'):
            translation = message.find('translation')
            key = (name, message.findtext('source') or '', message.findtext('comment') or '')
            found[key] = (translation.text or '' if translation is not None else '',
                          translation.get('type', '') if translation is not None else '')
    return found, root.get('language', '')


def placeholders(text):
    return sorted(set(re.findall(r'%\d+', text)))


def accelerators(text):
    return len(re.findall(r'&(?!&)(?<!&&)\S', text.replace('&&', '')))


def name(key):
    context, source, comment = key
    short = source if len(source) <= 70 else source[:67] + '...'
    return f'[{context}] "{short}"' + (f' ({comment})' if comment else '')


XML_LANG = '{http://www.w3.org/XML/1998/namespace}lang'


def packaging(code, desktop, metainfo):
    """What the desktop and AppStream files lack of the language."""
    problems = []
    lines = Path(desktop).read_text(encoding='utf-8').splitlines()
    for key in ('GenericName', 'Comment', 'Keywords'):
        if not any(line.startswith(f'{key}[{code}]=') for line in lines):
            problems.append(f'{Path(desktop).name} has no {key}[{code}]')
    component = ET.parse(metainfo).getroot()
    name = Path(metainfo).name
    if not any(summary.get(XML_LANG) == code for summary in component.findall('summary')):
        problems.append(f'{name} has no summary in {code}')
    for what, elements in (('paragraphs', component.findall('description//p')),
                           ('list items', component.findall('description//li')),
                           ('screenshot captions', component.findall('screenshots/screenshot/caption'))):
        english = sum(1 for element in elements if element.get(XML_LANG) is None)
        translated = sum(1 for element in elements if element.get(XML_LANG) == code)
        if translated != english:
            problems.append(f'{name} has {english} {what} in English, {translated} in {code}')
    return problems


def main(argv):
    parser = argparse.ArgumentParser(usage=__doc__)
    parser.add_argument('--in-progress', action='store_true')
    parser.add_argument('--desktop')
    parser.add_argument('--metainfo')
    parser.add_argument('lupdate')
    parser.add_argument('source_dir')
    parser.add_argument('ts_file', type=Path)
    parser.add_argument('arguments', nargs=argparse.REMAINDER)
    options = parser.parse_args(argv)
    in_progress, ts_file = options.in_progress, options.ts_file
    lupdate, source_dir, arguments = options.lupdate, options.source_dir, options.arguments
    code = ts_file.stem.split('_', 1)[1]
    problems = []
    if not in_progress and options.desktop and options.metainfo:
        problems += packaging(code, options.desktop, options.metainfo)

    committed, language = messages(ts_file)
    if language.split('_')[0] != code.split('_')[0] or ('_' in code and language != code):
        problems.append(f'the file says language="{language}", its name says {code}')

    with tempfile.TemporaryDirectory() as work:
        copy = Path(work) / ts_file.name
        shutil.copyfile(ts_file, copy)
        run = subprocess.run([lupdate, '-silent', *arguments, '-ts', str(copy)], cwd=source_dir,
                             capture_output=True, text=True)
        if run.returncode != 0:
            sys.exit(f'lupdate failed ({run.returncode}): {run.stderr}')
        updated, _ = messages(copy)

    for key in updated.keys() - committed.keys():
        problems.append(f'not in the file (run the update_translations target): {name(key)}')
    for key, (_, kind) in updated.items():
        if kind in ('vanished', 'obsolete'):
            problems.append(f'no longer in the sources: {name(key)}')

    untranslated = 0
    for key, (translation, kind) in committed.items():
        if kind in ('vanished', 'obsolete'):
            continue
        source = key[1]
        if not translation or kind == 'unfinished':
            untranslated += 1
            if not in_progress:
                problems.append(f'{"unfinished" if translation else "untranslated"}: {name(key)}')
            if not translation:
                continue
        if placeholders(source) != placeholders(translation):
            problems.append(f'placeholders {placeholders(source)} became {placeholders(translation)}: {name(key)}')
        if accelerators(source) != accelerators(translation):
            problems.append(f'{accelerators(source)} accelerator(s) became {accelerators(translation)}: {name(key)}')
        for end, test in (('begins', str.startswith), ('ends', str.endswith)):
            if test(source, ' ') != test(translation, ' '):
                problems.append(f'only one of source and translation {end} with a space: {name(key)}')

    if in_progress and untranslated == 0 and committed:
        problems.append(f'{code} is complete: take it off CORVANE_TRANSLATIONS_IN_PROGRESS')
    for problem in problems:
        print(f'{ts_file.name}: {problem}')
    total = sum(1 for _, kind in committed.values() if kind not in ('vanished', 'obsolete'))
    print(f'{ts_file.name}: {total} messages, {total - untranslated} translated, {len(problems)} problem(s)')
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
