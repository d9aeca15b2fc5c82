// The clipboard of a process without a display: what was offered is kept here and fetched from
// here, so scripts and tests without a desktop exchange sound between controls all the same.
#pragma once

#include "platform/clipboard/ClipboardExchange.h"

namespace vesk {

class InProcessClipboard final : public ClipboardExchange {
public:
    bool Offer(std::vector<uint8_t> waveImage) override;
    std::optional<std::vector<uint8_t>> Fetch() override;
    void Clear() override;

private:
    std::optional<std::vector<uint8_t>> image_;
};

}  // namespace vesk
