"""DispatchWithEvents: a wrapper that is also an instance of the script's events class."""

from . import _audioeditor
from ._dynamic import CDispatch

_event_classes = {}  # events class -> combined class, so that repeated calls share one type


def _combined_class(user_class):
    combined = _event_classes.get(user_class)
    if combined is None:
        combined = type(user_class.__name__, (CDispatch, user_class),
                        {"__module__": user_class.__module__, "__doc__": user_class.__doc__})
        _event_classes[user_class] = combined
    return combined


def DispatchWithEvents(progid, user_event_class):
    """Create an object and connect `user_event_class` to its events.

    Returns one object that is both the CDispatch wrapper of the new object and an instance of
    `user_event_class`. For each event the object fires, ``On<EventName>(self, *args)`` of the
    instance runs when it is defined (for example ``OnEndOperation(self)``,
    ``OnBlockOperation(self, Percent)``, ``OnError(self, Code)``). ``user_event_class.__init__``
    is called without arguments after the connection is made.

    The connection holds the instance only weakly: when the script drops its last reference
    the object is freed and its events stop. An exception raised in a handler is printed with
    its traceback and does not reach the object that fired the event.
    """
    oleobj = _audioeditor.Create(progid)
    combined = _combined_class(user_event_class)
    instance = object.__new__(combined)
    CDispatch.__init__(instance, oleobj)
    object.__setattr__(instance, "_events_", _audioeditor.EventConnection(oleobj, instance))
    if user_event_class.__init__ is not object.__init__:
        user_event_class.__init__(instance)
    return instance
