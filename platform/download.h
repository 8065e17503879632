#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace kalvex {

inline constexpr int kDownloadTimeoutMs = 20000;

struct DownloadRequest {
    std::string url;                    // https, or http to a loopback address
    int timeoutMs = kDownloadTimeoutMs; // for the whole transfer
    std::size_t maxBytes = 1024 * 1024; // a longer answer is refused
};

struct DownloadResult {
    std::string body;
    std::string error; // what failed, in words; empty on success and on cancel
    bool cancelled = false;

    bool Succeeded() const { return error.empty() && !cancelled; }
};

// Shown while a download runs; asked now and then whether the user gave up.
class IDownloadProgress {
public:
    virtual ~IDownloadProgress() = default;
    virtual void Received(std::int64_t bytes, std::int64_t total) = 0; // total -1 when unknown
    virtual bool CancelRequested() = 0;
};

class NullDownloadProgress final : public IDownloadProgress {
public:
    void Received(std::int64_t, std::int64_t) override {}
    bool CancelRequested() override { return false; }
};

} // namespace kalvex
