#!/usr/bin/env python3
"""Fills quillbox_<lang>.ts from the table of translations/<lang>_table.py.

Run lupdate first (see the README), then: python3 translations/fill_ts.py de
Every message whose source is in the table gets its text, marked finished; the others are listed
and stay unfinished, which the test of the translations reports.
"""
import html
import importlib.util
import pathlib
import re
import sys

here = pathlib.Path(__file__).resolve().parent
lang = sys.argv[1] if len(sys.argv) > 1 else "de"
spec = importlib.util.spec_from_file_location("table", here / f"{lang}_table.py")
table = importlib.util.module_from_spec(spec)
spec.loader.exec_module(table)
texts = getattr(table, lang.upper() if hasattr(table, lang.upper()) else "GERMAN")

BYTE = {'<byte value="xd"/>': "\r", '<byte value="x9"/>': "\t"}


def decode(xml_text):
    for k, v in BYTE.items():
        xml_text = xml_text.replace(k, v)
    return html.unescape(xml_text)


def encode(text):
    out = html.escape(text, quote=True).replace("&#x27;", "&apos;").replace("&quot;", "&quot;")
    return out.replace("\r", '<byte value="xd"/>')


path = here / f"quillbox_{lang}.ts"
ts = path.read_text(encoding="utf-8")
missing = []


def fill_context(match):
    block = match.group(0)
    name = re.search(r"<name>(.*?)</name>", block).group(1)
    entries = texts.get(name, {})

    def fill_message(m):
        message = m.group(0)
        source = decode(re.search(r"<source>(.*?)</source>", message, re.S).group(1))
        if source not in entries:
            missing.append((name, source))
            return message
        return re.sub(r"<translation[^>]*?(/>|>.*?</translation>)",
                      lambda _: "<translation>" + encode(entries[source]) + "</translation>",
                      message, count=1, flags=re.S)

    return re.sub(r"<message.*?</message>", fill_message, block, flags=re.S)


ts = re.sub(r"<context>.*?</context>", fill_context, ts, flags=re.S)
path.write_text(ts, encoding="utf-8")
for name, source in missing:
    print(f"untranslated: {name}: {source!r}")
sys.exit(1 if missing else 0)
