#!/usr/bin/env bash
# ddview as a script sees it: exit statuses, messages on stderr, bytes on stdout.
#   ddview_program_test.sh DDVIEW SAMPLES_DIR [REAL_DICTIONARIES_DIR]
# DDVIEW_EMULATOR, when set, is the program that runs DDVIEW (qemu-i386-static for a 32-bit build).
set -u
program=$1 samples=$2 real=${3:-}
ddview() { ${DDVIEW_EMULATOR:-} "$program" "$@"; }
failures=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

expect() {  # expect STATUS STDERR-PATTERN -- ARGS...
  local status=$1 pattern=$2; shift 3
  local err actual
  err=$(ddview "$@" 2>&1 >/dev/null); actual=$?
  if [[ $actual -ne $status || ! "$err" =~ $pattern ]]; then
    echo "FAIL: ddview $* -> status $actual, stderr '$err' (wanted $status, /$pattern/)"
    failures=$((failures + 1))
  fi
}

printf '' >"$work/empty.DD"
printf '   \r\n\t\r\n' >"$work/blank.DD"
head -c 100000 /dev/urandom >"$work/binary.DD"
printf '#==TABLE no 1\nx\nT|a|b|c\n' >"$work/one.DD"
chmod 000 "$work/one.DD"; cp "$work/one.DD" "$work/probe" 2>/dev/null && unreadable=no || unreadable=yes

expect 0 '' -- list "$samples/1Cv7.DD"
expect 0 '' -- list "$samples/1Cv7.DD" --raw
expect 0 '' -- --help
expect 2 'usage' --
expect 2 'usage' -- list
expect 2 'usage' -- bogus "$samples/1Cv7.DD"
expect 2 'usage' -- show "$samples/1Cv7.DD" x
expect 2 'usage' -- list "$samples/1Cv7.DD" --frob
expect 1 "^ddview: $work/missing.DD: File not found\$" -- list "$work/missing.DD"
expect 1 "^ddview: $work: this is a folder; name the file in it, such as $work/1Cv7.DD\$" -- list "$work"
expect 1 "^ddview: $work/no/1Cv7.DD: no such folder: $work/no\$" -- list "$work/no/1Cv7.DD"
expect 1 "^ddview: $work/empty.DD: not a data dictionary: no table marker \\(\"#==TABLE no\"\\) in its first 64 KB\$" -- list "$work/empty.DD"
expect 1 "not a data dictionary: no table marker \\(\"#==TABLE no\"\\) in its first 64 KB\$" -- list "$work/blank.DD"
expect 1 "^ddview: $samples/1Cv7.DD: no table 99: the dictionary has 21 tables, numbered 0 to 20\$" -- show "$samples/1Cv7.DD" 99
expect 1 "^ddview: $work/no/x.txt: no such folder: $work/no\$" -- export "$samples/1Cv7.DD" 0 "$work/no/x.txt"
expect 1 "^ddview: /dev/full: Disk full\$" -- export "$samples/1Cv7.DD" 0 /dev/full
[[ $unreadable == yes ]] && expect 1 "File access denied\$" -- list "$work/one.DD"
ddview list "$work/binary.DD" >/dev/null 2>&1
[[ $? -le 1 ]] || { echo "FAIL: binary file: status $?"; failures=$((failures + 1)); }

# --raw gives the dictionary's bytes; the default gives the same text in UTF-8.
ddview list --raw "$samples/1Cv7.DD" | iconv -f CP1251 -t UTF-8 >"$work/raw.txt"
ddview list "$samples/1Cv7.DD" >"$work/utf8.txt"
cmp -s "$work/raw.txt" "$work/utf8.txt" || { echo "FAIL: --raw and UTF-8 outputs differ"; failures=$((failures + 1)); }

# The export writes the same bytes each time and names the file it could not write.
ddview export "$samples/1Cv7.DDS" 2 "$work/t.txt" && [[ $(head -c 3 "$work/t.txt") == "SQL" ]] ||
  { echo "FAIL: export"; failures=$((failures + 1)); }
# The bytes of chosen tables are pinned beside the tests (tests/fixtures/outputs/, next to samples/).
for pinned in 1Cv7.DD:19 1Cv7.DDS:3; do
  ddview export "$samples/${pinned%:*}" "${pinned#*:}" "$work/pinned.txt" &&
    cmp -s "$work/pinned.txt" "$samples/../tests/fixtures/outputs/${pinned%:*}.export-${pinned#*:}.txt" ||
    { echo "FAIL: export of $pinned"; failures=$((failures + 1)); }
done

# The version, each command's help, and the JSON forms' bad combinations.
printed() { ddview "$@" 2>/dev/null; }
[[ $(printed --version) =~ ^ddview\ [0-9]+\.[0-9]+\.[0-9]+$ ]] || { echo "FAIL: --version"; failures=$((failures + 1)); }
for command in list show find export dump diff; do
  [[ $(printed "$command" --help) == *"Usage: ddview $command"* ]] || { echo "FAIL: $command --help"; failures=$((failures + 1)); }
done
expect 0 '' -- show "$samples/1Cv7.DD" 0 --help
expect 2 'usage' -- dump "$samples/1Cv7.DD" --raw
expect 2 'usage' -- list "$samples/1Cv7.DD" --json --raw
expect 2 'usage' -- export "$samples/1Cv7.DD" 0 "$work/t.txt" --json
expect 2 'usage' -- dump
expect 1 "^ddview: $work/empty.DD: not a data dictionary: no table marker \\(\"#==TABLE no\"\\) in its first 64 KB\$" -- dump "$work/empty.DD"
expect 1 "^ddview: $samples/1Cv7.DDS: no table 19: the dictionary has 19 tables, numbered 0 to 18\$" -- show "$samples/1Cv7.DDS" 19 --json
[[ $(printed dump "$samples/1Cv7.DDS" | head -n 1) == '{"edition":"SQL","tables":[' ]] ||
  { echo "FAIL: dump's first line"; failures=$((failures + 1)); }
[[ $(printed show "$samples/1Cv7.DD" 0 --json) == '{"number":0,"description":"Соединений","identifier":"1SUSERS    ",'* ]] ||
  { echo "FAIL: show --json"; failures=$((failures + 1)); }
[[ $(printed find "$samples/1Cv7.DD" nosuchtext --json) == '[]' ]] || { echo "FAIL: find --json of nothing"; failures=$((failures + 1)); }
# A pipe is read as it comes, and so is a file named by its descriptor.
[[ $(cat "$samples/1Cv7.DD" | ddview list /dev/stdin | wc -l) -eq 21 ]] || { echo "FAIL: list of a pipe"; failures=$((failures + 1)); }

# A reader that goes away early (head) ends ddview quietly, as it ends cat: by SIGPIPE, or with SIGPIPE
# ignored (as some script runners start their children) on the failed write, with the same status.
big="$work/big.DD"
for ((n = 0; n < 20000; n++)); do printf '#==TABLE no %d : t\n#\nT=SC%d|Table %d|A|SC%d|1\n' $n $n $n $n; done >"$big"
for trap_pipe in default ignored; do
  if [[ $trap_pipe == ignored ]]; then
    statuses=$( (trap '' PIPE; ddview list "$big" 2>"$work/err"; echo "status $?" >"$work/status") | head -n 1 >/dev/null; cat "$work/status")
  else
    statuses=$( (ddview list "$big" 2>"$work/err"; echo "status $?" >"$work/status") | head -n 1 >/dev/null; cat "$work/status")
  fi
  [[ $statuses == "status 141" && ! -s "$work/err" ]] ||
    { echo "FAIL: closed pipe, SIGPIPE $trap_pipe: $statuses, stderr '$(cat "$work/err")'"; failures=$((failures + 1)); }
done

# A base's tables: broken ones fail with what is wrong and print no row; a table cut short gives its whole
# records and a note; ddview sqlite of a base with a broken table leaves no database, and refuses to replace one.
base="$work/base"
mkdir "$base"
cp "$samples/base/"*.DBF "$samples/base/1Cv7.DD" "$base/"
expect 0 '' -- data "$base/SC167.DBF"
expect 1 "^ddview: $work/missing.DD: File not found\$" -- data "$base/SC167.DBF" --dictionary "$work/missing.DD"
expect 0 'does not list SC999' -- data "$base/SC999.DBF"
expect 2 'usage' -- data "$base/SC167.DBF" --csv --json
expect 1 "^ddview: $base: this is a folder; name the file in it, such as $base/SC167.DBF\$" -- data "$base"
cp "$base/SC167.DBF" "$work/SC167.DBF"
expect 0 "^ddview: $work/SC167.DBF: no dictionary \(1Cv7.DD\) beside it: the columns keep their own names\$" -- data "$work/SC167.DBF"
printf '' >"$work/empty.DBF"
{ printf 'Z'; head -c 4999 /dev/urandom; } >"$work/random.DBF"  # Z: no dBase version byte
head -c 100 "$base/DT3050.DBF" >"$work/short.DBF"
python3 -c "import sys; d=bytearray(open(sys.argv[1],'rb').read()); d[10]+=1; open(sys.argv[2],'wb').write(d)" \
  "$base/DT3050.DBF" "$work/lying.DBF"
for broken in empty random short lying; do
  expect 1 "^ddview: $work/$broken.DBF: [A-Z].*" -- data "$work/$broken.DBF" --dictionary "$base/1Cv7.DD"
  [[ -z $(ddview data "$work/$broken.DBF" --dictionary "$base/1Cv7.DD" 2>/dev/null) ]] ||
    { echo "FAIL: data of $broken.DBF printed something"; failures=$((failures + 1)); }
done
size=$(wc -c <"$base/DT3050.DBF")
head -c $((size - 40)) "$base/DT3050.DBF" >"$work/cut.DBF"
records=$(ddview data "$work/cut.DBF" --dictionary "$base/1Cv7.DD" --deleted 2>"$work/err" | wc -l)
[[ $records -eq 20 && $(cat "$work/err") == *"holds 19 whole records where its header counts 20"* ]] ||
  { echo "FAIL: a table cut short: $records lines, '$(cat "$work/err")'"; failures=$((failures + 1)); }
if ddview sqlite --help | grep -q 'has no SQLite'; then
  expect 2 'no SQLite' -- sqlite "$base" "$work/base.db"
else
  expect 0 'no file for RA3060' -- sqlite "$base" "$work/base.db"
  expect 1 "^ddview: $work/base.db: the database exists already: give --force to replace it\$" -- sqlite "$base" "$work/base.db"
  expect 0 '' -- sqlite "$base" "$work/base.db" --force --deleted
  cp "$work/random.DBF" "$base/SC210.DBF"
  expect 1 "^ddview: $base/SC210.DBF: The file is no dBase table" -- sqlite "$base" "$work/broken.db"
  [[ -z $(ls "$work" | grep broken.db) ]] || { echo "FAIL: a failed sqlite left a file"; failures=$((failures + 1)); }
  expect 1 "no dictionary \(1Cv7.DD\) in the folder" -- sqlite "$work" "$work/other.db"
fi
[[ $(ddview views --help) == *"CREATE VIEW"* ]] || { echo "FAIL: views --help"; failures=$((failures + 1)); }
[[ $(ddview views "$samples/1Cv7.DDS" | grep -c '^CREATE VIEW') -eq 19 ]] || { echo "FAIL: views"; failures=$((failures + 1)); }
expect 2 'usage' -- views "$samples/1Cv7.DDS" --dialect mysql

# diff answers as diff(1) does: 0 equal, 1 different, 2 trouble (a file it cannot read, a bad command line).
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
expect 0 '' -- diff "$samples/1Cv7.DD" "$samples/1Cv7.DD"
[[ -z $(printed diff "$samples/1Cv7.DD" "$samples/1Cv7.DD") ]] || fail "diff of a dictionary with itself prints"
expect 1 '' -- diff "$samples/1Cv7.DD" "$samples/1Cv7.DDS"
[[ $(printed diff "$samples/1Cv7.DD" "$samples/1Cv7.DDS" | head -n 1) == "# DBF edition → SQL edition"* ]] ||
  fail "diff of two editions: first line"
expect 1 '' -- diff "$samples/base/1Cv7.DD" "$samples/base"
expect 2 "^ddview: $work/missing.DD: File not found\$" -- diff "$work/missing.DD" "$samples/1Cv7.DD"
expect 2 "^ddview: $work/missing.DD: File not found\$" -- diff "$samples/1Cv7.DD" "$work/missing.DD"
expect 2 "^ddview: $work/no/1Cv7.DD: no such folder: $work/no\$" -- diff "$samples/1Cv7.DD" "$work/no/1Cv7.DD"
expect 2 "^ddview: $samples/base: this is a folder; name the file in it, such as $samples/base/1Cv7.DD\$" -- \
  diff "$samples/base" "$samples/base"
expect 2 "^ddview: $work/empty.DD: not a data dictionary" -- diff "$samples/1Cv7.DD" "$work/empty.DD"
expect 2 'usage' -- diff "$samples/1Cv7.DD"
expect 2 'usage' -- diff "$samples/1Cv7.DD" "$samples/1Cv7.DD" --raw
ddview diff "$samples/1Cv7.DD" "$samples/1Cv7.DDS" >/dev/full 2>"$work/err"
[[ $? -eq 2 && $(cat "$work/err") == "ddview: <stdout>: Disk full" ]] || fail "diff to a full disk"
# The sample base against its dictionary, whole: a column added and one removed, a file the dictionary does not
# list, a table without a file.
cat >"$work/base.txt" <<'TEXT'
~ SC185     Справочник Номенклатура
    + SP189                          C 10 0
    - SP190     (P)Штрихкод          C 13 0
+ SC999
- RA3060    Регистр ОстаткиТоваров
TEXT
printed diff "$samples/base/1Cv7.DD" "$samples/base" | cmp -s - "$work/base.txt" || fail "diff of the sample base"
# A table's file that holds no dBase table is reported, and the others are compared all the same.
cp -r "$samples/base" "$work/diffbase"
printf 'these bytes are no dBase table, only some text\n' >"$work/diffbase/SC167.DBF"
ddview diff "$samples/base/1Cv7.DD" "$work/diffbase" >"$work/out.txt" 2>"$work/err"
[[ $? -eq 2 && $(cat "$work/err") == "ddview: $work/diffbase/SC167.DBF: The file is no dBase table: its first byte is 0x74,"* ]] ||
  fail "diff of a base with a broken table: $(cat "$work/err")"
cmp -s "$work/out.txt" "$work/base.txt" || fail "diff of a base with a broken table: the others"
# The JSON holds what a reading of its own of the two dumps finds.
check_with_dumps() {  # check_with_dumps OLD NEW
  command -v python3 >/dev/null || return 0
  printed dump "$1" >"$work/old.json" && printed dump "$2" >"$work/new.json" && printed diff --json "$1" "$2" >"$work/diff.json"
  python3 "$(dirname "$0")/check-diff-with-dumps.py" "$work/old.json" "$work/new.json" "$work/diff.json" ||
    fail "diff --json $1 $2 against the dumps"
}
check_with_dumps "$samples/1Cv7.DD" "$samples/1Cv7.DDS"
check_with_dumps "$samples/1Cv7.DD" "$samples/base/1Cv7.DD"

# Real dictionaries: every table shows, and the list has one line per marker.
if [[ -n "$real" && -d "$real" ]]; then
  for file in "$real"/*.DD; do
    tables=$(grep -c -F '#==TABLE no' "$file")
    [[ $(ddview list "$file" | wc -l) -eq $tables ]] || { echo "FAIL: list $file"; failures=$((failures + 1)); }
    for ((n = 0; n < tables; n++)); do
      ddview show "$file" $n >/dev/null || { echo "FAIL: show $file $n"; failures=$((failures + 1)); }
    done
    [[ $(ddview dump "$file" | grep -c '^{"number":') -eq $tables ]] || { echo "FAIL: dump $file"; failures=$((failures + 1)); }
    # diff: nothing against itself; against a copy without its first field, that field alone.
    ddview diff "$file" "$file" >"$work/out.txt"; status=$?
    [[ $status -eq 0 && ! -s "$work/out.txt" ]] || fail "diff $file with itself: status $status"
    field=$(grep -a -m 1 '^F=' "$file" | cut -d'|' -f1 | cut -c3- | tr -d ' ')
    sed '0,/^F=/{/^F=/d}' "$file" >"$work/copy.DD"
    ddview diff "$file" "$work/copy.DD" >"$work/out.txt"; status=$?
    [[ $status -eq 1 && $(wc -l <"$work/out.txt") -eq 2 && $(tail -n 1 "$work/out.txt") == "    - $field "* ]] ||
      fail "diff $file without $field: status $status, $(cat "$work/out.txt")"
  done
  check_with_dumps "$real/artamir__tks__1Cv7.DD" "$real/nasta-sap__cats__1Cv7.DD"
  check_with_dumps "$real/nasta-sap__cats__1Cv7.DD" "$real/artamir__tks__1Cv7.DD"
fi

[[ $failures -eq 0 ]] && echo "all ddview program checks passed"
exit $((failures > 0))
