#pragma once

#include <QtGlobal>

namespace vennor::test {

// Makes every write of this process beyond the given file size fail (EFBIG) while it lives:
// a real fault of the file layer, which holds even for root, unlike a read-only folder.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(qint64 bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    // False where the platform has no such limit; the test should then skip.
    bool active() const { return active_; }

private:
    bool active_ = false;
    quint64 oldLimit_ = 0;
};

} // namespace vennor::test
