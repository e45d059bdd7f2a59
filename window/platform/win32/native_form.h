#pragma once

#include "accessibility.h"
#include "conversions.h"
#include "fonts.h"
#include "form.h"
#include "handles.h"
#include "native_controls.h"
#include "offscreen.h"
#include "reading_tools.h"
#include "scroll_bar.h"
#include "tool_look.h"

#include <windows.h>

#include <memory>
#include <vector>

namespace quorvel::platform::win32 {

class Surface;

// The window as a Win32 top-level window, as the SDK samples build one: the
// window procedure paints the labels, frames and zero line itself, in stored
// order, then the drawing above them; the native controls lie on top
// (WS_CLIPCHILDREN). Everything is laid out at the monitor's DPI.
class Form final : public platform::Form {
public:
    Form(const FormDesign &design, std::span<const Row> rows, const FormWords &words);
    ~Form() override;

    DrawingSurface &surface() override;

    void show() override;
    void setWords(const FormWords &words) override;
    void showError(const Text &message) override;
    void showHelp(const Text &title, const Text &text) override;
    std::optional<std::size_t> focusedRow() const override;
    void showPanel(bool shown) override;
    // The panel's native controls, made when it first shows (or a test asks).
    void makePanel();
    bool panelShown() const { return panelShown_; }

    void onTools(ToolEvents events) override { tools_.setEvents(std::move(events)); }
    void showMenu(const std::vector<MenuEntry> &entries, double x, double y) override {
        tools_.showMenu(entries, x, y);
    }
    void showNote(double x, double y, const Text &value, const Text &settings) override {
        tools_.showNote(x, y, value, settings);
    }
    void hideNote() override { tools_.hideNote(); }
    void showMarker(double x, double y) override { tools_.showMarker(x, y); }
    void hideMarker() override { tools_.hideMarker(); }
    void copyText(const Text &text) override;
    void copyPicture(const std::vector<Text> &legend) override;
    std::vector<std::uint8_t> picturePng(const std::vector<Text> &legend) override;
    SaveResult saveFile(const FileType &type, const Text &name,
                        const std::vector<std::uint8_t> &bytes) override;
    void play(const std::vector<std::uint8_t> &wav) override;
    double zoom() const override { return zoom_; }
    void setZoom(double zoom) override;
    // A key on its way to a control, handed to the window; true when it took it.
    bool toolKey(const MSG &message) { return tools_.key(message); }
    // The note's words as shown now, empty when hidden. For tests.
    Text noteText() const { return tools_.noteText(); }

    HWND hwnd() const { return window_; }
    // The control behind a child window, or nullptr.
    platform::Control *controlOf(HWND child) const;
    UINT dpi() const { return dpi_; }
    // Message boxes, menus and the note read right to left, and open mirrored.
    bool rightToLeft() const { return words_.rightToLeft; }
    // A modal message box with an OK button, read in the words' direction.
    void ShowMessage(const std::wstring &text, const std::wstring &title, UINT icon);
    const FormDesign &design() const { return design_; }
    const FormWords &words() const { return words_; }
    // Whether closing this form ends the event loop (the program's own window).
    void setQuitOnClose(bool quit) { quitOnClose_ = quit; }

    // Used by the controls, the tools and the drawing surface.
    // In the system's face where the words are in letters the layout's faces
    // lack; a row's caption in the layout's face where it has its letters.
    HFONT font(const Font &font, bool inLayoutFace = false);
    HFONT font(std::size_t row);
    void focus(HWND control);
    void describe(HWND control, const Text &name, const Text &description) {
        accessibility_.describe(control, name, description);
    }
    void describeDrawing(const Text &text) { accessibility_.describeDrawing(text); }
    // The focused control speaks sentence as its description until the next
    // announcement moves it: the drawing itself never takes focus.
    void announce(const Text &sentence) { accessibility_.announce(sentence); }
    void scheduleRepaint();
    // The name given to a control for screen readers.
    Text accessibleName(HWND control) const { return accessibility_.nameOf(control); }
    // What the form paints, composed off screen for the whole client area; and
    // one device pixel of it, 0x00RRGGBB. For tests.
    void render();
    std::uint32_t composedPixel(int x, int y) const;

protected:
    platform::Control &control(std::size_t i) override { return *controls_.at(i); }

private:
    // Posted to show what a handler drew once it has returned.
    static constexpr UINT ShowDrawing = WM_APP + 1;
    // What waits until the first frame is out: clipping the controls out of
    // the window's paints, and the accessibility property service.
    static constexpr UINT_PTR FirstFrameShown = 1;
    void afterFirstFrame();

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void createControls();
    HWND makeWindow(std::size_t row);
    // Where each label's characters end at 96 DPI, and how wide it grows.
    void measureLabels();
    void layOut();
    void paint(HDC target, const RECT &area);
    bool compose(const RECT &area);
    void paintDecorations(HDC dc);
    void drawFromTheRight(HDC dc, const std::wstring &text, const RECT &rect);
    void composeDrawing(const RECT &area);
    // The window as copyPicture takes it: 0x00RRGGBB pixels, rows top down.
    struct Picture {
        int width = 0, height = 0;
        std::vector<std::uint32_t> pixels;
    };
    Picture picture(const std::vector<Text> &legend);
    RECT scaled(int left, int top, int width, int height) const;
    RECT windowFrame() const;
    // The row of a control's child window, if it is one of the form's.
    std::optional<std::size_t> rowOf(HWND window) const;
    void keepFocusInSight();
    // The client area's width in the layout's pixels, the panel's with it while it shows.
    int clientWidth() const { return design_.clientWidth + (panelShown_ ? design_.panelWidth : 0); }
    // Whether row i is out of sight: a row of the panel while the panel is hidden.
    bool hidden(std::size_t i) const { return rows_[i].panel && !panelShown_; }

    const FormDesign &design_;
    std::span<const Row> rows_;
    FormWords words_;
    HWND window_ = nullptr;
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI; // the monitor's, times the zoom
    UINT monitorDpi_ = USER_DEFAULT_SCREEN_DPI;
    double zoom_ = 1.0; // for a projector
    bool quitOnClose_ = false;
    bool repaintPending_ = false;
    bool firstFramePainted_ = false;
    bool panelShown_ = false;
    HWND initialFocus_ = nullptr;
    HWND focusWhenInactive_ = nullptr; // the control to give focus back to

    std::vector<std::unique_ptr<platform::Control>> controls_; // one a row
    std::vector<TextPlace> places_; // of each label's text, grown, from its language's side
    // Where each character of a label ends at 96 DPI, in the layout's own font.
    std::vector<std::vector<int>> characterEnds_;
    std::unique_ptr<Surface> surface_;
    Fonts fonts_{design_.font, SystemFaceFor(words_)}; // at dpi_
    Brush background_;
    Brush boxBackground_;
    // The client area as last composed: decorations with the drawing over them.
    Offscreen canvas_;
    Accessibility accessibility_{window_};
    ReadingTools tools_{*this};
    std::vector<std::uint8_t> sound_; // kept while it plays
    bool trackingMouse_ = false;
};

} // namespace quorvel::platform::win32
