#pragma once

#include "form.h"
#include "surface.h"

#include <QMessageBox>
#include <QWidget>
#include <vector>

namespace quorvel::platform::qt {

// The window as a Qt widget: a fixed-size top-level widget whose children
// are made from the layout's rows.
class Form : public QWidget, public platform::Form {
public:
    Form(const FormDesign &design, std::span<const Row> rows, const FormWords &words);

    DrawingSurface &surface() override { return *surface_; }

    void show() override { QWidget::show(); }
    void setWords(const FormWords &words) override;
    void showError(const Text &message) override;
    void showHelp(const Text &title, const Text &text) override;
    std::optional<std::size_t> focusedRow() const override;
    void showPanel(bool shown) override;
    bool panelShown() const { return panelShown_; }

    void onTools(ToolEvents events) override;
    void showMenu(const std::vector<MenuEntry> &entries, double x, double y) override;
    void showNote(double x, double y, const Text &value, const Text &settings) override;
    void hideNote() override;
    void showMarker(double x, double y) override;
    void hideMarker() override;
    void copyText(const Text &text) override;
    void copyPicture(const std::vector<Text> &legend) override;
    std::vector<std::uint8_t> picturePng(const std::vector<Text> &legend) override;
    SaveResult saveFile(const FileType &type, const Text &name,
                        const std::vector<std::uint8_t> &bytes) override;
    void play(const std::vector<std::uint8_t> &wav) override;
    // The whole window larger or smaller, laid out as at a screen of that scale.
    double zoom() const override;
    void setZoom(double zoom) override;
    // The window as copyPicture puts it on the clipboard.
    QImage picture(const std::vector<Text> &legend);

    DrawingLayer &drawingLayer() { return *surface_; }
    // The controls that take focus, in the order Tab visits them.
    const std::vector<QWidget *> &focusOrder() const { return focusOrder_; }

protected:
    platform::Control &control(std::size_t i) override;

private:
    void useLanguageOf(const FormWords &words);
    void useBoxFont();
    void stack();
    void layOut(double zoom, bool rescaled = true);
    // Row i's caption (a box's text only while boxes), read in the words' direction.
    void showWords(std::size_t i, const Text &caption, bool boxes);
    void orderFocus(std::span<const Row> rows);

    const FormDesign &design_;
    std::span<const Row> rows_;
    std::vector<QWidget *> controls_; // one a row, in stored order
    std::vector<QWidget *> focusOrder_;
    DrawingLayer *surface_ = nullptr;
    class ReadingTools *tools_ = nullptr;
    QString saveFolder_;          // where the save dialog opens
    QMessageBox *help_ = nullptr; // while it is open
    bool rightToLeft_ = false;    // the words' direction
    bool panelShown_ = false;
    int clientWidth() const { return design_.clientWidth + (panelShown_ ? design_.panelWidth : 0); }
};

} // namespace quorvel::platform::qt
