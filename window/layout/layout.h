#pragma once

#include "form_layout.h"
#include "layout/control_id.h"

#include <span>

// The stored layout of the main window: the window itself and one row per
// control, in stored order. Positions are client-area pixels; the drawing of
// RUN and W Mean is aligned with them.
namespace quorvel::layout {

using platform::Font;
using platform::Kind;
using platform::Row;

const platform::FormDesign &MainWindow();
std::span<const Row> Controls();
// The control each row places, row by row.
std::span<const ControlId> ControlIds();

} // namespace quorvel::layout
