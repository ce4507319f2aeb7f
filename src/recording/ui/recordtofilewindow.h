#pragma once

#include <QDialog>

class QCheckBox;
class QPushButton;

namespace mottler {

class NumericEdit;

/// "Record To File": switches the growth run from recording into memory to recording
/// straight into an AVI file, and names the file. Created once at start-up and kept until
/// the program ends; its choices are not stored anywhere.
class RecordToFileWindow : public QDialog {
    Q_OBJECT
public:
    explicit RecordToFileWindow(QWidget* parent);

    /// True when the run records into the file instead of memory (the main window's
    /// "Record Every" must be on as well).
    bool RecordsToFile() const;
    /// The file a run records into, as typed or browsed.
    QString FileName() const;

    QCheckBox* chkRecordFile = nullptr;
    NumericEdit* txtFile = nullptr;
    QPushButton* btnClose = nullptr;
    QPushButton* btnHelp = nullptr;

private:
    void UpdateCloseButton();
    void btnHelpClick();
};

} // namespace mottler
