#include "components/transform/DynamicsEffect.h"

#include <algorithm>

#include "components/transform/SampleMath.h"

namespace vesk {

DynamicsEffect::DynamicsEffect(Kind kind, double thresholdDb, double ratio, double rmsMilliseconds, double rateHz)
    : kind_(kind),
      thresholdDb_(Clamp(thresholdDb, kFloorDb, 0.0)),
      ratio_(Clamp(ratio, 1.0, 100.0)),
      detector_(MsToSamples(Clamp(rmsMilliseconds, 0.0, 10000.0), rateHz)) {}

double DynamicsEffect::GainDb(double levelDb) const {
    if (kind_ == Kind::kCompressor) {
        return levelDb > thresholdDb_ ? (thresholdDb_ - levelDb) * (1.0 - 1.0 / ratio_) : 0.0;
    }
    return levelDb < thresholdDb_ ? std::max((levelDb - thresholdDb_) * (ratio_ - 1.0), kFloorDb) : 0.0;
}

void DynamicsEffect::Process(std::span<int16_t> block, size_t begin, size_t end) {
    for (size_t i = begin; i < end; ++i) {
        const double levelDb = MeanSquareToDb(detector_.Push(block[i]));
        block[i] = ToSample(block[i] * DbToGain(GainDb(levelDb)));
    }
}

}  // namespace vesk
