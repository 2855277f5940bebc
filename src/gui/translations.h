// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>

class QCoreApplication;

namespace vennor::app {

// Qt's own texts and the program's in the language locale asks for, where a translation exists;
// English otherwise. The translators live as long as application.
void installTranslations(QCoreApplication& application, const QLocale& locale = QLocale());

} // namespace vennor::app
