#include "GraphPictures.h"

#include <QBuffer>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kInchesPerMetre = 39.37007874;

// Draws on a device already set up for the size; false when nothing was drawn.
bool Paint(QPaintDevice& device, const QSize& size, const GraphDrawing& drawing, bool whiteGround)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QRect area(QPoint(0, 0), size);
    if (whiteGround)
        painter.fillRect(area, Qt::white);
    const bool drawn = DrawGraph(painter, area, device.logicalDpiX(), device.logicalDpiY(), drawing);
    return painter.end() && drawn;
}

}  // namespace

int PictureDpi(const QSize& size)
{
    const double factor = std::min(static_cast<double>(size.width()) / kPictureBaseWidth,
                                   static_cast<double>(size.height()) / kPictureBaseHeight);
    return static_cast<int>(std::lround(96.0 * std::max(1.0, factor)));
}

QByteArray GraphPng(const GraphDrawing& drawing, const QSize& size)
{
    if (size.isEmpty())
        return {};
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    const int dotsPerMetre = static_cast<int>(std::lround(PictureDpi(size) * kInchesPerMetre));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    if (!Paint(image, size, drawing, true))
        return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, "PNG") ? bytes : QByteArray();
}

QByteArray GraphSvg(const GraphDrawing& drawing, const QSize& size, const QString& title)
{
    if (size.isEmpty())
        return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setResolution(PictureDpi(size));
    svg.setTitle(title);
    return Paint(svg, size, drawing, true) ? bytes : QByteArray();
}

QByteArray GraphPdf(const GraphDrawing& drawing, const QSize& size, const QString& title)
{
    if (size.isEmpty())
        return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const int dpi = PictureDpi(size);
    QPdfWriter pdf(&buffer);
    pdf.setResolution(dpi);
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("Dorvan"));
    const QSizeF points(size.width() * 72.0 / dpi, size.height() * 72.0 / dpi);
    pdf.setPageSize(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    return Paint(pdf, size, drawing, false) ? bytes : QByteArray();
}
