// Files: the picture as Qt's PNG writer makes it, and any file saved where
// the user chooses in the platform's save dialog, whole or not at all.
#include "native_form.h"

#include "control.h"
#include "reading_tools.h"

#include <QBuffer>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace quorvel::platform::qt {

std::vector<std::uint8_t> Form::picturePng(const std::vector<Text> &legend) {
    tools_->hideForPicture();
    const QImage image = picture(legend);
    tools_->showAfterPicture();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return {png.begin(), png.end()};
}

// The dialog starts in the user's documents, then where the last file went.
// QSaveFile writes beside the file and renames over it only when every byte
// is down, so that a full disk never leaves half a file in place of a whole one.
SaveResult Form::saveFile(const FileType &type, const Text &name,
                          const std::vector<std::uint8_t> &bytes) {
    if (saveFolder_.isEmpty())
        saveFolder_ = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString extension = QString::fromStdU16String(type.extension);
    QFileDialog dialog(this, ToQString(type.title));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("%1 (*.%2)").arg(ToQString(type.description), extension));
    dialog.setDefaultSuffix(extension);
    dialog.setDirectory(saveFolder_);
    dialog.selectFile(ToQString(name));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString path = dialog.selectedFiles().constFirst();
    saveFolder_ = QFileInfo(path).absolutePath();
    const Text where = FromQString(QDir::toNativeSeparators(path));
    QSaveFile file(path);
    const auto size = static_cast<qint64>(bytes.size());
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char *>(bytes.data()), size) != size || !file.commit())
        return {SaveResult::Outcome::Failed, where, FromQString(file.errorString())};
    return {SaveResult::Outcome::Written, where, {}};
}

} // namespace quorvel::platform::qt
