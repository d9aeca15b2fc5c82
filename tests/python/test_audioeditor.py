"""End-to-end tests of the audioeditor module against the real control."""

import contextlib
import gc
import glob
import io
import os
import shutil
import tempfile
import unittest
import weakref

import audioeditor

PROGID = "VeskAudioEditor.AudioEditor"
DISP_E_MEMBERNOTFOUND = -2147352573  # 0x80020003 as a signed 32-bit HRESULT
DISP_E_TYPEMISMATCH = -2147352571    # 0x80020005
DISP_E_UNKNOWNNAME = -2147352570     # 0x80020006
DISP_E_BADPARAMCOUNT = -2147352562   # 0x8002000E
REGDB_E_CLASSNOTREG = -2147221164    # 0x80040154


# Controls put their working files in $TMPDIR, read when each control is created. The suite
# gives them a private directory so that the "nothing left behind" check sees only its own files
# (other test programs may be writing to the system's temporary directory at the same time).
_scratch = {}


def working_files():
    return sorted(glob.glob(os.path.join(_scratch["dir"], "vsk*.tmp")))


def setUpModule():
    _scratch["saved"] = os.environ.get("TMPDIR")
    _scratch["dir"] = tempfile.mkdtemp(prefix="vesk-python-test-")
    os.environ["TMPDIR"] = _scratch["dir"]


def tearDownModule():
    gc.collect()
    left = working_files()
    if _scratch["saved"] is None:
        del os.environ["TMPDIR"]
    else:
        os.environ["TMPDIR"] = _scratch["saved"]
    shutil.rmtree(_scratch["dir"], ignore_errors=True)
    if left:
        raise AssertionError("working files left behind: %s" % left)


class Counter:
    """An events class that records what it receives."""

    def __init__(self):
        self.ends = 0
        self.errors = []

    def OnEndOperation(self):
        self.ends += 1

    def OnError(self, Code):
        self.errors.append(Code)


class DocumentTest(unittest.TestCase):
    def setUp(self):
        self.ed = audioeditor.DispatchWithEvents(PROGID, Counter)

    def tearDown(self):
        self.ed.Close()

    def test_new_fires_one_end_operation(self):
        self.ed.New(44100, 2)
        self.assertEqual(self.ed.ends, 1)
        self.assertEqual(self.ed.errors, [])

    def test_format_string_of_new_document(self):
        self.ed.New(audioeditor.constants.FQ_44_KHZ, audioeditor.constants.STEREO)
        self.assertEqual(self.ed.FileInfo.FormatString, "PCM 44100 Hz; 16 bit; stereo")

    def test_working_file_lives_while_the_document_is_open(self):
        self.ed.New(44100, 2)
        path = self.ed.TempDirectory
        self.assertEqual(os.path.dirname(path), _scratch["dir"])
        self.assertEqual(os.path.getsize(path), 58)
        self.ed.Close()
        self.assertFalse(os.path.exists(path))

    def test_fresh_control_defaults(self):
        self.assertEqual(self.ed.FileBufferSize, 10001)
        self.assertEqual(self.ed.UndoRedoCount, 999)
        self.assertEqual(self.ed.Status, 0)
        self.assertEqual(self.ed.LastErrorNum, 0)

    def test_get_current_array_without_document_is_none(self):
        self.assertIsNone(self.ed.GetCurrentArray(100))
        self.assertEqual(self.ed.LastErrorNum, 0)

    def test_versioned_progid_creates_the_control(self):
        other = audioeditor.Dispatch(PROGID + ".1")
        self.assertEqual(other.Status, 0)


class LateBindingTest(unittest.TestCase):
    def setUp(self):
        self.ed = audioeditor.Dispatch(PROGID)

    def test_names_ignore_case(self):
        self.ed.filebuffersize = 500
        self.assertEqual(self.ed.FILEBUFFERSIZE, 500)
        self.assertEqual(self.ed.FileBufferSize, 500)

    def test_keyword_and_omitted_optional_arguments(self):
        self.ed.New(Frequency=22050, nChannels=1)
        self.assertIn("22050 Hz", self.ed.FileInfo.FormatString)
        self.ed.ZoomVertical()               # Procent left out
        self.ed.ZoomVertical(procent=150)    # parameter names ignore case too
        with self.assertRaises(TypeError):
            self.ed.ZoomVertical(NoSuchParameter=1)
        self.ed.Close()

    def test_unknown_names_raise_attribute_error(self):
        with self.assertRaises(AttributeError):
            self.ed.NoSuchMember
        with self.assertRaises(AttributeError):
            self.ed._private

    def test_non_members_are_python_attributes(self):
        self.ed.note = "mine"
        self.assertEqual(self.ed.note, "mine")
        self.assertIn("note", vars(self.ed))

    def test_sub_objects_are_wrapped(self):
        position = self.ed.Position
        self.assertIsInstance(position, audioeditor.CDispatch)
        self.assertEqual(position.StartSelect, 0)
        self.assertEqual(position, self.ed.Position)  # the control hands out one instance
        self.assertIn("StartSelect", dir(position))

    def test_methods_are_callables_with_signature(self):
        new = self.ed.New
        self.assertTrue(callable(new))
        self.assertIn("nChannels", new.__doc__)

    def test_pump_waiting_messages(self):
        self.assertEqual(audioeditor.PumpWaitingMessages(), 0)


class ErrorTest(unittest.TestCase):
    def setUp(self):
        self.ed = audioeditor.Dispatch(PROGID)

    def assertComError(self, hresult, call, *args):
        with self.assertRaises(audioeditor.com_error) as caught:
            call(*args)
        self.assertEqual(caught.exception.hresult, hresult)
        self.assertEqual(caught.exception.args[0], hresult)
        return caught.exception

    def test_wrong_argument_count(self):
        error = self.assertComError(DISP_E_BADPARAMCOUNT, self.ed.New, 44100)
        self.assertEqual(error.args[1:], ("Invalid number of parameters.", None, None))

    def test_type_mismatch_names_the_argument(self):
        error = self.assertComError(DISP_E_TYPEMISMATCH, self.ed.New, "fast", 2)
        self.assertIsInstance(error.args[3], int)

    def test_put_of_read_only_property(self):
        self.assertComError(DISP_E_MEMBERNOTFOUND, setattr, self.ed, "Status", 1)

    def test_unregistered_progid(self):
        self.assertComError(REGDB_E_CLASSNOTREG, audioeditor.Dispatch, "No.Such.Class")

    def test_unknown_name_at_dispid_level(self):
        self.assertComError(DISP_E_UNKNOWNNAME, self.ed._oleobj_.GetIDsOfNames, "NoSuchMember")


class OleObjTest(unittest.TestCase):
    def setUp(self):
        self.ole = audioeditor.Dispatch(PROGID)._oleobj_

    def test_ids_of_names(self):
        self.assertEqual(self.ole.GetIDsOfNames("filebuffersize"), 501)
        self.assertEqual(self.ole.GetIDsOfNames("New", "nChannels", "Frequency"), (2, 1, 0))

    def test_invoke_by_dispid(self):
        self.ole.Invoke(501, 0, audioeditor.DISPATCH_PROPERTYPUT, False, 2000)
        self.assertEqual(self.ole.Invoke(501, 0, audioeditor.DISPATCH_PROPERTYGET, True), 2000)
        self.assertIsNone(self.ole.Invoke(15, 0, audioeditor.DISPATCH_METHOD, True, 10))
        position = self.ole.Invoke(208, 0, audioeditor.DISPATCH_PROPERTYGET, True)
        self.assertIsInstance(position, audioeditor.PyIDispatch)


class ConstantsTest(unittest.TestCase):
    def test_values(self):
        c = audioeditor.constants
        self.assertEqual((c.FQ_44_KHZ, c.STEREO, c.MONO, c.BUSY, c.INVALIDPARAM), (44100, 2, 1, -10, -20))
        self.assertEqual((c.MP2, c.G729, c.WMA), (12, 12, 11))
        self.assertEqual((c.VBR_NONE, c.vbCustom, c.TRIM_BOTH), (-1, 99, 2))

    def test_every_enumeration_constant_is_reachable(self):
        c = audioeditor.constants
        for members in c.enumerations.values():
            for name, value in members.items():
                self.assertEqual(getattr(c, name), value, name)
        with self.assertRaises(AttributeError):
            c.NO_SUCH_CONSTANT


class ArrayTest(unittest.TestCase):
    def setUp(self):
        self.ed = audioeditor.Dispatch(PROGID)

    def test_vtable_only_members(self):
        self.ed.PutSampleArray([0, 1, -1, 32767, -32768])
        self.ed.PutSampleArray(range(4))
        self.assertIsNone(self.ed.GetSelectionArray())
        self.ed.ClearSystemClipboard()
        self.assertIn("PutSampleArray", dir(self.ed))
        with self.assertRaises(AttributeError):
            self.ed.Position.PutSampleArray  # only the control has them

    def test_sample_out_of_range(self):
        for bad in (32768, -32769):
            with self.assertRaises(OverflowError):
                self.ed.PutSampleArray([0, bad])
        with self.assertRaises(TypeError):
            self.ed.PutSampleArray([0.5])

    def test_float_arrays_go_in(self):
        self.ed.Envelope([0.0, -3.5, 1])
        self.ed.Equalizer(dbGainArray=(1.0, 2.0), FreqArray=[100, 1000])
        with self.assertRaises(TypeError):
            self.ed.Envelope(["loud"])


class ConversionTest(unittest.TestCase):
    def setUp(self):
        self.ed = audioeditor.Dispatch(PROGID)

    def test_scalar_round_trips(self):
        self.ed.SmoothEnabled = True
        self.assertIs(self.ed.SmoothEnabled, True)
        self.ed.SmoothEnabled = 0  # coerced by the control to VARIANT_BOOL
        self.assertIs(self.ed.SmoothEnabled, False)
        self.ed.FileInfo.Title = "h\u00e9llo \u2713"  # UTF-8 <-> UTF-16 both ways
        self.assertEqual(self.ed.FileInfo.Title, "h\u00e9llo \u2713")
        self.ed.TypeBorder = 3.0  # float into a short property
        self.assertEqual(self.ed.TypeBorder, 3)
        # VARIANT_BOOL results come back as bools: 44.1 kHz stereo at 128 kbps can be written,
        # 1 Hz cannot.
        self.assertIs(self.ed.IsAvailableFormatOggVorbis(), True)
        self.assertIs(self.ed.IsAvailableFormatOggVorbis(1, 2, 128), False)

    def test_colours_keep_all_24_bits(self):
        self.ed.Colors.Background = 0xFFEEDD
        self.assertEqual(self.ed.Colors.Background, 0xFFEEDD)

    def test_indexed_properties(self):
        lines = self.ed.DeviceInput.DeviceLines
        self.assertTrue(callable(lines.AdvancedName))
        self.assertIsInstance(lines.AdvancedName(0), str)
        lines.SetAdvancedValue(0, 5)
        with self.assertRaises(TypeError):
            lines.AdvancedValue = 5

    def test_object_valued_put(self):
        self.ed.ScaleX = self.ed.ScaleY
        self.assertEqual(self.ed.ScaleX, self.ed.ScaleY)
        # An object of another interface is refused, not handed to the member as a scale.
        with self.assertRaises(audioeditor.com_error) as raised:
            self.ed.ScaleX = self.ed.Position
        self.assertEqual(raised.exception.hresult, -2147352571)  # DISP_E_TYPEMISMATCH
        self.assertEqual(self.ed.ScaleX, self.ed.ScaleY)


class EventsTest(unittest.TestCase):
    def test_instance_is_both_wrapper_and_events_object(self):
        ed = audioeditor.DispatchWithEvents(PROGID, Counter)
        self.assertIsInstance(ed, Counter)
        self.assertIsInstance(ed, audioeditor.CDispatch)
        self.assertEqual(ed.ends, 0)  # Counter.__init__ ran

    def test_handler_exception_is_printed_not_raised(self):
        class Failing:
            def OnEndOperation(self):
                raise RuntimeError("handler broke")

        ed = audioeditor.DispatchWithEvents(PROGID, Failing)
        stderr = io.StringIO()
        with contextlib.redirect_stderr(stderr):
            ed.New(8000, 1)
        self.assertIn("handler broke", stderr.getvalue())
        self.assertIn("Traceback", stderr.getvalue())
        self.assertEqual(ed.Status, 0)
        ed.Close()

    def test_dropped_object_is_freed(self):
        ed = audioeditor.DispatchWithEvents(PROGID, Counter)
        ed.New(8000, 1)
        path = ed.TempDirectory
        alive = weakref.ref(ed)
        del ed  # no gc.collect(): the sink must not form a cycle with the object
        self.assertIsNone(alive())
        self.assertFalse(os.path.exists(path))  # the control went with it


if __name__ == "__main__":
    unittest.main()
