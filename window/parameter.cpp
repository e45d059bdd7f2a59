#include "parameter.h"

#include "number_text.h"

namespace quorvel {

double ParameterValue(const Parameter &parameter) {
    if (!parameter.isSet())
        return 0.0;
    return platform::TextToNumber(parameter.text());
}

} // namespace quorvel
