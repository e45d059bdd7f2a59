#include "reading/help_text.h"

#include "reading/tool_bindings.h"

namespace quorvel {

using platform::Text;
using platform::Tool;
using words::Phrase;

Text HelpTitle(words::Language language) {
    return words::Say(language, Phrase::HelpTitle,
                      {{"caption", words::Say(language, Phrase::WindowCaption)}});
}

// A paragraph an entry, so that each can be translated on its own.
Text HelpText(words::Language language, platform::ToolKeys keys) {
    const auto say = [language](Phrase phrase, std::initializer_list<words::Arg> args = {}) {
        return words::Say(language, phrase, args);
    };
    const auto key = [&](Tool tool) { return KeyLabel(language, tool, keys); };
    // A browser zooms by the same keys itself.
    const auto zoomKey = [&](Tool tool) {
        return KeyLabel(language, tool, platform::ToolKeys::Desktop);
    };
    const Text run = say(Phrase::CaptionRun), wmean = say(Phrase::CaptionWmean);
    const Text paragraphs[] = {
        say(Phrase::HelpIntro),
        say(Phrase::HelpModel),
        say(Phrase::HelpControls,
            {{"run", run}, {"wmean", wmean}, {"cls", say(Phrase::CaptionCls)}}),
        say(Phrase::HelpPopulations,
            {{"menu_entry", say(Phrase::MenuPopulationSettings)}, {"run", run}}),
        say(Phrase::HelpSettings),
        say(Phrase::HelpTheory, {{"wmean", wmean}}),
        say(Phrase::HelpKeys, {{"read_values", key(Tool::ReadValues)},
                               {"listen", key(Tool::Listen)},
                               {"copy_values", key(Tool::CopyValues)},
                               {"copy_picture", key(Tool::CopyPicture)},
                               {"save_picture", key(Tool::SavePicture)},
                               {"save_values", key(Tool::SaveValues)},
                               {"help", key(Tool::Help)},
                               {"zoom_in", zoomKey(Tool::ZoomIn)},
                               {"zoom_out", zoomKey(Tool::ZoomOut)},
                               {"actual_size", zoomKey(Tool::ActualSize)}}),
        say(Phrase::HelpLinks,
            {{"copy_link", key(Tool::CopyLink)}, {"run", run}, {"wmean", wmean}}),
        say(Phrase::HelpLanguages,
            {{"menu_entry", say(Phrase::MenuLanguage)}, {"tag", language.tag()}}),
        say(Phrase::HelpVersion, {{"version", platform::FromUtf8(QUORVEL_VERSION)}}),
    };
    Text help;
    for (const Text &paragraph : paragraphs)
        help += (help.empty() ? u"" : u"\n\n") + paragraph;
    return help;
}

} // namespace quorvel
