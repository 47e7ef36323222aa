#!/usr/bin/env python3
"""Every window text marked for translation in ui/ has an English translation.

The build turns ui/translations/bellnozzle_en.ts into the English catalogue
but does not run lupdate, so a text added to the code without a run of the
update_translations target shows in Portuguese in the English window. This
reads the marked texts straight from the sources (QT_TRANSLATE_NOOP("Ui", ...)
and Ui::tr(...), adjacent literals joined) and looks each up in the .ts.

usage: check_translations.py SOURCE_ROOT
"""
import pathlib
import re
import sys
import xml.etree.ElementTree as ET

LITERALS = r'((?:"(?:[^"\\]|\\.)*"\s*)+)'
MARKS = [re.compile(r'QT_TRANSLATE_NOOP\(\s*"Ui"\s*,\s*' + LITERALS + r'\)'),
         re.compile(r'Ui::tr\(\s*' + LITERALS + r'[,)]')]


def joined(literals):
    text = ''.join(re.findall(r'"((?:[^"\\]|\\.)*)"', literals))
    return re.sub(r'\\(.)', lambda m: {'n': '\n', 't': '\t'}.get(m.group(1), m.group(1)), text)


def main():
    root = pathlib.Path(sys.argv[1])
    translated = {}
    for message in ET.parse(root / 'ui/translations/bellnozzle_en.ts').getroot().iter('message'):
        translation = message.find('translation')
        done = translation is not None and translation.get('type') is None and (translation.text or '')
        translated[message.findtext('source')] = bool(done)
    missing = []
    for source in sorted(list((root / 'ui').glob('*.cpp')) + list((root / 'ui').glob('*.h'))):
        # Comment lines (examples of the marks in the headers) are no texts.
        code = re.sub(r'(?m)^\s*//.*$', '', source.read_text(encoding='utf-8'))
        for mark in MARKS:
            for match in mark.finditer(code):
                text = joined(match.group(1))
                if not translated.get(text):
                    line = code.count('\n', 0, match.start()) + 1
                    missing.append(f'{source.relative_to(root)}:{line}: no English for "{text}"')
    for line in missing:
        print(line, file=sys.stderr)
    if missing:
        print('run: cmake --build build --target update_translations, then translate in '
              'ui/translations/bellnozzle_en.ts', file=sys.stderr)
        return 1
    print('every marked text has its English')
    return 0


if __name__ == '__main__':
    sys.exit(main())
