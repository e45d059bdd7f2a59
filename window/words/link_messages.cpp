#include "words/link_messages.h"

#include <string>

namespace quorvel::links {

namespace {

// In UTF-8, which a page carries in half the bytes of UTF-16.
constexpr std::string_view Unused = "The link was not used: ";
constexpr std::string_view Steps =
    " A link holds steps such as run=0.8,1,0.6,0.1 (w(AA), w(Aa), w(aa) and p0, then RUN), "
    "wmean=0.8,1,0.6 (then W Mean) or set=0.8,1,0.6,0.1 (the bars alone), separated by "
    "semicolons.";

platform::Text Words(std::string_view utf8) {
    return platform::FromUtf8(utf8);
}

// A part of the link as it was given, shortened where it is long.
platform::Text Quoted(std::u16string_view part) {
    constexpr std::size_t Longest = 40;
    platform::Text text = u"\u201c";
    text += part.substr(0, Longest);
    if (part.size() > Longest)
        text += u"\u2026";
    return text + u"\u201d";
}

platform::Text NotA(std::u16string_view step, std::u16string_view value, std::string_view what) {
    return Words(Unused) + u"in " + Quoted(step) + u", " + Quoted(value) + Words(what);
}

} // namespace

platform::Text TooManyArguments() {
    return Words("Quorvel takes one argument: a link to a drawing, such as "
                 "\u201c#run=0.8,1,0.6,0.1;wmean=0.8,1,0.6\u201d, in quotes.");
}

platform::Text NoSetup() {
    return Words(Unused) + Words("it holds no steps after \u201c#\u201d.") + Words(Steps);
}

platform::Text TooLong() {
    return Words(Unused) + Words("it is longer than 65,536 characters.");
}

platform::Text TooManySteps() {
    return Words(Unused) + Words("it has more than 1,000 steps.");
}

platform::Text NotAStep(std::u16string_view step) {
    return Words(Unused) + Quoted(step) + Words(" is not a step.") + Words(Steps);
}

platform::Text UnknownWord(std::u16string_view step) {
    return Words(Unused) + Quoted(step) + Words(" does not start with run=, wmean= or set=.") +
           Words(Steps);
}

platform::Text WrongCount(std::u16string_view step, int values) {
    return Words(Unused) + Quoted(step) +
           Words(values == 3 ? " needs three values: w(AA), w(Aa) and w(aa), separated by commas."
                             : " needs four values: w(AA), w(Aa), w(aa) and p0, separated by "
                               "commas.");
}

platform::Text NotAFitness(std::u16string_view step, std::u16string_view value) {
    return NotA(step, value,
                " is not a fitness. A fitness is 0 to 1 in steps of 0.01, written with a point, "
                "such as 0.25.");
}

platform::Text NotAFrequency(std::u16string_view step, std::u16string_view value) {
    return NotA(step, value,
                " is not a start frequency. p0 is 0 to 1 in steps of 0.001, written with a "
                "point, such as 0.125.");
}

} // namespace quorvel::links
