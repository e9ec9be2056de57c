#pragma once

namespace sheets {

// Who asks for a sheet's pixels. Each asker has helpers of its own, so that a gallery filling
// never holds up a choice; the gallery and adding sheets share theirs. Preload is the window
// reading ahead the entries beside a choice, so that the next key finds its sheet ready.
enum class Requester { Window, Viewer, Import, Gallery, Preload };

// The order in which waiting requests are served, the lowest first: what the user waits for in
// the window, then what an open viewer shows, then a check of a file being added, then tiles.
constexpr int priorityOf(Requester requester)
{
    switch (requester) {
    case Requester::Window:
        return 0;
    case Requester::Viewer:
        return 1;
    case Requester::Import:
        return 2;
    case Requester::Gallery:
        return 3;
    case Requester::Preload:
        return 4;
    }
    return 4;
}

} // namespace sheets
