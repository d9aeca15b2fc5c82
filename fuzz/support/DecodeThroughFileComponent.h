// Decodes a file the way the control does, through a fresh file component: open, optionally ask
// for a delivery format (the document's, as paste does), then read blocks until the component
// signals the end or `maxSamples` have come. Checks what every caller relies on and aborts when
// it does not hold: blocks are whole frames of one or two channels and never more than asked.
#pragma once

#include <cstdint>
#include <string>

namespace vesk::fuzz {

struct DecodeRequest {
    int32_t formatType = 0;    // FormatTypeConstants; 0 detects
    int32_t deliverHz = 0;     // 0: the source's own rate and channels
    int32_t deliverChannels = 0;
    int32_t blockBytes = 4096;
    int64_t maxSamples = 1 << 20;  // a cap on the work one input may cause
};

// Returns the number of samples delivered.
int64_t DecodeThroughFileComponent(const std::string& path, const DecodeRequest& request);

}  // namespace vesk::fuzz
