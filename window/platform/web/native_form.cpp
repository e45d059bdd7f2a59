#include "native_form.h"

#include "markup.h"
#include "native_controls.h"
#include "page_fit.h"
#include "scroll_bar.h"

#include <emscripten.h>

#include <cmath>
#include <utility>

namespace quorvel::platform::web {

Form::Form(const FormDesign &design, std::span<const Row> rows, const FormWords &words)
    : design_(design), rows_(rows), words_(words) {
    dom::Start();
    controls_.resize(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Row &row = rows[i];
        const int id = static_cast<int>(i);
        switch (row.kind) {
        case Kind::Button:
            controls_[i] = std::make_unique<Button>(id, words.captions.at(i));
            break;
        case Kind::TextBox:
            controls_[i] = std::make_unique<TextBox>(id, words.captions.at(i));
            break;
        case Kind::HorizontalBar:
        case Kind::VerticalBar:
            controls_[i] = std::make_unique<ScrollBar>(id, row);
            break;
        case Kind::Label:
            controls_[i] = std::make_unique<Label>(id, words.captions.at(i));
            break;
        default:
            controls_[i] = std::make_unique<Shape>(id);
        }
    }
    onPage_ = this;
    // The page was built in one language; the window may speak another.
    setWords(words);
    // Fitted first, so that the canvas is made once, at the fitted resolution.
    dom::WatchViewport();
    surface_ =
        std::make_unique<CanvasSurface>(CanvasId(rows), design.clientWidth, design.clientHeight,
                                        Colour::FromCode(design.drawingColour));
    dom::WatchPixelRatio();
    tools_.start();
}

Form::~Form() {
    if (onPage_ == this)
        onPage_ = nullptr;
}

void Form::show() {}

void Form::showError(const Text &message) {
    dom::ShowMessage(words_.title, message, words_.ok);
}

// The page's title and language, its line for a phone, the dialogs' buttons,
// the buttons' and labels' captions, and the help where it is open; the
// labels then take the places their new texts need.
void Form::setWords(const FormWords &words) {
    words_ = words;
    dom::ShowWords(words_);
    for (auto &control : controls_) {
        if (auto *button = dynamic_cast<Button *>(control.get()))
            button->setCaption(words_.captions.at(static_cast<std::size_t>(button->id())));
        else if (auto *label = dynamic_cast<Label *>(control.get()))
            label->setCaption(words_.captions.at(static_cast<std::size_t>(label->id())));
    }
    placeLabels();
}

// The page measures each text in its own face, as it sets it, and the label
// then lies where PlaceText puts that text: from its left edge or, read right
// to left, from its right edge, no narrower than its control's visible part
// and no wider than its room from there. Within that the page lets the box be
// as wide as the text, as the page was built. Hidden labels are measured once
// they show.
void Form::placeLabels() {
    std::vector<int> ids;
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].kind == Kind::Label && inSight(rows_[i]))
            ids.push_back(static_cast<int>(i));
    const std::vector<double> widths = dom::TextWidths(ids);
    for (std::size_t k = 0; k < ids.size(); ++k) {
        const auto i = static_cast<std::size_t>(ids[k]);
        const int edge = RightEdge(design_, rows_[i]);
        const bool rightToLeft = words_.rightToLeft;
        // A measure through the window's scale may be a hair over a whole pixel.
        const int needed = static_cast<int>(std::ceil(widths[k] - 1e-3));
        const TextPlace place = PlaceText(rows_, i, needed, edge, rightToLeft);
        const TextPlace least = PlaceText(rows_, i, 0, edge, rightToLeft);
        const TextPlace widest = PlaceText(rows_, i, edge, edge, rightToLeft);
        const int from = place.rightToLeft ? place.left + place.width : place.left;
        const int most = place.rightToLeft ? from - widest.left : widest.left + widest.width - from;
        dom::PlaceLabel(ids[k], from, least.width, most, place.rightToLeft, clientWidth());
    }
}

std::optional<std::size_t> Form::focusedRow() const {
    const int id = dom::FocusedId();
    if (id < 0 || static_cast<std::size_t>(id) >= controls_.size())
        return std::nullopt;
    return static_cast<std::size_t>(id);
}

void Form::fit(double across, double down, bool coarsePointer) {
    across_ = across;
    down_ = down;
    coarsePointer_ = coarsePointer;
    const PageFit fit =
        FitToViewport(across, down, clientWidth(), design_.clientHeight, coarsePointer);
    dom::ShowFit(fit.scale, fit.left, fit.top, fit.turnHint);
    if (surface_)
        ratioChanged(); // the canvas keeps one pixel a device pixel at the new scale
}

look::Legend Form::placeLegend(const std::vector<Text> &legend, const std::string &font) const {
    std::vector<double> widths;
    for (const Text &line : legend)
        widths.push_back(dom::TextWidth(font, line));
    return look::PlaceLegend(clientWidth(), design_.clientHeight, widths);
}

void Form::copyPicture(const std::vector<Text> &legend) {
    const std::string font = CssFont(look::LegendFont);
    dom::CopyPicture(legend, placeLegend(legend, font), font);
}

std::vector<std::uint8_t> Form::picturePng(const std::vector<Text> &legend) {
    const std::string font = CssFont(look::LegendFont);
    return dom::PicturePng(legend, placeLegend(legend, font), font);
}

void Form::ratioChanged() {
    surface_->refit();
    if (tools().rescaled)
        tools().rescaled();
}

ScrollBar *Form::scrollBarAt(int id) {
    if (id < 0 || static_cast<std::size_t>(id) >= controls_.size())
        return nullptr;
    return dynamic_cast<ScrollBar *>(controls_[static_cast<std::size_t>(id)].get());
}

} // namespace quorvel::platform::web

namespace quorvel::platform {

std::unique_ptr<platform::Form> CreateForm(const FormDesign &design, std::span<const Row> rows,
                                           const FormWords &words) {
    return std::make_unique<web::Form>(design, rows, words);
}

} // namespace quorvel::platform
