"""The system clipboard without a display: the in-process clipboard serves CopyToClipboard,
PasteFromClipboard and ClearSystemClipboard, through the same exchange files as on a desktop."""

import os
import unittest

from clipboard_support import FILEACCESS, RISKY, PrivateTmpdir, editor, history_after_put, samples_of, select

_tmpdir = PrivateTmpdir("vesk-clipboard-test-")


def setUpModule():
    _tmpdir.start()


def tearDownModule():
    _tmpdir.stop()


SOUND = list(range(-500, 500, 7)) + RISKY * 4 + list(range(100))


class InProcessClipboardTest(unittest.TestCase):
    def setUp(self):
        self.source = editor(8000, 1, SOUND)
        self.extra = []

    def tearDown(self):
        for ed in [self.source] + self.extra:
            ed.Close()

    def editor(self, rate, channels, samples=()):
        ed = editor(rate, channels, samples)
        self.extra.append(ed)
        return ed

    def test_a_copy_pastes_into_another_document_byte_for_byte_or_converted(self):
        select(self.source, 140, 180)  # the risky bytes are in here
        self.source.CopyToClipboard()
        self.assertEqual(self.source.events, [("EndOperation",)])  # the Copy's
        self.assertEqual(self.source.Status, 0)

        same = self.editor(8000, 1)
        same.PasteFromClipboard()
        self.assertEqual(same.LastErrorNum, 0)
        self.assertEqual(samples_of(same), SOUND[140:180])
        same.Position.Selected = False
        same.PasteFromClipboard()  # the clipboard keeps what it holds
        self.assertEqual(same.Position.TotalSamples, 80)

        other = self.editor(16000, 2)
        other.PasteFromClipboard()
        self.assertEqual(other.LastErrorNum, 0)
        self.assertEqual(other.Position.TotalSamples, 80)  # 40 frames at twice the rate
        self.assertEqual((other.FileInfo.Frequency, other.FileInfo.Channels), (16000, 2))
        left, right = samples_of(other)[0::2], samples_of(other)[1::2]
        self.assertEqual(left, right)
        self.assertTrue(other.UndoEnabled)

    def test_with_nothing_offered_a_paste_leaves_the_document_untouched(self):
        self.source.CopyToClipboard()
        self.source.ClearSystemClipboard()
        self.source.events.clear()
        self.source.PasteFromClipboard()
        self.assertEqual(samples_of(self.source), SOUND)
        self.assertTrue(history_after_put(self.source))
        self.assertEqual(self.source.LastErrorNum, 0)
        self.assertEqual(self.source.events, [])

    def test_the_file_copy_wrote_is_offered_when_the_host_moved_it(self):
        select(self.source, 0, 10)
        self.source.Copy()  # the default clipboard file holds the first ten samples
        moved = self.editor(8000, 1, SOUND)
        moved.TempFileName = os.path.join(_tmpdir.dir, "moved.wav")
        select(moved, 20, 30)
        moved.CopyToClipboard()
        target = self.editor(8000, 1)
        target.PasteFromClipboard()
        self.assertEqual(samples_of(target), SOUND[20:30])

    def test_an_internal_clipboard_that_is_not_ours_is_reported_and_not_offered(self):
        select(self.source, 0, 10)
        self.source.CopyToClipboard()
        victim = os.path.join(_tmpdir.dir, "victim.wav")
        with open(victim, "wb") as f:
            f.write(b"not yours")
        planted = self.editor(8000, 1, SOUND)
        planted.TempFileName = os.path.join(_tmpdir.dir, "planted.wav")
        os.symlink(victim, planted.TempFileName)
        select(planted, 20, 30)
        planted.CopyToClipboard()
        self.assertIn(("Error", FILEACCESS), planted.events)
        target = self.editor(8000, 1)
        target.PasteFromClipboard()
        self.assertEqual(samples_of(target), SOUND[0:10])  # still the earlier offer
        with open(victim, "rb") as f:
            self.assertEqual(f.read(), b"not yours")

    def test_a_link_planted_at_the_exchange_file_name_is_refused(self):
        select(self.source, 0, 10)
        self.source.CopyToClipboard()
        victim = os.path.join(_tmpdir.dir, "victim.txt")
        with open(victim, "w") as f:
            f.write("not yours")
        exchange = os.path.join(_tmpdir.dir, "VeskClipBoardWindow.wav")
        os.symlink(victim, exchange)
        try:
            target = self.editor(8000, 1, [5, 6, 7])
            target.PasteFromClipboard()
            self.assertEqual(target.LastErrorNum, FILEACCESS)
            self.assertEqual(samples_of(target), [5, 6, 7])
            self.assertTrue(os.path.islink(exchange))
            with open(victim) as f:
                self.assertEqual(f.read(), "not yours")
        finally:
            os.unlink(exchange)


if __name__ == "__main__":
    unittest.main()
