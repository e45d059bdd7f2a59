#include "quorvelcode.h"

#include "reading/readout.h"
#include "reading/values_table.h"

namespace quorvel {

// Every curve since CLS as a table a spreadsheet takes by paste.
void Quorvelcode::CopyValues_Click() {
    form_->copyText(ValuesTable(drawn));
    surface->announce(drawn.empty() ? u"Nothing is drawn to copy."
                                    : u"The values of every curve are copied as a table.");
}

// The window as a picture, each curve's settings written beside the drawing,
// so that a pasted picture says what it shows.
void Quorvelcode::CopyPicture_Click() {
    form_->copyPicture(PictureLegend(drawn));
    surface->announce(u"The picture is copied.");
}

} // namespace quorvel
