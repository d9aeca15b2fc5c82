// Test support for the information component: wave files built byte by byte (RIFF and RF64 forms
// around chunks a test chooses), and the independent readers that check files: the tools of the
// field (sox, ffprobe) and a short Python walk over a wave file's chunks.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "platform/io/ByteOrder.h"

namespace vesk::test {

using Bytes = std::vector<uint8_t>;

inline void Append32(Bytes& out, uint32_t value) {
    uint8_t bytes[4];
    StoreLE32(bytes, value);
    out.insert(out.end(), bytes, bytes + 4);
}

inline void Append64(Bytes& out, uint64_t value) {
    Append32(out, static_cast<uint32_t>(value));
    Append32(out, static_cast<uint32_t>(value >> 32));
}

inline Bytes Text(const std::string& text) { return Bytes(text.begin(), text.end()); }

// One chunk: id, size, payload and the pad byte an odd size needs.
inline Bytes Chunk(const char (&id)[5], const Bytes& payload) {
    Bytes out;
    Append32(out, FourCC(id));
    Append32(out, static_cast<uint32_t>(payload.size()));
    out.insert(out.end(), payload.begin(), payload.end());
    if (payload.size() & 1) out.push_back(0);
    return out;
}

// A LIST chunk of the given form around sub-chunks (each made by Chunk).
inline Bytes List(const char (&form)[5], const std::vector<Bytes>& subChunks) {
    Bytes payload = Text(form);
    for (const Bytes& sub : subChunks) payload.insert(payload.end(), sub.begin(), sub.end());
    return Chunk("LIST", payload);
}

inline Bytes Ramp(size_t count) {
    Bytes bytes(count);
    for (size_t i = 0; i < count; ++i) bytes[i] = static_cast<uint8_t>(i * 7 + 3);
    return bytes;
}

// PCM 44100 Hz, stereo, 16 bit.
inline const Bytes kPcmFormat{1, 0, 2, 0, 0x44, 0xAC, 0, 0, 0x10, 0xB1, 2, 0, 4, 0, 16, 0};

inline Bytes Joined(const std::vector<Bytes>& chunks) {
    Bytes out;
    for (const Bytes& chunk : chunks) out.insert(out.end(), chunk.begin(), chunk.end());
    return out;
}

// "RIFF" size "WAVE" and the chunks, with a correct form size.
inline Bytes RiffWave(const std::vector<Bytes>& chunks) {
    const Bytes body = Joined(chunks);
    Bytes file = Text("RIFF");
    Append32(file, static_cast<uint32_t>(body.size() + 4));
    file.insert(file.end(), {'W', 'A', 'V', 'E'});
    file.insert(file.end(), body.begin(), body.end());
    return file;
}

// A chunk whose 32-bit size says "see ds64", as RF64 writers mark chunks too large for it.
inline Bytes LargeChunk(const char (&id)[5], const Bytes& payload) {
    Bytes out = Chunk(id, payload);
    StoreLE32(out.data() + 4, 0xFFFFFFFF);
    return out;
}

struct Ds64Entry {
    const char* id;
    uint64_t bytes;
};

// An RF64 file as writers of large files make it: the 32-bit sizes of the form and of the sound
// are 0xFFFFFFFF and the real ones stand in the ds64 chunk, whose table gives those of further
// large chunks; `sound` holds 16-bit stereo frames and `after` the chunks that follow the sound.
inline Bytes Rf64Wave(const Bytes& sound, const std::vector<Bytes>& after, const std::vector<Ds64Entry>& table = {}) {
    const Bytes tail = Joined(after);
    Bytes ds64;
    Append64(ds64, 0);  // form size, set below
    Append64(ds64, sound.size());
    Append64(ds64, sound.size() / 4);  // frames
    Append32(ds64, static_cast<uint32_t>(table.size()));
    for (const Ds64Entry& entry : table) {
        ds64.insert(ds64.end(), entry.id, entry.id + 4);
        Append64(ds64, entry.bytes);
    }
    Bytes file = Text("RF64");
    Append32(file, 0xFFFFFFFF);
    file.insert(file.end(), {'W', 'A', 'V', 'E'});
    for (const Bytes& chunk : {Chunk("ds64", ds64), Chunk("fmt ", kPcmFormat), LargeChunk("data", sound), tail}) {
        file.insert(file.end(), chunk.begin(), chunk.end());
    }
    const uint64_t formBytes = file.size() - 8;
    for (int i = 0; i < 8; ++i) file[20 + i] = static_cast<uint8_t>(formBytes >> (8 * i));
    return file;
}

inline void StoreBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline Bytes LoadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

inline std::string Hex(const Bytes& bytes) {
    static const char kDigits[] = "0123456789abcdef";
    std::string text;
    for (uint8_t byte : bytes) text += {kDigits[byte >> 4], kDigits[byte & 15]};
    return text;
}

inline bool HaveTool(const std::string& tool) {
    return std::system(("command -v " + tool + " >/dev/null 2>&1").c_str()) == 0;
}

inline bool RunQuietly(const std::string& command) { return std::system((command + " >/dev/null 2>&1").c_str()) == 0; }

// Standard output of the command (standard error discarded).
inline std::string Output(const std::string& command) {
    std::string out;
    FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r");
    if (!pipe) return out;
    char buffer[4096];
    for (size_t got; (got = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, got);
    pclose(pipe);
    return out;
}

// The walk: first line "<form> size-ok|size-bad" (the form size against the file's length; RF64
// takes it from ds64), then per top-level chunk "<id> <size> <payload in hex>" (the payload as
// "-" past 4 KiB), per field of a LIST/INFO chunk "INFO <id> <text in hex>", and "trailing <n>"
// when the chunks do not end exactly at the end of the file.
inline constexpr const char* kChunkWalk = R"(import struct, sys
d = open(sys.argv[1], 'rb').read()
form, size = d[:4], struct.unpack('<I', d[4:8])[0]
large = {}
if form in (b'RF64', b'BW64'):
    size, large[b'data'], _, n = struct.unpack('<QQQI', d[20:48])
    for i in range(n):
        cid, csize = struct.unpack('<4sQ', d[48 + 12 * i:60 + 12 * i])
        large[cid] = csize
print(form.decode('latin-1'), 'size-ok' if size == len(d) - 8 else 'size-bad')
at = 12
while at + 8 <= len(d):
    cid, n = struct.unpack('<4sI', d[at:at + 8])
    if n == 0xFFFFFFFF:
        n = large.get(cid, n)
    body = d[at + 8:at + 8 + n]
    print(cid.decode('latin-1'), n, body.hex() if n <= 4096 else '-')
    if cid == b'LIST' and body[:4] == b'INFO':
        i = 4
        while i + 8 <= len(body):
            sid, sn = struct.unpack('<4sI', body[i:i + 8])
            print('INFO', sid.decode('latin-1'), body[i + 8:i + 8 + sn].hex())
            i += 8 + sn + (sn & 1)
    at += 8 + n + (n & 1)
if at != len(d):
    print('trailing', len(d) - at)
)";

// The walk's lines for the file at `path`; empty when python3 is missing. `scratch` is a path
// where the walk's script may be written.
inline std::vector<std::string> WalkChunks(const std::string& path, const std::string& scratch) {
    std::ofstream(scratch) << kChunkWalk;
    std::vector<std::string> lines;
    std::istringstream out(Output("python3 '" + scratch + "' '" + path + "'"));
    for (std::string line; std::getline(out, line);) lines.push_back(line);
    return lines;
}

// The walk's line of a chunk with this id and payload.
inline std::string ChunkLine(const std::string& id, const Bytes& payload) {
    return id + " " + std::to_string(payload.size()) + " " + Hex(payload);
}

}  // namespace vesk::test
