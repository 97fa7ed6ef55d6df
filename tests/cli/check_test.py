"""`chatmind check`: a table of faulty mind files, each with the warnings it
must give (line and a telling part of the message) and the exit status."""

import unittest

from support import HERE, ProgramTest, mind_bytes, run

FIXTURES = HERE / "check"

CLEAN = ["Привет!", "Здравствуй!", " (погода?)", "Хорошая.", " <QUESTION>", "как"]

# (name, mind file: lines of text, or the raw bytes, [(line, part of the message)])
CASES = [
    ("clean", CLEAN, []),
    ("unpaired last line", CLEAN + ["Кто ты?"],
     [(7, "the last line has no partner and is ignored: «Кто ты?»")]),
    ("empty key line", ["", "Привет!", "Здравствуй!", "Как дела?"],
     [(1, "lines 1-2: the record is skipped because its key line is empty, and «Привет!» is "
          "lost; an empty line does not separate records, so if none was meant here, every "
          "later record is read one line off")]),
    ("empty value line", ["Привет!", "", "Как дела?", "Хорошо."],
     [(2, "lines 1-2: the record is skipped because its value line is empty")]),
    ("a whole empty record", ["", "", "Привет!", "Здравствуй!"],
     [(1, "lines 1-2 are empty: a record is skipped there")]),
    ("tag look-alikes", [" <escape>", "Давай о другом.", "<ESCAPE>", "Давай о другом.",
                         " <ESCAPE> ", "Давай о другом.", "  <Initial>", "Расскажи."],
     [(1, "the key line « <escape>» is not the tag « <ESCAPE>» (lower-case letters), so it "
          "is read as a phrase key"),
      (3, "is not the tag « <ESCAPE>» (no leading space)"),
      (5, "is not the tag « <ESCAPE>» (blanks after the end)"),
      (7, "is not the tag « <INITIAL>» (more than one leading space, lower-case letters)")]),
    ("bracket look-alikes", [" (погода.) ", "Хорошая.", " (погода.", "Хорошая.",
                             "{как?}", "Вот так.", "(Смеётся) Привет!", "Привет!"],
     [(1, "is not a paren rule (blanks after the end)"),
      (3, "is not a paren rule (its last byte is not «)»)"),
      (5, "is not a brace rule (no leading space)")]),
    ("phrase key without a terminator", ["Привет", "Здравствуй!", "Как дела? Что нового", "Да."],
     [(1, "the phrase key «Привет» does not end in «.», «?» or «!»"),
      (3, "«Как дела? Что нового» does not end in")]),
    ("rule keys that lose words", [" (любишь музыку)", "Люблю.", " (погода)", "Хорошая.",
                                   " (?)", "Что?", " {как}", "Так.", " {как?}", "Вот так.",
                                   " |бар|", "Хранится.", " [скобки]", "Хранится."],
     [(1, "the paren rule key «любишь музыку» loses its last word «музыку»"),
      (3, "the paren rule key «погода» has no word (its only word «погода» is lost without a "
          "final «.», «?» or «!»), so it answers every statement without a question word or «не»"),
      (5, "the paren rule key «?» has no word, so it answers every question"),
      (7, "the brace rule key «как» has no word (its only word «как» is lost without a final "
          "«.», «?» or «!»), so it never answers")]),
    ("word lists", [" <QUESTION>", "Как", " <QUESTION>", "чьё", " <IGNORED>", "так же",
                    " <IGNORED>", "что,", " <IGNORED>", "-", " <IGNORED>", "кто-то"],
     [(2, "the question word «Как» can never equal a word: it holds the upper-case letter «К»"),
      (4, "the question word «чьё» can never equal a word: it holds «ё», which separates words"),
      (6, "the ignored word «так же» can never equal a word: it holds a space"),
      (8, "«что,» can never equal a word: it holds «,», which separates words"),
      (10, "«-» can never equal a word: a lone «-» is no word")]),
    ("a tag as a value line: the records are shifted", ["Привет!", " <ESCAPE>", "Давай о другом."],
     [(2, "the value line « <ESCAPE>» is a tag: are the records from here on one line off?"),
      (3, "the last line has no partner")]),
    ("a NUL byte", mind_bytes(["При\0вет!", "Здравствуй!"]),
     [(1, "a NUL byte (0x00), which a mind file cannot hold")]),
    ("0x1A before the end", mind_bytes(CLEAN) + b"\x1a" + mind_bytes(["Пока!", "До встречи!"]),
     [(7, "a 0x1A byte ends the file here; the 20 bytes after it are never read")]),
    ("0x1A as the last byte", mind_bytes(CLEAN) + b"\x1a", []),
    ("saved as UTF-8", "\r\n".join(CLEAN).encode(),
     [(1, "this looks like UTF-8, but mind files are Windows-1251"),
      (6, "the question word «РєР°Рє» can never equal a word")]),
]


class CheckTest(ProgramTest):
    def test_faulty_files(self):
        for name, content, warnings in CASES:
            with self.subTest(name):
                path = self.dir / "bot.mind"
                path.write_bytes(content if isinstance(content, bytes) else mind_bytes(content))
                result = run(["check", str(path)])
                self.assertEqual(result.returncode, 1 if warnings else 0, result.stdout.decode())
                found = [line for line in result.stdout.decode().split("\n")
                         if line.startswith(f"{path}:") and line[len(str(path)) + 1].isdigit()]
                self.assertEqual(len(found), len(warnings), "\n".join(found))
                for line, (number, part) in zip(found, warnings):
                    self.assertTrue(line.startswith(f"{path}:{number}: "), line)
                    self.assertIn(part, line)

    def test_whole_report_with_summary(self):
        # The fixture holds one of most kinds of fault and every record kind.
        for encoding in ["utf-8", "cp1251"]:
            with self.subTest(encoding=encoding):
                result = run(["check", "faulty.mind", "--encoding", encoding], cwd=FIXTURES)
                self.assertEqual(result.returncode, 1)
                expected = (FIXTURES / "faulty.expected").read_text(encoding="utf-8")
                self.assertEqual(result.stdout.decode(encoding), expected)

    def test_files_that_cannot_be_read(self):
        for path, message in [(self.dir / "missing.mind", "cannot read: No such file"),
                              (self.dir, "is a directory")]:
            with self.subTest(path=path):
                result = run(["check", str(path)])
                self.assertEqual(result.returncode, 2)
                self.assertEqual(result.stdout, b"")
                errors = result.stderr.decode()
                self.assertTrue(errors.startswith(f"chatmind: {path}: {message}"), errors)
                self.assertEqual(errors.count("\n"), 1, errors)

    def test_bundled_mind_is_clean(self):
        result = run(["check", str(HERE.parent.parent / "data" / "default.mind")])
        self.assertEqual(result.returncode, 0, result.stdout.decode())


if __name__ == "__main__":
    unittest.main()
