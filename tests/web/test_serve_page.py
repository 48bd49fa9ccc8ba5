"""tools/serve-page.py, which tools/run-game.sh --web serves the page with: one fixed port unless
it is taken, the port asked for (and a word when that one is taken), and with --lan every network
address and a word on what a phone gets over plain http; and run-game.sh's options, checked before
anything is installed. Nothing is sent off this machine: what the server listens on is read from
the kernel's table, and the page is fetched from 127.0.0.1 only."""

import os
import socket
import struct
import subprocess
import sys
import unittest
import urllib.request

TOOLS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools")
SERVE = os.path.join(TOOLS, "serve-page.py")
DEFAULT_PORT = 8264  # stated again here on purpose: the port players' browsers remember


def listening(port):
    """The IPv4 addresses listening on a TCP port."""
    with open("/proc/net/tcp") as table:
        rows = [line.split() for line in table.readlines()[1:]]
    return sorted(socket.inet_ntoa(struct.pack("<I", int(local.split(":")[0], 16)))
                  for _, local, _, state, *_ in rows
                  if int(local.split(":")[1], 16) == port and state == "0A")


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


class ServePage(unittest.TestCase):
    def serve(self, *options):
        """Starts the server; its lines up to the one naming the local address, and its port."""
        server = subprocess.Popen([sys.executable, SERVE, os.environ["YORUNAMI_PAGE"], *options],
                                  stdout=subprocess.PIPE, text=True)
        self.addCleanup(server.wait)
        self.addCleanup(server.terminate)
        self.addCleanup(server.stdout.close)
        lines = [server.stdout.readline()]
        while lines[-1] and "http://127.0.0.1:" not in lines[-1]:
            lines.append(server.stdout.readline())
        port = int(lines[-1].split("http://127.0.0.1:")[1].split("/")[0])
        if "--lan" in options:
            lines += [server.stdout.readline() for _ in range(2)]
        page = urllib.request.urlopen(f"http://127.0.0.1:{port}/").read().decode("utf-8")
        self.assertIn('<canvas id="board"', page)
        return "".join(lines), port

    def test_one_port_on_this_computer_alone_unless_it_is_taken_or_another_is_asked_for(self):
        if not listening(DEFAULT_PORT):
            _, port = self.serve()
            self.assertEqual(port, DEFAULT_PORT)
            self.assertEqual(listening(port), ["127.0.0.1"])
        said, port = self.serve()  # the port is taken now, by the first server or another
        self.assertIn(f"Port {DEFAULT_PORT} is taken", said)
        self.assertNotEqual(port, DEFAULT_PORT)
        asked = free_port()
        self.assertEqual(self.serve("--port", str(asked))[1], asked)
        taken = subprocess.run([sys.executable, SERVE, os.environ["YORUNAMI_PAGE"], "--port",
                                str(asked)], capture_output=True, text=True, timeout=10)
        self.assertEqual(taken.returncode, 1)
        self.assertIn(f"Port {asked} is taken by another program: choose another with --port",
                      taken.stderr)

    def test_run_game_answers_a_wrong_option_with_its_own_usage_at_once(self):
        for options in (["--web", "--port"], ["--web", "--port", "80x"], ["--web", "--foo"],
                        ["--windows", "--lan"]):
            said = subprocess.run([os.path.join(TOOLS, "run-game.sh"), *options],
                                  capture_output=True, text=True, timeout=10)
            self.assertEqual(said.returncode, 2, options)
            self.assertIn("usage: tools/run-game.sh [--windows | --web [--port N] [--lan]]",
                          said.stderr)
            self.assertEqual(said.stdout, "", options)  # nothing installed, nothing built

    def test_on_the_local_network_it_says_where_and_what_a_phone_gets(self):
        said, port = self.serve("--lan", "--port", str(free_port()))
        self.assertEqual(listening(port), ["0.0.0.0"])
        self.assertRegex(said, r"open http://\d+\.\d+\.\d+\.\d+:%d/|no network address" % port)
        self.assertIn("neither works offline nor installs", said)


if __name__ == "__main__":
    unittest.main()
