#pragma once

#include <cstdint>

// The window's controls by their names in the design, as a type: a layout
// row names one, and the window binds its members, its settings' bars and
// boxes and their descriptions through it, so that a misspelt or missing
// control is a compile error rather than a failure at start-up. Controls of
// one array (Label1 0, 1, 2) share a name and differ by the row's index.
namespace quorvel::layout {

enum class ControlId : std::uint8_t {
    // The window.
    Wmean,
    Textp100,
    HScrollw3,
    HScrollw2,
    HScrollw1,
    Textw3,
    Textw2,
    Textw1,
    CLS,
    RUN,
    VScrollp,
    TextInitp,
    Label3,
    Label8,
    Line2,
    Deltap,
    Shape2,
    Label1,
    Label2,
    Label6,
    Label5,
    Shape1,
    Label4,
    // The panel of population settings.
    Line3,
    Label9,
    TextN,
    HScrollN,
    TextPops,
    HScrollPops,
    TextGen,
    HScrollGen,
    Textu,
    HScrollu,
    Textv,
    HScrollv,
    Textm,
    HScrollm,
    Label10,
    TextFixed,
    TextLost,
    TextBoth,
    TextExpected,
};
inline constexpr int ControlIdCount = static_cast<int>(ControlId::TextExpected) + 1;

// The name the toolkit, a screen reader's tree and the suites know it by.
constexpr const char *NameOf(ControlId id) {
    switch (id) {
    case ControlId::Wmean:
        return "Wmean";
    case ControlId::Textp100:
        return "Textp100";
    case ControlId::HScrollw3:
        return "HScrollw3";
    case ControlId::HScrollw2:
        return "HScrollw2";
    case ControlId::HScrollw1:
        return "HScrollw1";
    case ControlId::Textw3:
        return "Textw3";
    case ControlId::Textw2:
        return "Textw2";
    case ControlId::Textw1:
        return "Textw1";
    case ControlId::CLS:
        return "CLS";
    case ControlId::RUN:
        return "RUN";
    case ControlId::VScrollp:
        return "VScrollp";
    case ControlId::TextInitp:
        return "TextInitp";
    case ControlId::Label3:
        return "Label3";
    case ControlId::Label8:
        return "Label8";
    case ControlId::Line2:
        return "Line2";
    case ControlId::Deltap:
        return "Deltap";
    case ControlId::Shape2:
        return "Shape2";
    case ControlId::Label1:
        return "Label1";
    case ControlId::Label2:
        return "Label2";
    case ControlId::Label6:
        return "Label6";
    case ControlId::Label5:
        return "Label5";
    case ControlId::Shape1:
        return "Shape1";
    case ControlId::Label4:
        return "Label4";
    case ControlId::Line3:
        return "Line3";
    case ControlId::Label9:
        return "Label9";
    case ControlId::TextN:
        return "TextN";
    case ControlId::HScrollN:
        return "HScrollN";
    case ControlId::TextPops:
        return "TextPops";
    case ControlId::HScrollPops:
        return "HScrollPops";
    case ControlId::TextGen:
        return "TextGen";
    case ControlId::HScrollGen:
        return "HScrollGen";
    case ControlId::Textu:
        return "Textu";
    case ControlId::HScrollu:
        return "HScrollu";
    case ControlId::Textv:
        return "Textv";
    case ControlId::HScrollv:
        return "HScrollv";
    case ControlId::Textm:
        return "Textm";
    case ControlId::HScrollm:
        return "HScrollm";
    case ControlId::Label10:
        return "Label10";
    case ControlId::TextFixed:
        return "TextFixed";
    case ControlId::TextLost:
        return "TextLost";
    case ControlId::TextBoth:
        return "TextBoth";
    case ControlId::TextExpected:
        return "TextExpected";
    }
    return "";
}

} // namespace quorvel::layout
