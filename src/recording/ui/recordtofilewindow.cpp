#include "recording/ui/recordtofilewindow.h"

#include "help/ui/showhelp.h"
#include "widgets/ui/numericedit.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace mottler {
namespace {

NumericEdit* FileBox(QWidget* parent) {
    auto* box = new NumericEdit(parent);
    box->setObjectName("txtFile");
    box->SetFileBrowser(true);
    box->SetFileGlyph(BrowseGlyph::sgSave);
    box->SetFileFilter("*.avi|*.avi");
    box->SetFileDefaultExt("avi");
    box->SetFileBrowserStartFolderKey("\\Software\\Quorvex\\Mottler");
    box->SetFileBrowserStartFolderName("AVI Path");
    return box;
}

} // namespace

RecordToFileWindow::RecordToFileWindow(QWidget* parent, const RecordSettings& options)
    : QDialog(parent), given(options) {
    setObjectName("frmRecordToFile");
    setWindowTitle(tr("Record To File"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(tr("This option allows to create AVI recordings of texture growth "
                                "without first recording it to memory.  This is useful if the "
                                "recording is to be very long, or the texture is very large."),
                             this);
    intro->setObjectName("Label2");
    intro->setWordWrap(true);
    layout->addWidget(intro);

    auto* group = new QGroupBox(this);
    group->setObjectName("GroupBox1");
    auto* inGroup = new QVBoxLayout(group);
    chkRecordFile = new QCheckBox(tr("Record Directly to AVI File"), group);
    chkRecordFile->setObjectName("chkRecordFile");
    inGroup->addWidget(chkRecordFile);
    auto* fileRow = new QHBoxLayout;
    auto* fileLabel = new QLabel(tr("File"), group);
    fileLabel->setObjectName("Label1");
    txtFile = FileBox(group);
    fileLabel->setBuddy(txtFile);
    fileRow->addWidget(fileLabel);
    fileRow->addWidget(txtFile, 1);
    fileRow->addSpacing(28); // room for the browse button, placed right of the box
    inGroup->addLayout(fileRow);
    layout->addWidget(group);

    auto* buttons = new QHBoxLayout;
    btnClose = new QPushButton(tr("Close"), this);
    btnClose->setObjectName("btnClose");
    btnClose->setDefault(true);
    btnHelp = new QPushButton(tr("&Help"), this);
    btnHelp->setObjectName("btnHelp");
    buttons->addStretch();
    buttons->addWidget(btnClose);
    buttons->addWidget(btnHelp);
    layout->addLayout(buttons);
    setFixedSize(QSize(294, 179).expandedTo(sizeHint()));

    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnHelp, &QPushButton::clicked, this, [this] { btnHelpClick(); });
    InstallHelpKey(this, HelpContext::RecordToFile);
    connect(chkRecordFile, &QCheckBox::toggled, this, [this] { UpdateCloseButton(); });
    connect(txtFile, &QLineEdit::textChanged, this, [this] { UpdateCloseButton(); });
    chkRecordFile->setChecked(options.ToFile);
    txtFile->setText(options.FileName);
}

RecordSettings RecordToFileWindow::Options() const {
    RecordSettings options = given;
    options.ToFile = chkRecordFile->isChecked();
    options.FileName = txtFile->text();
    return options;
}

// A file must be named before the window closes on the option; the title-bar close box and
// Escape are not held to this.
void RecordToFileWindow::UpdateCloseButton() {
    btnClose->setEnabled(!chkRecordFile->isChecked() || !txtFile->text().isEmpty());
}

void RecordToFileWindow::btnHelpClick() {
    ShowHelpTopic(HelpContext::RecordToFile);
}

} // namespace mottler
