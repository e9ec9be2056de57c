// map-watch RUNS PROGRAM [ARGUMENTS...]: starts PROGRAM RUNS times and measures each start as a
// user sees it: from fork to the first MapNotify of a top-level window on the X server, the
// wall time and the processor time all its threads had used by then (from schedstat, which is
// steady on a busy machine). Prints the median of each, in milliseconds, and then the resident
// memory of one more run, in KiB, 1.5 s after its start.
#include <X11/Xlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

double processorMs(pid_t pid)
{
    double total = 0;
    std::error_code error;
    for (const auto &task :
         std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task", error)) {
        unsigned long long ns = 0;
        if (std::ifstream(task.path() / "schedstat") >> ns)
            total += ns / 1e6;
    }
    return total;
}

long residentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string word; status >> word;) {
        if (word == "VmRSS:") {
            long kib = 0;
            status >> kib;
            return kib;
        }
    }
    return -1;
}

pid_t start(char **command)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::setpgid(0, 0);
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, 1);
        ::dup2(null, 2);
        ::execvp(command[0], command);
        ::_exit(127);
    }
    return pid;
}

void stop(pid_t pid)
{
    ::kill(-pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    // A server just started on a loaded machine may take a moment to answer.
    Display *display = nullptr;
    for (int attempt = 0; argc > 2 && display == nullptr && attempt < 50; ++attempt) {
        display = XOpenDisplay(nullptr);
        if (display == nullptr)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    if (display == nullptr) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM [ARGUMENTS...], with a display\n", argv[0]);
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    std::vector<double> wall, processor;
    for (int run = 0; run < std::atoi(argv[1]); ++run) {
        XSync(display, True);
        const auto t0 = Clock::now();
        const pid_t pid = start(argv + 2);
        for (;;) {
            while (!XPending(display)) {
                if (::waitpid(pid, nullptr, WNOHANG) == pid ||
                    Clock::now() - t0 > std::chrono::seconds(10)) {
                    std::fprintf(stderr, "%s: no window was mapped\n", argv[2]);
                    return 1;
                }
                std::this_thread::sleep_for(std::chrono::microseconds(500));
            }
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect)
                break;
        }
        wall.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
        processor.push_back(processorMs(pid));
        stop(pid);
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    const pid_t pid = start(argv + 2);
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    const long resident = residentKiB(pid);
    stop(pid);
    std::printf("%.1f %.1f %ld\n", median(wall), median(processor), resident);
    return 0;
}
