#include "modemtesting.h"

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace vennor::test {
namespace {

struct Capabilities
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
};

bool readCapabilities(Capabilities& caps)
{
    return syscall(SYS_capget, &caps.header, caps.data) == 0;
}

bool writeCapabilities(Capabilities& caps)
{
    return syscall(SYS_capset, &caps.header, caps.data) == 0;
}

constexpr unsigned kOverrides = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);

} // namespace

PortMap::~PortMap()
{
    for (int port = 1; port <= 10; ++port) {
        const QByteArray name = "VENNOR_COM" + QByteArray::number(port);
        qputenv(name.constData(), "/nonexistent/vennor-port-" + QByteArray::number(port));
    }
}

void PortMap::set(int port, const QString& device)
{
    const QByteArray name = "VENNOR_COM" + QByteArray::number(port);
    qputenv(name.constData(), device.toLocal8Bit());
}

ShortWaits::ShortWaits(std::chrono::milliseconds probe, std::chrono::milliseconds dial)
    : saved_(modemWaits())
{
    modemWaits() = {probe, dial};
}

ShortWaits::~ShortWaits()
{
    modemWaits() = saved_;
}

NoFileAccessOverride::NoFileAccessOverride()
{
    Capabilities caps;
    if (!readCapabilities(caps)) {
        return;
    }
    if ((caps.data[0].effective & kOverrides) == 0) {
        ok_ = true;
        return;
    }
    caps.data[0].effective &= ~kOverrides;
    ok_ = changed_ = writeCapabilities(caps);
}

NoFileAccessOverride::~NoFileAccessOverride()
{
    Capabilities caps;
    if (changed_ && readCapabilities(caps)) {
        caps.data[0].effective |= caps.data[0].permitted & kOverrides;
        writeCapabilities(caps);
    }
}

} // namespace vennor::test
