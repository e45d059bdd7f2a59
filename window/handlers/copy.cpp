#include "quorvelcode.h"

#include "reading/readout.h"
#include "reading/values_table.h"

namespace quorvel {

// Every curve since CLS as a table a spreadsheet takes by paste.
void Quorvelcode::CopyValues_Click() {
    form_->copyText(ValuesTable(language_, drawn));
    surface->announce(
        Say(drawn.empty() ? words::Phrase::CopiedNothing : words::Phrase::CopiedValues));
}

// The window as a picture, each curve's settings written beside the drawing,
// so that a pasted picture says what it shows.
void Quorvelcode::CopyPicture_Click() {
    form_->copyPicture(PictureLegend(language_, drawn));
    surface->announce(Say(words::Phrase::CopiedPicture));
}

} // namespace quorvel
