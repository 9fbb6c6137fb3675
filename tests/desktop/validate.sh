#!/bin/sh
# Runs a validator (desktop-file-validate, appstreamcli) on one file: any complaint fails the test.
# Usage: validate.sh VALIDATOR [ARGS...] FILE
set -u
if ! command -v "$1" >/dev/null 2>&1; then
  echo "$1 is not installed (scripts/install-deps installs it)"; exit 1
fi
out=$("$@" 2>&1)
code=$?
echo "$out"
if [ "$code" -ne 0 ]; then echo "$1 failed with exit code $code"; exit 1; fi
# desktop-file-validate exits 0 on warnings and hints; they count as failures here.
if [ "$1" = desktop-file-validate ] && [ -n "$out" ]; then exit 1; fi
exit 0
