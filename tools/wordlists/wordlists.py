#!/usr/bin/env python3
"""Builds the game's two word lists and its installed high-score table.

The words come from the system dictionary (Debian's wamerican packages).  Only plain
lower-case entries are used, which leaves out proper nouns (the dictionary capitalises
them), possessives and words with accents.  Inflected forms (plurals, past tenses, -ing
forms) are dropped so that every word is a base form, and abbreviations, Roman numerals
and blocked words are removed.

The remaining words are ranked by how familiar they are.  The dictionary carries no
frequencies, so familiarity is estimated from the dictionary itself: a word that many
other words are built on ("house" in "houseboat", "lighthouse", "household") is an
everyday word, while a word nothing is built on tends to be a rare one.  Ties are broken
by a fixed hash of the word, so the same dictionary always gives the same lists.

"1000+" (datalst2.zub) takes the top of the ranking for every length from 3 to 13;
"2000+" (datalst.zub) takes twice as many from the same ranking, so it holds every word
of "1000+" and as many again that are less common.
"""

import argparse
import hashlib
import re
import sys
from collections import Counter
from pathlib import Path

MIN_LENGTH = 3
MAX_LENGTH = 13

# Words per length in the "1000+" list; "2000+" takes twice as many of each length.
# Middle lengths get the most, but every length from 3 to 13 is present.
EASY_QUOTAS = {3: 70, 4: 130, 5: 160, 6: 170, 7: 170, 8: 150, 9: 120, 10: 90, 11: 60, 12: 45, 13: 35}
FULL_LIST_FACTOR = 2

TIE_BREAK_SALT = "zub-hangman word order"

# Endings of inflected forms: (ending, what replaces it to give the stem).
INFLECTIONS = (
    ("ies", "y"),
    ("ied", "y"),
    ("ing", ""),
    ("ing", "e"),
    ("es", ""),
    ("ed", ""),
    ("ed", "e"),
    ("s", ""),
)

# Endings that derive a new word from a stem; used to find the words a stem is built into.
DERIVATIONS = (
    "ly", "ness", "ful", "less", "able", "ible", "ment", "ion", "tion", "ation", "al", "ial",
    "ic", "y", "ish", "ist", "ism", "ize", "ous", "ity", "ive", "ship", "hood", "dom",
    "ward", "like", "some", "ery", "ance", "ence", "ant", "ent", "ary", "ory", "ure", "age",
    "ee", "let", "ling",
)

ROMAN_NUMERAL = re.compile(r"m{0,3}(cm|cd|d?c{0,3})(xc|xl|l?x{0,3})(ix|iv|v?i{0,3})")
# Roman numerals that are also ordinary words.
ROMAN_NUMERAL_WORDS = {"mix", "mid", "dim", "civic", "livid", "vivid", "mild", "mill", "dill"}
VOWELS = set("aeiouy")

PLAIN_WORD = re.compile(r"[a-z]+")


class WordListError(Exception):
    """A source or control file of the word lists is missing or malformed."""


def read_lines(path):
    """Returns the lines of a text file without their line ends."""
    try:
        return Path(path).read_text(encoding="utf-8").splitlines()
    except OSError as error:
        raise WordListError(f"{path}: cannot be read ({error.strerror})") from error
    except UnicodeDecodeError as error:
        raise WordListError(f"{path}: not UTF-8 text") from error


def plain_words(lines):
    """Keeps the entries made of lower-case letters a-z only."""
    return {line for line in lines if PLAIN_WORD.fullmatch(line)}


def inflection_stem(word, known):
    """Returns the known word that `word` is an inflected form of, or None."""
    for ending, replacement in INFLECTIONS:
        if not word.endswith(ending) or len(word) <= len(ending) + 1:
            continue
        # "seed" and "need" are words of their own, not past tenses of "see" and "nee".
        if (ending, replacement) == ("ed", "e") and word.endswith("eed"):
            continue
        stem = word[: -len(ending)] + replacement
        if stem != word and stem in known:
            return stem
    # Comparative and superlative of an adjective: "fuller", "biggest", "happier".  Both
    # forms must exist, so that nouns such as "butter" or "corner" stay.
    for ending, other in (("er", "est"), ("est", "er")):
        if word.endswith(ending) and len(word) > len(ending) + 2:
            stem = word[: -len(ending)]
            if stem + other not in known:
                continue
            for candidate in (stem, stem + "e", stem[:-1] + "y" if stem.endswith("i") else "",
                              stem[:-1] if stem[-1] == stem[-2] else ""):
                if candidate and candidate in known:
                    return candidate
    # A doubled final consonant: "stopped", "running".
    for ending in ("ing", "ed"):
        stem = word[: -len(ending)]
        if word.endswith(ending) and len(stem) >= 3 and stem[-1] == stem[-2] and stem[:-1] in known:
            return stem[:-1]
    return None


def base_forms(words):
    """The words that are not an inflected form of another word of the set."""
    return {word for word in words if inflection_stem(word, words) is None}


def is_roman_numeral(word):
    return word not in ROMAN_NUMERAL_WORDS and ROMAN_NUMERAL.fullmatch(word) is not None


def looks_like_abbreviation(word):
    """Entries without a vowel ("mph", "pkg") are abbreviations or interjections."""
    return not (set(word) & VOWELS)


def word_hash(text):
    return hashlib.sha256(text.encode("ascii")).hexdigest()


def read_hash_list(path):
    """Reads one SHA-256 hex digest per line; '#' starts a comment line."""
    hashes = set()
    for number, line in enumerate(read_lines(path), start=1):
        line = line.strip()
        if not line or line.startswith("#"):
            continue
        if not re.fullmatch(r"[0-9a-f]{64}", line):
            raise WordListError(f"{path}:{number}: not a SHA-256 hex digest")
        hashes.add(line)
    return hashes


def read_word_list(path):
    """Reads one lower-case word per line; '#' starts a comment line."""
    words = set()
    for number, line in enumerate(read_lines(path), start=1):
        line = line.strip()
        if not line or line.startswith("#"):
            continue
        if not PLAIN_WORD.fullmatch(line):
            raise WordListError(f"{path}:{number}: not a lower-case word")
        words.add(line)
    return words


class Blocklist:
    """Words kept out of the lists, stored as hashes so that the files do not spell them.

    A blocked word is left out as it stands; a blocked fragment takes out every word that
    contains it.
    """

    FRAGMENT_LENGTHS = range(3, 9)

    def __init__(self, word_hashes, fragment_hashes):
        self.word_hashes = set(word_hashes)
        self.fragment_hashes = set(fragment_hashes)

    def blocks(self, word):
        if word_hash(word) in self.word_hashes:
            return True
        for length in self.FRAGMENT_LENGTHS:
            for start in range(len(word) - length + 1):
                if word_hash(word[start : start + length]) in self.fragment_hashes:
                    return True
        return False


def familiarity_scores(words):
    """Counts, for every word, the other words of the set that are built on it.

    A word is built on another when it is a compound of two words of the set
    ("lighthouse") or a stem with a derivation ending ("houseful", "nationality").
    """
    scores = Counter()
    for word in words:
        for split in range(MIN_LENGTH, len(word) - MIN_LENGTH + 1):
            head, tail = word[:split], word[split:]
            if head in words and tail in words:
                scores[head] += 1
                scores[tail] += 1
        for ending in DERIVATIONS:
            if not word.endswith(ending):
                continue
            stem = word[: -len(ending)]
            candidates = [stem, stem + "e"]
            if stem.endswith("i"):
                candidates.append(stem[:-1] + "y")
            if len(stem) > 2 and stem[-1] == stem[-2]:
                candidates.append(stem[:-1])
            for candidate in candidates:
                if len(candidate) >= MIN_LENGTH and candidate in words:
                    scores[candidate] += 1
                    break
    return scores


def rank(words, scores):
    """Most familiar first; a fixed hash orders words of equal score."""
    return sorted(words, key=lambda word: (-scores.get(word, 0), word_hash(TIE_BREAK_SALT + word)))


def select(ranked, quotas):
    """Takes the first quotas[n] words of length n from a ranking, for every length."""
    taken = Counter()
    chosen = []
    for word in ranked:
        length = len(word)
        if taken[length] < quotas.get(length, 0):
            taken[length] += 1
            chosen.append(word)
    short = {length: quota for length, quota in quotas.items() if taken[length] < quota}
    if short:
        raise WordListError(f"too few candidate words for lengths {sorted(short)}")
    return sorted(chosen)


def candidate_words(common_lines, all_lines, blocklist, unsuitable):
    """The base forms of the common dictionary that may appear in a list."""
    every_word = plain_words(all_lines)
    common = plain_words(common_lines) & every_word
    return {
        word
        for word in common
        if MIN_LENGTH <= len(word) <= MAX_LENGTH
        and inflection_stem(word, every_word) is None
        and not is_roman_numeral(word)
        and not looks_like_abbreviation(word)
        and word not in unsuitable
        and not blocklist.blocks(word)
    }


def word_list_bytes(words):
    """The word-list file: the count on line 0, then one capitalised word per line, CR LF each."""
    lines = [str(len(words))] + [word.upper() for word in words]
    return "".join(line + "\r\n" for line in lines).encode("ascii")


HIGH_SCORE_HEADER = "Zub Hangman high scores"
HIGH_SCORE_TRAILER = "end"
HIGH_SCORE_ENTRIES = (
    ("Mabel", 5000),
    ("Oskar", 4500),
    ("Priya", 4000),
    ("Tomas", 3500),
    ("Greta", 3000),
    ("Dev", 2500),
    ("Ingrid", 2000),
    ("Marco", 1500),
    ("Yuki", 1000),
    ("Hal", 500),
)


def high_score_bytes():
    """The installed high-score table: header, ten name/score pairs, trailer, CR LF each."""
    lines = [HIGH_SCORE_HEADER]
    for name, score in HIGH_SCORE_ENTRIES:
        lines += [name, str(score)]
    lines.append(HIGH_SCORE_TRAILER)
    return "".join(line + "\r\n" for line in lines).encode("ascii")


def write_file(path, data):
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes(data)


def main(argv):
    here = Path(__file__).resolve().parent
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--dictionary", default="/usr/share/dict/american-english")
    parser.add_argument("--common-dictionary", default="/usr/share/dict/american-english-small")
    parser.add_argument("--output", default=str(here.parent.parent / "data"))
    args = parser.parse_args(argv)

    try:
        all_lines = read_lines(args.dictionary)
        common_lines = read_lines(args.common_dictionary)
        blocklist = Blocklist(
            read_hash_list(here / "blocked-words.sha256"),
            read_hash_list(here / "blocked-fragments.sha256"),
        )
        unsuitable = read_word_list(here / "unsuitable.txt")

        candidates = candidate_words(common_lines, all_lines, blocklist, unsuitable)
        ranked = rank(candidates, familiarity_scores(base_forms(plain_words(all_lines))))
        easy = select(ranked, EASY_QUOTAS)
        full = select(ranked, {length: FULL_LIST_FACTOR * quota for length, quota in EASY_QUOTAS.items()})
    except WordListError as error:
        print(f"wordlists: {error}", file=sys.stderr)
        return 1

    output = Path(args.output)
    write_file(output / "datalst2.zub", word_list_bytes(easy))
    write_file(output / "datalst.zub", word_list_bytes(full))
    write_file(output / "hang.zub", high_score_bytes())
    print(f"{output / 'datalst2.zub'}: {len(easy)} words")
    print(f"{output / 'datalst.zub'}: {len(full)} words")
    print(f"{output / 'hang.zub'}: {len(HIGH_SCORE_ENTRIES)} entries")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
