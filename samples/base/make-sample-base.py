#!/usr/bin/env python3
"""Writes the sample base: a dictionary 1Cv7.DD and the DBF tables beside it, as the platform keeps them.

    make-sample-base.py [FOLDER]      (default: the folder of this script)

Everything here is invented: no real business data. The output is the same on every run (no clock, no random
numbers), so the committed files can be checked against a fresh run. Standard library only.

The tables are dBase III (first byte 0x03, no memo), code-page byte 0, texts in Windows-1251, one 0x1A after
the last record, as the platform writes them. The base holds on purpose what a reader of a base meets:
  - SC167 (catalog): a "(P)" comment of C 300, stored as length 44 with 1 in the decimals' place; a deleted
    row; an empty date; a text with a double quote, a comma and a TAB; right-aligned identifiers with leading
    blanks ("     1   "); negative and fractional numbers;
  - SC185: a column in the file that the dictionary lacks (SP189) and a field of the dictionary that has no
    column in the file (SP190);
  - SC210 and SC215: equal 30-character list descriptions, different whole names;
  - DH3050: a 23-character reference SP3024 with its companion TSP3024 (C 1, described without "(P)"), and
    two properties whose readable names are equal but for letter case (SP3019, SP3120);
  - DT3050: a whole name (marker line) longer than 30 characters;
  - 1SJOURN, 1SCONST: system tables without "(P)" fields, 1SCONST with a date column;
  - RA3060: listed in the dictionary, no file; SC999.DBF: a file the dictionary does not list.
"""

import os
import struct
import sys

UPDATED = (2024, 3, 15)  # the tables' "last update" date in their headers
ENCODING = "cp1251"


def base36(number):
    digits = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"
    text = ""
    while True:
        number, digit = divmod(number, 36)
        text = digits[digit] + text
        if number == 0:
            return text


def object_id(number, suffix="   "):
    """An object's identifier: six base-36 characters right-aligned and a three-character suffix."""
    return base36(number).rjust(6) + suffix


def kind_id(number):
    """A metadata object's identifier (a document kind, a journal): four base-36 characters right-aligned."""
    return base36(number).rjust(4)


# Field: (name, description, type, length, precision); a table's fields are in its file's column order.
def field(name, description, kind, length, precision=0):
    return (name, description, kind, length, precision)


CATALOG_HEAD = [
    field("ID", "ID object", "C", 9),
    field("PARENTID", "ID parent obj", "C", 9),
    field("CODE", "object code", "C", 8),
    field("DESCR", "object description", "C", 50),
    field("ISFOLDER", "Flag - is Line - Fol", "N", 1),
    field("ISMARK", "Flag Object is Marke", "C", 1),
    field("VERSTAMP", "Version stamp", "N", 6),
]


class Table:
    def __init__(self, identifier, whole_name, fields, indexes, rows=None, file_only=(), dictionary_only=()):
        self.identifier = identifier
        self.whole_name = whole_name
        self.fields = fields
        self.indexes = indexes  # (name, description, unique, fields)
        self.rows = rows  # (deleted, [value per column of the file]); None: no file
        self.file_only = set(file_only)  # columns of the file that the dictionary lacks
        self.dictionary_only = set(dictionary_only)  # fields of the dictionary without a column

    def dictionary_fields(self):
        return [f for f in self.fields if f[0] not in self.file_only]

    def file_fields(self):
        return [f for f in self.fields if f[0] not in self.dictionary_only]


# --- The tables' rows --------------------------------------------------------------------------------------

COUNTERPARTIES = [
    # (number, parent, is folder, name, tax number, comment, credit limit, contract date)
    (1, 0, 1, "Покупатели", "", "", "", ""),
    (2, 0, 1, "Поставщики", "", "", "", ""),
    (3, 1, 2, "ООО \"Вектор, Плюс\"\tфилиал", "7701000011", "Кавычки, запятая и табуляция в имени", "150000.00",
     "20230110"),
    (4, 1, 2, "ИП Соколова А. В.", "500100000022", "", "-2500.50", ""),
    (5, 1, 2, "АО «Северная звезда»", "7802000033", "Договор продлён до конца года; отгрузка по предоплате. "
     "Контактное лицо: Лебедев, отдел снабжения, доб. 214.", "0.01", "20240229"),
    (6, 2, 2, "ООО Луч", "3900000044", "", "0.00", "19991231"),
    (7, 2, 2, "ЗАО Меридиан", "6600000055", "", "-0.75", "20220701"),
    (8, 1, 2, "Кафе «Ромашка»", "2300000066", "Удалённый элемент: строка помечена звёздочкой", "1000.00",
     "20210315"),
    (9, 2, 2, "ООО Гранит-Строй", "5400000077", "", "99999999999.99", "20240101"),
    (10, 1, 2, "Магазин №1", "1600000088", "", "12.5", ""),
    (11, 1, 2, "Магазин №2", "1600000099", "", "-12.50", "20231130"),
    (12, 2, 2, "Типография Орбита", "7700000101", "Длинный комментарий. " * 14, "300.00", "20200229"),
    (13, 1, 2, "Пекарня у дома", "", "", "", "20240315"),
    (14, 2, 2, "ООО Альфа", "7700000112", "", "5000", "20240105"),
    (15, 1, 2, "ООО Бета", "7700000123", "", "-5000", "20240106"),
    (16, 0, 1, "Прочие", "", "", "", ""),
    (17, 16, 2, "Частное лицо", "", "", "", ""),
    (18, 16, 2, "Фонд «Открытая дверь»", "7700000134", "", "1.005", "20181010"),
]
DELETED_COUNTERPARTY = 8


def counterparty_rows():
    rows = []
    for number, parent, is_folder, name, tax, comment, limit, contract in COUNTERPARTIES:
        code = str(number).rjust(8)
        rows.append((number == DELETED_COUNTERPARTY,
                     [object_id(number), object_id(parent), code, name, str(is_folder),
                      "*" if number == DELETED_COUNTERPARTY else " ", str(100 + number), tax, comment.strip(), limit,
                      contract]))
    return rows


GOODS = [
    # (number, parent, is folder, name, article, price, unit)
    (1, 0, 1, "Канцтовары", "", "", ""),
    (2, 0, 1, "Бумага", "", "", ""),
    (3, 1, 2, "Ручка шариковая синяя", "РШ-01", "15.90", "шт"),
    (4, 1, 2, "Карандаш НВ", "К-НВ", "7.50", "шт"),
    (5, 1, 2, "Степлер №24", "СТ-24", "245.00", "шт"),
    (6, 2, 2, "Бумага А4, 500 листов", "Б-А4", "389.00", "пачка"),
    (7, 2, 2, "Бумага А3", "Б-А3", "712.40", "пачка"),
    (8, 1, 2, "Скрепки 28 мм", "СК-28", "32.10", "уп"),
    (9, 1, 2, "Ластик", "Л-1", "9.00", "шт"),
    (10, 2, 2, "Блокнот в клетку", "БЛ-К", "64.00", "шт"),
    (11, 1, 2, "Маркер \"Текст\"", "М-Т", "55.55", "шт"),
    (12, 2, 2, "Конверт С5", "К-С5", "3.20", "шт"),
]


def goods_rows():
    rows = []
    for number, parent, is_folder, name, article, price, unit in GOODS:
        rows.append((False,
                     [object_id(number, "ЦБ "), object_id(parent, "ЦБ " if parent else "   "), str(number).rjust(8),
                      name, str(is_folder), " ", str(200 + number), article, price, unit,
                      # SP189, a column that only the file has: a stock-keeping note.
                      "note " + str(number) if number % 3 == 0 else ""]))
    return rows


DOCUMENT_KIND = 3050
JOURNAL = 3070
DOCUMENTS = [
    # (number, date, time ticks, counterparty, sum, payment date, comment, basis document)
    (1, "20240301", 36000, 3, "1500.00", "20240315", "", 0),
    (2, "20240301", 43210, 4, "-250.50", "", "Возврат: сумма отрицательная", 1),
    (3, "20240302", 30000, 5, "0.10", "20240401", "", 0),
    (4, "20240304", 50000, 6, "123456789.01", "", "Крупная отгрузка", 3),
    (5, "20240305", 1, 7, "0.00", "", "", 0),
    (6, "20240305", 86399, 9, "-0.01", "20240310", "Копейка в минус", 5),
    (7, "20240307", 40000, 10, "77.70", "", "", 0),
    (8, "20240311", 41000, 11, "12.50", "20240312", "Запятая, \"кавычки\" и\tтабуляция", 0),
    (9, "20240312", 42000, 14, "5000.00", "", "", 8),
    (10, "20240314", 43000, 15, "-5000.00", "", "", 9),
]
LINES = [
    # (document, goods, quantity, price)
    (1, 3, "10", "15.90"), (1, 6, "2.5", "389.00"), (1, 9, "100", "9.00"),
    (2, 4, "-3", "7.50"),
    (3, 5, "1", "245.00"), (3, 8, "0.125", "32.10"),
    (4, 6, "1000", "389.00"), (4, 7, "250.000", "712.40"), (4, 10, "1", "64.00"), (4, 12, "3", "3.20"),
    (5, 9, "0", "9.00"),
    (6, 11, "-1", "0.01"),
    (7, 3, "4.2", "15.90"), (7, 11, "1", "55.55"),
    (8, 12, "12.5", "1.00"),
    (9, 6, "10", "389.00"), (9, 7, "2", "712.40"), (9, 5, "4", "245.00"),
    (10, 6, "-10", "389.00"), (10, 7, "-2", "712.40"),
]
DELETED_LINE = (4, 3)  # document 4, line 3: deleted


def reference(document):
    """A reference of no fixed kind (23 characters): the kind letter, the document kind and the document."""
    if document == 0:
        return ""
    return "O1" + kind_id(DOCUMENT_KIND) + object_id(document, "ЦБ ") + " " * 8


def document_rows():
    rows = []
    for number, _date, _time, counterparty, total, paid, comment, basis in DOCUMENTS:
        # SP3120, "(P)контрагент": the consignee, another counterparty.
        consignee = object_id(counterparty + 1 if counterparty < 18 else 1)
        rows.append((False, [object_id(number, "ЦБ "), object_id(counterparty), consignee, total, paid, comment,
                             reference(basis), "O" if basis else " "]))
    return rows


def multiply(quantity, price):
    """quantity x price to two places, in whole hundredths: exact, without binary floats."""
    def hundredths_and_scale(text):
        whole, _, fraction = text.partition(".")
        return int(whole + fraction), len(fraction)
    q, q_scale = hundredths_and_scale(quantity)
    p, p_scale = hundredths_and_scale(price)
    product, scale = q * p, q_scale + p_scale
    cents = (abs(product) * 100 + 10 ** scale // 2) // 10 ** scale  # rounded half up
    sign = "-" if product < 0 and cents else ""
    return sign + str(cents // 100) + "." + str(cents % 100).rjust(2, "0")


def line_rows():
    rows = []
    line_numbers = {}
    for document, goods, quantity, price in LINES:
        line = line_numbers.get(document, 0) + 1
        line_numbers[document] = line
        rows.append(((document, line) == DELETED_LINE,
                     [object_id(document, "ЦБ "), str(line), object_id(goods, "ЦБ "), quantity, price,
                      multiply(quantity, price)]))
    return rows


def journal_rows():
    rows = []
    for number, date, ticks, _counterparty, _total, _paid, _comment, _basis in DOCUMENTS:
        closed = "1" if number % 4 else "0"
        marked = "*" if number == 5 else " "
        rows.append((False, [kind_id(JOURNAL), object_id(number, "ЦБ "), kind_id(DOCUMENT_KIND), "0", date,
                             base36(ticks).rjust(6), "ЦБ", ("РН" + str(number).rjust(8, "0")), closed, marked,
                             str(number), str(number * 3)]))
    return rows


def constant_rows():
    values = [
        # (constant, date, value): a constant without a history keeps an empty date
        (2301, "", "ООО «Учебная фирма»"),
        (2302, "", "7700000000"),
        (2303, "20240101", "20"),
        (2303, "20190101", "20"),
        (2303, "20040101", "18"),
        (2304, "", "г. Энск, ул. Новая, 1"),
        (2305, "20240301", "Иванов И. И."),
        (2305, "20230115", "Петров П. П."),
        (2306, "", object_id(1, "ЦБ ")),
        (2307, "", "\"Кавычки\", запятая"),
    ]
    rows = []
    for index, (constant, date, value) in enumerate(values):
        rows.append((False, [object_id(0), kind_id(constant), date, "0", value, object_id(0), "",
                             "0", str(index % 3), "   "]))
    return rows


def small_catalog_rows(prefix, count):
    return [(False, [object_id(n), str(n).rjust(5), prefix + " " + str(n), object_id(n + 100)]) for n in
            range(1, count + 1)]


# --- The base ----------------------------------------------------------------------------------------------

TABLES = [
    Table("1SCONST", "Константы", [
        field("OBJID", "ID obj(0-cons )", "C", 9),
        field("ID", "ID parameter", "C", 4),
        field("DATE", "Fix date", "D", 8),
        field("PARTNO", "no of part", "N", 3),
        field("VALUE", "valume", "C", 23),
        field("DOCID", "ID Document", "C", 9),
        field("TIME", "Time", "C", 6),
        field("ACTNO", "Action No", "N", 6),
        field("LINENO", "LineNo", "N", 4),
        field("TVALUE", "", "C", 3),
    ], [("IDD", "", "0", "ID,OBJID,DATE,TIME,DOCID,PARTNO"), ("DOC", "", "0", "DOCID,ACTNO,PARTNO")],
        constant_rows()),
    Table("1SJOURN", "Журналы", [
        field("IDJOURNAL", "ID of Journal", "C", 4),
        field("IDDOC", "ID Document", "C", 9),
        field("IDDOCDEF", "ID Def Document", "C", 4),
        field("APPCODE", "Application code", "N", 3),
        field("DATE", "date", "D", 8),
        field("TIME", "Time", "C", 6),
        field("DNPREFIX", "Prefix Document No", "C", 18),
        field("DOCNO", "Document No", "C", 10),
        field("CLOSED", "Flag Document is Clo", "N", 1),
        field("ISMARK", "Flag Document is Mar", "C", 1),
        field("ACTCNT", "Action counter", "N", 6),
        field("VERSTAMP", "Version stamp", "N", 6),
    ], [("IDDOC", "Id Doc", "0", "IDDOC"), ("ACDATETIM", "Date+Time+ID", "0", "DATE,TIME,IDDOC"),
        ("DOCTYPE", "Type+Date+Time", "0", "IDDOCDEF,DATE,TIME,IDDOC")],
        journal_rows()),
    Table("SC167", "Справочник Контрагенты", CATALOG_HEAD + [
        field("SP168", "(P)ИНН", "C", 12),
        field("SP169", "(P)Комментарий", "C", 300),
        field("SP170", "(P)КредитныйЛимит", "N", 14, 2),
        field("SP171", "(P)ДатаДоговора", "D", 8),
    ], [("ID", "Key", "1", "ID"), ("PARENTIDX", "", "0", "PARENTID,ID"), ("DESCR", "", "0", "DESCR(UPPER)")],
        counterparty_rows()),
    Table("SC185", "Справочник Номенклатура", CATALOG_HEAD + [
        field("SP186", "(P)Артикул", "C", 25),
        field("SP187", "(P)ЦенаПродажи", "N", 14, 2),
        field("SP188", "(P)ЕдиницаИзмерения", "C", 9),
        field("SP189", "", "C", 10),
        field("SP190", "(P)Штрихкод", "C", 13),
    ], [("ID", "Key", "1", "ID"), ("PARENTIDX", "", "0", "PARENTID,ID")],
        goods_rows(), file_only=["SP189"], dictionary_only=["SP190"]),
    Table("SC210", "Справочник СоответствияОбъектов", [
        field("ID", "ID object", "C", 9),
        field("CODE", "object code", "C", 5),
        field("DESCR", "object description", "C", 25),
        field("SP211", "(P)Объект", "C", 9),
    ], [("ID", "Key", "1", "ID")], small_catalog_rows("Соответствие", 4)),
    Table("SC215", "Справочник СоответствияОбъектовРИБ", [
        field("ID", "ID object", "C", 9),
        field("CODE", "object code", "C", 5),
        field("DESCR", "object description", "C", 25),
        field("SP216", "(P)УзелРИБ", "C", 9),
    ], [("ID", "Key", "1", "ID")], small_catalog_rows("Узел", 3)),
    Table("DH3050", "Документ РасходнаяНакладная", [
        field("IDDOC", "ID Document", "C", 9),
        field("SP3019", "(P)Контрагент", "C", 9),
        field("SP3120", "(P)контрагент", "C", 9),
        field("SP3021", "(P)Сумма", "N", 15, 2),
        field("SP3022", "(P)ДатаОплаты", "D", 8),
        field("SP3023", "(P)Комментарий", "C", 100),
        field("SP3024", "(P)Основание", "C", 23),
        field("TSP3024", "Kind of SP3024", "C", 1),
    ], [("IDDOC", "Key", "1", "IDDOC"), ("SP3019X", "", "0", "SP3019,IDDOC")], document_rows()),
    Table("DT3050", "Документ (мн.ч.) РасходнаяНакладная", [
        field("IDDOC", "ID Document", "C", 9),
        field("LINENO", "LineNo", "N", 4),
        field("SP3031", "(P)Номенклатура", "C", 9),
        field("SP3032", "(P)Количество", "N", 14, 3),
        field("SP3033", "(P)Цена", "N", 14, 2),
        field("SP3034", "(P)Сумма", "N", 15, 2),
    ], [("IDLINE", "of IDDOC+LineN", "0", "IDDOC,LINENO")], line_rows()),
    Table("RA3060", "Регистр ОстаткиТоваров", [
        field("IDDOC", "ID Document", "C", 9),
        field("LINENO", "LineNo", "N", 4),
        field("ACTNO", "Action No", "N", 6),
        field("DEBKRED", "Flag Debit-Kredit", "N", 1),
        field("SP3061", "(P)Номенклатура", "C", 9),
        field("SP3062", "(P)Количество", "N", 14, 3),
    ], [("IDLINE", "", "0", "IDDOC,LINENO,ACTNO")]),
]

# A file named like a platform table that the dictionary does not list.
UNLISTED = Table("SC999", "Справочник Черновик", [
    field("ID", "ID object", "C", 9),
    field("CODE", "object code", "C", 5),
    field("DESCR", "object description", "C", 25),
    field("SP1000", "(P)Заметка", "C", 9),
], [], small_catalog_rows("Черновик", 3))


# --- Writing -----------------------------------------------------------------------------------------------

def padded(text, width):
    return text.ljust(width)


def dictionary_text():
    lines = ["#AccWare Data Dictionary", "D=DDV7120|AccWare Data Dictionary (DDCP=_CUSTOM)|", "#", "#"]
    for number, table in enumerate(TABLES):
        if number > 0:
            lines.append("#")
        lines.append("#" + "=" * 79)
        lines.append("#==TABLE no " + padded(str(number), 6) + " : " + table.whole_name)
        lines.append("# Name    |Descr                         |Type[A/S/U]|DBTableName|ReUsable  ")
        # The list shows the table line's description: the whole name cut to 30 characters.
        lines.append("T=" + padded(table.identifier, 8) + "|" + padded(table.whole_name[:30], 30) + "|A          |" +
                     padded(table.identifier, 11) + "|1         ")
        lines.append("#-----Fields-------")
        lines.append("# Name      |Descr               |Type|Length|Precision")
        for name, description, kind, length, precision in table.dictionary_fields():
            lines.append("F=" + padded(name, 10) + "|" + padded(description, 20) + "|" + padded(kind, 4) + "|" +
                         padded(str(length), 6) + "|" + padded(str(precision), 9))
        lines.append("#----Indexes------")
        lines.append("# Name     |Descr         |Unique|Indexed fields" + " " * 46 + "|DBName     ")
        for name, description, unique, fields in table.indexes:
            lines.append("I=" + padded(name, 9) + "|" + padded(description, 14) + "|" + padded(unique, 6) + "|" +
                         padded(fields, 60) + "|" + padded(name, 11))
    return ("\r\n".join(lines) + "\r\n").encode(ENCODING)


def field_bytes(kind, length, value):
    data = value.encode(ENCODING)
    if len(data) > length:
        raise ValueError("%r does not fit %d bytes" % (value, length))
    # Numbers are right-aligned; texts and dates are left-aligned, a blank date all blanks.
    return data.rjust(length) if kind == "N" else data.ljust(length)


def dbf_bytes(table):
    fields = table.file_fields()
    record_length = 1 + sum(f[3] for f in fields)
    header_length = 32 + 32 * len(fields) + 1
    year, month, day = UPDATED
    out = bytearray(struct.pack("<BBBBIHH20s", 0x03, year - 1900, month, day, len(table.rows), header_length,
                                record_length, b""))
    for name, _description, kind, length, precision in fields:
        # A text longer than 255 keeps its length's high byte where a number keeps its decimals.
        low, high = (length & 0xFF, length >> 8) if kind == "C" else (length, precision)
        out += struct.pack("<11sc4xBB14x", name.encode("ascii"), kind.encode("ascii"), low, high)
    out += b"\x0D"
    for deleted, values in table.rows:
        if len(values) != len(fields):
            raise ValueError("%s: %d values for %d columns" % (table.identifier, len(values), len(fields)))
        out += b"*" if deleted else b" "
        for (_name, _description, kind, length, _precision), value in zip(fields, values):
            out += field_bytes(kind, length, value)
    out += b"\x1A"
    return bytes(out)


def write(path, data):
    with open(path, "wb") as out:
        out.write(data)


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    os.makedirs(folder, exist_ok=True)
    write(os.path.join(folder, "1Cv7.DD"), dictionary_text())
    for table in TABLES + [UNLISTED]:
        if table.rows is not None:
            write(os.path.join(folder, table.identifier + ".DBF"), dbf_bytes(table))


if __name__ == "__main__":
    main()
