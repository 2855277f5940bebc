#include "mainwindow/mainwindow.h"
#include "platform/display.h"
#include "storage/sharedstate.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    if (const auto reason = vennor::missingDisplayReason()) {
        std::fprintf(stderr, "%s\n", qPrintable(*reason));
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vennor"));
    vennor::SharedState state;
    vennor::MainWindow window(state);
    QObject::connect(
        &window, &vennor::MainWindow::programEnded, &app,
        [] {
            QApplication::closeAllWindows();
            QApplication::quit();
        },
        Qt::QueuedConnection);
    window.show();
    return app.exec();
}
