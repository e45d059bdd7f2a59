// The browser build's number texts, run under node (whose language writes a
// dot): the same cases as the desktop suites, in the same wasm the page runs.
#include "cases.h"
#include "check.h"
#include "number_text.h"
#include "text.h"

using quorvel::platform::Text;

namespace {

std::string Narrow(const Text &text) {
    return std::string(text.begin(), text.end());
}

void NumbersReadAsTheyAreWritten() {
    for (const cases::Number &number : cases::Numbers) {
        const Text shortest = quorvel::platform::FromUtf8(number.shortest);
        CHECK_TEXT(quorvel::platform::NumberToText(number.value), shortest);
        CHECK_TEXT(quorvel::platform::FormatThreeDecimals(number.value),
                   quorvel::platform::FromUtf8(number.threeDecimals));
        CHECK(quorvel::platform::TextToNumber(shortest) == number.value);
    }
    // Every value a bar can give reads back as itself.
    for (int divisor : {100, 1000})
        for (int value = 0; value <= divisor; ++value) {
            const double number = value / static_cast<double>(divisor);
            CHECK(quorvel::platform::TextToNumber(quorvel::platform::NumberToText(number)) ==
                  number);
        }
    bool ok = true;
    CHECK(quorvel::platform::TextToNumber(u"w(AA)", &ok) == 0.0 && !ok);
    CHECK(quorvel::platform::TextToNumber(u"-", &ok) == 0.0 && !ok);
}

} // namespace

int main() {
    return check::Run({{"numbers read as they are written", NumbersReadAsTheyAreWritten}});
}
