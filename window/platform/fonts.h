#pragma once

#include <QFont>

namespace quorvel::platform {

// The layout names Windows faces; each comes with metric-compatible stand-ins
// and a style hint, so that any system picks a face of the same kind.
QFont MakeFont(const char *family, double pointSize, bool bold);

} // namespace quorvel::platform
