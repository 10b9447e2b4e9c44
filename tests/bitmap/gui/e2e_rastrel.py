#!/usr/bin/env python3
"""End-to-end test of the rastrel window on an Xvfb server this script starts itself:
`rastrel sample.bmp` is found by its title, a screenshot must hold the image's pixels
at zoom 2.0, and Ctrl+C must put an image/bmp on the clipboard that a second process
(xclip) reads back with the image's size.

Usage: e2e_rastrel.py RASTREL SAMPLE_BMP [SCREENSHOT_DIR]
Exits 77 (skipped) when Xvfb, xdotool, xclip or ImageMagick's import is not installed."""
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time

TITLE = "Zentile-BitmapConvert V5.46 - "


def wait_for(what, predicate, timeout=15.0):
    end = time.time() + timeout
    while time.time() < end:
        result = predicate()
        if result:
            return result
        time.sleep(0.1)
    raise AssertionError("timed out waiting for " + what)


def read_bmp8(path):
    """Width, height and rows (top first) of RGB tuples of an 8-bit uncompressed BMP."""
    data = open(path, "rb").read()
    offset = struct.unpack_from("<I", data, 10)[0]
    size, width, height, _, bpp, comp = struct.unpack_from("<IiiHHI", data, 14)
    assert bpp == 8 and comp == 0, "the sample is an 8-bit uncompressed BMP"
    colours = struct.unpack_from("<I", data, 46)[0] or 256
    palette = [tuple(reversed(data[14 + size + 4 * i:14 + size + 4 * i + 3])) for i in range(colours)]
    stride = (width + 3) & ~3
    rows = []
    for y in range(abs(height)):
        src = y if height < 0 else abs(height) - 1 - y
        line = data[offset + src * stride:offset + src * stride + width]
        rows.append([palette[i] for i in line])
    return width, abs(height), rows


def screenshot(env, shots, name):
    run = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"], env=env, capture_output=True)
    assert run.returncode == 0, "import failed"
    data = run.stdout
    if shots:
        with open(os.path.join(shots, name + ".ppm"), "wb") as f:
            f.write(data)
    parts = data.split(maxsplit=4)
    w, h = int(parts[1]), int(parts[2])
    return w, h, parts[4]


def find_image(screen, width, height, rows, zoom):
    """Top-left corner where the zoomed image appears in the screenshot, or None."""
    sw, sh, px = screen
    first = bytes(rows[0][0])
    for y in range(sh - height * zoom):
        row = px[3 * y * sw:3 * (y + 1) * sw]
        x = row.find(first)
        while x != -1:
            if x % 3 == 0 and matches(screen, x // 3, y, width, height, rows, zoom):
                return x // 3, y
            x = row.find(first, x + 1)
    return None


def matches(screen, x0, y0, width, height, rows, zoom):
    sw, sh, px = screen
    if x0 + width * zoom > sw or y0 + height * zoom > sh:
        return False
    for y in range(height * zoom):
        for x in range(width * zoom):
            i = 3 * ((y0 + y) * sw + x0 + x)
            if tuple(px[i:i + 3]) != rows[y // zoom][x // zoom]:
                return False
    return True


def main():
    rastrel, sample = sys.argv[1], sys.argv[2]
    shots = sys.argv[3] if len(sys.argv) > 3 else None
    for tool in ("Xvfb", "xdotool", "xclip", "import"):
        if not shutil.which(tool):
            print("skipped: %s is not installed" % tool)
            return 77
    if shots:
        os.makedirs(shots, exist_ok=True)
    tmp = tempfile.mkdtemp(prefix="rastrel-e2e-")
    env = dict(os.environ)
    env.update({"XDG_CONFIG_HOME": os.path.join(tmp, "config"), "XDG_RUNTIME_DIR": tmp, "HOME": tmp})
    supp = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "viewer", "lsan.supp")
    env["LSAN_OPTIONS"] = (env.get("LSAN_OPTIONS", "") + ":suppressions=" + os.path.abspath(supp)).lstrip(":")
    env.pop("WAYLAND_DISPLAY", None)
    env.pop("QT_QPA_PLATFORM", None)
    os.chmod(tmp, 0o700)
    image = os.path.join(tmp, "sample.bmp")
    shutil.copy(sample, image)
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
        app = subprocess.Popen([rastrel, image], env=env, cwd=tmp)
        title = TITLE + image

        def window():
            run = subprocess.run(["xdotool", "search", "--name", "^%s$" % title.replace(".", "\\.")],
                                 env=env, capture_output=True, text=True)
            return run.stdout.split()[0] if run.returncode == 0 and run.stdout.split() else None

        wid = wait_for("the window titled " + title, window)
        width, height, rows = read_bmp8(image)
        spot = wait_for("the image at zoom 2.0 on the screen",
                        lambda: find_image(screenshot(env, shots, "01-main-window"), width, height, rows, 2))
        print("image found at", spot)

        subprocess.run(["xdotool", "windowfocus", "--sync", wid], env=env, check=False)
        subprocess.run(["xdotool", "key", "--window", wid, "ctrl+c"], env=env, check=True)

        def clipboard_bmp():
            run = subprocess.run(["xclip", "-selection", "clipboard", "-t", "image/bmp", "-o"], env=env,
                                 capture_output=True, timeout=5)
            return run.stdout if run.returncode == 0 and run.stdout[:2] == b"BM" else None

        bmp = wait_for("image/bmp on the clipboard", clipboard_bmp)
        w, h = struct.unpack_from("<ii", bmp, 18)
        assert (w, abs(h)) == (width, height), "clipboard bitmap is %dx%d" % (w, h)
        print("clipboard holds a %dx%d bitmap" % (w, abs(h)))
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
