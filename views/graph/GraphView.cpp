// CKalvexGraphView: binding to the document, updates, caption and drawing.
#include "GraphView.h"

#include "GXGridHint.h"
#include "GraphReadout.h"
#include "OpenDocument.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QImage>
#include <QLocale>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPrinter>
#include <QStatusTipEvent>

#include <algorithm>

CKalvexGraphView::CKalvexGraphView(COpenDocument& document, QWidget* parent) : QWidget(parent), m_document(document)
{
    Doc().AddView(this);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);
    setMouseTracking(true);
}

CKalvexGraphView::~CKalvexGraphView()
{
    Doc().RemoveView(this);
}

CKalvexDoc& CKalvexGraphView::Doc() const
{
    return m_document.doc;
}

void CKalvexGraphView::InitialUpdate()
{
    if (m_initialised)
        return;
    m_initialised = true;
    InsertPlotCurves(Doc());
    m_choices = PlotChoices::Initial();
    OnUpdate(this, kHintContents, nullptr);
}

void CKalvexGraphView::OnUpdate(IDocumentView* /*sender*/, long /*hint*/, CUpdateHint* hintObject)
{
    // The tables' grid hints say nothing about results.
    if (dynamic_cast<CGXGridHint*>(hintObject) || !m_initialised)
        return;
    ComputeGraphAxes(Doc(), m_choices, m_distance);
    update();
    SetCaption();
    emit commandStateChanged();
}

void CKalvexGraphView::Refresh()
{
    OnUpdate(nullptr, kHintContents, nullptr);
}

QString CKalvexGraphView::Caption() const
{
    QString caption = QString::fromStdString(Doc().Title()) + QStringLiteral(" - Graphs");
    if (const CKalvexBranch* branch = GraphBranch(Doc()))
        caption += QStringLiteral(" - ") + QString::fromStdString(branch->name);
    return caption;
}

void CKalvexGraphView::SetCaption()
{
    const QString caption = Caption();
    if (windowTitle() != caption)
        setWindowTitle(caption);  // the child window follows its view's title
}

int CKalvexGraphView::GraphBranchIndex() const
{
    return Doc().IndexOfBranch(Doc().graphBranch);
}

GraphDrawing CKalvexGraphView::Drawing(bool printing) const
{
    GraphDrawing drawing;
    drawing.branch = GraphBranch(Doc());
    if (!drawing.branch)
        return drawing;
    for (int i = 0; i < kPlotCount; ++i)
        drawing.curves[static_cast<std::size_t>(i)] = PlotCurve(Doc(), i);
    drawing.distance = m_distance;
    drawing.choices = m_choices;
    drawing.skinTempLimit = Doc().skinTempLimit;
    drawing.branchLabel = QString::fromStdString(drawing.branch->name);
    if (printing) {
        const std::string& file = Doc().PathName().empty() ? Doc().Title() : Doc().PathName();
        drawing.branchLabel.prepend(QString::fromStdString(file) + QStringLiteral(" - "));
        drawing.printedLine = QStringLiteral("Printed: ") +
                              QLocale::system().toString(QDateTime::currentDateTime(), QLocale::LongFormat);
    }
    return drawing;
}

bool CKalvexGraphView::Render(QPainter& painter, const QRect& area, bool printing) const
{
    const QPaintDevice* device = painter.device();
    return DrawGraph(painter, area, device->logicalDpiX(), device->logicalDpiY(), Drawing(printing));
}

QString CKalvexGraphView::ReadoutAt(const QPoint& point) const
{
    const GraphDrawing drawing = Drawing(false);
    const QRect plot = GraphPlotRect(rect(), logicalDpiY(), drawing, this);
    if (plot.isEmpty() || !plot.contains(point))
        return {};
    const double span = m_distance.xMax - m_distance.xMin;
    const double distance = m_distance.xMin + span * (point.x() - plot.left()) / std::max(1, plot.width());
    return QString::fromStdString(ReadoutText(*drawing.branch, m_choices, distance));
}

void CKalvexGraphView::ShowReadout(const QString& text)
{
    // The main window's status bar takes the text as a status tip.
    QStatusTipEvent tip(text);
    QCoreApplication::sendEvent(this, &tip);
}

void CKalvexGraphView::mouseMoveEvent(QMouseEvent* event)
{
    ShowReadout(ReadoutAt(event->position().toPoint()));
    QWidget::mouseMoveEvent(event);
}

void CKalvexGraphView::leaveEvent(QEvent* event)
{
    ShowReadout(QString());
    QWidget::leaveEvent(event);
}

QImage CKalvexGraphView::RenderImage(const QSize& size) const
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    Render(painter, image.rect(), false);
    painter.end();
    return image;
}

void CKalvexGraphView::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    Render(painter, rect(), false);
}
