#include "layout/layout.h"

#include "curves/plot.h"
#include "settings/settings.h"
#include "words/phrases.h"

#include <array>

namespace quorvel::layout {

namespace {

constexpr Font Sans825{"MS Sans Serif", 8.25, false};
constexpr Font Sans975{"MS Sans Serif", 9.75, false};
constexpr Font WindowFont{};

using words::Phrase;

// A row's caption: the phrase the window looks up for it.
constexpr int Caption(Phrase phrase) {
    return static_cast<int>(phrase);
}

// Each fitness bar runs 0 to 100 from its left end and starts at 0; a click in
// the trough jumps to an end, the arrows and keys step by a hundredth.
constexpr Row FitnessBar(const char *name, int top, int tabIndex) {
    return {.name = name,
            .kind = Kind::HorizontalBar,
            .left = 160,
            .top = top,
            .width = 73,
            .height = 17,
            .tabIndex = tabIndex,
            .startValue = 0,
            .endValue = 100,
            .value = 0,
            .smallChange = 1,
            .largeChange = 100};
}

constexpr Row Box(const char *name, Phrase placeholder, int left, int top, int width, int tab) {
    return {.name = name,
            .kind = Kind::TextBox,
            .caption = Caption(placeholder),
            .left = left,
            .top = top,
            .width = width,
            .height = 19,
            .tabIndex = tab,
            .font = Sans825};
}

constexpr Row Text(const char *name, int index, Phrase text, int left, int top, int width,
                   int height, int tab, Font font = Sans825) {
    return {.name = name,
            .index = index,
            .kind = Kind::Label,
            .caption = Caption(text),
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .tabIndex = tab,
            .font = font};
}

// A number or sign at a place on a plot, which keeps that place in every
// language.
constexpr Row Mark(const char *name, int index, Phrase text, int left, int top, int width,
                   int height, int tab, Font font = Sans825) {
    Row row = Text(name, index, text, left, top, width, height, tab, font);
    row.mark = true;
    return row;
}

// The three frames lie where the drawing's coordinate systems put them.
constexpr Row Frame(const char *name, int index, const plot::Frame &frame, std::uint32_t fill) {
    return {.name = name,
            .index = index,
            .kind = Kind::Rectangle,
            .left = frame.left,
            .top = frame.top,
            .width = frame.width,
            .height = frame.height,
            .fill = fill};
}

constexpr Phrase AxisCaption = Phrase::CaptionLabel3Axis;
constexpr std::uint32_t ScrollBarColour = 0x80000000u;

// The window as it is drawn first, and with its default settings always.
constexpr Row WindowRows[] = {
    {.name = "Wmean",
     .kind = Kind::Button,
     .caption = Caption(Phrase::CaptionWmean),
     .left = 24,
     .top = 344,
     .width = 65,
     .height = 25,
     .tabIndex = 26,
     .font = WindowFont},
    Box("Textp100", Phrase::PlaceholderTextp100, 552, 104, 65, 14),
    FitnessBar("HScrollw3", 80, 11),
    FitnessBar("HScrollw2", 48, 10),
    FitnessBar("HScrollw1", 16, 9),
    Box("Textw3", Phrase::PlaceholderTextw3, 104, 80, 49, 3),
    Box("Textw2", Phrase::PlaceholderTextw2, 104, 48, 49, 2),
    Box("Textw1", Phrase::PlaceholderTextw1, 104, 16, 49, 1),
    {.name = "CLS",
     .kind = Kind::Button,
     .caption = Caption(Phrase::CaptionCls),
     .left = 528,
     .top = 16,
     .width = 65,
     .height = 33,
     .tabIndex = 12,
     .font = {"Times New Roman", 15.75, false}},
    {.name = "RUN",
     .kind = Kind::Button,
     .caption = Caption(Phrase::CaptionRun),
     .left = 456,
     .top = 16,
     .width = 65,
     .height = 33,
     .tabIndex = 7,
     .font = {"Times New Roman", 18, false}},
    // 1000 at the top, so that the top of the bar is p = 1 like the top of the
    // trajectory frame beside it; arrows and trough move it by a thousandth.
    {.name = "VScrollp",
     .kind = Kind::VerticalBar,
     .left = 72,
     .top = 120,
     .width = 17,
     .height = 185,
     .tabIndex = 6,
     .startValue = 1000,
     .endValue = 0,
     .value = 0,
     .smallChange = 1,
     .largeChange = 1},
    Box("TextInitp", Phrase::PlaceholderTextInitp, 8, 184, 57, 5),
    Text("Label3", 2, Phrase::CaptionLabel3_2, 416, 400, 57, 17, 25, Sans975),
    Mark("Label8", 4, Phrase::CaptionLabel8_4, 424, 376, 25, 17, 24),
    Mark("Label8", 3, Phrase::CaptionLabel8_3, 424, 336, 25, 17, 23),
    Mark("Label8", 2, Phrase::CaptionLabel8_2, 424, 360, 25, 17, 22),
    Mark("Label8", 1, Phrase::CaptionLabel8_1, 64, 408, 25, 17, 21),
    Mark("Label3", 1, AxisCaption, 256, 424, 153, 17, 20, Sans975),
    Mark("Label8", 0, Phrase::CaptionLabel8_0, 64, 320, 25, 17, 19),
    // From (256, 365) to (406, 365): the zero line of the change frame.
    {.name = "Line2",
     .kind = Kind::Line,
     .left = plot::ChangeFrame.left,
     .top = plot::ChangeZeroY,
     .width = plot::ChangeFrame.width,
     .height = 0},
    Mark("Label3", 0, AxisCaption, 96, 424, 153, 17, 18, Sans975),
    Frame("Deltap", 1, plot::ChangeFrame, ScrollBarColour),
    Frame("Shape2", 0, plot::MeanFitnessFrame, ScrollBarColour),
    Text("Label1", 2, Phrase::CaptionLabel1_2, 24, 80, 81, 25, 17),
    Text("Label1", 1, Phrase::CaptionLabel1_1, 24, 48, 81, 25, 16),
    Text("Label2", -1, Phrase::CaptionLabel2, 520, 88, 97, 17, 15),
    Text("Label1", 0, Phrase::CaptionLabel1_0, 24, 16, 73, 25, 0),
    Text("Label6", -1, Phrase::CaptionLabel6, 528, 288, 81, 17, 13),
    Text("Label5", -1, Phrase::CaptionLabel5, 16, 152, 33, 17, 8),
    Frame("Shape1", -1, plot::TrajectoryFrame, 0x00E0E0E0u),
    Text("Label4", -1, Phrase::CaptionLabel4, 0, 128, 81, 25, 4),
};

// The panel of the populations' settings, right of the window: a rule down
// its left edge, then for each setting its caption, and under it its box and
// its bar; then how the last run's populations stand. Its controls come after
// the window's in the focus order, each setting's box before its bar, as on
// the left of the window.
constexpr int PanelLeft = 628, PanelWidth = 212;
constexpr int SettingPitch = 44;
constexpr int PanelTab = 27;
constexpr std::size_t CountRows = 4;
constexpr std::size_t PanelRows = 1 + 3 * settings::Listed().size() + 2 * CountRows;

constexpr Row InPanel(Row row) {
    row.panel = true;
    return row;
}

// A box the window fills from the start: no placeholder.
constexpr Row ValueBox(const char *name, int left, int top, int tab) {
    Row row = Box(name, Phrase::PlaceholderTextp100, left, top, 65, tab);
    row.caption = platform::NoCaption;
    return InPanel(row);
}

constexpr Row SettingBar(const settings::Setting &setting, int top, int tab) {
    const auto last = static_cast<int>(setting.values.size()) - 1;
    return InPanel({.name = setting.bar,
                    .kind = Kind::HorizontalBar,
                    .left = PanelLeft + 80,
                    .top = top,
                    .width = 124,
                    .height = 17,
                    .tabIndex = tab,
                    .startValue = 0,
                    .endValue = last,
                    .value = setting.defaultPosition,
                    .smallChange = 1,
                    // A page is a decade: 1, 2, 5, 10.
                    .largeChange = 3,
                    .steps = setting.values.data(),
                    .stepCount = last + 1});
}

constexpr std::array<Row, PanelRows> MakePanel() {
    std::array<Row, PanelRows> rows{};
    std::size_t at = 0;
    rows[at++] = InPanel({.name = "Line3",
                          .kind = Kind::Line,
                          .left = PanelLeft,
                          .top = 8,
                          .width = 0,
                          .height = 458});
    int top = 16, tab = PanelTab;
    for (const settings::Setting &setting : settings::Listed()) {
        rows[at++] = InPanel(Text(setting.caption, setting.captionIndex, setting.captionPhrase,
                                  PanelLeft + 8, top, 196, 17, tab++));
        rows[at++] = ValueBox(setting.box, PanelLeft + 8, top + 18, tab++);
        rows[at++] = SettingBar(setting, top + 19, tab++);
        top += SettingPitch;
    }
    constexpr struct {
        const char *box;
        Phrase caption;
    } Counts[CountRows] = {{"TextFixed", Phrase::CaptionFixed},
                           {"TextLost", Phrase::CaptionLost},
                           {"TextBoth", Phrase::CaptionBoth},
                           {"TextExpected", Phrase::CaptionExpected}};
    top += 8;
    for (std::size_t i = 0; i < CountRows; ++i) {
        rows[at++] = InPanel(Text("Label10", static_cast<int>(i), Counts[i].caption, PanelLeft + 8,
                                  top + 2, 120, 17, tab++));
        rows[at++] = ValueBox(Counts[i].box, PanelLeft + 132, top, tab++);
        top += 24;
    }
    return rows;
}

constexpr std::array<Row, std::size(WindowRows) + PanelRows> MakeRows() {
    std::array<Row, std::size(WindowRows) + PanelRows> rows{};
    std::size_t at = 0;
    for (const Row &row : WindowRows)
        rows[at++] = row;
    for (const Row &row : MakePanel())
        rows[at++] = row;
    return rows;
}

constexpr auto Rows = MakeRows();

constexpr platform::FormDesign Main{
    .clientWidth = PanelLeft,
    .clientHeight = 474,
    .panelWidth = PanelWidth,
    .background = 0x00FFC0C0u,
    .drawingColour = 0x8000000Eu, // highlighted text
    .font = {"Times New Roman", 8.25, true},
};

} // namespace

const platform::FormDesign &MainWindow() {
    return Main;
}
std::span<const Row> Controls() {
    return Rows;
}

} // namespace quorvel::layout
