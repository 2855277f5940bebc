#pragma once

#include <QCoreApplication>

namespace vennor {

// The messages about reading and writing files share one context, so that each phrase is
// translated once.
struct FileAccess
{
    Q_DECLARE_TR_FUNCTIONS(FileAccess)
};

} // namespace vennor
