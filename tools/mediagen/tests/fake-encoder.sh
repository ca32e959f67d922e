#!/bin/sh
# Stands in for a video encoder that fails half-way, as an encoder would: it writes what it is fed to its
# output file (the last argument), then rejects its settings.
for last in "$@"; do :; done
cat >"$last"
echo "unsupported codec" >&2
exit 3
