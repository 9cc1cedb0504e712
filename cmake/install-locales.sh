#!/usr/bin/env bash
# Generates the Unix locales that the Windows tests run Wine under, when they are missing. Wine takes
# its ANSI code page from LC_ALL, and the encoding of file names on the Unix side from the locale
# itself: without the locale no file or folder named beyond ASCII can be made or opened.
#   cmake/install-locales.sh LOCALE...   (as root; for example ru_RU.UTF-8)
set -euo pipefail
missing=()
for locale in "$@"; do
  locale -a 2>/dev/null | grep -qx "${locale%%.*}.utf8" || missing+=("$locale")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0
echo "Generating locales: ${missing[*]}"
sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"
for locale in "${missing[@]}"; do
  grep -qx "$locale UTF-8" /etc/locale.gen || echo "$locale UTF-8" | $sudo tee -a /etc/locale.gen >/dev/null
done
$sudo locale-gen >/dev/null
