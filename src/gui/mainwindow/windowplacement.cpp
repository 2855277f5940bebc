// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/mainwindow/windowplacement.h"

#include "core/folders.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <algorithm>
#include <cstdlib>

namespace vennor::placement {
namespace {

QString settingsPath()
{
    return folders::settingsFolder() + QStringLiteral("vennor.ini");
}

// The screen on which enough of the window's title bar lies to grab it with the mouse.
const QScreen* screenHolding(const QRect& geometry)
{
    constexpr int kGrip = 40;
    const QRect titleBar(geometry.left(), geometry.top(), geometry.width(), kGrip);
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect shown = screen->availableGeometry().intersected(titleBar);
        if (shown.width() >= std::min(100, titleBar.width()) && shown.top() == titleBar.top()) {
            return screen;
        }
    }
    return nullptr;
}

} // namespace

std::optional<Placement> remembered()
{
    const QSettings settings(settingsPath(), QSettings::IniFormat);
    const auto number = [&settings](const char* key) {
        bool ok = false;
        const int value =
            settings.value(QStringLiteral("window/") + QLatin1String(key)).toString().toInt(&ok);
        // Far beyond any desktop, a hand-edited value could only overflow.
        constexpr int kFarthest = 1000000;
        return ok && std::abs(value) <= kFarthest ? std::optional<int>(value) : std::nullopt;
    };
    const auto left = number("left");
    const auto top = number("top");
    const auto width = number("width");
    const auto height = number("height");
    if (!left || !top || !width || !height || *width <= 0 || *height <= 0) {
        return std::nullopt;
    }
    QRect geometry(*left, *top, *width, *height);
    const QScreen* screen = screenHolding(geometry);
    if (screen == nullptr) {
        return std::nullopt;
    }
    // No larger than the screen it is on now, which may be smaller than the one it was left on.
    geometry.setSize(geometry.size().boundedTo(screen->availableSize()));
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
