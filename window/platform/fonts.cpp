#include "fonts.h"

#include <QStringList>
#include <cstring>

namespace quorvel::platform {

QFont MakeFont(const char *family, double pointSize, bool bold) {
    const bool serif = std::strstr(family, "Times") != nullptr;
    QFont font;
    font.setFamilies(serif ? QStringList{family, "Liberation Serif", "Tinos", "DejaVu Serif"}
                           : QStringList{family, "Microsoft Sans Serif", "Arial", "Liberation Sans",
                                         "Arimo", "DejaVu Sans"});
    font.setStyleHint(serif ? QFont::Serif : QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace quorvel::platform
