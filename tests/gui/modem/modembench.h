// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/modem/eventwait.h"
#include "gui/sharedstate.h"
#include "support/fakemodem.h"
#include "support/messagelog.h"
#include "support/modaldriver.h"
#include "support/tempfolders.h"

#include <QFile>
#include <QTest>
#include <linux/capability.h>
#include <map>
#include <memory>
#include <sys/syscall.h>
#include <unistd.h>
#include <utility>

namespace vennor::test {

inline void pointPort(int port, const QString& device)
{
    qputenv(("VENNOR_COM" + QByteArray::number(port)).constData(), device.toLocal8Bit());
}

// What every modem test needs: temporary folders, short waits (a test may lengthen one),
// answered message boxes; every port points nowhere again afterwards.
struct ModemBench
{
    explicit ModemBench(const QStringList& settings = {})
    {
        if (!settings.isEmpty()) {
            folders.writeSettings(settings);
        }
    }
    ~ModemBench()
    {
        modemWaits() = savedWaits;
        for (int port = 1; port <= 10; ++port) {
            pointPort(port, QStringLiteral("/nonexistent/vennor-port-%1").arg(port));
        }
    }
    // Ports 1, 2, ... one letter each: o answers, s is silent, d lacks rights, - is missing.
    std::map<int, std::unique_ptr<FakeModem>> plug(const QString& ports)
    {
        std::map<int, std::unique_ptr<FakeModem>> modems;
        for (int port = 1; port <= ports.size(); ++port) {
            const QChar kind = ports.at(port - 1);
            if (kind == 'd') {
                QFile device(folders.root() + QStringLiteral("/tty%1").arg(port));
                device.open(QIODevice::WriteOnly) && device.setPermissions({});
                pointPort(port, device.fileName());
            } else if (kind != '-') {
                auto reply = kind == 'o' ? FakeModem::Reply::Ok : FakeModem::Reply::Silent;
                pointPort(port, (modems[port] = std::make_unique<FakeModem>(reply))->path());
            }
        }
        return modems;
    }

    ModemWaits savedWaits = std::exchange(
        modemWaits(), {std::chrono::milliseconds(500), std::chrono::milliseconds(30)});
    TempFolders folders;
    MessageLog log;
    SharedState state;
};

// Takes away, while it lives, root's privilege of ignoring file permissions.
struct NoFileAccessOverride
{
    NoFileAccessOverride() { ok = syscall(SYS_capget, &head, caps) == 0 && set(0); }
    ~NoFileAccessOverride() { ok = ok && set(caps[0].permitted & kOverrides); }
    bool set(unsigned overrides)
    {
        caps[0].effective = (caps[0].effective & ~kOverrides) | overrides;
        return syscall(SYS_capset, &head, caps) == 0;
    }

    static constexpr unsigned kOverrides = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);
    __user_cap_header_struct head{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct caps[2]{};
    bool ok = false;
};

} // namespace vennor::test
