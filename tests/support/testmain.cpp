// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "testregistry.h"

#include <QApplication>
#include <QMetaMethod>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace vennor::test {
namespace {

struct Entry
{
    const char* name;
    TestFactory factory;
};

std::vector<Entry>& registry()
{
    static std::vector<Entry> entries;
    return entries;
}

// No test may ever open a real serial device of the machine it runs on.
void pointPortsNowhere()
{
    for (int port = 1; port <= 10; ++port) {
        const QByteArray name = "VENNOR_COM" + QByteArray::number(port);
        qputenv(name.constData(), "/nonexistent/vennor-port-" + QByteArray::number(port));
    }
}

} // namespace

bool registerTest(const char* name, TestFactory factory)
{
    registry().push_back({name, std::move(factory)});
    return true;
}

} // namespace vennor::test

namespace {

bool isTestFunction(const QMetaMethod& method)
{
    static const QStringList fixtures{"initTestCase", "cleanupTestCase", "init", "cleanup"};
    const QString name = QString::fromLatin1(method.name());
    return method.methodType() == QMetaMethod::Slot && method.access() == QMetaMethod::Private &&
           method.parameterCount() == 0 && !name.endsWith(QLatin1String("_data")) &&
           !fixtures.contains(name);
}

// QTest's own -functions ends the process after the first class: every class is listed here.
void listFunctions(const char* className, const QObject& test)
{
    const QMetaObject* meta = test.metaObject();
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        if (isTestFunction(meta->method(i))) {
            std::printf("%s::%s()\n", className, meta->method(i).name().constData());
        }
    }
}

} // namespace

// Usage: test_x [-class Name] [QTest arguments...]; -functions lists every class's functions.
int main(int argc, char** argv)
{
    using vennor::test::registry;
    vennor::test::pointPortsNowhere();
    QApplication app(argc, argv);
    QStringList args = app.arguments();
    QString only;
    if (args.size() > 2 && args.at(1) == QLatin1String("-class")) {
        only = args.at(2);
        args.remove(1, 2);
    }
    const auto named = std::find_if(registry().cbegin(), registry().cend(), [&](const auto& entry) {
        return only == QLatin1String(entry.name);
    });
    if (!only.isEmpty() && named == registry().cend()) {
        std::fprintf(stderr, "No test class is called %s. The classes are:\n", qPrintable(only));
        for (const auto& entry : registry()) {
            std::fprintf(stderr, "  %s\n", entry.name);
        }
        return 2;
    }
    const bool listing = args.contains(QLatin1String("-functions"));
    int failures = 0;
    for (const auto& entry : registry()) {
        if (!only.isEmpty() && only != QLatin1String(entry.name)) {
            continue;
        }
        auto object = entry.factory();
        if (listing) {
            listFunctions(entry.name, *object);
        } else {
            failures += QTest::qExec(object.get(), args);
        }
    }
    return failures == 0 ? 0 : 1;
}
