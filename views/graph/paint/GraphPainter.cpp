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
#include <vector>

namespace {

const QColor kGridColour(192, 192, 192);
const QColor kReferenceColour(80, 80, 80);

// Logical coordinates as whole numbers; far-off values are kept within
// reach of the painter instead of overflowing.
int LogicalInt(double value)
{
    return static_cast<int>(std::trunc(std::clamp(value, -1.0e7, 1.0e7)));
}

QString Number(double value, int decimals)
{
    return QString::fromStdString(FormatFixed(value, decimals));
}

// The fewest decimals that write a step exactly: 0 for 5, 1 for 0.2.
int DecimalsFor(double step)
{
    for (int decimals = 0; decimals < 6; ++decimals) {
        const double scaled = step * std::pow(10.0, decimals);
        if (std::abs(scaled - std::round(scaled)) < 1e-6 * std::max(1.0, scaled))
            return decimals;
    }
    return 6;
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

QFont GraphFont(int dpiY)
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, GraphTextPixelHeight(dpiY)));
    return font;
}

// The labelled step of a value axis: its major step, or, on an axis of
// few steps, the tenths of a step (every one, every second or every fifth)
// when there is room between them for a line of text.
struct LabelStep {
    double step;
    int decimals;
};

LabelStep ValueLabelStep(const CCurve& curve, double pixelsPerUnit, double textHeight)
{
    if (curve.minorTickCount == 9 && pixelsPerUnit > 0.0)
        for (const int tenths : {1, 2, 5}) {
            const double step = curve.yStep * tenths / 10.0;
            if (step * pixelsPerUnit >= 1.5 * textHeight)
                return {step, DecimalsFor(step)};
        }
    return {curve.yStep, DecimalsFor(curve.yStep)};
}

// The widest label an axis can get, whatever room it is given.
double WidestLabel(const CCurve& curve, const QFontMetricsF& metrics)
{
    const int decimals = DecimalsFor(curve.yStep) + (curve.minorTickCount == 9 ? 1 : 0);
    return std::max(metrics.horizontalAdvance(Number(curve.yMin, decimals)),
                    metrics.horizontalAdvance(Number(curve.yMax, decimals)));
}

QPen PlotPen(const GraphDrawing& drawing, int plot, double width)
{
    const CCurve& curve = *drawing.curves[static_cast<std::size_t>(plot)];
    const QColor colour =
        drawing.choices.showColor[static_cast<std::size_t>(plot)] ? CurveColour(curve.colour) : QColor(Qt::black);
    return QPen(colour, width, PenStyle(SafeLineStyle(curve)), Qt::FlatCap, Qt::RoundJoin);
}

const CCurve* AxisCurve(const GraphDrawing& drawing, int plot)
{
    return drawing.choices.Shown(plot) ? drawing.curves[static_cast<std::size_t>(plot)] : nullptr;
}

QString LegendText(const GraphDrawing& drawing, int plot)
{
    QString text = QString::fromUtf8(PlotKindAt(plot).rowLabel);
    if (plot == drawing.choices.rightPlot)
        text += QStringLiteral(" (right axis)");
    return text;
}

struct LegendEntry {
    int plot;
    double x;  // from the left of the plotting rectangle
    int row;
};

// Where everything around the plotting rectangle goes, in device units.
struct Layout {
    QRectF plot;
    double line = 0;        // height of a line of text
    double digit = 0;       // width of "0"
    double sample = 0;      // length of a legend line sample
    double rightLabels = 0; // width of the right-hand value labels
    std::vector<LegendEntry> legend;
    int legendRows = 0;
};

Layout ComputeLayout(const QRect& area, const QFontMetricsF& metrics, const GraphDrawing& drawing)
{
    Layout layout;
    layout.line = metrics.height();
    layout.digit = metrics.horizontalAdvance(QStringLiteral("0"));
    layout.sample = 4 * layout.digit;
    const double five = metrics.horizontalAdvance(QStringLiteral("99999"));

    double left = five;
    if (const CCurve* curve = AxisCurve(drawing, drawing.choices.selectedPlot))
        left = std::max(left, WidestLabel(*curve, metrics) + layout.digit);
    double right = five / 2;
    if (const CCurve* curve = AxisCurve(drawing, drawing.choices.rightPlot)) {
        layout.rightLabels = WidestLabel(*curve, metrics);
        right = layout.digit + layout.rightLabels + layout.digit + layout.line + layout.digit / 2;
    }

    // The legend flows in rows as wide as the space right of the labels.
    // The plot of the left axis first, then that of the right one.
    const double width = area.width() - left - right;
    std::vector<int> order = {drawing.choices.selectedPlot, drawing.choices.rightPlot};
    for (int i = 0; i < kPlotCount; ++i)
        if (i != drawing.choices.selectedPlot && i != drawing.choices.rightPlot)
            order.push_back(i);
    double x = 0;
    for (const int i : order) {
        if (!AxisCurve(drawing, i))
            continue;
        const double entry = layout.sample + layout.digit + metrics.horizontalAdvance(LegendText(drawing, i));
        if (x > 0 && x + entry > width) {
            ++layout.legendRows;
            x = 0;
        }
        layout.legend.push_back({i, x, layout.legendRows});
        x += entry + 3 * layout.digit;
    }
    if (!layout.legend.empty())
        ++layout.legendRows;

    // Below: distance labels, the distance title, the legend, the time of
    // printing.
    double below = layout.line * 5 / 4 + layout.line * 5 / 4 + layout.legendRows * layout.line * 5 / 4 + layout.line / 4;
    if (!drawing.printedLine.isEmpty())
        below += layout.line * 3 / 2;
    layout.plot = QRectF(area.left() + left, area.top() + layout.line * 3 / 2, width,
                         area.height() - layout.line * 3 / 2 - below);
    layout.plot = QRectF(std::round(layout.plot.left()), std::round(layout.plot.top()),
                         std::round(layout.plot.width()), std::round(layout.plot.height()));
    return layout;
}

enum class Along { Left, Centre, Right };
enum class Edge { Top, Bottom };

// The plotting rectangle and the logical-to-device mapping onto it, with
// the text tools of the drawing.
class Canvas {
public:
    Canvas(QPainter& painter, const QRectF& rect, const QFontMetricsF& metrics)
        : m_painter(painter), m_rect(rect), m_metrics(metrics), m_sx(rect.width() / kLogicalWidth),
          m_sy(rect.height() / kLogicalHeight)
    {
        cw = static_cast<int>(m_metrics.horizontalAdvance(QStringLiteral("0")) / m_sx);
        ch = static_cast<int>(m_metrics.height() / m_sy);
    }

    QPointF Map(int x, int y) const { return {m_rect.left() + x * m_sx, m_rect.bottom() - y * m_sy}; }
    double UnitsToPixelsY(double logical) const { return logical * m_sy; }

    void Line(int x1, int y1, int x2, int y2) { m_painter.drawLine(Map(x1, y1), Map(x2, y2)); }

    // Text with its left edge, centre or right edge at x and its top or
    // bottom edge at y (device units).
    void DeviceText(const QString& text, QPointF at, Along along, Edge edge)
    {
        const double width = m_metrics.horizontalAdvance(text);
        const double left = along == Along::Left ? at.x() : along == Along::Centre ? at.x() - width / 2 : at.x() - width;
        const double baseline = edge == Edge::Top ? at.y() + m_metrics.ascent() : at.y() - m_metrics.descent();
        m_painter.drawText(QPointF(left, baseline), text);
    }
    void Text(const QString& text, int x, int y, Along along, Edge edge) { DeviceText(text, Map(x, y), along, edge); }

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
    const QFontMetricsF& m_metrics;
    double m_sx;
    double m_sy;
};

void DrawDistanceAxis(Canvas& canvas, QPainter& painter, const Layout& layout, const DistanceAxis& axis,
                      double hairline)
{
    painter.setPen(Qt::black);
    const int labelTop = -(canvas.ch / 4);
    canvas.Text(Number(axis.xMin, 0), 0, labelTop, Along::Centre, Edge::Top);
    for (int m = 1; m <= axis.xGridCount; ++m) {
        const int x = LogicalInt(m * axis.xStep * axis.xScale + 0.5);
        painter.setPen(QPen(kGridColour, hairline));
        canvas.Line(x, 0, x, kLogicalHeight);
        painter.setPen(Qt::black);
        canvas.Text(Number(m * axis.xStep + axis.xMin, DecimalsFor(axis.xStep)), x, labelTop, Along::Centre,
                    Edge::Top);
    }
    const QPointF title(layout.plot.center().x(), layout.plot.bottom() + layout.line * 5 / 4);
    canvas.DeviceText(QStringLiteral("Distance (m)"), title, Along::Centre, Edge::Top);
}

void DrawFrame(Canvas& canvas, QPainter& painter, double hairline, double frameWidth)
{
    painter.setPen(QPen(Qt::black, std::max(hairline, frameWidth), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    const QPolygonF frame({canvas.Map(0, 0), canvas.Map(0, kLogicalHeight), canvas.Map(kLogicalWidth, kLogicalHeight),
                           canvas.Map(kLogicalWidth, 0), canvas.Map(0, 0)});
    painter.drawPolyline(frame);
}

// A value axis: labels at the major steps (and at tenths where there is
// room), minor ticks from the frame inwards and, on the left, grid lines.
void DrawValueAxis(Canvas& canvas, QPainter& painter, const CCurve& curve, bool right, double hairline)
{
    const LabelStep labels = ValueLabelStep(curve, canvas.UnitsToPixelsY(curve.yScale), canvas.UnitsToPixelsY(canvas.ch));
    const int labelX = right ? kLogicalWidth + canvas.cw / 2 : -(canvas.cw / 2);
    const Along along = right ? Along::Left : Along::Right;
    const int tickFrom = right ? kLogicalWidth - canvas.cw / 2 : 0;
    const int tickTo = right ? kLogicalWidth : canvas.cw / 2;
    for (int r = 1; r <= curve.yGridCount; ++r) {
        const int y = LogicalInt(r * curve.yStep * curve.yScale + 0.5);
        painter.setPen(QPen(kGridColour, hairline));
        if (!right)
            canvas.Line(0, y, kLogicalWidth, y);
        else
            painter.setPen(QPen(Qt::black, hairline));
        for (int t = 1; t <= curve.minorTickCount; ++t) {
            const int tick = y + t * curve.minorTickSpacing;
            canvas.Line(tickFrom, tick, tickTo, tick);
        }
    }
    painter.setPen(Qt::black);
    const int count = static_cast<int>(std::round((curve.yMax - curve.yMin) / labels.step));
    for (int j = 0; j <= count && count <= 1000; ++j) {
        const double offset = j * labels.step;
        const int y = j == count ? kLogicalHeight : LogicalInt(offset * curve.yScale + 0.5);
        canvas.Text(Number(curve.yMin + offset, labels.decimals), labelX, y + canvas.ch / 2, along, Edge::Top);
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

// Dashed lines across the plot at its reference values, each named at its
// right end.
void DrawReferenceLines(Canvas& canvas, QPainter& painter, int plot, const CCurve& curve, double skinTempLimit,
                        double hairline)
{
    for (const ReferenceLine& line : ReferenceLinesOf(plot, skinTempLimit)) {
        const int y = LogicalInt((std::clamp(line.value, -kValueLimit, kValueLimit) - curve.yMin) * curve.yScale + 0.5);
        painter.setPen(QPen(kReferenceColour, hairline, Qt::DashLine));
        canvas.Line(0, y, kLogicalWidth, y);
        painter.setPen(kReferenceColour);
        const QString text = QString::fromStdString(line.label + (line.label.empty() ? "" : " ") +
                                                    FormatFixed(line.value, PlotKindAt(plot).decimals));
        canvas.Text(text, kLogicalWidth - canvas.cw, y + canvas.ch / 8, Along::Right, Edge::Bottom);
    }
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

// The right-hand axis title, turned to read upwards beside its labels.
void DrawRightTitle(QPainter& painter, const Layout& layout, const QFontMetricsF& metrics, int plot)
{
    const QString title = QString::fromUtf8(PlotKindAt(plot).axisTitle);
    painter.save();
    painter.setPen(Qt::black);
    painter.translate(layout.plot.right() + layout.digit + layout.rightLabels + layout.digit,
                      layout.plot.center().y());
    painter.rotate(-90);
    painter.drawText(QPointF(-metrics.horizontalAdvance(title) / 2, metrics.ascent()), title);
    painter.restore();
}

void DrawLegend(Canvas& canvas, QPainter& painter, const Layout& layout, const GraphDrawing& drawing, double hairline)
{
    const double top = layout.plot.bottom() + layout.line * 5 / 2 + layout.line / 4;
    for (const LegendEntry& entry : layout.legend) {
        const double x = layout.plot.left() + entry.x;
        const double y = top + entry.row * layout.line * 5 / 4;
        painter.setPen(PlotPen(drawing, entry.plot, hairline));
        painter.drawLine(QPointF(x, y + layout.line / 2), QPointF(x + layout.sample, y + layout.line / 2));
        painter.setPen(Qt::black);
        canvas.DeviceText(LegendText(drawing, entry.plot), QPointF(x + layout.sample + layout.digit, y), Along::Left,
                          Edge::Top);
    }
}

bool Drawable(const GraphDrawing& drawing, const QRectF& plot)
{
    return HasPlottableResults(drawing.branch) && plot.width() >= 2 && plot.height() >= 2;
}

}  // namespace

int GraphTextPixelHeight(int dpiY)
{
    return (dpiY * 80 / 72 + 5) / 10;
}

QRect GraphPlotRect(const QRect& area, int dpiY, const GraphDrawing& drawing, const QPaintDevice* device)
{
    const QFontMetricsF metrics(GraphFont(dpiY), device);
    const QRectF plot = ComputeLayout(area, metrics, drawing).plot;
    return Drawable(drawing, plot) ? plot.toRect() : QRect();
}

bool DrawGraph(QPainter& painter, const QRect& area, int dpiX, int dpiY, const GraphDrawing& drawing)
{
    if (!HasPlottableResults(drawing.branch))
        return false;
    const QFont font = GraphFont(dpiY);
    const QFontMetricsF metrics(font, painter.device());
    const Layout layout = ComputeLayout(area, metrics, drawing);
    if (!Drawable(drawing, layout.plot))
        return false;
    painter.save();
    painter.setFont(font);
    // A line of one logical unit is thinner than a pixel; lines are at least
    // one screen pixel wide at the device's resolution.
    const double hairline = std::max(1.0, dpiX / 96.0);
    Canvas canvas(painter, layout.plot, metrics);

    DrawDistanceAxis(canvas, painter, layout, drawing.distance, hairline);
    DrawFrame(canvas, painter, hairline, 20.0 * layout.plot.height() / kLogicalHeight);

    int legendEnd = 0;
    for (int i = 0; i < kPlotCount; ++i) {
        const CCurve* curve = AxisCurve(drawing, i);
        if (!curve)
            continue;
        const QPen plotPen = PlotPen(drawing, i, hairline);
        const bool selected = i == drawing.choices.selectedPlot;
        if (selected)
            DrawValueAxis(canvas, painter, *curve, false, hairline);
        if (i == drawing.choices.rightPlot) {
            DrawValueAxis(canvas, painter, *curve, true, hairline);
            DrawRightTitle(painter, layout, metrics, i);
        }
        DrawReferenceLines(canvas, painter, i, *curve, drawing.skinTempLimit, hairline);
        painter.setPen(plotPen);
        painter.setRenderHint(QPainter::Antialiasing, true);
        DrawCurve(canvas, painter, *drawing.branch, PlotKindAt(i).column, *curve);
        painter.setRenderHint(QPainter::Antialiasing, false);
        if (selected)
            legendEnd = DrawTitleAndLegend(canvas, painter, i, plotPen);
    }
    DrawLegend(canvas, painter, layout, drawing, hairline);

    // The branch label keeps clear of the title and legend line.
    painter.setPen(Qt::black);
    const int labelRight = kLogicalWidth - canvas.cw / 2;
    const int room = labelRight - (legendEnd > 0 ? legendEnd + 2 * canvas.cw : 0);
    canvas.Text(canvas.Elided(drawing.branchLabel, room), labelRight, kLogicalHeight + canvas.ch / 8, Along::Right,
                Edge::Bottom);
    if (!drawing.printedLine.isEmpty()) {
        const double top = layout.plot.bottom() + layout.line * 5 / 2 + layout.line / 4 +
                           layout.legendRows * layout.line * 5 / 4 + layout.line / 4;
        canvas.DeviceText(drawing.printedLine, QPointF(layout.plot.left(), top), Along::Left, Edge::Top);
    }
    painter.restore();
    return true;
}
