"""Strings with lone surrogates (which Python strings may hold and UTF-16 can carry) passed to
members, as arguments, property values and names. They reach the control as they are; the
control keeps marker text as UTF-8, where half a pair becomes U+FFFD."""

import os
import shutil
import tempfile
import unittest

import audioeditor

PROGID = "VeskAudioEditor.AudioEditor"
DISP_E_UNKNOWNNAME = -2147352570  # 0x80020006

HIGH = "\ud800"
LOW_INSIDE = "a\udc00b"


class LoneSurrogates(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.mkdtemp(prefix="vesk-surrogates-")
        self.ed = audioeditor.Dispatch(PROGID)
        self.ed.TempDirectory = self.dir + "/"
        self.ed.TempFileName = os.path.join(self.dir, "clip.wav")
        self.ed.New(8000, 1)
        self.ed.InsertSilence(100)

    def tearDown(self):
        self.ed.Close()
        del self.ed
        shutil.rmtree(self.dir, ignore_errors=True)

    def test_arguments_and_values_reach_the_control(self):
        markers = self.ed.Markers
        markers.Insert(10, 0, HIGH, Note=LOW_INSIDE)
        markers.Num = 0
        self.assertEqual(markers.Label, "\ufffd")
        self.assertEqual(markers.Note, "a\ufffdb")
        markers.Text = LOW_INSIDE + HIGH + "\U0001F600"
        self.assertEqual(markers.Text, "a\ufffdb\ufffd\U0001F600")

    def test_a_file_name_with_one_is_an_ordinary_missing_file(self):
        self.ed.Open(os.path.join(self.dir, "no" + HIGH + ".wav"))
        self.assertNotEqual(self.ed.LastErrorNum, 0)

    def test_names_with_one_are_unknown_names(self):
        with self.assertRaises(audioeditor.com_error) as caught:
            self.ed._oleobj_.GetIDsOfNames("New" + HIGH)
        self.assertEqual(caught.exception.hresult, DISP_E_UNKNOWNNAME)
        with self.assertRaises(AttributeError):
            getattr(self.ed, HIGH)


if __name__ == "__main__":
    unittest.main()
