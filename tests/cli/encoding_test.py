"""UTF-8 on the user's side, Windows-1251 in the mind file and the engine."""

import unittest

from support import ProgramTest, mind_bytes, run

MIND = [
    "Привіт, їжаку!", "Ґанок і є, Ђ € №.",  # letters beyond Russian, all in Windows-1251
    "Привет!", "Здравствуй!",
    " <ESCAPE>", "Давай о другом.",
]


class EncodingTest(ProgramTest):
    def test_round_trip_through_windows_1251(self):
        mind = self.write_mind(MIND)
        replies, _ = self.chat(["chat", "--mind", str(mind)], ["Привіт, їжаку!"])
        self.assertEqual(replies, ["Ґанок і є, Ђ € №."])

    def test_lines_windows_1251_cannot_carry_are_not_sent(self):
        cases = [  # (line, what the message names)
            ("Привет 😀", "«😀» (U+1F600) has no Windows-1251 form"),
            ("α и ω", "«α» (U+03B1) has no Windows-1251 form"),
            (b"\xff\xfe\n", "byte 0xFF is not valid UTF-8"),
        ]
        for line, message in cases:
            with self.subTest(line=line):
                mind = self.write_mind(MIND)
                stdin = line if isinstance(line, bytes) else line.encode() + b"\n"
                process = run(["chat", "--mind", str(mind), "--save"],
                              "Привет!\n".encode() + stdin + "Пока.\n".encode(), cwd=self.dir)
                self.assertEqual(process.returncode, 0, process.stderr)
                # Lines stay aligned: the unconvertible one gets an empty line.
                self.assertEqual(process.stdout.decode().split("\n"),
                                 ["Здравствуй!", "", "Давай о другом.", ""])
                self.assertEqual(process.stderr.decode(),
                                 f"chatmind: line 2: not sent: {message}\n")
                # Nothing was learned from it: the next line answers the
                # reply before it.
                saved = mind.read_bytes()
                self.assertIn(mind_bytes(["Здравствуй!", "Пока."]), saved)

    def test_windows_1251_on_both_sides(self):
        mind = self.write_mind(MIND)
        replies, _ = self.chat(["chat", "--mind", str(mind), "--encoding", "cp1251"],
                               ["Привіт, їжаку!", "Привет!"], encoding="cp1251")
        self.assertEqual(replies, ["Ґанок і є, Ђ € №.", "Здравствуй!"])

    def test_a_byte_windows_1251_leaves_undefined_reaches_the_user_as_a_replacement(self):
        mind = self.dir / "bot.mind"
        mind.write_bytes(mind_bytes(["Привет!"]) + b"\xcf\xf0\xe8\x98\xe2\xe5\xf2.\r\n")
        replies, _ = self.chat(["chat", "--mind", str(mind)], ["Привет!"])
        self.assertEqual(replies, ["При\ufffdвет."])


if __name__ == "__main__":
    unittest.main()
