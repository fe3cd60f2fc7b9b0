#pragma once
// A graph view of a document, offscreen, with scripted answers to every
// modal dialog (a dialog with no answer left fails the test).
#include "GraphView.h"
#include "OpenDocument.h"
#include "ScriptedDialogs.h"

#include <QDialog>
#include <QStringList>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

class GraphFixture : public ::testing::Test {
public:
    using Answer = CScriptedDialogs::Answer;

protected:
    void SetUp() override;
    void TearDown() override;

    void Expect(Answer answer) { script.Expect(std::move(answer)); }
    static Answer Button(int button) { return CScriptedDialogs::Button(button); }
    static Answer File(const QString& path) { return CScriptedDialogs::File(path); }

    // The view on the document as it stands, initialised and shown.
    void MakeView();
    // An example document loaded into the open document.
    void LoadExample(const char* name);
    // A branch whose value rows run from the intake in equal steps, with the
    // given dry bulbs (wet bulb 5 °C lower), and a message row at the end.
    CKalvexBranch& AddBranchWithResults(double step, std::initializer_list<double> dryBulbs);
    CKalvexDoc& Doc() { return open.doc; }

    static QString OutputPath(const QString& name);
    // The texts of an SVG drawing, trimmed, in drawing order.
    static QStringList SvgTexts(const QByteArray& svg);
    // Pixels close to a colour in the picture.
    static int CountPixels(const QImage& image, QColor colour, int tolerance = 40);

    CScriptedDialogs script;
    QStringList& dialogs = script.seen;  // title, then " | " and the text of each message box
    COpenDocument open;
    std::unique_ptr<CKalvexGraphView> view;
};
