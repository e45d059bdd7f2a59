#pragma once

#include "raster.h"

#include <QImage>
#include <QPointF>
#include <QWidget>
#include <vector>

namespace quorvel::platform {

// Shows the persistent raster that PSet and Line draw on. It lies above the
// window's frames and labels, below its controls, and lets the mouse through.
class DrawingLayer : public QWidget {
public:
    DrawingLayer(QWidget *parent, Colour drawingColour);

    void PSet(float x, float y);
    void PSet(float x, float y, Colour colour);
    // A segment from the current point; (x, y) becomes the current point.
    void Line(float x, float y);
    void Cls();
    // What is drawn, in words; assistive tools hear of each change.
    void setDescription(const QString &text);

    QPointF currentPoint() const { return {raster_.currentX(), raster_.currentY()}; }
    Colour drawingColour() const { return raster_.drawingColour(); }
    const Raster &raster() const { return raster_; }
    // A copy of the raster in device pixels; a null image until something is drawn.
    QImage image() const;
    // Logical pixel (x, y) of the raster; transparent where nothing was drawn.
    QColor pixelAt(int x, int y) const;

    // Every primitive from now on is appended to calls; nullptr stops it.
    void setRecorder(std::vector<DrawCall> *calls) { raster_.setRecorder(calls); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void fitRaster();
    void fitFirstRaster();
    void scheduleRepaint();

    Raster raster_;
    bool repaintPending_ = false;
};

} // namespace quorvel::platform
