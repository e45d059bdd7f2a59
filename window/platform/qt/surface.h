#pragma once

#include "control.h"
#include "drawing_surface.h"

#include <QImage>
#include <QPointF>
#include <QWidget>

namespace quorvel::platform::qt {

// Shows the persistent raster that PSet and Line draw on, as the Scribble
// example does: kept between paints, painted in paintEvent. It lies above the
// window's frames and labels, below its controls, and lets the mouse through.
class DrawingLayer : public QWidget, public DrawingSurface {
public:
    // width and height: the layout's, whatever the window's zoom.
    DrawingLayer(QWidget *parent, Colour drawingColour, int width, int height);

    void setDescription(const Text &description, const Text &namedDescription) override;
    // Fits the raster to the window's scale and zoom again, keeping the drawing.
    void refit() { fitRaster(); }
    // Spoken by the window's announcer.
    void announce(const Text &sentence) override;
    void setAnnouncer(class Announcer *announcer) { announcer_ = announcer; }

    QPointF currentPoint() const { return {raster().currentX(), raster().currentY()}; }
    // A copy of the raster in device pixels; a null image until something is drawn.
    QImage image() const;
    // Logical pixel (x, y) of the raster; transparent where nothing was drawn.
    QColor pixelAt(int x, int y) const;

protected:
    void fitRaster() override;
    void changed() override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    int layoutWidth_, layoutHeight_;

    bool repaintPending_ = false;
    class Announcer *announcer_ = nullptr;
};

} // namespace quorvel::platform::qt
