// Files: a page cannot ask where to save, so the browser takes a download and
// puts it where its user has chosen, asking first if they so set it.
#include "native_form.h"

#include <emscripten.h>

namespace quorvel::platform::web {

namespace dom {

namespace {

// clang-format off
EM_JS(void, JsDownload, (const std::uint8_t *bytes, int size, const char16_t *name, int length,
                         const char *type), {
    var link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([HEAPU8.slice(bytes, bytes + size)],
                                             {type: UTF8ToString(type)}));
    link.download = Quorvel.text(name, length);
    document.body.appendChild(link);
    link.click();
    link.remove();
    setTimeout(function () { URL.revokeObjectURL(link.href); }, 60000);
});
// clang-format on

} // namespace

void Download(const std::vector<std::uint8_t> &bytes, const Text &name, const char *mediaType) {
    JsDownload(bytes.data(), static_cast<int>(bytes.size()), name.c_str(), Length(name), mediaType);
}

} // namespace dom

SaveResult Form::saveFile(const FileType &type, const Text &name,
                          const std::vector<std::uint8_t> &bytes) {
    dom::Download(bytes, name, type.mediaType);
    return {SaveResult::Outcome::Downloaded, name, {}};
}

} // namespace quorvel::platform::web
