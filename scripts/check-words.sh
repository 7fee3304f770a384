#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
# Checks the course's word list: Windows-1252 text with CR LF line ends, one lower-case
# Catalan word a line, no duplicate, at least 3,000 words and at least 5 for each accented
# letter, ç and l·l, every word known to hunspell's Catalan dictionary, and every character
# of it taught by a step of the course order. Exits non-zero, naming what is wrong, otherwise.
# Usage: check-words.sh [WORD_LIST [COURSE_FILE]]   (default: data/paraules.txt, data/curs.txt)
set -euo pipefail
export LC_ALL=C
root="$(cd "$(dirname "$0")/.." && pwd)"
words="${1:-$root/data/paraules.txt}"
course="${2:-$root/data/curs.txt}"
min_words=3000
min_per_letter=5
dictionary=ca_ES

problems=0
fail() {
    echo "FAIL: $*" >&2
    problems=$((problems + 1))
}
# Windows-1252 text shown as UTF-8 (a byte no character has is left out).
show() { iconv -c -f WINDOWS-1252 -t UTF-8 <<<"$1" 2>/dev/null || true; }

for f in "$words" "$course"; do
    [ -r "$f" ] || { echo "FAIL: cannot read $f" >&2; exit 1; }
done
command -v hunspell >/dev/null || { echo "FAIL: hunspell is not installed (packages hunspell, hunspell-ca)" >&2; exit 1; }

utf8="$(mktemp)"
trap 'rm -f "$utf8"' EXIT

# Encoding and line ends.
if ! iconv -f WINDOWS-1252 -t UTF-8 "$words" >/dev/null 2>&1; then
    fail "$words is not Windows-1252 text (a byte no character has)"
fi
iconv -c -f WINDOWS-1252 -t UTF-8 "$words" >"$utf8" 2>/dev/null || true
if [ -s "$words" ] && [ "$(tail -c 1 "$words" | od -An -tx1 | tr -d ' ')" != "0a" ]; then
    fail "$words: the last line has no line end"
fi
bare=$(tr -d '\r' <"$words" | wc -c)
if [ "$((bare + $(grep -c '' "$words")))" -ne "$(wc -c <"$words")" ] || grep -q $'\r.' "$words"; then
    fail "$words: every line must end in CR LF, and no CR may stand elsewhere"
fi

# One lower-case word a line: a-z, the accented letters, ç, and the middle dot only inside l·l;
# an apostrophe or a hyphen only where Catalan writes them: an elided l' d' s' m' t' n' before
# the word, a pronoun after it (fer-ho, porta'l). Every such form is checked below like a word.
list="$(tr -d '\r' <"$words")"
letters=$'a-z\xe0\xe8\xe9\xed\xf2\xf3\xfa\xef\xfc\xe7'
elided="([ldsmtn]')?"
pronoun="(-(ho|la|li|ne|se|me|te)|'(l|ls|n|s|m|t))?"
malformed=$(grep -vnE "^$elided[$letters]+(l"$'\xb7'"l[$letters]*)*$pronoun$" <<<"$list" || true)
if [ -n "$malformed" ]; then
    fail "lines that are not one lower-case word (number:word):"
    show "$malformed" >&2
fi

duplicates=$(sort <<<"$list" | uniq -d)
if [ -n "$duplicates" ]; then
    fail "words listed more than once:"
    show "$duplicates" >&2
fi

count=$(grep -c . <<<"$list" || true)
[ "$count" -ge "$min_words" ] || fail "$count words; at least $min_words are needed"

# Enough words for each accented letter, ç and l·l (the lessons on them need words).
for pattern in $'\xe0' $'\xe8' $'\xe9' $'\xed' $'\xf2' $'\xf3' $'\xfa' $'\xef' $'\xfc' $'\xe7' $'l\xb7l'; do
    n=$(grep -cF "$pattern" <<<"$list" || true)
    if [ "$n" -lt "$min_per_letter" ]; then
        fail "$n words with $(show "$pattern"); at least $min_per_letter are needed"
    fi
done

# Every word known to the Catalan dictionary (hunspell reads UTF-8 here).
if [ ! -r "/usr/share/hunspell/$dictionary.dic" ]; then
    fail "the hunspell dictionary $dictionary is not installed (package hunspell-ca)"
else
    unknown=$(tr -d '\r' <"$utf8" | hunspell -i UTF-8 -d "$dictionary" -l)
    if [ -n "$unknown" ]; then
        fail "words the Catalan dictionary does not know:"
        echo "$unknown" >&2
    fi
fi

# Every character of the list is taught by a step of the course order (its lines:
# characters, TAB, name; lines starting with ';' are comments).
taught=$(tr -d '\r' <"$course" | grep -v '^;' | cut -f1 | tr -d '\n')
untaught=""
while IFS= read -r c; do
    [[ "$taught" == *"$c"* ]] || untaught+="$c"
done < <(tr -d '\n' <<<"$list" | fold -w1 | sort -u)
if [ -n "$untaught" ]; then
    fail "characters of the word list no step of $course teaches: $(show "$untaught")"
fi

if [ "$problems" -ne 0 ]; then
    echo "$words: $problems problem(s)" >&2
    exit 1
fi
echo "$words: $count words, all known to the Catalan dictionary."
