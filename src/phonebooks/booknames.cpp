#include "phonebooks/booknames.h"

#include <algorithm>

namespace vennor {

bool isValidBookName(const QString& name)
{
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    bool onlyDots = true;
    for (const QChar c : name) {
        if (c.unicode() < 32 || c.unicode() > 126 || forbidden.contains(c)) {
            return false;
        }
        onlyDots = onlyDots && c == QLatin1Char('.');
    }
    return !name.isEmpty() && !onlyDots;
}

QString baseNameOf(const QString& dir)
{
    const qsizetype separator =
        std::max(dir.lastIndexOf(QLatin1Char('/')), dir.lastIndexOf(QLatin1Char('\\')));
    const QString base = dir.mid(separator + 1);
    const qsizetype dot = base.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? base : base.left(dot);
}

} // namespace vennor
