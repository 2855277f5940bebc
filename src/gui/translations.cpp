// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace vennor::app {

namespace {

void install(QCoreApplication& application, const QLocale& locale, const QString& name,
             const QString& folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(locale, name, QStringLiteral("_"), folder)) {
        translator->setParent(&application);
        QCoreApplication::installTranslator(translator.release());
    }
}

} // namespace

void installTranslations(QCoreApplication& application, const QLocale& locale)
{
    install(application, locale, QStringLiteral("qtbase"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    install(application, locale, QStringLiteral("vennor"), QStringLiteral(":/i18n"));
}

} // namespace vennor::app
