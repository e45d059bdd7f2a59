#include "startup.h"

#include "dom.h"

namespace quorvel::platform {

struct Application::Toolkit {};

// A page opened with a drawing after its "#" takes it as its one argument.
Application::Application(int &, char **) : toolkit_(std::make_unique<Toolkit>()) {
    const Text fragment = web::dom::PageFragment();
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
