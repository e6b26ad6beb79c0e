#!/usr/bin/env python3
"""The README's run command (scripts/run.sh) started twice in quick succession from two
folders, and once followed at once by a second start through wine itself: one program
keeps running every time, whichever start won, and the start that handed over to it ends
with code 0. And the scripts stop only a wineserver they started.

Run by CTest in the Windows build, on the display of scripts/wine-env.sh:
    run_command_test.py [unittest arguments]
The starts use a copy of the build's Wine prefix in which no wineserver runs, as at a
user's first start: the first run command starts the server itself.
"""

import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest

sys.dont_write_bytecode = True  # no cache of the module below in the source tree
from real_input_test import MAIN_CAPTION, poll, window_named  # noqa: E402

REPOSITORY = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
RUN_COMMAND = os.path.join(REPOSITORY, "scripts", "run.sh")
PROGRAM = os.path.join(REPOSITORY, "build", "win32", "bin", "Velorandquistmar.exe")
TIMEOUT = 60.0  # a run command checks the packages and the build before it starts the program
KEPT = 3.0  # a program ended with the other start's run command goes within well under a second


class TwoQuickStarts(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.root = tempfile.mkdtemp(prefix="run-command-")
        cls.build = os.path.join(cls.root, "win32")
        cls.prefix = os.path.join(cls.build, "wineprefix")
        os.makedirs(cls.build)
        subprocess.run(["cp", "-a", os.environ["WINEPREFIX"], cls.prefix], check=True, timeout=TIMEOUT)
        # Two folders of MP3 files, the second's name with a blank, given relative to where
        # the command is typed.
        cls.folders = [os.path.join(cls.root, "music a"), os.path.join(cls.root, "music b")]
        for folder in cls.folders:
            subprocess.run([os.path.join(REPOSITORY, "scripts", "make-sample-folder.sh"), folder], check=True,
                           timeout=TIMEOUT)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.root, ignore_errors=True)

    def setUp(self):
        self.environment = dict(os.environ, WINE_BUILD_DIR=self.build, WINEPREFIX=self.prefix)
        self.starts = []
        self.log = open(os.path.join(self.root, "starts.log"), "wb")
        self.assertEqual(self.programs(), [])

    def tearDown(self):
        for pid in self.programs():
            os.kill(pid, signal.SIGTERM)
        for start in self.starts:
            try:
                start.wait(TIMEOUT)
            except subprocess.TimeoutExpired:
                start.kill()
                start.wait()
        # The server a start left to the program ends a few seconds after it; the next case
        # needs a prefix without one now.
        self.wineserver("-k")
        self.wineserver("-w")
        self.log.close()

    def wineserver(self, option):
        subprocess.run(["wineserver", option], env=self.environment, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=TIMEOUT)

    def programs(self):
        """The process ids of the program running in the prefix."""
        found = []
        for pid in filter(str.isdigit, os.listdir("/proc")):
            try:
                with open("/proc/%s/cmdline" % pid, "rb") as cmdline:
                    if not cmdline.read().split(b"\0")[0].endswith(b"Velorandquistmar.exe"):
                        continue
                with open("/proc/%s/environ" % pid, "rb") as environ:
                    if ("WINEPREFIX=" + self.prefix).encode() in environ.read().split(b"\0"):
                        found.append(int(pid))
            except OSError:  # it ended meanwhile, or is not ours to read
                continue
        return found

    def run_command(self, folder):
        """The run command typed in the folder above folder, naming it relative to there."""
        self.starts.append(subprocess.Popen([RUN_COMMAND, os.path.basename(folder)], cwd=os.path.dirname(folder),
                                            env=self.environment, stdin=subprocess.DEVNULL, stdout=self.log,
                                            stderr=self.log))

    def wine(self, folder):
        self.starts.append(subprocess.Popen(["wine", PROGRAM], cwd=folder, env=self.environment,
                                            stdin=subprocess.DEVNULL, stdout=self.log, stderr=self.log))

    def starts_log(self):
        self.log.flush()
        with open(self.log.name, "rb") as log:
            return log.read().decode("latin-1")[-2000:]

    def assert_one_program_keeps_running(self, start_second):
        """The run command in the first folder, then start_second in the second: one start
        hands over to the other's program and ends with code 0, and that program keeps
        running, alone, with its main window shown, in its folder."""
        self.run_command(self.folders[0])
        start_second(self.folders[1])
        ended = poll(lambda: next((s for s in self.starts if s.poll() is not None), None), TIMEOUT)
        self.assertIsNotNone(ended, "neither start handed over to the other: " + self.starts_log())
        self.assertEqual(ended.returncode, 0, "the start that handed over: " + self.starts_log())
        kept = next(s for s in self.starts if s is not ended)
        gone = poll(lambda: kept.poll() is not None or len(self.programs()) != 1, KEPT)
        self.assertFalse(gone, "no single program keeps running, programs %s, the other start %s: %s" %
                         (self.programs(), kept.poll(), self.starts_log()))
        self.assertTrue(poll(lambda: window_named(MAIN_CAPTION), TIMEOUT), "no main window shows")
        self.assertIn(os.readlink("/proc/%d/cwd" % self.programs()[0]), self.folders)

    def run_command_after(self, seconds):
        return lambda folder: (time.sleep(seconds), self.run_command(folder))

    def test_two_run_commands_at_once(self):
        self.assert_one_program_keeps_running(self.run_command_after(0))

    def test_two_run_commands_a_fifth_of_a_second_apart(self):
        self.assert_one_program_keeps_running(self.run_command_after(0.2))

    def test_two_run_commands_half_a_second_apart(self):
        self.assert_one_program_keeps_running(self.run_command_after(0.5))

    def test_two_run_commands_a_second_apart(self):
        self.assert_one_program_keeps_running(self.run_command_after(1))

    def test_wine_at_once_after_the_run_command_started_the_program(self):
        # The two programs start together, after the run command started the server.
        self.assert_one_program_keeps_running(lambda folder: (poll(self.programs, TIMEOUT), self.wine(folder)))


class TheServerAStartStarted(unittest.TestCase):
    """scripts/wine-env.sh with stand-ins for wineserver (each call's arguments written down,
    the start answering a given code) and wine: a script stops the server only when its
    start answered 0, which says it started one; 2 says one runs already, other codes that
    none started."""

    def stops_after_a_start_answering(self, code):
        """Whether the script's stop asked the server to end (no program runs in the prefix)."""
        with tempfile.TemporaryDirectory() as root:
            tools = os.path.join(root, "tools")
            os.makedirs(tools)
            calls = os.path.join(root, "calls")
            with open(os.path.join(tools, "wineserver"), "w") as server:
                server.write('#!/bin/sh\necho "$*" >> "%s"\ncase "$1" in -p*) exit %d ;; esac\n' % (calls, code))
            with open(os.path.join(tools, "wine"), "w") as wine:
                wine.write("#!/bin/sh\nexit 0\n")
            for tool in ["wineserver", "wine"]:
                os.chmod(os.path.join(tools, tool), 0o755)
            prefix = os.path.join(root, "win32", "wineprefix")
            os.makedirs(prefix)
            open(os.path.join(prefix, "system.reg"), "w").close()
            with open(os.path.join(prefix, "user.reg"), "w") as user:
                user.write('"Managed"="N"\n')
            script = 'source "%s"; wine_env_start keep_display; wine_env_stop' % \
                os.path.join(REPOSITORY, "scripts", "wine-env.sh")
            environment = dict(os.environ, PATH=tools + os.pathsep + os.environ["PATH"],
                               WINE_BUILD_DIR=os.path.dirname(prefix), DISPLAY=os.environ.get("DISPLAY", ":0"))
            subprocess.run(["bash", "-c", script], env=environment, stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL, timeout=TIMEOUT, check=True)
            with open(calls) as called:
                return "-k" in called.read().split()

    def test_a_server_started_is_stopped_and_none_other(self):
        self.assertTrue(self.stops_after_a_start_answering(0))
        self.assertFalse(self.stops_after_a_start_answering(2), "a server that ran already")
        self.assertFalse(self.stops_after_a_start_answering(1), "no server started")


if __name__ == "__main__":
    unittest.main(argv=sys.argv, verbosity=2)
