#include "quorvelcode.h"

namespace quorvel {

// Wipes every trajectory and curve; controls, box texts, frames and fields stay.
void Quorvelcode::CLS_Click() {
    Cls();
}

// Clearing the drawing clears its description with it.
void Quorvelcode::Cls() {
    surface->Cls();
    description_.clear();
    surface->setDescription(QString());
}

void Quorvelcode::Describe(const std::u16string &sentence) {
    if (!description_.empty())
        description_ += u' ';
    description_ += sentence;
    surface->setDescription(QString::fromStdU16String(description_));
}

} // namespace quorvel
