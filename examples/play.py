"""Plays a sound file through the default output device.

    PYTHONPATH=build/python python3 examples/play.py FILE [DEVICE]

Shows a progress line with the time and a level meter per channel; Ctrl-C stops. DEVICE is the
number of an output device (see --devices); without it the default device plays.
"""

import sys
import time

import audioeditor
from audioeditor import constants as c

BAR = 30


def meter(level):
    """A bar of the level the control reports: 0 (silence) to 90 (full scale)."""
    filled = max(0, min(BAR, level * BAR // 90))
    return "#" * filled + "." * (BAR - filled)


class Events:
    def __init__(self):
        self.levels = (0, 0)
        self.ended = False
        self.error = 0

    def OnMeter(self, left, right):
        self.levels = (left, right)

    def OnEndPlay(self):
        self.ended = True

    def OnError(self, code):
        self.error = code


def list_devices(editor):
    output = editor.DeviceOutput
    for n in range(output.Count):
        output.Num = n
        print(f"{n}: {output.Name}")


def main(argv):
    if len(argv) < 2:
        print(__doc__)
        return 2
    editor = audioeditor.DispatchWithEvents("VeskAudioEditor.AudioEditor", Events)
    if argv[1] == "--devices":
        list_devices(editor)
        return 0
    if len(argv) > 2:
        editor.DeviceOutput.Num = int(argv[2])
    editor.Open(argv[1])
    if editor.LastErrorNum:
        print(f"cannot open {argv[1]}: error {editor.LastErrorNum}", file=sys.stderr)
        return 1
    rate = editor.FileInfo.Frequency
    total = editor.Position.TotalSamples
    print(f"{argv[1]}: {editor.FileInfo.FormatString}, {total / rate:.1f} s on {editor.DeviceOutput.Name or 'the default device'}")
    editor.Play(c.PLAYTOEND)
    if editor.error:
        print(f"cannot play: error {editor.error}", file=sys.stderr)
        return 1
    try:
        while not editor.ended:
            audioeditor.PumpWaitingMessages()
            seconds = editor.Position.CurrentPosition / rate
            left, right = editor.levels
            print(f"\r{seconds:6.1f} / {total / rate:.1f} s  L {meter(left)}  R {meter(right)}", end="", flush=True)
            time.sleep(0.02)
    except KeyboardInterrupt:
        editor.Stop()
    print()
    editor.Close()
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
