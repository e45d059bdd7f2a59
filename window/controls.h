#pragma once

#include "layout.h"

#include <QWidget>

namespace quorvel {

// Makes the control a layout row describes, placed, captioned and set up as
// the row says, as a child of window.
QWidget *CreateControl(const layout::Row &row, QWidget *window);

} // namespace quorvel
