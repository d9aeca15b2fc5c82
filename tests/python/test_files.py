"""Opening and saving real files through the control, checked by independent readers."""

import os
import shutil
import struct
import subprocess
import tempfile
import unittest
import wave

import audioeditor
from event_recorder import Recorder

PROGID = "VeskAudioEditor.AudioEditor"
FORMATFILE, FILEACCESS = -12, -18


def have(tool):
    return shutil.which(tool) is not None


def chunk(fourcc, payload):
    """A RIFF chunk with its pad byte."""
    return fourcc + struct.pack("<I", len(payload)) + payload + (b"\0" if len(payload) % 2 else b"")


def write_wav_with_cues(path, frames, rate, cues):
    """A mono 16-bit WAV of `frames` frames of silence with cue points (position, length, label)
    written byte by byte, so that positions past the end can be stored."""
    fmt = struct.pack("<HHIIHH", 1, 1, rate, rate * 2, 2, 16)
    cue = struct.pack("<I", len(cues))
    adtl = b"adtl"
    for n, (position, length, label) in enumerate(cues, 1):
        cue += struct.pack("<II4sIII", n, position, b"data", 0, 0, position)
        adtl += chunk(b"labl", struct.pack("<I", n) + label.encode() + b"\0")
        if length:
            adtl += chunk(b"ltxt", struct.pack("<II4sHHHH", n, length, b"rgn ", 0, 0, 0, 0))
    body = b"WAVE" + chunk(b"fmt ", fmt) + chunk(b"data", b"\0\0" * frames) + chunk(b"cue ", cue)
    body += chunk(b"LIST", adtl)
    with open(path, "wb") as f:
        f.write(chunk(b"RIFF", body))


def markers_of(editor):
    m = editor.Markers
    found = []
    for n in range(1, m.Count + 1):
        m.Num = n
        found.append((m.Position, m.Length, m.Label))
    return found


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

    def test_open_after_a_save_gives_the_files_own_format(self):
        # A save tells the file component the document's format; the next open must not
        # deliver the new file in it.
        self.ed.SetFormatPCM(44100, 2, 16)
        self.ed.Save(self.path("stereo.wav"))
        mono = self.path("mono.wav")
        with wave.open(mono, "wb") as w:
            w.setnchannels(1)
            w.setsampwidth(2)
            w.setframerate(22050)
            w.writeframes(struct.pack("<1000h", *range(1000)))
        self.ed.Open(mono)
        self.assertEqual((self.ed.FileInfo.Frequency, self.ed.FileInfo.Channels), (22050, 1))
        self.assertEqual(self.ed.Position.TotalSamples, 1000)
        self.assertEqual(list(self.ed.GetCurrentArray(1000)), list(range(1000)))

    def test_markers_past_the_end_are_cut_when_read_as_a_save_cuts_them(self):
        marked = self.path("marked.wav")
        write_wav_with_cues(marked, 1000, 8000, [(100, 0, "in"), (900, 500, "long"), (5000, 0, "late")])
        self.ed.Open(marked)
        self.assertEqual(self.ed.LastErrorNum, 0)
        self.assertEqual(markers_of(self.ed), [(100, 0, "in"), (900, 100, "long")])
        self.ed.SetFormatPCM(8000, 1, 16)
        again = self.path("again.wav")
        self.ed.Save(again)
        reader = audioeditor.Dispatch(PROGID)
        reader.TempDirectory = self.dir + "/"
        reader.Open(again)
        self.assertEqual(markers_of(reader), [(100, 0, "in"), (900, 100, "long")])
        reader.Close()

    def test_wma_tags_travel_with_the_file(self):
        info = self.ed.FileInfo
        info.Title, info.Artist, info.Album = "A title", "An artist", "An album"
        wma = self.path("tagged.wma")
        self.ed.Save(wma)
        self.assertEqual(self.ed.LastErrorNum, 0)
        reader = audioeditor.Dispatch(PROGID)
        reader.TempDirectory = self.dir + "/"
        reader.Open(wma)
        tags = reader.FileInfo
        self.assertEqual((tags.Title, tags.Artist, tags.Album), ("A title", "An artist", "An album"))
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
