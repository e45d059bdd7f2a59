#pragma once

#include "text.h"
#include "words/catalogue.h"

#include <exception>
#include <functional>

namespace quorvel {

// A sentence of the drawing's description, made again in whichever language
// the window speaks when it is read.
using Sentence = std::function<platform::Text(words::Language)>;

// Adds an action's sentence to the window's description of its drawing when
// the handler ends, whether it finished or an error stopped it part way.
template <class Window> class ActionNote {
public:
    using Compose = std::function<Sentence(bool finished)>;
    ActionNote(Window &window, Compose compose) : window_(window), compose_(std::move(compose)) {}
    ~ActionNote() {
        try {
            window_.Describe(compose_(std::uncaught_exceptions() == exceptions_));
        } catch (...) {
            // A sentence that cannot be made must not turn one error into two.
        }
    }
    ActionNote(const ActionNote &) = delete;
    ActionNote &operator=(const ActionNote &) = delete;

private:
    Window &window_;
    Compose compose_;
    int exceptions_ = std::uncaught_exceptions();
};

} // namespace quorvel
