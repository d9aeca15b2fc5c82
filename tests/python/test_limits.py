"""What the control promises about sizes, rates, the user's files and the files it writes in
shared folders."""

import os
import shutil
import struct
import tempfile
import unittest

import audioeditor
from event_recorder import Recorder

PROGID = "VeskAudioEditor.AudioEditor"
MEMORY, FORMATNOTSUPPORT, FILEACCESS, INVALIDPARAM = -11, -13, -18, -20
LIMIT_BYTES = 0x7FFFFFFC


def wav_header(rate, channels, data_bytes, bits=16):
    """A PCM WAV header announcing data_bytes of sound (the sound itself may be missing)."""
    align = channels * bits // 8
    fmt = struct.pack("<HHIIHH", 1, channels, rate, (rate * align) & 0xFFFFFFFF, align, bits)
    riff_size = min(4 + 8 + len(fmt) + 8 + data_bytes, 0xFFFFFFFF)
    return (b"RIFF" + struct.pack("<I", riff_size) + b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt +
            b"data" + struct.pack("<I", min(data_bytes, 0xFFFFFFFF)))


class LimitTest(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.mkdtemp(prefix="vesk-limits-test-")
        self.ed = audioeditor.DispatchWithEvents(PROGID, Recorder)
        self.ed.TempDirectory = self.dir + "/"
        self.ed.TempFileName = os.path.join(self.dir, "clip.wav")

    def tearDown(self):
        self.ed.Close()
        del self.ed
        shutil.rmtree(self.dir, ignore_errors=True)

    def path(self, name):
        return os.path.join(self.dir, name)

    def test_rates_outside_the_supported_range_are_refused(self):
        for rate in (2147483647, 384001, 999, 0, -8000):
            self.ed.New(rate, 2)
            self.assertEqual(self.ed.LastErrorNum, INVALIDPARAM, rate)
            self.assertEqual(self.ed.Position.TotalSamples, 0)
        for rate in (1000, 384000):
            self.ed.New(rate, 1)
            self.assertEqual((self.ed.LastErrorNum, self.ed.FileInfo.Frequency), (0, rate))
        self.ed.PutSampleArray([1, 2, 3])
        self.ed.ConvertSampleType(2147483647, 2)
        self.assertEqual(self.ed.LastErrorNum, INVALIDPARAM)
        self.assertEqual((self.ed.FileInfo.Frequency, self.ed.Position.TotalSamples), (384000, 3))

    def test_a_file_with_an_absurd_rate_opens_nothing_and_says_so(self):
        damaged = self.path("rate.wav")
        with open(damaged, "wb") as f:
            f.write(wav_header(0x7FFFFFFF, 2, 4000) + b"\0" * 4000)
        self.ed.Open(damaged)
        self.assertNotEqual(self.ed.LastErrorNum, 0)
        self.assertEqual(self.ed.Position.TotalSamples, 0)
        self.assertEqual(self.ed.events[-2:], [("Error", self.ed.LastErrorNum), ("EndOperation",)])

    def test_sounds_longer_than_a_document_holds_are_refused_whole(self):
        for data_bytes in (LIMIT_BYTES + 4, 3 * 2 ** 30, 0xFFFFFFFF):
            with self.subTest(data_bytes=data_bytes):
                big = self.path("big.wav")
                with open(big, "wb") as f:
                    f.write(wav_header(44100, 2, data_bytes))
                    f.truncate(44 + data_bytes)  # sparse: no block is written
                self.ed.events.clear()
                self.ed.Open(big)
                self.assertEqual(self.ed.LastErrorNum, MEMORY)
                self.assertEqual(self.ed.events, [("Error", MEMORY), ("EndOperation",)])
                self.assertEqual(self.ed.Position.TotalSamples, 0)
                os.remove(big)

    def test_edits_that_would_pass_the_limit_are_refused_before_they_write(self):
        self.ed.New(384000, 2)
        self.ed.PutSampleArray([5] * 1000)
        self.ed.events.clear()
        self.ed.InsertSilence(2 ** 31 - 1)  # 24 days of silence
        self.assertEqual(self.ed.LastErrorNum, MEMORY)
        self.assertEqual(self.ed.events, [("Error", MEMORY), ("EndOperation",)])
        self.assertEqual(self.ed.Position.TotalSamples, 500)
        self.ed.Undo()
        self.assertEqual(self.ed.Position.TotalSamples, 0)  # the history did not move either

    def test_saving_onto_a_working_file_is_refused(self):
        self.ed.New(8000, 1)
        self.ed.PutSampleArray(list(range(100)))
        working = self.ed.TempDirectory
        size = os.path.getsize(working)
        self.ed.SetFormatPCM(8000, 1, 8)
        for target in (working, os.path.join(self.dir, "x", "..", os.path.basename(working))):
            self.ed.Save(target)
            self.assertEqual(self.ed.LastErrorNum, FILEACCESS)
            self.assertEqual(os.path.getsize(working), size)
        self.ed.Undo()
        self.ed.Save(working)  # a state on the redo side still owns it
        self.assertEqual(self.ed.LastErrorNum, FILEACCESS)
        self.ed.Redo()
        self.assertEqual(list(self.ed.GetCurrentArray(100)), list(range(100)))


class SharedFolderTest(unittest.TestCase):
    """The clipboard file has a fixed name in a folder other users may write."""

    def setUp(self):
        self.dir = tempfile.mkdtemp(prefix="vesk-shared-test-")
        self.clip = os.path.join(self.dir, "VeskClipBoard.wav")
        self.victim = os.path.join(self.dir, "victim.txt")
        with open(self.victim, "w") as f:
            f.write("not yours")
        self.ed = audioeditor.Dispatch(PROGID)
        self.ed.TempDirectory = self.dir + "/"
        self.ed.TempFileName = self.clip
        self.ed.New(8000, 1)
        self.ed.PutSampleArray(list(range(1, 101)))
        self.ed.Position.Selected = True
        self.ed.Position.EndSelect = 100

    def tearDown(self):
        self.ed.Close()
        del self.ed
        shutil.rmtree(self.dir, ignore_errors=True)

    def test_a_link_planted_at_the_clipboard_name_is_never_followed(self):
        os.symlink(self.victim, self.clip)
        self.ed.Copy()
        self.assertEqual(self.ed.LastErrorNum, FILEACCESS)
        with open(self.victim) as f:
            self.assertEqual(f.read(), "not yours")
        self.assertTrue(os.path.islink(self.clip))
        self.ed.Paste()  # nor read through
        self.assertEqual(self.ed.LastErrorNum, FILEACCESS)
        self.assertEqual(self.ed.Position.TotalSamples, 100)

    @unittest.skipUnless(hasattr(os, "geteuid") and os.geteuid() == 0, "giving a file away needs root")
    def test_another_users_clipboard_file_is_neither_written_nor_read(self):
        with open(self.clip, "wb") as f:
            f.write(b"someone else's")
        os.chmod(self.clip, 0o666)
        os.chown(self.clip, 65534, 65534)
        self.ed.Copy()
        self.assertEqual(self.ed.LastErrorNum, FILEACCESS)
        with open(self.clip, "rb") as f:
            self.assertEqual(f.read(), b"someone else's")

    def test_a_copy_is_private_and_complete(self):
        self.ed.Copy()
        self.assertEqual(self.ed.LastErrorNum, 0)
        self.assertEqual(os.stat(self.clip).st_mode & 0o777, 0o600)
        self.assertEqual(sorted(os.listdir(self.dir)),
                         sorted(["VeskClipBoard.wav", "victim.txt"] +
                                [n for n in os.listdir(self.dir) if n.startswith("vsk")]))
        self.ed.Position.Selected = False
        self.ed.Position.CurrentPosition = 0
        self.ed.Paste()
        self.assertEqual(self.ed.Position.TotalSamples, 200)


if __name__ == "__main__":
    unittest.main()


class ExtremeArgumentTest(unittest.TestCase):
    """Arguments at the ends of their ranges, and numbers that are not numbers."""

    def test_gains_levels_and_counts_at_their_limits(self):
        ed = audioeditor.Dispatch(PROGID)
        directory = tempfile.mkdtemp(prefix="vesk-extremes-test-")
        try:
            ed.TempDirectory = directory + "/"
            ed.TempFileName = os.path.join(directory, "clip.wav")
            ed.New(8000, 1)
            ed.PutSampleArray([0, 100, -100, 0])
            ed.Position.Selected = True
            ed.Position.EndSelect = 4
            ed.Copy()
            for gain in (float("nan"), float("inf"), -float("inf")):
                ed.Position.StartSelect = 0
                ed.Mix(gain, gain)
                self.assertEqual(ed.Status, 0)
                ed.Undo()
            # Levels at the ends of the long range are kept without overflowing (the sanitizer
            # build stops at an overflow); an ordinary level reads back as it was put.
            for level in (-2 ** 31, 2 ** 31 - 1, -40):
                ed.Recorder.AccuAttackLevel = level
                self.assertIsInstance(ed.Recorder.AccuAttackLevel, int)
            self.assertEqual(ed.Recorder.AccuAttackLevel, -40)
            self.assertEqual(len(ed.GetCurrentArray(2 ** 31 - 1)), 4)
        finally:
            ed.Close()
            shutil.rmtree(directory, ignore_errors=True)
