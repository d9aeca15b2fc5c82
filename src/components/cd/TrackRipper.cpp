#include "components/cd/TrackRipper.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "components/ComponentErrors.h"
#include "components/cd/CdWaveWriter.h"

namespace vesk {
namespace {

int32_t CopySectors(CdSectorSource& source, const CdTrackSpan& track, CdWaveWriter& writer,
                    const TrackRipper::Progress& progress) {
    if (!source.Start(track.firstSector)) return component_error::kAspiDriver;
    std::vector<int16_t> samples;
    int32_t lastPercent = -1;
    for (int32_t done = 0; done < track.sectorCount;) {
        int32_t count = std::min(TrackRipper::kSectorsPerRead, track.sectorCount - done);
        samples.resize(static_cast<size_t>(count) * CdSectorSource::kSamplesPerSector);
        if (!source.Read(samples.data(), count)) return component_error::kAspiDriver;
        if (!writer.Append(samples)) return component_error::kFileAccess;
        done += count;
        int32_t percent = static_cast<int32_t>(int64_t{done} * 100 / track.sectorCount);
        if (percent > lastPercent && progress) progress(percent);
        lastPercent = percent;
    }
    return component_error::kNone;
}

}  // namespace

int32_t TrackRipper::Rip(CdSectorSource& source, const CdTrackSpan& track, const std::string& path,
                         const Progress& progress) {
    CdWaveWriter writer;
    if (!writer.Create(path)) return component_error::kFileAccess;
    int32_t error = CopySectors(source, track, writer, progress);
    if (error == component_error::kNone && !writer.Finish()) error = component_error::kFileAccess;
    if (error != component_error::kNone) {
        writer.Abandon();
        std::remove(path.c_str());
    }
    return error;
}

}  // namespace vesk
