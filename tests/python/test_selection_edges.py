"""Edits and effects on the selections the rules themselves can leave behind.

An edit that replaces the selection by nothing (InsertSilence(0), DeleteSelect) leaves a selection
whose end lies a frame before its start; a host may then set Selected. Every operation must treat
such a selection as holding nothing: no sound is copied, processed or lost.
"""

import os
import shutil
import struct
import tempfile
import unittest
import wave

import audioeditor

PROGID = "VeskAudioEditor.AudioEditor"


class InvertedSelectionTest(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.mkdtemp(prefix="vesk-selection-test-")
        self.ed = audioeditor.Dispatch(PROGID)
        self.ed.TempDirectory = self.dir + "/"
        self.ed.TempFileName = os.path.join(self.dir, "clip.wav")
        self.ed.New(8000, 2)
        self.samples = [(i * 37) % 20000 - 10000 for i in range(2 * 8000)]
        self.ed.PutSampleArray(self.samples)

    def tearDown(self):
        self.ed.Close()
        del self.ed
        shutil.rmtree(self.dir, ignore_errors=True)

    def whole(self):
        """The sound of the current state, read from its working file (the selection stays)."""
        with wave.open(self.ed.TempDirectory, "rb") as working:
            frames = working.readframes(working.getnframes())
        return list(struct.unpack("<%dh" % (len(frames) // 2), frames))

    def invert_by(self, how):
        position = self.ed.Position
        position.Selected = True
        position.StartSelect = 1000
        position.EndSelect = 3000
        how()
        position.Selected = True
        self.assertLess(position.EndSelect, position.StartSelect, "the state under test")

    def test_each_operation_on_an_inverted_selection_keeps_the_sound(self):
        ways = {
            "InsertSilence(0)": lambda: self.ed.InsertSilence(0),
            "DeleteSelect": lambda: self.ed.DeleteSelect(),
        }
        operations = {
            "Copy then Paste": lambda: (self.ed.Copy(), self.ed.Paste()),
            "Cut": lambda: self.ed.Cut(),
            "Amplify": lambda: self.ed.Amplify(2.0),
            "Reverse": lambda: self.ed.Reverse(),
            "DeleteSelect": lambda: self.ed.DeleteSelect(),
            "Mix": lambda: self.ed.Mix(100, 100),
            "PutSampleArray": lambda: self.ed.PutSampleArray([]),
            "ZoomIn": lambda: self.ed.ZoomIn(),
        }
        for way, invert in ways.items():
            for name, operation in operations.items():
                with self.subTest(way=way, operation=name):
                    self.invert_by(invert)
                    before = self.whole()
                    operation()
                    self.ed.ZoomFull()
                    self.assertEqual(self.whole(), before)
                    self.assertEqual(self.ed.Status, 0)

    def test_selection_array_and_selected_save_hold_nothing(self):
        self.invert_by(lambda: self.ed.DeleteSelect())
        self.assertFalse(self.ed.GetSelectionArray())
        self.ed.SetFormatPCM(8000, 2, 16)
        saved = os.path.join(self.dir, "selection.wav")
        self.ed.Save(saved, True)
        self.assertEqual(self.ed.LastErrorNum, 0)
        reader = audioeditor.Dispatch(PROGID)
        reader.TempDirectory = self.dir + "/"
        reader.Open(saved)
        self.assertEqual(reader.Position.TotalSamples, 0)
        reader.Close()


if __name__ == "__main__":
    unittest.main()
