#!/usr/bin/env python3
"""The translation catalogues: complete, current and well formed.

Usage: po_check.py SOURCE_DIR WORK_DIR

- po/halvex.pot holds exactly the texts marked in the sources today;
- every catalogue holds every one of them, translated and not fuzzy, and
  passes msgfmt --check (format strings, header, plural forms);
- a translation keeps its text's placeholders (%1 to %9), its one mnemonic
  ('&') and its leading and trailing blanks and line ends.
"""
import os
import re
import subprocess
import sys

SOURCE, WORK = sys.argv[1], sys.argv[2]
sys.path.insert(0, os.path.join(SOURCE, 'scripts'))
from po_to_cpp import unquote  # noqa: E402

LANGUAGES = ['de', 'fr', 'zh_CN', 'ja']
failures = []


def entries(path):
    """Every entry of a .po or .pot file: key -> (msgid, [msgstr forms], fuzzy)."""
    found = {}
    with open(path, encoding='utf-8') as f:
        for block in f.read().split('\n\n'):
            entry, field, fuzzy = {}, None, False
            for line in block.splitlines():
                line = line.strip()
                if line.startswith('#,'):
                    fuzzy = fuzzy or 'fuzzy' in line
                elif line.startswith('#'):
                    continue
                elif line.startswith('"'):
                    entry[field] += unquote(line)
                elif line:
                    field, _, value = line.partition(' ')
                    entry[field] = unquote(value)
            if entry.get('msgid'):
                key = entry['msgid'] if 'msgctxt' not in entry else entry['msgctxt'] + '\x04' + entry['msgid']
                forms = [entry[k] for k in sorted(entry) if k.startswith('msgstr')]
                found[key] = (entry['msgid'], forms, fuzzy)
    return found


def mnemonics(text):
    return len(re.findall(r'&(?!&)', text.replace('&&', '')))


def edges(text):
    return (re.match(r'\s*', text).group(), re.search(r'\s*$', text).group())


def check_pot():
    os.makedirs(WORK, exist_ok=True)
    fresh = os.path.join(WORK, 'halvex.pot')
    subprocess.run(['bash', os.path.join(SOURCE, 'scripts', 'update-po'), '--pot', fresh], check=True, cwd=SOURCE,
                   stderr=subprocess.DEVNULL)
    kept = entries(os.path.join(SOURCE, 'po', 'halvex.pot'))
    made = entries(fresh)
    for key in sorted(made.keys() - kept.keys()):
        failures.append('po/halvex.pot lacks %r (run scripts/update-po)' % key)
    for key in sorted(kept.keys() - made.keys()):
        failures.append('po/halvex.pot still has %r, no longer in the sources (run scripts/update-po)' % key)
    return made


def check_catalogue(language, texts):
    path = os.path.join(SOURCE, 'po', language + '.po')
    result = subprocess.run(['msgfmt', '--check', '-o', os.devnull, path], capture_output=True, text=True)
    if result.returncode != 0:
        failures.append('%s: msgfmt --check: %s' % (path, result.stderr.strip()))
    catalogue = entries(path)
    for key in texts:
        if key not in catalogue:
            failures.append('%s: no entry for %r' % (language, key))
            continue
        msgid, forms, fuzzy = catalogue[key]
        if fuzzy or not forms or not all(forms):
            failures.append('%s: not translated: %r' % (language, key))
            continue
        for form in forms:
            if sorted(re.findall(r'%[1-9]', form)) != sorted(re.findall(r'%[1-9]', msgid)):
                failures.append('%s: placeholders of %r differ in %r' % (language, msgid, form))
            if mnemonics(msgid) != mnemonics(form):
                failures.append('%s: mnemonic of %r lost in %r' % (language, msgid, form))
            if edges(msgid) != edges(form):
                failures.append('%s: leading or trailing blanks of %r differ in %r' % (language, msgid, form))


def main():
    texts = check_pot()
    for language in LANGUAGES:
        check_catalogue(language, texts)
    for failure in failures:
        print(failure)
    print('%d texts, %d languages, %d problems' % (len(texts), len(LANGUAGES), len(failures)))
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
