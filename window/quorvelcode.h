#pragma once

#include "action_note.h"
#include "curves/drawn_curves.h"
#include "error_report.h"
#include "form.h"
#include "layout/control_array.h"
#include "lesson/saved_files.h"
#include "lesson/setup_link.h"
#include "parameter.h"
#include "reading/reading_mode.h"
#include "words/catalogue.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>

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
    void connectHandlers();
    void DescribeControls();
    void ShowBarValue(const platform::ScrollBar &bar, double divisor, platform::TextBox &box,
                      Parameter &field);

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
};

} // namespace quorvel
