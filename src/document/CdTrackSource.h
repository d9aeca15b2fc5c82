// An audio CD track as a block source. The CD reader copies the whole track into a wave file
// (with up to three attempts, each more careful than the one before); the source then reads
// that copy in blocks and deletes it when it closes. The reader's own progress is the progress
// of the open.
//
// The track is named "<drive>/TrackNN.cda": the drive whose name is the directory part (drive 1
// when none matches), the track number from the sixth character of the file name on.
#pragma once

#include "components/CdReader.h"
#include "components/ComponentSink.h"
#include "components/VeskAudioFile.h"
#include "document/BlockSource.h"
#include "document/WaveFile.h"

namespace vesk {

class CdTrackSource final : public BlockSource, private ComponentSink::Handler {
public:
    // reader: a fresh reader (not nullptr). document and file outlive the source: the copy's
    // progress goes to the document's display, and the file component takes the track's format
    // as its output format when the copy becomes the document.
    CdTrackSource(ComPtr<ICdReader> reader, std::string fileName, Document& document, IVeskAudioFile* file);
    ~CdTrackSource() override;

    int32_t Open() override;
    SourceFormat Format() override;
    int32_t BlockBytes() const override { return 4 * kFrequency; }
    SafeArrayPtr Read(int32_t bytes) override;
    void Adopt(Document& document) override;
    void Close() override;
    int32_t WorkingFileError() const override { return 0; }
    bool ReportsOwnProgress() const override { return true; }

private:
    static constexpr int32_t kFrequency = 44100;
    static constexpr int32_t kChannels = 2;

    void SelectDrive();
    void OnComponentEvent(ComponentSink::Source source, DISPID id, const DISPPARAMS* params) override;

    ComPtr<ICdReader> reader_;
    std::string fileName_;
    Document& document_;
    IVeskAudioFile* file_;
    SinkConnection sink_;
    std::string copyPath_;  // the reader's copy of the track
    WaveFile copy_;
};

}  // namespace vesk
