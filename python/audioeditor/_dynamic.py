"""Late-bound wrapper over an automation object (CDispatch).

Member names are resolved with GetIDsOfNames (without regard to case) and called with Invoke;
the object's type information says whether a name is a property (read now) or a method
(returned as a callable). Names that are not members stay ordinary Python attributes, so an
events class can keep its own state on the same object.
"""

import inspect

from . import _audioeditor
from ._audioeditor import (DISPATCH_METHOD, DISPATCH_PROPERTYGET, DISPATCH_PROPERTYPUT,
                           DISPATCH_PROPERTYPUTREF, PyIDispatch, com_error)

DISP_E_MEMBERNOTFOUND = -2147352573
DISP_E_UNKNOWNNAME = -2147352570
DISP_E_BADPARAMCOUNT = -2147352562

# Members without a dispatch identifier, served by the control's vtable (lower-case key).
_VTABLE_ONLY = {name.lower(): name for name in
                ("PutSampleArray", "GetSelectionArray", "ClearSystemClipboard")}


class _Member:
    """A resolved name: its dispatch identifier and, when known, its description."""

    __slots__ = ("dispid", "desc")

    def __init__(self, dispid, desc):
        self.dispid = dispid
        self.desc = desc

    def can(self, kind):
        return self.desc is not None and bool(self.desc.invkind & kind)


class _InterfaceCache:
    """Per interface: type information by dispid and names already resolved. Shared by every
    wrapper of the same interface so that sub-objects cost one lookup per name, not per object."""

    _by_interface = {}

    def __init__(self, typeinfo):
        self.by_dispid = {m.dispid: m for m in typeinfo.members} if typeinfo else {}
        self.names = {}  # lower-case name -> _Member, or None for "not a member"
        self.member_names = [m.name for m in typeinfo.members] if typeinfo else []

    @classmethod
    def of(cls, oleobj):
        typeinfo = oleobj.GetTypeInfo()
        if typeinfo is None:
            return cls(None)  # nothing to share: each object answers for itself
        cache = cls._by_interface.get(typeinfo.iid)
        if cache is None:
            cache = cls._by_interface[typeinfo.iid] = cls(typeinfo)
        return cache


def _wrap(value):
    """Dispatch results come back as wrappers; everything else as it is."""
    if isinstance(value, PyIDispatch):
        return CDispatch(value)
    return value


def _signature(desc):
    params = []
    for p in desc.params:
        default = p.default if p.optional else inspect.Parameter.empty
        params.append(inspect.Parameter(p.name, inspect.Parameter.POSITIONAL_OR_KEYWORD, default=default))
    return inspect.Signature(params)


def _describe(desc):
    params = ", ".join(repr(p) for p in desc.params)
    result = desc.valueTypeName or "None"
    return "%s(%s) -> %s" % (desc.name, params, result)


def _make_callable(oleobj, name, dispid, flags, desc):
    """A function that invokes member `dispid`; keyword arguments become named arguments."""

    def call(*args, **kwargs):
        if not kwargs:
            return _wrap(oleobj.Invoke(dispid, 0, flags, True, *args))
        try:
            ids = oleobj.GetIDsOfNames(name, *kwargs)
        except com_error as error:
            if error.hresult != DISP_E_UNKNOWNNAME:
                raise
            raise TypeError("%s() got an unexpected keyword argument among %s"
                            % (name, ", ".join(kwargs))) from None
        named = dict(zip(ids[1:], kwargs.values()))
        return _wrap(oleobj.InvokeNamed(dispid, flags, args, named))

    call.__name__ = call.__qualname__ = name
    if desc is not None:
        call.__doc__ = _describe(desc)
        call.__signature__ = _signature(desc)
    return call


class CDispatch:
    """An automation object reached by member name.

    ``obj.Prop`` reads a property, ``obj.Prop = value`` writes it, ``obj.Method(*args, **kw)``
    calls a method (optional parameters may be left out or given by keyword). Names compare
    without regard to case. Sub-objects come back as CDispatch. ``obj._oleobj_`` is the
    underlying PyIDispatch (GetIDsOfNames / Invoke). Failed calls raise com_error; names that
    are not members raise AttributeError.
    """

    def __init__(self, oleobj):
        if not isinstance(oleobj, PyIDispatch):
            raise TypeError("CDispatch wraps a PyIDispatch, not %s" % type(oleobj).__name__)
        object.__setattr__(self, "_oleobj_", oleobj)
        object.__setattr__(self, "_cache_", _InterfaceCache.of(oleobj))
        object.__setattr__(self, "_vtable_", _audioeditor.EditorVtable.query(oleobj))

    # -- name resolution ------------------------------------------------------------------

    def _resolve_(self, name):
        """The member called `name` (any case), or None when the object has no such name."""
        key = name.lower()
        names = self._cache_.names
        if key in names:
            return names[key]
        try:
            dispid = self._oleobj_.GetIDsOfNames(name)
        except com_error as error:
            if error.hresult != DISP_E_UNKNOWNNAME:
                raise
            member = None
        else:
            member = _Member(dispid, self._cache_.by_dispid.get(dispid))
        names[key] = member
        return member

    def _vtable_member_(self, name):
        canonical = _VTABLE_ONLY.get(name.lower())
        if canonical is None or self._vtable_ is None:
            return None
        return getattr(self._vtable_, canonical)

    def _setter_(self, name):
        """Set<Name>(*index, value) for properties whose put takes arguments."""
        if len(name) <= 3 or name[:3].lower() != "set":
            return None
        member = self._resolve_(name[3:])
        if member is None or not member.can(DISPATCH_PROPERTYPUT) or not member.desc.params:
            return None
        return _make_callable(self._oleobj_, member.desc.name, member.dispid, DISPATCH_PROPERTYPUT, None)

    # -- attribute protocol ---------------------------------------------------------------

    def __getattr__(self, name):
        # Only reached when ordinary lookup fails. Private names never go to the object (copy,
        # pickle and friends probe for them).
        if name.startswith("_"):
            raise AttributeError(name)
        member = self._resolve_(name)
        if member is None:
            found = self._vtable_member_(name) or self._setter_(name)
            if found is None:
                raise AttributeError("%r object has no attribute %r" % (self._name_(), name))
            return found
        return self._read_(name, member)

    def _read_(self, name, member):
        desc = member.desc
        if desc is None:
            return self._read_untyped_(name, member.dispid)
        if desc.isMethod:
            return _make_callable(self._oleobj_, desc.name, member.dispid, DISPATCH_METHOD, desc)
        if not desc.invkind & DISPATCH_PROPERTYGET:
            raise AttributeError("%s.%s can only be written" % (self._name_(), desc.name))
        if desc.params:  # an indexed property: obj.Prop(index)
            return _make_callable(self._oleobj_, desc.name, member.dispid, DISPATCH_PROPERTYGET, desc)
        return _wrap(self._oleobj_.Invoke(member.dispid, 0, DISPATCH_PROPERTYGET, True))

    def _read_untyped_(self, name, dispid):
        # Without type information a name is a property if reading it without arguments works.
        try:
            return _wrap(self._oleobj_.Invoke(dispid, 0, DISPATCH_PROPERTYGET, True))
        except com_error as error:
            if error.hresult not in (DISP_E_MEMBERNOTFOUND, DISP_E_BADPARAMCOUNT):
                raise
        return _make_callable(self._oleobj_, name, dispid, DISPATCH_METHOD | DISPATCH_PROPERTYGET, None)

    def __setattr__(self, name, value):
        if name.startswith("_") or name in self.__dict__ or hasattr(type(self), name):
            object.__setattr__(self, name, value)
            return
        member = self._resolve_(name)
        if member is None:
            object.__setattr__(self, name, value)  # not a member: the script's own attribute
            return
        if member.desc is not None and member.desc.params:
            raise TypeError("%s takes arguments: use Set%s(*args, value)" % (member.desc.name, member.desc.name))
        flags = DISPATCH_PROPERTYPUT
        if isinstance(value, (CDispatch, PyIDispatch)) and member.can(DISPATCH_PROPERTYPUTREF):
            flags = DISPATCH_PROPERTYPUTREF
        self._oleobj_.Invoke(member.dispid, 0, flags, False, value)

    # -- the rest of the object protocol ---------------------------------------------------

    def _name_(self):
        typeinfo = self._oleobj_.GetTypeInfo()
        return typeinfo.name if typeinfo is not None else "CDispatch"

    def __dir__(self):
        names = set(object.__dir__(self)) | set(self._cache_.member_names)
        if self._vtable_ is not None:
            names |= set(_VTABLE_ONLY.values())
        return sorted(names)

    def __repr__(self):
        return "<audioeditor.CDispatch %s>" % self._name_()

    def __eq__(self, other):
        if isinstance(other, CDispatch):
            return self._oleobj_ == other._oleobj_
        return NotImplemented

    def __hash__(self):
        return hash(self._oleobj_)
