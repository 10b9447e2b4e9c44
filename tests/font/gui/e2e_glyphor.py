#!/usr/bin/env python3
"""End-to-end test of the glyphor window on an Xvfb server this script starts itself:
a job makes font.xbf, `glyphor font.xbf` is found by its title, a screenshot must show
the overview (enabled cells white, disabled ones grey 0xAAAAAA), Space toggles a
character, Save As writes font.c through the file dialog, the C file compiles with the
firmware check's header, and Ctrl+Q ends the program.

Usage: e2e_glyphor.py GLYPHOR FIRMWARE_DIR [SCREENSHOT_DIR]
Exits 77 (skipped) when Xvfb, xdotool or ImageMagick's import is not installed."""
import os
import shutil
import subprocess
import sys
import tempfile
import time

TITLE = "Zentile-FontConvert V5.46 - "


def wait_for(what, predicate, timeout=20.0):
    end = time.time() + timeout
    while time.time() < end:
        result = predicate()
        if result:
            return result
        time.sleep(0.1)
    raise AssertionError("timed out waiting for " + what)


def screenshot(env, shots, name):
    run = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"], env=env, capture_output=True)
    assert run.returncode == 0, "import failed"
    data = run.stdout
    if shots:
        with open(os.path.join(shots, name + ".ppm"), "wb") as f:
            f.write(data)
    parts = data.split(maxsplit=4)
    return int(parts[1]), int(parts[2]), parts[4]


def count(screen, rgb):
    px = screen[2]
    want = bytes(rgb)
    return sum(1 for i in range(0, len(px) - 2, 3) if px[i:i + 3] == want)


def find_window(env, title):
    run = subprocess.run(["xdotool", "search", "--name", "^%s$" % title.replace(".", "\\.")],
                         env=env, capture_output=True, text=True)
    return run.stdout.split()[0] if run.returncode == 0 and run.stdout.split() else None


def press(env, title, *keys):
    """Focuses the window titled so (found anew: Qt may recreate a dialog's window) and
    types the keys through XTEST, as a user would."""
    def attempt():
        wid = find_window(env, title)
        if not wid:
            return False
        subprocess.run(["xdotool", "windowfocus", "--sync", wid], env=env, capture_output=True)
        return subprocess.run(["xdotool", "key"] + list(keys), env=env, capture_output=True).returncode == 0
    wait_for("keys %s in %s" % (keys, title), attempt)


def main():
    glyphor, firmware = sys.argv[1], sys.argv[2]
    shots = sys.argv[3] if len(sys.argv) > 3 else None
    for tool in ("Xvfb", "xdotool", "import", "cc"):
        if not shutil.which(tool):
            print("skipped: %s is not installed" % tool)
            return 77
    if shots:
        os.makedirs(shots, exist_ok=True)
    tmp = tempfile.mkdtemp(prefix="glyphor-e2e-")
    env = dict(os.environ)
    env.update({"XDG_CONFIG_HOME": os.path.join(tmp, "config"), "XDG_RUNTIME_DIR": tmp, "HOME": tmp})
    supp = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "viewer", "lsan.supp")
    env["LSAN_OPTIONS"] = (env.get("LSAN_OPTIONS", "") + ":suppressions=" + os.path.abspath(supp)).lstrip(":")
    for name in ("WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "DISPLAY"):
        env.pop(name, None)
    os.chmod(tmp, 0o700)
    job = subprocess.run([glyphor, "-createDejaVu Sans,REGULAR,16,STD,UC16", "-enable0-FFFF,0", "-enable20-7E,1",
                          "-saveasfont.xbf,XBF", "-exit"], env=env, cwd=tmp, capture_output=True, text=True)
    assert job.returncode == 0, "the job failed: " + job.stderr
    font = os.path.join(tmp, "font.xbf")
    xvfb = app = None
    try:
        r, w = os.pipe()
        xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(w), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                                pass_fds=(w,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(w)
        number = os.read(r, 16).decode().strip()
        assert number, "Xvfb did not start"
        env["DISPLAY"] = ":" + number
        wait_for("the X server", lambda: subprocess.run(["xdotool", "getmouselocation"], env=env,
                                                        capture_output=True).returncode == 0)
        app = subprocess.Popen([glyphor, font], env=env, cwd=tmp)
        wid = wait_for("the window titled " + TITLE + "font", lambda: find_window(env, TITLE + "font"))
        time.sleep(1.0)
        screen = screenshot(env, shots, "01-main-window")
        grey, white = count(screen, (0xAA, 0xAA, 0xAA)), count(screen, (0xFF, 0xFF, 0xFF))
        print("grey pixels:", grey, "white pixels:", white)
        assert grey > 1000, "no disabled cells on the screen"
        assert white > 1000, "no enabled cells on the screen"

        # Space toggles the current character (code 0, disabled, shown black while
        # current); Right moves on: code 0 is white now, code 1 black, so less grey.
        press(env, TITLE + "font", "space", "Right")
        wait_for("the toggled character", lambda: count(screenshot(env, None, ""), (0xAA, 0xAA, 0xAA)) < grey)

        press(env, TITLE + "font", "ctrl+shift+s")
        wait_for("the save dialog", lambda: find_window(env, "Save font as"))
        time.sleep(0.5)
        screenshot(env, shots, "02-save-dialog")
        press(env, "Save font as", "Return")
        out = os.path.join(tmp, "font.c")
        wait_for("font.c", lambda: os.path.exists(out) and b"GUI_FONT" in open(out, "rb").read())
        print("font.c written,", os.path.getsize(out), "bytes")
        cc = subprocess.run(["cc", "-std=c99", "-Wall", "-Werror", "-c", "-I", firmware, out, "-o",
                             os.path.join(tmp, "font.o")], capture_output=True, text=True)
        assert cc.returncode == 0, "font.c does not compile: " + cc.stderr

        time.sleep(0.5)
        screenshot(env, shots, "03-after-save")
        assert app.poll() is None, "glyphor ended after saving with %s" % app.poll()
        press(env, TITLE + "font", "ctrl+q")
        code = app.wait(20)
        assert code == 0, "glyphor ended with %d" % code
        return 0
    finally:
        for p in (app, xvfb):
            if p and p.poll() is None:
                p.terminate()
                try:
                    p.wait(10)
                except subprocess.TimeoutExpired:
                    p.kill()
        shutil.rmtree(tmp, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
