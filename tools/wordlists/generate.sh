#!/usr/bin/env bash
# Regenerates data/datalst2.zub ("1000+"), data/datalst.zub ("2000+") and data/hang.zub
# from the system dictionaries, then checks the result.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"

for dictionary in /usr/share/dict/american-english /usr/share/dict/american-english-small; do
    if [ ! -r "$dictionary" ]; then
        echo "generate.sh: $dictionary is missing; install the Debian packages wamerican and wamerican-small" >&2
        exit 1
    fi
done

python3 "$here/wordlists.py" "$@"
PYTHONDONTWRITEBYTECODE=1 python3 "$here/tst_wordlists.py"
