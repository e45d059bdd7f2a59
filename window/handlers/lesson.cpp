#include "quorvelcode.h"

#include "lesson/examples.h"
#include "lesson/link_messages.h"
#include "lesson/setup_link.h"
#include "number_text.h"
#include "theory.h"
#include "words/theory_words.h"

#include <cmath>
#include <optional>
#include <variant>

namespace quorvel {

namespace {

// The window's own bars where they stood for these fitnesses and p0, in the
// order of settings::WindowBars().
std::array<int, settings::WindowBarCount> WindowBarsOf(const Fitnesses &w, double p0) {
    const double values[] = {w.wAA, w.wAa, w.waa, p0};
    std::array<int, settings::WindowBarCount> bars{};
    for (std::size_t i = 0; i < bars.size(); ++i)
        bars[i] = static_cast<int>(std::lround(values[i] * settings::WindowBars()[i].divisor));
    return bars;
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
        // The population settings too, as a fresh window has them: a link
        // names only those that differ.
        for (const settings::Setting &setting : settings::Listed())
            if (Bar(setting.id)->Value() != setting.defaultPosition)
                run([&] { Bar(setting.id)->SetValue(setting.defaultPosition); });
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
// fitness of 0, or a setting that cannot change, says so and ends the link
// there, as a person would stop: a link of a thousand such steps must not
// raise a thousand messages.
void Quorvelcode::ApplySetup(const Setup &setup) {
    if (const std::optional<words::Language> language = words::LanguageOf(setup.language))
        SetLanguage(*language);
    // A bar already where the step puts it sends no change, yet its box may
    // still show its name: students read the settings there.
    const auto set = [this](platform::ScrollBar &bar, int value,
                            const std::function<void()> &changed) {
        if (bar.Value() == value)
            changed();
        else
            bar.SetValue(value);
    };
    for (const SetupStep &step : setup.steps) {
        const std::size_t reported = errors.reported();
        run([&] {
            if (step.action == SetupStep::Action::Settings) {
                for (const auto &[id, position] : step.settings)
                    set(*Bar(id), position, [this, id = id] { Setting_Change(id); });
                return;
            }
            const std::size_t bars =
                settings::WindowBarCount - (step.action == SetupStep::Action::WMean ? 1 : 0);
            for (std::size_t i = 0; i < bars; ++i) {
                const settings::Id id = settings::WindowBars()[i].id;
                set(*Bar(id), step.bars[i], [this, id] { ShowBarValue(id); });
            }
            if (step.action == SetupStep::Action::Run) {
                SetNextSeed(step.seed);
                RUN_Click();
            } else if (step.action == SetupStep::Action::WMean) {
                Wmean_Click();
            }
        });
        nextSeed_.reset();
        if (errors.reported() != reported)
            return;
    }
}

// What is on screen as steps: the language where the user chose it, every
// kept curve in the order drawn, each after the population settings it was
// drawn with where they changed, then the settings and the bars where they
// moved after the last curve.
Setup Quorvelcode::SetupOnScreen() const {
    Setup setup;
    if (languageChosen_)
        setup.language = language_.tag();
    SetupStep bars; // the bars where a fresh window has them
    settings::Positions shown = settings::Defaults();
    const auto settingsTo = [&](const settings::Positions &wanted) {
        for (SetupStep &step : SettingSteps(shown, wanted))
            setup.steps.push_back(std::move(step));
        shown = wanted;
    };
    for (const Curve &curve : drawn.all()) {
        if (const auto *run = std::get_if<TrajectoryCurve>(&curve)) {
            settingsTo(settings::PositionsOf(run->settings));
            bars = SetupStep(SetupStep::Action::Run, WindowBarsOf(run->w, run->p0));
            if (!run->settings.infinite())
                bars.seed = run->seed;
        } else {
            const SweepCurves &sweep = std::get<SweepCurves>(curve);
            settings::Positions wanted = shown;
            wanted[Index(settings::Id::MutationToa)] =
                settings::Of(settings::Id::MutationToa).positionOf(sweep.mutationToa);
            wanted[Index(settings::Id::MutationToA)] =
                settings::Of(settings::Id::MutationToA).positionOf(sweep.mutationToA);
            settingsTo(wanted);
            // p0 is no part of a W Mean: its bar stays where the last run left it.
            const int p0 = bars.bars.back();
            bars = SetupStep(SetupStep::Action::WMean, WindowBarsOf(sweep.w, 0));
            bars.bars.back() = p0;
        }
        setup.steps.push_back(bars);
    }
    settingsTo(positions_);
    SetupStep now{SetupStep::Action::Set};
    for (std::size_t i = 0; i < settings::WindowBarCount; ++i)
        now.bars[i] = Bar(settings::WindowBars()[i].id)->Value();
    if (now.bars != bars.bars)
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
    // What theory expects of its last drawing, where its sentence names it:
    // the stable balance inside (0, 1) a W Mean marks, the share a run's
    // populations are expected to fix.
    platform::Text balance = platform::NumberToText(example.balance);
    std::optional<double> expected;
    if (!drawn.empty()) {
        if (const auto *sweep = std::get_if<SweepCurves>(&drawn.all().back())) {
            for (const Balance &each : Balances(sweep->w, sweep->mutationToa, sweep->mutationToA))
                if (each.stable && each.p > 0.0 && each.p < 1.0)
                    balance = platform::FormatThreeDecimals(each.p);
        } else {
            const auto &run = std::get<TrajectoryCurve>(drawn.all().back());
            expected = ExpectationOf(run.w, run.p0, run.settings).fixed;
        }
    }
    Describe([example, balance, expected](words::Language language) {
        return words::Say(
            language, example.lookFor,
            {{"balance", balance},
             {"expected", expected ? PercentText(language, *expected) : platform::Text()}});
    });
}

} // namespace quorvel
