#pragma once

#include <QtGlobal>

namespace vennor::test {

// Makes every file write of this process beyond the given size fail while it lives: an
// unwritable phone book even for root, who may write read-only files.
class WriteLimit
{
public:
    explicit WriteLimit(qint64 bytes);
    ~WriteLimit();
    WriteLimit(const WriteLimit&) = delete;
    WriteLimit& operator=(const WriteLimit&) = delete;

    bool active() const { return active_; }

private:
    bool active_ = false;
    quint64 oldLimit_ = 0;
};

} // namespace vennor::test
