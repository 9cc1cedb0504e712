#!/bin/sh
# Runs check-base-data.py with Debian's Python, where Debian's python3-dbfread is installed (another Python
# first on PATH would not see it); exits 77, which CTest counts as skipped, where either is missing.
#   check-base-data.sh DDVIEW FOLDER [--no-sqlite]
if [ ! -x /usr/bin/python3 ]; then
  echo "/usr/bin/python3 is missing: skipped"
  exit 77
fi
exec /usr/bin/python3 "$(dirname "$0")/check-base-data.py" "$@"
