// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/qtoptions.h"

#include <algorithm>
#include <array>

namespace vennor::app {
namespace {

struct QtOption
{
    const char* name;
    const char* value; // nullptr: takes none
    const char* description;
};

// As Qt's QGuiApplication and QApplication and its X11 platform read them.
constexpr std::array kQtOptions{
    QtOption{"platform", "name[:options]", "Uses the given window system (xcb, wayland, …)."},
    QtOption{"platformpluginpath", "path", "Looks for window system plug-ins in path."},
    QtOption{"platformtheme", "theme", "Uses the given desktop theme."},
    QtOption{"plugin", "plugin", "Loads an extra input plug-in."},
    QtOption{"qwindowgeometry", "geometry", "Places the main window (WIDTHxHEIGHT+X+Y)."},
    QtOption{"qwindowicon", "icon", "Gives the window this icon."},
    QtOption{"qwindowtitle", "title", "Gives the window this title."},
    QtOption{"reverse", nullptr, "Lays out the windows right to left."},
    QtOption{"session", "session", "Restores the state saved for the desktop session."},
    QtOption{"style", "style", "Draws the windows in the given style (Fusion, Windows …)."},
    QtOption{"stylesheet", "file", "Applies the style sheet in file."},
    QtOption{"widgetcount", nullptr, "Prints the number of widgets left at the end."},
    QtOption{"qmljsdebugger", "value", "Enables the QML debugger."},
    QtOption{"testability", nullptr, "Loads the testability library."},
    QtOption{"display", "host:screen", "X11: the X display to use."},
    QtOption{"geometry", "geometry", "X11: places the main window (WIDTHxHEIGHT+X+Y)."},
    QtOption{"title", "title", "X11: gives the window this title."},
    QtOption{"icon", "icon", "X11: gives the window this icon."},
    QtOption{"name", "name", "X11: the program's resource name for the window manager."},
    QtOption{"visual", "TrueColor", "X11: forces a true colour visual."},
    QtOption{"ncols", "count", "X11: the number of colours on an 8-bit display."},
    QtOption{"cmap", nullptr, "X11: installs a private colour map."},
    QtOption{"sync", nullptr, "X11: talks to the X server synchronously (for debugging)."},
    QtOption{"nograb", nullptr, "X11: never grabs the mouse or the keyboard."},
    QtOption{"dograb", nullptr, "X11: grabs even under a debugger."},
};

const QtOption* qtOptionNamed(QStringView name)
{
    const auto it = std::find_if(kQtOptions.begin(), kQtOptions.end(), [name](const QtOption& o) {
        return name == QLatin1StringView(o.name);
    });
    return it == kQtOptions.end() ? nullptr : &*it;
}

} // namespace

QtArguments splitQtArguments(const QStringList& arguments, const QStringList& ourNames)
{
    QtArguments split{{arguments.value(0)}, {}, {}};
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QLatin1String("--")) {
            split.ours += arguments.mid(i);
            break;
        }
        const bool twoDashes = argument.startsWith(QLatin1String("--"));
        const QStringView word = QStringView(argument).mid(twoDashes ? 2 : 1);
        const qsizetype equals = word.indexOf(u'=');
        const QStringView name = equals < 0 ? word : word.first(equals);
        const QtOption* option = argument.startsWith(u'-') ? qtOptionNamed(name) : nullptr;
        if (!option || (twoDashes && ourNames.contains(name))) {
            split.ours << argument;
            continue;
        }
        split.theirs << argument;
        split.names << name.toString();
        if (option->value && equals < 0 && i + 1 < arguments.size()) {
            split.theirs << arguments.at(++i);
        }
    }
    return split;
}

bool QtArguments::namesDisplay() const
{
    return names.contains(QLatin1String("platform")) || names.contains(QLatin1String("display"));
}

QString qtOptionsHelp()
{
    QStringList lines{QStringLiteral("Options of the window toolkit (Qt):")};
    for (const QtOption& option : kQtOptions) {
        QString left = QStringLiteral("  -") + QLatin1StringView(option.name);
        if (option.value) {
            left += QStringLiteral(" <%1>").arg(QString::fromUtf8(option.value));
        }
        lines << left.leftJustified(32) + QString::fromUtf8(option.description);
    }
    return lines.join(u'\n');
}

} // namespace vennor::app
