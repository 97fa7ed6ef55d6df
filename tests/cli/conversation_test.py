"""Piped conversations: one reply line per input line, compared with stored
transcripts, and what --save writes."""

import os
import signal
import subprocess
import unittest

from support import HERE, PROGRAM, ProgramTest, mind_bytes

CONVERSATIONS = HERE / "conversations"

GREETINGS = [
    "Привет!", "Здравствуй!",
    "Как дела?", "Хорошо, спасибо.",
]


class ConversationTest(ProgramTest):
    def test_transcripts(self):
        # (transcript, arguments); NAME.in is typed, NAME.out is expected.
        cases = [
            # Over the bundled mind, in turn: an exact phrase; an indexed
            # sentence («как», «дела»); a paren rule («погода.»); a brace rule
            # (the ignored word «ты»); then every escape and every initial
            # phrase, the fallback, an escape again now that the fallback has
            # emptied the history, and a pair learned at line 6.
            ("bundled_mind", []),
            ("bundled_mind", ["chat", "--mind", str(HERE.parent.parent / "data" / "default.mind")]),
        ]
        for name, args in cases:
            with self.subTest(name=name, args=args):
                said = (CONVERSATIONS / f"{name}.in").read_text(encoding="utf-8")
                expected = (CONVERSATIONS / f"{name}.out").read_text(encoding="utf-8")
                replies, _ = self.chat(args, said.split("\n")[:-1])
                self.assertEqual("".join(r + "\n" for r in replies), expected)

    def test_one_output_line_per_input_line(self):
        mind = self.write_mind(GREETINGS)
        replies, result = self.chat(["chat", "--mind", str(mind)],
                                    ["Привет!", "", "   ", "/help", "Как дела?"])
        # An empty line is the question «?»; spaces only get an empty reply;
        # a command is only a command in a terminal.
        self.assertEqual(replies, ["Здравствуй!", "Не понял.", "", "Не понял.",
                                   "Хорошо, спасибо."])
        self.assertEqual(result.stderr, b"")

    def test_settings_file_in_the_current_directory_gives_the_fallback(self):
        mind = self.write_mind(GREETINGS)
        (self.dir / "chatmind.INI").write_bytes(
            "[Search]\r\nNotClear=Повтори, пожалуйста.\r\n".encode("cp1251"))
        replies, _ = self.chat(["chat", "--mind", str(mind)], ["Абырвалг."])
        self.assertEqual(replies, ["Повтори, пожалуйста."])


class SaveTest(ProgramTest):
    def test_without_save_the_mind_file_is_never_written(self):
        mind = self.write_mind(GREETINGS)
        before = mind.read_bytes()
        self.chat(["chat", "--mind", str(mind)], ["Привет!", "Меня зовут Аня."])
        self.assertEqual(mind.read_bytes(), before)

    def test_save_writes_what_was_learned_at_end_of_input(self):
        mind = self.write_mind(GREETINGS)
        self.chat(["chat", "--mind", str(mind), "--save"], ["Привет!", "Меня зовут Аня."])
        saved = mind.read_bytes()
        self.assertIn(mind_bytes(["Здравствуй!", "Меня зовут Аня."]), saved)
        # The next conversation answers from what the first one taught.
        replies, _ = self.chat(["chat", "--mind", str(mind)], ["Здравствуй!"])
        self.assertEqual(replies, ["Меня зовут Аня."])

    def test_interrupt_ends_the_conversation_and_saves(self):
        mind = self.write_mind(GREETINGS)
        process = subprocess.Popen([PROGRAM, "chat", "--mind", str(mind), "--save"],
                                   stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                   stderr=subprocess.PIPE, cwd=self.dir)
        for line in ["Привет!", "Меня зовут Аня."]:
            process.stdin.write(line.encode() + b"\n")
            process.stdin.flush()
            process.stdout.readline()
        # The program is now waiting for the next line, with its input open.
        process.send_signal(signal.SIGINT)
        _, errors = process.communicate(timeout=30)
        process.stdin.close()
        self.assertEqual(process.returncode, 0, errors)
        self.assertIn(mind_bytes(["Здравствуй!", "Меня зовут Аня."]), mind.read_bytes())

    def test_a_mind_that_cannot_be_written_is_an_error(self):
        mind = self.write_mind(GREETINGS)
        # A directory where the mind file was cannot be replaced by a file.
        process = subprocess.Popen([PROGRAM, "chat", "--mind", str(mind), "--save"],
                                   stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                   stderr=subprocess.PIPE, cwd=self.dir)
        process.stdin.write("Привет!\n".encode())
        process.stdin.flush()
        process.stdout.readline()
        mind.unlink()
        os.mkdir(mind)
        _, errors = process.communicate(timeout=30)
        self.assertEqual(process.returncode, 1)
        self.assertIn(f"{mind}: cannot write the mind file", errors.decode())


if __name__ == "__main__":
    unittest.main()
