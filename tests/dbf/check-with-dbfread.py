"""Reads the sample base with Debian's dbfread and compares every table, column, row and value with what our
reader gives (dbfdump's output): an independent reading of the same files.

    /usr/bin/python3 check-with-dbfread.py DBFDUMP [EMULATOR] -- FILE...

Exits 77 (skipped) where dbfread is not installed.
"""

import datetime
import decimal
import subprocess
import sys

try:
    from dbfread import DBF
except ImportError:
    print("dbfread is not installed (apt-get install python3-dbfread): skipped")
    sys.exit(77)

failures = []


def fail(where, message):
    failures.append("%s: %s" % (where, message))


def unescape(field):
    out = bytearray()
    at = 0
    while at < len(field):
        if field[at:at + 2] == b"\\x":
            out.append(int(field[at + 2:at + 4], 16))
            at += 4
        else:
            out.append(field[at])
            at += 1
    return bytes(out)


def our_tables(command, files):
    """Our reading of the files: {path: (row count, truncated, columns, rows)}."""
    output = subprocess.run(command + files, check=True, stdout=subprocess.PIPE).stdout
    tables = {}
    current = None
    for line in output.split(b"\n")[:-1]:
        cells = line.split(b"\t")
        if cells[0] == b"table":
            current = (int(cells[2]), cells[3] == b"1", [], [])
            tables[cells[1].decode()] = current
        elif cells[0] == b"column":
            name = unescape(cells[1]).decode("cp1251")
            current[2].append((name, cells[2].decode(), int(cells[3]), int(cells[4])))
        else:
            values = [(cell[:1].decode(), unescape(cell[1:])) for cell in cells[2:]]
            current[3].append((cells[1] == b"deleted", values))
    return tables


def same_value(column_type, theirs, kind, text):
    """Whether dbfread's value and ours are the same value."""
    if theirs is None:
        return kind == "z"
    if column_type == "C":
        return kind == "t" and text.decode("cp1251") == theirs
    if column_type == "N":
        # dbfread gives an int or a float; ours keeps the digits as written.
        return kind == "n" and decimal.Decimal(text.decode()) == decimal.Decimal(str(theirs))
    if column_type == "D":
        return kind == "d" and isinstance(theirs, datetime.date) and text.decode() == theirs.isoformat()
    if column_type == "L":
        return kind == "l" and text.decode() == ("true" if theirs else "false")
    return kind == "t" and text.decode("cp1251") == str(theirs)


def compare(path, ours):
    row_count, truncated, columns, rows = ours
    table = DBF(path, encoding="cp1251", char_decode_errors="strict", load=True)
    theirs_columns = [(f.name, f.type, f.length, f.decimal_count) for f in table.fields]
    if columns != theirs_columns:
        fail(path, "columns differ: ours %r, dbfread's %r" % (columns, theirs_columns))
        return
    if truncated or row_count != table.header.numrecords:
        fail(path, "ours reads %d rows (truncated: %s), the header counts %d" %
             (row_count, truncated, table.header.numrecords))
    # dbfread gives the live rows and the deleted ones apart, each in file order.
    for deleted, theirs_rows in ((False, table.records), (True, table.deleted)):
        our_rows = [values for is_deleted, values in rows if is_deleted == deleted]
        kind = "deleted" if deleted else "live"
        if len(our_rows) != len(theirs_rows):
            fail(path, "%d %s rows, dbfread %d" % (len(our_rows), kind, len(theirs_rows)))
            continue
        for number, (values, record) in enumerate(zip(our_rows, theirs_rows)):
            for (name, column_type, _length, _decimals), (value_kind, text) in zip(columns, values):
                if not same_value(column_type, record[name], value_kind, text):
                    fail(path, "%s row %d, %s: ours %s%r, dbfread %r" %
                         (kind, number, name, value_kind, text, record[name]))
    return len(rows)


def main():
    separator = sys.argv.index("--")
    command = sys.argv[1:separator]
    files = sys.argv[separator + 1:]
    if not files:
        print("no tables given")
        return 1
    tables = our_tables(command, files)
    rows = 0
    for path in files:
        rows += compare(path, tables[path]) or 0
    for failure in failures:
        print(failure)
    print("%d tables, %d rows compared with dbfread: %d differences" % (len(files), rows, len(failures)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
