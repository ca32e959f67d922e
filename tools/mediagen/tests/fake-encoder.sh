#!/bin/sh
# Stands in for the video encoder in the tests: stores the raw frames it is fed in its output file (the
# last argument). An output name containing "fail" makes it fail as an encoder would.
for last in "$@"; do :; done
case "$last" in
*fail*)
    cat >/dev/null
    echo "unsupported codec" >&2
    exit 3
    ;;
esac
cat >"$last"
