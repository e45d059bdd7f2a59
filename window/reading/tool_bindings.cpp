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
using words::Phrase;

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

// A letter as a list sorts it: case and the commonest accents aside.
char16_t Folded(char16_t c) {
    if (c >= u'A' && c <= u'Z')
        return static_cast<char16_t>(c - u'A' + u'a');
    if (c >= 0xC0 && c <= 0xFF) {
        constexpr char16_t Base[] = u"aaaaaaaceeeeiiiidnooooo*ouuuuyts";
        return Base[(c - 0xC0) & 0x1F];
    }
    return c;
}

std::span<const Binding> BindingsFor(ToolKeys keys) {
    if (keys == ToolKeys::Browser)
        return Browser;
    return Desktop;
}

// A function key's name is the same in every language; the others' come
// from the catalogue.
Text KeyName(words::Language language, const Binding &binding) {
    switch (binding.key) {
    case Key::Letter:
    case Key::Digit:
        return Text(1, static_cast<char16_t>(binding.character));
    case Key::F1:
        return u"F1";
    case Key::F6:
        return u"F6";
    case Key::Space:
        return words::Say(language, Phrase::KeySpace);
    case Key::Plus:
        return words::Say(language, Phrase::KeyPlus);
    case Key::Minus:
        return words::Say(language, Phrase::KeyMinus);
    default:
        return u"?";
    }
}

constexpr struct {
    Tool tool;
    Phrase label;
} MenuOrder[] = {
    {Tool::ReadValues, Phrase::MenuReadValues}, {Tool::Listen, Phrase::MenuListen},
    {Tool::CopyValues, Phrase::MenuCopyValues}, {Tool::CopyPicture, Phrase::MenuCopyPicture},
    {Tool::CopyLink, Phrase::MenuCopyLink},     {Tool::SavePicture, Phrase::MenuSavePicture},
    {Tool::SaveValues, Phrase::MenuSaveValues}, {Tool::Help, Phrase::MenuHelp},
    {Tool::ZoomIn, Phrase::MenuZoomIn},         {Tool::ZoomOut, Phrase::MenuZoomOut},
    {Tool::ActualSize, Phrase::MenuActualSize},
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

Text KeyLabel(words::Language language, Tool tool, ToolKeys keys) {
    const auto with = [language](Phrase modifier, const Text &key) {
        return words::Say(language, Phrase::KeyWith,
                          {{"modifier", words::Say(language, modifier)}, {"key", key}});
    };
    for (const Binding &binding : BindingsFor(keys)) {
        if (binding.tool != tool)
            continue;
        Text label = KeyName(language, binding);
        if (binding.shift)
            label = with(Phrase::KeyShift, label);
        if (binding.alt)
            label = with(Phrase::KeyAlt, label);
        if (binding.control)
            label = with(Phrase::KeyControl, label);
        return label;
    }
    return {};
}

std::vector<platform::MenuEntry> ToolMenu(words::Language language, ToolKeys keys,
                                          bool panelShown) {
    std::vector<platform::MenuEntry> menu;
    for (const auto &entry : MenuOrder) {
        if (entry.tool == Tool::Help) { // the entries without keys before it
            menu.push_back({words::Say(language, Phrase::MenuPopulationSettings),
                            {},
                            Tool::PopulationSettings,
                            {},
                            0,
                            panelShown});
            platform::MenuEntry examples{
                words::Say(language, Phrase::MenuExamples), {}, Tool::Example1, {}};
            for (std::size_t i = 0; i < Examples().size(); ++i)
                examples.entries.push_back(
                    {words::Say(language, Examples()[i].name),
                     {},
                     static_cast<Tool>(static_cast<int>(Tool::Example1) + static_cast<int>(i)),
                     {}});
            menu.push_back(std::move(examples));
            platform::MenuEntry languages{
                words::Say(language, Phrase::MenuLanguage), {}, Tool::Language, {}};
            for (const words::Language spoken : words::Language::All())
                languages.entries.push_back({spoken.name(),
                                             {},
                                             Tool::Language,
                                             {},
                                             static_cast<int>(spoken.index()),
                                             spoken == language});
            // By their own names, as a reader looks for theirs.
            std::sort(languages.entries.begin(), languages.entries.end(),
                      [](const platform::MenuEntry &a, const platform::MenuEntry &b) {
                          return std::lexicographical_compare(
                              a.label.begin(), a.label.end(), b.label.begin(), b.label.end(),
                              [](char16_t x, char16_t y) { return Folded(x) < Folded(y); });
                      });
            menu.push_back(std::move(languages));
        }
        const Text key = KeyLabel(language, entry.tool, keys);
        if (!key.empty()) // a browser zooms by its own keys and menu
            menu.push_back({words::Say(language, entry.label), key, entry.tool, {}});
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
