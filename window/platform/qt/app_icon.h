#pragma once

#include <QIcon>

namespace quorvel::platform::qt {

// The program's icon in every size it ships, as the launcher shows it.
QIcon AppIcon();

} // namespace quorvel::platform::qt
