#include "Sandbox.h"

#include "SheetLimits.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sched.h>
#include <seccomp.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define PROPSCOPE_SHADOW_MEMORY 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define PROPSCOPE_SHADOW_MEMORY 1
#endif
#endif

namespace sheets {

namespace {

constexpr rlim_t kLifetimeSeconds = 600;

// What decoding needs, and nothing that reaches outside the process: reading and writing
// descriptors it already holds, memory that is never executable, threads for Qt's scaling,
// time, and its replies. Calls with arguments that could reach out are allowed below, only
// with the arguments that cannot.
constexpr std::array kAllowed{
    SCMP_SYS(read),
    SCMP_SYS(readv),
    SCMP_SYS(pread64),
    SCMP_SYS(preadv),
    SCMP_SYS(preadv2),
    SCMP_SYS(lseek),
    SCMP_SYS(write),
    SCMP_SYS(writev),
    SCMP_SYS(pwrite64),
    SCMP_SYS(close),
    SCMP_SYS(dup),
    SCMP_SYS(fstat),
    SCMP_SYS(newfstatat),
    SCMP_SYS(statx),
    SCMP_SYS(munmap),
    SCMP_SYS(mremap),
    SCMP_SYS(madvise),
    SCMP_SYS(brk),
    SCMP_SYS(futex),
    SCMP_SYS(set_robust_list),
    SCMP_SYS(rseq),
    SCMP_SYS(sched_yield),
    SCMP_SYS(sched_getaffinity),
    SCMP_SYS(rt_sigprocmask),
    SCMP_SYS(rt_sigreturn),
    SCMP_SYS(sigaltstack),
    SCMP_SYS(clock_gettime),
    SCMP_SYS(clock_getres),
    SCMP_SYS(clock_nanosleep),
    SCMP_SYS(nanosleep),
    SCMP_SYS(gettimeofday),
    SCMP_SYS(getrusage),
    SCMP_SYS(getpid),
    SCMP_SYS(gettid),
    SCMP_SYS(getuid),
    SCMP_SYS(geteuid),
    SCMP_SYS(getgid),
    SCMP_SYS(getegid),
    SCMP_SYS(getrandom),
    SCMP_SYS(sendmsg),
    SCMP_SYS(recvmsg),
    SCMP_SYS(exit),
    SCMP_SYS(exit_group),
    SCMP_SYS(membarrier),
    // A thread's event dispatcher wakes itself through descriptors only the process holds.
    SCMP_SYS(eventfd2),
    SCMP_SYS(pipe2),
    SCMP_SYS(poll),
    SCMP_SYS(ppoll),
};

// Sets both bounds of `resource` to `wanted`, or to the inherited hard bound where that is lower.
bool limit(int resource, rlim_t wanted)
{
    rlimit bound{};
    if (::getrlimit(resource, &bound) != 0)
        return false;
    const rlim_t value = std::min(wanted, bound.rlim_max);
    bound = {value, value};
    return ::setrlimit(resource, &bound) == 0;
}

[[maybe_unused]] long long mappedBytes()
{
    long long pages = 0;
    if (std::FILE *statm = std::fopen("/proc/self/statm", "re")) {
        if (std::fscanf(statm, "%lld", &pages) != 1)
            pages = 0;
        std::fclose(statm);
    }
    return pages * ::sysconf(_SC_PAGESIZE);
}

// One condition on a system call's argument; libseccomp's own macros are C, not C++.
scmp_arg_cmp argument(unsigned int index, scmp_compare test, scmp_datum_t value,
                      scmp_datum_t compared = 0)
{
    return {index, test, value, compared};
}

QString filter()
{
    // Anything not allowed fails with EPERM: a reader that tries to open a file named in a
    // picture finds nothing there, and goes on.
    scmp_filter_ctx context = ::seccomp_init(SCMP_ACT_ERRNO(EPERM));
    if (context == nullptr)
        return QStringLiteral("seccomp is not available");
    int failed = 0;
    for (int call : kAllowed)
        failed |= ::seccomp_rule_add(context, SCMP_ACT_ALLOW, call, 0);
    // Threads, never processes; clone3's arguments cannot be looked at, so glibc is told it is
    // missing and falls back to clone.
    failed |= ::seccomp_rule_add(context, SCMP_ACT_ALLOW, SCMP_SYS(clone), 1,
                                 argument(0, SCMP_CMP_MASKED_EQ, CLONE_THREAD, CLONE_THREAD));
    failed |= ::seccomp_rule_add(context, SCMP_ACT_ERRNO(ENOSYS), SCMP_SYS(clone3), 0);
    // abort() signals its own thread; limits may be read, never changed.
    failed |= ::seccomp_rule_add(context, SCMP_ACT_ALLOW, SCMP_SYS(tgkill), 1,
                                 argument(0, SCMP_CMP_EQ, scmp_datum_t(::getpid())));
    failed |= ::seccomp_rule_add(context, SCMP_ACT_ALLOW, SCMP_SYS(prlimit64), 2,
                                 argument(0, SCMP_CMP_EQ, 0), argument(2, SCMP_CMP_EQ, 0));
    failed |= ::seccomp_rule_add(context, SCMP_ACT_ALLOW, SCMP_SYS(rt_sigaction), 0);
    // Memory is never made executable after start-up: every plugin is loaded by then.
    for (int call : {SCMP_SYS(mmap), SCMP_SYS(mprotect)})
        failed |= ::seccomp_rule_add(context, SCMP_ACT_ALLOW, call, 1,
                                     argument(2, SCMP_CMP_MASKED_EQ, PROT_EXEC, 0));
    // Descriptor flags, never an owner, a signal or a lease: those make the kernel signal
    // another process when a descriptor becomes ready; and no status flag but blocking or not,
    // so the window's pixel buffer stays as the window made it.
    for (int command : {F_GETFD, F_SETFD, F_GETFL, F_DUPFD_CLOEXEC})
        failed |= ::seccomp_rule_add(context, SCMP_ACT_ALLOW, SCMP_SYS(fcntl), 1,
                                     argument(1, SCMP_CMP_EQ, scmp_datum_t(command)));
    failed |= ::seccomp_rule_add(
        context, SCMP_ACT_ALLOW, SCMP_SYS(fcntl), 2, argument(1, SCMP_CMP_EQ, F_SETFL),
        argument(2, SCMP_CMP_MASKED_EQ, O_ASYNC | O_APPEND | O_DIRECT | O_NOATIME, 0));
    if (failed == 0)
        failed = ::seccomp_load(context);
    ::seccomp_release(context);
    return failed != 0 ? QStringLiteral("the seccomp filter could not be loaded: %1")
                             .arg(QString::fromLocal8Bit(std::strerror(-failed)))
                       : QString();
}

} // namespace

QString lockDown(long long memoryBytes)
{
    if (::prctl(PR_SET_DUMPABLE, 0) != 0 || !limit(RLIMIT_CORE, 0) ||
        !limit(RLIMIT_CPU, kLifetimeSeconds))
        return QStringLiteral("the process limits could not be set");
#ifndef PROPSCOPE_SHADOW_MEMORY // a sanitizer's shadow memory takes terabytes of address space
    if (!limit(RLIMIT_AS, rlim_t(mappedBytes() + memoryBytes)))
        return QStringLiteral("the memory limit could not be set");
#else
    Q_UNUSED(memoryBytes);
#endif
    return filter();
}

} // namespace sheets
