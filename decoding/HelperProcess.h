#pragma once

#include "DecodeRequest.h"
#include "DecodeResult.h"
#include "FileDescriptor.h"

#include <QString>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include <sys/types.h>

namespace sheets {

// How one decoding helper is started and bounded.
struct HelperLimits {
    std::string program;
    int memoryMiB = kHelperMemoryMiB;
    std::chrono::milliseconds processorPerSheet{kHelperMillisecondsPerSheet};
};

// Why no helper could be had for a request.
struct HelperFailure {
    QString why;                // empty: the request was given up on
    bool cannotRunHere = false; // the program is missing, or the kernel cannot lock it down
};

// One decoding helper process and the socket to it. Owned and used by one thread alone, the
// service's worker; only pid() may be read from elsewhere. The helper's answers are believed
// only as far as they can be checked, and it is held to its processor time from here, by its
// processor clock, where it cannot switch the bound off.
class HelperProcess {
public:
    explicit HelperProcess(HelperLimits limits);
    ~HelperProcess();
    HelperProcess(const HelperProcess &) = delete;
    HelperProcess &operator=(const HelperProcess &) = delete;

    // Starts the helper when none runs and waits until it is locked down; false, with
    // `failure` said, when it cannot be had.
    bool start(const std::function<bool()> &interrupted, HelperFailure *failure);
    // The helper's answer to `request` for the sheet open as `sheet`. None, with `failure` said,
    // when no helper can be had, or when `interrupted` said to stop.
    std::optional<DecodeResult> ask(int sheet, const DecodeRequest &request,
                                    const std::function<bool()> &interrupted,
                                    HelperFailure *failure);
    // Ends the helper, if one runs.
    void end();
    pid_t pid() const { return m_pid.load(); }

    // How long a helper may take, waiting included, before it is ended: one blocked without
    // spending processor time.
    static constexpr std::chrono::milliseconds kWallGuard{5000};

private:
    class PixelBuffer;
    bool spawn(HelperFailure *failure);
    int reap();
    std::optional<std::chrono::nanoseconds> processorTime() const;
    DecodeResult answer(const struct WireReply &reply, const DecodeRequest &request);
    DecodeResult brokeProtocol(const QString &what);

    const HelperLimits m_limits;
    std::atomic<pid_t> m_pid = -1;
    FileDescriptor m_socket;
    std::unique_ptr<PixelBuffer> m_pixels; // made with the first helper
    bool m_greeted = false;
    std::uint64_t m_lastId = 0;
};

// How a helper that ended by itself ended, in the reasons a user reads.
DecodeResult helperEnded(int status);

} // namespace sheets
