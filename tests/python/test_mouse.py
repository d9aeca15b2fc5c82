"""The mouse in the control's window, through the headless container's window messages.

The window is 800 × 300 with the default scales: the waveform area spans x 2..748 (746 columns)
and y 10..274, the marker bands are the 5 rows inside its top and bottom edges, the band with the
scroll thumb lies above it (y 0..10), the time scale below (y 279..300). The document is one second
of 44.1 kHz stereo, so a column is about 59 frames.
"""

import os
import shutil
import struct
import tempfile
import unittest

import audioeditor
from audioeditor import MAKELPARAM, MK_LBUTTON, MK_SHIFT

PROGID = "VeskAudioEditor.AudioEditor"
LEFT, RIGHT, TOP, BOTTOM, WIDTH = 2, 748, 10, 274, 746
FRAMES = 44100
INTERIOR_Y = 140


def frame_at(column, start=0, end=FRAMES * 4):
    """The frame a column of the area stands for (nearest byte, cut to a frame), as the rule says."""
    if column == 0:
        return start // 4
    if column == WIDTH:
        return end // 4
    position = int(start + column / WIDTH * (end - start + 4) + 0.5)
    return position // 4


class Events:
    def __init__(self):
        self.log = []

    def _add(self, *entry):
        self.log.append(entry)

    def OnMouseDown(self, button, shift, x, y): self._add("MouseDown", button, shift, x, y)
    def OnMouseUp(self, button, shift, x, y): self._add("MouseUp", button, shift, x, y)
    def OnMouseMove(self, button, shift, x, y): self._add("MouseMove", button, shift, x, y)
    def OnDblClick(self): self._add("DblClick")
    def OnChangePosition(self): self._add("ChangePosition")
    def OnMarkerClick(self, n): self._add("MarkerClick", n)
    def OnNewMarker(self, n): self._add("NewMarker", n)
    def OnChangeMarker(self, n): self._add("ChangeMarker", n)
    def OnScaleXClick(self): self._add("ScaleXClick")
    def OnScaleYClick(self): self._add("ScaleYClick")

    def names(self, *kinds):
        return [entry for entry in self.log if entry[0] in kinds]


class MouseTest(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.mkdtemp(prefix="vesk-mouse-test-")
        self.ed = audioeditor.DispatchWithEvents(PROGID, Events)
        self.ed.TempDirectory = self.dir + "/"
        self.ed.New(44100, 2)
        self.ed.PutSampleArray([0] * (2 * FRAMES))
        self.site = audioeditor.Container(self.ed, 800, 300)
        self.site.paint()
        self.ed.log.clear()

    def tearDown(self):
        del self.site
        self.ed.Close()
        del self.ed
        shutil.rmtree(self.dir, ignore_errors=True)

    # ---- gestures ----
    def send(self, message, x, y, keys=0):
        return self.site.send_message(message, keys, MAKELPARAM(x, y))

    def press(self, x, y, keys=0):
        self.send(audioeditor.WM_LBUTTONDOWN, x, y, keys | MK_LBUTTON)

    def move(self, x, y, keys=MK_LBUTTON):
        self.send(audioeditor.WM_MOUSEMOVE, x, y, keys)

    def release(self, x, y):
        self.send(audioeditor.WM_LBUTTONUP, x, y)

    def drag(self, x0, x1, y=INTERIOR_Y):
        self.press(x0, y)
        self.move(x1, y)
        self.release(x1, y)

    def double_click(self, x, y):
        self.send(audioeditor.WM_LBUTTONDBLCLK, x, y, MK_LBUTTON)

    def selection(self):
        p = self.ed.Position
        return p.StartSelect, p.EndSelect, bool(p.Selected)

    def test_a_click_sets_the_cursor_and_reports_relative_coordinates(self):
        self.press(302, INTERIOR_Y, MK_SHIFT)
        self.assertTrue(self.site.captured())
        self.release(302, INTERIOR_Y)
        self.assertFalse(self.site.captured())
        self.assertEqual(self.selection(), (frame_at(300), frame_at(300), False))
        # The press reports the point in the waveform area; the release in the window.
        self.assertEqual(self.ed.log, [("MouseDown", 1, 1, 300, INTERIOR_Y - TOP), ("ChangePosition",),
                                       ("MouseUp", 1, 0, 302, INTERIOR_Y)])

    def test_dragging_selects_with_hysteresis_and_narrow_drags_collapse(self):
        self.press(102, INTERIOR_Y)
        self.move(105, INTERIOR_Y)  # fewer than 5 columns: nothing changes yet
        self.assertEqual(self.ed.names("ChangePosition"), [])
        self.move(302, INTERIOR_Y)
        self.release(302, INTERIOR_Y)
        self.assertEqual(self.selection(), (frame_at(100), frame_at(300), True))
        self.drag(402, 404)  # under 3 columns: a cursor at its start
        self.assertEqual(self.selection(), (frame_at(400), frame_at(400), False))
        self.drag(400, -50)  # left of the area: column 0
        self.assertEqual(self.selection()[0], 0)
        self.drag(400, 790)  # right of it: the end of the view
        self.assertEqual(self.selection()[1], FRAMES)

    def test_the_selection_edges_are_grabbed_in_the_marker_bands(self):
        self.drag(202, 402)
        # The start's handle lies just inside it, in the bottom band.
        self.press(LEFT + 200 + 2, BOTTOM - 2)
        self.move(LEFT + 100, BOTTOM - 2)
        self.release(LEFT + 100, BOTTOM - 2)
        self.assertEqual(self.selection(), (frame_at(100), frame_at(400), True))
        self.press(LEFT + 400 - 2, TOP + 2)  # the end's handle
        self.move(LEFT + 600, TOP + 2)
        self.release(LEFT + 600, TOP + 2)
        self.assertEqual(self.selection(), (frame_at(100), frame_at(600), True))

    def test_the_height_chooses_the_channel_of_a_stereo_selection(self):
        channels = self.ed.Channels
        def operated():
            flags = []
            for n in (1, 2):
                channels.Num = n
                flags.append(bool(channels.Operation))
            return flags
        self.press(LEFT + 100, 20)  # the top eighth: the left channel alone
        self.assertEqual(operated(), [True, False])
        self.assertEqual(self.site.pointer(), "left")
        self.move(LEFT + 300, 200)  # the lower half with one channel in operation: both again
        self.assertEqual(operated(), [True, True])
        self.assertEqual(self.site.pointer(), "right")
        self.release(LEFT + 300, 200)

    def test_pointers_of_the_regions(self):
        hover = lambda x, y: (self.move(x, y, keys=0), self.site.pointer())[1]
        self.assertEqual(hover(LEFT + 300, 20), "left")
        self.assertEqual(hover(LEFT + 300, 260), "right")
        self.assertEqual(hover(LEFT + 300, INTERIOR_Y), "arrow")
        self.assertEqual(hover(LEFT + 300, TOP + 2), "edge")
        self.ed.MousePointer = 2
        self.assertEqual(hover(LEFT + 300, INTERIOR_Y + 1), "cross")
        self.ed.ZoomVertical(100)
        self.drag(202, 402)
        self.ed.ZoomIn()
        self.site.paint()
        self.assertEqual(hover(400, 3), "grab")    # the scroll thumb
        self.assertEqual(hover(400, 290), "grab")  # the time scale while zoomed

    def test_a_zoomed_view_scrolls_by_its_thumb_and_by_the_time_scale(self):
        self.ed.Position.StartView = 0
        self.ed.Position.EndView = FRAMES // 4  # a quarter of the sound
        self.site.paint()
        view = lambda: (self.ed.Position.StartView, self.ed.Position.EndView)
        self.press(LEFT + 50, 3)  # on the thumb
        self.move(LEFT + 50 + WIDTH // 4, 3)  # a quarter of the width: a quarter of the sound
        self.release(LEFT + 50 + WIDTH // 4, 3)
        start, end = view()
        self.assertEqual(start, int(4 * FRAMES * (WIDTH // 4) / WIDTH + 0.5) // 4)
        self.assertEqual(end - start, FRAMES // 4)
        self.press(400, 290)  # the time scale: the sound follows the pointer
        self.move(400 + WIDTH // 2, 290)
        self.release(400 + WIDTH // 2, 290)
        new_start, _ = view()
        self.assertEqual(start - new_start, FRAMES // 8)

    def test_the_wheel_zooms_to_the_middle_half_down_to_level_49(self):
        wheel = lambda notches: self.site.send_message(audioeditor.WM_MOUSEWHEEL, (notches * 120) & 0xFFFFFFFF,
                                                       MAKELPARAM(400, INTERIOR_Y))
        wheel(-1)  # back at level 0: nothing
        self.assertEqual((self.ed.Position.StartView, self.ed.Position.EndView), (0, FRAMES))
        wheel(1)
        self.assertEqual((self.ed.Position.StartView, self.ed.Position.EndView), (FRAMES // 4, 3 * FRAMES // 4))
        wheel(-1)
        self.assertEqual((self.ed.Position.StartView, self.ed.Position.EndView), (0, FRAMES))
        for _ in range(60):
            wheel(1)
        self.assertGreater(self.ed.Position.EndView, self.ed.Position.StartView)  # the deepest level holds

    def test_double_clicks_in_a_marker_band_create_and_delete_markers(self):
        markers = self.ed.Markers
        self.double_click(LEFT + 300, TOP + 2)
        self.assertEqual(markers.Count, 1)
        markers.Num = 1
        self.assertEqual((markers.Label, markers.Position, markers.Length), ("Marker 0", frame_at(300), 0))
        self.assertEqual(self.ed.names("NewMarker"), [("NewMarker", 1)])
        self.drag(102, 202)
        self.double_click(LEFT + 500, BOTTOM - 2)  # with a selection: a range marker of it
        self.assertEqual(markers.Count, 2)
        markers.Num = 1
        self.assertEqual((markers.Label, markers.Position, markers.Length),
                         ("Marker 1", frame_at(100), frame_at(200) - frame_at(100)))
        self.double_click(LEFT + 300 + 4, TOP + 2)  # near the cue marker: it goes
        self.assertEqual(markers.Count, 1)
        self.double_click(LEFT + 300, INTERIOR_Y)  # in the interior: only the event
        self.assertEqual(self.ed.names("DblClick"), [("DblClick",)])

    def test_markers_are_dragged_and_range_edges_swap_when_they_cross(self):
        markers = self.ed.Markers
        markers.Insert(frame_at(300), 0, "cue")
        markers.Insert(frame_at(500), frame_at(600) - frame_at(500), "range")
        self.site.paint()  # the painter records which markers it shows
        self.press(LEFT + 300, TOP + 2)
        self.move(LEFT + 350, TOP + 2)
        self.release(LEFT + 350, TOP + 2)
        markers.Num = 1
        self.assertEqual(markers.Position, frame_at(350))
        self.assertEqual(self.ed.names("MarkerClick"), [("MarkerClick", 1)])
        self.ed.log.clear()
        self.site.paint()
        self.press(LEFT + 600, BOTTOM - 2)  # the range's end
        self.move(LEFT + 450, BOTTOM - 2)  # past its start: the edges swap
        self.release(LEFT + 450, BOTTOM - 2)
        markers.Num = 2
        self.assertEqual((markers.Position, markers.Length), (frame_at(450), frame_at(500) - frame_at(450)))
        self.assertEqual(self.ed.names("MarkerClick", "ChangeMarker"), [("MarkerClick", 2), ("ChangeMarker", 2)])

    def test_the_right_button_extends_the_selection_and_clicks_the_scales(self):
        self.drag(302, 402)
        self.send(audioeditor.WM_RBUTTONDOWN, LEFT + 100, INTERIOR_Y)
        self.assertEqual(self.selection(), (frame_at(100), frame_at(400), True))
        self.send(audioeditor.WM_RBUTTONDOWN, 400, 295)
        self.send(audioeditor.WM_RBUTTONDOWN, 790, 100)
        self.assertEqual(self.ed.names("ScaleXClick", "ScaleYClick"), [("ScaleXClick",), ("ScaleYClick",)])

    def test_with_mouse_events_disabled_the_mouse_only_reports(self):
        self.ed.MouseEventsEnabled = False
        before = self.selection()
        self.drag(102, 402)
        self.double_click(LEFT + 300, TOP + 2)
        self.assertEqual(self.selection(), before)
        self.assertEqual(self.ed.Markers.Count, 0)
        self.assertEqual([e[0] for e in self.ed.log], ["MouseDown", "MouseMove", "MouseUp", "DblClick"])

    def test_a_custom_pointer_file_that_cannot_be_loaded_changes_nothing(self):
        self.ed.MousePointer = 99
        self.ed.MouseCustom = os.path.join(self.dir, "missing.cur")
        self.assertEqual((self.ed.MousePointer, self.ed.MouseCustom), (99, ""))
        self.move(LEFT + 300, INTERIOR_Y, keys=0)
        self.assertEqual(self.site.pointer(), "arrow")
        cursor = os.path.join(self.dir, "dot.cur")
        with open(cursor, "wb") as f:  # a 1 × 1 cursor file with its hot spot at (0, 0)
            dib = struct.pack("<IiiHHIIiiII", 40, 1, 2, 1, 32, 0, 0, 0, 0, 0, 0) + b"\x00\x00\xff\xff" + b"\0" * 4
            f.write(struct.pack("<HHH", 0, 2, 1) + struct.pack("<BBBBHHII", 1, 1, 0, 0, 0, 0, len(dib), 22) + dib)
        self.ed.MouseCustom = cursor
        self.assertEqual(self.ed.MouseCustom, cursor)
        self.move(LEFT + 301, INTERIOR_Y, keys=0)
        self.assertEqual(self.site.pointer(), "custom")


if __name__ == "__main__":
    unittest.main()
