#pragma once

#include <chrono>
#include <cstdint>

// The time for the recovery copies: when one is due, and the time a copy records. Milliseconds
// since 1970 (UTC), so that a copy's time can be set beside its document file's. Tests pass a
// clock they move by hand.
class RecoveryClock {
public:
    virtual ~RecoveryClock() = default;
    virtual std::int64_t NowMs() const = 0;
};

// The system's clock.
class SystemRecoveryClock final : public RecoveryClock {
public:
    std::int64_t NowMs() const override {
        using namespace std::chrono;
        return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    }
};
