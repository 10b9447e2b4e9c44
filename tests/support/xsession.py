"""A private X server for end-to-end tests of the window programs.

Xvfb chooses a free display number itself (-displayfd) and reports it once it listens,
so tests running side by side (other ctest runs on the same machine included) never
pick the same display. It runs with -noreset: by default an X server resets when its
last client disconnects and drops the clients that connect while it does; the readiness
probe (one short xdotool connection) is such a last client, right before the program
under test connects. -nolisten tcp keeps the server on its local socket, and a random
cookie (xauth) admits only the clients started here: a test elsewhere that starts a
server on a fixed display number, fails because this one holds it and then talks to
"its" display, is refused instead of drawing into (or ending) this session.

    session = XSession("rastrel-e2e-", shots_dir)
    try:
        session.start()
        app = session.spawn([program, arg])
        screen = session.screen("01-main-window")
    finally:
        session.close()
"""
import os
import shutil
import subprocess
import tempfile
import time

LSAN_SUPPRESSIONS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "viewer", "lsan.supp")


def missing_tool(tools):
    """The first of the tools that is not installed, or None."""
    for tool in tools:
        if not shutil.which(tool):
            return tool
    return None


def wait_for(what, predicate, timeout=15.0, interval=0.1):
    """The first true result of predicate(), polled until timeout seconds have passed."""
    end = time.time() + timeout
    while True:
        result = predicate()
        if result:
            return result
        if time.time() >= end:
            raise AssertionError("timed out waiting for " + what)
        time.sleep(interval)


class Screen:
    """A screenshot as a P6 PPM: width, height and RGB bytes."""

    def __init__(self, data):
        parts = data.split(maxsplit=4)
        assert parts[0] == b"P6", "import did not produce a PPM"
        self.width, self.height = int(parts[1]), int(parts[2])
        self.pixels = parts[4]

    def at(self, x, y):
        i = 3 * (y * self.width + x)
        return tuple(self.pixels[i:i + 3])

    def bbox(self, colour):
        """Bounding box (x0, y0, x1, y1), inclusive, of every pixel of a colour, or None."""
        needle = bytes(colour)
        xs, ys = [], []
        for y in range(self.height):
            row = self.pixels[3 * y * self.width:3 * (y + 1) * self.width]
            start = row.find(needle)
            while start != -1 and start % 3 != 0:
                start = row.find(needle, start + 1)
            if start == -1:
                continue
            end = row.rfind(needle)
            while end % 3 != 0:
                end = row.rfind(needle, 0, end + 2)
            xs += [start // 3, end // 3]
            ys.append(y)
        if not ys:
            return None
        return min(xs), min(ys), max(xs), max(ys)


class XSession:
    """Xvfb, a private home and runtime folder, the programs started on it, screenshots."""

    def __init__(self, prefix, shots=None, screen="1024x768x24"):
        self.shots = shots
        self.screen_spec = screen
        if shots:
            os.makedirs(shots, exist_ok=True)
        self.tmp = tempfile.mkdtemp(prefix=prefix)
        os.chmod(self.tmp, 0o700)
        self.env = dict(os.environ)
        self.env.update({"XDG_RUNTIME_DIR": self.tmp, "XDG_CONFIG_HOME": os.path.join(self.tmp, "config"),
                         "HOME": self.tmp})
        # Sanitizer builds: the system libraries' own leaks are suppressed, ours are not.
        lsan = self.env.get("LSAN_OPTIONS", "")
        self.env["LSAN_OPTIONS"] = (lsan + ":" if lsan else "") + "suppressions=" + os.path.abspath(LSAN_SUPPRESSIONS)
        for name in ("WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XAUTHORITY", "DISPLAY"):
            self.env.pop(name, None)
        self.xvfb = None
        self.display_pipe = None
        self.processes = []

    def start(self):
        r, w = os.pipe()
        args = ["Xvfb", "-displayfd", str(w), "-screen", "0", self.screen_spec, "-nolisten", "tcp", "-noreset"]
        cookie = self.make_cookie()
        if cookie:
            args += ["-auth", os.path.join(self.tmp, "server.auth")]
        self.xvfb = subprocess.Popen(args, pass_fds=(w,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(w)
        # The number arrives once the server listens; read up to its line end.
        number = b""
        while not number.endswith(b"\n"):
            chunk = os.read(r, 16)
            if not chunk:
                break
            number += chunk
        self.display_pipe = r  # kept open for the server's lifetime
        number = number.strip().decode()
        if not number.isdigit():
            raise RuntimeError("Xvfb did not start (exit code %r)" % self.xvfb.poll())
        self.env["DISPLAY"] = ":" + number
        if cookie:
            # Our clients hold the cookie; a client of another test that takes this display
            # number for its own is refused instead of drawing into (or ending) this session.
            client = os.path.join(self.tmp, "client.auth")
            subprocess.run(["xauth", "-q", "-f", client, "add", ":" + number, "MIT-MAGIC-COOKIE-1", cookie],
                           check=True, env=self.env, capture_output=True)
            self.env["XAUTHORITY"] = client
        wait_for("the X server", lambda: self.run(["xdotool", "getmouselocation"]).returncode == 0)

    def make_cookie(self):
        """A random cookie in the server's authority file, or None without xauth."""
        if not shutil.which("xauth"):
            return None
        cookie = os.urandom(16).hex()
        subprocess.run(["xauth", "-q", "-f", os.path.join(self.tmp, "server.auth"), "add", ":0",
                        "MIT-MAGIC-COOKIE-1", cookie], check=True, env=self.env, capture_output=True)
        return cookie

    def run(self, args, **kwargs):
        return subprocess.run(args, env=self.env, capture_output=True, **kwargs)

    def xdotool(self, *args):
        run = self.run(["xdotool"] + [str(a) for a in args])
        if run.returncode != 0:
            raise RuntimeError("xdotool %r failed: %s" % (args, run.stderr.decode(errors="replace")))
        return run.stdout.decode()

    def spawn(self, args, **kwargs):
        p = subprocess.Popen(args, env=self.env, **kwargs)
        self.processes.append(p)
        return p

    def find_window(self, title, prefix=False):
        """The id of the window whose whole title (or its beginning) is `title`, or None."""
        escaped = "".join("\\" + c if c in ".^$*+?()[]{}|\\" else c for c in title)
        pattern = "^" + escaped + ("" if prefix else "$")
        run = self.run(["xdotool", "search", "--name", pattern], text=True)
        ids = run.stdout.split() if run.returncode == 0 else []
        return ids[0] if ids else None

    def screen(self, name):
        """A screenshot of the whole screen; kept as NAME.png in the screenshot folder."""
        run = self.run(["import", "-window", "root", "-depth", "8", "ppm:-"])
        if run.returncode != 0:
            raise RuntimeError("import failed: " + run.stderr.decode(errors="replace"))
        if self.shots:
            self.keep(run.stdout, name)
        return Screen(run.stdout)

    def keep(self, ppm, name):
        path = os.path.join(self.shots, name + ".png")
        if shutil.which("convert"):
            subprocess.run(["convert", "ppm:-", path], input=ppm, capture_output=True)
        else:
            with open(os.path.join(self.shots, name + ".ppm"), "wb") as f:
                f.write(ppm)

    def close(self):
        for p in list(reversed(self.processes)) + [self.xvfb]:
            if p and p.poll() is None:
                p.terminate()
                try:
                    p.wait(10)
                except subprocess.TimeoutExpired:
                    p.kill()
                    p.wait()
        if self.display_pipe is not None:
            os.close(self.display_pipe)
        shutil.rmtree(self.tmp, ignore_errors=True)
