#pragma once

#include "controls.h"
#include "drawing_surface.h"
#include "form_layout.h"
#include "tools.h"

#include <cstddef>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

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

    // The tools to read the curves: where their events go, and what a backend
    // shows, copies and plays for them. Positions are the layout's pixels.
    virtual void onTools(ToolEvents events) = 0;
    // A note by the pointer with a point's value and its curve's settings.
    virtual void showNote(double x, double y, const Text &value, const Text &settings) = 0;
    virtual void hideNote() = 0;
    // The mark on the point reading mode is at.
    virtual void showMarker(double x, double y) = 0;
    virtual void hideMarker() = 0;
    virtual void copyText(const Text &text) = 0;
    // The window as a picture at the screen's resolution, with these lines
    // beside the drawing.
    virtual void copyPicture(const std::vector<Text> &legend) = 0;
    // A WAV file in memory; nothing plays without a sound device.
    virtual void play(const std::vector<std::uint8_t> &wav) = 0;
    virtual void showHelp(const Text &text) = 0;
    // In a browser, F1, Ctrl+Shift+T and C and the zoom keys are the browser's.
    virtual bool leavesKeysToTheBrowser() const { return false; }

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
