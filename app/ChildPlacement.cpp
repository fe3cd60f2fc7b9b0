#include "ChildPlacement.h"

#include <algorithm>

namespace {

// Smallest useful window; a smaller area gives the whole area.
constexpr int kMinWidth = 360;
constexpr int kMinHeight = 220;
// At most this many shifts before the windows of later documents start
// again at the first place.
constexpr int kShiftLimit = 6;

}  // namespace

QRect FitInto(const QRect& rect, const QRect& area)
{
    const int width = std::min(rect.width(), area.width());
    const int height = std::min(rect.height(), area.height());
    const int x = std::clamp(rect.x(), area.left(), area.left() + area.width() - width);
    const int y = std::clamp(rect.y(), area.top(), area.top() + area.height() - height);
    return {x, y, width, height};
}

QRect ChildRect(ViewKind kind, const QRect& area, int documentIndex, int caption)
{
    const int w = area.width();
    const int h = area.height();
    // Side by side when both halves can show a useful table.
    const bool wide = w >= 2 * kMinWidth + kMinWidth / 2 && w * 3 >= h * 4;
    QRect rect;
    if (wide) {
        const int left = w * 11 / 20;
        switch (kind) {
        case ViewKind::Results:
        case ViewKind::AirSource:
        case ViewKind::HeatSource: rect = QRect(left, 0, w - left, h * 11 / 20); break;
        case ViewKind::Graph: rect = QRect(left, h * 11 / 20, w - left, h - h * 11 / 20); break;
        default: rect = QRect(0, 0, left, h); break;
        }
    } else {
        const int top = h / 2;
        switch (kind) {
        case ViewKind::Results:
        case ViewKind::AirSource:
        case ViewKind::HeatSource: rect = QRect(0, top, w * 3 / 5, h - top); break;
        case ViewKind::Graph: rect = QRect(w * 3 / 5, top, w - w * 3 / 5, h - top); break;
        default: rect = QRect(0, 0, w, top); break;
        }
    }
    // The source tables a caption below the results table's place, so
    // that a results window there keeps its caption in view.
    int shift = kind == ViewKind::AirSource ? 1 : kind == ViewKind::HeatSource ? 2 : 0;
    shift += documentIndex % kShiftLimit;
    rect.translate(shift * caption, shift * caption);
    rect.setSize(rect.size().expandedTo(QSize(kMinWidth, kMinHeight)));
    return FitInto(rect.translated(area.topLeft()), area);
}

QList<QRect> CascadeRects(int count, const QRect& area, int caption)
{
    QList<QRect> rects;
    if (count <= 0)
        return rects;
    // One size for all: the area less the steps, but never below two
    // thirds of it; beyond that the steps start again at the corner.
    const int steps = std::min(count - 1, kShiftLimit);
    const int width = std::max(area.width() - steps * caption, area.width() * 2 / 3);
    const int height = std::max(area.height() - steps * caption, area.height() * 2 / 3);
    const int perRound = std::max(1, std::min((area.width() - width) / std::max(1, caption),
                                              (area.height() - height) / std::max(1, caption)) + 1);
    for (int i = 0; i < count; ++i) {
        const int step = i % perRound;
        rects.append(FitInto(QRect(area.left() + step * caption, area.top() + step * caption, width, height), area));
    }
    return rects;
}
