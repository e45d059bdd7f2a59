#pragma once

#include "form_layout.h"
#include "form_words.h"
#include "text.h"
#include "tool_look.h"
#include "tools.h"

#include <cstdint>
#include <string>
#include <vector>

// The page's elements as the C++ side reaches them: each control is an
// element known by the number of its layout row; the functions behind these
// live in page.js.
namespace quorvel::platform::web::dom {

inline int Length(const Text &text) {
    return static_cast<int>(text.size());
}

// The modifiers of a key as the page reports them, bits of one number.
enum KeyFlag { ControlHeld = 1, ShiftHeld = 2, AltHeld = 4, MetaHeld = 8 };

// Events the page sends for an element, as Module._quorvel_event(id, kind,
// argument); the page has these numbers from page_constants.cpp.
enum Event {
    Click = 0,
    // A drag on a bar ended: argument, how far from the start end, in millionths.
    DragEnded = 1,
};

// Takes over the window the page was built with.
void Start();
// The page's title and language, the line for a phone held upright, and the
// help where it is open.
void ShowWords(const FormWords &words);

void SetText(int id, const Text &text);
// A button's or a label's caption, a label's parts where the page pins them.
void SetCaption(int id, const Text &text);
// How wide each label's text is as the page sets it, in layout pixels.
std::vector<double> TextWidths(const std::vector<int> &ids);
// A label from its left edge `from`, or read right to left from its right
// edge, in a window this wide; least to most pixels wide, as its text needs.
void PlaceLabel(int id, int from, int least, int most, bool rightToLeft, int windowWidth);
// An element in sight, or out of it, of the focus order and of screen readers.
void ShowElement(int id, bool shown);
// The window's client area, in layout pixels.
void SizeWindow(int width, int height);
void Focus(int id);
// The data-id of the element that has focus, or -1.
int FocusedId();
// A bar's thumb thumbAt pixels from its start end, and what a screen reader
// hears for its value; or the thumb alone, during a drag.
void ShowBar(int id, double thumbAt, double value, const Text &valueText);
void ShowThumb(int id, double thumbAt);
void Describe(int id, const Text &name, const Text &description);
void SetCanvasDescription(int id, const Text &text);
void Announce(const Text &sentence);
void ShowMessage(const Text &title, const Text &message, const Text &button);

// The canvas in device pixels; ratio: device pixels a layout pixel.
double PixelRatio();
// Shows the window at scale, left and top CSS pixels in, with or without the
// line that asks to turn the device.
void ShowFit(double scale, double left, double top, bool turnHint);
void SizeCanvas(int id, int deviceWidth, int deviceHeight);
// Copies (x, y, w, h) of the raster at pixels (deviceWidth wide) into the
// canvas; pixels == nullptr clears that area.
void PaintCanvas(int id, const std::uint32_t *pixels, int deviceWidth, int x, int y, int w, int h);
void CopyText(const Text &text);
// Width of text in a CSS font.
double TextWidth(const std::string &font, const Text &text);
// The window drawn into a picture of the legend's size, its lines where it says.
void CopyPicture(const std::vector<Text> &legend, const look::Legend &placed,
                 const std::string &font);
// The same picture as the bytes of a PNG file, as the canvas encodes it.
std::vector<std::uint8_t> PicturePng(const std::vector<Text> &legend, const look::Legend &placed,
                                     const std::string &font);
// Hands the bytes to the browser as a download of this name and media type.
void Download(const std::vector<std::uint8_t> &bytes, const Text &name, const char *mediaType);
void Play(const std::vector<std::uint8_t> &wav);
void ShowHelp(const Text &title, const Text &text, const Text &button);

// Runs Module._quorvel_flush once the running event has returned.
void FlushSoon();
void WatchPixelRatio();
// The page's address without its "#" part, and that part, "#" included.
Text PageAddress();
Text PageFragment();
// Fits the window to the viewport now, and again whenever the viewport changes.
void WatchViewport();

} // namespace quorvel::platform::web::dom
