#include "native_form.h"

#include "conversions.h"
#include "surface.h"

#include <algorithm>
#include <vector>

// What the window paints: its decorations (frames, the zero line and the
// labels) in stacking order, the drawing's raster over them and the tools'
// note and ring on top, composed off screen for the whole client area.
namespace quorvel::platform::win32 {

// Shows what was drawn once the running handler has returned: W Mean draws
// 2000 dots in one click.
void Form::scheduleRepaint() {
    if (repaintPending_)
        return;
    repaintPending_ = true;
    PostMessageW(window_, ShowDrawing, 0, 0);
}

// Composes the client area off screen, then copies the part asked for.
// The first frame goes straight to the window, as it covers the whole client
// area over nothing and nothing is drawn in it yet: a canvas made for it
// would be a fresh bitmap the size of the window, whose pages the system
// hands out one by one as they are first filled, a fiftieth of the start-up
// under Wine.
void Form::paint(HDC target, const RECT &area) {
    const bool first = !firstFramePainted_;
    firstFramePainted_ = true;
    if (first && surface_->raster().isEmpty()) {
        paintDecorations(target);
        tools_.paint(target);
        return;
    }
    if (!compose(area)) {
        FillRect(target, &area, background_.get());
        return;
    }
    BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top,
           canvas_.dc(), area.left, area.top, SRCCOPY);
}

bool Form::compose(const RECT &area) {
    if (!canvas_.fit(window_))
        return false;
    HDC dc = canvas_.dc();
    SaveDC(dc);
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    paintDecorations(dc);
    RestoreDC(dc, -1);
    GdiFlush();
    composeDrawing(area);
    SaveDC(dc);
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    tools_.paint(dc);
    RestoreDC(dc, -1);
    GdiFlush();
    return true;
}

void Form::render() {
    RECT client;
    GetClientRect(window_, &client);
    compose(client);
}

std::uint32_t Form::composedPixel(int x, int y) const {
    if (!canvas_.pixels() || x < 0 || y < 0 || x >= canvas_.size().cx || y >= canvas_.size().cy)
        return 0;
    return canvas_.pixels()[static_cast<std::size_t>(y) * canvas_.size().cx + x] & 0x00FFFFFFu;
}

// Frames at the back, then the zero line, then the labels, each in stored
// order: the form's own decorations, below the drawing. The panel's rule and
// captions only while it shows.
void Form::paintDecorations(HDC dc) {
    RECT all;
    GetClientRect(window_, &all);
    FillRect(dc, &all, background_.get());
    const auto fill = [dc](const RECT &rect, COLORREF colour) {
        Brush brush(CreateSolidBrush(colour));
        FillRect(dc, &rect, brush.get());
    };
    const COLORREF black = Gdi(SystemColour::WindowText);
    for (int entry : StackingOrder(rows_)) {
        if (entry == DrawingInStack)
            break; // the drawing, and the native controls, lie above
        const auto i = static_cast<std::size_t>(entry);
        const Row &row = rows_[i];
        if (hidden(i))
            continue;
        switch (row.kind) {
        case Kind::Rectangle: {
            const RECT rect = scaled(row.left, row.top, row.width, row.height);
            fill(rect, Gdi(Colour::FromCode(row.fill)));
            // A one-pixel outline inside the bounds, one logical pixel wide at any DPI.
            const RECT inner = scaled(row.left + 1, row.top + 1, row.width - 2, row.height - 2);
            fill({rect.left, rect.top, rect.right, inner.top}, black);
            fill({rect.left, inner.bottom, rect.right, rect.bottom}, black);
            fill({rect.left, rect.top, inner.left, rect.bottom}, black);
            fill({inner.right, rect.top, rect.right, rect.bottom}, black);
            break;
        }
        case Kind::Line: // both end pixels included
            fill(scaled(row.left, row.top, row.width + 1, row.height + 1), black);
            break;
        default: { // a label: opaque in the window's colour, text at its top left
            const TextPlace &place = places_[i];
            RECT rect = scaled(place.left, row.top, place.width, row.height);
            FillRect(dc, &rect, background_.get());
            Selected selected(dc, font(i));
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, black);
            const std::wstring text = Wide(words_.captions.at(i));
            if (place.rightToLeft) { // at its top right, read right to left, as a whole
                drawFromTheRight(dc, text, rect);
                break;
            }
            // A mark with words written right to left in it is ordered and
            // its letters joined as a whole, which places them itself.
            if (!std::all_of(text.begin(), text.end(), [](wchar_t c) { return c < 0x0590; })) {
                ExtTextOutW(dc, rect.left, rect.top, ETO_CLIPPED, &rect, text.c_str(),
                            static_cast<UINT>(text.size()), nullptr);
                break;
            }
            // Every character where the layout put it at 96 DPI, scaled: an
            // outline face does not widen exactly in step with its height,
            // and the axis captions' "0" and "1" must stay under the ends of
            // their frames.
            const double ratio = dpi_ / static_cast<double>(USER_DEFAULT_SCREEN_DPI);
            const std::vector<int> &ends = characterEnds_[i];
            std::vector<INT> advances(ends.size());
            for (std::size_t k = 0; k < ends.size(); ++k)
                advances[k] = static_cast<INT>(std::lround(ends[k] * ratio)) -
                              (k ? static_cast<INT>(std::lround(ends[k - 1] * ratio)) : 0);
            ExtTextOutW(dc, rect.left, rect.top, ETO_CLIPPED, &rect, text.c_str(),
                        static_cast<UINT>(text.size()), advances.data());
            break;
        }
        }
    }
}

// Text read right to left, ending at rect's right edge as it is drawn,
// its letters joined and ordered, which can be narrower than the sum of
// their separate widths.
void Form::drawFromTheRight(HDC dc, const std::wstring &text, const RECT &rect) {
    const UINT align = SetTextAlign(dc, TA_RIGHT | TA_TOP | TA_RTLREADING);
    ExtTextOutW(dc, rect.right, rect.top, ETO_CLIPPED | ETO_RTLREADING, &rect, text.c_str(),
                static_cast<UINT>(text.size()), nullptr);
    SetTextAlign(dc, align);
}

// The raster's opaque pixels over the decorations; its pixels are
// 0xAARRGGBB, the canvas's 0x00RRGGBB, so a drawn pixel copies as it is.
void Form::composeDrawing(const RECT &area) {
    const Raster &raster = surface_->raster();
    if (raster.isEmpty() || !canvas_.pixels())
        return;
    const int right = std::min<int>({area.right, raster.deviceWidth(), canvas_.size().cx});
    const int bottom = std::min<int>({area.bottom, raster.deviceHeight(), canvas_.size().cy});
    for (int y = std::max<int>(area.top, 0); y < bottom; ++y) {
        const std::uint32_t *from =
            raster.pixels() + static_cast<std::size_t>(y) * raster.deviceWidth();
        std::uint32_t *to = canvas_.pixels() + static_cast<std::size_t>(y) * canvas_.size().cx;
        for (int x = std::max<int>(area.left, 0); x < right; ++x)
            if (from[x] >> 24)
                to[x] = from[x] & 0x00FFFFFFu;
    }
}

} // namespace quorvel::platform::win32
