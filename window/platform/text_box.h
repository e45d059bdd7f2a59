#pragma once

#include <QLineEdit>

namespace quorvel::platform {

// A box that shows a value. Nothing reads what a user types here, so the box
// does not invite it; its text can still be focused, selected and copied.
class TextBox : public QLineEdit {
public:
    explicit TextBox(QWidget *parent);
};

} // namespace quorvel::platform
