#!/usr/bin/env python3
"""Checks the translation sources: every message finished and translated, and every
translation keeping what the program fills in or splits on.

usage: check_ts.py FILE.ts [FILE.ts ...]     exit status 1 and one line per fault otherwise
"""
import re
import sys
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r'%(?:%|[sdn]|[1-9])')
UNNUMBERED = re.compile(r'%[sd]')
MNEMONIC = re.compile(r'&(?!&)\w')
# Plural forms Qt uses per language.
FORMS = {'pl': 3}


def text_of(element):
    """The element's text with the carriage returns lupdate writes as <byte value="xd"/>."""
    if element is None:
        return ''
    parts = [element.text or '']
    for child in element:
        if child.tag == 'byte':
            parts.append(chr(int(child.get('value').lstrip('x'), 16)))
        parts.append(child.tail or '')
    return ''.join(parts)


def edges(text):
    """The white space a text starts and ends with: line breaks the program relies on."""
    return re.match(r'\s*', text).group(0), re.search(r'\s*$', text).group(0)


def faults_of(source, key, translation, is_numerus, forms):
    faults = []
    if translation.get('type') in ('unfinished', 'vanished', 'obsolete'):
        return ['is %s' % translation.get('type')]
    texts = ([text_of(f) for f in translation.findall('numerusform')] if is_numerus
             else [text_of(translation)])
    if is_numerus and len(texts) != forms:
        faults.append('has %d plural forms, not %d' % (len(texts), forms))
    for text in texts:
        if not text.strip() and source.strip():
            faults.append('is empty')
        # Numbered: a translation may put them in its own order, but keeps every one.
        if sorted(PLACEHOLDER.findall(text)) != sorted(PLACEHOLDER.findall(source)):
            faults.append('placeholders %s, not %s' % (sorted(PLACEHOLDER.findall(text)),
                                                          sorted(PLACEHOLDER.findall(source))))
        if UNNUMBERED.search(source) or UNNUMBERED.search(text):
            faults.append('fills in %s or %d: number the arguments (%1, %2, ...)')
        if ('\r' in source) != ('\r' in text) or ('\r' in text and re.search(r'(?<!\r)\n', text)):
            faults.append('line ends differ from the English (\\r\\n or \\n)')
        if edges(text) != edges(source):
            faults.append('starts or ends with other blank lines than the English')
        if len(MNEMONIC.findall(source)) != len(MNEMONIC.findall(text)):
            faults.append('has %d keyboard mnemonics (&), the English %d'
                          % (len(MNEMONIC.findall(text)), len(MNEMONIC.findall(source))))
        if 'PROMPT' in key and text.count('\n') != source.count('\n'):
            faults.append('needs the parts separated by a line break, as the English')
    return faults


def check(path):
    root = ET.parse(path).getroot()
    language = (root.get('language') or '').split('_')[0]
    forms = FORMS.get(language, 2)
    faults = []
    for message in root.iter('message'):
        key = (message.findtext('comment') or '?')
        source = text_of(message.find('source'))
        for fault in faults_of(source, key, message.find('translation'),
                               message.get('numerus') == 'yes', forms):
            faults.append('%s: %s %s' % (path, key, fault))
    if not root.findall('.//message'):
        faults.append('%s: no messages' % path)
    return faults


def main():
    faults = [fault for path in sys.argv[1:] for fault in check(path)]
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == '__main__':
    sys.exit(main())
