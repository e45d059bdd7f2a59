#include "quorvelcode.h"

#include "fitness.h"
#include "languages.h"
#include "layout/layout.h"
#include "layout/layout_words.h"
#include "reading/help_text.h"
#include "words/control_names.h"
#include "words/zero_mean_fitness_message.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace quorvel {

using words::Phrase;

Quorvelcode::Quorvelcode()
    : language_(words::ChooseLanguage(platform::PreferredLanguages())),
      form_(platform::CreateForm(layout::MainWindow(), layout::Controls(),
                                 layout::FormWordsIn(language_, settings::Defaults()))),
      errors([this](const platform::Text &message) { form_->showError(message); }) {
    errors.setUnexpected([this](const platform::Text &detail) {
        return detail.empty() ? Say(Phrase::UnexpectedError)
                              : Say(Phrase::UnexpectedErrorWithDetail, {{"detail", detail}});
    });
    surface = &form_->surface();
    buildFromLayout();
    for (const settings::Setting &setting : settings::Listed())
        Box(setting.id)->setText(settings::ValueText(setting, setting.defaultPosition));
    DescribeControls();
    connectHandlers();
    Textw1->setFocus();
}

// Every word the form shows of its own, in the window's language; the help
// for a form that may have it open.
platform::FormWords Quorvelcode::FormWords(bool help) const {
    platform::FormWords words = layout::FormWordsIn(language_, positions_);
    if (help) {
        words.helpTitle = HelpTitle(language_);
        words.help = HelpText(language_, form_->toolKeys());
    }
    return words;
}

// Each control's name and description for screen readers, by its row.
void Quorvelcode::DescribeControls() {
    const auto rows = layout::Controls();
    for (const ControlWords &words : ControlNames(language_, Populations().generations))
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (std::string_view(rows[i].name) == words.control && rows[i].index == words.index)
                controls_[i]->describe(words.name, words.description);
}

void Quorvelcode::buildFromLayout() {
    const auto rows = layout::Controls();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const layout::Row &row = rows[i];
        const std::string_view name = row.name;
        platform::Form &f = *form_;
        controls_.push_back(&f.controlAt(i));
        const bool setting = settingControl(name, i);
        if (name == "Wmean")
            Wmean = &f.button(i);
        else if (name == "Textp100")
            Textp100 = &f.textBox(i);
        else if (name == "HScrollw3")
            HScrollw3 = &f.scrollBar(i);
        else if (name == "HScrollw2")
            HScrollw2 = &f.scrollBar(i);
        else if (name == "HScrollw1")
            HScrollw1 = &f.scrollBar(i);
        else if (name == "Textw3")
            Textw3 = &f.textBox(i);
        else if (name == "Textw2")
            Textw2 = &f.textBox(i);
        else if (name == "Textw1")
            Textw1 = &f.textBox(i);
        else if (name == "CLS")
            CLS = &f.button(i);
        else if (name == "RUN")
            RUN = &f.button(i);
        else if (name == "VScrollp")
            VScrollp = &f.scrollBar(i);
        else if (name == "TextInitp")
            TextInitp = &f.textBox(i);
        else if (name == "Label3")
            Label3.add(row.index, &f.label(i));
        else if (name == "Label8")
            Label8.add(row.index, &f.label(i));
        else if (name == "Line2")
            Line2 = &f.shape(i);
        else if (name == "Deltap")
            Deltap.add(row.index, &f.shape(i));
        else if (name == "Shape2")
            Shape2.add(row.index, &f.shape(i));
        else if (name == "Label1")
            Label1.add(row.index, &f.label(i));
        else if (name == "Label2")
            Label2 = &f.label(i);
        else if (name == "Label6")
            Label6 = &f.label(i);
        else if (name == "Label5")
            Label5 = &f.label(i);
        else if (name == "Shape1")
            Shape1 = &f.shape(i);
        else if (name == "Label4")
            Label4 = &f.label(i);
        else if (name == "Label9")
            Label9.add(row.index, &f.label(i));
        else if (name == "Label10")
            Label10.add(row.index, &f.label(i));
        else if (name == "Line3")
            Line3 = &f.shape(i);
        else if (name == "TextFixed")
            TextFixed = &f.textBox(i);
        else if (name == "TextLost")
            TextLost = &f.textBox(i);
        else if (name == "TextBoth")
            TextBoth = &f.textBox(i);
        else if (name == "TextExpected")
            TextExpected = &f.textBox(i);
        else if (!setting)
            throw std::logic_error("layout row " + std::string(name) + " has no control");
    }
}

// A setting's bar or box, found by the settings' table; the fitnesses' and
// p0's are the window's own fields as well.
bool Quorvelcode::settingControl(std::string_view name, std::size_t i) {
    for (const settings::Setting &setting : settings::All()) {
        if (name == setting.bar) {
            bars_[Index(setting.id)] = &form_->scrollBar(i);
            return true;
        }
        if (name == setting.box) {
            boxes_[Index(setting.id)] = &form_->textBox(i);
            return true;
        }
    }
    return false;
}

void Quorvelcode::run(const std::function<void()> &handler) noexcept {
    errors.guard([this, &handler] {
        try {
            handler();
        } catch (const ZeroMeanFitness &) {
            throw platform::ActionStopped(ZeroMeanFitnessAnywhere(language_));
        }
    });
}

void Quorvelcode::connectHandlers() {
    const auto handle = [this](void (Quorvelcode::*handler)()) {
        return [this, handler] { run([this, handler] { (this->*handler)(); }); };
    };
    HScrollw1->onChange(handle(&Quorvelcode::HScrollw1_Change));
    HScrollw2->onChange(handle(&Quorvelcode::HScrollw2_Change));
    HScrollw3->onChange(handle(&Quorvelcode::HScrollw3_Change));
    VScrollp->onChange(handle(&Quorvelcode::VScrollp_Change));
    for (const settings::Setting &setting : settings::Listed())
        Bar(setting.id)->onChange([this, id = setting.id] {
            run([this, id] { Setting_Change(id); });
        });
    RUN->onClick(handle(&Quorvelcode::RUN_Click));
    Wmean->onClick(handle(&Quorvelcode::Wmean_Click));
    CLS->onClick(handle(&Quorvelcode::CLS_Click));

    platform::ToolEvents tools;
    tools.key = [this](const platform::KeyPress &press) {
        bool taken = false;
        run([&] { taken = Form_KeyDown(press); });
        return taken;
    };
    tools.tool = [this](platform::Tool tool, int index) { run([&] { Menu_Click(tool, index); }); };
    tools.menu = [this](std::optional<platform::Point> at) { run([&] { Form_ContextMenu(at); }); };
    tools.pointerMoved = [this](double x, double y) { run([&] { Drawing_MouseMove(x, y); }); };
    tools.pointerLeft = [this] { run([this] { Drawing_MouseLeave(); }); };
    tools.rescaled = [this] { run([this] { Drawing_Rescaled(); }); };
    tools.linkChanged = [this](const platform::Text &link) { run([&] { Link_Changed(link); }); };
    form_->onTools(std::move(tools));
}

} // namespace quorvel
