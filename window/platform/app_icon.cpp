#include "app_icon.h"

namespace quorvel::platform {

QIcon AppIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/org.quorvel.Quorvel-%1.png").arg(size),
                     QSize(size, size));
    return icon;
}

} // namespace quorvel::platform
