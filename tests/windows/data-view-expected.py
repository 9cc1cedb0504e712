"""Writes what the plug-in's data view must show of each table of a base, read without ddlister's code: the
tables by Debian's dbfread, the dictionary and the rules of names and shown values by tests/support/base_reading.py.

    /usr/bin/python3 data-view-expected.py FOLDER OUT.json

For every DBF file of the folder that the dictionary lists: the title line, the captions and every row in file
order, deleted ones included, each cell as the grid shows it (the mark column first: "*" for a deleted row). Where
dbfread is missing, OUT.json says so and the Windows tests skip what needs it; the build goes on.
"""

import json
import os
import re
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from base_reading import column_names, dictionary_of, readable_names, value  # noqa: E402

folder, out = sys.argv[1], sys.argv[2]


def write(document):
    with open(out, "w", encoding="utf-8") as target:
        json.dump(document, target, ensure_ascii=False, indent=1)


try:
    from dbfread import DBF
except ImportError:
    write({"skipped": "dbfread is not installed (apt-get install python3-dbfread)"})
    sys.exit(0)


def without_controls(text):
    return re.sub(r"[\x00-\x1f]", " ", text)


def shown(field_type, raw):
    """A value as the grid shows it: texts without trailing blanks, numbers as written, dates DD.MM.YYYY, logicals
    true and false, nothing for a blank number or date, control characters as spaces."""
    if field_type == "L":
        text = raw.strip(b" \0").decode("cp1251")
        if text in ("", "?"):
            return ""
        if text in ("T", "t", "Y", "y"):
            return "true"
        if text in ("F", "f", "N", "n"):
            return "false"
        return without_controls(raw.rstrip(b" \0").decode("cp1251"))
    v = value(field_type, raw)
    if v is None:
        return ""
    if isinstance(v, tuple):
        return v[1]
    if field_type == "D" and re.fullmatch(r"\d{8}", raw.strip(b" \0").decode("cp1251")):
        year, month, day = v.split("-")
        return "%s.%s.%s" % (day, month, year)
    return without_controls(v)


def table_rows(table, path):
    """Every record in file order, deleted ones included: dbfread gives the live and the deleted apart, the flags
    in the file say how they interleave."""
    with open(path, "rb") as source:
        data = source.read()
    live, deleted = iter(table), iter(table.deleted)
    rows = []
    for number in range(table.header.numrecords):
        at = table.header.headerlen + number * table.header.recordlen
        if at + table.header.recordlen > len(data):
            break
        is_deleted = data[at:at + 1] == b"*"
        record = next(deleted) if is_deleted else next(live)
        rows.append(["*" if is_deleted else ""] + [shown(f.type, record[f.name]) for f in table.fields])
    return rows


def main():
    dictionary_path = next(os.path.join(folder, name) for name in os.listdir(folder) if name.upper() == "1CV7.DD")
    dictionary = dictionary_of(dictionary_path)
    described = list(dictionary.values())
    titles = dict(zip(dictionary.keys(), readable_names([d[2] or d[1] for d in described], [d[0] for d in described])))
    tables = []
    for name in sorted(os.listdir(folder)):
        identifier = name[:-4].upper()
        if not name.upper().endswith(".DBF") or identifier not in dictionary:
            continue
        path = os.path.join(folder, name)
        table = DBF(path, encoding="cp1251", raw=True)
        rows = table_rows(table, path)
        tables.append({
            "file": name,
            "title": "%s  \u2014  %s  \u2014  \u0441\u0442\u0440\u043e\u043a: %d" % (titles[identifier], name, len(rows)),
            "captions": [""] + column_names([f.name for f in table.fields], dictionary[identifier][3]),
            "rows": rows,
        })
    write({"tables": tables})


main()
