#include "words/control_names.h"

#include "number_text.h"
#include "settings/settings.h"

namespace quorvel {

using words::Phrase;
using C = layout::ControlId;

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
        {C::HScrollw1, -1, say(Phrase::CaptionLabel1_0), bar(u"AA")},
        {C::HScrollw2, -1, say(Phrase::CaptionLabel1_1), bar(u"Aa")},
        {C::HScrollw3, -1, say(Phrase::CaptionLabel1_2), bar(u"aa")},
        {C::Textw1, -1, say(Phrase::CaptionLabel1_0), box(u"AA")},
        {C::Textw2, -1, say(Phrase::CaptionLabel1_1), box(u"Aa")},
        {C::Textw3, -1, say(Phrase::CaptionLabel1_2), box(u"aa")},
        {C::VScrollp, -1, say(Phrase::CaptionLabel5),
         words::Say(language, Phrase::DescribeVScrollp,
                    {{"step", step(settings::Id::StartFrequency)}})},
        {C::TextInitp, -1, say(Phrase::CaptionLabel5), say(Phrase::DescribeTextInitp)},
        {C::Textp100, -1, say(Phrase::CaptionLabel2), say(Phrase::DescribeTextp100)},
        {C::RUN, -1, say(Phrase::CaptionRun), say(Phrase::DescribeRun)},
        {C::Wmean, -1, say(Phrase::CaptionWmean), say(Phrase::DescribeWmean)},
        {C::CLS, -1, say(Phrase::CaptionCls), say(Phrase::DescribeCls)},
        {C::Shape1, -1, say(Phrase::NameShape1), say(Phrase::DescribeShape1)},
        {C::Shape2, 0, say(Phrase::NameShape2), say(Phrase::DescribeShape2)},
        {C::Deltap, 1, say(Phrase::CaptionLabel3_2), say(Phrase::DescribeDeltap)},
        // Marks beside the change frame that a screen reader would otherwise spell out.
        {C::Label8, 3, say(Phrase::NamePlus), say(Phrase::DescribePlus)},
        {C::Label8, 4, say(Phrase::NameMinus), say(Phrase::DescribeMinus)},
        {C::Label8, 2, say(Phrase::NameZero), say(Phrase::DescribeZero)},
        // The axis captions spread their ends with spaces to sit under p = 0
        // and p = 1; read aloud they are just the axis.
        {C::Label3, 0, say(Phrase::NameAxis), say(Phrase::DescribeAxisMeanFitness)},
        {C::Label3, 1, say(Phrase::NameAxis), say(Phrase::DescribeAxisChange)},
        {C::Line2, -1, say(Phrase::NameLine2), say(Phrase::DescribeZero)},
        {C::Line3, -1, say(Phrase::DescribePanelRule), {}},
        {C::TextFixed, -1, say(Phrase::CaptionFixed), say(Phrase::DescribeFixed)},
        {C::TextLost, -1, say(Phrase::CaptionLost), say(Phrase::DescribeLost)},
        {C::TextBoth, -1, say(Phrase::CaptionBoth), say(Phrase::DescribeBoth)},
        {C::TextExpected, -1, say(Phrase::CaptionExpected), say(Phrase::DescribeExpected)},
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
