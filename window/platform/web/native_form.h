#pragma once

#include "dom.h"
#include "form.h"
#include "reading_tools.h"
#include "surface.h"

#include <memory>
#include <span>
#include <vector>

namespace quorvel::platform::web {

class ScrollBar;

// The window as a box of page elements at the page's top left: controls
// placed from the layout at one CSS pixel a layout pixel, stacked by the
// layout's layers, and added to the page in focus order, so that Tab and a
// screen reader meet the controls in that order.
class Form final : public platform::Form {
public:
    Form(const FormDesign &design, std::span<const Row> rows, const FormWords &words);
    ~Form() override;

    DrawingSurface &surface() override { return *surface_; }
    void show() override;
    void setWords(const FormWords &words) override;
    void showError(const Text &message) override;
    void showHelp(const Text &title, const Text &text) override {
        dom::ShowHelp(title, text, words_.close);
    }
    const FormWords &words() const { return words_; }
    std::optional<std::size_t> focusedRow() const override;
    void showPanel(bool shown) override;

    void onTools(ToolEvents events) override { tools_.setEvents(std::move(events)); }
    ToolKeys toolKeys() const override { return ToolKeys::Browser; }
    void showMenu(const std::vector<MenuEntry> &entries, double x, double y) override {
        tools_.showMenu(entries, x, y);
    }
    void showNote(double x, double y, const Text &value, const Text &settings) override {
        tools_.showNote(x, y, value, settings);
    }
    void hideNote() override { tools_.hideNote(); }
    void showMarker(double x, double y) override { tools_.showMarker(x, y); }
    void hideMarker() override { tools_.hideMarker(); }
    void copyText(const Text &text) override { dom::CopyText(text); }
    Text address() const override { return dom::PageAddress(); }
    void copyPicture(const std::vector<Text> &legend) override;
    std::vector<std::uint8_t> picturePng(const std::vector<Text> &legend) override;
    SaveResult saveFile(const FileType &type, const Text &name,
                        const std::vector<std::uint8_t> &bytes) override;
    void play(const std::vector<std::uint8_t> &wav) override { dom::Play(wav); }
    const ToolEvents &tools() const { return tools_.events(); }

    // The page's events reach the form that is on it.
    static Form *OnPage() { return onPage_; }
    void event(int id, int kind, int argument);
    // The bar made from row id, if that row is one.
    ScrollBar *scrollBarAt(int id);
    // The page's pixel ratio changed: the canvas is fitted to it again.
    void ratioChanged();
    CanvasSurface &canvas() { return *surface_; }
    // Scales the window to the viewport, across × down CSS pixels.
    void fit(double across, double down, bool coarsePointer);
    void pointerIsFinger(bool finger) { tools_.pointerIsFinger(finger); }
    // Places each label in sight where PlaceText puts the text it shows, as
    // the page measures it: after new words, with the panel, and once the
    // page's faces have loaded.
    void placeLabels();

protected:
    platform::Control &control(std::size_t i) override { return *controls_.at(i); }

private:
    look::Legend placeLegend(const std::vector<Text> &legend, const std::string &font) const;
    // The client area's width: the window's, and the panel's while it shows.
    int clientWidth() const { return design_.clientWidth + (panelShown_ ? design_.panelWidth : 0); }
    bool inSight(const Row &row) const { return panelShown_ || !row.panel; }

    // Defined with the page's events (window_procedure.cpp), which the
    // program takes in with the form.
    static Form *onPage_;
    const FormDesign &design_;
    std::span<const Row> rows_;
    FormWords words_;
    bool panelShown_ = false;
    // The viewport as the page last told it, to fit the window again when its width changes.
    double across_ = 0, down_ = 0;
    bool coarsePointer_ = false;
    std::vector<std::unique_ptr<platform::Control>> controls_; // one a row
    std::unique_ptr<CanvasSurface> surface_;
    ReadingTools tools_{design_};
};

} // namespace quorvel::platform::web
