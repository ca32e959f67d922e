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
    lines = path.read_bytes().decode("ascii").split("\r\n")
    if lines.pop() != "" or any("\r" in line or "\n" in line for line in lines):
        raise AssertionError(f"{path} has a line end other than CR LF, or none at its end")
    return lines


class GeneratorTest(unittest.TestCase):
    """Numerals, abbreviations, blocked words and words holding a blocked fragment never become candidates;
    broken control files and a missing dictionary are reported by name."""

    def test_filters(self):
        blocklist = wordlists.Blocklist({wordlists.word_hash("zebra")}, {wordlists.word_hash("quack")})
        cases = [(wordlists.is_roman_numeral, "xiv", True), (wordlists.is_roman_numeral, "mcmxc", True),
                 (wordlists.is_roman_numeral, "mix", False), (wordlists.is_roman_numeral, "civil", False),
                 (wordlists.looks_like_abbreviation, "mph", True), (wordlists.looks_like_abbreviation, "sky", False),
                 (blocklist.blocks, "zebra", True), (blocklist.blocks, "zebras", False),
                 (blocklist.blocks, "quack", True), (blocklist.blocks, "unquacky", True),
                 (blocklist.blocks, "quick", False)]
        for test, word, expected in cases:
            with self.subTest(word=word):
                self.assertEqual(test(word), expected)

    def test_malformed_control_files_are_named(self):
        with tempfile.TemporaryDirectory() as folder:
            for name, text, read, error in (("hashes", "# comment\nnot-a-digest\n", wordlists.read_hash_list,
                                             r"hashes:2: not a SHA-256"),
                                            ("words", "good\nBad\n", wordlists.read_word_list,
                                             r"words:2: not a lower-case")):
                (Path(folder) / name).write_text(text)
                with self.assertRaisesRegex(wordlists.WordListError, error):
                    read(Path(folder) / name)

    def test_missing_dictionary_is_reported_by_name(self):
        with tempfile.TemporaryDirectory() as folder:
            missing = Path(folder) / "no-such-dictionary"
            stderr = io.StringIO()
            with contextlib.redirect_stderr(stderr):
                result = wordlists.main(["--dictionary", str(missing), "--output", folder])
            self.assertEqual(result, 1)
            self.assertIn(str(missing), stderr.getvalue())
            self.assertEqual(list(Path(folder).iterdir()), [])


class InstalledDataTest(unittest.TestCase):
    """The committed word lists are well-formed, clean and of the promised size (the installed high-score
    table, written from the generator's own entries, is held by the regeneration below)."""

    def test_word_lists(self):
        blocklist = wordlists.Blocklist(wordlists.read_hash_list(HERE / "blocked-words.sha256"),
                                        wordlists.read_hash_list(HERE / "blocked-fragments.sha256"))
        lists = {}
        for name, minimum in (("datalst2.zub", 1000), ("datalst.zub", 2000)):
            with self.subTest(file=name):
                count, *words = lists[name] = read_crlf_lines(DATA / name)
                self.assertRegex(count, r"^[1-9][0-9]*$")
                self.assertEqual(int(count), len(words))
                self.assertGreaterEqual(len(words), minimum)
                self.assertEqual(len(set(words)), len(words))
                for word in words:
                    self.assertRegex(word, r"^[A-Z]{3,13}$")
                    self.assertFalse(blocklist.blocks(word.lower()), "a blocked word is listed")
                self.assertEqual({len(word) for word in words}, set(range(3, 14)))
        self.assertLessEqual(set(lists["datalst2.zub"][1:]), set(lists["datalst.zub"][1:]))


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
