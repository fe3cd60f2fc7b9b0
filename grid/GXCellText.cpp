#include "GXCellText.h"

#include "GXStyle.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringList>

void DrawCellText(QPainter& painter, const QRect& rect, const CGXStyle& style)
{
    if (style.value.isEmpty() || rect.isEmpty())
        return;
    const QFontMetrics metrics(painter.font(), painter.device());
    const QStringList lines = style.value.split('\n');
    const int lineHeight = metrics.height();
    const int blockHeight = lineHeight * static_cast<int>(lines.size());
    int y = rect.top();
    if (style.vertical & Qt::AlignBottom)
        y = rect.bottom() + 1 - blockHeight;
    else if (style.vertical & Qt::AlignVCenter)
        y = rect.top() + (rect.height() - blockHeight) / 2;
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    for (const QString& line : lines) {
        const int width = metrics.horizontalAdvance(line);
        int x = rect.left();
        if (width <= rect.width()) {
            if (style.horizontal & Qt::AlignRight)
                x = rect.right() + 1 - width;
            else if (style.horizontal & Qt::AlignHCenter)
                x = rect.left() + (rect.width() - width) / 2;
        }
        painter.drawText(QRect(x, y, std::max(width, 1) + 1, lineHeight), Qt::AlignLeft | Qt::AlignVCenter, line);
        y += lineHeight;
    }
    painter.restore();
}
