#include "reading/tool_bindings.h"

#include "lesson/examples.h"

#include <algorithm>
#include <iterator>
#include <span>

namespace quorvel {

namespace {

using platform::Key;
using platform::KeyPress;
using platform::Text;
using platform::Tool;
using platform::ToolKeys;

// A key and the modifiers it needs; a binding that takes either Shift says so,
// since Plus needs Shift on many keyboards and not on the keypad.
struct Binding {
    Tool tool;
    Key key;
    char character = 0;
    bool control = false, alt = false, shift = false;
    bool eitherShift = false;

    bool matches(const KeyPress &press) const {
        return press.key == key && press.character == character && press.control == control &&
               press.alt == alt && (eitherShift || press.shift == shift) && !press.meta;
    }
};

// Listen is Space in reading mode: outside it Space presses the focused button.
constexpr Binding Desktop[] = {
    {Tool::ReadValues, Key::F6},
    {Tool::Listen, Key::Space},
    {Tool::CopyValues, Key::Letter, 'T', true, false, true},
    {Tool::CopyPicture, Key::Letter, 'C', true, false, true},
    {Tool::CopyLink, Key::Letter, 'L', true, false, true},
    {Tool::SavePicture, Key::Letter, 'S', true},
    {Tool::SaveValues, Key::Letter, 'S', true, false, true},
    {Tool::Help, Key::F1},
    {Tool::ZoomIn, Key::Plus, 0, true, false, false, true},
    {Tool::ZoomIn, Key::Equals, 0, true, false, false, true},
    {Tool::ZoomOut, Key::Minus, 0, true, false, false, true},
    {Tool::ActualSize, Key::Digit, '0', true},
};
// A page takes Ctrl+S from the browser, which would save only the page; the
// values take Alt+Shift+S, as the page's other tools do, since Ctrl+Shift+S
// is Firefox's screenshot.
constexpr Binding Browser[] = {
    {Tool::ReadValues, Key::F6},
    {Tool::Listen, Key::Space},
    {Tool::CopyValues, Key::Letter, 'T', false, true, true},
    {Tool::CopyPicture, Key::Letter, 'C', false, true, true},
    {Tool::CopyLink, Key::Letter, 'L', false, true, true},
    {Tool::SavePicture, Key::Letter, 'S', true},
    {Tool::SaveValues, Key::Letter, 'S', false, true, true},
    {Tool::Help, Key::Letter, 'H', false, true, true},
};

std::span<const Binding> BindingsFor(ToolKeys keys) {
    if (keys == ToolKeys::Browser)
        return Browser;
    return Desktop;
}

Text KeyName(const Binding &binding) {
    switch (binding.key) {
    case Key::Letter:
    case Key::Digit:
        return Text(1, static_cast<char16_t>(binding.character));
    case Key::F1:
        return u"F1";
    case Key::F6:
        return u"F6";
    case Key::Space:
        return u"Space";
    case Key::Plus:
        return u"Plus";
    case Key::Minus:
        return u"Minus";
    default:
        return u"?";
    }
}

constexpr struct {
    Tool tool;
    const char16_t *label;
} MenuOrder[] = {
    {Tool::ReadValues, u"Read values"},
    {Tool::Listen, u"Listen"},
    {Tool::CopyValues, u"Copy values"},
    {Tool::CopyPicture, u"Copy picture"},
    {Tool::CopyLink, u"Copy link"},
    {Tool::SavePicture, u"Save picture\u2026"},
    {Tool::SaveValues, u"Save values\u2026"},
    {Tool::Help, u"Help"},
    {Tool::ZoomIn, u"Zoom in"},
    {Tool::ZoomOut, u"Zoom out"},
    {Tool::ActualSize, u"Actual size"},
};

} // namespace

std::optional<Tool> ToolForKey(const KeyPress &press, ToolKeys keys) {
    for (const Binding &binding : BindingsFor(keys))
        if (binding.tool != Tool::Listen && binding.matches(press))
            return binding.tool;
    return std::nullopt;
}

bool OpensMenu(const KeyPress &press) {
    return (press.key == Key::F10 && press.shift && !press.control && !press.alt && !press.meta) ||
           (press.key == Key::Menu && press.plain());
}

std::optional<ReadingKey> ReadingKeyFor(const KeyPress &press) {
    if (!press.plain())
        return std::nullopt;
    switch (press.key) {
    case Key::Left:
        return ReadingKey::Left;
    case Key::Right:
        return ReadingKey::Right;
    case Key::PageUp:
        return ReadingKey::PageUp;
    case Key::PageDown:
        return ReadingKey::PageDown;
    case Key::Home:
        return ReadingKey::Home;
    case Key::End:
        return ReadingKey::End;
    case Key::Up:
        return ReadingKey::Up;
    case Key::Down:
        return ReadingKey::Down;
    case Key::Escape:
        return ReadingKey::Escape;
    case Key::Space:
        return ReadingKey::Listen;
    default:
        return std::nullopt;
    }
}

Text KeyLabel(Tool tool, ToolKeys keys) {
    for (const Binding &binding : BindingsFor(keys))
        if (binding.tool == tool)
            return Text(binding.control ? u"Ctrl+" : u"") + (binding.alt ? u"Alt+" : u"") +
                   (binding.shift ? u"Shift+" : u"") + KeyName(binding);
    return {};
}

std::vector<platform::MenuEntry> ToolMenu(ToolKeys keys) {
    std::vector<platform::MenuEntry> menu;
    for (const auto &entry : MenuOrder) {
        if (entry.tool == Tool::Help) { // the examples, which have no keys, before it
            platform::MenuEntry examples{u"Examples", {}, Tool::Example1, {}};
            for (std::size_t i = 0; i < Examples().size(); ++i)
                examples.entries.push_back(
                    {platform::FromUtf8(Examples()[i].name),
                     {},
                     static_cast<Tool>(static_cast<int>(Tool::Example1) + static_cast<int>(i)),
                     {}});
            menu.push_back(std::move(examples));
        }
        const Text key = KeyLabel(entry.tool, keys);
        if (!key.empty()) // a browser zooms by its own keys and menu
            menu.push_back({entry.label, key, entry.tool, {}});
    }
    return menu;
}

double NextZoom(double current, Tool tool) {
    static constexpr double Steps[] = {1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0};
    constexpr int Last = static_cast<int>(std::size(Steps)) - 1;
    int at = 0;
    for (int i = 0; i <= Last; ++i)
        if (Steps[i] <= current + 1e-9)
            at = i;
    const int next = tool == Tool::ZoomIn    ? std::min(at + 1, Last)
                     : tool == Tool::ZoomOut ? std::max(at - 1, 0)
                                             : 0;
    return Steps[next];
}

} // namespace quorvel
