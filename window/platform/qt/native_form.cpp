#include "native_form.h"

#include "accessibility.h"
#include "app_icon.h"
#include "first_frame.h"
#include "font_warmup.h"
#include "fonts.h"
#include "native_controls.h"
#include "qt_colour.h"
#include "reading_tools.h"
#include "scroll_bar.h"
#include "zoom.h"

#include <QFontMetricsF>
#include <QPalette>
#include <cmath>
#include <stdexcept>

namespace quorvel::platform::qt {

namespace {

QWidget *MakeWidget(const Row &row, QWidget *form) {
    switch (row.kind) {
    case Kind::Button:
        return new Button(form);
    case Kind::TextBox:
        return new TextBox(form);
    case Kind::HorizontalBar:
    case Kind::VerticalBar:
        return new ScrollBar(form, row);
    case Kind::Label:
        return new Label(form);
    case Kind::Line:
        return new LineShape(form);
    case Kind::Rectangle:
        return new RectangleShape(form, Colour::FromCode(row.fill));
    }
    throw std::logic_error("a layout row of no known kind");
}

void ApplyFont(QWidget *control, const Row &row) {
    // Without a family of its own a control keeps the window's font.
    if (!row.font.family)
        return;
    // Captions are plain Latin text and need no fallback faces; a box shows
    // numbers in the user's locale, whose digits may come from another face.
    const auto glyphs = row.kind == Kind::TextBox ? Glyphs::Any : Glyphs::Latin;
    control->setFont(MakeFont(row.font.family, row.font.pointSize, row.font.bold, glyphs));
}

// The stand-ins for the layout's fonts can be a few pixels wider than the
// originals, which would cut off the end of a caption (the "1" of the axis
// captions). A label then grows to its text, but only into free space.
TextPlace PlaceFor(const QWidget *control, std::span<const Row> rows, std::size_t i,
                   int clientWidth, bool rightToLeft, double zoom = 1.0) {
    const Row &row = rows[i];
    const auto *label = qobject_cast<const QLabel *>(control);
    if (!label || label->text().isEmpty())
        return {row.left, row.width, rightToLeft && !row.mark};
    // One pixel more than the advance: hinting at a higher pixel ratio can
    // widen the glyphs by a fraction. In the layout's pixels, whatever the zoom.
    const double advance = QFontMetricsF(label->font()).horizontalAdvance(label->text()) / zoom;
    const int needed = static_cast<int>(std::ceil(advance)) + 1;
    return PlaceText(rows, i, needed, clientWidth, rightToLeft);
}

} // namespace

Form::Form(const FormDesign &design, std::span<const Row> rows, const FormWords &words)
    : design_(design), rows_(rows) {
    setWindowTitle(ToQString(words.title));
    useLanguageOf(words);
    // The drawing is aligned with the layout's pixels, so the client area never changes size.
    setFixedSize(design.clientWidth, design.clientHeight);
    // The program takes no command line: Qt's -reverse changes nothing here (and
    // start-up sets our style over whatever -style asked for).
    setLayoutDirection(Qt::LeftToRight);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, ToQColor(Colour::FromCode(design.background)));
    setPalette(colours);
    setAutoFillBackground(true);
    InstallAccessibility();

    surface_ = new DrawingLayer(this, Colour::FromCode(design.drawingColour), design.clientWidth,
                                design.clientHeight);
    surface_->setGeometry(0, 0, design.clientWidth, design.clientHeight);
    surface_->setAccessibleName(ToQString(words.drawing));
    surface_->setAnnouncer(new Announcer(this));
    // The icon is decoded and handed to the window system only once the first
    // frame is up; the first picture does not need it.
    new AfterFirstFrame(*this, [this] { setWindowIcon(AppIcon()); });

    // Everything that needs no font is made while the font configuration is
    // still being read: the controls but the boxes, which lay out their text
    // as soon as they exist.
    controls_.resize(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].kind != Kind::TextBox)
            controls_[i] = MakeWidget(rows[i], this);

    FontWarmup::Wait();
    useBoxFont();
    // Only the W Mean caption shows the window's own font.
    setFont(MakeFont(design.font.family, design.font.pointSize, design.font.bold, Glyphs::Latin));

    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Row &row = rows[i];
        if (!controls_[i])
            controls_[i] = MakeWidget(row, this);
        QWidget *control = controls_[i];
        control->setObjectName(QString::fromUtf8(row.name));
        if (row.index >= 0)
            control->setProperty("index", row.index);
        ApplyFont(control, row);
        showWords(i, words.captions.at(i), true);
        if (row.kind == Kind::Line) { // a line includes both its end pixels
            control->setGeometry(row.left, row.top, row.width + 1, row.height + 1);
        } else {
            const TextPlace place =
                PlaceFor(control, rows, i, RightEdge(design, row), rightToLeft_);
            control->setGeometry(place.left, row.top, place.width, row.height);
        }
        if (!TakesFocus(row.kind))
            control->setFocusPolicy(Qt::NoFocus);
        if (row.panel) // until the window asks for the panel
            control->hide();
    }
    stack();
    orderFocus(rows);
    tools_ = new ReadingTools(this, design.clientWidth);
}

// Every control, font, frame and the drawing at a zoom, as at a screen of
// that scale; the drawing then made again sharp from the kept curves where
// the scale changed (new words alone leave it as it is).
void Form::layOut(double zoom, bool rescaled) {
    setProperty("quorvelZoom", zoom);
    setFixedSize(Zoomed(clientWidth(), zoom), Zoomed(design_.clientHeight, zoom));
    setFont(MakeFont(design_.font.family, design_.font.pointSize * zoom, design_.font.bold,
                     Glyphs::Latin));
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const Row &row = rows_[i];
        QWidget *control = controls_[i];
        if (row.font.family)
            control->setFont(MakeFont(row.font.family, row.font.pointSize * zoom, row.font.bold,
                                      row.kind == Kind::TextBox ? Glyphs::Any : Glyphs::Latin));
        const int extra = row.kind == Kind::Line ? 1 : 0; // a line includes both its end pixels
        const TextPlace place =
            row.kind == Kind::Line
                ? TextPlace{row.left, row.width, false}
                : PlaceFor(control, rows_, i, RightEdge(design_, row), rightToLeft_, zoom);
        const int left = Zoomed(place.left, zoom), top = Zoomed(row.top, zoom);
        control->setGeometry(left, top, Zoomed(place.left + place.width + extra, zoom) - left,
                             Zoomed(row.top + row.height + extra, zoom) - top);
    }
    // The drawing covers the window's own client area, never the panel.
    surface_->setGeometry(0, 0, Zoomed(design_.clientWidth, zoom), height());
    surface_->refit();
    hideNote();
    tools_->hideMarker();
    if (rescaled && tools_->events().rescaled)
        tools_->events().rescaled();
    update();
}

// The panel's controls show or hide, and the window widens or narrows to
// them; nothing else moves, and the drawing stays as it is.
void Form::showPanel(bool shown) {
    if (shown == panelShown_)
        return;
    panelShown_ = shown;
    const double zoom = ZoomOf(this);
    setFixedSize(Zoomed(clientWidth(), zoom), Zoomed(design_.clientHeight, zoom));
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].panel)
            controls_[i]->setVisible(shown);
}

double Form::zoom() const {
    return ZoomOf(this);
}

void Form::setZoom(double zoom) {
    if (zoom != ZoomOf(this))
        layOut(zoom);
}

void Form::stack() {
    for (int entry : StackingOrder(rows_))
        (entry == DrawingInStack ? static_cast<QWidget *>(surface_)
                                 : controls_[static_cast<std::size_t>(entry)])
            ->raise();
}

void Form::orderFocus(std::span<const Row> rows) {
    const std::vector<std::size_t> order = FocusOrder(rows);
    for (std::size_t i : order)
        focusOrder_.push_back(controls_[i]);
    for (std::size_t k = 1; k < order.size(); ++k)
        setTabOrder(controls_[order[k - 1]], controls_[order[k]]);
}

platform::Control &Form::control(std::size_t i) {
    return *dynamic_cast<platform::Control *>(controls_.at(i));
}

std::optional<std::size_t> Form::focusedRow() const {
    const QWidget *focused = focusWidget();
    for (std::size_t i = 0; focused && i < controls_.size(); ++i)
        if (controls_[i] == focused)
            return i;
    return std::nullopt;
}

} // namespace quorvel::platform::qt

namespace quorvel::platform {

std::unique_ptr<platform::Form> CreateForm(const FormDesign &design, std::span<const Row> rows,
                                           const FormWords &words) {
    return std::make_unique<qt::Form>(design, rows, words);
}

} // namespace quorvel::platform
