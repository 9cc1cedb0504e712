"""Checks what ddview makes of a base against an independent reading: the tables read by Debian's dbfread, the
dictionary read line by line here, and the rules of the readable names and the values written out again in Python.

    /usr/bin/python3 check-base-data.py DDVIEW FOLDER [--no-sqlite]

For every DBF table of the folder that the dictionary lists: `ddview data --json` (and --deleted) row by row,
`ddview data --csv` read back by Python's csv module; then `ddview sqlite` of the folder, queried with Python's
sqlite3: every table, view, row and value, _tables and _columns. Exits 77 (skipped) where dbfread is missing.
"""

import csv
import io
import json
import os
import sqlite3
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from base_reading import column_names, dictionary_of, readable_names, value  # noqa: E402

try:
    from dbfread import DBF
except ImportError:
    print("dbfread is not installed (apt-get install python3-dbfread): skipped")
    sys.exit(77)

ddview, folder = sys.argv[1], sys.argv[2]
with_sqlite = "--no-sqlite" not in sys.argv
failures = []


def fail(where, message):
    failures.append("%s: %s" % (where, message))


def json_value(v):
    if isinstance(v, tuple):
        return json.loads(v[1].lstrip("+").rstrip(".") if not v[1].lstrip("+-").startswith(".") else
                          v[1].replace(".", "0.", 1).lstrip("+"))
    return v


def ddview_run(*arguments):
    emulator = [os.environ["DDVIEW_EMULATOR"]] if os.environ.get("DDVIEW_EMULATOR") else []
    return subprocess.run(emulator + [ddview] + list(arguments), stdout=subprocess.PIPE, stderr=subprocess.PIPE)


def dbf_tables():
    dictionary_path = next(os.path.join(folder, name) for name in os.listdir(folder) if name.upper() == "1CV7.DD")
    dictionary = dictionary_of(dictionary_path)
    tables = []
    for name in sorted(os.listdir(folder)):
        if not name.upper().endswith(".DBF") or name[:-4].upper() not in dictionary:
            continue
        table = DBF(os.path.join(folder, name), encoding="cp1251", raw=True)
        described = dictionary[name[:-4].upper()]
        columns = [(field.name, field.type) for field in table.fields]
        names = column_names([c[0] for c in columns], described[3])
        live = [[value(t, record[c]) for c, t in columns] for record in table]
        deleted = [[value(t, record[c]) for c, t in columns] for record in table.deleted]
        tables.append((name, described, columns, names, live, deleted))
    return dictionary, tables


def check_data(tables):
    for name, described, columns, names, live, deleted in tables:
        path = os.path.join(folder, name)
        run = ddview_run("data", path, "--json")
        if run.returncode != 0:
            fail(name, "data --json failed: %s" % run.stderr.decode())
            continue
        lines = run.stdout.decode("utf-8").splitlines()
        if len(lines) != len(live):
            fail(name, "data --json printed %d rows, dbfread reads %d live ones" % (len(lines), len(live)))
        for number, (line, row) in enumerate(zip(lines, live)):
            printed = json.loads(line, parse_float=str, parse_int=str)
            if list(printed.keys()) != names:
                fail(name, "row %d has the keys %s, not %s" % (number, list(printed.keys()), names))
                break
            for key, expected in zip(names, row):
                got = printed[key]
                want = expected[1] if isinstance(expected, tuple) else expected
                if isinstance(expected, tuple):
                    if got is None or float(got) != float(want) or not isinstance(got, str):
                        fail(name, "row %d %s: %r, not the number %s" % (number, key, got, want))
                elif got != want:
                    fail(name, "row %d %s: %r, not %r" % (number, key, got, want))
        # --deleted: every row in file order, the deleted ones marked.
        run = ddview_run("data", path, "--json", "--deleted")
        marked = [json.loads(line)["_deleted"] for line in run.stdout.decode("utf-8").splitlines()]
        if marked.count(True) != len(deleted) or marked.count(False) != len(live):
            fail(name, "--deleted marked %d deleted and %d live rows, dbfread reads %d and %d" %
                 (marked.count(True), marked.count(False), len(deleted), len(live)))
        # CSV read back by a CSV reader gives the texts of the rows.
        run = ddview_run("data", path, "--csv")
        rows = list(csv.reader(io.StringIO(run.stdout.decode("utf-8"), newline="")))
        if rows[0] != names:
            fail(name, "the CSV header is %s, not %s" % (rows[0], names))
        for number, (got, row) in enumerate(zip(rows[1:], live)):
            want = ["" if v is None else v[1] if isinstance(v, tuple) else v for v in row]
            if got != want:
                fail(name, "CSV row %d is %s, not %s" % (number, got, want))
        if len(rows) - 1 != len(live):
            fail(name, "the CSV has %d rows, not %d" % (len(rows) - 1, len(live)))


def check_sqlite(dictionary, tables):
    with tempfile.TemporaryDirectory() as work:
        database = os.path.join(work, "base.db")
        run = ddview_run("sqlite", folder, database)
        if run.returncode != 0:
            fail("sqlite", "failed: %s" % run.stderr.decode())
            return
        listed_without_file = {key for key in dictionary} - {name[:-4].upper() for name, *_ in tables}
        for key in listed_without_file:
            if dictionary[key][0] not in run.stderr.decode("utf-8"):
                fail("sqlite", "the table %s without a file is not named on standard error" % dictionary[key][0])
        connection = sqlite3.connect(database)
        table_names = readable_names([t[1][2] or t[1][1] for t in tables], [t[1][0] for t in tables])
        # Python's sqlite3 lists the tables in the order ddview wrote them: the dictionary's.
        for (name, described, columns, names, live, deleted), view in zip(tables, table_names):
            identifier = described[0]
            got = connection.execute('SELECT * FROM "%s"' % identifier).fetchall()
            want = []
            for row in live:
                converted = []
                for (column, kind), v in zip(columns, row):
                    if isinstance(v, tuple):
                        number = float(v[1])
                        converted.append(int(number) if number == int(number) and abs(number) < 2**53 else number)
                    else:
                        converted.append(v)
                want.append(tuple(converted))
            if got != want:
                fail(identifier, "the table's rows differ from dbfread's: %s / %s" % (got[:2], want[:2]))
            cursor = connection.execute('SELECT * FROM "%s"' % view.replace('"', '""'))
            if [d[0] for d in cursor.description] != names:
                fail(identifier, "the view %s has the columns %s, not %s" % (view, [d[0] for d in cursor.description], names))
            if cursor.fetchall() != got:
                fail(identifier, "the view %s does not show the table's rows" % view)
            for (column, kind) in columns:
                types = {row[0] for row in connection.execute('SELECT DISTINCT typeof("%s") FROM "%s"' % (column, identifier))}
                allowed = {"N": {"integer", "real", "null"}, "C": {"text"}, "D": {"text", "null"}}.get(kind, {"text", "null"})
                if not types <= allowed:
                    fail(identifier, "column %s of type %s holds %s" % (column, kind, types))
            described_rows = connection.execute(
                'SELECT "readable name", "description", "file", "rows" FROM "_tables" WHERE "identifier" = ?',
                (identifier,)).fetchall()
            if described_rows != [(view, described[1], name, len(live))]:
                fail(identifier, "_tables says %s" % described_rows)
            column_rows = connection.execute(
                'SELECT "column", "readable name", "type" FROM "_columns" WHERE "identifier" = ?', (identifier,)).fetchall()
            if column_rows != [(c, n, k) for (c, k), n in zip(columns, names)]:
                fail(identifier, "_columns says %s" % column_rows)
        connection.close()
        again = ddview_run("sqlite", folder, database)
        if again.returncode != 1 or b"--force" not in again.stderr:
            fail("sqlite", "an existing database was not refused: %s" % again.stderr)


dictionary, tables = dbf_tables()
if not tables:
    fail(folder, "no table of the dictionary in the folder")
check_data(tables)
if with_sqlite:
    check_sqlite(dictionary, tables)
for failure in failures:
    print("FAIL:", failure)
print("%d tables of %s checked, %d failures" % (len(tables), folder, len(failures)))
sys.exit(1 if failures else 0)
