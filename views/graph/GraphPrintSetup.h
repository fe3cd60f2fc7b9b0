#pragma once
// "Print Setup" of the graph: the printer, or a PDF file, the graph is
// printed to, the paper and the orientation. The margins are the document's
// and are set in the graph's Page Setup only.
#include <QDialog>

class QComboBox;
class QLineEdit;
class QPrinter;
class QPushButton;
class QRadioButton;

class CGraphPrintSetupDlg : public QDialog {
    Q_OBJECT

public:
    // The choices as the printer has them.
    explicit CGraphPrintSetupDlg(const QPrinter& printer, QWidget* parent = nullptr);

    // Puts the chosen printer or file, paper and orientation into printer.
    void ApplyTo(QPrinter& printer) const;

    QComboBox* PrinterList() const { return m_printers; }
    QLineEdit* FileEdit() const { return m_file; }
    QPushButton* BrowseButton() const { return m_browse; }
    QComboBox* PaperList() const { return m_paper; }
    QRadioButton* PortraitButton() const { return m_portrait; }
    QRadioButton* LandscapeButton() const { return m_landscape; }

    // The entry of the printer list that prints to a PDF file.
    static QString PdfEntry();

    void accept() override;

private:
    bool PdfChosen() const;
    void Browse();
    void ShowChoice();

    QComboBox* m_printers;
    QLineEdit* m_file;
    QPushButton* m_browse;
    QComboBox* m_paper;
    QRadioButton* m_portrait;
    QRadioButton* m_landscape;
};
