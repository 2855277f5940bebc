#include "writelimit.h"

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

namespace vennor::test {

#ifdef Q_OS_UNIX
WriteLimit::WriteLimit(qint64 bytes)
{
    std::signal(SIGXFSZ, SIG_IGN); // fail the write instead of ending the process
    rlimit limit{};
    if (getrlimit(RLIMIT_FSIZE, &limit) != 0) {
        return;
    }
    oldLimit_ = limit.rlim_cur;
    limit.rlim_cur = rlim_t(bytes);
    active_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

WriteLimit::~WriteLimit()
{
    if (active_) {
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = rlim_t(oldLimit_);
        setrlimit(RLIMIT_FSIZE, &limit);
    }
}
#else
WriteLimit::WriteLimit(qint64) {}
WriteLimit::~WriteLimit() = default;
#endif

} // namespace vennor::test
