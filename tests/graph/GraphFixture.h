#pragma once
// A graph view of a document, offscreen, with scripted answers to every
// modal dialog (a dialog with no answer left fails the test).
#include "GraphView.h"
#include "OpenDocument.h"

#include <QDialog>
#include <QStringList>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>

class GraphFixture : public ::testing::Test {
public:
    using Answer = std::function<int(QDialog&)>;

protected:
    void SetUp() override;
    void TearDown() override;

    void Expect(Answer answer) { answers.push_back(std::move(answer)); }
    static Answer Button(int button);
    // Answers a file dialog with a path.
    static Answer File(const QString& path);

    // The view on the document as it stands, initialised and shown.
    void MakeView();
    // An example document loaded into the open document.
    void LoadExample(const char* name);
    // A branch whose value rows run from the intake in equal steps, with the
    // given dry bulbs (wet bulb 5 °C lower), and a message row at the end.
    CKalvexBranch& AddBranchWithResults(double step, std::initializer_list<double> dryBulbs);
    CKalvexDoc& Doc() { return open.doc; }

    static QString OutputPath(const QString& name);
    // Text of a PDF by pdftotext.
    static QString PdfText(const QString& path);
    // Pixels close to a colour in the picture.
    static int CountPixels(const QImage& image, QColor colour, int tolerance = 40);

    COpenDocument open;
    std::unique_ptr<CKalvexGraphView> view;
    std::deque<Answer> answers;
    QStringList dialogs;  // title, then " | " and the text of each message box
};
