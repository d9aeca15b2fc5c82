"""Stop at every step of every long operation.

A host may call Stop from its BlockOperation handler. Afterwards the document, its history and
the files are what the rules say: an edit, an effect or a conversion leaves everything as it was;
an open keeps the part decoded so far as the document; a save leaves a complete file holding the
part encoded so far; a copy leaves the part copied so far on the clipboard (and a cut deletes
nothing); a paste or a mix stopped while it inserts commits what it did, as an undoable state.
The sweep stops each operation at every one of its progress steps.
"""

import os
import shutil
import struct
import subprocess
import tempfile
import unittest
import wave

import audioeditor

PROGID = "VeskAudioEditor.AudioEditor"
RATE = 8000


def read_wav(path):
    with wave.open(path, "rb") as w:
        frames = w.readframes(w.getnframes())
    return list(struct.unpack("<%dh" % (len(frames) // 2), frames))


class StopAt:
    """Events that call Stop at the n-th BlockOperation (0: never) and count what arrives."""

    def __init__(self):
        self.stop_at = 0
        self.blocks = 0
        self.ends = 0

    def OnBlockOperation(self, percent):
        self.blocks += 1
        if self.blocks == self.stop_at:
            self.Stop()

    def OnEndOperation(self):
        self.ends += 1


def stops(count):
    """The steps at which the sweep stops an operation of `count` progress steps: every one
    (the sounds are short enough for that)."""
    return range(1, count + 1)


class CancelSweepTest(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.mkdtemp(prefix="vesk-cancel-test-")
        self.samples = [(i * 73) % 30000 - 15000 for i in range(2 * RATE * 2)]  # 2 s of stereo
        self.source = os.path.join(self.dir, "source.wav")
        with wave.open(self.source, "wb") as w:
            w.setnchannels(2)
            w.setsampwidth(2)
            w.setframerate(RATE)
            w.writeframes(struct.pack("<%dh" % len(self.samples), *self.samples))
        self.ed = audioeditor.DispatchWithEvents(PROGID, StopAt)
        self.ed.TempDirectory = self.dir + "/"
        self.ed.TempFileName = os.path.join(self.dir, "clip.wav")
        self.ed.FileBufferSize = 100  # many small blocks

    def tearDown(self):
        self.ed.Close()
        del self.ed
        shutil.rmtree(self.dir, ignore_errors=True)

    def fresh(self):
        self.ed.stop_at = 0
        self.ed.Open(self.source)
        position = self.ed.Position
        position.Selected = True
        position.StartSelect = RATE // 4
        position.EndSelect = RATE + RATE // 2
        self.ed.stop_at, self.ed.blocks, self.ed.ends = 0, 0, 0

    def files(self):
        return sorted(os.listdir(self.dir))

    def sweep(self, operation, check, operations=1):
        """Runs operation once to count its steps, then once per chosen stop, checking each
        (`operations`: how many operations with an EndOperation each the call may run)."""
        self.fresh()
        operation()
        count = self.ed.blocks
        self.assertGreater(count, 0, "the operation reports progress")
        for k in stops(count):
            with self.subTest(stop_at=k, of=count):
                self.fresh()
                before = (self.ed.TempDirectory, read_wav(self.ed.TempDirectory), self.files())
                self.ed.stop_at = k
                operation()
                self.assertEqual(self.ed.Status, 0)
                self.assertIn(self.ed.ends, range(1, operations + 1))
                check(before, k, count)

    def unchanged(self, before, k, count):
        working, sound, files = before
        self.assertEqual(self.ed.TempDirectory, working)
        self.assertEqual(read_wav(working), sound)
        self.assertEqual(self.files(), files)
        self.assertFalse(self.ed.RedoEnabled)

    def unchanged_unless_last(self, before, k, count):
        # Stopped after its last step an operation has nothing left to cancel but its end.
        if k < count:
            self.unchanged(before, k, count)

    def unchanged_or_partly_done(self, before, k, count):
        """A paste or a mix stopped while it inserts commits what it did so far: the sound
        differs from the old one only inside the selection, and Undo brings the old one back."""
        working, sound, files = before
        if self.ed.TempDirectory == working:
            return self.unchanged(before, k, count)
        now = read_wav(self.ed.TempDirectory)
        start, end = 2 * (RATE // 4), 2 * (RATE + RATE // 2)
        self.assertEqual(now[:start], sound[:start])
        self.assertEqual(now[len(now) - (len(sound) - end):], sound[end:])
        self.ed.Undo()
        self.assertEqual(self.ed.TempDirectory, working)
        self.assertEqual(read_wav(working), sound)

    def test_edits_and_effects_leave_everything_as_it_was(self):
        self.ed.stop_at = 0
        self.ed.Open(self.source)
        self.ed.Position.Selected = True
        self.ed.Position.EndSelect = RATE
        self.ed.Copy()  # a clipboard for Paste and Mix
        inserting = {
            "Paste": lambda: self.ed.Paste(),
            "PasteFromFile": lambda: self.ed.PasteFromFile(self.source),
            "Mix": lambda: self.ed.Mix(50, 50),
            "MixFromFile": lambda: self.ed.MixFromFile(50, self.source, 50),
        }
        for name, operation in inserting.items():
            with self.subTest(operation=name):
                self.sweep(operation, self.unchanged_or_partly_done)
        operations = {
            "DeleteSelect": lambda: self.ed.DeleteSelect(),
            "InsertSilence": lambda: self.ed.InsertSilence(500),
            "Amplify": lambda: self.ed.Amplify(0.5),
            "Reverse": lambda: self.ed.Reverse(),
            "Normalize": lambda: self.ed.Normalize(90, True),
            "Fade": lambda: self.ed.Fade(0, 100),
            "Echo": lambda: self.ed.Delay(100, 50, 30),
            "Reverb": lambda: self.ed.Reverb(50, 40, 30, 50),
            "LowPassFilter": lambda: self.ed.LowPassFilter(1000, 1),
            "Stretch": lambda: self.ed.Stretch(150),
            "Compressor": lambda: self.ed.Compressor(-20, 4, 10),
            "Trim": lambda: self.ed.Trim(-40, 10, 2),
            "ConvertSampleType": lambda: self.ed.ConvertSampleType(11025, 1),
        }
        for name, operation in operations.items():
            with self.subTest(operation=name):
                self.sweep(operation, self.unchanged_unless_last)

    def test_a_stopped_copy_keeps_a_prefix_and_a_stopped_cut_deletes_nothing(self):
        def copied(before, k, count):
            working, sound, files = before
            clip = read_wav(os.path.join(self.dir, "clip.wav"))
            start, end = 2 * (RATE // 4), 2 * (RATE + RATE // 2)
            self.assertEqual(clip, sound[start:start + len(clip)])
            self.assertEqual(len(clip) == end - start, k == count)
            self.assertEqual(read_wav(self.ed.TempDirectory), sound)

        self.sweep(lambda: self.ed.Copy(), copied)
        # A cut is a copy, then a delete (two EndOperations); a stop in either deletes nothing.
        self.sweep(lambda: self.ed.Cut(), self.unchanged_unless_last, operations=2)

    def test_a_stopped_open_keeps_what_was_decoded(self):
        reader = audioeditor.DispatchWithEvents(PROGID, StopAt)
        reader.TempDirectory = self.dir + "/"
        reader.Open(self.source)
        count = reader.blocks
        self.assertGreater(count, 1)
        for k in stops(count):
            with self.subTest(stop_at=k, of=count):
                reader.stop_at, reader.blocks = k, 0
                reader.Open(self.source)
                self.assertEqual((reader.Status, reader.LastErrorNum), (0, 0))
                frames = reader.Position.TotalSamples
                self.assertGreater(frames, 0)
                self.assertLessEqual(frames, RATE * 2)
                self.assertEqual(read_wav(reader.TempDirectory), self.samples[:2 * frames])
                self.assertEqual(len([n for n in self.files() if n.startswith("vsk")]), 1)
        reader.Close()

    def test_a_stopped_save_leaves_a_complete_file_of_the_part_encoded(self):
        formats = {
            "out.wav": lambda: self.ed.SetFormatPCM(RATE, 2, 16),
            "out.flac": lambda: self.ed.SetFormatPCM(RATE, 2, 16),
            "out.mp3": lambda: self.ed.SetFormatMP3(RATE, 64, 2),
            "out.ogg": lambda: self.ed.SetFormatOggVorbis(RATE, 2, 64, 0, 0, -1),
            "out.wma": lambda: self.ed.SetFormatWMA(0),
        }
        for name, choose in formats.items():
            target = os.path.join(self.dir, name)

            def save():
                choose()
                self.ed.Save(target)

            def complete(before, k, count):
                working, sound, files = before
                self.assertEqual(read_wav(self.ed.TempDirectory), sound)
                self.assertEqual(sorted(set(self.files()) - {name}), sorted(set(files) - {name}))
                probe = subprocess.run(["ffprobe", "-v", "error", "-show_entries", "format=duration", "-of",
                                        "csv=p=0", target], capture_output=True, text=True)
                self.assertEqual(probe.returncode, 0, probe.stderr)
                self.assertLessEqual(float(probe.stdout), 2.2)

            with self.subTest(format=name):
                self.sweep(save, complete)
                os.remove(target)


if __name__ == "__main__":
    unittest.main()
