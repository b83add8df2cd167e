#!/bin/bash
# Synthesises the dialog speech with espeak-ng from tools/speech/lines.tsv.
#
#   bash tools/gen_speech.sh [TABLE] [DATADIR]
#
# Each row of the table (tab separated: file, language, voice[:pitch], text)
# becomes an Ogg Vorbis file under DATADIR (default data/).  Lines starting
# with "#" and empty lines are skipped.  A file is rebuilt when it is missing
# or older than the table (or always with FORCE=1).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
table=${1:-$here/speech/lines.tsv}
data=${2:-$here/../data}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
lineno=0

while IFS= read -r row || [ -n "$row" ]; do
    lineno=$((lineno + 1))
    case "$row" in ''|'#'*) continue ;; esac
    IFS=$'\t' read -r file lang voice text <<<"$row"
    if [ -z "${text:-}" ]; then
        echo "$table:$lineno: expected four tab-separated fields" >&2
        status=1; continue
    fi
    case "$file" in
        /*|*..*|*[!A-Za-z0-9_./-]*) echo "$table:$lineno: bad file name '$file'" >&2; status=1; continue ;;
        *.ogg) ;;
        *) echo "$table:$lineno: file must end in .ogg: '$file'" >&2; status=1; continue ;;
    esac
    pitch=50
    if [[ "$voice" == *:* ]]; then pitch=${voice#*:}; voice=${voice%%:*}; fi
    out="$data/$file"
    if [ "${FORCE:-0}" != 1 ] && [ -f "$out" ] && [ "$out" -nt "$table" ]; then
        continue
    fi
    mkdir -p "$(dirname "$out")"
    espeak-ng -v "$voice" -p "$pitch" -s 150 -w "$work/line.wav" -- "$text"
    # a touch of room and a lower rate keep the files small
    sox -q "$work/line.wav" -r 22050 -c 1 "$work/line2.wav" pad 0.05 0.2 reverb 15 norm -2
    sox -q "$work/line2.wav" -C 2 "$out.tmp.ogg"
    mv "$out.tmp.ogg" "$out"
    echo "spoken: $file ($lang)"
done <"$table"
exit $status
