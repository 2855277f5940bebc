// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/keyfilter.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>
#include <optional>

namespace vennor {
namespace {

// The character a key types, as the key-press event reports it; nullopt for none.
std::optional<QChar> typedCharacter(const QKeyEvent& event)
{
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) {
        return QChar(u'\r');
    }
    const QString text = event.text();
    if (text.size() != 1 || text.at(0).isNull()) {
        return std::nullopt;
    }
    return text.at(0);
}

} // namespace

KeyPressFilter::KeyPressFilter(QWidget* widget, Handler handler)
    : QObject(widget), handler_(std::move(handler))
{
    widget->installEventFilter(this);
}

void KeyPressFilter::install(QWidget* widget, Handler handler)
{
    new KeyPressFilter(widget, std::move(handler)); // owned by widget
}

bool KeyPressFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress) {
        return QObject::eventFilter(watched, event);
    }
    const std::optional<QChar> key = typedCharacter(*static_cast<QKeyEvent*>(event));
    return key && handler_(*key);
}

AcceleratorGuard::AcceleratorGuard(QWidget* owner, QList<QKeySequence> accelerators)
    : QObject(owner), accelerators_(std::move(accelerators))
{
}

void AcceleratorGuard::install(QWidget* widget, const QList<QKeySequence>& accelerators)
{
    auto* guard = new AcceleratorGuard(widget, accelerators); // owned by widget
    const auto editors = widget->findChildren<QWidget*>();
    for (QWidget* child : editors) {
        if (qobject_cast<QLineEdit*>(child) || qobject_cast<QPlainTextEdit*>(child) ||
            qobject_cast<QTextEdit*>(child) || qobject_cast<QComboBox*>(child) ||
            qobject_cast<QAbstractSpinBox*>(child)) {
            child->installEventFilter(guard);
        }
    }
}

// A text box claims a key for itself by accepting its shortcut-override event; refusing it
// here for the accelerators lets the menu have them.
bool AcceleratorGuard::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        if (accelerators_.contains(pressed)) {
            key->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vennor
