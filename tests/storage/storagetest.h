#pragma once

#include "storage/fields.h"

#include <QFile>
#include <QStringList>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

// What the storage tests share: whole files as bytes, a text's fields, and a write fault
// (POSIX only, like the pty the modem tests use).
namespace vennor::test {

inline QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void put(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

inline QStringList fieldsOf(const QString& text)
{
    QStringList fields;
    FieldReader reader(text);
    while (const auto field = reader.next()) {
        fields << *field;
    }
    return fields;
}

// While it lives, every write of this process beyond the given file size fails (EFBIG): a
// real fault of the file layer, which holds even for root, unlike a read-only folder.
struct FileSizeLimit
{
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN); // fail the write rather than end the process
        getrlimit(RLIMIT_FSIZE, &old);
        const rlimit limit{bytes, old.rlim_max};
        active = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old); }

    rlimit old{};
    bool active = false; // the test should skip when the limit could not be set
};

} // namespace vennor::test
