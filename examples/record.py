"""Records from the default input device into a file.

    PYTHONPATH=build/python python3 examples/record.py OUT SECONDS [DEVICE]

Records SECONDS seconds of 44.1 kHz stereo (Ctrl-C ends early), shows a level meter, and saves
OUT in the format its extension names (.wav 16-bit PCM, .flac, .mp3 128 kbps, .ogg). DEVICE is the
number of an input device; without it the default device records.
"""

import os
import sys
import time

import audioeditor
from audioeditor import constants as c

BAR = 30


def meter(level):
    filled = max(0, min(BAR, level * BAR // 90))
    return "#" * filled + "." * (BAR - filled)


class Events:
    def __init__(self):
        self.levels = (0, 0)
        self.error = 0

    def OnMeter(self, left, right):
        self.levels = (left, right)

    def OnError(self, code):
        self.error = code


def choose_format(editor, path):
    extension = os.path.splitext(path)[1].lower()
    if extension == ".mp3":
        editor.SetFormatMP3(44100, 128, 2)
    elif extension in (".ogg", ".oga"):
        editor.SetFormatOggVorbis(44100, 2, 128, 0, 0, -1)
    else:
        editor.SetFormatPCM(44100, 2, 16)


def main(argv):
    if len(argv) < 3:
        print(__doc__)
        return 2
    out, seconds = argv[1], float(argv[2])
    editor = audioeditor.DispatchWithEvents("VeskAudioEditor.AudioEditor", Events)
    if len(argv) > 3:
        editor.DeviceInput.Num = int(argv[3])
    editor.New(c.FQ_44_KHZ, c.STEREO)
    editor.Record(c.RECORD_CLEAR)
    if editor.error or editor.Status != 2:
        print(f"cannot record: error {editor.LastErrorNum}", file=sys.stderr)
        return 1
    print(f"recording {seconds:g} s from {editor.DeviceInput.Name or 'the default device'}")
    started = time.monotonic()
    try:
        while time.monotonic() - started < seconds:
            audioeditor.PumpWaitingMessages()
            left, right = editor.levels
            print(f"\r{time.monotonic() - started:6.1f} s  L {meter(left)}  R {meter(right)}", end="", flush=True)
            time.sleep(0.02)
    except KeyboardInterrupt:
        pass
    editor.Stop()
    audioeditor.PumpWaitingMessages()
    print(f"\n{editor.Position.TotalSamples / 44100:.1f} s recorded")
    choose_format(editor, out)
    editor.Save(out)
    if editor.LastErrorNum:
        print(f"cannot save {out}: error {editor.LastErrorNum}", file=sys.stderr)
        return 1
    print(f"saved {out} ({editor.FileInfo.FormatString})")
    editor.Close()
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
