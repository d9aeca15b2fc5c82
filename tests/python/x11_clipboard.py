"""The system clipboard on an X display, against other programs: xclip reads what the control
offers and offers what it pastes, and a program that takes the clipboard and never answers
stands for a hung one. Run on a private display (scripts/with-xvfb.sh); ctest does."""

import math
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import threading
import time
import unittest

import audioeditor
from clipboard_support import RISKY, PrivateTmpdir, editor, history_after_put, pcm16_of, samples_of, select, wav_image

XCLIP = ["xclip", "-selection", "clipboard"]
# The other programs run as they would on a desktop, without the sanitizer runtime the module's
# interpreter may have been given.
CHILD_ENV = {name: value for name, value in os.environ.items() if name != "LD_PRELOAD"}


def pump_while(proc):
    """Waits for proc while pumping the control's messages, as a host's loop does: the control
    serves its clipboard from there. Returns proc's standard output."""
    result = {}
    reader = threading.Thread(target=lambda: result.update(out=proc.communicate(timeout=30)))
    reader.start()
    while reader.is_alive():
        audioeditor.PumpWaitingMessages()
        time.sleep(0.002)
    reader.join()
    return result["out"][0]


def read_clipboard(target):
    proc = subprocess.Popen(XCLIP + ["-t", target, "-o"], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                            env=CHILD_ENV)
    out = pump_while(proc)
    return out if proc.returncode == 0 else None


class OfferingProgram:
    """xclip offering a file as audio/x-wav until it is stopped or loses the clipboard."""

    def __init__(self, path):
        self.proc = subprocess.Popen(XCLIP + ["-t", "audio/x-wav", "-i", "-quiet", path],
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=CHILD_ENV)
        for _ in range(500):
            if b"audio/x-wav" in (read_clipboard("TARGETS") or b""):
                return
            time.sleep(0.01)
        raise AssertionError("xclip did not take the clipboard")

    def stop(self):
        self.proc.terminate()
        self.proc.wait()


def decoded_by_sox(path, rate, channels):
    """The file as 16-bit samples of that rate and channel count, decoded and converted by sox."""
    raw = subprocess.run(["sox", path, "-t", "raw", "-e", "signed", "-b", "16", "-L", "-r", str(rate),
                          "-c", str(channels), "-"], check=True, capture_output=True, env=CHILD_ENV).stdout
    return list(struct.unpack("<%dh" % (len(raw) // 2), raw))


_tmpdir = PrivateTmpdir("vesk-x11-clipboard-test-")


def setUpModule():
    _tmpdir.start()


def tearDownModule():
    _tmpdir.stop()


class X11ClipboardTest(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.mkdtemp(prefix="offered-", dir=_tmpdir.dir)
        self.editors = []
        self.programs = []

    def tearDown(self):
        for program in self.programs:
            program.stop()
        for ed in self.editors:
            ed.ClearSystemClipboard()
            ed.Close()
        shutil.rmtree(self.dir, ignore_errors=True)

    def editor(self, rate, channels, samples=()):
        ed = editor(rate, channels, samples)
        self.editors.append(ed)
        return ed

    def offer(self, image):
        path = os.path.join(self.dir, "offered%d.wav" % len(self.programs))
        with open(path, "wb") as f:
            f.write(image)
        self.programs.append(OfferingProgram(path))
        return path

    def test_what_copy_to_clipboard_offers_reads_back_as_a_complete_wav_of_the_selection(self):
        sound = [(i * 37) % 2000 - 1000 for i in range(400)] + RISKY * 8
        ed = self.editor(22050, 2, sound)
        select(ed, 150, 232)  # frames, so samples 300..463: the risky ones among them
        ed.CopyToClipboard()
        targets = read_clipboard("TARGETS").split()
        self.assertIn(b"audio/x-wav", targets)
        self.assertIn(b"audio/wav", targets)
        for target in ("audio/x-wav", "audio/wav"):
            image = read_clipboard(target)
            self.assertEqual(pcm16_of(image), (22050, 2, 16, sound[300:464]), target)
        path = os.path.join(self.dir, "read.wav")
        with open(path, "wb") as f:
            f.write(image)
        self.assertEqual(decoded_by_sox(path, 22050, 2), sound[300:464])  # another reader agrees

    def test_a_wav_another_program_offers_is_pasted_byte_for_byte_in_the_same_format(self):
        sound = RISKY * 16 + list(range(-3000, 3000, 11))
        ed = self.editor(44100, 2, [1, 2])
        self.offer(wav_image(44100, 2, sound))
        ed.Position.Selected = False
        ed.Position.CurrentPosition = 1
        ed.PasteFromClipboard()
        self.assertEqual(ed.LastErrorNum, 0)
        self.assertEqual(samples_of(ed), [1, 2] + sound)  # inserted at the cursor

    def test_an_8_bit_mono_22050_hz_wav_is_converted_to_the_documents_format(self):
        tone = [128 + round(100 * math.sin(2 * math.pi * 440 * n / 22050)) for n in range(11025)]
        path = self.offer(wav_image(22050, 1, tone, width=1))
        ed = self.editor(44100, 2)
        ed.PasteFromClipboard()
        self.assertEqual(ed.LastErrorNum, 0)
        self.assertEqual((ed.FileInfo.Frequency, ed.FileInfo.Channels), (44100, 2))
        pasted, expected = samples_of(ed), decoded_by_sox(path, 44100, 2)
        self.assertLessEqual(abs(len(pasted) - len(expected)), 2 * 64)  # resamplers may trim edges
        self.assertEqual(pasted[0::2], pasted[1::2])
        # Two resamplers agree to within a fraction of one 8-bit step (256 in 16 bits), away from
        # the edges where their filters start differently.
        middle = slice(2000, min(len(pasted), len(expected)) - 2000)
        worst = max(abs(a - b) for a, b in zip(pasted[middle], expected[middle]))
        self.assertLess(worst, 256, "largest difference from sox: %d" % worst)

    def test_an_image_over_a_megabyte_crosses_in_pieces_both_ways(self):
        sound = [(i * 7919) % 65536 - 32768 for i in range(900000)] + RISKY  # 1.8 MB
        self.offer(wav_image(48000, 2, sound))  # xclip sends this in pieces
        ed = self.editor(48000, 2)
        ed.PasteFromClipboard()
        self.assertEqual(samples_of(ed), sound)
        ed.CopyToClipboard()  # samples_of selected everything; we send in pieces
        self.assertEqual(pcm16_of(read_clipboard("audio/x-wav")), (48000, 2, 16, sound))

    def test_clear_gives_the_clipboard_up_and_a_paste_with_no_owner_changes_nothing(self):
        ed = self.editor(8000, 1, [9, 8, 7])
        select(ed, 0, 3)
        ed.CopyToClipboard()
        self.assertIsNotNone(read_clipboard("TARGETS"))
        ed.ClearSystemClipboard()
        self.assertIsNone(read_clipboard("TARGETS"))  # nobody owns it now
        ed.events.clear()
        ed.PasteFromClipboard()
        self.assertEqual(samples_of(ed), [9, 8, 7])
        self.assertTrue(history_after_put(ed))
        self.assertEqual((ed.LastErrorNum, ed.events), (0, []))

    def test_an_owner_that_never_answers_leaves_the_document_untouched_after_the_timeout(self):
        silent = subprocess.Popen([os.environ["VESK_SILENT_OWNER"]], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                  env=CHILD_ENV)
        try:
            self.assertEqual(silent.stdout.readline(), b"owning\n")
            ed = self.editor(8000, 1, [9, 8, 7])
            started = time.monotonic()
            ed.PasteFromClipboard()
            waited = time.monotonic() - started
            self.assertEqual(samples_of(ed), [9, 8, 7])
            self.assertTrue(history_after_put(ed))
            self.assertEqual((ed.LastErrorNum, ed.events), (0, []))
            print("\n  paste gave up on the silent owner after %.2f s" % waited, file=sys.stderr)
        finally:
            silent.stdin.close()
            silent.wait()
            silent.stdout.close()


if __name__ == "__main__":
    if not shutil.which("xclip") or not shutil.which("sox"):
        print("x11_clipboard: xclip and sox are needed (scripts/install-deps.sh installs them)", file=sys.stderr)
        sys.exit(77)
    unittest.main()
