#pragma once
// The graph view: results of the document's graph branch plotted against
// distance from the intake. The curve records (line styles, colours and
// computed axes) live in the document; which plots are shown, in colour,
// and which owns the value axis belong to this view.
#include "CommandIds.h"
#include "DocumentObserver.h"
#include "GraphCurves.h"
#include "GraphPainter.h"

#include <QWidget>

#include <memory>

class COpenDocument;
class CKalvexDoc;
class QPrinter;

class CKalvexGraphView : public QWidget, public IDocumentView, public ICommandTarget {
    Q_OBJECT

public:
    // Registers with the document; the destructor unregisters.
    explicit CKalvexGraphView(COpenDocument& document, QWidget* parent = nullptr);
    ~CKalvexGraphView() override;

    // Once, when the view is created: 13 new curves in front of the
    // document's list, the initial plot choices, the first update.
    void InitialUpdate();
    void OnUpdate(IDocumentView* sender, long hint, CUpdateHint* hintObject) override;

    // Document title, " - Graphs", and " - " with the branch name when a
    // graph branch is set; also the window title.
    QString Caption() const;

    bool HandlesCommand(int id) const override;
    bool IsCommandEnabled(int id) const override;
    bool IsCommandChecked(int id) const override;
    bool RunCommand(int id) override;

    COpenDocument& Document() const { return m_document; }
    CKalvexDoc& Doc() const;
    const PlotChoices& Choices() const { return m_choices; }
    const DistanceAxis& Distance() const { return m_distance; }

    // What the view draws: its branch, curves and choices; printing names
    // the file in the branch label and adds the time of printing.
    GraphDrawing Drawing(bool printing) const;
    // Draws the graph into area of any paint device at its resolution.
    // False when there is nothing to draw.
    bool Render(QPainter& painter, const QRect& area, bool printing) const;
    // The distance and the shown curves' values under a point of the
    // window; empty off the curves.
    QString ReadoutAt(const QPoint& point) const;
    // The graph on a white picture of the given size.
    QImage RenderImage(const QSize& size) const;
    // One page inside the document's graph margins, without dialogs. False
    // when the printer could not start or the margins leave no room.
    bool PrintTo(QPrinter& printer) const;
    // The view's own printer, its orientation seeded from the document.
    QPrinter& Printer();

signals:
    void commandStateChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    int GraphBranchIndex() const;
    void Refresh();
    void SetCaption();
    bool SelectBranch();
    bool StepBranch(int step);
    bool Execute();
    bool CopyPicture();
    bool EditPresentation();
    bool EditPageSetup();
    bool RunPrintSetup();
    bool RunPrint();
    bool RunPrintPreview();
    bool RunExport();
    void TakeOrientationFrom(const QPrinter& printer);
    void ShowReadout(const QString& text);

    COpenDocument& m_document;
    PlotChoices m_choices = PlotChoices::Initial();
    DistanceAxis m_distance;
    std::unique_ptr<QPrinter> m_printer;
    bool m_initialised = false;
};
