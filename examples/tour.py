"""A tour of the audio editor control from Python.

Creates a control whose events are printed, makes documents, reads and sets their
properties, places markers and walks the undo history. Run it with `make run`.
"""

import math
import os

import audioeditor
from audioeditor import constants as c


class PrintingEvents:
    """Prints every event the control fires while the tour runs."""

    def OnEndOperation(self):
        print("  event: EndOperation")

    def OnChangePosition(self):
        print("  event: ChangePosition")

    def OnBlockOperation(self, percent):
        print(f"  event: BlockOperation {percent}%")

    def OnError(self, code):
        print(f"  event: Error {code}")


def section(title):
    print()
    print(title)
    print("-" * len(title))


def show_defaults(ed):
    section("A fresh control")
    print(f"FileBufferSize  {ed.FileBufferSize} ms")
    print(f"UndoRedoCount   {ed.UndoRedoCount}")
    print(f"Status          {ed.Status}")
    print(f"LastErrorNum    {ed.LastErrorNum}")
    print(f"TempDirectory   {ed.TempDirectory}")
    print(f"TempFileName    {ed.TempFileName}")
    print(f"SmoothEnabled   {ed.SmoothEnabled}, SmoothTime {ed.SmoothTime}")


def make_document(ed, frequency, channels):
    section(f"New({frequency}, {channels})")
    ed.New(frequency, channels)
    path = ed.TempDirectory
    print(f"FormatString    {ed.FileInfo.FormatString}")
    print(f"working file    {path} ({os.path.getsize(path)} bytes)")
    print(f"TotalSamples    {ed.Position.TotalSamples}")
    print(f"Channels.Count  {ed.Channels.Count}")
    return path


def show_markers(ed):
    section("Markers")
    markers = ed.Markers
    markers.Insert(300, 0, "third")
    markers.Insert(100, 50, "first", Note="a range marker")
    markers.Insert(200, 0, "second")
    print(f"Count {markers.Count}, current {markers.Num}")
    for number in range(1, markers.Count + 1):
        markers.Num = number
        print(f"  {number}: {markers.Label!r} at frame {markers.Position}, {markers.Length} frames")


def show_settings(ed):
    section("Settings")
    ed.FileBufferSize = 50
    print(f"FileBufferSize = 50      -> {ed.FileBufferSize} (clamped)")
    ed.UndoRedoCount = 20000
    print(f"UndoRedoCount = 20000    -> {ed.UndoRedoCount} (clamped)")
    ed.ScaleY.Orientation = 5
    print(f"ScaleY.Orientation = 5   -> {ed.ScaleY.Orientation} (clamped)")
    print(f"ScaleX font             {ed.ScaleX.Font.Name} {ed.ScaleX.Font.Size} pt")
    print(f"Colors.DigitalWaveform   0x{ed.Colors.DigitalWaveform:06X}")
    print(f"DeviceOutput.BufferSize  {ed.DeviceOutput.BufferSize} ms in {ed.DeviceOutput.BufferCount} blocks")
    ed.Recorder.AccuAttackLevel = -40
    print(f"Recorder.AccuAttackLevel {ed.Recorder.AccuAttackLevel} dB")
    print(f"GenreToString(17)        {ed.FileInfo.GenreToString(17)}")
    print(f"constants.FQ_44_KHZ      {c.FQ_44_KHZ}, constants.MP2 {c.MP2}, constants.G729 {c.G729}")


def tone(frames, rate):
    """Two seconds of a 440 Hz tone whose loudness swells and fades (left) over a quieter
    220 Hz tone (right), as interleaved 16-bit samples."""
    samples = []
    for i in range(frames):
        t = i / rate
        swell = math.sin(math.pi * t / 2.0) ** 2
        samples.append(int(24000 * swell * math.sin(2 * math.pi * 440 * t)))
        samples.append(int(8000 * math.sin(2 * math.pi * 220 * t)))
    return samples


def draw_picture(ed, path):
    section("A picture")
    rate = ed.FileInfo.Frequency
    ed.PutSampleArray(tone(2 * rate, rate))  # inserted at the cursor of the empty document
    print(f"TotalSamples    {ed.Position.TotalSamples}")
    ed.Position.Selected = True
    ed.Position.StartSelect = rate // 2
    ed.Position.EndSelect = rate
    ed.Markers.Insert(rate * 3 // 2, rate // 4, "range")
    ed.Markers.Insert(rate // 4, 0, "cue")
    site = audioeditor.Container(ed, 1000, 300)
    site.paint()
    site.save(path)
    print(f"wrote {path} ({os.path.getsize(path)} bytes); pixel at the selection: 0x{site.pixel(450, 60):06X}")
    ed.SaveWaveImage(os.path.splitext(path)[0] + ".bmp")
    return site


def files_round_trip(ed, folder):
    section("Saving and opening files")
    os.makedirs(folder, exist_ok=True)
    ed.FileInfo.Title = "Tour tone"
    ed.FileInfo.Artist = "The tour"
    formats = [
        ("tone.wav", lambda: ed.SetFormatPCM(44100, 2, 16)),
        ("tone.flac", lambda: ed.SetFormatPCM(44100, 2, 16)),
        ("tone.mp3", lambda: ed.SetFormatMP3(44100, 128, 2)),
        ("tone.ogg", lambda: ed.SetFormatOggVorbis(44100, 2, 128)),
        ("tone-8k.wav", lambda: ed.SetFormatULAW(8000, 1)),
    ]
    paths = []
    for name, choose in formats:
        choose()
        path = os.path.join(folder, name)
        ed.Save(path)
        paths.append(path)
        size = os.path.getsize(path) if os.path.exists(path) else 0
        print(f"saved {name:12} {size:8} bytes  as {ed.FileInfo.FormatString}  (LastErrorNum {ed.LastErrorNum})")

    reader = audioeditor.Dispatch("VeskAudioEditor.AudioEditor")
    reader.TempDirectory = ed.TempDirectory
    for path in paths:
        reader.Open(path)
        markers = reader.Markers
        labels = []
        for number in range(1, markers.Count + 1):
            markers.Num = number
            labels.append(f"{markers.Label}@{markers.Position}")
        print(f"opened {os.path.basename(path):12} {reader.FileInfo.FormatString:40} "
              f"{reader.Position.TotalSamples:7} frames; title {reader.FileInfo.Title!r}; markers {labels}")
    reader.Close()


def edit_chain(folder):
    """Opens the saved tone, runs a chain of edits and effects over parts of it, walks the
    history back and forth, and saves the result with its picture."""
    section("Editing a real file")
    ed = audioeditor.Dispatch("VeskAudioEditor.AudioEditor")
    ed.Open(os.path.join(folder, "tone.wav"))
    rate = ed.FileInfo.Frequency
    position = ed.Position

    def select(start_seconds, end_seconds):
        position.Selected = True
        position.StartSelect = int(start_seconds * rate)
        position.EndSelect = int(end_seconds * rate)

    steps = [
        ("Amplify 1.5 over 0.0-0.5 s", lambda: (select(0.0, 0.5), ed.Amplify(1.5))),
        ("LowPassFilter 800 Hz over 0.5-1.0 s", lambda: (select(0.5, 1.0), ed.LowPassFilter(800, 0.7071))),
        ("Fade out over 1.5-2.0 s", lambda: (select(1.5, 2.0), ed.Fade(1.0, 0.0))),
        ("Delay 120 ms over 1.0-1.5 s", lambda: (select(1.0, 1.5), ed.Delay(120, 0.5, 0.3))),
        ("Copy 0.2-0.4 s, paste at 0.9 s", lambda: (select(0.2, 0.4), ed.Copy(),
                                                    setattr(position, "Selected", False),
                                                    setattr(position, "CurrentPosition", int(0.9 * rate)),
                                                    ed.Paste())),
        ("InsertSilence 250 ms at 1.2 s", lambda: (setattr(position, "Selected", False),
                                                   setattr(position, "CurrentPosition", int(1.2 * rate)),
                                                   ed.InsertSilence(250))),
        ("Reverse 1.7-1.9 s", lambda: (select(1.7, 1.9), ed.Reverse())),
        ("Stretch 150 % of 0.0-0.3 s", lambda: (select(0.0, 0.3), ed.Stretch(150))),
    ]
    for title, step in steps:
        step()
        print(f"{title:40} -> {position.TotalSamples:6} frames, {ed.UndoRedoCount} undo levels kept, "
              f"UndoEnabled {ed.UndoEnabled}")
    before = position.TotalSamples
    ed.Undo()
    ed.Undo()
    print(f"two Undo: {position.TotalSamples} frames; Redo: ", end="")
    ed.Redo()
    ed.Redo()
    print(f"{position.TotalSamples} frames (was {before})")
    ed.ConvertSampleType(22050, 1)
    print(f"ConvertSampleType(22050, 1): {ed.FileInfo.Frequency} Hz, {ed.Channels.Count} channel, "
          f"{position.TotalSamples} frames")
    ed.Undo()
    print(f"Undo: {ed.FileInfo.Frequency} Hz, {ed.Channels.Count} channels")

    ed.SetFormatPCM(44100, 2, 16)
    result = os.path.join(folder, "edited.wav")
    ed.Save(result)
    ed.ZoomFull()
    position.Selected = False
    site = audioeditor.Container(ed, 1000, 300)
    site.paint()
    site.save(os.path.join(folder, "edited.png"))
    print(f"saved {result} ({os.path.getsize(result)} bytes) and edited.png")
    del site
    ed.Close()


# Every effect with parameters that make its work easy to hear on the tone.
EFFECTS = [
    ("Silence", ()), ("Reverse", ()), ("Invert", ()), ("Amplify", (2.0,)), ("AddNoise", (0.05, 1)),
    ("MixStereoChannels", (0.5, 0.5, 0.5, 0.5)), ("Fade", (0.0, 1.0)), ("Normalize", (90.0, True)),
    ("Vibrato", (5.0, 4.0, 0.0)), ("Envelope", ([-40.0, 0.0, -6.0, -40.0],)),
    ("Compressor", (-30.0, 4.0, 20.0)), ("Expander", (-30.0, 2.0, 20.0)), ("Delay", (250.0, 0.5, 0.4)),
    ("Phaser", (2000.0, 1.0, 0.5)), ("Flanger", (2.0, 0.7, 0.5, 3.0, 0.5, 0.0)),
    ("Reverb", (80.0, 0.4, 0.8, 0.3)), ("Stretch", (150.0,)), ("NotchFilter", (440.0, 2.0)),
    ("FFTFilter", ([0.25, 1.0, 1.0, 1.0],)), ("HighPassFilter", (1000.0, 0.7071)),
    ("LowPassFilter", (300.0, 0.7071)), ("HighShelfFilter", (2000.0, -12.0, 0.8)),
    ("LowShelfFilter", (300.0, 12.0, 0.8)), ("BandPassFilter", (440.0, 4.0)),
    ("Equalizer", ([12.0, -12.0], [220.0, 440.0])), ("PeakEQFilter", (9.0, 440.0, 1.0)),
    ("DeleteSilence", (-40.0, 10, 10, 10.0)), ("Trim", (-6.0, 20)),
]


def effects_gallery(folder):
    """Applies each effect to the whole saved tone and writes one file per effect."""
    section("Every effect")
    gallery = os.path.join(folder, "effects")
    os.makedirs(gallery, exist_ok=True)
    ed = audioeditor.Dispatch("VeskAudioEditor.AudioEditor")
    ed.SetFormatPCM(44100, 2, 16)
    source = os.path.join(folder, "tone.wav")
    for name, arguments in EFFECTS:
        ed.Open(source)
        ed.Position.Selected = True
        ed.Position.StartSelect = 0
        ed.Position.EndSelect = ed.Position.TotalSamples - 1
        before = ed.GetCurrentArray(ed.Position.TotalSamples)
        getattr(ed, name)(*arguments)
        ed.Position.CurrentPosition = 0
        after = ed.GetCurrentArray(ed.Position.TotalSamples)
        changed = sum(1 for a, b in zip(before, after) if a != b) + abs(len(after) - len(before))
        ed.Save(os.path.join(gallery, name + ".wav"))
        print(f"{name:18} {len(after) // 2:6} frames, {changed * 100 // max(len(before), 1):3}% of the samples changed")
    ed.Close()


def show_history(ed):
    section("Undo and redo")
    print(f"UndoEnabled {ed.UndoEnabled}, RedoEnabled {ed.RedoEnabled}")
    ed.Position.CurrentPosition = 0
    print(f"GetCurrentArray(4) at the start -> {ed.GetCurrentArray(4)}")
    ed.Undo()
    print(f"after Undo: TotalSamples {ed.Position.TotalSamples}, RedoEnabled {ed.RedoEnabled}")
    ed.Redo()
    print(f"after Redo: TotalSamples {ed.Position.TotalSamples}, UndoEnabled {ed.UndoEnabled}")


def main():
    ed = audioeditor.DispatchWithEvents("VeskAudioEditor.AudioEditor", PrintingEvents)
    show_defaults(ed)
    first = make_document(ed, c.FQ_8_KHZ, c.MONO)
    second = make_document(ed, c.FQ_44_KHZ, c.STEREO)
    print(f"the first working file is gone: {not os.path.exists(first)}")
    show_markers(ed)
    show_settings(ed)
    site = draw_picture(ed, "tour.png")
    files_round_trip(ed, "tour-output")
    edit_chain("tour-output")
    effects_gallery("tour-output")
    show_history(ed)
    del site

    section("Close")
    ed.Close()
    print(f"working file deleted: {not os.path.exists(second)}")
    print(f"TempDirectory   {ed.TempDirectory}")


if __name__ == "__main__":
    main()
