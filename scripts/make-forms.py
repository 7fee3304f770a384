#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
# Makes the forms with an apostrophe or a hyphen that the course's lessons use, from the
# word list's own words and the word classes of hunspell-ca's dictionary (its affix flags):
# l' and d' before a noun or adjective that takes them (one with a plural of its own), m' t' n'
# before a verb form that takes them and s' before a third person, a pronoun after an
# infinitive or a gerund (fer-ho, rebre'l). At most 10 characters, a few of each kind, the most
# frequent words first. Usage: make-forms.py WORD_LIST OUT   (both Windows-1252, CR LF)
# The forms go at the end of data/paraules.txt; scripts/check-words.sh checks each one.
import re, sys, collections
aff = open('/usr/share/hunspell/ca.aff', encoding='utf-8').read().splitlines()
sfx = collections.defaultdict(list)
for l in aff:
    p = l.split()
    if len(p) >= 5 and p[0] == 'SFX' and p[1] in ('_C', '_D'):
        sfx[p[1]].append((p[2], p[3], p[4]))
flags = collections.defaultdict(set)
for l in open('/usr/share/hunspell/ca.dic', encoding='utf-8').read().splitlines()[1:]:
    if '/' not in l: continue
    w, f = l.split('/', 1)
    f = f.split()[0]
    for i in range(0, len(f), 2): flags[w].add(f[i:i+2])
words = [w.strip() for w in open(sys.argv[1], encoding='cp1252').read().splitlines() if w.strip()]
vowelh = tuple('aàeèéiíoòóuúh')
PRON = ('-ho', '-li', '-la', '-ne', '-se', '-me', '-te', "'l", "'n", "'s", "'m", "'t", "'ls")
out = []
MAX = 10
for w in words:
    f = flags.get(w, set())
    verb = bool(f & {'_Z', '_C', '_D', '_v'})
    # Words the dictionary also lists as rare nouns, which the list holds as adverbs or pronouns.
    if w.startswith(vowelh) and w not in ('allò', 'això', 'ara', 'arreu', 'ensenya', 'aquell', 'aquella'):
        # The article only before nouns and adjectives that take it; "de" before them too.
        # A noun or adjective has a plural of its own (an adverb only takes "d'").
        noun = '_V' in f and not verb and bool(f & {'_B', '_E', '_F', '_G', '_H', '_I', '_J', '_K', '_L'})
        if noun: out.append("l'" + w)
        if noun and '_Y' in f: out.append("d'" + w)
        # Weak pronouns before a conjugated verb.
        if '_Z' in f:
            for p in ("m'", "t'", "n'"): out.append(p + w)
            # "es" reflexive before a third person only.
            if re.search('(a|e|en|an|à|é|ia|ien|ava|aven)$', w): out.append("s'" + w)
    # Pronouns after a verb only after its infinitive or gerund.
    for flag in ('_C', '_D'):
        if flag not in f or not re.search('(ar|er|ir|re|ure|ant|ent|int)$', w): continue
        for strip, add, cond in sfx[flag]:
            if strip != '0' or add not in PRON: continue
            if cond != '.' and not re.search(cond + '$', w): continue
            out.append(w + add)
CAP = {"l'": 80, "d'": 60, "s'": 25, "m'": 25, "t'": 25, "n'": 25}
seen = set(); res = []; kinds = collections.Counter()
for x in out:
    kind = x[:2] if x[1] == "'" else re.search("[-'][a-z]+$", x).group(0)
    if len(x) <= MAX and x not in seen and kinds[kind] < CAP.get(kind, 25):
        seen.add(x); res.append(x); kinds[kind] += 1
print(dict(kinds), file=sys.stderr)
print(len(res), file=sys.stderr)
open(sys.argv[2], 'w', encoding='cp1252', newline='').write(''.join(x + '\r\n' for x in res))
