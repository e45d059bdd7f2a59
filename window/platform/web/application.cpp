#include "startup.h"

#include <emscripten.h>

namespace quorvel::platform {

struct Application::Toolkit {};

namespace {

// clang-format off
EM_JS(int, JsFragmentLength, (), { return location.hash.length; });
EM_JS(void, JsFragment, (char16_t *out, int length), {
    for (var i = 0; i < length; ++i)
        HEAPU16[(out >> 1) + i] = location.hash.charCodeAt(i);
});
// clang-format on

} // namespace

// A page opened with a drawing after its "#" takes it as its one argument.
Application::Application(int &, char **) : toolkit_(std::make_unique<Toolkit>()) {
    Text fragment(static_cast<std::size_t>(JsFragmentLength()), u'\0');
    JsFragment(fragment.data(), static_cast<int>(fragment.size()));
    if (fragment.size() > 1)
        arguments_.push_back(fragment);
}

Application::~Application() = default;

// The browser runs the event loop: showing the form is all there is to do, and
// the page's events reach it after main has returned.
int Application::run(Form &form, const std::function<void(Form &)> &shown) {
    form.show();
    if (shown)
        shown(form);
    return 0;
}

} // namespace quorvel::platform
