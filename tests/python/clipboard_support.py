"""What the clipboard tests share: a control with a known sound, its samples, and an events
class that records what the control reports."""

import os
import shutil
import struct
import tempfile

import audioeditor
from event_recorder import Recorder

PROGID = "VeskAudioEditor.AudioEditor"
FILEACCESS = -18

# Little-endian 16-bit samples whose bytes are CR LF (0x0A0D) and EOF (0x1A): a copy that goes
# through anything text-like or stops at a DOS end-of-file mark mangles them.
RISKY = [0x0A0D, 0x1A, 0x1A0D, 0x0A1A, -1, 0, 32767, -32768]


def editor(rate, channels, samples=()):
    """A control with a new document of that format holding `samples` (interleaved)."""
    ed = audioeditor.DispatchWithEvents(PROGID, Recorder)
    ed.New(rate, channels)
    if samples:
        ed.PutSampleArray(list(samples))
    ed.events.clear()
    return ed


def select(ed, start, end):
    """Selects frames [start, end)."""
    ed.Position.Selected = True
    ed.Position.StartSelect = start
    ed.Position.EndSelect = end


def samples_of(ed):
    """Every sample of the document, interleaved."""
    total = ed.Position.TotalSamples
    if total == 0:
        return []
    select(ed, 0, total)
    return list(ed.GetSelectionArray())


def history_after_put(ed):
    """Whether the newest state is still the one PutSampleArray made: one Undo empties the
    document (a paste would have added a state above it)."""
    ed.Undo()
    emptied = ed.Position.TotalSamples == 0
    ed.Redo()
    return emptied


def wav_image(rate, channels, samples, width=2):
    """A PCM WAV file's bytes; width 1 takes unsigned 8-bit samples, 2 signed 16-bit ones."""
    data = bytes(samples) if width == 1 else struct.pack("<%dh" % len(samples), *samples)
    fmt = struct.pack("<HHIIHH", 1, channels, rate, rate * channels * width, channels * width, 8 * width)
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt + b"data" + struct.pack("<I", len(data)) + data
    if len(data) % 2:
        body += b"\0"
    return b"RIFF" + struct.pack("<I", len(body)) + body


def pcm16_of(image):
    """(rate, channels, bits, samples) of a canonical PCM WAV image, read without the control."""
    assert image[:4] == b"RIFF" and image[8:12] == b"WAVE", image[:16]
    assert struct.unpack("<I", image[4:8])[0] == len(image) - 8, "RIFF size does not match the image"
    position, fmt, data = 12, None, None
    while position + 8 <= len(image):
        fourcc, size = image[position:position + 4], struct.unpack("<I", image[position + 4:position + 8])[0]
        payload = image[position + 8:position + 8 + size]
        if fourcc == b"fmt ":
            fmt = struct.unpack("<HHIIHH", payload[:16])
        elif fourcc == b"data":
            data = payload
        position += 8 + size + (size & 1)
    tag, channels, rate, _, _, bits = fmt
    assert tag == 1, "not PCM"
    return rate, channels, bits, list(struct.unpack("<%dh" % (len(data) // 2), data))


class PrivateTmpdir:
    """Points $TMPDIR at a fresh folder for a test module: working files, clipboard files and
    the exchange file of a paste go there, so test programs running at the same time never
    share their fixed names."""

    def __init__(self, prefix):
        self.prefix = prefix
        self.dir = None
        self._saved = None

    def start(self):
        self._saved = os.environ.get("TMPDIR")
        self.dir = tempfile.mkdtemp(prefix=self.prefix)
        os.environ["TMPDIR"] = self.dir

    def stop(self):
        if self._saved is None:
            del os.environ["TMPDIR"]
        else:
            os.environ["TMPDIR"] = self._saved
        shutil.rmtree(self.dir, ignore_errors=True)
