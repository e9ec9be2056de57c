#pragma once

#include <QString>

namespace sheets {

// Locks the calling process down for decoding files it cannot trust, for good: no new files,
// sockets, programs or executable memory (such calls fail with an error instead), no signals
// to other processes, no more memory than it has now plus `memoryBytes`, no core dumps, and a
// lifetime's processor budget. Each limit is the lower of what is wanted and what the process
// inherited, so a tighter `ulimit` still leaves a sandbox. Returns what failed, or nothing.
QString lockDown(long long memoryBytes);

} // namespace sheets
