#!/usr/bin/env python3
"""End-to-end test of the glyphor window on an X server of its own (tests/support/xsession.py):
a job makes font.xbf, `glyphor font.xbf` is found by its title, a screenshot must show
the overview (enabled cells white, disabled ones grey 0xAAAAAA), Space toggles a
character, Save As writes font.c through the file dialog, the C file compiles with the
firmware check's header, and Ctrl+Q ends the program.

Usage: e2e_glyphor.py GLYPHOR FIRMWARE_DIR [SCREENSHOT_DIR]
Exits 77 (skipped) when Xvfb, xdotool, ImageMagick's import or cc is not installed."""
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "support"))
from xsession import XSession, missing_tool, wait_for  # noqa: E402

TITLE = "Zentile-FontConvert V5.46 - "


def count(screen, rgb):
    px, want = screen.pixels, bytes(rgb)
    return sum(1 for i in range(0, len(px) - 2, 3) if px[i:i + 3] == want)


def press(session, title, *keys):
    """Focuses the window titled so (found anew: Qt may recreate a dialog's window) and
    types the keys through XTEST, as a user would."""
    def attempt():
        wid = session.find_window(title)
        if not wid:
            return False
        session.run(["xdotool", "windowfocus", "--sync", wid])
        return session.run(["xdotool", "key"] + list(keys)).returncode == 0
    wait_for("keys %s in %s" % (keys, title), attempt, timeout=20)


def main():
    glyphor, firmware = sys.argv[1], sys.argv[2]
    shots = sys.argv[3] if len(sys.argv) > 3 else None
    tool = missing_tool(("Xvfb", "xdotool", "import", "cc"))
    if tool:
        print("skipped: %s is not installed" % tool)
        return 77
    session = XSession("glyphor-e2e-", shots)
    tmp = session.tmp
    try:
        job = subprocess.run([glyphor, "-createDejaVu Sans,REGULAR,16,STD,UC16", "-enable0-FFFF,0",
                              "-enable20-7E,1", "-saveasfont.xbf,XBF", "-exit"], env=session.env, cwd=tmp,
                             capture_output=True, text=True)
        assert job.returncode == 0, "the job failed: " + job.stderr
        session.start()
        app = session.spawn([glyphor, os.path.join(tmp, "font.xbf")], cwd=tmp)
        wait_for("the window titled " + TITLE + "font", lambda: session.find_window(TITLE + "font"), timeout=20)
        time.sleep(1.0)
        screen = session.screen("01-main-window")
        grey, white = count(screen, (0xAA, 0xAA, 0xAA)), count(screen, (0xFF, 0xFF, 0xFF))
        print("grey pixels:", grey, "white pixels:", white)
        assert grey > 1000, "no disabled cells on the screen"
        assert white > 1000, "no enabled cells on the screen"

        # Space toggles the current character ('A', enabled, shown black while current);
        # Right moves on: the cell of 'A' is grey now, so there is more grey.
        press(session, TITLE + "font", "space", "Right")
        wait_for("the toggled character", lambda: count(session.screen("toggled"), (0xAA, 0xAA, 0xAA)) > grey,
                 timeout=20)

        press(session, TITLE + "font", "ctrl+shift+s")
        wait_for("the save dialog", lambda: session.find_window("Save font as"), timeout=20)
        time.sleep(0.5)
        session.screen("02-save-dialog")
        press(session, "Save font as", "Return")
        out = os.path.join(tmp, "font.c")
        wait_for("font.c", lambda: os.path.exists(out) and b"GUI_FONT" in open(out, "rb").read(), timeout=20)
        print("font.c written,", os.path.getsize(out), "bytes")
        with open(out, "rb") as f:
            text = f.read()
        # The character toggled in the window is left out, its neighbours are saved.
        assert b"/* code 0041 */" not in text, "the disabled 'A' was saved"
        assert b"/* code 0040 */" in text and b"/* code 0042 */" in text, "enabled characters missing"
        cc = subprocess.run(["cc", "-std=c99", "-Wall", "-Werror", "-c", "-I", firmware, out, "-o",
                             os.path.join(tmp, "font.o")], capture_output=True, text=True)
        assert cc.returncode == 0, "font.c does not compile: " + cc.stderr

        time.sleep(0.5)
        session.screen("03-after-save")
        assert app.poll() is None, "glyphor ended after saving with %s" % app.poll()
        press(session, TITLE + "font", "ctrl+q")
        code = app.wait(20)
        assert code == 0, "glyphor ended with %d" % code
        return 0
    finally:
        session.close()


if __name__ == "__main__":
    sys.exit(main())
