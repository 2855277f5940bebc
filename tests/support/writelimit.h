// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <csignal>
#include <sys/resource.h>

namespace vennor::test {

// While it lives, every write of this process beyond the given file size fails (EFBIG): a real
// fault of the file layer, which holds even for root, unlike a read-only file or folder.
class WriteLimit
{
public:
    explicit WriteLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN); // fail the write rather than end the process
        getrlimit(RLIMIT_FSIZE, &old_);
        const rlimit limit{bytes, old_.rlim_max};
        active_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~WriteLimit() { setrlimit(RLIMIT_FSIZE, &old_); }
    WriteLimit(const WriteLimit&) = delete;
    WriteLimit& operator=(const WriteLimit&) = delete;

    bool active() const { return active_; } // tests skip when the limit could not be set

private:
    rlimit old_{};
    bool active_ = false;
};

} // namespace vennor::test
