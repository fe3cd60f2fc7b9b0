#include "GraphPainter.h"

#include "Curve.h"
#include "KalvexBranch.h"
#include "NumberText.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace {

const QColor kGridColour(192, 192, 192);

// Logical coordinates as whole numbers; far-off values are kept within
// reach of the painter instead of overflowing.
int LogicalInt(double value)
{
    return static_cast<int>(std::trunc(std::clamp(value, -1.0e7, 1.0e7)));
}

QString Label(double value)
{
    return QString::fromStdString(FormatFixed(value, 0));
}

Qt::PenStyle PenStyle(int lineStyle)
{
    switch (lineStyle) {
    case 1: return Qt::DashLine;
    case 2: return Qt::DotLine;
    case 3: return Qt::DashDotLine;
    case 4: return Qt::DashDotDotLine;
    default: return Qt::SolidLine;
    }
}

QColor CurveColour(std::uint32_t rgb)
{
    return QColor(static_cast<int>(rgb & 0xFF), static_cast<int>(rgb >> 8 & 0xFF), static_cast<int>(rgb >> 16 & 0xFF));
}

enum class Along { Left, Centre, Right };
enum class Edge { Top, Bottom };

// The plotting rectangle and the logical-to-device mapping onto it, with
// the text tools of the drawing.
class Canvas {
public:
    Canvas(QPainter& painter, const QRectF& rect, const QFont& font)
        : m_painter(painter), m_rect(rect), m_metrics(font, painter.device()),
          m_sx(rect.width() / kLogicalWidth), m_sy(rect.height() / kLogicalHeight)
    {
        cw = static_cast<int>(m_metrics.horizontalAdvance(QStringLiteral("0")) / m_sx);
        ch = static_cast<int>(m_metrics.height() / m_sy);
    }

    QPointF Map(int x, int y) const { return {m_rect.left() + x * m_sx, m_rect.bottom() - y * m_sy}; }

    void Line(int x1, int y1, int x2, int y2) { m_painter.drawLine(Map(x1, y1), Map(x2, y2)); }

    // Text with its left edge, centre or right edge at x and its top or
    // bottom edge at y.
    void Text(const QString& text, int x, int y, Along along, Edge edge)
    {
        const QPointF at = Map(x, y);
        const double width = m_metrics.horizontalAdvance(text);
        const double left = along == Along::Left ? at.x() : along == Along::Centre ? at.x() - width / 2 : at.x() - width;
        const double baseline = edge == Edge::Top ? at.y() + m_metrics.ascent() : at.y() - m_metrics.descent();
        m_painter.drawText(QPointF(left, baseline), text);
    }

    int TextWidth(const QString& text) const { return static_cast<int>(m_metrics.horizontalAdvance(text) / m_sx); }

    QString Elided(const QString& text, int width) const
    {
        return m_metrics.elidedText(text, Qt::ElideLeft, std::max(0.0, width * m_sx));
    }

    int cw = 0;
    int ch = 0;

private:
    QPainter& m_painter;
    QRectF m_rect;
    QFontMetricsF m_metrics;
    double m_sx;
    double m_sy;
};

QFont GraphFont(int dpiY)
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, GraphTextPixelHeight(dpiY)));
    return font;
}

// The area less room for the value labels on the left, the distance labels
// below and the title line above.
QRect PlottingRectangle(const QRect& area, const QFont& font, QPaintDevice* device)
{
    const QFontMetrics metrics(font, device);
    const int w = metrics.horizontalAdvance(QStringLiteral("99999"));
    const int h = metrics.height();
    QRect rect = area;
    rect.setLeft(rect.left() + w);
    rect.setTop(rect.top() + h * 3 / 2);
    rect.setBottom(rect.bottom() - h * 3 / 2);
    rect.setRight(rect.right() - w / 2);
    return rect;
}

void DrawDistanceAxis(Canvas& canvas, QPainter& painter, const DistanceAxis& axis, double hairline)
{
    painter.setPen(Qt::black);
    canvas.Text(Label(axis.xMin), 0, -(canvas.ch / 4), Along::Centre, Edge::Top);
    for (int m = 1; m <= axis.xGridCount; ++m) {
        const int x = LogicalInt(m * axis.xStep * axis.xScale + 0.5);
        painter.setPen(QPen(kGridColour, hairline));
        canvas.Line(x, 0, x, kLogicalHeight);
        painter.setPen(Qt::black);
        canvas.Text(Label(m * axis.xStep + axis.xMin), x, -(canvas.ch / 4), Along::Centre, Edge::Top);
    }
}

void DrawFrame(Canvas& canvas, QPainter& painter, double hairline, double frameWidth)
{
    painter.setPen(QPen(Qt::black, std::max(hairline, frameWidth), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    const QPolygonF frame({canvas.Map(0, 0), canvas.Map(0, kLogicalHeight), canvas.Map(kLogicalWidth, kLogicalHeight),
                           canvas.Map(kLogicalWidth, 0), canvas.Map(0, 0)});
    painter.drawPolyline(frame);
}

// Labels, grid lines and minor ticks of the plot that owns the value axis.
void DrawValueAxis(Canvas& canvas, QPainter& painter, const CCurve& curve, double hairline)
{
    const int labelRight = -(canvas.cw / 2);
    painter.setPen(Qt::black);
    canvas.Text(Label(curve.yMin), labelRight, canvas.ch / 2, Along::Right, Edge::Top);
    canvas.Text(Label(curve.yMax), labelRight, kLogicalHeight + canvas.ch / 2, Along::Right, Edge::Top);
    for (int r = 1; r <= curve.yGridCount; ++r) {
        const int y = LogicalInt(r * curve.yStep * curve.yScale + 0.5);
        painter.setPen(QPen(kGridColour, hairline));
        canvas.Line(0, y, kLogicalWidth, y);
        for (int t = 1; t <= curve.minorTickCount; ++t) {
            const int tick = y + t * curve.minorTickSpacing;
            canvas.Line(0, tick, canvas.cw / 2, tick);
        }
        painter.setPen(Qt::black);
        canvas.Text(Label(r * curve.yStep + curve.yMin), labelRight, y + canvas.ch / 2, Along::Right, Edge::Top);
    }
}

void DrawCurve(Canvas& canvas, QPainter& painter, const CKalvexBranch& branch, ColumnId column, const CCurve& curve)
{
    const auto logicalY = [&](const CResultInterval& row) {
        double value = 0.0;
        row.GetColumnValue(column, value);
        return LogicalInt((std::clamp(value, -kValueLimit, kValueLimit) - curve.yMin) * curve.yScale + 0.5);
    };
    const auto& rows = branch.ResultList();
    QPolygonF line;
    line.reserve(static_cast<qsizetype>(rows.size()));
    line.append(canvas.Map(LogicalInt((0 - curve.xMin) * curve.xScale + 0.5), logicalY(rows.front())));
    for (std::size_t i = 1; i < rows.size(); ++i) {
        if (rows[i].isMessage)
            continue;
        const double distance = std::clamp(rows[i].distance, -kValueLimit, kValueLimit);
        line.append(canvas.Map(LogicalInt((distance - curve.xMin) * curve.xScale + 0.5), logicalY(rows[i])));
    }
    painter.drawPolyline(line);
}

// The axis title and legend line sample; returns where they end.
int DrawTitleAndLegend(Canvas& canvas, QPainter& painter, int plot, const QPen& plotPen)
{
    const QString title = QString::fromUtf8(PlotKindAt(plot).axisTitle);
    painter.setPen(Qt::black);
    canvas.Text(title, canvas.cw / 2, kLogicalHeight + canvas.ch / 8, Along::Left, Edge::Bottom);
    const int start = canvas.TextWidth(title) + 2 * canvas.cw;
    painter.setPen(plotPen);
    canvas.Line(start, kLogicalHeight + canvas.ch / 2, start + 4000, kLogicalHeight + canvas.ch / 2);
    return start + 4000;
}

}  // namespace

int GraphTextPixelHeight(int dpiY)
{
    return (dpiY * 80 / 72 + 5) / 10;
}

bool DrawGraph(QPainter& painter, const QRect& area, int dpiX, int dpiY, const GraphDrawing& drawing)
{
    if (!HasPlottableResults(drawing.branch))
        return false;
    const QFont font = GraphFont(dpiY);
    const QRect rect = PlottingRectangle(area, font, painter.device());
    if (rect.width() < 2 || rect.height() < 2)
        return false;
    painter.save();
    painter.setFont(font);
    // A line of one logical unit is thinner than a pixel; lines are at least
    // one screen pixel wide at the device's resolution.
    const double hairline = std::max(1.0, dpiX / 96.0);
    const QRectF plotArea(rect.left(), rect.top(), rect.width(), rect.height());
    Canvas canvas(painter, plotArea, font);

    DrawDistanceAxis(canvas, painter, drawing.distance, hairline);
    DrawFrame(canvas, painter, hairline, 20.0 * plotArea.height() / kLogicalHeight);

    int legendEnd = 0;
    for (int i = 0; i < kPlotCount; ++i) {
        const CCurve* curve = drawing.curves[static_cast<std::size_t>(i)];
        if (!drawing.choices.showPlot[static_cast<std::size_t>(i)] || !curve)
            continue;
        const QColor colour =
            drawing.choices.showColor[static_cast<std::size_t>(i)] ? CurveColour(curve->colour) : QColor(Qt::black);
        const QPen plotPen(colour, hairline, PenStyle(SafeLineStyle(*curve)), Qt::FlatCap, Qt::RoundJoin);
        const bool selected = i == drawing.choices.selectedPlot;
        if (selected)
            DrawValueAxis(canvas, painter, *curve, hairline);
        painter.setPen(plotPen);
        painter.setRenderHint(QPainter::Antialiasing, true);
        DrawCurve(canvas, painter, *drawing.branch, PlotKindAt(i).column, *curve);
        painter.setRenderHint(QPainter::Antialiasing, false);
        if (selected)
            legendEnd = DrawTitleAndLegend(canvas, painter, i, plotPen);
    }

    // The branch label keeps clear of the title and legend line.
    painter.setPen(Qt::black);
    const int labelRight = kLogicalWidth - canvas.cw / 2;
    const int room = labelRight - (legendEnd > 0 ? legendEnd + 2 * canvas.cw : 0);
    canvas.Text(canvas.Elided(drawing.branchLabel, room), labelRight, kLogicalHeight + canvas.ch / 8, Along::Right,
                Edge::Bottom);
    if (!drawing.printedLine.isEmpty())
        canvas.Text(drawing.printedLine, 0, -2 * canvas.ch, Along::Left, Edge::Top);
    painter.restore();
    return true;
}
