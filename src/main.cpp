// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/callwatchcommand.h"
#include "cli/commandline.h"
#include "cli/standardstreams.h"
#include "gui/instancechannel.h"
#include "gui/mainwindow/mainwindow.h"
#include "gui/programstart.h"
#include "gui/sessionstate.h"
#include "gui/sharedstate.h"
#include "gui/sync/synccontroller.h"
#include "gui/translations.h"
#include "platform/display.h"
#include "platform/terminal.h"
#include "widgets/focusreturn.h"
#include "widgets/messagebox.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>

namespace {

QStringList argumentsOf(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    return arguments;
}

int printAndEnd(int status, const QString& message)
{
    if (!message.isEmpty()) { // --calls with no calls prints nothing, not a blank line
        std::fprintf(status == 0 ? stdout : stderr, "%s\n", qPrintable(message));
    }
    return vennor::app::statusAfterOutput(status);
}

} // namespace

int main(int argc, char** argv)
{
    using namespace vennor;
    app::describeApplication();
    const QStringList arguments = argumentsOf(argc, argv);
    const app::Startup startup = app::parseCommandLine(arguments);
    if (startup.exitStatus) {
        if (startup.refusedNumber && !errorsGoToTerminal() &&
            (startup.displayGiven || !missingDisplayReason(arguments.value(0, "vennor")))) {
            QApplication application(argc, argv);
            const QString text = QString(startup.message).remove(QStringLiteral("vennor: "));
            MessageBox::ok(nullptr, text, QStringLiteral("Vennor"));
        }
        return printAndEnd(*startup.exitStatus, startup.message);
    }
    if (startup.watchCalls) {
        QCoreApplication application(argc, argv);
        return app::runCallWatch();
    }
    if (startup.sync) {
        QCoreApplication application(argc, argv);
        return app::statusAfterOutput(runSyncCommand(*startup.sync));
    }
    if (!startup.number.isEmpty()) {
        const auto handOver = app::handOverNumber(startup.number);
        if (handOver == app::HandOver::Delivered) {
            return 0;
        }
        if (handOver != app::HandOver::NoInstance) {
            return printAndEnd(1, app::handOverMessage(handOver));
        }
    }
    if (const auto reason = missingDisplayReason(arguments.value(0, "vennor"));
        reason && !startup.displayGiven) {
        return printAndEnd(1, *reason);
    }
    QApplication application(argc, argv);
    app::installTranslations(application);
    QGuiApplication::setDesktopFileName(QString::fromLatin1(app::kApplicationId));
    new FocusReturn(&application);
    SharedState state;
    MainWindow window(state);
    app::followDesktopSession(application, window);
    QObject::connect(
        &window, &MainWindow::programEnded, &application,
        [] {
            QApplication::closeAllWindows();
            QApplication::quit();
        },
        Qt::QueuedConnection);
    app::InstanceServer server;
    server.listen();
    app::dialHandedOverNumbers(server, window,
                               [&window](const QString& number) { window.dialNumber(number); });
    carddav::KeyringPasswords passwords(passwordPrompt(&window));
    SyncController sync(window, passwords);
    QObject::connect(&window, &MainWindow::bookChanged, &sync, [&sync] { sync.syncNow(); });
    window.show();
    // Without a window manager nobody else gives the new window the keyboard.
    window.activateWindow();
    QTimer::singleShot(0, &sync, [&sync] { sync.syncNow(); });
    if (!startup.number.isEmpty()) {
        QTimer::singleShot(0, &window, [&window, &startup] { window.dialNumber(startup.number); });
    }
    return application.exec();
}
