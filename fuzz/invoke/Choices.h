// Where the Invoke harness takes its decisions from: the bytes of a fuzzer's input, or a seeded
// generator for the sweep in the test suite. The same harness code serves both, so a call the
// sweep makes is one the fuzzer can make too.
#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <span>

namespace vesk::fuzz {

class Choices {
public:
    virtual ~Choices() = default;
    // A number in [0, bound); 0 when bound is 0.
    virtual uint32_t Below(uint32_t bound) = 0;
    virtual uint64_t Bits64() = 0;
    // True when there is nothing left to decide by (a fuzzer's input is used up).
    virtual bool Exhausted() const = 0;

    bool OneIn(uint32_t n) { return Below(n) == 0; }
    template <class T, size_t N>
    const T& From(const T (&items)[N]) {
        return items[Below(N)];
    }
};

// Decisions read from the input: as few bytes as the bound needs, little-endian; zeros once
// the bytes run out, so that every input is a complete script.
class ByteChoices final : public Choices {
public:
    explicit ByteChoices(std::span<const uint8_t> bytes) : bytes_(bytes) {}
    uint32_t Below(uint32_t bound) override;
    uint64_t Bits64() override;
    bool Exhausted() const override { return at_ >= bytes_.size(); }

private:
    uint64_t Take(size_t count);

    std::span<const uint8_t> bytes_;
    size_t at_ = 0;
};

class SeededChoices final : public Choices {
public:
    explicit SeededChoices(uint64_t seed) : engine_(seed) {}
    uint32_t Below(uint32_t bound) override {
        return bound == 0 ? 0 : static_cast<uint32_t>(engine_() % bound);
    }
    uint64_t Bits64() override { return engine_(); }
    bool Exhausted() const override { return false; }

private:
    std::mt19937_64 engine_;
};

}  // namespace vesk::fuzz
