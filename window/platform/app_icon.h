#pragma once

#include <QIcon>

namespace quorvel::platform {

// The program's icon in every size it ships, as the launcher shows it.
QIcon AppIcon();

} // namespace quorvel::platform
