#pragma once

#include "text.h"

#include <optional>

namespace quorvel {

// A model input as the window keeps it: unset until its scroll bar first
// changes, then the text its box showed right after that change.
class Parameter {
public:
    Parameter() = default;
    explicit Parameter(platform::Text text) : text_(std::move(text)) {}

    bool isSet() const { return text_.has_value(); }
    // The stored text; empty while unset.
    platform::Text text() const { return text_.value_or(platform::Text()); }

private:
    std::optional<platform::Text> text_;
};

// The number a parameter stands for: 0 while unset, otherwise the number its
// text spells in the user's locale. A text that spells no finite number also
// gives 0.
double ParameterValue(const Parameter &parameter);

} // namespace quorvel
