#pragma once

#include <QByteArray>

#include "draw/page.h"

class QPagedPaintDevice;
class QPainter;

// A report's pages painted with QPainter: on a printer, into a PDF file (the
// texts as text, so that they can be selected and searched) or into a
// picture. The painter works in points from the paper's top left corner.
namespace ui::qt {

// Paints one page; the painter's unit must be the point (see BeginPoints).
void PaintPage(QPainter& painter, const draw::Page& page);

// Scales the painter of a device to points, from the paper's corner; the
// device's page layout must have no margins (or full-page mode on a printer).
void BeginPoints(QPainter& painter);

// Every page of the document, a device page each; false when the device
// refuses a new page or the painter does not start.
bool PaintDocument(QPagedPaintDevice& device, const draw::PagedDocument& document);

// The document as a PDF file's bytes.
bool DocumentAsPdf(const draw::PagedDocument& document, QByteArray& bytes);

}  // namespace ui::qt
