#!/bin/sh
# The command line must start without Qt: every other command than the year
# calendar would pay for loading it.
set -eu
if ldd "$1" | grep -i 'libQt'; then
  echo "$1 lädt Qt" >&2
  exit 1
fi
