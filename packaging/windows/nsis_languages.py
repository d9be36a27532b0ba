#!/usr/bin/env python3
"""Writes the Windows installer's texts in every language as NSIS LangStrings.

Usage: nsis_languages.py SOURCE_DIR OUTPUT.nsh

The texts are those of packaging/windows/installer_texts.xml, in English
and in each language of po/LINGUAS from its catalogue; a text the catalogue
does not translate is written in English. halvex.nsi includes the output
after its MUI_LANGUAGE lines, which must name the same languages.
"""
import os
import re
import sys
import xml.etree.ElementTree as ET

SOURCE, OUTPUT = sys.argv[1], sys.argv[2]
sys.path.insert(0, os.path.join(SOURCE, 'scripts'))
from po_to_cpp import read_po  # noqa: E402

# The installer's name of each catalogue's language.
NSIS_LANGUAGES = {'de': 'GERMAN', 'fr': 'FRENCH', 'zh_CN': 'SIMPCHINESE', 'ja': 'JAPANESE'}


def nsis_quoted(text):
    # $ stays: the texts name the installer's variables ($INSTDIR) on purpose.
    return '"%s"' % text.replace('"', '$\\"').replace('\r', '$\\r').replace('\n', '$\\n').replace('\t', '$\\t')


def main():
    texts = [(e.get('name'), e.text) for e in
             ET.parse(os.path.join(SOURCE, 'packaging', 'windows', 'installer_texts.xml')).getroot().iter('text')]
    with open(os.path.join(SOURCE, 'po', 'LINGUAS'), encoding='utf-8') as f:
        languages = [line.strip() for line in f if re.fullmatch(r'[A-Za-z_]+', line.strip())]
    lines = ['; Made by packaging/windows/nsis_languages.py from the catalogues; do not edit.']
    for language in ['en'] + languages:
        translated = {}
        if language != 'en':
            translated = {msgid: forms[0] for ctx, msgid, _, forms in
                          read_po(os.path.join(SOURCE, 'po', language + '.po')) if ctx is None}
        nsis = 'ENGLISH' if language == 'en' else NSIS_LANGUAGES[language]
        for name, english in texts:
            lines.append('LangString %s ${LANG_%s} %s' % (name, nsis, nsis_quoted(translated.get(english, english))))
    # With a byte order mark, which tells makensis the file is UTF-8.
    with open(OUTPUT, 'w', encoding='utf-8-sig', newline='\r\n') as out:
        out.write('\n'.join(lines) + '\n')


if __name__ == '__main__':
    main()
