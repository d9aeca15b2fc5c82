"""The desktop editor driven like a user under a private X server (scripts/with-xvfb.sh).

Opens a generated sine, clicks in the waveform, drags a selection, deletes it, undoes the
delete, plays with Space through SDL's disk driver and saves through Save As with a typed
name; checks the pictures in regions, the window title's changed mark, the played sound and
every sample of the saved file. Exits 77 (skipped) without xdotool or ImageMagick.

usage: gui_test.py path/to/vesk-editor
"""
import math
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time
import wave

RATE = 8000
FRAMES = 2 * RATE
WAVE_GREEN = (0x1C, 0xF0, 0xAB)  # the control's waveform colour, 0xABF01C as an OLE colour
TIMEOUT = 30.0  # per step; polling keeps the passing run quick


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def wait_for(what, condition, timeout=TIMEOUT):
    """Polls condition every 50 ms; fails naming what did not happen."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(0.05)
    fail("timed out waiting for " + what)


def xdotool(*args):
    return subprocess.run(["xdotool", *map(str, args)], check=True, capture_output=True, text=True,
                          timeout=TIMEOUT).stdout.strip()


def find_window(name):
    """The newest visible window whose title matches. Polled rather than --sync: a window
    that goes away while xdotool looks at it (a closing dialog) makes one search fail."""
    def search():
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", name], capture_output=True,
                               text=True, timeout=TIMEOUT)
        return found.stdout.split()[-1] if found.returncode == 0 and found.stdout.split() else None
    return wait_for("a window titled " + name, search)


def key(window, *keys):
    xdotool("windowfocus", "--sync", window)
    xdotool("key", "--clearmodifiers", *keys)


class Shot:
    """A screenshot of the root window, as rows of RGB bytes."""

    def __init__(self):
        data = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"], check=True,
                              capture_output=True, timeout=TIMEOUT).stdout
        # Binary PPM: "P6\n<width> <height>\n<max>\n" then the pixels.
        parts = data.split(b"\n", 3)
        if parts[0] != b"P6":
            fail("unexpected screenshot format")
        self.width, self.height = map(int, parts[1].split())
        self.pixels = parts[3]

    def at(self, x, y):
        offset = 3 * (y * self.width + x)
        return tuple(self.pixels[offset:offset + 3])

    def bounds_of(self, colour):
        """The bounding box (left, top, right, bottom) of the pixels of a colour, or None."""
        xs, ys = [], []
        for y in range(0, self.height, 2):
            row = self.pixels[3 * y * self.width:3 * (y + 1) * self.width]
            start = 0
            needle = bytes(colour)
            while True:
                found = row.find(needle, start)
                if found < 0:
                    break
                if found % 3 == 0:
                    xs.append(found // 3)
                    ys.append(y)
                start = found + 1
        return (min(xs), min(ys), max(xs), max(ys)) if xs else None

    def changed_share(self, other, left, right, top, bottom):
        """The share of pixels in the box that differ between two shots."""
        changed = total = 0
        for y in range(top, bottom + 1, 2):
            for x in range(left, right + 1):
                total += 1
                changed += self.at(x, y) != other.at(x, y)
        return changed / max(total, 1)


def write_sine(path):
    # A swelling sine: after a cut the picture differs everywhere behind the cut.
    samples = [int((2000 + 28000 * i / FRAMES) * math.sin(2 * math.pi * 440 * i / RATE)) for i in range(FRAMES)]
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(struct.pack("<%dh" % FRAMES, *samples))
    return samples


def read_samples(path):
    with wave.open(path, "rb") as saved:
        if (saved.getnchannels(), saved.getsampwidth(), saved.getframerate()) != (1, 2, RATE):
            fail("saved format is %s" % ((saved.getnchannels(), saved.getsampwidth(), saved.getframerate()),))
        data = saved.readframes(saved.getnframes())
    return list(struct.unpack("<%dh" % (len(data) // 2), data))


def main():
    if len(sys.argv) != 2:
        fail(__doc__)
    for tool in ("xdotool", "import"):
        if not shutil.which(tool):
            print("skipped: %s is not installed" % tool)
            sys.exit(77)
    started = time.monotonic()
    work = tempfile.mkdtemp(prefix="vesk-editor-gui-")
    try:
        run(os.path.abspath(sys.argv[1]), work)
    finally:
        shutil.rmtree(work, ignore_errors=True)
    print("editor GUI test passed in %.1f s" % (time.monotonic() - started))


def run(editor, work):
    source = os.path.join(work, "sine.wav")
    samples = write_sine(source)
    played = os.path.join(work, "played.raw")
    env = dict(os.environ, SDL_AUDIODRIVER="disk", SDL_DISKAUDIOFILE=played, SDL_DISKAUDIODELAY="1",
               HOME=work, XDG_DATA_HOME=work, XDG_CONFIG_HOME=work, XDG_CACHE_HOME=work,
               NO_AT_BRIDGE="1", GDK_BACKEND="x11", GSK_RENDERER="cairo", GSETTINGS_BACKEND="memory",
               TMPDIR=work)
    process = subprocess.Popen([editor, source], env=env, cwd=work)
    try:
        drive(process, work, samples, played)
    finally:
        if process.poll() is None:
            process.kill()
            process.wait()


def drive(process, work, samples, played):
    window = find_window("sine.wav")
    xdotool("windowmove", "--sync", window, 0, 0)
    area = wait_for("the waveform to be drawn", lambda: Shot().bounds_of(WAVE_GREEN))
    left, top, right, bottom = area
    if right - left < 300 or bottom - top < 50:
        fail("waveform area too small: %s" % (area,))
    middle = (top + bottom) // 2
    column = lambda share: left + int((right - left) * share)

    # A click places the cursor: its handle appears in the marker band at the top of the
    # waveform (just under the scroll band, where the waveform colour starts); the rest of the
    # waveform stays as it was.
    before = Shot()
    xdotool("mousemove", "--sync", column(0.1), middle, "click", 1)
    clicked = wait_for("the cursor", lambda: (lambda s: s if s.changed_share(before, column(0.1) - 4,
                       column(0.1) + 4, top, top + 16) > 0.05 else None)(Shot()))
    if clicked.changed_share(before, column(0.3), column(0.9), top, bottom) > 0.02:
        fail("a click changed the waveform away from the cursor")

    # A drag selects: the dragged columns are shaded, the others keep their colours.
    xdotool("mousemove", "--sync", column(0.4), middle, "mousedown", 1)
    for share in (0.5, 0.6, 0.7):
        xdotool("mousemove", "--sync", column(share), middle)
    xdotool("mouseup", 1)
    selected = wait_for("the selection shading", lambda: (lambda s: s if s.changed_share(
        clicked, column(0.45), column(0.65), top, bottom) > 0.5 else None)(Shot()))
    outside = max(selected.changed_share(clicked, column(0.15), column(0.35), top, bottom),
                  selected.changed_share(clicked, column(0.75), column(0.95), top, bottom))
    if outside > 0.02:
        fail("the selection shading spread outside the drag (%.3f changed)" % outside)

    # Delete marks the document changed and redraws; Ctrl+Z brings it back unchanged.
    key(window, "Delete")
    wait_for("the changed mark after Delete", lambda: xdotool("getwindowname", window).startswith("*"))
    deleted = Shot()
    # Behind the cut the swell is further on: the wave stands taller at every column.
    change = deleted.changed_share(selected, column(0.75), column(0.95), top, bottom)
    if change < 0.01:
        fail("the waveform did not change after Delete (%.4f changed)" % change)
    key(window, "ctrl+z")
    wait_for("the changed mark to go after Ctrl+Z", lambda: not xdotool("getwindowname", window).startswith("*"))

    # Space plays through the disk driver: sound that is not silence reaches the file.
    key(window, "space")
    wait_for("played sound", lambda: os.path.exists(played) and loud(played), timeout=10)
    key(window, "Escape")

    # Save As, with a typed name; the format settings start from the document's.
    key(window, "ctrl+shift+s")
    chooser = find_window("Save As")
    key(chooser, "ctrl+a")
    xdotool("type", "--delay", "5", "saved.wav")
    key(chooser, "Return")
    settings = find_window("wav settings")
    key(settings, "Return")
    target = os.path.join(work, "saved.wav")
    wait_for("the window to be titled with the saved file",
             lambda: xdotool("getwindowname", window).startswith("saved.wav"))
    if read_samples(target) != samples:
        fail("the saved samples differ from the sound that was opened")

    # Quit: nothing is changed, so no question; the editor ends on its own.
    key(window, "ctrl+q")
    try:
        code = process.wait(timeout=TIMEOUT)
    except subprocess.TimeoutExpired:
        fail("the editor did not quit")
    if code != 0:
        fail("the editor exited with %d" % code)


def loud(path):
    with open(path, "rb") as raw:
        data = raw.read()
    values = struct.unpack("<%dh" % (len(data) // 2), data[:len(data) // 2 * 2])
    return max((abs(v) for v in values), default=0) > 4000


if __name__ == "__main__":
    main()
