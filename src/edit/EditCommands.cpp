#include "edit/EditCommands.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "components/ComponentNames.h"
#include "components/ComponentErrors.h"
#include "edit/BlockSize.h"
#include "edit/ClipboardFile.h"
#include "edit/SampleLayout.h"
#include "platform/automation/Bstr.h"
#include "platform/io/PathUtil.h"

namespace vesk {

namespace {

// PutSampleArray's frame runs under the code of a save.
constexpr Status kArrayInsert = Status::Saving;

constexpr uint32_t kSilenceChunkBytes = 1 << 20;

int16_t Percent(double done, double whole) {
    if (whole <= 0) return 100;
    return static_cast<int16_t>(std::min(done / whole, 1.0) * 100);
}

std::span<int16_t> Samples(std::vector<uint8_t>& bytes, int32_t count) {
    return {reinterpret_cast<int16_t*>(bytes.data()), static_cast<size_t>(count) / 2};
}

}  // namespace

bool EditCommands::CanEdit() { return document_.History().Current() != nullptr && document_.IsIdle(); }

bool EditCommands::CanEditSelection() { return CanEdit() && document_.History().Current()->selected != 0; }

uint32_t EditCommands::OneSecondBytes() const {
    return static_cast<uint32_t>(document_.Frequency()) * 2 * static_cast<uint32_t>(document_.Channels());
}

// ---- Copy and Cut ----

bool EditCommands::Copy() {
    if (!CanEditSelection()) return true;
    document_.ClearError();
    const DocState& state = State();
    const int32_t start = state.SelectStart();
    const int64_t length = state.SelectedBytes();
    const uint32_t second = OneSecondBytes();
    int64_t block = MulDiv(document_.FileBufferSize(), static_cast<int32_t>(second), 1000);
    if (block >= length) block = second;

    document_.SetStatus(Status::Copying);
    WaveFile source, clip;
    ClipboardFile clipboard(document_.TempFileName());
    bool written = source.Open(state.filePath, WaveMode::Read) && source.Seek(static_cast<uint32_t>(start)) &&
                   TryAllocate(buffer_, block + 1024) &&
                   clipboard.BeginWrite(clip, static_cast<uint32_t>(document_.Frequency()),
                                        static_cast<uint16_t>(document_.Channels()));
    bool cancelled = false;
    for (int64_t copied = 0; written;) {
        const auto count = static_cast<uint32_t>(std::min(block, length - copied));
        const int32_t got = source.Read(buffer_.data(), count);
        if (got == 0) break;
        written = got > 0 && clip.Write(buffer_.data(), static_cast<uint32_t>(got));
        if (!written) break;
        copied += got;
        document_.Events().BlockOperation(Percent(static_cast<double>(copied), static_cast<double>(length)));
        cancelled = document_.IsIdle();
        if (cancelled) break;  // stopped: the clipboard keeps what was copied
    }
    // A clipboard that could not be written whole is not left behind in part.
    written = written ? clipboard.Commit(clip) : (clipboard.Abandon(clip), false);
    if (!written) document_.SetError(component_error::kFileAccess);
    document_.SetStatus(Status::Idle);
    source.Close();
    document_.Events().EndOperation();
    return written && !cancelled;
}

void EditCommands::Cut() {
    // A Stop during the copy stops the whole cut: deleting what did not reach the clipboard
    // would surprise whoever pressed Stop.
    const bool copied = Copy();
    // Copy clears the code only when it ran; a code left by an earlier command stops the cut.
    if (document_.LastErrorNum() != 0) {
        document_.ReportError();
        return;
    }
    if (copied) DeleteSelect();
}

bool EditCommands::OpenClipboard(WaveFile& clip) {
    const ClipboardFile clipboard(document_.TempFileName());
    if (clipboard.OpenForReading(clip)) return true;
    // No clipboard yet is no error; a name that is a link or another user's file is refused.
    if (OwnerOf(document_.TempFileName()) == FileOwner::Foreign) document_.SetError(component_error::kFileAccess);
    return false;
}

// ---- Insertion ----

bool EditCommands::Insert(WaveFile& destination, const Reader& read, const Progress& progress) {
    for (int64_t inserted = 0;;) {
        const int32_t got = read(buffer_, std::numeric_limits<uint32_t>::max());
        if (got < 0) return false;
        if (got == 0) return true;
        if (!destination.Write(buffer_.data(), static_cast<uint32_t>(got))) return false;
        document_.Events().BlockOperation(progress(inserted));
        inserted += got;
        if (document_.IsIdle()) return true;
    }
}

bool EditCommands::SkipSelectionAndFinish(WaveFile& destination, WaveFile& source, Status code) {
    const DocState& state = State();
    // An inverted selection holds nothing to skip: the source never moves back.
    if (state.selected) source.Seek(static_cast<uint32_t>(std::max(state.SelectEnd(), state.SelectStart())));
    return frame_.Finish(destination, source, code);
}

void EditCommands::Paste() {
    if (!CanEdit()) return;
    document_.ClearError();
    WaveFile clip;
    if (!OpenClipboard(clip)) return;
    if (!frame_.Fits(State().selected ? State().SelectedBytes() : 0, clip.DataSize())) {
        clip.Close();
        return;
    }
    const uint32_t block = FrameBlockBytes(document_.FileBufferSize(), OneSecondBytes(), clip.DataSize());
    WaveFile destination, source;
    if (!frame_.Begin(destination, source, Status::Paste)) {
        clip.Close();
        return;
    }
    if (!TryAllocate(buffer_, size_t{block} + 1024)) {
        clip.Close();
        frame_.Discard(destination, source);
        return;
    }
    document_.SetStatus(Status::Paste);
    auto read = [&](std::vector<uint8_t>& buffer, uint32_t) { return clip.Read(buffer.data(), block); };
    auto progress = [&](int64_t) {
        return Percent(double(source.Position()) + clip.Position(), double(source.DataSize()) + clip.DataSize());
    };
    const bool inserted = Insert(destination, read, progress);
    document_.SetStatus(Status::Idle);
    clip.Close();
    if (!inserted) return frame_.Discard(destination, source);
    SkipSelectionAndFinish(destination, source, Status::Paste);
}

bool EditCommands::OpenDecoder(const std::string& fileName, Decoder& decoder) {
    if (ClassRegistry* registry = document_.Components().registry) {
        decoder.file = registry->Create<IVeskAudioFile>(kVeskAudioFileName);
    }
    if (!decoder.file) return false;
    decoder.file->ConfigureInstance(1);
    Bstr name(fileName);
    decoder.file->OpenForDecoding(name.get(), 0, 1);
    int32_t error = 0;
    decoder.file->GetLastError(&error);
    document_.SetError(error);
    if (error != 0) {
        decoder.file.reset();
        document_.ReportError();
        return false;
    }
    decoder.file->SetInputFormat(document_.Frequency(), document_.Channels());
    int32_t frames = 0;
    decoder.file->GetLength(&frames);
    decoder.announcedBytes = int64_t{frames} * 2 * document_.Channels();
    return true;
}

int32_t EditCommands::ReadDecoded(IVeskAudioFile& file, std::vector<uint8_t>& buffer, uint32_t maxBytes) {
    SafeArrayPtr block;
    file.ReadBlock(document_.Frequency(), block.put());
    const std::span<int16_t> samples = block.shorts();
    if (samples.size() < 2) return 0;
    const auto bytes = static_cast<uint32_t>(std::min<uint64_t>(samples.size_bytes(), maxBytes));
    if (buffer.size() < bytes && !TryAllocate(buffer, bytes)) return -1;
    std::memcpy(buffer.data(), samples.data(), bytes);
    return static_cast<int32_t>(bytes);
}

void EditCommands::PasteFromFile(const std::string& fileName) {
    if (!CanEdit()) return;
    document_.ClearError();
    Decoder decoder;
    if (!OpenDecoder(fileName, decoder)) return;
    WaveFile destination, source;
    if (!frame_.Begin(destination, source, Status::PasteFromFile)) return;
    document_.SetStatus(Status::PasteFromFile);
    auto read = [&](std::vector<uint8_t>& buffer, uint32_t maxBytes) {
        return ReadDecoded(*decoder.file, buffer, maxBytes);
    };
    auto progress = [&](int64_t inserted) {
        return Percent(double(inserted) + source.Position(), double(decoder.announcedBytes) + source.DataSize());
    };
    const bool inserted = Insert(destination, read, progress);
    document_.SetStatus(Status::Idle);
    decoder.file->CloseFile();
    if (inserted) {
        SkipSelectionAndFinish(destination, source, Status::PasteFromFile);
    } else {
        frame_.Discard(destination, source);
    }
    document_.ReportError();
}

// ---- Mixing ----

bool EditCommands::MixInto(WaveFile& destination, WaveFile& source, int64_t mixEnd, const Reader& read, double a,
                           double b) {
    const int64_t block = OneSecondBytes();
    while (!document_.IsIdle()) {
        const auto count = static_cast<uint32_t>(std::clamp<int64_t>(mixEnd - source.Position(), 0, block));
        const int32_t clipGot = read(second_, count);
        if (clipGot < 0) return false;
        if (clipGot == 0) break;
        const int32_t got = source.Read(buffer_.data(), static_cast<uint32_t>(clipGot));
        if (got < 0) return false;
        if (got == 0) break;
        MixSaturating(Samples(buffer_, got), Samples(second_, clipGot), a, b);
        if (!destination.Write(buffer_.data(), static_cast<uint32_t>(got))) return false;
        document_.Events().BlockOperation(Percent(source.Position(), source.DataSize()));
    }
    return true;
}

int64_t EditCommands::MixEnd() {
    const DocState& state = State();
    return state.selected ? state.SelectEnd() : state.totalBytes;
}

bool EditCommands::AllocateMixBuffers() {
    const size_t bytes = size_t{OneSecondBytes()} + 1024;
    return TryAllocate(buffer_, bytes) && TryAllocate(second_, bytes);
}

void EditCommands::Mix(float amplifySelectPercent, float amplifyPastePercent) {
    if (!CanEdit()) return;
    document_.ClearError();
    const int64_t mixEnd = MixEnd();
    WaveFile clip;
    if (!OpenClipboard(clip)) return;
    WaveFile destination, source;
    if (!frame_.Begin(destination, source, Status::Mix)) {
        clip.Close();
        return;
    }
    bool mixed = AllocateMixBuffers();
    if (mixed) {
        document_.SetStatus(Status::Mix);
        auto read = [&](std::vector<uint8_t>& buffer, uint32_t bytes) { return clip.Read(buffer.data(), bytes); };
        mixed = MixInto(destination, source, mixEnd, read, amplifySelectPercent / 100.0, amplifyPastePercent / 100.0);
    }
    document_.SetStatus(Status::Idle);
    clip.Close();
    if (!mixed) return frame_.Discard(destination, source);
    frame_.Finish(destination, source, Status::Mix);
}

void EditCommands::MixFromFile(float amplifySelectPercent, const std::string& fileName, float amplifyPastePercent) {
    if (!CanEdit()) return;
    document_.ClearError();
    Decoder decoder;
    if (!OpenDecoder(fileName, decoder)) return;
    const int64_t mixEnd = MixEnd();
    WaveFile destination, source;
    if (!frame_.Begin(destination, source, Status::Mix)) return;
    bool mixed = AllocateMixBuffers();
    if (mixed) {
        document_.SetStatus(Status::Mix);
        auto read = [&](std::vector<uint8_t>& buffer, uint32_t bytes) {
            return ReadDecoded(*decoder.file, buffer, bytes);
        };
        mixed = MixInto(destination, source, mixEnd, read, amplifySelectPercent / 100.0, amplifyPastePercent / 100.0);
    }
    document_.SetStatus(Status::Idle);
    decoder.file->CloseFile();
    if (mixed) {
        frame_.Finish(destination, source, Status::Mix);
    } else {
        frame_.Discard(destination, source);
    }
    document_.ReportError();
}

// ---- Delete, silence and arrays ----

void EditCommands::DeleteSelect() {
    if (!CanEditSelection()) return;
    document_.ClearError();
    WaveFile destination, source;
    if (!frame_.Begin(destination, source, Status::DeleteSelect)) return;
    SkipSelectionAndFinish(destination, source, Status::DeleteSelect);
}

bool EditCommands::WriteSilence(WaveFile& destination, int64_t bytes) {
    const auto chunk = static_cast<uint32_t>(std::min<int64_t>(bytes, kSilenceChunkBytes));
    if (!TryAllocate(buffer_, chunk)) return false;
    std::fill(buffer_.begin(), buffer_.begin() + chunk, uint8_t{0});
    for (int64_t left = bytes; left > 0; left -= chunk) {
        if (!destination.Write(buffer_.data(), static_cast<uint32_t>(std::min<int64_t>(left, chunk)))) return false;
    }
    return true;
}

void EditCommands::InsertSilence(int32_t milliseconds) {
    if (!CanEdit()) return;
    document_.ClearError();
    const auto frames = static_cast<int64_t>(document_.Frequency() * (std::max(milliseconds, 0) / 1000.0));
    const int64_t bytes = frames * 2 * document_.Channels();
    if (!frame_.Fits(State().selected ? State().SelectedBytes() : 0, bytes)) return;
    WaveFile destination, source;
    if (!frame_.Begin(destination, source, Status::InsertSilence)) return;
    document_.SetStatus(Status::InsertSilence);
    const bool written = WriteSilence(destination, bytes);
    document_.SetStatus(Status::Idle);
    if (!written) return frame_.Discard(destination, source);
    if (!SkipSelectionAndFinish(destination, source, Status::InsertSilence)) return;
    // The inserted silence is selected even when nothing was selected before.
    document_.History().Current()->selected = 1;
    document_.Display().Redraw();
}

SAFEARRAY* EditCommands::GetSelectionArray() {
    if (!CanEditSelection()) return nullptr;
    document_.ClearError();
    const DocState& state = State();
    document_.SetStatus(Status::Copying);
    WaveFile file;
    SAFEARRAY* result = nullptr;
    if (file.Open(state.filePath, WaveMode::Read)) {
        const int32_t start = state.SelectStart();
        const auto length = static_cast<uint32_t>(state.SelectedBytes());
        file.Seek(static_cast<uint32_t>(start));
        SafeArrayPtr samples(SafeArrayCreateVector(VT_I2, 0, length / 2));
        const int32_t got = samples.get() ? file.Read(samples.shorts().data(), length / 2 * 2) : 0;
        const uint32_t whole = got > 0 ? static_cast<uint32_t>(got) / 2 : 0;
        if (samples.get() && whole < samples.size()) {
            SAFEARRAYBOUND bound{whole, 0};
            SafeArrayRedim(samples.get(), &bound);
        }
        file.Close();
        result = samples.Detach();
    }
    document_.SetStatus(Status::Idle);
    return result;
}

void EditCommands::PutSampleArray(SAFEARRAY* samples) {
    const std::span<int16_t> values = SafeArraySpan<int16_t>(samples, VT_I2);
    if (!CanEdit() || values.empty()) return;
    document_.ClearError();
    WaveFile destination, source;
    if (!frame_.Begin(destination, source, kArrayInsert)) return;
    document_.SetStatus(Status::Copying);
    const bool written = destination.Write(values.data(), static_cast<uint32_t>(values.size_bytes()));
    document_.SetStatus(Status::Idle);
    if (!written) return frame_.Discard(destination, source);
    SkipSelectionAndFinish(destination, source, kArrayInsert);
}

}  // namespace vesk
