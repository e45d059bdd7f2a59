#pragma once

#include "colours.h"

#include <QImage>
#include <QPointF>
#include <QWidget>
#include <vector>

namespace quorvel::platform {

// One drawing primitive as a caller handed it over, for tests that check the
// coordinates rather than the pixels. A segment starts at the point before it.
struct DrawCall {
    enum class Kind { Point, Segment };
    Kind kind;
    float x;
    float y;
    Colour colour;
    friend bool operator==(const DrawCall &, const DrawCall &) = default;
};

// The persistent picture that PSet and Line draw on: a raster the size of the
// window, kept between paints so drawings pile up until Cls. It lies above the
// window's frames and labels, below its controls, and lets the mouse through.
class DrawingLayer : public QWidget {
public:
    DrawingLayer(QWidget *parent, Colour drawingColour);

    void PSet(float x, float y);
    void PSet(float x, float y, Colour colour);
    // A segment from the current point; (x, y) becomes the current point.
    void Line(float x, float y);
    void Cls();

    QPointF currentPoint() const { return current_; }
    Colour drawingColour() const { return drawingColour_; }
    // The raster in device pixels (logical pixels times the device pixel
    // ratio); a null image until something is drawn.
    const QImage &image() const { return image_; }
    // Logical pixel (x, y) of the raster; transparent where nothing was drawn.
    QColor pixelAt(int x, int y) const;

    // Every primitive from now on is appended to calls; nullptr stops it.
    void setRecorder(std::vector<DrawCall> *calls) { recorder_ = calls; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void record(DrawCall::Kind kind, float x, float y, Colour colour);
    QRgb pixelValue(Colour colour) const;
    void point(int x, int y, QRgb value);
    bool plot(int x, int y, QRgb value); // false where (x, y) is off the raster
    void segment(double x0, double y0, double x1, double y1, QRgb value);
    void fitRaster(bool allocate);
    void markDirty(const QRect &area);

    Colour drawingColour_;
    QRgb drawingPixel_ = 0;
    QImage image_;
    int block_ = 1; // device pixels per logical pixel, each way
    QPointF current_{0.0, 0.0};
    bool repaintPending_ = false;
    QRect dirty_; // logical pixels drawn since the last repaint was asked for
    std::vector<DrawCall> *recorder_ = nullptr;
};

} // namespace quorvel::platform
