"""audioeditor: script the Vesk audio editor control from Python.

The control is an automation object; this module reaches it late-bound, by member name,
the way the usual automation bindings for Python do::

    import audioeditor

    class Events:
        def OnEndOperation(self):
            print("done")

    ed = audioeditor.DispatchWithEvents("VeskAudioEditor.AudioEditor", Events)
    ed.New(44100, 2)                      # methods by name, any case
    print(ed.FileInfo.FormatString)       # properties and sub-objects
    ed.FileBufferSize = 50                # property puts
    ed.ZoomVertical(Procent=150)          # optional parameters by keyword
    audioeditor.PumpWaitingMessages()     # deliver pending component notifications

Contents:

- Dispatch(progid): create an object; returns a CDispatch.
- DispatchWithEvents(progid, EventsClass): the same, also an instance of EventsClass whose
  On<EventName>(self, *args) methods receive the object's events.
- PumpWaitingMessages(): run the notifications waiting in this thread's queue.
- constants: every enumeration value of the library (constants.FQ_44_KHZ, constants.STEREO, ...).
- com_error: raised by failed calls; .hresult is the HRESULT (a signed 32-bit int) and args are
  (hresult, text, excepinfo, argerr).
- DISPATCH_METHOD, DISPATCH_PROPERTYGET, DISPATCH_PROPERTYPUT, DISPATCH_PROPERTYPUTREF: flags
  for obj._oleobj_.Invoke(dispid, 0, flags, True, *args).
- Container(control, width, height): a headless window holding the control: paint(), pixel(x, y),
  save(path), and the mouse: send_message(msg, wparam=0, lparam=0), pointer(), captured(); with
  the message numbers WM_MOUSEMOVE … WM_MOUSEWHEEL, the key states MK_LBUTTON … MK_MBUTTON and
  MAKELPARAM(x, y). Paint once before sending mouse messages: layout happens in the paint.

Values: integers, floats, bools, str and None cross as themselves; a 16-bit sample array comes
back as a tuple of ints, a float array as a tuple of floats; any sequence is accepted where an
array goes in. The control's vtable-only members PutSampleArray(samples),
GetSelectionArray() and ClearSystemClipboard() are methods of the control object.
"""

from . import _audioeditor
from ._audioeditor import (DISPATCH_METHOD, DISPATCH_PROPERTYGET, DISPATCH_PROPERTYPUT,
                           DISPATCH_PROPERTYPUTREF, MAKELPARAM, MK_CONTROL, MK_LBUTTON, MK_MBUTTON, MK_RBUTTON,
                           MK_SHIFT, WHEEL_DELTA, WM_LBUTTONDBLCLK, WM_LBUTTONDOWN, WM_LBUTTONUP,
                           WM_MBUTTONDBLCLK, WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MOUSEMOVE, WM_MOUSEWHEEL,
                           WM_RBUTTONDBLCLK, WM_RBUTTONDOWN, WM_RBUTTONUP, PyIDispatch, com_error)
from ._constants import Constants
from ._dynamic import CDispatch
from ._events import DispatchWithEvents

__all__ = [
    "CDispatch", "Container", "Dispatch", "DispatchWithEvents", "PumpWaitingMessages", "constants", "com_error",
    "DISPATCH_METHOD", "DISPATCH_PROPERTYGET", "DISPATCH_PROPERTYPUT", "DISPATCH_PROPERTYPUTREF",
    "MAKELPARAM", "MK_CONTROL", "MK_LBUTTON", "MK_MBUTTON", "MK_RBUTTON", "MK_SHIFT", "WHEEL_DELTA",
    "WM_LBUTTONDBLCLK", "WM_LBUTTONDOWN", "WM_LBUTTONUP", "WM_MBUTTONDBLCLK", "WM_MBUTTONDOWN", "WM_MBUTTONUP",
    "WM_MOUSEMOVE", "WM_MOUSEWHEEL", "WM_RBUTTONDBLCLK", "WM_RBUTTONDOWN", "WM_RBUTTONUP",
]

constants = Constants(_audioeditor.Enumerations())


def Dispatch(progid):
    """Create the object registered as `progid` (for example "VeskAudioEditor.AudioEditor" or
    "VeskAudioEditor.AudioEditor.1") and return its CDispatch wrapper.

    Raises com_error with the HRESULT when the name is not registered or creation fails.
    """
    return CDispatch(_audioeditor.Create(progid))


def Container(control, width, height):
    """Activate `control` in a headless window of width x height pixels and return the site.

    site.paint() paints the control with the window's bounds; site.resize(w, h) changes the
    size (the next paint lays the control out again); site.pixel(x, y) is the 0x00RRGGBB colour
    of the last painted frame; site.save(path) writes it as a bitmap file, or PNG when the name
    ends in ".png". The control stays active while the site object lives.
    """
    oleobj = getattr(control, "_oleobj_", control)
    return _audioeditor.Container(oleobj, width, height)


def PumpWaitingMessages():
    """Deliver the component notifications waiting for this thread (their events run now,
    inside this call). Returns the number of notifications run."""
    return _audioeditor.PumpWaitingMessages()
