#include "DemoFixture.h"

#include <string>

CDemoData MakeDemoData(int n)
{
    CDemoData data;
    for (int i = 1; i <= n; ++i) {
        CDemoRecord record;
        // Appended, not added: GCC 12 at -O3 sees a false overlap in "P" + ...
        record.name = std::string("P").append(std::to_string(i));
        record.heat = 10.0 * i;
        record.note = std::string("n").append(std::to_string(i));
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
