// CKalvexGraphView: binding to the document, updates, caption and drawing.
#include "GraphView.h"

#include "GXGridHint.h"
#include "GraphPainter.h"
#include "OpenDocument.h"

#include <QDateTime>
#include <QImage>
#include <QLocale>
#include <QPaintEvent>
#include <QPainter>
#include <QPrinter>

CKalvexGraphView::CKalvexGraphView(COpenDocument& document, QWidget* parent) : QWidget(parent), m_document(document)
{
    Doc().AddView(this);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);
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
    ComputeGraphAxes(Doc(), m_distance);
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

bool CKalvexGraphView::Render(QPainter& painter, const QRect& area, bool printing) const
{
    GraphDrawing drawing;
    drawing.branch = GraphBranch(Doc());
    if (!drawing.branch)
        return false;
    for (int i = 0; i < kPlotCount; ++i)
        drawing.curves[static_cast<std::size_t>(i)] = PlotCurve(Doc(), i);
    drawing.distance = m_distance;
    drawing.choices = m_choices;
    drawing.branchLabel = QString::fromStdString(drawing.branch->name);
    if (printing) {
        const std::string& file = Doc().PathName().empty() ? Doc().Title() : Doc().PathName();
        drawing.branchLabel.prepend(QString::fromStdString(file) + QStringLiteral(" - "));
        drawing.printedLine = QStringLiteral("Printed: ") +
                              QLocale::system().toString(QDateTime::currentDateTime(), QLocale::LongFormat);
    }
    QPaintDevice* device = painter.device();
    return DrawGraph(painter, area, device->logicalDpiX(), device->logicalDpiY(), drawing);
}

QImage CKalvexGraphView::RenderImage(const QSize& size) const
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    Render(painter, image.rect(), false);
    return image;
}

void CKalvexGraphView::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    Render(painter, rect(), false);
}
