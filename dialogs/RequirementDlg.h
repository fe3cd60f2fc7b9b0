#pragma once
// "Required Air Quantity" and "Required Cooling": the least intake air, or
// the least spot cooling, that keeps a heat-stress criterion of one branch
// at or below a limit. Find solves on copies of the branch and shows the
// answer; Apply closes the dialog accepted when there is an answer to
// write, which FindRequirement then writes into a copy of the branch.
#include "FieldCheck.h"
#include "RequirementSolver.h"

#include <QDialog>

#include <optional>

class CKalvexDoc;
class CKalvexBranch;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

enum class RequirementKind { Quantity, Cooling };

class CRequirementDlg : public QDialog {
    Q_OBJECT

public:
    CRequirementDlg(RequirementKind kind, const CKalvexDoc& doc, int branchIndex, QWidget* parent = nullptr);

    QComboBox* Criterion() const { return m_criterion; }
    QLineEdit* Limit() const { return m_limit; }
    QRadioButton* AtOutlet() const { return m_outlet; }
    QLineEdit* Location() const { return m_location; }    // cooling only
    QLineEdit* Strongest() const { return m_strongest; }  // cooling only
    QLabel* AnswerText() const { return m_answerText; }
    QPushButton* ApplyButton() const { return m_apply; }

    // Reads the fields (a refused one keeps the focus, with a message) and
    // solves; true when an answer is shown.
    bool Find();
    const CRequirementQuery& Query() const { return m_query; }
    // The answer shown, cleared by any change of the fields.
    const std::optional<CRequirementAnswer>& Answer() const { return m_answer; }

    // The rules of the fields: limit in °C, location on the branch, the
    // strongest cooling searched.
    // °C for the temperatures; whole W/m² within the model's bounds for the
    // thermal work limit.
    static FieldRule LimitRule(SolveCriterion criterion)
    {
        return CriterionIsFloor(criterion) ? RealField(60, 380, 0) : RealField(-50, 100, 2);
    }
    static FieldRule LocationRule(long long branchLength) { return IntegerField(0, static_cast<double>(branchLength - 1)); }
    static FieldRule StrongestRule() { return RealField(-10000, -0.01, 2); }

private:
    void CriterionChanged();
    void ClearAnswer();
    bool ReadFields();
    void ShowAnswer();

    RequirementKind m_kind;
    const CKalvexDoc& m_doc;
    long long m_branchLength = 0;
    CRequirementQuery m_query;
    std::optional<CRequirementAnswer> m_answer;
    QComboBox* m_criterion = nullptr;
    QLineEdit* m_limit = nullptr;
    QLabel* m_limitUnit = nullptr;
    QRadioButton* m_along = nullptr;
    QRadioButton* m_outlet = nullptr;
    QLineEdit* m_location = nullptr;
    QLineEdit* m_strongest = nullptr;
    QLabel* m_answerText = nullptr;
    QPushButton* m_apply = nullptr;
};

// Runs the dialog for the branch; after Apply writes the answer (the
// quantity, or a spot cooler at the end of the heat source list) into
// applied, a copy of the branch's inputs, and returns true. The caller
// stores it as one undo step and then executes.
bool FindRequirement(RequirementKind kind, QWidget* parent, CKalvexDoc& doc, const CKalvexBranch& branch,
                     CKalvexBranch& applied);
