#!/usr/bin/env python3
"""Writes the decoding corpus: one small file per family of sound files users meet, and
manifest.json with what an independent decoder (ffmpeg, or sox where said) makes of each.

Usage: make_corpus.py OUTPUT_FOLDER

Needs Python 3 (standard library), ffmpeg (with libmp3lame, libvorbis and libopus), sox and lame.
Each file holds about a second of sound. The signals are sines whose values are known, so a
decoder that misreads the bytes shows at once.

Files (the names are stable; other tests read some of them):

  float32_peak1.wav        IEEE float, 32 bit, 44100 Hz stereo; left peaks at exactly 1.0
  float64_overs.wav        IEEE float, 64 bit, 48000 Hz mono; a sine at 1.5 (above full scale)
  pcm24_in_4byte_container.wav
                           WAVE_FORMAT_EXTENSIBLE, 24 valid bits in 4-byte containers (block
                           align 4 per channel) whose wBitsPerSample says 24; 48000 Hz stereo
  rf64_markers.wav         RF64 (ds64 chunk, 32-bit sizes 0xFFFFFFFF), 16-bit 44100 Hz stereo,
                           with three cue points after the data and LIST/adtl labl labels; the
                           manifest lists the markers ("markers": id, position in frames, label)
  flac_truncated.flac      FLAC cut in the middle of its audio frames
  flac_truncated_in_first_frame.flac
                           FLAC cut inside its first audio frame: nothing can be decoded
  ima_adpcm_partial_block.wav
                           IMA ADPCM, 22050 Hz mono, whose last block holds only the samples the
                           `fact` chunk counts (a short block, as some writers leave it)
  bwf_bext_smpl_ixml.wav   16-bit 48000 Hz mono with bext, iXML and smpl chunks before the data
                           and LIST/INFO (INAM, IART, IPRD) after it; the manifest lists the
                           values written ("bext", "ixml", "smpl", "info")
  mp3_overs.mp3, vorbis_overs.ogg, opus_overs.opus
                           a 1 kHz sine at +1 dBFS encoded from floating-point input, so that
                           the decoded sound goes above full scale
  mp3_vbri.mp3             VBR MPEG-1 Layer III behind a VBRI (Fraunhofer) header frame, which
                           this script writes itself; the header's frame is larger than the
                           average frame, so a length estimated from it is too short
  wav_format_0x70.wav      a WAV whose format tag (0x70) no decoder here supports

manifest.json: {"files": [{"name", "family", "reference", "error", "rate", "channels", "frames",
"peak", "samples": [[frame, [value per channel]], ...], "tolerance", ...}]}. "reference" names
the decoder the values come from ("ffmpeg", "sox", "ffmpeg+libopus", or "written values" where
no decoder at hand reads the layout right). "error" is the
ErrorConstants value the file component must report (0 for a file that decodes); "frames",
"peak" and "samples" are 16-bit values (full scale 32767, overs clipped) as the reference
decoded them; "tolerance" is how far another decoder of the same codec may differ per sample.
"""

import json
import math
import os
import random
import shutil
import struct
import subprocess
import sys
import tempfile

# --- RIFF bytes ------------------------------------------------------------------------------


def chunk(ident, payload):
    pad = b"\0" if len(payload) % 2 else b""
    return ident + struct.pack("<I", len(payload)) + payload + pad


def riff_wave(chunks):
    body = b"WAVE" + b"".join(chunks)
    return b"RIFF" + struct.pack("<I", len(body)) + body


def fmt_ex(tag, channels, rate, block_align, bits):
    """WAVEFORMATEX with an empty extension (cbSize 0)."""
    return chunk(b"fmt ", struct.pack("<HHIIHHH", tag, channels, rate, rate * block_align, block_align, bits, 0))


def list_chunk(form, subchunks):
    return chunk(b"LIST", form + b"".join(subchunks))


def zstring(text):
    return text.encode("ascii") + b"\0"


def fixed(text, size):
    return text.encode("ascii").ljust(size, b"\0")


# --- Signals ---------------------------------------------------------------------------------


def sine(frames, rate, hz, amplitude):
    return [amplitude * math.sin(2 * math.pi * hz * i / rate) for i in range(frames)]


def interleave(*channels):
    return [v for frame in zip(*channels) for v in frame]


def pcm16(values):
    return struct.pack("<%dh" % len(values), *[max(-32768, min(32767, round(v * 32767))) for v in values])


# --- Reference decoding ----------------------------------------------------------------------


def run(*command):
    subprocess.run(command, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def decoded_samples(path, reference):
    """Interleaved 16-bit samples of path as the reference decoder gives them: "ffmpeg" (its
    float-to-integer step clips), "ffmpeg+libopus" (ffmpeg with the Opus library's own decoder)
    or "sox" (libvorbisfile for Ogg Vorbis, which clips too)."""
    if reference == "sox":
        command = ["sox", path, "-t", "s16", "-"]
    else:
        # (The Opus library soft-clips its own 16-bit output; asked for floats, it leaves the
        # clipping to ffmpeg's conversion like every other decoder.)
        decoder = ["-c:a", "libopus", "-request_sample_fmt", "flt"] if reference == "ffmpeg+libopus" else []
        command = ["ffmpeg", "-v", "quiet", *decoder, "-i", path, "-f", "s16le", "-acodec", "pcm_s16le", "-"]
    raw = subprocess.run(command, check=False, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL).stdout
    return list(struct.unpack("<%dh" % (len(raw) // 2), raw[: len(raw) // 2 * 2]))


def describe(samples, channels, frames=None):
    """Frame count, peak and a few sample frames: the ends, near the quarters, the extremes."""
    if frames is not None:
        samples = samples[: frames * channels]
    count = len(samples) // channels
    entry = {"frames": count, "peak": max((abs(v) for v in samples), default=0)}
    if count == 0:
        entry["samples"] = []
        return entry
    # (A little past the quarters, which often fall on a sine's zero crossings.)
    picks = {0, count - 1, *(min(count * k // 4 + 11, count - 1) for k in (1, 2, 3))}
    picks.add(samples.index(max(samples)) // channels)
    picks.add(samples.index(min(samples)) // channels)
    entry["samples"] = [[i, samples[i * channels:(i + 1) * channels]] for i in sorted(picks)]
    return entry


def reference_entry(name, family, path, rate, channels, tolerance=0, frames=None, reference="ffmpeg"):
    entry = {"name": name, "family": family, "reference": reference, "error": 0, "rate": rate,
             "channels": channels, "tolerance": tolerance}
    entry.update(describe(decoded_samples(path, reference), channels, frames))
    return entry


# --- The files -------------------------------------------------------------------------------


def float_wav(path, rate, samples, channels, bits):
    code = "<%d%s" % (len(samples), "f" if bits == 32 else "d")
    data = struct.pack(code, *samples)
    block = channels * bits // 8
    frames = len(samples) // channels
    with open(path, "wb") as f:
        f.write(riff_wave([fmt_ex(3, channels, rate, block, bits), chunk(b"fact", struct.pack("<I", frames)),
                           chunk(b"data", data)]))


def make_float32(folder):
    # 441 Hz at 44100 Hz: every 100th sample from the 25th is exactly 1.0.
    rate = 44100
    left = sine(rate, rate, 441, 1.0)
    right = sine(rate, rate, 882, 0.5)
    path = os.path.join(folder, "float32_peak1.wav")
    float_wav(path, rate, interleave(left, right), 2, 32)
    return reference_entry("float32_peak1.wav", "IEEE float 32-bit WAV", path, rate, 2)


def make_float64(folder):
    rate = 48000
    path = os.path.join(folder, "float64_overs.wav")
    float_wav(path, rate, sine(rate, rate, 480, 1.5), 1, 64)
    return reference_entry("float64_overs.wav", "IEEE float 64-bit WAV above full scale", path, rate, 1)


def make_24_in_4byte_container(folder):
    # No decoder at hand reads this layout right (they take the samples as packed 24-bit or as
    # floats), so the expected values are the written ones: the 24 valid bits sit in the upper
    # three bytes of each container, as WAVE_FORMAT_EXTENSIBLE defines, and become 16-bit values
    # by rounding.
    rate, channels = 48000, 2
    left = [round(8388607 * 0.9 * math.sin(2 * math.pi * 440 * i / rate)) for i in range(rate)]
    right = [round(8388607 * 0.3 * math.sin(2 * math.pi * 1000 * i / rate)) for i in range(rate)]
    data = b"".join(struct.pack("<ii", l << 8, r << 8) for l, r in zip(left, right))
    pcm_guid = struct.pack("<IHH", 1, 0, 0x10) + bytes([0x80, 0, 0, 0xAA, 0, 0x38, 0x9B, 0x71])
    fmt = struct.pack("<HHIIHHHHI", 0xFFFE, channels, rate, rate * 4 * channels, 4 * channels, 24, 22, 24, 3)
    path = os.path.join(folder, "pcm24_in_4byte_container.wav")
    with open(path, "wb") as f:
        f.write(riff_wave([chunk(b"fmt ", fmt + pcm_guid), chunk(b"data", data)]))
    expected = [max(-32768, min(32767, round(v / 256))) for v in interleave(left, right)]
    entry = {"name": "pcm24_in_4byte_container.wav", "family": "24-bit in 4-byte containers (extensible)",
             "reference": "written values", "error": 0, "rate": rate, "channels": channels, "tolerance": 0}
    entry.update(describe(expected, channels))
    return entry


RF64_MARKERS = [(1, 4410, "Intro"), (2, 22050, "Middle"), (3, 39690, "Outro")]


def make_rf64(folder):
    rate, channels = 44100, 2
    data = pcm16(interleave(sine(rate, rate, 440, 0.6), sine(rate, rate, 550, 0.3)))
    frames = len(data) // 4
    cue = struct.pack("<I", len(RF64_MARKERS)) + b"".join(
        struct.pack("<II4sIII", ident, position, b"data", 0, 0, position) for ident, position, _ in RF64_MARKERS)
    labels = [chunk(b"labl", struct.pack("<I", ident) + zstring(text)) for ident, _, text in RF64_MARKERS]
    fmt = chunk(b"fmt ", struct.pack("<HHIIHH", 1, channels, rate, rate * 4, 4, 16))
    data_chunk = b"data" + struct.pack("<I", 0xFFFFFFFF) + data
    tail = chunk(b"cue ", cue) + list_chunk(b"adtl", labels)
    ds64_size = 28
    riff_size = 4 + (8 + ds64_size) + len(fmt) + len(data_chunk) + len(tail)
    ds64 = chunk(b"ds64", struct.pack("<QQQI", riff_size, len(data), frames, 0))
    path = os.path.join(folder, "rf64_markers.wav")
    with open(path, "wb") as f:
        f.write(b"RF64" + struct.pack("<I", 0xFFFFFFFF) + b"WAVE" + ds64 + fmt + data_chunk + tail)
    entry = reference_entry("rf64_markers.wav", "RF64 WAV with cue markers", path, rate, channels)
    entry["markers"] = [{"id": i, "position": p, "label": t} for i, p, t in RF64_MARKERS]
    return entry


def make_flacs(folder, scratch):
    source = os.path.join(scratch, "flac_source.wav")
    whole = os.path.join(scratch, "whole.flac")
    rate = 22050
    with open(source, "wb") as f:
        f.write(riff_wave([fmt_ex(1, 1, rate, 2, 16), chunk(b"data", pcm16(sine(2 * rate, rate, 440, 0.5)))]))
    run("ffmpeg", "-v", "error", "-y", "-i", source, "-c:a", "flac", whole)
    with open(whole, "rb") as f:
        flac = f.read()
    cut = os.path.join(folder, "flac_truncated.flac")
    with open(cut, "wb") as f:
        f.write(flac[: len(flac) * 3 // 5])
    entries = [reference_entry("flac_truncated.flac", "truncated FLAC", cut, rate, 1)]
    # The audio frames start after the metadata blocks; 100 bytes into the first one, nothing
    # decodes.
    first_frame = audio_offset_of_flac(flac)
    early = os.path.join(folder, "flac_truncated_in_first_frame.flac")
    with open(early, "wb") as f:
        f.write(flac[: first_frame + 100])
    entry = reference_entry("flac_truncated_in_first_frame.flac", "FLAC without a whole audio frame", early, rate, 1)
    entry["error"] = -12  # FORMATFILE: the file holds no sound that can be decoded
    entries.append(entry)
    return entries


def audio_offset_of_flac(flac):
    """Offset of the first audio frame: after "fLaC" and the metadata blocks."""
    at = 4
    while True:
        header = flac[at]
        size = int.from_bytes(flac[at + 1: at + 4], "big")
        at += 4 + size
        if header & 0x80:
            return at


def make_ima_adpcm(folder, scratch):
    rate = 22050
    source = os.path.join(scratch, "ima_source.wav")
    padded = os.path.join(scratch, "ima_padded.wav")
    with open(source, "wb") as f:
        f.write(riff_wave([fmt_ex(1, 1, rate, 2, 16), chunk(b"data", pcm16(sine(rate, rate, 440, 0.5)))]))
    run("sox", source, "-e", "ima-adpcm", padded)
    chunks = read_riff_chunks(padded)
    fmt = chunks[b"fmt "]
    block_align, = struct.unpack("<H", fmt[12:14])
    samples_per_block, = struct.unpack("<H", fmt[18:20])
    frames, = struct.unpack("<I", chunks[b"fact"])
    # sox pads the last block to full size; keep only the 4-byte groups (8 samples each, after
    # the 4-byte block header with one sample) that the remaining samples need.
    whole_blocks, rest = divmod(frames, samples_per_block)
    data = chunks[b"data"][: whole_blocks * block_align + 4 + 4 * math.ceil((rest - 1) / 8)]
    path = os.path.join(folder, "ima_adpcm_partial_block.wav")
    with open(path, "wb") as f:
        f.write(riff_wave([chunk(b"fmt ", fmt), chunk(b"fact", struct.pack("<I", frames)), chunk(b"data", data)]))
    # sox and ffmpeg decode whole 4-byte groups (a few samples past the count); the file holds
    # what `fact` says. sox is the reference for the values: ffmpeg's IMA decoder rounds its
    # steps differently (by up to some 24 sixteen-bit steps here).
    entry = reference_entry("ima_adpcm_partial_block.wav", "IMA ADPCM WAV with a short last block", path, rate, 1,
                            frames=frames, reference="sox")
    entry["reference_frames"] = {tool: len(decoded_samples(path, tool)) for tool in ("sox", "ffmpeg")}
    return entry


def read_riff_chunks(path):
    with open(path, "rb") as f:
        data = f.read()
    chunks, at = {}, 12
    while at + 8 <= len(data):
        ident, size = data[at:at + 4], struct.unpack("<I", data[at + 4:at + 8])[0]
        chunks[ident] = data[at + 8:at + 8 + size]
        at += 8 + size + size % 2
    return chunks


BEXT = {"description": "Corpus take 1", "originator": "Vesk corpus", "originator_reference": "VESK0001",
        "origination_date": "2024-05-01", "origination_time": "12:30:00", "time_reference": 172800000,
        "version": 1, "coding_history": "A=PCM,F=48000,W=16,M=mono,T=corpus\r\n"}
SMPL = {"manufacturer": 0, "product": 0, "sample_period": 20833, "midi_unity_note": 60, "midi_pitch_fraction": 0,
        "smpte_format": 0, "smpte_offset": 0,
        "loops": [{"cue_id": 0, "type": 0, "start": 12000, "end": 35999, "fraction": 0, "play_count": 0}]}
IXML = ('<?xml version="1.0" encoding="UTF-8"?>\n<BWFXML><IXML_VERSION>1.5</IXML_VERSION>'
        '<PROJECT>Vesk corpus</PROJECT><SCENE>1</SCENE><TAKE>1</TAKE></BWFXML>\n')
INFO = {"INAM": "Corpus tone", "IART": "Vesk", "IPRD": "Decoding corpus"}


def bext_chunk():
    b = BEXT
    payload = (fixed(b["description"], 256) + fixed(b["originator"], 32) + fixed(b["originator_reference"], 32) +
               fixed(b["origination_date"], 10) + fixed(b["origination_time"], 8) +
               struct.pack("<IIH", b["time_reference"] & 0xFFFFFFFF, b["time_reference"] >> 32, b["version"]) +
               bytes(64) + bytes(10) + bytes(180) + b["coding_history"].encode("ascii"))
    return chunk(b"bext", payload)


def smpl_chunk():
    s = SMPL
    payload = struct.pack("<9I", s["manufacturer"], s["product"], s["sample_period"], s["midi_unity_note"],
                          s["midi_pitch_fraction"], s["smpte_format"], s["smpte_offset"], len(s["loops"]), 0)
    for loop in s["loops"]:
        payload += struct.pack("<6I", loop["cue_id"], loop["type"], loop["start"], loop["end"], loop["fraction"],
                               loop["play_count"])
    return chunk(b"smpl", payload)


def make_bwf(folder):
    rate = 48000
    info = list_chunk(b"INFO", [chunk(key.encode("ascii"), zstring(value)) for key, value in INFO.items()])
    path = os.path.join(folder, "bwf_bext_smpl_ixml.wav")
    with open(path, "wb") as f:
        f.write(riff_wave([fmt_ex(1, 1, rate, 2, 16), bext_chunk(), chunk(b"iXML", IXML.encode("utf-8")), smpl_chunk(),
                           chunk(b"data", pcm16(sine(rate, rate, 1000, 0.7))), info]))
    entry = reference_entry("bwf_bext_smpl_ixml.wav", "WAV with bext, iXML, smpl and LIST/INFO", path, rate, 1)
    entry.update({"bext": BEXT, "smpl": SMPL, "ixml": IXML, "info": INFO})
    return entry


# Two decoders of the same lossy codec differ by a few steps of 16 bits (floating-point order,
# dither-free rounding); a wrapped over is some 65000 steps away.
TOLERANCE_LOSSY = 48


def make_overs(folder, scratch):
    # +1 dBFS: the encoders take floating-point input and keep what lies above full scale.
    rate = 44100
    source = os.path.join(scratch, "overs.wav")
    level = 10 ** (1 / 20)
    float_wav(source, rate, interleave(sine(rate, rate, 1000, level), sine(rate, rate, 1000, level)), 2, 32)
    # ffmpeg's own Vorbis decoder drops the first 128 samples that libvorbis delivers, so sox
    # (libvorbisfile) is the reference there.
    cases = [("mp3_overs.mp3", "MP3 above full scale", ["-c:a", "libmp3lame", "-b:a", "192k"], rate, "ffmpeg"),
             ("vorbis_overs.ogg", "Ogg Vorbis above full scale", ["-c:a", "libvorbis", "-q:a", "6"], rate, "sox"),
             ("opus_overs.opus", "Opus above full scale", ["-c:a", "libopus", "-b:a", "128k"], 48000,
              "ffmpeg+libopus")]
    entries = []
    for name, family, codec, decoded_rate, reference in cases:
        path = os.path.join(folder, name)
        run("ffmpeg", "-v", "error", "-y", "-i", source, *codec, path)
        entries.append(reference_entry(name, family, path, decoded_rate, 2, TOLERANCE_LOSSY, reference=reference))
    return entries


MPEG1_KBPS = [0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320]


def mpeg_frame_sizes(stream):
    """Byte sizes of the MPEG-1 Layer III frames of stream (44100 Hz)."""
    sizes, at = [], 0
    while at + 4 <= len(stream):
        header, = struct.unpack(">I", stream[at:at + 4])
        if header >> 21 != 0x7FF:
            break
        size = 144000 * MPEG1_KBPS[(header >> 12) & 15] // 44100 + ((header >> 9) & 1)
        sizes.append(size)
        at += size
    return sizes


def vbri_frame(first_header, sizes, stream_bytes):
    """An MPEG frame at 320 kbps whose payload is the VBRI header: version 1, delay 576,
    quality 75, the stream's bytes and frames, and a table of contents (one 16-bit entry, scale
    1, per 4 frames)."""
    header = (first_header & ~(0xF << 12) & ~(1 << 9)) | (14 << 12)  # 320 kbps, no padding
    size = 144000 * 320 // 44100
    per_entry = 4
    toc = [sum(sizes[i:i + per_entry]) for i in range(0, len(sizes), per_entry)]
    vbri = b"VBRI" + struct.pack(">HHHIIHHHH", 1, 576, 75, stream_bytes + size, len(sizes), len(toc), 1, 2, per_entry)
    vbri += b"".join(struct.pack(">H", entry) for entry in toc)
    frame = bytearray(size)
    frame[0:4] = struct.pack(">I", header)
    frame[36:36 + len(vbri)] = vbri
    return bytes(frame)


def make_vbri(folder, scratch):
    rate = 44100
    source = os.path.join(scratch, "vbri_source.wav")
    plain = os.path.join(scratch, "vbr_plain.mp3")
    # A quiet start and a loud rest, so that the frames' sizes vary as VBR streams' do.
    random.seed(7)
    left = [0.05 * math.sin(2 * math.pi * 440 * i / rate) if i < rate // 4 else random.uniform(-0.5, 0.5)
            for i in range(rate)]
    with open(source, "wb") as f:
        f.write(riff_wave([fmt_ex(1, 2, rate, 4, 16), chunk(b"data", pcm16(interleave(left, left[::-1])))]))
    run("lame", "--quiet", "-t", "-V", "4", source, plain)  # -t: no Xing/LAME header frame
    with open(plain, "rb") as f:
        stream = f.read()
    sizes = mpeg_frame_sizes(stream)
    path = os.path.join(folder, "mp3_vbri.mp3")
    with open(path, "wb") as f:
        f.write(vbri_frame(struct.unpack(">I", stream[:4])[0], sizes, len(stream)) + stream)
    entry = reference_entry("mp3_vbri.mp3", "MP3 with a VBRI header", path, rate, 2)
    entry["mpeg_frames"] = len(sizes)
    return entry


def make_unsupported(folder):
    random.seed(3)
    data = bytes(random.getrandbits(8) for _ in range(8000))
    path = os.path.join(folder, "wav_format_0x70.wav")
    with open(path, "wb") as f:
        f.write(riff_wave([fmt_ex(0x70, 1, 8000, 1, 8), chunk(b"data", data)]))
    return {"name": "wav_format_0x70.wav", "family": "WAV with an unsupported format tag", "reference": "sox",
            "error": -13}  # FORMATNOTSUPPORT; sox: "Unknown WAV file encoding (type 70)"


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    # Written beside the final folder and renamed into place, so that a reader never sees half
    # a corpus and two generators running at once do not mix their files.
    work = tempfile.mkdtemp(prefix=".corpus-", dir=os.path.dirname(os.path.abspath(folder)))
    scratch = os.path.join(work, "scratch")
    os.mkdir(scratch)
    try:
        entries = [make_float32(work), make_float64(work), make_24_in_4byte_container(work), make_rf64(work),
                   *make_flacs(work, scratch), make_ima_adpcm(work, scratch), make_bwf(work),
                   *make_overs(work, scratch), make_vbri(work, scratch), make_unsupported(work)]
        shutil.rmtree(scratch)
        with open(os.path.join(work, "manifest.json"), "w") as f:
            json.dump({"files": entries}, f, indent=1)
        # The manifest last: once it is there, so are the files it lists.
        for name in sorted(os.listdir(work), key=lambda n: n == "manifest.json"):
            os.replace(os.path.join(work, name), os.path.join(folder, name))
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
