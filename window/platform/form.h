#pragma once

#include "controls.h"
#include "drawing_surface.h"
#include "form_layout.h"

#include <cstddef>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>

namespace quorvel::platform {

// A top-level window made from a stored layout: its controls, decorations and
// drawing surface, placed, captioned, stacked and ordered for focus as the rows
// say. Its client area never changes size.
class Form {
public:
    virtual ~Form() = default;

    // The control made from row i, as the kind that row names; a wrong kind is
    // a fault in the layout and throws std::logic_error.
    Button &button(std::size_t i) { return as<Button>(i); }
    TextBox &textBox(std::size_t i) { return as<TextBox>(i); }
    ScrollBar &scrollBar(std::size_t i) { return as<ScrollBar>(i); }
    Label &label(std::size_t i) { return as<Label>(i); }
    Shape &shape(std::size_t i) { return as<Shape>(i); }
    virtual DrawingSurface &surface() = 0;

    virtual void show() = 0;
    // A modal message box over the form, captioned like it.
    virtual void showError(const Text &message) = 0;

protected:
    // The control made from row i, whatever its kind.
    virtual Control &control(std::size_t i) = 0;

private:
    template <class Kind> Kind &as(std::size_t i) {
        auto *made = dynamic_cast<Kind *>(&control(i));
        if (!made)
            throw std::logic_error("layout row " + std::to_string(i) + " has the wrong kind");
        return *made;
    }
};

// Builds the form with this platform's toolkit. The rows must outlive it.
std::unique_ptr<Form> CreateForm(const FormDesign &design, std::span<const Row> rows);

} // namespace quorvel::platform
