"""An event sink for the Python tests: keeps the Error and EndOperation events in order."""


class Recorder:
    def __init__(self):
        self.events = []

    def OnError(self, code):
        self.events.append(("Error", code))

    def OnEndOperation(self):
        self.events.append(("EndOperation",))
