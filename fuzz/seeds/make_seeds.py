#!/usr/bin/env python3
"""Builds the seed corpora of the fuzz targets, one folder per target, from the sound files
vesk-fuzz-write-seeds wrote with the project's own writers and from headers made here byte by
byte: valid files, and copies damaged the ways real files are (cut short, sizes that lie,
counts past the end, odd chunk sizes, strange format tags).

    make_seeds.py --written <folder of written files> --out <corpus root>
"""
import argparse
import random
import struct
from pathlib import Path


def chunk(cid, payload, size=None):
    size = len(payload) if size is None else size
    pad = b"\0" if len(payload) % 2 else b""
    return cid + struct.pack("<I", size) + payload + pad


def fmt_pcm(channels=2, rate=8000, bits=16, tag=1, extra=None):
    align = channels * bits // 8
    body = struct.pack("<HHIIHH", tag, channels, rate, rate * align, align, bits)
    if extra is not None:
        body += struct.pack("<H", len(extra)) + extra
    return chunk(b"fmt ", body)


def riff(chunks, form=b"WAVE", size=None, magic=b"RIFF"):
    body = form + b"".join(chunks)
    return magic + struct.pack("<I", len(body) if size is None else size) + body


def samples(count, channels=2):
    return b"".join(struct.pack("<h", (i * 997) % 65536 - 32768) for i in range(count * channels))


def cue_payload(points):
    out = struct.pack("<I", len(points))
    for ident, offset in points:
        out += struct.pack("<II4sIII", ident, offset, b"data", 0, 0, offset)
    return out


def adtl_payload(entries):
    out = b""
    for cid, ident, body in entries:
        out += chunk(cid, struct.pack("<I", ident) + body)
    return out


def ltxt(length, text=b""):
    return struct.pack("<I4sHHHH", length, b"rgn ", 1, 9, 0, 1252) + text


def marker_payloads():
    """(cue, adtl) pairs: well formed, Latin-1 text, and damaged."""
    good_cue = cue_payload([(1, 10), (2, 500), (3, 900)])
    good_adtl = adtl_payload([(b"labl", 1, b"first\0"), (b"note", 2, b"n\0"),
                              (b"ltxt", 2, ltxt(300, b"range text\0")), (b"labl", 3, "caf\u00e9".encode("latin-1") + b"\0")])
    return [
        (good_cue, good_adtl),
        (good_cue, b""),
        (cue_payload([(7, 0xFFFFFFFF)]), adtl_payload([(b"ltxt", 7, ltxt(0xFFFFFFFF))])),
        (struct.pack("<I", 1000) + good_cue[4:], good_adtl),                 # count past the end
        (good_cue[:-5], good_adtl[:-3]),                                     # both cut short
        (cue_payload([(1, 5), (1, 6)]), adtl_payload([(b"labl", 1, b"dup\0"), (b"ltxt", 1, b"short")])),
        (good_cue, b"labl" + struct.pack("<I", 0xFFFFFFF0) + b"\1\0\0\0x"),  # sub-chunk size past the end
        (good_cue, adtl_payload([(b"labl", 2, b"\xed\xa0\x80 surrogate in UTF-8\0"), (b"note", 3, b"\xff\xfe")])),
    ]


def wave_files():
    """Hand-made wave files: the header forms the readers must accept or refuse."""
    data = chunk(b"data", samples(64))
    fact = chunk(b"fact", struct.pack("<I", 64))
    files = {
        "plain": riff([fmt_pcm(), data]),
        "fmt18-fact": riff([fmt_pcm(extra=b""), fact, data]),
        "mono8": riff([fmt_pcm(1, 11025, 8), chunk(b"data", bytes(range(200)))]),
        "odd-chunk-first": riff([chunk(b"junk", b"abc"), fmt_pcm(), data]),
        "list-before-fmt": riff([chunk(b"LIST", b"INFO" + chunk(b"INAM", b"name\0")), fmt_pcm(), data]),
        "data-size-lies": riff([fmt_pcm(), chunk(b"data", samples(64), size=0x7FFFFFF0)]),
        "riff-size-zero": riff([fmt_pcm(), data], size=0),
        "riff-size-huge": riff([fmt_pcm(), data], size=0xFFFFFFFF),
        "riff-size-small": riff([fmt_pcm(), data], size=20),
        "float-tag": riff([fmt_pcm(tag=3, bits=32), data]),
        "extensible": riff([fmt_pcm(tag=0xFFFE, extra=bytes(22)), data]),
        "no-data": riff([fmt_pcm()]),
        "no-fmt": riff([data]),
        "zero-channels": riff([fmt_pcm(channels=0), data]),
        "many-channels": riff([fmt_pcm(channels=7), data]),
        "zero-rate": riff([fmt_pcm(rate=0), data]),
        "fmt-short": riff([chunk(b"fmt ", struct.pack("<HH", 1, 2)), data]),
        "not-wave": riff([fmt_pcm(), data], form=b"AVI "),
        "rifx": riff([fmt_pcm(), data], magic=b"RIFX"),
        "header-only": b"RIFF\x04\0\0\0WAVE",
    }
    files["cut-in-fmt"] = files["plain"][:30]
    files["cut-in-data"] = files["plain"][:70]
    return files


def marker_wave_files():
    """Wave files with marker chunks, RIFF and RF64, including the damage WaveForm must survive."""
    fmt = fmt_pcm()
    data = chunk(b"data", samples(400))
    cue, adtl = marker_payloads()[0]
    markers = [chunk(b"cue ", cue), chunk(b"LIST", b"adtl" + adtl)]
    info = chunk(b"LIST", b"INFO" + chunk(b"ICMT", b"kept comment\0") + chunk(b"IXYZ", b"unknown\0"))
    files = {
        "riff-markers": riff([fmt, data] + markers),
        "riff-markers-first": riff([fmt] + markers + [info, chunk(b"bext", bytes(64)), data]),
        "riff-adtl-only": riff([fmt, data, markers[1]]),
        "riff-cue-past-form": riff([fmt, data, chunk(b"cue ", cue, size=0x10000)]),
        "riff-list-tiny": riff([fmt, data, chunk(b"LIST", b"ad")]),
    }
    for name, (c, a) in zip(["good", "no-adtl", "max", "count", "cut", "dup", "subsize", "utf8sur"], marker_payloads()):
        files["riff-payloads-" + name] = riff([fmt, data, chunk(b"cue ", c), chunk(b"LIST", b"adtl" + a)])
    # RF64: the sizes live in ds64 (form, data, sample count, then a table of other large chunks).
    body = [data] + markers
    form_size = 4 + 36 + sum(len(c) for c in body)

    def ds64(form, data_size, table=()):
        payload = struct.pack("<QQQI", form, data_size, 400, len(table))
        for cid, size in table:
            payload += cid + struct.pack("<Q", size)
        return chunk(b"ds64", payload)

    rf_data = chunk(b"data", samples(400), size=0xFFFFFFFF)
    files["rf64"] = b"RF64" + struct.pack("<I", 0xFFFFFFFF) + b"WAVE" + ds64(form_size, 1600) + fmt + rf_data + b"".join(markers)
    files["bw64"] = b"BW64" + files["rf64"][4:]
    files["rf64-table"] = (b"RF64" + struct.pack("<I", 0xFFFFFFFF) + b"WAVE" +
                           ds64(form_size + 12, 1600, [(b"cue ", len(cue))]) + fmt + rf_data +
                           chunk(b"cue ", cue, size=0xFFFFFFFF) + markers[1])
    files["rf64-no-ds64"] = b"RF64" + struct.pack("<I", 0xFFFFFFFF) + b"WAVE" + fmt + rf_data + b"".join(markers)
    files["rf64-huge-sizes"] = (b"RF64" + struct.pack("<I", 0xFFFFFFFF) + b"WAVE" +
                                ds64(2**63 - 1, 2**62, [(b"LIST", 2**40)] * 3) + fmt + rf_data + b"".join(markers))
    files["rf64-table-count-lies"] = (b"RF64" + struct.pack("<I", 0xFFFFFFFF) + b"WAVE" +
                                      chunk(b"ds64", struct.pack("<QQQI", form_size, 1600, 400, 0xFFFFFFFF)) +
                                      fmt + rf_data + b"".join(markers))
    return files


def damaged(name, data, rng):
    """Copies of one file damaged the usual ways."""
    out = {name: data}
    if len(data) > 16:
        out[name + "-cut-half"] = data[: len(data) // 2]
        out[name + "-cut-44"] = data[:44]
        flipped = bytearray(data)
        for _ in range(max(1, len(data) // 200)):
            flipped[rng.randrange(12, len(data))] ^= 1 << rng.randrange(8)
        out[name + "-flipped"] = bytes(flipped)
    return out


def write(folder, files, prefix=b""):
    folder.mkdir(parents=True, exist_ok=True)
    for name, data in files.items():
        (folder / name).write_bytes(prefix + data)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--written", required=True, type=Path)
    parser.add_argument("--out", required=True, type=Path)
    args = parser.parse_args()
    rng = random.Random(20240611)  # the corpora are the same on every machine
    written = {p.name: p.read_bytes() for p in sorted(args.written.iterdir())}
    wav_written = {n: d for n, d in written.items() if n.endswith(".wav")}

    header = dict(wave_files())
    for n, d in wav_written.items():
        header.update(damaged(n, d, rng))
    write(args.out / "wave_header", header)

    marker_files = dict(marker_wave_files())
    marker_files.update(damaged("written-markers.wav", written["markers.wav"], rng))
    write(args.out / "riff_markers", marker_files, prefix=b"\0")
    payloads = {f"payloads-{i}": struct.pack("<H", len(c)) + c + a for i, (c, a) in enumerate(marker_payloads())}
    write(args.out / "riff_markers", payloads, prefix=b"\1")

    chapters = {}
    for n in ("chapters-v23.mp3", "chapters-v24.mp3", "lame.mp3"):
        chapters.update(damaged(n, written[n], rng))
    chapters["tag-size-lies.mp3"] = written["chapters-v23.mp3"][:6] + b"\x7f\x7f\x7f\x7f" + written["chapters-v23.mp3"][10:]
    for layout in (0, 1):  # the first byte: write back as ID3v2.3 or 2.4
        write(args.out / "id3_chapters", {f"v2{3 + layout}-{n}": d for n, d in chapters.items()}, prefix=bytes([layout]))

    # decode_session: the first byte indexes its list of format types (0 detects; 3 VOX,
    # 4 RAW, 5 G726, 7 G721, 8 G723 read headerless bytes).
    decode = {}
    for n, d in written.items():
        decode.update({k: b"\0" + v for k, v in damaged(n, d, rng).items()})
    for index, name in ((3, "vox"), (4, "raw"), (5, "g726"), (7, "g721"), (8, "g723")):
        decode["headerless-" + name] = bytes([index]) + samples(300)
    decode.update({"hand-" + k: b"\0" + v for k, v in wave_files().items()})
    write(args.out / "decode_session", decode)

    # clipboard_image: rate index, channels, then the image another program put there.
    clipboard = {}
    for i, (n, d) in enumerate(sorted({**wav_written, **wave_files()}.items())):
        clipboard[n] = bytes([i % 9, i % 2]) + d
    clipboard["markers-to-96k"] = bytes([5, 1]) + written["markers.wav"]
    write(args.out / "clipboard_image", clipboard)

    # invoke_args: the first two bytes pick the member (modulo the callable members), the rest
    # decides the call and a few more after it.
    invoke = {f"member-{i:03d}": struct.pack("<H", i) + rng.randbytes(40) for i in range(256)}
    write(args.out / "invoke_args", invoke)


if __name__ == "__main__":
    main()
