#pragma once

#include "modem/eventwait.h"
#include "storage/sharedstate.h"
#include "support/messagelog.h"
#include "support/tempfolders.h"

#include <QString>
#include <chrono>

namespace vennor::test {

// Points ports at devices for the life of the object; every port goes back to a path that
// does not exist afterwards.
class PortMap
{
public:
    PortMap() = default;
    ~PortMap();
    PortMap(const PortMap&) = delete;
    PortMap& operator=(const PortMap&) = delete;

    void set(int port, const QString& device);
};

// Shortens the modem waits for the life of the object.
class ShortWaits
{
public:
    explicit ShortWaits(std::chrono::milliseconds probe = std::chrono::milliseconds(500),
                        std::chrono::milliseconds dial = std::chrono::milliseconds(30));
    ~ShortWaits();
    ShortWaits(const ShortWaits&) = delete;
    ShortWaits& operator=(const ShortWaits&) = delete;

private:
    ModemWaits saved_;
};

// Takes away, for the life of the object, the privilege of ignoring file permissions (held
// when the tests run as root), so that a file without rights cannot be opened.
class NoFileAccessOverride
{
public:
    NoFileAccessOverride();
    ~NoFileAccessOverride();
    NoFileAccessOverride(const NoFileAccessOverride&) = delete;
    NoFileAccessOverride& operator=(const NoFileAccessOverride&) = delete;

    bool ok() const { return ok_; }

private:
    bool ok_ = false;
    bool changed_ = false;
};

// What every window test of the modem needs: temporary folders, ports pointing nowhere,
// short waits (a test may lengthen one through modemWaits()), answered message boxes.
struct ModemBench
{
    TempFolders folders;
    PortMap ports;
    ShortWaits waits;
    MessageLog log;
    SharedState state;
};

} // namespace vennor::test
