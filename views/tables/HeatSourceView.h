#pragma once
// The heat source summary table: per branch the heat its sources and its
// fan add, read only but for the name.
#include "KalvexTableView.h"

class CHeatSourceView : public CKalvexTableView {
    Q_OBJECT

public:
    explicit CHeatSourceView(COpenDocument& document, QWidget* parent = nullptr)
        : CKalvexTableView(document, kHeatSourceTable, parent)
    {
    }
};
