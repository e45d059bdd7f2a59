#include "words/control_names.h"

#include "number_text.h"
#include "settings/settings.h"

namespace quorvel {

using words::Phrase;

std::vector<ControlWords> ControlNames(words::Language language, int generations) {
    const platform::Text spanned = platform::NumberToText(generations);
    // A name or a description may name the generations, with the plural
    // their number takes.
    const auto say = [language, generations, &spanned](Phrase phrase) {
        return words::SayCount(language, phrase, static_cast<unsigned long>(generations),
                               {{"generations", spanned}});
    };
    const auto step = [](settings::Id id) {
        return platform::NumberToText(1.0 / settings::Of(id).divisor);
    };
    const platform::Text hundredth = step(settings::Id::FitnessAA);
    const auto bar = [&](const char16_t *genotype) {
        return words::Say(language, Phrase::DescribeFitnessBar,
                          {{"genotype", genotype}, {"step", hundredth}});
    };
    const auto box = [&](const char16_t *genotype) {
        return words::Say(language, Phrase::DescribeFitnessBox, {{"genotype", genotype}});
    };
    std::vector<ControlWords> names = {
        {"HScrollw1", -1, say(Phrase::CaptionLabel1_0), bar(u"AA")},
        {"HScrollw2", -1, say(Phrase::CaptionLabel1_1), bar(u"Aa")},
        {"HScrollw3", -1, say(Phrase::CaptionLabel1_2), bar(u"aa")},
        {"Textw1", -1, say(Phrase::CaptionLabel1_0), box(u"AA")},
        {"Textw2", -1, say(Phrase::CaptionLabel1_1), box(u"Aa")},
        {"Textw3", -1, say(Phrase::CaptionLabel1_2), box(u"aa")},
        {"VScrollp", -1, say(Phrase::CaptionLabel5),
         words::Say(language, Phrase::DescribeVScrollp,
                    {{"step", step(settings::Id::StartFrequency)}})},
        {"TextInitp", -1, say(Phrase::CaptionLabel5), say(Phrase::DescribeTextInitp)},
        {"Textp100", -1, say(Phrase::CaptionLabel2), say(Phrase::DescribeTextp100)},
        {"RUN", -1, say(Phrase::CaptionRun), say(Phrase::DescribeRun)},
        {"Wmean", -1, say(Phrase::CaptionWmean), say(Phrase::DescribeWmean)},
        {"CLS", -1, say(Phrase::CaptionCls), say(Phrase::DescribeCls)},
        {"Shape1", -1, say(Phrase::NameShape1), say(Phrase::DescribeShape1)},
        {"Shape2", 0, say(Phrase::NameShape2), say(Phrase::DescribeShape2)},
        {"Deltap", 1, say(Phrase::CaptionLabel3_2), say(Phrase::DescribeDeltap)},
        // Marks beside the change frame that a screen reader would otherwise spell out.
        {"Label8", 3, say(Phrase::NamePlus), say(Phrase::DescribePlus)},
        {"Label8", 4, say(Phrase::NameMinus), say(Phrase::DescribeMinus)},
        {"Label8", 2, say(Phrase::NameZero), say(Phrase::DescribeZero)},
        // The axis captions spread their ends with spaces to sit under p = 0
        // and p = 1; read aloud they are just the axis.
        {"Label3", 0, say(Phrase::NameAxis), say(Phrase::DescribeAxisMeanFitness)},
        {"Label3", 1, say(Phrase::NameAxis), say(Phrase::DescribeAxisChange)},
        {"Line2", -1, say(Phrase::NameLine2), say(Phrase::DescribeZero)},
        {"Line3", -1, say(Phrase::DescribePanelRule), {}},
        {"TextFixed", -1, say(Phrase::CaptionFixed), say(Phrase::DescribeFixed)},
        {"TextLost", -1, say(Phrase::CaptionLost), say(Phrase::DescribeLost)},
        {"TextBoth", -1, say(Phrase::CaptionBoth), say(Phrase::DescribeBoth)},
        {"TextExpected", -1, say(Phrase::CaptionExpected), say(Phrase::DescribeExpected)},
    };
    // The population settings' bars and boxes, named by their captions.
    for (const settings::Setting &setting : settings::Listed()) {
        names.push_back({setting.bar, -1, say(setting.captionPhrase), say(setting.describeBar)});
        names.push_back(
            {setting.box, -1, say(setting.captionPhrase), say(Phrase::DescribeSettingBox)});
    }
    return names;
}

} // namespace quorvel
