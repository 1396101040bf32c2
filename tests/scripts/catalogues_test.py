#!/usr/bin/env python3
"""Every catalogue in po/LINGUAS against the template the build made: no message missing,
untranslated or fuzzy, none left over from an older template, and the placeholders of every
translation matching its English (msgfmt --check). Usage: catalogues_test.py SOURCE_DIR POT."""
import os
import subprocess
import sys
import tempfile


def run(*args):
    return subprocess.run(args, capture_output=True, text=True)


def messages(po_text):
    """The msgid lines of a catalogue's entries, the header left out, for the failure report."""
    return [line for line in po_text.splitlines() if line.startswith(('msgid ', 'msgctxt '))
            and line != 'msgid ""']


def check(source, pot, lang):
    po = os.path.join(source, 'po', lang + '.po')
    faults = []
    checked = run('msgfmt', '--check', '--statistics', '-o', os.devnull, po)
    if checked.returncode != 0:
        faults.append('msgfmt --check:\n' + checked.stderr)
    with tempfile.TemporaryDirectory() as scratch:
        merged = os.path.join(scratch, 'merged.po')
        made = run('msgmerge', '--quiet', '--no-fuzzy-matching', '--output-file', merged, po, pot)
        if made.returncode != 0:
            return faults + ['msgmerge:\n' + made.stderr]
        for what, option in (('untranslated', '--untranslated'), ('fuzzy', '--only-fuzzy'),
                             ('no longer in the template', '--only-obsolete')):
            found = run('msgattrib', option, '--no-wrap', merged)
            left = messages(found.stdout)
            if left:
                faults.append(f'{len(left)} {what}:\n  ' + '\n  '.join(left[:20]))
    return faults


def main():
    source, pot = sys.argv[1], sys.argv[2]
    with open(os.path.join(source, 'po', 'LINGUAS'), encoding='utf-8') as f:
        langs = [line.strip() for line in f if line.strip() and not line.startswith('#')]
    failed = False
    for lang in langs:
        faults = check(source, pot, lang)
        for fault in faults:
            print(f'po/{lang}.po: {fault}')
        failed = failed or bool(faults)
    print('catalogues:', ', '.join(langs), 'FAILED' if failed else 'complete')
    return 1 if failed else 0


sys.exit(main())
