#pragma once
// The graph to a file for reports: a PNG picture of a chosen size, an SVG
// drawing, or a PDF page laid out as the printed graph.
#include <QDialog>
#include <QString>

class CKalvexGraphView;
class QSpinBox;

enum class GraphFileFormat { Png, Svg, Pdf, Unknown };

// By the file name's suffix, case-insensitive.
GraphFileFormat GraphFileFormatOf(const QString& path);

// Each returns false when the file could not be written.
bool ExportGraphPng(const CKalvexGraphView& view, const QString& path, const QSize& size);
bool ExportGraphSvg(const CKalvexGraphView& view, const QString& path, const QSize& size);
bool ExportGraphPdf(CKalvexGraphView& view, const QString& path);

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
