#!/usr/bin/env python3
"""Writes the pseudo-language catalogue from the template: every message in [[brackets]].

Usage: pseudo.py TEMPLATE.pot OUTPUT.po. The tests play in it to show that no word the game
says, shows or prints escapes the catalogues: any text outside the brackets came from elsewhere.
"""
import re
import sys

HEADER = '''msgid ""
msgstr ""
"Project-Id-Version: yacht\\n"
"PO-Revision-Date: 2026-01-01 00:00+0000\\n"
"Last-Translator: the tests\\n"
"Language-Team: none\\n"
"MIME-Version: 1.0\\n"
"Content-Type: text/plain; charset=UTF-8\\n"
"Content-Transfer-Encoding: 8bit\\n"
"Language: pseudo\\n"
"Plural-Forms: nplurals=2; plural=(n != 1);\\n"
'''


def entries(lines):
    """Yields each message as a dict of its keywords and their escaped (still quoted) texts."""
    entry, key = {}, None
    for line in lines + ['']:
        line = line.rstrip('\n')
        match = re.match(r'^(msgctxt|msgid_plural|msgid|msgstr(?:\[\d+\])?) "(.*)"$', line)
        if match:
            key = match.group(1)
            entry[key] = match.group(2)
        elif line.startswith('"') and key:
            entry[key] += line[1:-1]
        elif not line.strip():
            if entry.get('msgid'):
                yield entry
            entry, key = {}, None


def bracketed(escaped):
    """The message in brackets; a line end at either end stays outside them, as msgfmt wants."""
    head = '\\n' if escaped.startswith('\\n') else ''
    tail = '\\n' if escaped.endswith('\\n') and len(escaped) > len(head) else ''
    body = escaped[len(head):len(escaped) - len(tail)]
    return f'{head}[[{body}]]{tail}'


def main():
    with open(sys.argv[1], encoding='utf-8') as f:
        lines = f.readlines()
    out = [HEADER]
    for e in entries(lines):
        if 'msgctxt' in e:
            out.append(f'msgctxt "{e["msgctxt"]}"')
        out.append(f'msgid "{e["msgid"]}"')
        if 'msgid_plural' in e:
            out.append(f'msgid_plural "{e["msgid_plural"]}"')
            out.append(f'msgstr[0] "{bracketed(e["msgid"])}"')
            out.append(f'msgstr[1] "{bracketed(e["msgid_plural"])}"')
        else:
            out.append(f'msgstr "{bracketed(e["msgid"])}"')
        out.append('')
    with open(sys.argv[2], 'w', encoding='utf-8') as f:
        f.write('\n'.join(out))


main()
