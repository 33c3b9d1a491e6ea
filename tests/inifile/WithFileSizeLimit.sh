#!/usr/bin/env bash
# Runs a command under a file size limit (in KB), with the signal for exceeding it ignored so
# that an oversized write fails like a write to a full disk.
set -eu
limit=$1
shift
trap '' XFSZ
ulimit -f "$limit"
export PK_FILE_SIZE_LIMIT_KB=$limit
exec "$@"
