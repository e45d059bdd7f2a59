#include "quorvelcode.h"

#include "words/help_text.h"

namespace quorvel {

void Quorvelcode::Help_Click() {
    form_->showHelp(HelpTitle(), HelpText(form_->toolKeys()));
}

} // namespace quorvel
