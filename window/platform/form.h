#pragma once

#include "controls.h"
#include "drawing_surface.h"
#include "files.h"
#include "form_layout.h"
#include "form_words.h"
#include "tools.h"

#include <cstddef>
#include <memory>
#include <optional>
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
    Control &controlAt(std::size_t i) { return control(i); }
    virtual DrawingSurface &surface() = 0;

    virtual void show() = 0;
    // Every word it shows of its own from now on, in another language: the
    // title, the buttons' and labels' captions (not the boxes', which the
    // window writes itself), the names for screen readers, the dialogs'
    // buttons; the help shows in it too where it is open.
    virtual void setWords(const FormWords &words) = 0;
    // A modal message box over the form, captioned like it.
    virtual void showError(const Text &message) = 0;
    // A modal box with a longer text and its own title.
    virtual void showHelp(const Text &title, const Text &text) = 0;
    // The row of the control that has focus, if one of the form's has.
    virtual std::optional<std::size_t> focusedRow() const = 0;
    // Shows the rows of the panel (Row::panel), widening the client area by
    // the design's panelWidth to the right, or hides them again and narrows
    // it. Hidden, its controls are out of the focus order and of screen
    // readers' sight. Hidden at first.
    virtual void showPanel(bool shown) = 0;

    // The tools to read the curves: where a backend's events for them go,
    // and what it shows, copies and plays. Positions are the layout's pixels.
    virtual void onTools(ToolEvents events) = 0;
    virtual ToolKeys toolKeys() const { return ToolKeys::Desktop; }
    // The context menu at (x, y), until an entry is chosen or it is dismissed.
    virtual void showMenu(const std::vector<MenuEntry> &entries, double x, double y) = 0;
    // A note by the point (x, y) with a point's value and its curve's settings,
    // placed by look::PlaceNote.
    virtual void showNote(double x, double y, const Text &value, const Text &settings) = 0;
    virtual void hideNote() = 0;
    // The ring on the point (x, y) that reading mode is at, look::RingAt.
    virtual void showMarker(double x, double y) = 0;
    virtual void hideMarker() = 0;
    virtual void copyText(const Text &text) = 0;
    // Where the program is, for a link that opens it again: the page's own
    // address; a desktop program has none, and takes the link's "#" part.
    virtual Text address() const { return {}; }
    // The window as a picture at the screen's resolution, without the note
    // and the ring, with these lines beside the drawing (look::PlaceLegend).
    virtual void copyPicture(const std::vector<Text> &legend) = 0;
    // The picture copyPicture copies, as the bytes of a PNG file.
    virtual std::vector<std::uint8_t> picturePng(const std::vector<Text> &legend) = 0;
    // Asks the user where to save a file of this type, offering `name`, and
    // writes the bytes there whole or not at all; a page downloads them.
    virtual SaveResult saveFile(const FileType &type, const Text &name,
                                const std::vector<std::uint8_t> &bytes) = 0;
    // A WAV file in memory; nothing plays without a sound device.
    virtual void play(const std::vector<std::uint8_t> &wav) = 0;
    // How many times the layout's size the whole window is drawn, for a
    // projector; a browser zooms a page itself, and keeps 1 here.
    virtual double zoom() const { return 1.0; }
    virtual void setZoom(double) {}

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

// Builds the form with this platform's toolkit, in these words. The rows
// must outlive it.
std::unique_ptr<Form> CreateForm(const FormDesign &design, std::span<const Row> rows,
                                 const FormWords &words);

} // namespace quorvel::platform
