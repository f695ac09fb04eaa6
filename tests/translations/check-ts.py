#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Checks one translation file against the program's sources.

    check-ts.py [--in-progress] LUPDATE SOURCE_DIR TS_FILE LUPDATE_ARGUMENT...

lupdate reads the sources (LUPDATE_ARGUMENTS: its options and the source
folders, from SOURCE_DIR) into a copy of TS_FILE. The check fails, naming
each message, on
- a text of the sources the file lacks (run update_translations),
- a message the sources no longer have (vanished or obsolete),
- a message left untranslated or unfinished,
- a translation that loses or adds a placeholder (%1, %2, ...), an
  accelerator (&), or the space a text begins or ends with,
- a file whose language is not the one its name gives.
--in-progress lets untranslated and unfinished messages pass, for a
language its translators are still at work on; it fails once none is left,
so that the language comes off that list.
"""
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


def main(argv):
    in_progress = argv[:1] == ['--in-progress']
    if in_progress:
        argv = argv[1:]
    if len(argv) < 4:
        sys.exit(__doc__)
    lupdate, source_dir, ts_file, arguments = argv[0], argv[1], Path(argv[2]), argv[3:]
    code = ts_file.stem.split('_', 1)[1]
    problems = []

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
