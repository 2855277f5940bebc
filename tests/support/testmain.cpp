#include "testregistry.h"

#include <QApplication>
#include <QTest>
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

// Usage: test_x [-class Name] [QTest arguments...]
int main(int argc, char** argv)
{
    vennor::test::pointPortsNowhere();
    QApplication app(argc, argv);
    QStringList args = app.arguments();
    QString only;
    if (args.size() > 2 && args.at(1) == QLatin1String("-class")) {
        only = args.at(2);
        args.remove(1, 2);
    }
    int failures = 0;
    for (const auto& entry : vennor::test::registry()) {
        if (!only.isEmpty() && only != QLatin1String(entry.name)) {
            continue;
        }
        auto object = entry.factory();
        failures += QTest::qExec(object.get(), args);
    }
    return failures == 0 ? 0 : 1;
}
