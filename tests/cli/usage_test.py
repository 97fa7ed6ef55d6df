"""The command line: help, version, and one-line errors with their status."""

import unittest

from support import ProgramTest, run


class UsageTest(ProgramTest):
    def test_help_and_version(self):
        for args, expected in [(["--help"], "Usage:"), (["-h"], "Usage:"),
                               (["--version"], "chatmind 0.")]:
            with self.subTest(args=args):
                result = run(args)
                self.assertEqual(result.returncode, 0)
                self.assertTrue(result.stdout.decode().startswith(expected))

    def test_errors_are_one_line_naming_what_is_wrong(self):
        missing = str(self.dir / "missing.mind")
        cases = [  # (arguments, status, message)
            (["--bogus"], 2, "unknown option '--bogus'"),
            (["talk"], 2, "unexpected argument 'talk'"),
            (["chat", "--mind"], 2, "--mind needs a value"),
            (["--save"], 2, "--save needs --mind FILE"),
            (["--encoding", "koi8-r"], 2, "unknown encoding 'koi8-r'"),
            (["check"], 2, "check needs a FILE"),
            (["check", "a.mind", "b.mind"], 2, "unexpected argument 'b.mind'"),
            (["chat", "--mind", missing], 1, f"{missing}: no such file"),
            (["chat", "--mind", str(self.dir)], 1, f"{self.dir}: cannot read the mind file"),
        ]
        for args, status, message in cases:
            with self.subTest(args=args):
                result = run(args)
                self.assertEqual(result.returncode, status)
                self.assertEqual(result.stdout, b"")
                errors = result.stderr.decode()
                self.assertEqual(errors.count("\n"), 1, errors)
                self.assertIn(message, errors)


if __name__ == "__main__":
    unittest.main()
