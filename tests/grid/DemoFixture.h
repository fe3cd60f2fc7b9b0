#pragma once
// Sample data for the demo table and a fixture that shows one demo table.
#include "DemoTable.h"
#include "GridParam.h"
#include "GridTestSupport.h"

#include <gtest/gtest.h>

#include <memory>

// n measuring points "P1" ... with heat 10, 20, ... and notes "n1" ...
CDemoData MakeDemoData(int n);

class DemoTableTest : public ::testing::Test {
protected:
    void SetUp() override;
    void Open(int rows);

    CDemoData data;
    std::unique_ptr<CGXGridParam> param;
    std::unique_ptr<CDemoTable> table;
    std::unique_ptr<FeedbackCatcher> feedback;
};
