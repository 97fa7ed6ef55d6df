"""Runs the chatmind program as a user would, for the command-line tests."""

import os
import subprocess
import tempfile
import unittest
from pathlib import Path

PROGRAM = os.environ["CHATMIND"]
HERE = Path(__file__).resolve().parent


def mind_bytes(lines):
    """A mind file of `lines` (text), Windows-1251 with CR LF, as authors keep it."""
    return b"".join(line.encode("cp1251") + b"\r\n" for line in lines)


def run(args, stdin=b"", cwd=None):
    """Runs chatmind with `args`, feeding `stdin` through a pipe."""
    return subprocess.run([PROGRAM, *args], input=stdin, capture_output=True,
                          cwd=cwd, timeout=30, check=False)


class ProgramTest(unittest.TestCase):
    """A test with a scratch directory, also the program's current directory."""

    def setUp(self):
        scratch = tempfile.TemporaryDirectory()
        self.addCleanup(scratch.cleanup)
        self.dir = Path(scratch.name)

    def write_mind(self, lines, name="bot.mind"):
        path = self.dir / name
        path.write_bytes(mind_bytes(lines))
        return path

    def chat(self, args, lines, encoding="utf-8"):
        """Pipes `lines` to chatmind; returns the output lines and the result."""
        stdin = "".join(line + "\n" for line in lines).encode(encoding)
        result = run(args, stdin, cwd=self.dir)
        self.assertEqual(result.returncode, 0, result.stderr.decode(errors="replace"))
        return result.stdout.decode(encoding).split("\n")[:-1], result
