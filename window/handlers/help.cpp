#include "quorvelcode.h"

#include "words/help_text.h"

namespace quorvel {

void Quorvelcode::Help_Click() {
    form_->showHelp(HelpText(form_->leavesKeysToTheBrowser() ? platform::ToolKeys::Browser
                                                             : platform::ToolKeys::Desktop));
}

} // namespace quorvel
