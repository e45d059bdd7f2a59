#include "quorvelcode.h"

#include "reading/help_text.h"

namespace quorvel {

void Quorvelcode::Help_Click() {
    form_->showHelp(HelpTitle(language_), HelpText(language_, form_->toolKeys()));
}

} // namespace quorvel
