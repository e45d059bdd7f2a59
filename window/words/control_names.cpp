#include "words/control_names.h"

#include "number_text.h"

namespace quorvel {

using words::Phrase;

std::vector<ControlWords> ControlNames(words::Language language) {
    const auto say = [language](Phrase phrase, std::initializer_list<words::Arg> args = {}) {
        return words::Say(language, phrase, args);
    };
    const platform::Text hundredth = platform::NumberToText(0.01);
    const auto bar = [&](const char16_t *genotype) {
        return say(Phrase::DescribeFitnessBar, {{"genotype", genotype}, {"step", hundredth}});
    };
    const auto box = [&](const char16_t *genotype) {
        return say(Phrase::DescribeFitnessBox, {{"genotype", genotype}});
    };
    return {
        {"HScrollw1", -1, say(Phrase::CaptionLabel1_0), bar(u"AA")},
        {"HScrollw2", -1, say(Phrase::CaptionLabel1_1), bar(u"Aa")},
        {"HScrollw3", -1, say(Phrase::CaptionLabel1_2), bar(u"aa")},
        {"Textw1", -1, say(Phrase::CaptionLabel1_0), box(u"AA")},
        {"Textw2", -1, say(Phrase::CaptionLabel1_1), box(u"Aa")},
        {"Textw3", -1, say(Phrase::CaptionLabel1_2), box(u"aa")},
        {"VScrollp", -1, say(Phrase::CaptionLabel5),
         say(Phrase::DescribeVScrollp, {{"step", platform::NumberToText(0.001)}})},
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
    };
}

} // namespace quorvel
