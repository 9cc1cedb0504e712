"""A base read independently of ddlister, for the checks of ddview and of the plug-in: the dictionary read line by
line here, the rules of the readable names and of the values written again in Python. The tables themselves are
read by Debian's dbfread, which the callers import."""

import re


def fold(text):
    return text.lower()  # Python folds Cyrillic and Latin as the Windows-1251 table does for these letters


def dictionary_of(path):
    """{IDENTIFIER: (identifier, description, whole name, [(field, description, type, length, precision)])}, in the
    dictionary's order."""
    tables = {}
    lines = open(path, "rb").read().decode("cp1251").splitlines()
    for number, line in enumerate(lines):
        if "#==TABLE no" not in line:
            continue
        name = line.split(":", 1)[1].strip() if ":" in line else ""
        parts = [part.strip() for part in lines[number + 2].split("|")]
        fields = []
        for below in lines[number + 3:]:
            if "#----Indexes------" in below or below.strip() == "#":
                break
            if "F=" in below:
                cells = [cell.strip().replace("F=", "") for cell in below.strip().split("|")]
                fields.append(tuple((cells + [""] * 5)[:5]))
        tables[parts[3].upper()] = (parts[3], parts[1], name, fields)
    return tables


def readable_names(names, owns):
    """Names equal ignoring case, among themselves or with another item's own name, get the own name appended."""
    result = []
    for i, name in enumerate(names):
        clash = sum(fold(other) == fold(name) for other in names) > 1 or any(
            fold(own) == fold(name) for j, own in enumerate(owns) if j != i)
        result.append("%s (%s)" % (name, owns[i]) if clash else name)
    return result


def column_names(columns, fields):
    described = {fold(field[0]): field for field in fields}
    names = []
    for column in columns:
        field = described.get(fold(column))
        description = field[1] if field else ""
        names.append(description[3:].strip() if description.startswith("(P)") and description[3:].strip() else column)
    return readable_names(names, columns)


def value(field_type, raw):
    """A field's value by the rules: (kind, python value)."""
    if field_type == "C":
        return raw.rstrip(b" \0").decode("cp1251")
    text = raw.strip(b" \0").decode("cp1251")
    if field_type == "N":
        if text == "":
            return None
        return ("number", text) if re.fullmatch(r"[+-]?(\d+\.?\d*|\.\d+)", text) else text
    if field_type == "D":
        if text == "":
            return None
        if re.fullmatch(r"\d{8}", text):
            try:
                import datetime
                datetime.date(int(text[:4]), int(text[4:6]), int(text[6:]))
                return "%s-%s-%s" % (text[:4], text[4:6], text[6:])
            except ValueError:
                pass
        return raw.rstrip(b" \0").decode("cp1251")
    return raw.decode("cp1251")
