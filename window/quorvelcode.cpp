#include "quorvelcode.h"

#include "accessibility.h"
#include "accessible.h"
#include "app_icon.h"
#include "controls.h"
#include "first_frame.h"
#include "fonts.h"
#include "layout.h"
#include "qt_colour.h"

#include <QPalette>
#include <algorithm>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace quorvel {

namespace {

template <class Control> Control *As(QWidget *widget, std::string_view name) {
    auto *control = dynamic_cast<Control *>(widget);
    if (!control)
        throw std::logic_error("layout row " + std::string(name) + " has the wrong kind");
    return control;
}

bool TakesFocus(layout::Kind kind) {
    using layout::Kind;
    return kind == Kind::Button || kind == Kind::TextBox || kind == Kind::HorizontalBar ||
           kind == Kind::VerticalBar;
}

} // namespace

Quorvelcode::Quorvelcode(QWidget *parent) : QWidget(parent), errors(this) {
    const layout::Window &form = layout::MainWindow();
    setObjectName(QStringLiteral("Quorvelcode"));
    setWindowTitle(QString::fromUtf8(form.caption));
    // The program takes no command line: Qt's -reverse changes nothing here (and
    // start-up sets our style over whatever -style asked for).
    setLayoutDirection(Qt::LeftToRight);
    platform::InstallAccessibility();
    // The drawing is aligned with the layout's pixels, so the client area never changes size.
    setFixedSize(form.clientWidth, form.clientHeight);
    QPalette colours = palette();
    colours.setColor(QPalette::Window,
                     platform::ToQColor(platform::Colour::FromCode(form.background)));
    setPalette(colours);
    setAutoFillBackground(true);
    // Only the W Mean caption shows the window's own font.
    setFont(platform::MakeFont(form.font.family, form.font.pointSize, form.font.bold,
                               platform::Glyphs::Latin));

    surface = new platform::DrawingLayer(this, platform::Colour::FromCode(form.drawingColour));
    surface->setGeometry(0, 0, form.clientWidth, form.clientHeight);

    // The icon is decoded and handed to the window system only once the first
    // frame is up; the first picture does not need it.
    new platform::AfterFirstFrame(*this, [this] { setWindowIcon(platform::AppIcon()); });
    surface->setAccessibleName(QStringLiteral("Drawing"));

    buildFromLayout();
    DescribeControls(*this);
    stackControls();
    connectHandlers();
    Textw1->setFocus();
}

void Quorvelcode::buildFromLayout() {
    std::vector<std::pair<int, QWidget *>> focusChain;
    for (const layout::Row &row : layout::Controls()) {
        QWidget *control = CreateControl(row, this);
        const std::string_view name = row.name;
        if (name == "Wmean")
            Wmean = As<QPushButton>(control, name);
        else if (name == "Textp100")
            Textp100 = As<platform::TextBox>(control, name);
        else if (name == "HScrollw3")
            HScrollw3 = As<platform::ScrollBar>(control, name);
        else if (name == "HScrollw2")
            HScrollw2 = As<platform::ScrollBar>(control, name);
        else if (name == "HScrollw1")
            HScrollw1 = As<platform::ScrollBar>(control, name);
        else if (name == "Textw3")
            Textw3 = As<platform::TextBox>(control, name);
        else if (name == "Textw2")
            Textw2 = As<platform::TextBox>(control, name);
        else if (name == "Textw1")
            Textw1 = As<platform::TextBox>(control, name);
        else if (name == "CLS")
            CLS = As<QPushButton>(control, name);
        else if (name == "RUN")
            RUN = As<QPushButton>(control, name);
        else if (name == "VScrollp")
            VScrollp = As<platform::ScrollBar>(control, name);
        else if (name == "TextInitp")
            TextInitp = As<platform::TextBox>(control, name);
        else if (name == "Label3")
            Label3.add(row.index, As<QLabel>(control, name));
        else if (name == "Label8")
            Label8.add(row.index, As<QLabel>(control, name));
        else if (name == "Line2")
            Line2 = As<platform::LineShape>(control, name);
        else if (name == "Deltap")
            Deltap.add(row.index, As<platform::RectangleShape>(control, name));
        else if (name == "Shape2")
            Shape2.add(row.index, As<platform::RectangleShape>(control, name));
        else if (name == "Label1")
            Label1.add(row.index, As<QLabel>(control, name));
        else if (name == "Label2")
            Label2 = As<QLabel>(control, name);
        else if (name == "Label6")
            Label6 = As<QLabel>(control, name);
        else if (name == "Label5")
            Label5 = As<QLabel>(control, name);
        else if (name == "Shape1")
            Shape1 = As<platform::RectangleShape>(control, name);
        else if (name == "Label4")
            Label4 = As<QLabel>(control, name);
        else
            throw std::logic_error("layout row " + std::string(name) + " has no control");

        if (TakesFocus(row.kind))
            focusChain.emplace_back(row.tabIndex, control);
        else
            control->setFocusPolicy(Qt::NoFocus);
    }
    std::sort(focusChain.begin(), focusChain.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t i = 1; i < focusChain.size(); ++i)
        setTabOrder(focusChain[i - 1].second, focusChain[i].second);
}

// Frames at the back; the zero line and the labels on them; then what is
// drawn; the controls a user works with on top of everything.
void Quorvelcode::stackControls() {
    const auto raiseKind = [this](layout::Kind kind) {
        for (const layout::Row &row : layout::Controls()) {
            if (row.kind != kind)
                continue;
            for (QWidget *control :
                 findChildren<QWidget *>(QString::fromUtf8(row.name), Qt::FindDirectChildrenOnly))
                control->raise();
        }
    };
    using layout::Kind;
    raiseKind(Kind::Rectangle);
    raiseKind(Kind::Line);
    raiseKind(Kind::Label);
    surface->raise();
    for (Kind kind : {Kind::Button, Kind::TextBox, Kind::HorizontalBar, Kind::VerticalBar})
        raiseKind(kind);
}

void Quorvelcode::connectHandlers() {
    const auto on = [this](auto *sender, auto signal, void (Quorvelcode::*handler)()) {
        errors.connect(sender, signal, this, [this, handler] { (this->*handler)(); });
    };
    on(HScrollw1, &QScrollBar::valueChanged, &Quorvelcode::HScrollw1_Change);
    on(HScrollw2, &QScrollBar::valueChanged, &Quorvelcode::HScrollw2_Change);
    on(HScrollw3, &QScrollBar::valueChanged, &Quorvelcode::HScrollw3_Change);
    on(VScrollp, &QScrollBar::valueChanged, &Quorvelcode::VScrollp_Change);
    on(RUN, &QPushButton::clicked, &Quorvelcode::RUN_Click);
    on(Wmean, &QPushButton::clicked, &Quorvelcode::Wmean_Click);
    on(CLS, &QPushButton::clicked, &Quorvelcode::CLS_Click);
}

} // namespace quorvel
