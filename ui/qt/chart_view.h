#pragma once

#include <QWidget>

#include <memory>
#include <string>

#include "draw/drawing.h"

class QPainter;

// A chart control: paints the drawing list it was given, scaled to its size,
// and under the pointer reads out frequency, displacement, velocity and
// acceleration.
namespace ui::qt {

class ChartView final : public QWidget {
public:
    explicit ChartView(QWidget* parent);

    void SetDrawing(std::shared_ptr<const draw::Chart> drawing);
    const draw::Chart* Drawing() const { return m_drawing.get(); }
    // What the readout says now; empty when the pointer is off the plot.
    const std::string& Readout() const { return m_readout; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    std::shared_ptr<const draw::Chart> m_drawing;
    std::string m_readout;
};

// Paints a drawing list into a rectangle of that size at the origin, greyed
// out when it is out of date; also used to export pictures and PDF files,
// which show the title line.
void PaintChart(QPainter& painter, const draw::Chart& chart, double width, double height, bool picture = false,
                bool greyed = false);

// The chart as a PNG picture of 1600 x 1200 pixels or a landscape A4 PDF
// page, by the path's extension; false for another or a file not written.
bool SaveChartPicture(const draw::Chart& chart, const std::string& path);

}  // namespace ui::qt
