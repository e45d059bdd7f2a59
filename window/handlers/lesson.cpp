#include "quorvelcode.h"

#include "lesson/examples.h"
#include "lesson/link_messages.h"
#include "lesson/setup_link.h"
#include "number_text.h"

#include <cmath>
#include <optional>
#include <variant>

namespace quorvel {

namespace {

int BarPosition(double value, int divisor) {
    return static_cast<int>(std::lround(value * divisor));
}

} // namespace

// A link as steps, or, where any of it is wrong, nothing and the first fault
// told.
std::optional<Setup> Quorvelcode::CheckedLink(const platform::Text &link) {
    std::variant<Setup, LinkFault> parsed = ParseSetupLink(link);
    if (const auto *fault = std::get_if<LinkFault>(&parsed)) {
        errors.report(links::FaultMessage(language_, *fault));
        return std::nullopt;
    }
    Setup setup = std::get<Setup>(std::move(parsed));
    if (!setup.language.empty() && !words::LanguageOf(setup.language)) {
        errors.report(links::UnknownLanguage(language_, u"lang=" + setup.language));
        return std::nullopt;
    }
    return setup;
}

// A link given from outside: drawn step by step as by hand, or, where any of
// it is wrong, nothing done and the first fault told.
void Quorvelcode::OpenLink(const platform::Text &link) {
    if (const std::optional<Setup> setup = CheckedLink(link))
        ApplySetup(*setup);
}

// The picture the new link holds, as if opened afresh: what was drawn is
// cleared first, but only once the link is known to be good. A link emptied
// asks for nothing.
void Quorvelcode::Link_Changed(const platform::Text &link) {
    if (link.empty() || link == u"#")
        return;
    if (const std::optional<Setup> setup = CheckedLink(link)) {
        CLS_Click();
        ApplySetup(*setup);
    }
}

void Quorvelcode::OpenArguments(const std::vector<platform::Text> &arguments) {
    run([&] {
        if (arguments.size() > 1)
            errors.report(links::TooManyArguments(language_));
        else if (arguments.size() == 1)
            OpenLink(arguments.front());
    });
}

// Each step as a person takes it: the bars moved, every box showing its
// bar's number, then RUN or W Mean pressed. A step that stops on a mean
// fitness of 0 says so and ends the link there, as a person would stop: a
// link of a thousand such steps must not raise a thousand messages.
void Quorvelcode::ApplySetup(const Setup &setup) {
    if (const std::optional<words::Language> language = words::LanguageOf(setup.language))
        SetLanguage(*language);
    for (const SetupStep &step : setup.steps) {
        const std::size_t reported = errors.reported();
        run([&] {
            // A bar already where the step puts it sends no change, yet its
            // box may still show its name: students read the settings there.
            const auto set = [this](platform::ScrollBar &bar, int value,
                                    void (Quorvelcode::*changed)()) {
                if (bar.Value() == value)
                    (this->*changed)();
                else
                    bar.SetValue(value);
            };
            set(*HScrollw1, step.w1, &Quorvelcode::HScrollw1_Change);
            set(*HScrollw2, step.w2, &Quorvelcode::HScrollw2_Change);
            set(*HScrollw3, step.w3, &Quorvelcode::HScrollw3_Change);
            if (step.action != SetupStep::Action::WMean)
                set(*VScrollp, step.p0, &Quorvelcode::VScrollp_Change);
            if (step.action == SetupStep::Action::Run)
                RUN_Click();
            else if (step.action == SetupStep::Action::WMean)
                Wmean_Click();
        });
        if (errors.reported() != reported)
            return;
    }
}

// What is on screen as steps: the language where the user chose it, every
// kept curve in the order drawn, then the bars, where they moved after the
// last curve.
Setup Quorvelcode::SetupOnScreen() const {
    Setup setup;
    if (languageChosen_)
        setup.language = language_.tag();
    SetupStep bars; // the bars where a fresh window has them
    for (const Curve &curve : drawn.all()) {
        if (const auto *run = std::get_if<TrajectoryCurve>(&curve)) {
            bars = {SetupStep::Action::Run, BarPosition(run->w.wAA, 100),
                    BarPosition(run->w.wAa, 100), BarPosition(run->w.waa, 100),
                    BarPosition(run->p0, 1000)};
        } else {
            const Fitnesses &w = std::get<SweepCurves>(curve).w;
            bars = {SetupStep::Action::WMean, BarPosition(w.wAA, 100), BarPosition(w.wAa, 100),
                    BarPosition(w.waa, 100), bars.p0};
        }
        setup.steps.push_back(bars);
    }
    const SetupStep now{SetupStep::Action::Set, HScrollw1->Value(), HScrollw2->Value(),
                        HScrollw3->Value(), VScrollp->Value()};
    if (now.w1 != bars.w1 || now.w2 != bars.w2 || now.w3 != bars.w3 || now.p0 != bars.p0)
        setup.steps.push_back(now);
    return setup;
}

// The page's own address with the drawing after "#"; a desktop copies the
// fragment alone, which the program takes as its argument.
void Quorvelcode::CopyLink_Click() {
    const std::string fragment = SetupLinkText(SetupOnScreen());
    form_->copyText(form_->address() + platform::Text(fragment.begin(), fragment.end()));
    surface->announce(
        Say(drawn.complete() ? words::Phrase::CopiedLink : words::Phrase::CopiedLinkOfNewest));
}

// An example draws on top of what is there, as RUN does: clearing first is
// the user's choice.
void Quorvelcode::Example_Click(std::size_t index) {
    const Example &example = Examples()[index];
    ApplySetup(std::get<Setup>(ParseSetupLink(platform::FromUtf8(example.link))));
    Describe([example](words::Language language) {
        return words::Say(language, example.lookFor,
                          {{"balance", platform::NumberToText(example.balance)}});
    });
}

} // namespace quorvel
