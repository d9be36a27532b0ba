#!/usr/bin/env python3
"""The Windows installer's script with its texts in every language.

Usage: installer_check.py SOURCE_DIR WORK_DIR

Writes languages.nsh as scripts/package does, checks that it holds each
installer text in each language of po/LINGUAS as the catalogue translates
it, and compiles packaging/windows/halvex.nsi with makensis, warnings as
errors (a LangString missing in one language, a text that does not quote),
over stand-ins for the installed files.
"""
import os
import re
import shutil
import struct
import subprocess
import sys
import xml.etree.ElementTree as ET

SOURCE, WORK = sys.argv[1], sys.argv[2]
sys.path.insert(0, os.path.join(SOURCE, 'scripts'))
from po_to_cpp import read_po  # noqa: E402

failures = []
stage = os.path.join(WORK, 'installer')
shutil.rmtree(WORK, ignore_errors=True)
os.makedirs(stage)
nsh = os.path.join(stage, 'languages.nsh')
subprocess.run([sys.executable, os.path.join(SOURCE, 'packaging', 'windows', 'nsis_languages.py'), SOURCE, nsh],
               check=True)
with open(nsh, encoding='utf-8-sig') as f:
    written = set(line.strip() for line in f)
texts = [e.text for e in ET.parse(os.path.join(SOURCE, 'packaging', 'windows', 'installer_texts.xml')).iter('text')]
languages = {'de': 'GERMAN', 'fr': 'FRENCH', 'zh_CN': 'SIMPCHINESE', 'ja': 'JAPANESE'}
for language, nsis in languages.items():
    catalogue = {msgid: forms[0] for ctx, msgid, _, forms in read_po(os.path.join(SOURCE, 'po', language + '.po'))}
    for english in texts:
        wanted = catalogue.get(english, '(untranslated)').replace('"', '$\\"')
        if not any(line.startswith('LangString ') and line.endswith('${LANG_%s} "%s"' % (nsis, wanted))
                   for line in written):
            failures.append('languages.nsh: no %s text %r for %r' % (nsis, wanted, english))

if shutil.which('makensis'):
    # A 16-pixel icon: the installer's and uninstaller's own icons must read.
    pixels = b'\x00\x00\xff\xff' * 256 + b'\x00' * 64
    header = struct.pack('<IiiHHIIiiII', 40, 16, 32, 1, 32, 0, len(pixels), 0, 0, 0, 0)
    icon = struct.pack('<HHH', 0, 1, 1) + struct.pack('<BBBBHHII', 16, 16, 0, 0, 1, 32, 40 + len(pixels), 22)
    with open(os.path.join(SOURCE, 'packaging', 'windows', 'halvex.nsi'), encoding='utf-8') as f:
        script = f.read()
    names = set(re.findall(r'"\$\{SRCDIR\}\\([^"*]+)"', script)) | set(re.findall(r'\$\{Action\} "([^"*]+)"', script))
    # The side picture: a bitmap of one pixel.
    bitmap = struct.pack('<2sIHHI', b'BM', 58, 0, 0, 54) + struct.pack('<IiiHHIIiiII', 40, 1, 1, 1, 24, 0, 4, 0, 0,
                                                                      0, 0) + b'\xff\xff\xff\x00'
    for name in names - {'languages.nsh'}:
        with open(os.path.join(stage, name), 'wb') as out:
            out.write({'.ico': icon + header + pixels, '.bmp': bitmap}.get(os.path.splitext(name)[1], b'stand-in\n'))
    result = subprocess.run(['makensis', '-WX', '-V2', '-DVERSION=1.0.0.0', '-DSRCDIR=' + stage,
                             '-DOUTFILE=' + os.path.join(WORK, 'halvex-check-installer.exe'),
                             os.path.join(SOURCE, 'packaging', 'windows', 'halvex.nsi')],
                            capture_output=True, text=True)
    if result.returncode != 0:
        failures.append('makensis: ' + result.stdout + result.stderr)

for failure in failures:
    print(failure)
print('%d texts, %d languages, %d problems' % (len(texts), len(languages), len(failures)))
sys.exit(1 if failures else 0)
