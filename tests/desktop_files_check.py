#!/usr/bin/env python3
"""The built desktop entries and metainfo files carry the catalogues' texts.

Usage: desktop_files_check.py PACKAGING_BUILD_DIR SOURCE_DIR

For every catalogue under po/: the planner's entry has its translated
Name and each entry its translated GenericName and Comment; each metainfo file has its
translated summary (and the planner's its name). The validators that the
package test runs stay silent on the translated files.
"""
import os
import re
import shutil
import subprocess
import sys
import xml.etree.ElementTree as ET

BUILD, SOURCE = sys.argv[1], sys.argv[2]
sys.path.insert(0, os.path.join(SOURCE, 'scripts'))
from po_to_cpp import read_po  # noqa: E402

APP, PLANNER = 'io.github.halvex.Halvex', 'io.github.halvex.Halvex.Planner'
XML_LANG = '{http://www.w3.org/XML/1998/namespace}lang'
failures = []

# Every catalogue there is, whether po/LINGUAS names it or not.
languages = sorted(name[:-3] for name in os.listdir(os.path.join(SOURCE, 'po')) if name.endswith('.po'))
catalogues = {lang: {msgid: forms[0] for ctx, msgid, _, forms in read_po(os.path.join(SOURCE, 'po', lang + '.po'))
                     if ctx is None} for lang in languages}


def desktop_keys(path):
    with open(path, encoding='utf-8') as f:
        return dict(line.rstrip('\n').split('=', 1) for line in f if '=' in line and not line.startswith('#'))


for app_id, keys in ((APP, ['Comment', 'GenericName']), (PLANNER, ['Name', 'Comment', 'GenericName'])):
    entry = desktop_keys(os.path.join(BUILD, app_id + '.desktop'))
    for lang in languages:
        for key in keys:
            wanted = catalogues[lang].get(entry[key])
            if not wanted or entry.get('%s[%s]' % (key, lang)) != wanted:
                failures.append('%s.desktop: %s[%s] is %r, not the catalogue\'s %r'
                                % (app_id, key, lang, entry.get('%s[%s]' % (key, lang)), wanted))

for app_id, tags in ((APP, ['summary']), (PLANNER, ['name', 'summary'])):
    root = ET.parse(os.path.join(BUILD, app_id + '.metainfo.xml')).getroot()
    for tag in tags:
        english = next(e.text for e in root.findall(tag) if XML_LANG not in e.attrib)
        found = {e.get(XML_LANG): e.text for e in root.findall(tag) if XML_LANG in e.attrib}
        for lang in languages:
            if not catalogues[lang].get(english) or found.get(lang) != catalogues[lang][english]:
                failures.append('%s.metainfo.xml: <%s xml:lang="%s"> is %r' % (app_id, tag, lang, found.get(lang)))

for app_id in (APP, PLANNER):
    if shutil.which('desktop-file-validate'):
        out = subprocess.run(['desktop-file-validate', os.path.join(BUILD, app_id + '.desktop')],
                             capture_output=True, text=True)
        if out.returncode or out.stdout.strip() or out.stderr.strip():
            failures.append('desktop-file-validate: ' + out.stdout + out.stderr)
    if shutil.which('appstreamcli'):
        out = subprocess.run(['appstreamcli', 'validate', '--no-net', os.path.join(BUILD, app_id + '.metainfo.xml')],
                             capture_output=True, text=True)
        if out.returncode or re.search(r'^[EW]: ', out.stdout, re.M):
            failures.append('appstreamcli: ' + out.stdout + out.stderr)

for failure in failures:
    print(failure)
print('%d languages, %d problems' % (len(languages), len(failures)))
sys.exit(1 if failures else 0)
