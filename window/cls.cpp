#include "quorvelcode.h"

namespace quorvel {

// Wipes every trajectory and curve; controls, box texts, frames and fields stay.
void Quorvelcode::CLS_Click() {
    Cls();
}

} // namespace quorvel
