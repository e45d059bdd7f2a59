#include "text_box.h"

namespace quorvel::platform {

TextBox::TextBox(QWidget *parent) : QLineEdit(parent) {
    setReadOnly(true);
}

} // namespace quorvel::platform
