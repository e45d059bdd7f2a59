#pragma once

#include "colours.h"
#include "form_layout.h"
#include "form_words.h"

#include <span>
#include <string>

namespace quorvel::platform::web {

// The window as HTML: a box of the client area's size holding one element a
// row (placed from the layout at one CSS pixel a layout pixel, stacked by its
// layers, in focus order so that Tab and a screen reader meet the controls in
// that order) and the drawing's canvas. The page is built with it, so the
// browser paints the whole window before the program has even been compiled;
// the program then takes the elements over by their data-id, the row's number.
// In these words, as the program first shows them.
std::string WindowMarkup(const FormDesign &design, std::span<const Row> rows,
                         const FormWords &words);

// A colour as CSS writes it.
std::string CssColour(Rgb rgb);

// A layout font as CSS's font shorthand: weight, size in pixels at 96 to the
// inch, and the embedded face with its installed twins.
std::string CssFont(const Font &font);

// The data-id of the drawing's canvas.
inline int CanvasId(std::span<const Row> rows) {
    return static_cast<int>(rows.size());
}

} // namespace quorvel::platform::web
