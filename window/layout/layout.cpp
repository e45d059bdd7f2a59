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

// A row of the layout and the control of the window it places.
struct Placed {
    ControlId id;
    Row row;
};

// A row's caption: the phrase the window looks up for it.
constexpr int Caption(Phrase phrase) {
    return static_cast<int>(phrase);
}

// Each fitness bar runs 0 to 100 from its left end and starts at 0; a click in
// the trough jumps to an end, the arrows and keys step by a hundredth.
constexpr Placed FitnessBar(ControlId id, int top, int tabIndex) {
    return {id,
            {.kind = Kind::HorizontalBar,
             .left = 160,
             .top = top,
             .width = 73,
             .height = 17,
             .tabIndex = tabIndex,
             .startValue = 0,
             .endValue = 100,
             .value = 0,
             .smallChange = 1,
             .largeChange = 100}};
}

constexpr Placed Box(ControlId id, Phrase placeholder, int left, int top, int width, int tab) {
    return {id,
            {.kind = Kind::TextBox,
             .caption = Caption(placeholder),
             .left = left,
             .top = top,
             .width = width,
             .height = 19,
             .tabIndex = tab,
             .font = Sans825}};
}

constexpr Placed Text(ControlId id, int index, Phrase text, int left, int top, int width,
                      int height, int tab, Font font = Sans825) {
    return {id,
            {.index = index,
             .kind = Kind::Label,
             .caption = Caption(text),
             .left = left,
             .top = top,
             .width = width,
             .height = height,
             .tabIndex = tab,
             .font = font}};
}

// A number or sign at a place on a plot, which keeps that place in every
// language.
constexpr Placed Mark(ControlId id, int index, Phrase text, int left, int top, int width,
                      int height, int tab, Font font = Sans825) {
    Placed placed = Text(id, index, text, left, top, width, height, tab, font);
    placed.row.mark = true;
    return placed;
}

// The three frames lie where the drawing's coordinate systems put them.
constexpr Placed Frame(ControlId id, int index, const plot::Frame &frame, std::uint32_t fill) {
    return {id,
            {.index = index,
             .kind = Kind::Rectangle,
             .left = frame.left,
             .top = frame.top,
             .width = frame.width,
             .height = frame.height,
             .fill = fill}};
}

constexpr Phrase AxisCaption = Phrase::CaptionLabel3Axis;
constexpr std::uint32_t ScrollBarColour = 0x80000000u;

// The window as it is drawn first, and with its default settings always.
constexpr Placed WindowRows[] = {
    {ControlId::Wmean,
     {.kind = Kind::Button,
      .caption = Caption(Phrase::CaptionWmean),
      .left = 24,
      .top = 344,
      .width = 65,
      .height = 25,
      .tabIndex = 26,
      .font = WindowFont}},
    Box(ControlId::Textp100, Phrase::PlaceholderTextp100, 552, 104, 65, 14),
    FitnessBar(ControlId::HScrollw3, 80, 11),
    FitnessBar(ControlId::HScrollw2, 48, 10),
    FitnessBar(ControlId::HScrollw1, 16, 9),
    Box(ControlId::Textw3, Phrase::PlaceholderTextw3, 104, 80, 49, 3),
    Box(ControlId::Textw2, Phrase::PlaceholderTextw2, 104, 48, 49, 2),
    Box(ControlId::Textw1, Phrase::PlaceholderTextw1, 104, 16, 49, 1),
    {ControlId::CLS,
     {.kind = Kind::Button,
      .caption = Caption(Phrase::CaptionCls),
      .left = 528,
      .top = 16,
      .width = 65,
      .height = 33,
      .tabIndex = 12,
      .font = {"Times New Roman", 15.75, false}}},
    {ControlId::RUN,
     {.kind = Kind::Button,
      .caption = Caption(Phrase::CaptionRun),
      .left = 456,
      .top = 16,
      .width = 65,
      .height = 33,
      .tabIndex = 7,
      .font = {"Times New Roman", 18, false}}},
    // 1000 at the top, so that the top of the bar is p = 1 like the top of the
    // trajectory frame beside it; arrows and trough move it by a thousandth.
    {ControlId::VScrollp,
     {.kind = Kind::VerticalBar,
      .left = 72,
      .top = 120,
      .width = 17,
      .height = 185,
      .tabIndex = 6,
      .startValue = 1000,
      .endValue = 0,
      .value = 0,
      .smallChange = 1,
      .largeChange = 1}},
    Box(ControlId::TextInitp, Phrase::PlaceholderTextInitp, 8, 184, 57, 5),
    Text(ControlId::Label3, 2, Phrase::CaptionLabel3_2, 416, 400, 57, 17, 25, Sans975),
    Mark(ControlId::Label8, 4, Phrase::CaptionLabel8_4, 424, 376, 25, 17, 24),
    Mark(ControlId::Label8, 3, Phrase::CaptionLabel8_3, 424, 336, 25, 17, 23),
    Mark(ControlId::Label8, 2, Phrase::CaptionLabel8_2, 424, 360, 25, 17, 22),
    Mark(ControlId::Label8, 1, Phrase::CaptionLabel8_1, 64, 408, 25, 17, 21),
    Mark(ControlId::Label3, 1, AxisCaption, 256, 424, 153, 17, 20, Sans975),
    Mark(ControlId::Label8, 0, Phrase::CaptionLabel8_0, 64, 320, 25, 17, 19),
    // From (256, 365) to (406, 365): the zero line of the change frame.
    {ControlId::Line2,
     {.kind = Kind::Line,
      .left = plot::ChangeFrame.left,
      .top = plot::ChangeZeroY,
      .width = plot::ChangeFrame.width,
      .height = 0}},
    Mark(ControlId::Label3, 0, AxisCaption, 96, 424, 153, 17, 18, Sans975),
    Frame(ControlId::Deltap, 1, plot::ChangeFrame, ScrollBarColour),
    Frame(ControlId::Shape2, 0, plot::MeanFitnessFrame, ScrollBarColour),
    Text(ControlId::Label1, 2, Phrase::CaptionLabel1_2, 24, 80, 81, 25, 17),
    Text(ControlId::Label1, 1, Phrase::CaptionLabel1_1, 24, 48, 81, 25, 16),
    Text(ControlId::Label2, -1, Phrase::CaptionLabel2, 520, 88, 97, 17, 15),
    Text(ControlId::Label1, 0, Phrase::CaptionLabel1_0, 24, 16, 73, 25, 0),
    Text(ControlId::Label6, -1, Phrase::CaptionLabel6, 528, 288, 81, 17, 13),
    Text(ControlId::Label5, -1, Phrase::CaptionLabel5, 16, 152, 33, 17, 8),
    Frame(ControlId::Shape1, -1, plot::TrajectoryFrame, 0x00E0E0E0u),
    Text(ControlId::Label4, -1, Phrase::CaptionLabel4, 0, 128, 81, 25, 4),
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

constexpr Placed InPanel(Placed placed) {
    placed.row.panel = true;
    return placed;
}

// A box the window fills from the start: no placeholder.
constexpr Placed ValueBox(ControlId id, int left, int top, int tab) {
    Placed placed = Box(id, Phrase::PlaceholderTextp100, left, top, 65, tab);
    placed.row.caption = platform::NoCaption;
    return InPanel(placed);
}

constexpr Placed SettingBar(const settings::Setting &setting, int top, int tab) {
    const auto last = static_cast<int>(setting.values.size()) - 1;
    return InPanel({setting.bar,
                    {.kind = Kind::HorizontalBar,
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
                     .stepCount = last + 1}});
}

constexpr std::array<Placed, PanelRows> MakePanel() {
    std::array<Placed, PanelRows> rows{};
    std::size_t at = 0;
    rows[at++] =
        InPanel({ControlId::Line3,
                 {.kind = Kind::Line, .left = PanelLeft, .top = 8, .width = 0, .height = 458}});
    int top = 16, tab = PanelTab;
    for (const settings::Setting &setting : settings::Listed()) {
        rows[at++] = InPanel(Text(setting.caption, setting.captionIndex, setting.captionPhrase,
                                  PanelLeft + 8, top, 196, 17, tab++));
        rows[at++] = ValueBox(setting.box, PanelLeft + 8, top + 18, tab++);
        rows[at++] = SettingBar(setting, top + 19, tab++);
        top += SettingPitch;
    }
    constexpr struct {
        ControlId box;
        Phrase caption;
    } Counts[CountRows] = {{ControlId::TextFixed, Phrase::CaptionFixed},
                           {ControlId::TextLost, Phrase::CaptionLost},
                           {ControlId::TextBoth, Phrase::CaptionBoth},
                           {ControlId::TextExpected, Phrase::CaptionExpected}};
    top += 8;
    for (std::size_t i = 0; i < CountRows; ++i) {
        rows[at++] = InPanel(Text(ControlId::Label10, static_cast<int>(i), Counts[i].caption,
                                  PanelLeft + 8, top + 2, 120, 17, tab++));
        rows[at++] = ValueBox(Counts[i].box, PanelLeft + 132, top, tab++);
        top += 24;
    }
    return rows;
}

constexpr std::size_t RowCount = std::size(WindowRows) + PanelRows;

// Every row with the name of the control it places, the name that the
// toolkit and the suites see.
constexpr std::array<Placed, RowCount> MakeRows() {
    std::array<Placed, RowCount> rows{};
    std::size_t at = 0;
    for (const Placed &placed : WindowRows)
        rows[at++] = placed;
    for (const Placed &placed : MakePanel())
        rows[at++] = placed;
    for (Placed &placed : rows)
        placed.row.name = NameOf(placed.id);
    return rows;
}

constexpr auto Placement = MakeRows();

template <class T, class Part> constexpr std::array<T, RowCount> Parts(Part part) {
    std::array<T, RowCount> parts{};
    for (std::size_t i = 0; i < RowCount; ++i)
        parts[i] = part(Placement[i]);
    return parts;
}
constexpr auto Rows = Parts<Row>([](const Placed &placed) { return placed.row; });
constexpr auto Ids = Parts<ControlId>([](const Placed &placed) { return placed.id; });

// Every control of the window is placed, so that no member of it is left
// unbound: a control with no row in the layout stops the build here.
constexpr bool EveryControlPlaced() {
    for (int id = 0; id < ControlIdCount; ++id) {
        bool placed = false;
        for (const ControlId row : Ids)
            placed = placed || row == static_cast<ControlId>(id);
        if (!placed)
            return false;
    }
    return true;
}
static_assert(EveryControlPlaced());

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
std::span<const ControlId> ControlIds() {
    return Ids;
}

} // namespace quorvel::layout
