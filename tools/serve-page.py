#!/usr/bin/env python3
"""Serves the web page's folder for playing: from 127.0.0.1 on one fixed port (so that the browser
sees the same site every time, with its offline copy and its installed app), or another free one
when that port is taken; with --lan also on the local network, for a phone.

Usage: serve-page.py FOLDER [--port N] [--lan] [--open]
  --port N  this port and no other
  --lan     also on this computer's network addresses, which it prints
  --open    opens the page in the desktop's browser, where there is one
Ctrl+C stops it.
"""

import argparse
import errno
import functools
import http.server
import os
import shutil
import subprocess
import sys

DEFAULT_PORT = 8264


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def serve(folder, host, port, fixed):
    """A server on the port, or on a free one when it is taken and not fixed (then it says so and
    ends the program)."""
    handler = functools.partial(QuietHandler, directory=folder)
    try:
        return http.server.ThreadingHTTPServer((host, port), handler)
    except OSError as error:
        if error.errno != errno.EADDRINUSE:
            raise
        if fixed:
            sys.exit(f"Port {port} is taken by another program: choose another with --port N, or "
                     f"leave --port out to take {DEFAULT_PORT} or, when that is taken too, a free "
                     "port.")
        print(f"Port {port} is taken: serving on a free port instead, a site of its own (the "
              "browser keeps its offline copy and installed app apart).")
        return http.server.ThreadingHTTPServer((host, 0), handler)


def network_addresses():
    """This computer's IPv4 addresses on its networks, as it knows them itself."""
    found = subprocess.run(["hostname", "-I"], capture_output=True, text=True).stdout.split()
    return [address for address in found if "." in address and not address.startswith("127.")]


def main():
    options = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    options.add_argument("folder")
    options.add_argument("--port", type=int, metavar="N")
    options.add_argument("--lan", action="store_true")
    options.add_argument("--open", action="store_true")
    arguments = options.parse_args()

    server = serve(arguments.folder, "0.0.0.0" if arguments.lan else "127.0.0.1",
                   arguments.port or DEFAULT_PORT, arguments.port is not None)
    port = server.server_address[1]
    local = f"http://127.0.0.1:{port}/"
    print(f"The game is served from {os.path.abspath(arguments.folder)}")
    print(f"Open {local} in a browser on this computer; Ctrl+C stops the server.")
    if arguments.lan:
        addresses = network_addresses()
        if addresses:
            print("On a phone or another computer on the same network, open " +
                  " or ".join(f"http://{address}:{port}/" for address in addresses))
        else:
            print("This computer has no network address to give a phone.")
        print("From another device over plain http the game plays, but it neither works offline "
              "nor installs as an app: those need https (or this computer's own 127.0.0.1).")
    sys.stdout.flush()
    if arguments.open and (os.environ.get("DISPLAY") or os.environ.get("WAYLAND_DISPLAY")) \
            and shutil.which("xdg-open"):
        subprocess.Popen(["xdg-open", local], stdout=subprocess.DEVNULL,
                         stderr=subprocess.DEVNULL)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass


if __name__ == "__main__":
    main()
