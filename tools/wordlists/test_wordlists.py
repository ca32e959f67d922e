#!/usr/bin/env python3
"""Tests of the word-list generator and of the word lists and high-score table in data/."""

import contextlib
import io
import re
import sys
import tempfile
import unittest
from pathlib import Path

sys.dont_write_bytecode = True
sys.path.insert(0, str(Path(__file__).resolve().parent))
import wordlists  # noqa: E402

HERE = Path(__file__).resolve().parent
DATA = HERE.parent.parent / "data"
SYSTEM_DICTIONARY = Path("/usr/share/dict/american-english")
SYSTEM_COMMON_DICTIONARY = Path("/usr/share/dict/american-english-small")


def read_crlf_lines(path):
    """Splits a file into lines, insisting that every line ends in CR LF."""
    text = path.read_bytes().decode("ascii")
    if not text.endswith("\r\n"):
        raise AssertionError(f"{path} does not end in CR LF")
    lines = text[:-2].split("\r\n")
    for line in lines:
        if "\r" in line or "\n" in line:
            raise AssertionError(f"{path} has a line end other than CR LF")
    return lines


class InflectionTest(unittest.TestCase):
    """Only base forms go into the lists; nouns that merely look inflected stay."""

    def test_stems(self):
        cases = [
            # word, other words of the dictionary, expected stem (None: a base form)
            ("houses", {"house"}, "house"),
            ("babies", {"baby"}, "baby"),
            ("carried", {"carry"}, "carry"),
            ("boxes", {"box"}, "box"),
            ("walked", {"walk"}, "walk"),
            ("baked", {"bake"}, "bake"),
            ("making", {"make"}, "make"),
            ("stopped", {"stop"}, "stop"),
            ("running", {"run"}, "run"),
            ("fuller", {"full", "fullest"}, "full"),
            ("biggest", {"big", "bigger"}, "big"),
            ("happier", {"happy", "happiest"}, "happy"),
            ("seed", {"see"}, None),
            ("butter", {"butt", "but"}, None),
            ("corner", {"corn"}, None),
            ("letter", {"let"}, None),
            ("bed", {"be"}, None),
            ("sing", {"s"}, None),
            ("glass", {"glas"}, "glas"),
            ("house", {"houses"}, None),
        ]
        for word, known, expected in cases:
            with self.subTest(word=word):
                self.assertEqual(wordlists.inflection_stem(word, known | {word}), expected)

    def test_base_forms_keep_the_stem_and_drop_its_forms(self):
        words = {"jump", "jumps", "jumped", "jumping", "jumper", "lamp"}
        self.assertEqual(wordlists.base_forms(words), {"jump", "jumper", "lamp"})


class FilterTest(unittest.TestCase):
    """Proper nouns, possessives, numerals and abbreviations never become candidates."""

    def test_plain_words(self):
        lines = ["apple", "Apple", "apple's", "café", "ab-cd", "", "zebra"]
        self.assertEqual(wordlists.plain_words(lines), {"apple", "zebra"})

    def test_roman_numerals(self):
        for word, numeral in [("xiv", True), ("lix", True), ("mcmxc", True), ("mix", False),
                              ("civil", False), ("lid", False), ("did", False), ("vivid", False)]:
            with self.subTest(word=word):
                self.assertEqual(wordlists.is_roman_numeral(word), numeral)

    def test_abbreviations(self):
        for word, abbreviation in [("mph", True), ("pkg", True), ("shh", True), ("sky", False),
                                   ("rhythm", False), ("cat", False)]:
            with self.subTest(word=word):
                self.assertEqual(wordlists.looks_like_abbreviation(word), abbreviation)

    def test_blocklist_words_and_fragments(self):
        blocklist = wordlists.Blocklist({wordlists.word_hash("zebra")}, {wordlists.word_hash("quack")})
        cases = [("zebra", True), ("zebras", False), ("quack", True), ("quackery", True),
                 ("unquacky", True), ("quick", False)]
        for word, blocked in cases:
            with self.subTest(word=word):
                self.assertEqual(blocklist.blocks(word), blocked)

    def test_candidates(self):
        all_lines = ["cat", "cats", "Paris", "xiv", "mph", "zebra", "ox", "dog", "dog's",
                     "hippopotamuses", "hippopotamus", "dull"]
        common = ["cat", "cats", "Paris", "xiv", "mph", "zebra", "ox", "dog", "hippopotamuses",
                  "hippopotamus", "dull", "notinfull"]
        blocklist = wordlists.Blocklist({wordlists.word_hash("zebra")}, set())
        candidates = wordlists.candidate_words(common, all_lines, blocklist, {"dull"})
        # "hippopotamus" has 12 letters; "notinfull" is not in the full dictionary.
        self.assertEqual(candidates, {"cat", "dog", "hippopotamus"})


class RankingTest(unittest.TestCase):
    """Familiar words come first and every length gets its share."""

    def test_familiarity_counts_compounds_and_derivations(self):
        words = {"house", "boat", "houseboat", "light", "lighthouse", "nation", "national", "zinc"}
        scores = wordlists.familiarity_scores(words)
        self.assertEqual(scores["house"], 2)
        self.assertEqual(scores["nation"], 1)
        self.assertEqual(scores["boat"], 1)
        self.assertEqual(scores["zinc"], 0)

    def test_rank_is_by_score_then_fixed(self):
        scores = {"bbb": 5, "aaa": 1}
        words = ["ccc", "aaa", "bbb", "ddd"]
        ranked = wordlists.rank(words, scores)
        self.assertEqual(ranked[:2], ["bbb", "aaa"])
        self.assertEqual(ranked, wordlists.rank(list(reversed(words)), scores))

    def test_select_takes_quota_per_length(self):
        ranked = ["aaaa", "bbb", "cccc", "ddd", "eee", "ffff"]
        self.assertEqual(wordlists.select(ranked, {3: 2, 4: 1}), ["aaaa", "bbb", "ddd"])

    def test_select_reports_missing_lengths(self):
        with self.assertRaisesRegex(wordlists.WordListError, r"\[5\]"):
            wordlists.select(["aaa", "bbbbb"], {3: 1, 5: 2})


class FileFormatTest(unittest.TestCase):
    """The files the game reads: counts, capitals, and CR LF after every line."""

    def test_word_list_bytes(self):
        data = wordlists.word_list_bytes(["cat", "zebra"])
        self.assertEqual(data, b"2\r\nCAT\r\nZEBRA\r\n")

    def test_high_score_bytes(self):
        lines = wordlists.high_score_bytes().decode("ascii").split("\r\n")
        self.assertEqual(lines[-1], "")  # the last line ends in CR LF too
        lines = lines[:-1]
        self.assertEqual(len(lines), 22)
        scores = [int(lines[2 * rank]) for rank in range(1, 11)]
        self.assertEqual(scores, sorted(scores, reverse=True))

    def test_malformed_control_files_are_named(self):
        with tempfile.TemporaryDirectory() as folder:
            hashes = Path(folder) / "hashes"
            hashes.write_text("# comment\nnot-a-digest\n")
            with self.assertRaisesRegex(wordlists.WordListError, r"hashes:2: not a SHA-256"):
                wordlists.read_hash_list(hashes)
            words = Path(folder) / "words"
            words.write_text("good\nBad\n")
            with self.assertRaisesRegex(wordlists.WordListError, r"words:2: not a lower-case"):
                wordlists.read_word_list(words)

    def test_missing_dictionary_is_reported_by_name(self):
        with tempfile.TemporaryDirectory() as folder:
            missing = Path(folder) / "no-such-dictionary"
            stderr = io.StringIO()
            with contextlib.redirect_stderr(stderr):
                result = wordlists.main(["--dictionary", str(missing), "--output", folder])
            self.assertEqual(result, 1)
            self.assertIn(str(missing), stderr.getvalue())
            self.assertEqual(list(Path(folder).iterdir()), [])


class InstalledWordListsTest(unittest.TestCase):
    """The committed word lists are well-formed, clean and of the promised size."""

    @classmethod
    def setUpClass(cls):
        cls.blocklist = wordlists.Blocklist(
            wordlists.read_hash_list(HERE / "blocked-words.sha256"),
            wordlists.read_hash_list(HERE / "blocked-fragments.sha256"),
        )
        cls.lists = {}
        for name in ("datalst2.zub", "datalst.zub"):
            lines = read_crlf_lines(DATA / name)
            cls.lists[name] = (lines[0], lines[1:])

    def test_lists(self):
        for name, minimum in (("datalst2.zub", 1000), ("datalst.zub", 2000)):
            with self.subTest(file=name):
                count, words = self.lists[name]
                self.assertRegex(count, r"^[1-9][0-9]*$")
                self.assertEqual(int(count), len(words))
                self.assertGreaterEqual(len(words), minimum)
                self.assertEqual(len(set(words)), len(words))
                for word in words:
                    self.assertRegex(word, r"^[A-Z]{3,13}$")
                    self.assertFalse(self.blocklist.blocks(word.lower()), "a blocked word is listed")
                self.assertEqual({len(word) for word in words}, set(range(3, 14)))

    def test_every_easy_word_is_in_the_full_list(self):
        self.assertLessEqual(set(self.lists["datalst2.zub"][1]), set(self.lists["datalst.zub"][1]))


class InstalledHighScoresTest(unittest.TestCase):
    """The installed table: 22 lines, names on even lines, descending decimal scores."""

    def test_table(self):
        lines = read_crlf_lines(DATA / "hang.zub")
        self.assertEqual(len(lines), 22)
        names = [lines[2 * rank - 1] for rank in range(1, 11)]
        scores = [lines[2 * rank] for rank in range(1, 11)]
        for name in names:
            self.assertRegex(name, r"^[A-Z][a-z]+$")
        for score in scores:
            self.assertRegex(score, r"^(0|[1-9][0-9]*)$")
        numbers = [int(score) for score in scores]
        self.assertEqual(numbers, sorted(numbers, reverse=True))
        self.assertEqual(len(set(numbers)), 10)


@unittest.skipUnless(SYSTEM_DICTIONARY.exists() and SYSTEM_COMMON_DICTIONARY.exists(),
                     "needs the wamerican and wamerican-small dictionaries")
class RegenerationTest(unittest.TestCase):
    """Regenerating from the system dictionaries reproduces the committed files byte for byte."""

    def test_committed_files_are_current(self):
        with tempfile.TemporaryDirectory() as folder:
            with contextlib.redirect_stdout(io.StringIO()):
                self.assertEqual(wordlists.main(["--output", folder]), 0)
            for name in ("datalst2.zub", "datalst.zub", "hang.zub"):
                with self.subTest(file=name):
                    self.assertEqual((Path(folder) / name).read_bytes(), (DATA / name).read_bytes())


if __name__ == "__main__":
    unittest.main()
