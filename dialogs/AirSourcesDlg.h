#pragma once
// "Inlet Air Sources": which earlier branches feed their outlet air into a
// branch, and the additional air. Two lists of "<position> - <name>" items
// with their branch ids; Add and Remove (or a double click) move an item
// to the end of the other list.
#include "FieldCheck.h"

#include <QDialog>

#include <cstdint>
#include <string>
#include <vector>

class CKalvexDoc;
class CKalvexBranch;
class QLineEdit;
class QListWidget;
class QPushButton;

// Texts with their branch ids, in list order.
struct BranchItems {
    std::vector<std::string> texts;
    std::vector<std::uint16_t> ids;

    // Moves entry `index` to the end of `to`; false when there is none.
    bool MoveTo(int index, BranchItems& to);
};

enum AddedAirField { kAddedQuantityField = 0, kAddedDryBulbField, kAddedWetBulbField };

struct AirSourceValues {
    BranchItems available;
    BranchItems selected;
    double quantity = 0.0;
    double dryBulb = 0.0;
    double wetBulb = 0.0;
};

// Drops the branch's stale source ids (stored in the branch), then sorts
// the branches before it into selected and available, in document order.
AirSourceValues ReadAirSources(const CKalvexDoc& doc, CKalvexBranch& branch);
// The selected ids in list order, and the additional air through the
// branch's column setters.
void WriteAirSources(const AirSourceValues& values, CKalvexBranch& branch);

FieldRule AddedAirRule(AddedAirField field);
std::vector<std::string> AddedAirTexts(const AirSourceValues& values);
// Reads the texts (control order: quantity, dry bulb, wet bulb) in the
// order dry bulb, quantity, wet bulb, then the wet bulb against the dry
// bulb. On success the three numbers are stored into values.
FieldFailure CheckAddedAir(const std::vector<std::string>& texts, AirSourceValues& values);

inline constexpr const char* kAddedWetBulbMessage = "Wet bulb temperature must be less than dry bulb temperature.";

class CAirSourcesDlg : public QDialog {
    Q_OBJECT

public:
    CAirSourcesDlg(AirSourceValues values, QWidget* parent = nullptr);

    const AirSourceValues& Values() const { return m_values; }
    QListWidget* AvailableList() const { return m_available; }
    QListWidget* SelectedList() const { return m_selected; }
    QPushButton* AddButton() const { return m_add; }
    QPushButton* RemoveButton() const { return m_remove; }
    QLineEdit* Field(AddedAirField field) const { return m_fields[static_cast<std::size_t>(field)]; }
    QPushButton* OkButton() const { return m_ok; }

    void accept() override;

private:
    void OnAdd();
    void OnRemove();
    void ShowLists();

    AirSourceValues m_values;
    QListWidget* m_available;
    QListWidget* m_selected;
    QPushButton* m_add;
    QPushButton* m_remove;
    std::vector<QLineEdit*> m_fields;
    QPushButton* m_ok = nullptr;
};
