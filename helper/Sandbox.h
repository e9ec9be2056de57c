#pragma once

#include <QString>

#include <ctime>

namespace sheets {

// Locks the calling process down for decoding files it cannot trust, for good: no new files,
// sockets or programs (such calls fail with an error instead), no more memory than it has now
// plus `memoryBytes`, no core dumps, and a lifetime's processor budget. Returns what failed,
// or nothing.
QString lockDown(long long memoryBytes);

// The processor time one request may take: past it the kernel ends the process.
class ProcessorBudget {
public:
    ProcessorBudget();
    ~ProcessorBudget();
    ProcessorBudget(const ProcessorBudget &) = delete;
    ProcessorBudget &operator=(const ProcessorBudget &) = delete;

    bool isValid() const { return m_valid; }
    void arm();
    void disarm();
    // Whether the lifetime's budget is nearly spent, so that the process should make way for a
    // fresh one rather than be ended in the middle of a request.
    static bool nearlySpent();

private:
    timer_t m_timer{};
    bool m_valid = false;
};

} // namespace sheets
