// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sync/davhref.h"

#include <QUrl>

namespace vennor {
namespace {

int defaultPort(const QUrl& url)
{
    return url.scheme() == u"https" ? 443 : 80;
}

// Tricks that could make one path read as another once a server decodes it.
bool looksCrafted(const QString& href)
{
    if (href.contains(u'\\') || href.contains(QLatin1String("%2f"), Qt::CaseInsensitive) ||
        href.contains(QLatin1String("%5c"), Qt::CaseInsensitive) ||
        href.contains(QLatin1String("%00"))) {
        return true;
    }
    for (const QChar c : href) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f) {
            return true;
        }
    }
    const QString path = QUrl(href).path(QUrl::FullyDecoded);
    const auto segments = QStringView(path).split(u'/');
    return std::any_of(segments.begin(), segments.end(),
                       [](QStringView segment) { return segment == u"." || segment == u".."; });
}

} // namespace

std::optional<QString> hrefUnder(const QString& addressBookUrl, const QString& href)
{
    const QUrl base(addressBookUrl, QUrl::StrictMode);
    // Tolerant: some servers leave blanks or non-ASCII letters unencoded.
    const QUrl relative(href.trimmed(), QUrl::TolerantMode);
    if (!base.isValid() || !relative.isValid() || href.trimmed().isEmpty() || looksCrafted(href)) {
        return std::nullopt;
    }
    const QUrl url = base.resolved(relative);
    if (url.scheme() != base.scheme() || url.host() != base.host() ||
        url.port(defaultPort(url)) != base.port(defaultPort(base)) || !url.userInfo().isEmpty() ||
        url.hasQuery() || url.hasFragment()) {
        return std::nullopt;
    }
    QString root = base.path(QUrl::FullyEncoded);
    if (!root.endsWith(u'/')) {
        root += u'/';
    }
    const QString path = url.path(QUrl::FullyEncoded);
    if (path.size() <= root.size() || !path.startsWith(root) ||
        path.contains(QLatin1String("//"))) {
        return std::nullopt;
    }
    return path;
}

QString withoutUserInfo(const QString& url)
{
    QUrl parsed(url);
    if (parsed.userInfo().isEmpty()) {
        return url;
    }
    parsed.setUserInfo({});
    return parsed.toString();
}

QString shownHref(const QString& href)
{
    constexpr qsizetype kLongest = 160;
    QString shown = QString::fromLatin1(QUrl::toPercentEncoding(href, "/:@%+~;=,!$&'()*"));
    if (shown.size() > kLongest) {
        shown = shown.left(kLongest) + QStringLiteral("...");
    }
    return shown;
}

} // namespace vennor
