#pragma once

#include "recording/recordsettings.h"

#include <QDialog>

class QCheckBox;
class QPushButton;

namespace mottler {

class NumericEdit;

/// "Record To File": switches the growth run from recording into memory to recording
/// straight into an AVI file, and names the file. It edits a copy of the recording options;
/// the caller takes Options() however the window was closed.
class RecordToFileWindow : public QDialog {
    Q_OBJECT
public:
    explicit RecordToFileWindow(QWidget* parent, const RecordSettings& options = {});

    /// The options given, with the switch and the file as the window holds them.
    RecordSettings Options() const;

    QCheckBox* chkRecordFile = nullptr;
    NumericEdit* txtFile = nullptr;
    QPushButton* btnClose = nullptr;
    QPushButton* btnHelp = nullptr;

private:
    RecordSettings given;
    void UpdateCloseButton();
    void btnHelpClick();
};

} // namespace mottler
