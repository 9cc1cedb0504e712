#!/usr/bin/env python3
"""Checks `ddview diff --json OLD NEW` against a reading of its own of `ddview dump OLD` and `ddview dump NEW`.

    check-diff-with-dumps.py OLD.json NEW.json DIFF.json

The comparison is worked out here again from the two dumps, in the plainest way, and must give exactly the document
that ddview printed (but for the paths): tables paired by identifier, fields and indexes by name, letters in any
case, the n-th of a name with the n-th; types, indexed fields and DBName or Type in any case, lengths and precisions
as numbers; descriptions as written. Exits 1 with the first difference found.
"""

import json
import sys


def fold(text):
    return text.strip().lower()


def pairs(old_items, new_items, name):
    """For each new item, the index of its old partner or None; and the set of old indexes paired."""
    waiting = {}
    for i, item in enumerate(old_items):
        waiting.setdefault(fold(name(item)), []).append(i)
    partners, paired = [], set()
    for item in new_items:
        queue = waiting.get(fold(name(item)), [])
        partner = queue.pop(0) if queue else None
        partners.append(partner)
        if partner is not None:
            paired.add(partner)
    return partners, paired


def same_number(a, b):
    a, b = a.strip(), b.strip()
    if a.isdigit() and b.isdigit():
        return int(a) == int(b)
    return a == b


def shape_changed(old, new):
    return (fold(old["type"]) != fold(new["type"]) or not same_number(old["length"], new["length"])
            or not same_number(old["precision"], new["precision"]))


def index_changed(old, new, last_column):
    return (old["description"] != new["description"] or old["unique"] != new["unique"]
            or [fold(f) for f in old["fields"]] != [fold(f) for f in new["fields"]]
            or (last_column is not None and fold(old[last_column]) != fold(new[last_column])))


def compare_table(old, new, last_column):
    fields_of_new, paired = pairs(old["fields"], new["fields"], lambda f: f["name"])
    fields = {"added": [], "removed": [], "changed": []}
    for field, partner in zip(new["fields"], fields_of_new):
        if partner is None:
            fields["added"].append(field)
            continue
        before = old["fields"][partner]
        if before["description"] != field["description"] or shape_changed(before, field):
            fields["changed"].append({"name": field["name"], "old": before, "new": field})
    fields["removed"] = [f for i, f in enumerate(old["fields"]) if i not in paired]
    places = [p for p in fields_of_new if p is not None]
    fields["reordered"] = places != sorted(places)

    indexes_of_new, paired = pairs(old["indexes"], new["indexes"], lambda i: i["name"])
    indexes = {"added": [], "removed": [], "changed": []}
    for index, partner in zip(new["indexes"], indexes_of_new):
        if partner is None:
            indexes["added"].append(index)
        elif index_changed(old["indexes"][partner], index, last_column):
            indexes["changed"].append({"name": index["name"], "old": old["indexes"][partner], "new": index})
    indexes["removed"] = [i for n, i in enumerate(old["indexes"]) if n not in paired]

    entry = {"identifier": new["identifier"].strip()}
    if old["description"] != new["description"]:
        entry["description"] = {"old": old["description"], "new": new["description"]}
    entry["fields"] = fields
    entry["indexes"] = indexes
    changed = ("description" in entry or any(fields[k] for k in ("added", "removed", "changed")) or fields["reordered"]
               or any(indexes.values()))
    return entry if changed else None


def expected_diff(old, new):
    same_edition = old["edition"] == new["edition"]
    last_column = ("dbName" if old["edition"] == "DBF" else "type") if same_edition else None
    result = {}
    if not same_edition:
        result["edition"] = {"old": old["edition"], "new": new["edition"]}
    result.update({"added": [], "removed": [], "changed": []})
    tables_of_new, paired = pairs(old["tables"], new["tables"], lambda t: t["identifier"])
    for table, partner in zip(new["tables"], tables_of_new):
        if partner is None:
            result["added"].append({"identifier": table["identifier"].strip(), "description": table["description"]})
            continue
        entry = compare_table(old["tables"][partner], table, last_column)
        if entry is not None:
            result["changed"].append(entry)
    result["removed"] = [{"identifier": t["identifier"].strip(), "description": t["description"]}
                         for i, t in enumerate(old["tables"]) if i not in paired]
    return result


def main():
    old, new, printed = (json.load(open(path, encoding="utf-8")) for path in sys.argv[1:4])
    printed.pop("old")
    printed.pop("new")
    expected = expected_diff(old, new)
    if printed == expected:
        return 0
    for key in sorted(set(printed) | set(expected)):
        if printed.get(key) != expected.get(key):
            print("ddview diff differs from the dumps' reading in %r:\n  ddview: %s\n  dumps:  %s" %
                  (key, json.dumps(printed.get(key), ensure_ascii=False)[:2000],
                   json.dumps(expected.get(key), ensure_ascii=False)[:2000]))
    return 1


if __name__ == "__main__":
    sys.exit(main())
