#include "DemoFixture.h"

#include <string>

CDemoData MakeDemoData(int n)
{
    CDemoData data;
    for (int i = 1; i <= n; ++i) {
        CDemoRecord record;
        record.name = "P" + std::to_string(i);
        record.heat = 10.0 * i;
        record.note = "n" + std::to_string(i);
        data.records.push_back(record);
    }
    return data;
}

void DemoTableTest::SetUp()
{
    feedback = std::make_unique<FeedbackCatcher>();
    Open(5);
}

void DemoTableTest::Open(int rows)
{
    table.reset();
    data = MakeDemoData(rows);
    param = CGXGridView::CreateParam();
    table = std::make_unique<CDemoTable>(data, param.get());
    table->InitialUpdate(true);
    ShowGrid(*table);
}
