#include "platform/display.h"

#include <QApplication>
#include <QWidget>
#include <cstdio>

int main(int argc, char** argv)
{
    if (const auto reason = vennor::missingDisplayReason()) {
        std::fprintf(stderr, "%s\n", qPrintable(*reason));
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vennor"));
    QWidget window;
    window.setWindowTitle(QStringLiteral("VENNOR"));
    window.show();
    return app.exec();
}
