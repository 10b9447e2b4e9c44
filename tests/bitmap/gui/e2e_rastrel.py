#!/usr/bin/env python3
"""End-to-end test of the rastrel window on an X server of its own (tests/support/xsession.py):
`rastrel sample.bmp` is found by its title and its image pixels at zoom 2.0 on a screenshot;
Ctrl+C puts an image/bmp on the clipboard that a second process (xclip) reads back; a file
dragged from another program (drag_source) opens; Ctrl+Z brings the first image back; Save As
writes it through the save dialog; `rastrel -help` shows the listing in a window. Every dialog
of the menus is opened, photographed and closed. Screenshots go to SCREENSHOT_DIR.

Usage: e2e_rastrel.py RASTREL SAMPLE_BMP SCREENSHOT_DIR [DRAG_SOURCE]
Exits 77 (skipped) when Xvfb, xdotool, xclip or ImageMagick's import is not installed."""
import os
import shutil
import struct
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "support"))
from xsession import XSession, missing_tool, wait_for  # noqa: E402

TITLE = "Zentile-BitmapConvert V5.46 - "


def read_bmp(path):
    """Width, height and rows (top first) of RGB tuples of an uncompressed 1-, 4-, 8- or 24-bit BMP."""
    data = open(path, "rb").read()
    offset = struct.unpack_from("<I", data, 10)[0]
    size, width, height, _, bpp, comp = struct.unpack_from("<IiiHHI", data, 14)
    assert bpp in (1, 4, 8, 24) and comp == 0, "%s: %d bits, compression %d" % (path, bpp, comp)
    if bpp <= 8:
        colours = struct.unpack_from("<I", data, 46)[0] or (1 << bpp)
        palette = [tuple(reversed(data[14 + size + 4 * i:14 + size + 4 * i + 3])) for i in range(colours)]
    stride = ((width * bpp + 7) // 8 + 3) & ~3
    rows = []
    for y in range(abs(height)):
        src = y if height < 0 else abs(height) - 1 - y
        line = data[offset + src * stride:offset + (src + 1) * stride]
        if bpp == 24:
            rows.append([tuple(reversed(line[3 * x:3 * x + 3])) for x in range(width)])
            continue
        per = 8 // bpp
        row = []
        for x in range(width):
            byte = line[x // per]
            shift = 8 - bpp * (x % per + 1)
            row.append(palette[(byte >> shift) & ((1 << bpp) - 1)])
        rows.append(row)
    return width, abs(height), rows


def write_bmp24(path, rows):
    """A 24-bit BMP of RGB rows (top first)."""
    height, width = len(rows), len(rows[0])
    stride = (3 * width + 3) & ~3
    pixels = b"".join(b"".join(bytes(reversed(c)) for c in row) + b"\0" * (stride - 3 * width)
                      for row in reversed(rows))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + pixels)


def find_image(screen, image, zoom):
    """Top-left corner where the image appears zoomed on the screenshot, or None."""
    width, height, rows = image
    first = bytes(rows[0][0])
    for y in range(screen.height - height * zoom):
        row = screen.pixels[3 * y * screen.width:3 * (y + 1) * screen.width]
        x = row.find(first)
        while x != -1:
            if x % 3 == 0 and matches(screen, x // 3, y, image, zoom):
                return x // 3, y
            x = row.find(first, x + 1)
    return None


def matches(screen, x0, y0, image, zoom):
    width, height, rows = image
    if x0 + width * zoom > screen.width or y0 + height * zoom > screen.height:
        return False
    for y in range(height * zoom):
        for x in range(width * zoom):
            if screen.at(x0 + x, y0 + y) != rows[y // zoom][x // zoom]:
                return False
    return True


class Rastrel:
    """The running window and the keys and screenshots that drive it."""

    def __init__(self, session, wid):
        self.s, self.wid = session, wid
        self.shots = 0

    def shot(self, name):
        self.shots += 1
        return self.s.screen("%02d-%s" % (self.shots, name))

    def keys(self, *keys):
        self.s.xdotool("windowfocus", "--sync", self.wid)
        for k in keys:
            self.s.xdotool("key", "--clearmodifiers", k)
            time.sleep(0.15)

    def dialog(self, name, title, *keys, close=("Escape",)):
        """Opens a dialog with the keys, waits for its window by title, photographs it, closes it."""
        self.keys(*keys)
        did = wait_for("the dialog " + title, lambda: self.s.find_window(title, prefix=True))
        time.sleep(0.3)  # painted
        self.shot("dialog-" + name)
        self.s.xdotool("windowfocus", "--sync", did)
        for k in close:
            self.s.xdotool("key", k)
        wait_for("the dialog %s to close" % title, lambda: not self.s.find_window(title, prefix=True))


def main():
    if len(sys.argv) < 4:
        print(__doc__)
        return 2
    rastrel, sample, shots = sys.argv[1], sys.argv[2], sys.argv[3]
    drag_source = sys.argv[4] if len(sys.argv) > 4 else None
    tool = missing_tool(("Xvfb", "xdotool", "xclip", "import"))
    if tool:
        print("skipped: %s is not installed" % tool)
        return 77
    s = XSession("rastrel-e2e-", shots)
    try:
        s.start()
        image = os.path.join(s.tmp, "sample.bmp")
        shutil.copy(sample, image)
        first = read_bmp(image)
        app = s.spawn([rastrel, image], cwd=s.tmp)
        wid = wait_for("the window titled " + TITLE + image, lambda: s.find_window(TITLE + image, prefix=True))
        r = Rastrel(s, wid)
        spot = wait_for("the image at zoom 2.0 on the screen", lambda: find_image(r.shot("main-window"), first, 2))
        print("image found at", spot)

        # Copy: a second process reads image/bmp back.
        r.keys("ctrl+c")

        def clipboard_bmp():
            run = s.run(["xclip", "-selection", "clipboard", "-t", "image/bmp", "-o"], timeout=5)
            return run.stdout if run.returncode == 0 and run.stdout[:2] == b"BM" else None

        bmp = wait_for("image/bmp on the clipboard", clipboard_bmp)
        w, h = struct.unpack_from("<ii", bmp, 18)
        assert (w, abs(h)) == first[:2], "clipboard bitmap is %dx%d" % (w, h)
        print("clipboard holds a %dx%d bitmap" % (w, abs(h)))

        # Drag a file from another program onto the window: it opens.
        if drag_source:
            dropped = os.path.join(s.tmp, "dropped.bmp")
            write_bmp24(dropped, [[(40 * x % 256, 30 * y % 256, 200) for x in range(12)] for y in range(8)])
            second = read_bmp(dropped)
            src = s.spawn([drag_source, "700", "500", dropped], stdout=open(os.path.join(s.tmp, "drag.out"), "w"))
            wait_for("the drag source", lambda: s.find_window("Drag source"))
            time.sleep(0.3)
            s.xdotool("mousemove", "--sync", 780, 560)
            s.xdotool("mousedown", 1)
            time.sleep(0.3)
            for x, y in ((775, 555), (770, 550), (740, 500), (600, 420), (400, 300), (250, 250), (200, 240)):
                s.xdotool("mousemove", "--sync", x, y)
                time.sleep(0.2)
            time.sleep(0.3)  # the window has answered that it takes the drop
            s.xdotool("mouseup", 1)
            wait_for("the dropped file in the title", lambda: s.find_window(TITLE + dropped, prefix=True))
            src.wait(15)
            with open(os.path.join(s.tmp, "drag.out")) as f:
                assert f.read().strip() == "dropped", "the drag source saw no drop"
            wait_for("the dropped image at zoom 2.0", lambda: find_image(r.shot("dropped"), second, 2))
            print("dropped file opened")

            # Undo: the first image is back.
            r.keys("ctrl+z")
            wait_for("the first image after undo", lambda: find_image(r.shot("undone"), first, 2))
            print("undo brought the first image back")

        # Save As through the save dialog: the name typed, the type of the last open (BMP).
        saved = os.path.join(s.tmp, "saved.bmp")
        r.keys("ctrl+shift+s")
        did = wait_for("the save dialog", lambda: s.find_window("Save bitmap file", prefix=True))
        time.sleep(0.4)
        r.shot("dialog-save-bitmap-file")
        s.xdotool("windowfocus", "--sync", did)
        # The dialog starts in the image's folder: the name alone (a typed path would open
        # the name completer, which takes the Return key).
        s.xdotool("key", "ctrl+a")
        s.xdotool("type", "--delay", "30", os.path.basename(saved))
        time.sleep(0.3)
        r.shot("save-dialog-name-typed")
        s.xdotool("key", "Return")
        wait_for("the saved file", lambda: os.path.exists(saved) and os.path.getsize(saved) > 54)
        back = read_bmp(saved)
        assert back == first, "the saved file holds other pixels than the first image"
        print("saved through the dialog:", os.path.getsize(saved), "bytes")

        # Every dialog of the menus, photographed.
        r.dialog("options", "Options", "alt+o", "o")
        r.dialog("about", "About Zentile-BitmapConvert", "alt+h", "a")
        r.dialog("scale-image", "Scale Image", "alt+i", "s")
        r.dialog("transparency", "Transparency", "alt+i", "t")
        r.dialog("create-alpha", "Create Alpha", "alt+f", "c")
        r.dialog("load-alpha-mask", "Load Alpha mask", "alt+f", "l")
        r.dialog("save-palette", "Save palette file", "alt+f", "s")
        r.dialog("open-bitmap-file", "Open bitmap file", "ctrl+o")
        app.terminate()
        app.wait(10)

        # -help with a display: the listing in a window; the main window is shown after the
        # command as after any other.
        helper = s.spawn([rastrel, "-help"], cwd=s.tmp)

        # The window system gets the titles exactly, with nothing appended.
        wait_for("the help window", lambda: s.find_window("Valid command line options:"))
        time.sleep(0.4)
        r.shot("help-window")
        assert s.find_window(TITLE + "No file"), "no main window after -help"
        helper.terminate()
        helper.wait(10)
        print("e2e: all checks passed")
        return 0
    except AssertionError:
        if s.xvfb and s.xvfb.poll() is None:
            s.screen("failure")  # the screen as it was when a check failed
        raise
    finally:
        s.close()


if __name__ == "__main__":
    sys.exit(main())
