#include "quorvelcode.h"

#include "fitness.h"
#include "languages.h"
#include "layout/layout.h"
#include "layout/layout_words.h"
#include "reading/help_text.h"
#include "words/control_names.h"
#include "words/zero_mean_fitness_message.h"

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
    const auto ids = layout::ControlIds();
    for (const ControlWords &words : ControlNames(language_, Populations().generations))
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (ids[i] == words.control && rows[i].index == words.index)
                controls_[i]->describe(words.name, words.description);
}

void Quorvelcode::buildFromLayout() {
    const auto ids = layout::ControlIds();
    for (std::size_t i = 0; i < ids.size(); ++i) {
        controls_.push_back(&form_->controlAt(i));
        bind(ids[i], layout::Controls()[i].index, i);
    }
}

// The member a row's control is, by its name in the design. A control
// added to the names and not bound here is a compile error (-Werror=switch).
void Quorvelcode::bind(layout::ControlId id, int index, std::size_t row) {
    using layout::ControlId;
    platform::Form &f = *form_;
    switch (id) {
    case ControlId::Wmean:
        Wmean = &f.button(row);
        break;
    case ControlId::Textp100:
        Textp100 = &f.textBox(row);
        break;
    case ControlId::HScrollw3:
        HScrollw3 = &f.scrollBar(row);
        break;
    case ControlId::HScrollw2:
        HScrollw2 = &f.scrollBar(row);
        break;
    case ControlId::HScrollw1:
        HScrollw1 = &f.scrollBar(row);
        break;
    case ControlId::Textw3:
        Textw3 = &f.textBox(row);
        break;
    case ControlId::Textw2:
        Textw2 = &f.textBox(row);
        break;
    case ControlId::Textw1:
        Textw1 = &f.textBox(row);
        break;
    case ControlId::CLS:
        CLS = &f.button(row);
        break;
    case ControlId::RUN:
        RUN = &f.button(row);
        break;
    case ControlId::VScrollp:
        VScrollp = &f.scrollBar(row);
        break;
    case ControlId::TextInitp:
        TextInitp = &f.textBox(row);
        break;
    case ControlId::Label3:
        Label3.add(index, &f.label(row));
        break;
    case ControlId::Label8:
        Label8.add(index, &f.label(row));
        break;
    case ControlId::Line2:
        Line2 = &f.shape(row);
        break;
    case ControlId::Deltap:
        Deltap.add(index, &f.shape(row));
        break;
    case ControlId::Shape2:
        Shape2.add(index, &f.shape(row));
        break;
    case ControlId::Label1:
        Label1.add(index, &f.label(row));
        break;
    case ControlId::Label2:
        Label2 = &f.label(row);
        break;
    case ControlId::Label6:
        Label6 = &f.label(row);
        break;
    case ControlId::Label5:
        Label5 = &f.label(row);
        break;
    case ControlId::Shape1:
        Shape1 = &f.shape(row);
        break;
    case ControlId::Label4:
        Label4 = &f.label(row);
        break;
    case ControlId::Line3:
        Line3 = &f.shape(row);
        break;
    case ControlId::Label9:
        Label9.add(index, &f.label(row));
        break;
    case ControlId::Label10:
        Label10.add(index, &f.label(row));
        break;
    case ControlId::TextFixed:
        TextFixed = &f.textBox(row);
        break;
    case ControlId::TextLost:
        TextLost = &f.textBox(row);
        break;
    case ControlId::TextBoth:
        TextBoth = &f.textBox(row);
        break;
    case ControlId::TextExpected:
        TextExpected = &f.textBox(row);
        break;
    // The panel's settings are members by the settings' table alone.
    case ControlId::TextN:
    case ControlId::HScrollN:
    case ControlId::TextPops:
    case ControlId::HScrollPops:
    case ControlId::TextGen:
    case ControlId::HScrollGen:
    case ControlId::Textu:
    case ControlId::HScrollu:
    case ControlId::Textv:
    case ControlId::HScrollv:
    case ControlId::Textm:
    case ControlId::HScrollm:
        break;
    }
    // A setting's bar or box, found by the settings' table; the fitnesses'
    // and p0's are the window's own fields as well.
    for (const settings::Setting &setting : settings::All()) {
        if (id == setting.bar)
            bars_[Index(setting.id)] = &f.scrollBar(row);
        if (id == setting.box)
            boxes_[Index(setting.id)] = &f.textBox(row);
    }
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
