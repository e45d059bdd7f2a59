#pragma once

#include "control_array.h"
#include "drawing_layer.h"
#include "error_report.h"
#include "parameter.h"
#include "scroll_bar.h"
#include "shapes.h"
#include "text_box.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <cstdint>
#include <deque>
#include <string>

namespace quorvel {

// The one window of the program. It owns every control, every parameter and
// every working value of the two drawing actions, and handles every user event.
class Quorvelcode : public QWidget {
public:
    explicit Quorvelcode(QWidget *parent = nullptr);

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
    QPushButton *Wmean = nullptr;
    platform::TextBox *Textp100 = nullptr;
    platform::ScrollBar *HScrollw3 = nullptr;
    platform::ScrollBar *HScrollw2 = nullptr;
    platform::ScrollBar *HScrollw1 = nullptr;
    platform::TextBox *Textw3 = nullptr;
    platform::TextBox *Textw2 = nullptr;
    platform::TextBox *Textw1 = nullptr;
    QPushButton *CLS = nullptr;
    QPushButton *RUN = nullptr;
    platform::ScrollBar *VScrollp = nullptr;
    platform::TextBox *TextInitp = nullptr;
    ControlArray<QLabel> Label3;
    ControlArray<QLabel> Label8;
    platform::LineShape *Line2 = nullptr;
    ControlArray<platform::RectangleShape> Deltap;
    ControlArray<platform::RectangleShape> Shape2;
    ControlArray<QLabel> Label1;
    QLabel *Label2 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label5 = nullptr;
    platform::RectangleShape *Shape1 = nullptr;
    QLabel *Label4 = nullptr;

    // What PSet, Line and Cls draw on.
    platform::DrawingLayer *surface = nullptr;
    // Where a handler's error is shown.
    platform::ErrorReport errors;

    // Event handlers, each named after its control and event.
    void HScrollw1_Change();
    void HScrollw2_Change();
    void HScrollw3_Change();
    void VScrollp_Change();
    void RUN_Click();
    void Wmean_Click();
    void CLS_Click();

    // The window's drawing operations.
    void PSet(float x, float y) { surface->PSet(x, y); }
    void PSet(float x, float y, platform::Colour colour) { surface->PSet(x, y, colour); }
    void Line(float x, float y) { surface->Line(x, y); }
    void Cls();

    // Adds a sentence to what the drawing's description says has been drawn.
    void Describe(const std::u16string &sentence);

private:
    void buildFromLayout();
    void stackControls();
    void connectHandlers();
    // What is drawn since the last Cls, one sentence an action, latest last.
    std::deque<std::u16string> described_;
    int undescribed_ = 0;
    void ShowBarValue(const platform::ScrollBar &bar, double divisor, QLineEdit &box,
                      Parameter &field);
};

} // namespace quorvel
