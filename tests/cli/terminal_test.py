"""chatmind in a real terminal (a pseudo-terminal): a prompt, line editing
with history, commands, and the end of the conversation by Ctrl-D or Ctrl-C."""

import os
import pty
import select
import signal
import termios
import time
import unittest

from support import PROGRAM, ProgramTest, mind_bytes

CTRL_C, CTRL_D, UP = "\x03", "\x04", "\x1b[A"


class Terminal:
    def __init__(self, args, cwd):
        self.pid, self.fd = pty.fork()
        if self.pid == 0:
            os.chdir(cwd)
            os.execve(PROGRAM, [PROGRAM, *args], dict(os.environ, TERM="xterm", LANG="C.UTF-8"))
        self.screen = b""
        self.seen = 0
        self.status = None

    def type(self, keys):
        os.write(self.fd, keys.encode())

    def answer(self, keys):
        """Types `keys` at the next prompt, once the line editor has the
        terminal. It prints the prompt before it takes the terminal, and keys
        that meet the cooked mode are echoed twice, a Ctrl-D among them lost."""
        self.expect("> ")
        self.wait_for_line_editor()
        self.type(keys)

    def wait_for_line_editor(self, timeout=10):
        """Waits until the terminal leaves cooked (canonical) mode; a
        pseudo-terminal's two ends share their settings."""
        deadline = time.monotonic() + timeout
        while termios.tcgetattr(self.fd)[3] & termios.ICANON:
            if time.monotonic() > deadline:
                raise AssertionError("the line editor never took the terminal:\n"
                                     + self.screen.decode(errors="replace"))
            time.sleep(0.001)

    def expect(self, text, timeout=10):
        """Waits until `text` appears after what was expected before."""
        wanted = text.encode()
        deadline = time.monotonic() + timeout
        while wanted not in self.screen[self.seen:]:
            remaining = deadline - time.monotonic()
            ready, _, _ = select.select([self.fd], [], [], max(remaining, 0))
            if not ready:
                raise AssertionError(f"no {text!r} on the screen:\n"
                                     + self.screen.decode(errors="replace"))
            try:
                self.screen += os.read(self.fd, 4096)
            except OSError:  # the program has ended
                raise AssertionError(f"ended without {text!r}:\n"
                                     + self.screen.decode(errors="replace")) from None
        self.seen = self.screen.index(wanted, self.seen) + len(wanted)

    def exit_status(self, timeout=10):
        """Waits for the program to end; fails when it has not in time."""
        deadline = time.monotonic() + timeout
        while self.status is None:
            pid, status = os.waitpid(self.pid, os.WNOHANG)
            if pid == self.pid:
                os.close(self.fd)
                self.status = os.waitstatus_to_exitcode(status)
            elif time.monotonic() > deadline:
                raise AssertionError("the program did not end:\n"
                                     + self.screen.decode(errors="replace"))
            else:
                time.sleep(0.01)
        return self.status

    def close(self):
        """Ends the program if a failed test left it running."""
        if self.status is None:
            os.kill(self.pid, signal.SIGKILL)
            self.exit_status(timeout=60)


class TerminalTest(ProgramTest):
    def open(self, args):
        terminal = Terminal(args, self.dir)
        self.addCleanup(terminal.close)
        return terminal

    def test_conversation_with_the_bundled_mind(self):
        terminal = self.open([])
        terminal.expect("talking with the bundled mind")
        terminal.expect("/quit")
        terminal.answer("Привет!\r")
        terminal.expect("Рад тебя видеть")
        terminal.answer("Ура 😀\r")
        terminal.expect("Not sent, nothing learned: «😀» (U+1F600) has no Windows-1251 form.")
        # Twice up recalls «Привет!»; it was answered, so another rule answers.
        terminal.answer(UP + UP + "\r")
        terminal.expect("Привет! Как у тебя дела?")
        terminal.answer("/help\r")
        terminal.expect("/save [FILE]")
        terminal.answer("/save\r")
        terminal.expect("The bundled mind is never written; /save FILE writes")
        terminal.answer("/save copy.mind\r")
        terminal.expect("Saved to copy.mind.")
        terminal.answer("/bogus\r")
        terminal.expect("Unknown command /bogus")
        terminal.answer(CTRL_D)
        self.assertEqual(terminal.exit_status(), 0)
        self.assertIn(mind_bytes(["Привет! Рад тебя видеть. Как у тебя дела?", "Привет!"]),
                      (self.dir / "copy.mind").read_bytes())

    def test_ctrl_c_ends_and_saves_with_save(self):
        mind = self.write_mind(["Привет!", "Здравствуй!"])
        terminal = self.open(["chat", "--mind", str(mind), "--save"])
        terminal.expect("what it learns is saved at the end")
        terminal.answer("Привет!\r")
        terminal.expect("Здравствуй!")
        terminal.answer("Меня зовут Аня.\r")
        terminal.expect("Не понял.")
        # Typed the moment the prompt shows, before the line editor reads: a
        # signal that comes before the read must end it all the same.
        terminal.expect("> ")
        terminal.type(CTRL_C)
        self.assertEqual(terminal.exit_status(), 0)
        self.assertIn(mind_bytes(["Здравствуй!", "Меня зовут Аня."]), mind.read_bytes())

    def test_quit_without_save_leaves_the_file(self):
        mind = self.write_mind(["Привет!", "Здравствуй!"])
        before = mind.read_bytes()
        terminal = self.open(["chat", "--mind", str(mind)])
        terminal.expect("nothing it learns is saved")
        terminal.answer("Привет!\r")
        terminal.expect("Здравствуй!")
        terminal.answer("/save\r")
        terminal.expect("Started without --save, so the mind file is never written")
        terminal.answer("/quit\r")
        self.assertEqual(terminal.exit_status(), 0)
        self.assertEqual(mind.read_bytes(), before)


if __name__ == "__main__":
    unittest.main()
