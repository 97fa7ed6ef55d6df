"""--explain: after each reply, standard error says which strategy answered
and why, and what was learned; standard output stays one line per line."""

import unittest

from support import ProgramTest

MIND = [
    "Привет!", "Здравствуй!",
    "Ты любишь музыку?", "Очень люблю.",
    " (погода.)", "Погода хорошая.",
    " {ты?}", "Я бот.",
    " <IGNORED>", "ты",
    " <ESCAPE>", "Давай о другом.",
]


class ExplainTest(ProgramTest):
    def test_each_decision_is_explained(self):
        mind = self.write_mind(MIND)
        said = ["Привет!", "Любишь музыку?", "Какая сегодня погода.", "Кто ты?", "x", "x"]
        replies, result = self.chat(["chat", "--mind", str(mind), "--explain"], said)
        self.assertEqual(replies, ["Здравствуй!", "Очень люблю.", "Погода хорошая.", "Я бот.",
                                   "Давай о другом.", "Не понял."])
        self.assertEqual(result.stderr.decode("utf-8").splitlines(), [
            "explain: exact phrase: the text equals the key «Привет!»",
            "explain: indexed sentence: «Любишь музыку?» shares «любишь», «музыку» with the"
            " index entry «Ты любишь музыку 1?» of the pair with key «Ты любишь музыку?»",
            "explain: learned the pair «Здравствуй!» -> «Любишь музыку?»",
            "explain: paren rule «погода.»: «Какая сегодня погода.» holds «погода»",
            "explain: learned the pair «Очень люблю.» -> «Какая сегодня погода.»",
            "explain: brace rule «ты?»: «Кто ты?» holds the ignored word «ты»",
            "explain: learned the pair «Погода хорошая.» -> «Кто ты?»",
            "explain: escape phrase: no rule or phrase answered",
            "explain: learned the pair «Я бот.» -> «x?»",
            "explain: fallback: nothing answered; the history starts anew",
            "explain: learned the pair «Давай о другом.» -> «x?»",
        ])

    def test_without_the_option_nothing_is_said(self):
        mind = self.write_mind(MIND)
        _, result = self.chat(["chat", "--mind", str(mind)], ["Привет!"])
        self.assertEqual(result.stderr, b"")


if __name__ == "__main__":
    unittest.main()
