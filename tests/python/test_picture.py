"""The control's picture from Python: a headless container, its pixels and the exported image."""

import os
import shutil
import struct
import subprocess
import tempfile
import unittest

import audioeditor

PROGID = "VeskAudioEditor.AudioEditor"
WIDTH, HEIGHT = 800, 300
SELECT_BACKGROUND = 0xFFFFFF
BACKGROUND = 0x000000
GRID = 0x042C4F  # dashed grid lines of the time scale cross the fill


class PictureTest(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.mkdtemp(prefix="vesk-picture-test-")
        self.ed = audioeditor.Dispatch(PROGID)
        self.ed.TempDirectory = self.dir + "/"
        self.ed.New(44100, 2)
        self.ed.PutSampleArray([0] * (2 * 44100))  # one second of stereo silence
        self.site = audioeditor.Container(self.ed, WIDTH, HEIGHT)

    def tearDown(self):
        del self.site
        self.ed.Close()
        del self.ed
        shutil.rmtree(self.dir, ignore_errors=True)

    def test_selection_fill_inside_and_background_outside(self):
        self.site.paint()
        position = self.ed.Position
        position.Selected = True
        position.StartSelect = 22050
        position.EndSelect = 33075
        self.site.paint()
        # The selection covers the third quarter of the width; rows just inside the lanes'
        # margin are free of the waveform (silence sits on the zero lines).
        row = 20
        area_left = 2
        width = self.site.width - 2
        inside = [self.site.pixel(x, row) for x in range(area_left + width * 55 // 100, area_left + width * 70 // 100)]
        outside = [self.site.pixel(x, row) for x in range(area_left + width * 10 // 100, area_left + width * 40 // 100)]
        self.assertLessEqual(set(inside), {SELECT_BACKGROUND, GRID})
        self.assertGreater(inside.count(SELECT_BACKGROUND) / len(inside), 0.8)
        self.assertLessEqual(set(outside), {BACKGROUND, GRID})
        self.assertGreater(outside.count(BACKGROUND) / len(outside), 0.8)

    def test_the_spectral_view_can_be_chosen_before_the_control_has_a_window(self):
        ed = audioeditor.Dispatch(PROGID)
        ed.TempDirectory = self.dir + "/"
        ed.New(8000, 1)
        # A tone at a quarter of the rate: bin 16 of 32, the middle of the lane.
        ed.PutSampleArray([(0, 10000, 0, -10000)[i % 4] for i in range(8000)])
        ed.TypeView = 1
        self.assertEqual(ed.LastErrorNum, 0)
        site = audioeditor.Container(ed, WIDTH, HEIGHT)
        site.paint()
        column = WIDTH // 2
        rows = [site.pixel(column, y) for y in range(20, HEIGHT - 30)]
        self.assertGreater(len(set(rows)), 3)  # the tone's band stands out of the quiet bins
        del site
        ed.Close()

    def test_resize_lays_out_again(self):
        self.site.paint()
        self.site.resize(400, 200)
        self.site.paint()
        self.assertEqual((self.site.width, self.site.height), (400, 200))
        with self.assertRaises(IndexError):
            self.site.pixel(400, 0)

    def test_wave_image_is_a_32_bit_bitmap_with_pixels_at_66(self):
        path = os.path.join(self.dir, "wave.bmp")
        self.ed.SaveWaveImage(path)
        self.assertFalse(os.path.exists(path))  # nothing painted yet
        self.site.paint()
        self.ed.SaveWaveImage(path)
        with open(path, "rb") as f:
            data = f.read()
        self.assertEqual(data[:2], b"BM")
        size, offset = struct.unpack_from("<I4xI", data, 2)
        width, height, planes, bits = struct.unpack_from("<iiHH", data, 18)
        self.assertEqual((size, offset), (len(data), 66))
        self.assertEqual((width, height, planes, bits), (WIDTH, HEIGHT, 1, 32))
        self.assertEqual(len(data), 66 + 4 * WIDTH * HEIGHT)
        self.assertEqual(self.ed.LastErrorNum, 0)

    @unittest.skipUnless(shutil.which("identify"), "ImageMagick's identify is not installed")
    def test_saved_png_reads_back(self):
        self.site.paint()
        path = os.path.join(self.dir, "site.png")
        self.site.save(path)
        answer = subprocess.run(["identify", "-format", "%m %w %h", path], capture_output=True, text=True,
                                check=True)
        self.assertEqual(answer.stdout.split(), ["PNG", str(WIDTH), str(HEIGHT)])

    def test_a_scale_type_the_view_does_not_know_changes_the_position_once(self):
        counted = []

        class Events:
            def OnChangePosition(self):
                counted.append(1)

        ed = audioeditor.DispatchWithEvents(PROGID, Events)
        ed.TempDirectory = self.dir + "/"
        ed.New(44100, 2)
        site = audioeditor.Container(ed, WIDTH, HEIGHT)
        site.paint()
        counted.clear()
        ed.ScaleY.Type = 9
        self.assertEqual(len(counted), 1)
        self.assertEqual(ed.ScaleY.Type, 9)  # stored as given; the picture reads it as decibels
        self.assertEqual(ed.ScaleX.Font.Charset, 1)
        del site
        ed.Close()

    def test_a_container_needs_a_control(self):
        with self.assertRaises(audioeditor.com_error):
            audioeditor.Container(self.ed.Position, 10, 10)


if __name__ == "__main__":
    unittest.main()
