#pragma once
// "Page Setup" of the printed graph: the four margins in inches (stored in
// hundredths of an inch) and the orientation, both document data.
#include <QDialog>

#include <cstdint>

class CKalvexDoc;
class QLineEdit;
class QRadioButton;

struct GraphPageSettings {
    int left = 100;
    int top = 100;
    int right = 100;
    int bottom = 100;
    std::uint8_t orientation = 2;  // 1 portrait, 2 landscape
};

class CGraphPageSetup : public QDialog {
    Q_OBJECT

public:
    CGraphPageSetup(const GraphPageSettings& settings, QWidget* parent = nullptr);

    // The margins read from the texts and the chosen orientation.
    GraphPageSettings Result() const;

    QLineEdit* LeftEdit() const { return m_left; }
    QLineEdit* RightEdit() const { return m_right; }
    QLineEdit* TopEdit() const { return m_top; }
    QLineEdit* BottomEdit() const { return m_bottom; }
    QRadioButton* PortraitButton() const { return m_portrait; }
    QRadioButton* LandscapeButton() const { return m_landscape; }

    // "1.00 in" for 100; the number a text starts with, in hundredths,
    // rounded, 0 when it starts with none, kept to +-100000.
    static QString MarginText(int hundredths);
    static int MarginFromText(const QString& text);

private:
    void ShowHelp();

    QLineEdit* m_left;
    QLineEdit* m_right;
    QLineEdit* m_top;
    QLineEdit* m_bottom;
    QRadioButton* m_portrait;
    QRadioButton* m_landscape;
};

GraphPageSettings GraphPageSettingsOf(const CKalvexDoc& doc);
// Runs the dialog through the modal seam; on OK stores the settings in the
// document, marks it modified and returns true.
bool RunGraphPageSetup(QWidget* parent, CKalvexDoc& doc);
