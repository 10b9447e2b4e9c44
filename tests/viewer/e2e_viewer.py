#!/usr/bin/env python3
"""End-to-end test of vorixview with vorixsim as a real second process, on an Xvfb
server this script starts itself. Screenshots of the root window are searched for the
simulation's still pattern (1:1, then zoomed with grid), pointer moves sent with xdotool
must arrive in the block's pointer fields and come back as pixels, and the simulation's
end must leave the view black until a restart attaches it again, and SIGTERM must end
the viewer with its settings written.

Usage: e2e_viewer.py VORIXSIM VORIXVIEW [SCREENSHOT_DIR]
Exits 77 (skipped) when Xvfb, xdotool or ImageMagick's import is not installed."""
import os
import signal
import struct
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from xsession import XSession, missing_tool, wait_for  # noqa: E402

TOP_LEFT = (0xE0, 0x20, 0x40)      # still-pattern quadrant colours of vorixsim
TOP_RIGHT = (0x20, 0xC0, 0x40)
POINTER = (0xFF, 0xFF, 0xFF)
GRID = (0x3F, 0x3F, 0x3F)          # default grid colour
BLACK = (0, 0, 0)


class Session:
    """The viewer and the simulation on an X server of their own (tests/support/xsession.py)."""

    def __init__(self, sim, view, shots):
        self.sim_path, self.view_path = sim, view
        self.x = XSession("vorix-e2e-", shots)
        self.env, self.tmp = self.x.env, self.x.tmp
        self.env["VORIX_SHM_PREFIX"] = "e2e%d_" % os.getpid()
        self.sim = self.view = None
        self.shot_count = 0

    def start_x(self):
        self.x.start()

    def start_sim(self):
        self.sim = self.x.spawn([self.sim_path, "--still", "--display", "160x120@32"])

    def stop_sim(self):
        self.sim.send_signal(signal.SIGTERM)
        assert self.sim.wait(10) == 0, "vorixsim did not end cleanly on SIGTERM"
        prefix = self.env["VORIX_SHM_PREFIX"]
        left = [n for n in os.listdir("/dev/shm") if n.startswith(prefix)]
        assert not left, "vorixsim left shared memory behind: %r" % left
        locks = os.path.join(self.tmp, "vorix")
        assert not os.path.isdir(locks) or not os.listdir(locks), "vorixsim left its lock files"

    def start_view(self):
        self.view = self.x.spawn([self.view_path])

    def close(self):
        self.x.close()

    def screen(self, name):
        self.shot_count += 1
        return self.x.screen("%02d-%s" % (self.shot_count, name))

    def xdotool(self, *args):
        self.x.xdotool(*args)

    def block_field(self, offset):
        path = "/dev/shm/%sVorixLCDMap" % self.env["VORIX_SHM_PREFIX"]
        with open(path, "rb") as f:
            f.seek(offset)
            return struct.unpack("<i", f.read(4))[0]


def main():
    if len(sys.argv) < 3:
        print(__doc__)
        return 2
    tool = missing_tool(("Xvfb", "xdotool", "import"))
    if tool:
        print("SKIPPED: %s is not installed (tools/install-deps installs it)" % tool)
        return 77
    shots = sys.argv[3] if len(sys.argv) > 3 else None
    s = Session(sys.argv[1], sys.argv[2], shots)
    try:
        s.start_x()
        s.start_sim()
        s.start_view()

        # 1:1: the top-left quadrant (80 x 60 pixels) appears exactly once, unscaled.
        box = wait_for("the simulation's pixels on screen",
                       lambda: s.screen("attached").bbox(TOP_LEFT))
        x0, y0, x1, y1 = box
        assert (x1 - x0 + 1, y1 - y0 + 1) == (80, 60), "quadrant drawn as %r" % (box,)
        scr = s.screen("one-to-one")
        assert scr.at(x0 + 80, y0) == TOP_RIGHT, "top-right quadrant not beside it"
        assert all(scr.at(x, y) == TOP_LEFT for x in range(x0, x0 + 80, 7) for y in range(y0, y0 + 60, 7))

        # Pointer moves reach the block's pointer fields (0x50, 0x54) and the simulation's
        # marker at that point shows within a few frames.
        s.xdotool("mousemove", x0 + 30, y0 + 20)
        wait_for("pointer fields", lambda: (s.block_field(0x50), s.block_field(0x54)) == (30, 20))
        wait_for("pointer marker on screen", lambda: s.screen("pointer").at(x0 + 30, y0 + 20) == POINTER)
        s.xdotool("mousedown", 1)
        wait_for("button flag", lambda: s.block_field(0x58) & 1 == 1)
        s.xdotool("mouseup", 1)
        wait_for("button released", lambda: s.block_field(0x58) & 1 == 0)

        # Context menu, Zoom, 300% (Grid): pixels become 3 x 3 squares with grid lines.
        s.xdotool("click", 3)
        time.sleep(0.5)
        s.xdotool("key", "Down", "Down", "Right", "Down", "Down", "Down", "Return")
        def zoomed():
            scr = s.screen("zoom-300-grid")
            b = scr.bbox(TOP_LEFT)
            return (scr, b) if b and b[0] == x0 and scr.at(x0 + 3, y0 + 1) == GRID else None
        scr, zbox = wait_for("zoom 300% with grid", zoomed)
        row = [scr.at(x, y0 + 1) for x in range(x0, x0 + 30)]
        for i, c in enumerate(row):
            expected = GRID if (x0 + i - x0) % 3 == 0 and i > 0 else TOP_LEFT
            assert c == expected, "column %d of the zoomed view: %r" % (i, c)
        column = [scr.at(x0 + 1, y) for y in range(y0, y0 + 30)]
        assert all(c == (GRID if i % 3 == 0 and i > 0 else TOP_LEFT) for i, c in enumerate(column))

        # Fit window to size: the whole zoomed quadrant, 240 x 180 with its grid lines
        # (the frame is enlarged first so that it can hold the fitted view).
        s.xdotool("search", "--name", "^ZentileView V5.46$", "windowsize", 900, 700)
        time.sleep(0.3)
        s.xdotool("mousemove", x0 + 10, y0 + 10)
        s.xdotool("click", 3)
        time.sleep(0.5)
        s.xdotool("key", "Down", "Return")
        def fitted():
            b = s.screen("fitted").bbox(TOP_LEFT)
            return b if b and (b[2] - b[0] + 1, b[3] - b[1] + 1) == (240, 180) else None
        wait_for("fitted window", fitted)

        # The simulation's end leaves the view black; a restart attaches again.
        s.xdotool("mousemove", 1000, 700)
        s.stop_sim()
        def black():
            scr = s.screen("simulation-gone")
            return scr.bbox(TOP_LEFT) is None and scr.at(x0 + 10, y0 + 10) in (BLACK, GRID)
        wait_for("black view after the simulation ended", black)
        s.start_sim()
        wait_for("pixels after the restart", lambda: s.screen("restarted").bbox(TOP_LEFT))

        # SIGTERM ends the viewer through its event loop: the settings are written.
        s.view.send_signal(signal.SIGTERM)
        assert s.view.wait(10) == 0, "vorixview did not end cleanly on SIGTERM"
        with open(os.path.join(s.env["XDG_CONFIG_HOME"], "Tavrex", "VorixView.ini")) as f:
            stored = f.read()
        for line in ("MultiDisplay=dword:0", "GridColor=dword:4144959", "AlwaysOnTop=dword:1"):
            assert line in stored, "settings file lacks %s: %r" % (line, stored)
        print("e2e: all checks passed")
        return 0
    finally:
        s.close()


if __name__ == "__main__":
    sys.exit(main())
