// Files: any file saved where the user chooses in the common save dialog.
// The bytes go to a file beside it, which then moves into place, so that a
// full disk never leaves half a file where a whole one was.
#include "native_form.h"

#include "conversions.h"

#include <commdlg.h>

#include <algorithm>
#include <string>

namespace quorvel::platform::win32 {

namespace {

inline void CloseFile(HANDLE file) {
    CloseHandle(file);
}
using FileHandle = UniqueHandle<HANDLE, &CloseFile>;

// The system's own words for an error, as Explorer would show them, in
// Windows' language; none where it has none.
Text SystemMessage(DWORD error) {
    wchar_t *buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t *>(&buffer), 0, nullptr);
    const std::wstring words = length ? std::wstring(buffer, length) : std::wstring();
    LocalFree(buffer);
    return FromWide(words);
}

SaveResult Failed(const Text &where, DWORD error) {
    return {SaveResult::Outcome::Failed, where, SystemMessage(error), error};
}

// The error that stopped the bytes reaching path, or 0 once they all have.
DWORD WriteWhole(const std::wstring &path, const std::vector<std::uint8_t> &bytes) {
    const std::wstring part = path + L".part";
    HANDLE opened = CreateFileW(part.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE)
        return GetLastError();
    DWORD error = 0;
    {
        FileHandle file(opened);
        for (std::size_t at = 0; !error && at < bytes.size();) {
            const auto chunk =
                static_cast<DWORD>(std::min<std::size_t>(bytes.size() - at, 1 << 30));
            DWORD written = 0;
            if (!WriteFile(file.get(), bytes.data() + at, chunk, &written, nullptr))
                error = GetLastError();
            else if (written == 0)
                error = ERROR_HANDLE_DISK_FULL;
            at += written;
        }
        if (!error && !FlushFileBuffers(file.get()))
            error = GetLastError();
    }
    if (!error && !MoveFileExW(part.c_str(), path.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        error = GetLastError();
    if (error)
        DeleteFileW(part.c_str());
    return error;
}

// The common dialogs' library, loaded when a file is first saved: linked
// from the start it would bring shell32 with it, a third more memory before
// the first frame. Loaded for the life of the process, as a linked one is.
struct CommonDialogs {
    decltype(&GetSaveFileNameW) save = nullptr;
    decltype(&CommDlgExtendedError) error = nullptr;
};

const CommonDialogs &Dialogs() {
    static const CommonDialogs dialogs = [] {
        CommonDialogs loaded;
        if (HMODULE library = LoadLibraryW(L"comdlg32.dll")) {
            loaded.save = reinterpret_cast<decltype(&GetSaveFileNameW)>(
                reinterpret_cast<void (*)()>(GetProcAddress(library, "GetSaveFileNameW")));
            loaded.error = reinterpret_cast<decltype(&CommDlgExtendedError)>(
                reinterpret_cast<void (*)()>(GetProcAddress(library, "CommDlgExtendedError")));
        }
        return loaded;
    }();
    return dialogs;
}

} // namespace

// The dialog starts where the system remembers this program last saved, or
// in the user's documents.
SaveResult Form::saveFile(const FileType &type, const Text &name,
                          const std::vector<std::uint8_t> &bytes) {
    const std::wstring extension = Wide(type.extension), title = Wide(type.title);
    std::wstring filter = Wide(type.description) + L" (*." + extension + L")";
    filter += L'\0';
    filter += L"*." + extension;
    filter += L'\0'; // and the string's own: the list ends with two
    std::wstring path = Wide(name);
    path.resize(32768, L'\0'); // the longest path Windows takes
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = window_;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrTitle = title.c_str();
    dialog.lpstrDefExt = extension.c_str();
    dialog.Flags =
        OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    const CommonDialogs &dialogs = Dialogs();
    if (!dialogs.save || !dialogs.error)
        return Failed(name, ERROR_MOD_NOT_FOUND);
    if (!dialogs.save(&dialog)) {
        if (const DWORD error = dialogs.error())
            return {SaveResult::Outcome::DialogFailed, name, {}, error};
        return {};
    }
    path.resize(path.find(L'\0'));
    if (const DWORD error = WriteWhole(path, bytes))
        return Failed(FromWide(path), error);
    return {SaveResult::Outcome::Written, FromWide(path), {}};
}

} // namespace quorvel::platform::win32
