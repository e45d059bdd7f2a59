#include "quorvelcode.h"

#include "lesson/saved_files.h"
#include "reading/readout.h"
#include "reading/values_table.h"

namespace quorvel {

// The picture Copy picture copies, as a file to hand in.
void Quorvelcode::SavePicture_Click() {
    SaveFile(SavedFile::Picture, form_->picturePng(PictureLegend(language_, drawn)));
}

// The table Copy values copies, as a file a spreadsheet opens; with nothing
// drawn there is no table, and no dialog to dismiss.
void Quorvelcode::SaveValues_Click() {
    if (drawn.empty()) {
        surface->announce(Say(words::Phrase::SavedNothing));
        return;
    }
    SaveFile(SavedFile::Values, ValuesFileBytes(ValuesTable(language_, drawn)));
}

// The file is made before the dialog opens, so that it holds the window as it
// was when the user asked. A file that cannot be written is told in a box;
// the drawing stays, and the user may save it elsewhere.
void Quorvelcode::SaveFile(SavedFile file, const std::vector<std::uint8_t> &bytes) {
    const platform::SaveResult result = form_->saveFile(
        FileTypeOf(language_, file), SavedFileName(platform::LocalTimeNow(), file), bytes);
    switch (result.outcome) {
    case platform::SaveResult::Outcome::Written:
    case platform::SaveResult::Outcome::Downloaded:
        surface->announce(SavedSentence(language_, file, result));
        return;
    case platform::SaveResult::Outcome::Failed:
    case platform::SaveResult::Outcome::DialogFailed:
        errors.report(NotSavedMessage(language_, file, result));
        return;
    case platform::SaveResult::Outcome::Cancelled:
        return;
    }
}

} // namespace quorvel
