#include "GXClipboardText.h"

namespace {

QString Flatten(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    for (QChar& c : text)
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    return text;
}

}  // namespace

QString BlockToTabText(const CGXCellBlock& block)
{
    QString text;
    for (const QStringList& row : block) {
        for (int c = 0; c < row.size(); ++c) {
            if (c > 0)
                text += '\t';
            text += Flatten(row[c]);
        }
        text += QLatin1String("\r\n");
    }
    return text;
}

QString BlockToHtml(const CGXCellBlock& block)
{
    QString html = QLatin1String("<html><body><table>\n");
    for (const QStringList& row : block) {
        html += QLatin1String("<tr>");
        for (const QString& cell : row) {
            QString escaped = cell.toHtmlEscaped();
            escaped.replace('\n', QLatin1String("<br>"));
            html += QLatin1String("<td>") + escaped + QLatin1String("</td>");
        }
        html += QLatin1String("</tr>\n");
    }
    html += QLatin1String("</table></body></html>\n");
    return html;
}

CGXCellBlock TabTextToBlock(const QString& text)
{
    QString normal = text;
    normal.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    normal.replace('\r', '\n');
    if (normal.endsWith('\n'))
        normal.chop(1);
    CGXCellBlock block;
    if (normal.isEmpty())
        return block;
    for (const QString& line : normal.split('\n'))
        block.push_back(line.split('\t'));
    return block;
}
