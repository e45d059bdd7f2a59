// The Windows program with a link for its argument, and its files: the
// common save dialog answered as a user answers it, the files it writes, and
// a file that cannot be written. Run with one argument, a page's address
// with a link (see CMakeLists.txt), quoted as a user quotes it.
#include "check.h"
#include "lesson/saved_files.h"
#include "number_text.h"
#include "window_under_test.h"

#include <commdlg.h>
#include <dlgs.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

using namespace quorvel;
using namespace testing;

namespace {

const platform::Application *application = nullptr;

// What the next save dialog showed, and the answer it gets: a path typed into
// its name box and Save, or Cancel when the path is empty; asked whether to
// replace a file, Yes. The answer comes from a timer, which the dialog's own
// message loop runs.
struct DialogSeen {
    bool opened = false, askedToReplace = false;
    Text title, offeredName;
} seen;
std::wstring answer;
UINT_PTR answering = 0;

void CALLBACK AnswerDialog(HWND, UINT, UINT_PTR, DWORD) {
    const HWND dialog = Shown(L"#32770");
    if (!dialog)
        return;
    if (seen.opened) {
        if (GetDlgItem(dialog, IDYES) && IsWindowEnabled(dialog)) {
            seen.askedToReplace = true;
            PostMessageW(dialog, WM_COMMAND, IDYES, 0);
        }
        return;
    }
    seen.opened = true;
    seen.title = TextOf(dialog);
    // The name box: a combo box on explorer-style dialogs, an edit on older ones.
    const HWND name =
        GetDlgItem(dialog, cmb13) ? GetDlgItem(dialog, cmb13) : GetDlgItem(dialog, edt1);
    seen.offeredName = TextOf(name);
    if (answer.empty()) {
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    SetWindowTextW(name, answer.c_str());
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
}

void AnswerNextDialog(const std::wstring &path) {
    if (answering)
        KillTimer(nullptr, answering);
    seen = {};
    answer = path;
    answering = SetTimer(nullptr, 0, 50, AnswerDialog);
}

std::wstring Folder() {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    std::wstring path = std::wstring(folder) + L"quorvel-files-test";
    CreateDirectoryW(path.c_str(), nullptr);
    return path + L"\\";
}

std::string Contents(const std::wstring &path) {
    std::ifstream file(path.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

std::string ClipboardData(HWND owner, UINT format) {
    std::string bytes;
    if (!OpenClipboard(owner))
        return bytes;
    if (HANDLE data = GetClipboardData(format)) {
        bytes.assign(static_cast<const char *>(GlobalLock(data)), GlobalSize(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return bytes;
}

std::uint32_t BigEndian(const std::string &bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

// The quoted argument, one whole for all its space, draws what it says.
void ArgumentOpensItsLink() {
    CHECK(application->arguments().size() == 1);
    CHECK(application->arguments().front() ==
          u"file:///C:/Lesson plans/quorvel.html#run=0.8,1,0.6,0.1");
    Window t;
    t.window.OpenArguments(application->arguments());
    t.pump();
    CHECK(t.reports.empty());
    CHECK(t.window.drawn.all().size() == 1);
    CHECK(TextOf(Native(t.window.Textw3)) == platform::NumberToText(0.6));
    CHECK(TextOf(Native(t.window.TextInitp)) == platform::NumberToText(0.1));
}

// The dialog offers a dated name; the file is the table Copy values copies,
// in UTF-8 after a byte-order mark.
void ValuesAreSavedAsCopied() {
    Window t;
    t.window.OpenLink(u"#run=0.5,0.5,0.5,0.5;wmean=1,1,0");
    const std::wstring path = Folder() + L"values.tsv";
    DeleteFileW(path.c_str());
    AnswerNextDialog(path);
    SYSTEMTIME before{};
    GetLocalTime(&before);
    t.window.Menu_Click(platform::Tool::SaveValues);
    CHECK(seen.opened);
    CHECK(seen.title == u"Save values");
    wchar_t dated[32];
    swprintf(dated, 32, L"quorvel-%04d-%02d-%02d-%02d", before.wYear, before.wMonth, before.wDay,
             before.wHour);
    CHECK(seen.offeredName.rfind(Text(dated, dated + std::wcslen(dated)), 0) == 0);
    CHECK(seen.offeredName.size() == std::wcslen(L"quorvel-2026-12-09-0705.tsv"));
    CHECK(t.reports.empty());
    const std::string saved = Contents(path);
    CHECK(saved.rfind("\xEF\xBB\xBFgeneration\tp (w = 0.5, 0.5, 0.5 (s = 0, no h: the homozygotes "
                      "are equally fit); p0 = 0.5)\n0\t0.5\n",
                      0) == 0);
    t.window.Menu_Click(platform::Tool::CopyValues);
    std::string copied = ClipboardData(t.form().hwnd(), CF_UNICODETEXT);
    std::wstring wide(reinterpret_cast<const wchar_t *>(copied.data()),
                      copied.size() / sizeof(wchar_t));
    wide.resize(std::wcslen(wide.c_str()));
    const std::vector<std::uint8_t> utf8 = platform::ToUtf8(Text(wide.begin(), wide.end()));
    CHECK(saved == "\xEF\xBB\xBF" + std::string(utf8.begin(), utf8.end()));
}

// The picture as a PNG, byte for byte what Copy picture puts on the
// clipboard, in place of an older file the user agreed to replace, and
// nothing left beside it.
void PictureIsSavedAsCopied() {
    Window t;
    t.window.OpenLink(u"#run=1,1,0.5,0.5");
    const std::wstring path = Folder() + L"picture.png";
    std::ofstream(path.c_str(), std::ios::binary) << "last week's picture";
    AnswerNextDialog(path);
    t.window.Menu_Click(platform::Tool::SavePicture);
    CHECK(seen.opened && seen.title == u"Save picture");
    CHECK(seen.askedToReplace);
    CHECK(t.reports.empty());
    CHECK(GetFileAttributesW((path + L".part").c_str()) == INVALID_FILE_ATTRIBUTES);
    const std::string saved = Contents(path);
    CHECK(saved.rfind("\x89PNG\r\n\x1a\n", 0) == 0);
    const double ratio = t.form().dpi() / 96.0;
    CHECK(saved.size() > 24 && BigEndian(saved, 16) > 628 * ratio + 100 &&
          BigEndian(saved, 20) == static_cast<std::uint32_t>(std::ceil(474 * ratio)));
    t.window.Menu_Click(platform::Tool::CopyPicture);
    CHECK(saved == ClipboardData(t.form().hwnd(), RegisterClipboardFormatW(L"PNG")));
}

// A file that cannot be written (here a folder stands where the file is
// written first): one message with the system's reason, nothing written,
// the drawing kept. Cancel writes and says nothing.
void FailedWriteIsToldAndCancelSavesNothing() {
    Window t;
    t.window.OpenLink(u"#run=0.8,1,0.6,0.1");
    const std::wstring path = Folder() + L"blocked.tsv";
    CreateDirectoryW((path + L".part").c_str(), nullptr);
    AnswerNextDialog(path);
    t.window.Menu_Click(platform::Tool::SaveValues);
    CHECK(seen.opened);
    CHECK(t.reports.size() == 1);
    const Text start =
        u"The values could not be saved as \u201C" + Text(path.begin(), path.end()) + u"\u201D: ";
    CHECK(!t.reports.empty() && t.reports.front().rfind(start, 0) == 0 &&
          t.reports.front().size() > start.size() + 5);
    CHECK(GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES);
    CHECK(GetFileAttributesW((path + L".part").c_str()) & FILE_ATTRIBUTE_DIRECTORY);
    CHECK(t.window.drawn.all().size() == 1);
    RemoveDirectoryW((path + L".part").c_str());

    AnswerNextDialog(L"");
    t.window.Menu_Click(platform::Tool::SavePicture);
    CHECK(seen.opened);
    CHECK(t.reports.size() == 1);
}

// The context menu's items and, behind a "> ", the items of its submenus;
// and whether each has a check mark.
std::vector<Text> menuSeen;
std::vector<bool> menuChecked;

void AddItems(HMENU menu, const Text &indent) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t label[128] = {};
        GetMenuStringW(menu, i, label, 128, MF_BYPOSITION);
        Text text(label, label + std::wcslen(label));
        menuSeen.push_back(indent + text.substr(0, text.find(u'\t')));
        menuChecked.push_back(GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_CHECKED);
        if (HMENU submenu = GetSubMenu(menu, i))
            AddItems(submenu, indent + u"> ");
    }
}

void CALLBACK ReadMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    const HWND window = Shown(L"#32768");
    if (!window)
        return;
    KillTimer(nullptr, timer);
    AddItems(reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0)), u"");
    EndMenu();
}

// The examples in a submenu of their own, before Help.
void ExamplesAreASubmenu() {
    Window t;
    menuSeen.clear();
    SetTimer(nullptr, 0, 50, ReadMenu);
    t.window.Form_ContextMenu(platform::Point{300, 200});
    const std::vector<Text> expected{u"Examples",
                                     u"> A favoured dominant allele",
                                     u"> A favoured recessive allele",
                                     u"> Overdominance",
                                     u"> Underdominance",
                                     u"> A recessive lethal",
                                     u"> Drift in a small and a large population",
                                     u"> A new favoured allele, mostly lost",
                                     u"> Mutation against selection",
                                     u"> Migration against drift",
                                     u"Language"};
    const auto listed = static_cast<std::ptrdiff_t>(expected.size());
    const auto examples = std::find(menuSeen.begin(), menuSeen.end(), u"Examples");
    CHECK(menuSeen.end() - examples >= listed &&
          std::vector<Text>(examples, examples + listed) == expected);
    // The languages after it, then Help.
    const auto help = std::find(menuSeen.begin(), menuSeen.end(), u"Help");
    CHECK(help - examples == listed + static_cast<std::ptrdiff_t>(words::Language::All().size()));
    CHECK(t.window.drawn.empty()); // dismissed, nothing chosen
}

// The entry that opens the panel of population settings has a check mark
// while the panel shows, and none while it is hidden.
void PanelEntryIsCheckedWhileShown() {
    for (const bool shown : {false, true}) {
        Window t;
        if (shown)
            t.window.Menu_Click(platform::Tool::PopulationSettings);
        menuSeen.clear();
        menuChecked.clear();
        SetTimer(nullptr, 0, 50, ReadMenu);
        t.window.Form_ContextMenu(platform::Point{300, 200});
        const auto entry = std::find(menuSeen.begin(), menuSeen.end(), u"Population settings");
        CHECK(entry != menuSeen.end() && menuChecked[entry - menuSeen.begin()] == shown);
    }
}

} // namespace

int main(int argc, char **argv) {
    platform::Application started(argc, argv);
    application = &started;
    return check::Run({
        {"the argument opens its link", ArgumentOpensItsLink},
        {"values are saved as copied", ValuesAreSavedAsCopied},
        {"the picture is saved as copied", PictureIsSavedAsCopied},
        {"a failed write is told; cancel saves nothing", FailedWriteIsToldAndCancelSavesNothing},
        {"examples are a submenu", ExamplesAreASubmenu},
        {"the panel's entry is checked while it shows", PanelEntryIsCheckedWhileShown},
    });
}
