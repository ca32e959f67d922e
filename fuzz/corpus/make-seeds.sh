#!/usr/bin/env bash
# Makes the seed inputs of the fuzz targets from the game's own pictures and data files, small enough
# that the fuzzers mutate them quickly. Run from anywhere; rewrites fuzz/corpus/<target>/seed-*.
# Needs djpeg, cjpeg and jpegtran (Debian package libjpeg-turbo-progs) and python3.
set -euo pipefail
top="$(cd "$(dirname "$0")/../.." && pwd)"
corpus="$top/fuzz/corpus"
art="$top/src/assets/art"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

mkdir -p "$corpus"/{jpeg,dib,wordlist,highscores,sound}

# JPEG: the about picture scaled down and encoded as the game's pictures are (no chroma subsampling, a
# restart marker after every block row), with the about picture's own metadata segments spliced in; also
# progressive, greyscale and subsampled forms of it.
djpeg -scale 1/8 -ppm "$art/about.jpg" >"$work/small.ppm"
cjpeg -quality 90 -sample 1x1,1x1,1x1 -restart 1 "$work/small.ppm" >"$work/plain.jpg"
python3 - "$art/about.jpg" "$work/plain.jpg" "$corpus/jpeg/seed-baseline.jpg" <<'PY'
import sys

def segments(data):
    """The marker segments before the first scan, as (marker, bytes), and the offset where they end."""
    found, i = [], 2
    while data[i + 1] != 0xDA:
        length = (data[i + 2] << 8) | data[i + 3]
        found.append((data[i + 1], data[i:i + 2 + length]))
        i += 2 + length
    return found, i

original, _ = segments(open(sys.argv[1], "rb").read())
small = open(sys.argv[2], "rb").read()
small_segments, scan = segments(small)
metadata = b"".join(body for marker, body in original if 0xE0 <= marker <= 0xEF)
tables = b"".join(body for marker, body in small_segments if not 0xE0 <= marker <= 0xEF)
open(sys.argv[3], "wb").write(b"\xff\xd8" + metadata + tables + small[scan:])
PY
jpegtran -progressive "$corpus/jpeg/seed-baseline.jpg" >"$corpus/jpeg/seed-progressive.jpg"
cjpeg -quality 75 -grayscale "$work/small.ppm" >"$corpus/jpeg/seed-grey.jpg"
cjpeg -quality 50 -sample 2x2,1x1,1x1 "$work/small.ppm" >"$corpus/jpeg/seed-subsampled.jpg"

# Bitmap resources: the top-left corner of the first gallows picture with the shared colour table, one
# with its pixel size filled in and one with it left 0.
python3 - "$art/HANGPOS1.dib" "$corpus/dib" <<'PY'
import struct, sys

data = open(sys.argv[1], "rb").read()
width, height = struct.unpack_from("<ii", data, 4)
stride = (width + 3) // 4 * 4
palette = data[40:40 + 1024]
rows = data[40 + 1024:]

def crop(w, h, size_field):
    s = (w + 3) // 4 * 4
    out = b""
    for row in range(h):  # bottom-up: the last stored rows are the picture's top
        start = (height - h + row) * stride
        out += rows[start:start + w] + b"\0" * (s - w)
    header = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 8, 0, s * h if size_field else 0, 0, 0, 0, 0)
    return header + palette + out

open(sys.argv[2] + "/seed-corner.dib", "wb").write(crop(7, 5, True))
open(sys.argv[2] + "/seed-nosize.dib", "wb").write(crop(4, 2, False))
PY

# Word lists: the head of the 1000+ list with its count, with CR LF, LF and CR line ends, and a count
# of 0.
words="$(sed -n '2,13p' "$top/data/datalst2.zub" | tr -d '\r')"
{ echo 12; echo "$words"; } | sed 's/$/\r/' >"$corpus/wordlist/seed-crlf.zub"
{ echo 12; echo "$words"; } >"$corpus/wordlist/seed-lf.zub"
{ echo 5; echo "$words" | head -5; } | tr '\n' '\r' >"$corpus/wordlist/seed-cr.zub"
{ echo 0; echo "$words" | head -1; } | sed 's/$/\r/' >"$corpus/wordlist/seed-zero.zub"

# High-score files: the installed table, and one with LF line ends and lines after the table.
cp "$top/data/hang.zub" "$corpus/highscores/seed-installed.zub"
{ tr -d '\r' <"$top/data/hang.zub"; printf 'kept\nalso kept\n'; } >"$corpus/highscores/seed-extra-lines.zub"

# Sound: a letter's wave sound with its first samples, and one whose data chunk claims more than is
# there; the game-over movie with its header lists and the first frames and sound chunks of its movie
# data, cut short, and the same data inside a "rec " list.
python3 - "$top/data/Intro" "$corpus/sound" <<'PY'
import struct, sys

def chunks(data, start, end):
    """The (id, body) pairs of a RIFF list's chunks between start and end."""
    found, i = [], start
    while i + 8 <= end:
        size = struct.unpack_from("<I", data, i + 4)[0]
        found.append((data[i:i + 4], data[i + 8:i + 8 + size]))
        i += 8 + size + (size & 1)
    return found

def chunk(cid, body, claimed=None):
    size = len(body) if claimed is None else claimed
    return cid + struct.pack("<I", size) + body + b"\0" * (len(body) & 1)

def riff(form, body):
    return chunk(b"RIFF", form + body)

wave = open(sys.argv[1] + "/winletter.wav", "rb").read()
fmt = dict(chunks(wave, 12, len(wave)))[b"fmt "]
samples = dict(chunks(wave, 12, len(wave)))[b"data"]
open(sys.argv[2] + "/seed-letter.wav", "wb").write(
    riff(b"WAVE", chunk(b"fmt ", fmt) + chunk(b"data", samples[:64])))
open(sys.argv[2] + "/seed-cut.wav", "wb").write(
    riff(b"WAVE", chunk(b"fmt ", fmt) + chunk(b"data", samples[:32], len(samples))))

movie = open(sys.argv[1] + "/Game over.avi", "rb").read()
header, frames = b"", []
for cid, body in chunks(movie, 12, len(movie)):
    if cid == b"LIST" and body[:4] == b"hdrl":
        for inner, part in chunks(body, 4, len(body)):
            if inner == b"avih":
                header += chunk(inner, part)
            elif inner == b"LIST":
                header += chunk(b"LIST", b"strl" + b"".join(
                    chunk(c, p) for c, p in chunks(part, 4, len(part)) if c in (b"strh", b"strf")))
    if cid == b"LIST" and body[:4] == b"movi":
        frames = [chunk(c, p[:24]) for c, p in chunks(body, 4, len(body))[:4]]
hdrl = chunk(b"LIST", b"hdrl" + header)
open(sys.argv[2] + "/seed-movie.avi", "wb").write(riff(b"AVI ", hdrl + chunk(b"LIST", b"movi" + b"".join(frames))))
record = chunk(b"LIST", b"rec " + b"".join(frames))
open(sys.argv[2] + "/seed-movie-rec.avi", "wb").write(riff(b"AVI ", hdrl + chunk(b"LIST", b"movi" + record)))
PY

ls -l "$corpus"/*/seed-*
