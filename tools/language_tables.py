#!/usr/bin/env python3
"""Trelvane's language tables: reads languages/catalog.txt (the English texts) and one table per
language (languages/TAG.txt), checks that every table translates exactly the catalog's texts,
and writes them as C++ for the build.

  language_tables.py --check FOLDER TAG...         checks the tables, writes nothing
  language_tables.py --write OUT.cpp FOLDER TAG...  checks them and writes the C++ source

A table fails the check when it misses a catalog text, has one the catalog lacks, has a text
twice, leaves a translation empty, drops or adds a {N} placeholder, names Office 2010 where
the English does not name it as the text to translate, or gives the ribbon a text that would break
its markup (a `<`, a `"`, or an `&` that begins no entity: the document takes the text as it stands). Exit status 1 then, with one line per
fault, "FILE:LINE: what"; 2 for bad arguments.
"""
import re
import sys

SECTIONS = ("ribbon", "tabs", "windows")
ESCAPES = {'"': '"', "\\": "\\", "r": "\r", "n": "\n"}
QUOTED = r'"((?:[^"\\]|\\.)*)"'
ENTRY = re.compile(r"^\s*" + QUOTED + r"\s*(?:=\s*" + QUOTED + r")?\s*$")
SECTION = re.compile(r"^\s*\[\s*([a-z]+)\s*\]\s*$")
PLACEHOLDER = re.compile(r"\{\d+\}")
NOT_MARKUP = re.compile(r'[<"]|&(?!(?:amp|lt|gt|quot|apos|#[0-9]+|#x[0-9A-Fa-f]+);)')


class TableError(Exception):
    pass


def unescape(text, where):
    out, i = [], 0
    while i < len(text):
        if text[i] == "\\":
            if i + 1 >= len(text) or text[i + 1] not in ESCAPES:
                raise TableError("%s: unknown escape \\%s" % (where, text[i + 1:i + 2]))
            out.append(ESCAPES[text[i + 1]])
            i += 2
        else:
            out.append(text[i])
            i += 1
    return "".join(out)


def read_entries(path, translated):
    """[(section, english, translation or None, line)] of one file; faults in `faults`."""
    entries, faults, section = [], [], None
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            where = "%s:%d" % (path, number)
            stripped = line.strip()
            if not stripped or stripped.startswith("#"):
                continue
            match = SECTION.match(line)
            if match:
                section = match.group(1)
                if section not in SECTIONS:
                    faults.append("%s: unknown section [%s]" % (where, section))
                continue
            match = ENTRY.match(line)
            if not match:
                faults.append("%s: not an entry: %s" % (where, stripped))
                continue
            if section is None:
                faults.append("%s: an entry before the first [section]" % where)
                continue
            if translated != (match.group(2) is not None):
                faults.append("%s: %s" % (where, '"English" = "translation" expected' if translated
                                          else 'the catalog gives the English text alone'))
                continue
            try:
                english = unescape(match.group(1), where)
                translation = unescape(match.group(2), where) if translated else None
            except TableError as error:
                faults.append(str(error))
                continue
            entries.append((section, english, translation, where))
    return entries, faults


def read_catalog(folder):
    entries, faults = read_entries("%s/catalog.txt" % folder, translated=False)
    catalog, seen = [], set()
    for section, english, _, where in entries:
        if (section, english) in seen:
            faults.append('%s: "%s" is in [%s] twice' % (where, english, section))
        seen.add((section, english))
        catalog.append((section, english))
    return catalog, faults


def read_table(folder, tag, catalog):
    path = "%s/%s.txt" % (folder, tag)
    try:
        entries, faults = read_entries(path, translated=True)
    except OSError as error:
        return None, ["%s: cannot be read: %s" % (path, error.strerror)]
    wanted = set(catalog)
    table = {}
    for section, english, translation, where in entries:
        key = (section, english)
        if key in table:
            faults.append('%s: "%s" is in [%s] twice' % (where, english, section))
        elif key not in wanted:
            faults.append('%s: "%s" is no text of [%s] in the catalog' % (where, english, section))
        elif not translation.strip() and english.strip():
            faults.append('%s: "%s" has an empty translation' % (where, english))
        elif sorted(PLACEHOLDER.findall(translation)) != sorted(PLACEHOLDER.findall(english)):
            faults.append('%s: "%s" must keep the placeholders %s' %
                          (where, english, " ".join(PLACEHOLDER.findall(english)) or "(none)"))
        elif "2010" in translation:
            faults.append('%s: "%s" must name no Office version' % (where, english))
        elif section == "ribbon" and NOT_MARKUP.search(translation):
            faults.append('%s: "%s" must write < " and & as &lt; &quot; and &amp;' %
                          (where, english))
        table[key] = translation
    for section, english in catalog:
        if (section, english) not in table:
            faults.append('%s: "%s" of [%s] is missing' % (path, english, section))
    return table, faults


def tags_in(folder):
    """The tags of the tables in `folder`, in name order."""
    import os
    return sorted(name[:-4] for name in os.listdir(folder)
                  if name.endswith(".txt") and name != "catalog.txt")


def cpp_string(text):
    out = []
    for ch in text:
        if ch in '"\\':
            out.append("\\" + ch)
        elif ch == "\r":
            out.append("\\r")
        elif ch == "\n":
            out.append("\\n")
        else:
            out.append(ch)
    return '"' + "".join(out) + '"'


def write_cpp(path, catalog, tags, tables):
    lines = [
        "// Written by tools/language_tables.py from languages/: do not edit.",
        '#include "core/language_tables.h"',
        "",
        "namespace trelvane::generated {",
        "",
        "const std::string_view kCatalog[] = {",
    ]
    lines += ["    %s," % cpp_string(english) for _, english in catalog]
    lines.append("};")
    lines.append("const TextSection kCatalogSections[] = {")
    lines += ["    TextSection::k%s," % section.capitalize() for section, _ in catalog]
    lines.append("};")
    for number, tag in enumerate(tags):
        lines.append("")
        lines.append("// %s" % tag)
        lines.append("const std::string_view kTable%d[] = {" % number)
        lines += ["    %s," % cpp_string(tables[tag][key]) for key in catalog]
        lines.append("};")
    lines.append("")
    lines.append("const std::string_view* const kTables[] = {%s};" %
                 ", ".join("kTable%d" % n for n in range(len(tags))))
    lines.append("const std::string_view kTableTags[] = {%s};" %
                 ", ".join(cpp_string(tag) for tag in tags))
    lines.append("const std::size_t kCatalogSize = %d;" % len(catalog))
    lines.append("const std::size_t kTableCount = %d;" % len(tags))
    lines.append("")
    lines.append("}  // namespace trelvane::generated")
    with open(path, "w", encoding="utf-8") as f:
        f.write("\n".join(lines) + "\n")


def main(argv):
    if len(argv) >= 3 and argv[0] == "--check":
        out, folder, tags = None, argv[1], argv[2:]
    elif len(argv) >= 4 and argv[0] == "--write":
        out, folder, tags = argv[1], argv[2], argv[3:]
    else:
        print(__doc__, file=sys.stderr)
        return 2
    catalog, faults = read_catalog(folder)
    tables = {}
    for tag in tags:
        table, table_faults = read_table(folder, tag, catalog)
        faults += table_faults
        tables[tag] = table
    if faults:
        for fault in faults:
            print(fault, file=sys.stderr)
        print("language tables: %d fault(s); no table is built" % len(faults), file=sys.stderr)
        return 1
    if out:
        write_cpp(out, catalog, tags, tables)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
