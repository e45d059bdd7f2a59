#pragma once

#include "action_note.h"
#include "curves/drawn_curves.h"
#include "error_report.h"
#include "form.h"
#include "layout/control_array.h"
#include "layout/control_id.h"
#include "lesson/saved_files.h"
#include "lesson/setup_link.h"
#include "parameter.h"
#include "reading/reading_mode.h"
#include "settings/settings.h"
#include "words/catalogue.h"

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

// The one window of the program. It owns every control, every parameter and
// every working value of the two drawing actions, and handles every user event.
class Quorvelcode {
    // The language it speaks: the system's, until the user chooses another.
    words::Language language_;
    // The toolkit's window, made from the layout; it owns the controls below.
    std::unique_ptr<platform::Form> form_;

public:
    Quorvelcode();
    Quorvelcode(const Quorvelcode &) = delete;
    Quorvelcode &operator=(const Quorvelcode &) = delete;

    // Fields, in this order. Only the parameters carry meaning between actions.
    Parameter w1; // fitness w(AA)
    Parameter w2; // fitness w(Aa)
    Parameter w3; // fitness w(aa)
    double wbar = 0.0;
    double p = 0.0;
    double pnext = 0.0;
    Parameter p0; // start frequency of A
    std::int16_t gen = 0;
    double pscan = 0.0;
    double dp = 0.0;
    double pscanNext = 0.0;

    // Controls, under their layout names.
    platform::Button *Wmean = nullptr;
    platform::TextBox *Textp100 = nullptr;
    platform::ScrollBar *HScrollw3 = nullptr;
    platform::ScrollBar *HScrollw2 = nullptr;
    platform::ScrollBar *HScrollw1 = nullptr;
    platform::TextBox *Textw3 = nullptr;
    platform::TextBox *Textw2 = nullptr;
    platform::TextBox *Textw1 = nullptr;
    platform::Button *CLS = nullptr;
    platform::Button *RUN = nullptr;
    platform::ScrollBar *VScrollp = nullptr;
    platform::TextBox *TextInitp = nullptr;
    ControlArray<platform::Label> Label3;
    ControlArray<platform::Label> Label8;
    platform::Shape *Line2 = nullptr;
    ControlArray<platform::Shape> Deltap;
    ControlArray<platform::Shape> Shape2;
    ControlArray<platform::Label> Label1;
    platform::Label *Label2 = nullptr;
    platform::Label *Label6 = nullptr;
    platform::Label *Label5 = nullptr;
    platform::Shape *Shape1 = nullptr;
    platform::Label *Label4 = nullptr;
    // The panel of population settings: each setting's caption, box and bar
    // (by the settings' table), the rule beside the window, and how the last
    // run's populations stand.
    ControlArray<platform::Label> Label9;
    ControlArray<platform::Label> Label10;
    platform::Shape *Line3 = nullptr;
    platform::TextBox *TextFixed = nullptr;
    platform::TextBox *TextLost = nullptr;
    platform::TextBox *TextBoth = nullptr;
    platform::TextBox *TextExpected = nullptr;
    platform::ScrollBar *Bar(settings::Id id) const { return bars_[Index(id)]; }
    platform::TextBox *Box(settings::Id id) const { return boxes_[Index(id)]; }

    // What PSet, Line and Cls draw on.
    platform::DrawingSurface *surface = nullptr;
    // Where a handler's error is shown.
    platform::ErrorReport errors;
    // Every trajectory and curve drawn since the last CLS, as computed.
    DrawnCurves drawn;

    // Event handlers, each named after its control and event.
    void HScrollw1_Change();
    void HScrollw2_Change();
    void HScrollw3_Change();
    void VScrollp_Change();
    // Any of the population settings' bars.
    void Setting_Change(settings::Id id);
    void RUN_Click();
    void Wmean_Click();
    void CLS_Click();

    // The tools to read the curves: keys, the context menu and the pointer.
    bool Form_KeyDown(const platform::KeyPress &press);
    void Form_ContextMenu(std::optional<platform::Point> at);
    void Menu_Click(platform::Tool tool, int index = 0);
    void Drawing_MouseMove(double x, double y);
    void Drawing_MouseLeave();
    void ReadValues_Click();
    bool Reading_KeyDown(ReadingKey key);
    void Listen_Click();
    void CopyValues_Click();
    void CopyPicture_Click();
    void Help_Click();
    void CopyLink_Click();
    void SavePicture_Click();
    void SaveValues_Click();
    void Example_Click(std::size_t index);
    void Language_Click(std::size_t index);
    void PopulationSettings_Click();

    // The population settings as the bars stand, and as the model takes them.
    const settings::Positions &positions() const { return positions_; }
    PopulationSettings Populations() const { return settings::ModelSettings(positions_); }
    // Whether the panel of population settings shows: asked for in the menu,
    // or any setting not at its default.
    bool panelShown() const { return panelShown_; }
    // The seed the next RUN with finite populations draws from, as a link
    // gives it; without one, each RUN takes a fresh seed.
    void SetNextSeed(std::optional<std::uint64_t> seed) { nextSeed_ = seed; }

    // The language the window speaks, and the one it is to speak from now
    // on, on everything it shows; chosen: by the user, for a copied link to
    // carry it, rather than the system's.
    words::Language language() const { return language_; }
    void SetLanguage(words::Language language, bool chosen = true);

    // A drawing as a link: opened from outside (checked strictly, and
    // nothing done where it is wrong), applied step by step as by hand, and
    // what is on screen as one.
    void OpenLink(const platform::Text &link);
    // The program's arguments: none, or one link.
    void OpenArguments(const std::vector<platform::Text> &arguments);
    // A link that replaces the one the window was opened with.
    void Link_Changed(const platform::Text &link);
    void ApplySetup(const Setup &setup);
    Setup SetupOnScreen() const;
    void Drawing_Rescaled();

    // The window's drawing operations.
    void PSet(float x, float y) { surface->PSet(x, y); }
    void PSet(float x, float y, platform::Colour colour) { surface->PSet(x, y, colour); }
    void Line(float x, float y) { surface->Line(x, y); }
    void Cls();

    // Runs handler as the window's events run it: to its end or its first
    // error, which the user is told of in the window's words, never the model's.
    void run(const std::function<void()> &handler) noexcept;

    // Adds a sentence to what the drawing's description says has been drawn.
    void Describe(Sentence sentence);

    // What start-up shows and runs the event loop for.
    platform::Form &form() { return *form_; }

private:
    void buildFromLayout();
    void bind(layout::ControlId id, int index, std::size_t row);
    void connectHandlers();
    void DescribeControls();
    void ShowBarValue(settings::Id id);
    Parameter &ParameterOf(settings::Id id);
    static std::size_t Index(settings::Id id) { return static_cast<std::size_t>(id); }
    void ShowPanel();
    void GenerationsChanged();
    void RedrawOnAxis();
    void ShowOutcome(const Outcome &outcome, std::optional<double> expected);
    platform::Text P100Placeholder() const;
    void RunPopulations(const Fitnesses &w, const PopulationSettings &model);

    void ShowReadingPoint(bool announce = true);
    void SaveFile(SavedFile file, const std::vector<std::uint8_t> &bytes);
    std::optional<Setup> CheckedLink(const platform::Text &link);
    platform::Text Say(words::Phrase phrase, std::initializer_list<words::Arg> args = {}) const {
        return words::Say(language_, phrase, args);
    }
    platform::FormWords FormWords(bool help) const;
    void ShowDescription(bool languageChanged = false);

    bool languageChosen_ = false;
    // Where reading mode is, when it is on.
    ReadingMode reading_;
    // What is drawn since the last Cls, one sentence an action, latest last,
    // each with its words in the window's language, made again only when the
    // language changes, so that a RUN does not remake ten sentences.
    struct Told {
        Sentence sentence;
        platform::Text said;
    };
    std::deque<Told> described_;
    int undescribed_ = 0;
    // Whether Textp100 shows a result yet, rather than its placeholder.
    bool p100Shown_ = false;
    // Where the pointer is over the drawing, while its note shows.
    std::optional<platform::Point> pointer_;
    // Every control, one a layout row.
    std::vector<platform::Control *> controls_;
    // The settings' bars and boxes, by the settings' table.
    std::array<platform::ScrollBar *, settings::Count> bars_{};
    std::array<platform::TextBox *, settings::Count> boxes_{};
    settings::Positions positions_ = settings::Defaults();
    bool panelAsked_ = false, panelShown_ = false;
    std::optional<std::uint64_t> nextSeed_;
    // How the last run's populations stood, for the panel's boxes.
    std::optional<Outcome> outcome_;
    std::optional<double> expectedFixed_;
};

} // namespace quorvel
