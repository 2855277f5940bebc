#include "gui/mainwindow/windowplacement.h"

#include "core/folders.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <algorithm>

namespace vennor::placement {
namespace {

QString settingsPath()
{
    return folders::settingsFolder() + QStringLiteral("vennor.ini");
}

// Enough of the title bar to grab it with the mouse.
bool reachable(const QRect& geometry)
{
    constexpr int kGrip = 40;
    const QRect titleBar(geometry.left(), geometry.top(), geometry.width(), kGrip);
    const QList<QScreen*> screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(), [&titleBar](const QScreen* screen) {
        const QRect shown = screen->availableGeometry().intersected(titleBar);
        return shown.width() >= std::min(100, titleBar.width()) && shown.top() == titleBar.top();
    });
}

} // namespace

std::optional<Placement> remembered()
{
    const QSettings settings(settingsPath(), QSettings::IniFormat);
    const auto number = [&settings](const char* key) {
        bool ok = false;
        const int value =
            settings.value(QStringLiteral("window/") + QLatin1String(key)).toString().toInt(&ok);
        return ok ? std::optional<int>(value) : std::nullopt;
    };
    const auto left = number("left");
    const auto top = number("top");
    const auto width = number("width");
    const auto height = number("height");
    if (!left || !top || !width || !height || *width <= 0 || *height <= 0) {
        return std::nullopt;
    }
    // A hand-edited size larger than any screen is held to something that can be shown.
    const QRect geometry(*left, *top, std::min(*width, 16384), std::min(*height, 16384));
    if (!reachable(geometry)) {
        return std::nullopt;
    }
    return Placement{geometry, settings.value(QStringLiteral("window/maximized")).toBool()};
}

void remember(const QWidget& window)
{
    const QRect geometry = window.normalGeometry();
    const auto before = remembered();
    if (before && before->geometry == geometry && before->maximized == window.isMaximized()) {
        return; // the file is the user's too: it is rewritten only for a change
    }
    if (!folders::ensureFolderOf(settingsPath())) {
        return;
    }
    QSettings settings(settingsPath(), QSettings::IniFormat);
    settings.setValue(QStringLiteral("window/left"), geometry.left());
    settings.setValue(QStringLiteral("window/top"), geometry.top());
    settings.setValue(QStringLiteral("window/width"), geometry.width());
    settings.setValue(QStringLiteral("window/height"), geometry.height());
    settings.setValue(QStringLiteral("window/maximized"), window.isMaximized());
}

} // namespace vennor::placement
