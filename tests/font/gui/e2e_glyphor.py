#!/usr/bin/env python3
"""End-to-end test of the glyphor window on an X server of its own (tests/support/xsession.py):
a job makes font.xbf, `glyphor font.xbf` is found by its title, a screenshot must show
the overview (enabled cells white, disabled ones grey 0xAAAAAA), Space toggles a
character, Save As writes font.c through the file dialog, the C file compiles with the
firmware check's header. Then New makes a font through the generation options and the
font chooser (driven by keys), one pixel of 'A' is set in the character view, the font is
saved as C and compiled, and the saved 'A' must differ from the same font made by a job
in exactly that pixel; the range dialog limits the saved characters to A to Z. Ctrl+Q ends the program. Every dialog is kept as a screenshot.

Usage: e2e_glyphor.py GLYPHOR FIRMWARE_DIR [SCREENSHOT_DIR]
Exits 77 (skipped) when Xvfb, xdotool, ImageMagick's import or cc is not installed."""
import os
import re
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


def char_rows(text, code):
    """The 'X' / '_' rows of a 1 bpp character in a saved C font, commas removed."""
    lines = text.decode("latin-1").split("\r\n")
    marker = "/* code %04X" % code
    start = next((i for i, line in enumerate(lines) if "unsigned char ac" in line and marker in line), None)
    assert start is not None, "character %04X is not in the C file" % code
    rows = []
    for line in lines[start + 1:]:
        row = line.strip().rstrip(",").rstrip("};").replace(",", "")
        if not row or set(row) - set("X_"):
            break
        rows.append(row)
    assert rows, "character %04X has no rows" % code
    return rows


def compile_c(path, firmware, tmp):
    cc = subprocess.run(["cc", "-std=c99", "-Wall", "-Werror", "-c", "-I", firmware, path, "-o",
                         os.path.join(tmp, "font.o")], capture_output=True, text=True)
    assert cc.returncode == 0, os.path.basename(path) + " does not compile: " + cc.stderr


def save_c(session, title, name, shot, proposed=False):
    """Save As through the file dialog, typing the name unless it is the proposed one;
    returns the file's bytes."""
    press(session, title, "ctrl+shift+s")
    wait_for("the save dialog", lambda: session.find_window("Save font as"), timeout=20)
    time.sleep(0.5)
    session.screen(shot)
    out = os.path.join(session.tmp, name)
    if not proposed:
        press(session, "Save font as", "ctrl+a")
        type_text(session, "Save font as", name)
    press(session, "Save font as", "Return")
    wait_for(name, lambda: os.path.exists(out) and b"GUI_FONT" in open(out, "rb").read(), timeout=30)
    wait_for("the save dialog to close", lambda: not session.find_window("Save font as"), timeout=20)
    with open(out, "rb") as f:
        return f.read()


def type_text(session, title, text):
    wid = session.find_window(title)
    assert wid, "no window titled " + title
    session.run(["xdotool", "windowfocus", "--sync", wid])
    session.xdotool("type", "--delay", "30", text)


def new_font(session, shots_prefix):
    """New: the generation options (8 bit ISO 8859, standard type), then the chooser
    (DejaVu Sans, 16 pixels), each kept as a screenshot."""
    press(session, TITLE + "font", "ctrl+n")
    wait_for("the generation options", lambda: session.find_window("Font generation options"), timeout=20)
    time.sleep(0.5)
    session.screen(shots_prefix + "-generation-options")
    press(session, "Font generation options", "alt+a")
    time.sleep(0.3)
    session.screen(shots_prefix + "-generation-options-iso8859")
    press(session, "Font generation options", "Return")
    wait_for("the font chooser", lambda: session.find_window("Font"), timeout=20)
    time.sleep(0.5)
    press(session, "Font", "alt+f")
    type_text(session, "Font", "DejaVu Sans")
    press(session, "Font", "alt+s", "ctrl+a")
    type_text(session, "Font", "16")
    time.sleep(0.5)
    session.screen(shots_prefix + "-font-chooser")
    press(session, "Font", "Return")
    wait_for("the new font's window", lambda: session.find_window(TITLE + "Untitled"), timeout=30)


def main():
    glyphor, firmware = sys.argv[1], sys.argv[2]
    shots = sys.argv[3] if len(sys.argv) > 3 else None
    tool = missing_tool(("Xvfb", "xdotool", "import", "cc"))
    if tool:
        print("skipped: %s is not installed" % tool)
        return 77
    if shots and os.path.isdir(shots):
        for old in os.listdir(shots):  # screenshots of an earlier run would mislead
            if old.endswith((".png", ".ppm")):
                os.remove(os.path.join(shots, old))
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

        # The proposed name is the document's own: font.c.
        text = save_c(session, TITLE + "font", "font.c", "02-save-dialog", proposed=True)
        out = os.path.join(tmp, "font.c")
        print("font.c written,", os.path.getsize(out), "bytes")
        # The character toggled in the window is left out, its neighbours are saved.
        assert b"/* code 0041 */" not in text, "the disabled 'A' was saved"
        assert b"/* code 0040 */" in text and b"/* code 0042 */" in text, "enabled characters missing"
        compile_c(out, firmware, tmp)
        time.sleep(0.5)
        session.screen("03-after-save")
        assert app.poll() is None, "glyphor ended after saving with %s" % app.poll()

        new_font(session, "04")
        time.sleep(0.5)
        session.screen("05-new-font")
        # The current character is 'A'; Tab makes the character view active, where the
        # pixel cursor starts at the top left cell and 1 sets that pixel.
        press(session, TITLE + "Untitled", "Tab", "1")
        time.sleep(0.5)
        session.screen("06-pixel-set")
        # Only A to Z are saved: all characters off, then the range dialog enables 41 to 5A.
        press(session, TITLE + "Untitled", "alt+e", "a")
        press(session, TITLE + "Untitled", "alt+e", "e")
        wait_for("the range dialog", lambda: session.find_window("Select range of characters"), timeout=20)
        press(session, "Select range of characters", "ctrl+a")
        type_text(session, "Select range of characters", "41")
        press(session, "Select range of characters", "Tab", "ctrl+a")
        type_text(session, "Select range of characters", "5A")
        time.sleep(0.5)
        session.screen("07-range-dialog")
        press(session, "Select range of characters", "Return")
        wait_for("the range dialog to close", lambda: not session.find_window("Select range of characters"),
                 timeout=20)
        edited = save_c(session, TITLE + "Untitled", "edited.c", "08-save-new-font")
        saved_codes = sorted(int(m, 16) for m in re.findall(rb"unsigned char ac\w+_([0-9A-F]{4})\[", edited))
        assert saved_codes == list(range(0x41, 0x5B)), "saved codes: %s" % [hex(c) for c in saved_codes]
        compile_c(os.path.join(tmp, "edited.c"), firmware, tmp)
        assert b"DejaVu Sans" in edited, "the chosen face is not in the C file"
        job = subprocess.run([glyphor, "-createDejaVu Sans,REGULAR,16,STD,ISO8859", "-saveasreference.c,C",
                              "-exit"], env=session.env, cwd=tmp, capture_output=True, text=True)
        assert job.returncode == 0, "the reference job failed: " + job.stderr
        with open(os.path.join(tmp, "reference.c"), "rb") as f:
            reference = char_rows(f.read(), 0x41)
        saved = char_rows(edited, 0x41)
        print("saved 'A':", saved)
        assert len(saved) == len(reference) == 16, "'A' has %d rows, the reference %d" % (len(saved), len(reference))
        assert saved[0][0] == "X", "the edited pixel is not set in the saved file"
        assert reference[0][0] == "_", "the reference 'A' has its top left pixel set already"
        diff = [(x, y) for y in range(16) for x in range(min(len(saved[y]), len(reference[y])))
                if saved[y][x] != reference[y][x]]
        assert diff == [(0, 0)], "the saved 'A' differs from the generated one in %s" % diff
        assert [len(r) for r in saved] == [len(r) for r in reference], "the row widths differ"

        # Help: the command listing under its exact title, then the About box; Escape closes each.
        for keys, title, shot in ((("alt+h", "c"), "CMD Help", "09-help-window"), (("alt+h", "a"), "About", "10-about")):
            press(session, TITLE + "edited", *keys)
            wait_for("the window " + title, lambda: session.find_window(title), timeout=20)
            time.sleep(0.5)
            session.screen(shot)
            press(session, title, "Escape")
            wait_for(title + " to close", lambda: not session.find_window(title), timeout=20)

        press(session, TITLE + "edited", "ctrl+q")
        code = app.wait(20)
        assert code == 0, "glyphor ended with %d" % code
        return 0
    finally:
        session.close()


if __name__ == "__main__":
    sys.exit(main())
