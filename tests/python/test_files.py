"""Opening and saving real files through the control, checked by independent readers."""

import os
import shutil
import struct
import subprocess
import tempfile
import unittest

import audioeditor

PROGID = "VeskAudioEditor.AudioEditor"
FORMATFILE, FILEACCESS = -12, -18


def have(tool):
    return shutil.which(tool) is not None


class Recorder:
    def __init__(self):
        self.events = []

    def OnError(self, code):
        self.events.append(("Error", code))

    def OnEndOperation(self):
        self.events.append(("EndOperation",))


class FileTest(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.mkdtemp(prefix="vesk-files-test-")
        self.ed = audioeditor.DispatchWithEvents(PROGID, Recorder)
        self.ed.TempDirectory = self.dir + "/"
        self.ed.New(44100, 2)
        # One second of a ramp on the left and its negative on the right.
        self.samples = []
        for i in range(44100):
            self.samples += [i % 20000 - 10000, -(i % 20000 - 10000)]
        self.ed.PutSampleArray(self.samples)

    def tearDown(self):
        self.ed.Close()
        del self.ed
        shutil.rmtree(self.dir, ignore_errors=True)

    def path(self, name):
        return os.path.join(self.dir, name)

    @unittest.skipUnless(have("sox"), "sox is not installed")
    def test_wav_with_markers_reads_back_in_sox_and_in_the_control(self):
        markers = self.ed.Markers
        markers.Insert(100, 0, "cue")
        markers.Insert(1000, 500, "range", Note="a note", Text="a text", Language=9)
        markers.Insert(30000, 10, "late")
        self.ed.SetFormatPCM(44100, 2, 16)
        wav = self.path("marked.wav")
        self.ed.Save(wav)
        raw = subprocess.run(["sox", wav, "-t", "raw", "-e", "signed", "-b", "16", "-L", "-"],
                             capture_output=True, check=True).stdout
        self.assertEqual(list(struct.unpack("<%dh" % (len(raw) // 2), raw)), self.samples)

        reader = audioeditor.Dispatch(PROGID)
        reader.TempDirectory = self.dir + "/"
        reader.Open(wav)
        self.assertEqual(reader.LastErrorNum, 0)
        m = reader.Markers
        found = []
        for n in range(1, m.Count + 1):
            m.Num = n
            found.append((m.Position, m.Length, m.Label, m.Note, m.Text, m.Language))
        self.assertEqual(found, [(100, 0, "cue", "", "", 0), (1000, 500, "range", "a note", "a text", 9),
                                 (30000, 10, "late", "", "", 0)])
        reader.Close()

    @unittest.skipUnless(have("ffprobe"), "ffprobe is not installed")
    def test_vbr_mp3_carries_a_vbr_header(self):
        self.ed.SetFormatMP3(44100, 128, 2)
        self.ed.Mp3LameEncoder.VbrCodingMethod = audioeditor.constants.VBR_NEW
        self.ed.Mp3LameEncoder.WritingVBRHeader = True
        mp3 = self.path("vbr.mp3")
        self.ed.Save(mp3)
        with open(mp3, "rb") as f:
            head = f.read(4096)
        self.assertIn(b"Xing", head)
        probe = subprocess.run(["ffprobe", "-v", "error", "-show_entries", "stream=codec_name,sample_rate",
                                "-of", "csv=p=0", mp3], capture_output=True, text=True, check=True)
        self.assertEqual(probe.stdout.strip(), "mp3,44100")

    def test_bad_files_give_one_error_then_end_operation_and_no_document(self):
        text = self.path("words.mp3")
        with open(text, "w") as f:
            f.write("this is not sound\n" * 50)
        damaged = self.path("damaged.wav")
        with open(damaged, "wb") as f:
            f.write(b"RIFF\x10\x00\x00\x00WAVEfmt \x10\x00")
        for name, code in [(text, FORMATFILE), (damaged, FORMATFILE), (self.path("missing.wav"), FILEACCESS)]:
            self.ed.events.clear()
            self.ed.Open(name)
            self.assertEqual(self.ed.events, [("Error", code), ("EndOperation",)], name)
            self.assertEqual(self.ed.Position.TotalSamples, 0)

    def test_saving_into_a_missing_folder_reports_file_access(self):
        self.ed.SetFormatPCM(44100, 2, 16)
        self.ed.events.clear()
        self.ed.Save(self.path("no/such/folder/out.wav"))
        self.assertEqual(self.ed.events, [("Error", FILEACCESS), ("EndOperation",)])
        self.assertEqual(self.ed.Position.TotalSamples, 44100)  # the document is untouched

    def test_cancel_from_a_block_handler_keeps_the_decoded_part(self):
        self.ed.SetFormatPCM(44100, 2, 16)
        long_wav = self.path("long.wav")
        self.ed.PutSampleArray([0] * (2 * 44100 * 4))
        self.ed.Save(long_wav)
        editor = self.ed

        class Cancel(Recorder):
            def OnBlockOperation(self, percent):
                editor.Stop()

        reader = audioeditor.DispatchWithEvents(PROGID, Cancel)
        reader.TempDirectory = self.dir + "/"
        editor = reader
        reader.Open(long_wav)
        self.assertGreater(reader.Position.TotalSamples, 0)
        self.assertLess(reader.Position.TotalSamples, 44100 * 5)
        self.assertEqual(reader.Status, 0)
        reader.Close()

    def test_cd_and_wma_names_route_to_their_components(self):
        self.ed.events.clear()
        self.ed.Save(self.path("Track01.cda"))  # nothing is written to a CD track
        self.assertFalse(os.path.exists(self.path("Track01.cda")))
        self.ed.Save(self.path("music.WMA"))
        self.assertTrue(os.path.getsize(self.path("music.WMA")) > 0)
        self.assertTrue(self.ed.FileInfo.FormatString)
        reader = audioeditor.Dispatch(PROGID)
        reader.TempDirectory = self.dir + "/"
        reader.Open(self.path("music.WMA"))
        self.assertEqual(reader.LastErrorNum, 0)
        self.assertTrue(reader.FileInfo.FormatString.startswith("WMA"))
        self.assertAlmostEqual(reader.Position.TotalSamples, 44100, delta=2048)
        reader.Close()


if __name__ == "__main__":
    unittest.main()
