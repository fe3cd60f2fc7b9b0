#pragma once
// The graph to a file for reports, at a chosen size: a PNG picture, an SVG
// drawing, or a PDF of the graph alone (without the printed page's file
// name and time of printing).
#include <QDialog>
#include <QString>

class CKalvexGraphView;
class QSpinBox;

enum class GraphFileFormat { Png, Svg, Pdf, Unknown };

// By the file name's suffix, case-insensitive.
GraphFileFormat GraphFileFormatOf(const QString& path);

// The graph of the view in a format at a size, written to path; false when
// there was nothing to draw or the file could not be written.
bool ExportGraph(const CKalvexGraphView& view, GraphFileFormat format, const QString& path, const QSize& size);

// "Picture Size": width and height in pixels of an exported picture.
class CPictureSizeDlg : public QDialog {
    Q_OBJECT

public:
    CPictureSizeDlg(const QSize& size, QWidget* parent = nullptr);
    QSize Size() const;
    QSpinBox* WidthBox() const { return m_width; }
    QSpinBox* HeightBox() const { return m_height; }

private:
    QSpinBox* m_width;
    QSpinBox* m_height;
};
