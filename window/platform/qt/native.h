#pragma once

#include "native_controls.h"
#include "native_form.h"
#include "scroll_bar.h"
#include "surface.h"

// The Qt widget behind each of the window's controls, for tests and
// measurements that drive or inspect them as Qt objects.
namespace quorvel::platform::qt {

inline Form *Native(platform::Form &form) {
    return &dynamic_cast<Form &>(form);
}
inline QPushButton *Native(platform::Button *button) {
    return dynamic_cast<Button *>(button);
}
inline QLineEdit *Native(platform::TextBox *box) {
    return dynamic_cast<TextBox *>(box);
}
inline ScrollBar *Native(platform::ScrollBar *bar) {
    return dynamic_cast<ScrollBar *>(bar);
}
inline QLabel *Native(platform::Label *label) {
    return dynamic_cast<Label *>(label);
}
inline QWidget *Native(platform::Shape *shape) {
    return dynamic_cast<QWidget *>(shape);
}
inline DrawingLayer *Native(platform::DrawingSurface *surface) {
    return dynamic_cast<DrawingLayer *>(surface);
}

} // namespace quorvel::platform::qt
