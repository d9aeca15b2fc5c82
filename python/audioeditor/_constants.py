"""The enumeration constants of the type library as attributes (audioeditor.constants)."""


class Constants:
    """Every enumeration value of the library by name: ``constants.FQ_44_KHZ`` is 44100.

    ``constants.enumerations`` maps each enumeration name to its {constant: value} dict.
    """

    def __init__(self, enumerations):
        object.__setattr__(self, "enumerations", enumerations)
        values = {}
        for members in enumerations.values():
            values.update(members)
        object.__setattr__(self, "_values", values)

    def __getattr__(self, name):
        try:
            return self._values[name]
        except KeyError:
            raise AttributeError("no constant named %r" % name) from None

    def __setattr__(self, name, value):
        raise AttributeError("constants are read-only")

    def __dir__(self):
        return sorted(set(object.__dir__(self)) | set(self._values))

    def __repr__(self):
        return "<audioeditor.constants: %d values>" % len(self._values)
