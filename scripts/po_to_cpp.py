#!/usr/bin/env python3
"""Compiles the translation catalogues po/LANG.po into one C++ source.

Usage: po_to_cpp.py OUTPUT.cpp LANG.po...

Each catalogue becomes a table of (key, translation) sorted by key, the key
being the English text after its context and "\\x04" when it has one; a
text about a count keeps its forms one after another, each ended by "\\0".
Fuzzy and untranslated entries are left out: the program then shows the
English text, and the catalogue tests report it.
"""
import os
import sys


def unquote(text):
    """The value of one C string literal as the .po file writes it."""
    assert text.startswith('"') and text.endswith('"'), text
    body = text[1:-1]
    out = []
    i = 0
    escapes = {'n': '\n', 't': '\t', '"': '"', '\\': '\\', 'r': '\r', 'a': '\a', 'b': '\b', 'f': '\f', 'v': '\v'}
    while i < len(body):
        c = body[i]
        if c == '\\':
            i += 1
            out.append(escapes.get(body[i], body[i]))
        else:
            out.append(c)
        i += 1
    return ''.join(out)


def read_po(path):
    """The translated entries of a .po file: (context, msgid, plural, [forms]).

    Entries are separated by blank lines, as the gettext tools write them.
    """
    entries = []
    with open(path, encoding='utf-8') as po:
        blocks = po.read().split('\n\n')
    for block in blocks:
        entry = {}
        field = None
        fuzzy = False
        for line in block.splitlines():
            line = line.strip()
            if line.startswith('#,'):
                fuzzy = fuzzy or 'fuzzy' in line
            elif line.startswith('#'):
                continue  # comments, and obsolete entries (#~)
            elif line.startswith('"'):
                entry[field] += unquote(line)
            elif line:
                keyword, _, value = line.partition(' ')
                if keyword.startswith('msgstr['):
                    keyword = 'msgstr%02d' % int(keyword[7:-1])
                elif keyword == 'msgstr':
                    keyword = 'msgstr00'
                field = keyword
                entry[field] = unquote(value)
        if fuzzy or not entry.get('msgid'):
            continue
        forms = [entry[k] for k in sorted(k for k in entry if k.startswith('msgstr'))]
        if forms and all(forms):
            entries.append((entry.get('msgctxt'), entry['msgid'], entry.get('msgid_plural'), forms))
    return entries


def literal(text):
    """A C++ string literal of the UTF-8 bytes, safe to follow by any text."""
    out = ['"']
    for byte in text.encode('utf-8'):
        c = chr(byte)
        if c == '"' or c == '\\':
            out.append('\\' + c)
        elif 32 <= byte < 127:
            out.append(c)
        else:
            out.append('\\%03o' % byte)
    out.append('"')
    return ''.join(out)


def main():
    output, sources = sys.argv[1], sys.argv[2:]
    lines = ['// Made by scripts/po_to_cpp.py from po/*.po; do not edit.',
             '#include <cstring>', '', '#include "lang/catalogue.h"', '', 'namespace lang {', 'namespace {', '']
    names = []
    for source in sources:
        code = os.path.splitext(os.path.basename(source))[0]
        table = []
        for context, msgid, plural, forms in read_po(source):
            key = msgid if context is None else context + '\x04' + msgid
            text = forms[0] if plural is None else ''.join(f + '\0' for f in forms)
            table.append((key.encode('utf-8'), key, text))
        table.sort()
        name = 'k' + code.replace('_', '')
        names.append((code, name, len(table)))
        lines.append('const CatalogueEntry %s[] = {' % name)
        for _, key, text in table:
            lines.append('    {%s, %s},' % (literal(key), literal(text)))
        if not table:
            lines.append('    {"", ""},')
        lines.append('};')
        lines.append('')
    lines.append('}  // namespace')
    lines.append('')
    lines.append('const Catalogue* FindCatalogue(const char* code) {')
    for code, name, count in names:
        lines.append('    static const Catalogue %sCatalogue{%s, %d};' % (name, name, count))
        lines.append('    if (std::strcmp(code, "%s") == 0) return &%sCatalogue;' % (code, name))
    lines.append('    return nullptr;')
    lines.append('}')
    lines.append('')
    lines.append('}  // namespace lang')
    text = '\n'.join(lines) + '\n'
    if os.path.exists(output) and open(output, encoding='utf-8').read() == text:
        return
    with open(output, 'w', encoding='utf-8') as out:
        out.write(text)


if __name__ == '__main__':
    main()
