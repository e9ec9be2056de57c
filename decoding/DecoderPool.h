#pragma once

#include "DecoderWire.h"
#include "SheetError.h"
#include "SheetLimits.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include <sys/types.h>

namespace sheets {

// Who asks: each has helpers of its own, so a gallery filling never holds up a choice.
enum class DecoderLane { Window, Viewer, Gallery };

// What a helper made of a sheet, or why it could not.
struct HelperResult {
    QImage image;
    SheetError error = SheetError::None;
    QString detail;
    QSize fullSize;
};

class DecoderProcess;

// The decoding helpers: processes of the program `program` that decode a sheet file passed to
// them within bounds the kernel enforces (processor time, memory, no files of their own), so
// that no file, however it is made, can crash, stall or exhaust the window. A helper that ends
// is replaced by a fresh one at the next request. Thread-safe.
class DecoderPool {
public:
    DecoderPool(const std::string &program, int galleryHelpers, int memoryMiB = kHelperMemoryMiB);
    ~DecoderPool();
    DecoderPool(const DecoderPool &) = delete;
    DecoderPool &operator=(const DecoderPool &) = delete;

    // Starts the window's helper now, without waiting for it to be ready.
    void start();
    // Asks a helper of `lane` and waits for its answer. None when no helper can run here (the
    // program is missing, or the kernel cannot lock it down): the caller decodes in-process.
    std::optional<HelperResult> decode(DecoderLane lane, int sheet, const WireRequest &request);
    // Ends the lane's helpers; requests waiting on them end at once.
    void stop(DecoderLane lane);
    // The running helpers' process ids.
    std::vector<pid_t> helpers(DecoderLane lane) const;

    // How long a helper may take, waiting included, before the window ends it.
    static constexpr std::chrono::milliseconds kGuard{3000};

private:
    struct Slot;
    Slot *checkOut(DecoderLane lane);
    void checkIn(Slot *slot);
    void sayUnavailable(const QString &why);

    std::vector<std::unique_ptr<Slot>> m_slots;
    mutable std::mutex m_mutex;
    std::condition_variable m_freed;
    std::atomic_bool m_unavailable = false;
};

} // namespace sheets
