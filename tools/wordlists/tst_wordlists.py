#!/usr/bin/env python3
"""Tests of the word-list generator and of the word lists and high-score table in data/.

The generator's choices (base forms, filters, ranking) are held to the committed lists by regenerating
them from the system dictionaries; the committed files are checked against the game's file format."""

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


class FilterTest(unittest.TestCase):
    """Numerals, abbreviations, blocked words and words holding a blocked fragment never become candidates."""

    def test_numerals_and_abbreviations(self):
        cases = [(wordlists.is_roman_numeral, "xiv", True), (wordlists.is_roman_numeral, "mcmxc", True),
                 (wordlists.is_roman_numeral, "mix", False), (wordlists.is_roman_numeral, "civil", False),
                 (wordlists.looks_like_abbreviation, "mph", True), (wordlists.looks_like_abbreviation, "sky", False)]
        for test, word, expected in cases:
            with self.subTest(word=word):
                self.assertEqual(test(word), expected)

    def test_blocklist_words_and_fragments(self):
        blocklist = wordlists.Blocklist({wordlists.word_hash("zebra")}, {wordlists.word_hash("quack")})
        cases = [("zebra", True), ("zebras", False), ("quack", True), ("unquacky", True), ("quick", False)]
        for word, blocked in cases:
            with self.subTest(word=word):
                self.assertEqual(blocklist.blocks(word), blocked)


class BadInputTest(unittest.TestCase):
    """Broken control files and a missing dictionary are reported by name."""

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
