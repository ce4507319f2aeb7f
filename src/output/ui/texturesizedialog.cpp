#include "output/ui/texturesizedialog.h"

#include "help/ui/showhelp.h"
#include "output/texturesize.h"
#include "widgets/ui/numericedit.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace mottler {
namespace {

NumericEdit* SideBox(const char* name, int side, QWidget* parent) {
    auto* box = new NumericEdit(parent);
    box->setObjectName(name);
    box->SetNumericOnly(true);
    box->SetMin(MinTextureSide);
    box->setText(QString::number(side));
    box->setMaximumWidth(box->fontMetrics().horizontalAdvance("0000000") + 12);
    return box;
}

} // namespace

TextureSizeDialog::TextureSizeDialog(QWidget* parent, int width, int height, bool preserveSize)
    : QDialog(parent) {
    setObjectName("frmSize");
    setWindowTitle(tr("Texture Size"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    auto* layout = new QVBoxLayout(this);
    auto* note =
        new QLabel(tr("The way these textures are \"grown\" means you cannot use this form "
                      "to see the same texture at a higher resolution.  Changing the "
                      "height or width will result in a different texture."),
                   this);
    note->setObjectName("Label4");
    note->setWordWrap(true);
    note->setMinimumWidth(fontMetrics().averageCharWidth() * 40);
    layout->addWidget(note);
    layout->addWidget(BuildSizeGroup(width, height));
    chkSameSize = new QCheckBox(tr("Preserve this &texture size when loading presets"), this);
    chkSameSize->setObjectName("chkSameSize");
    chkSameSize->setChecked(preserveSize);
    layout->addWidget(chkSameSize);

    auto* buttons = new QHBoxLayout;
    btnOK = new QPushButton(tr("&OK"), this);
    btnOK->setObjectName("btnOK");
    btnOK->setDefault(true);
    btnCancel = new QPushButton(tr("&Cancel"), this);
    btnCancel->setObjectName("btnCancel");
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    InstallHelpKey(this, HelpContext::TextureSize);
}

QWidget* TextureSizeDialog::BuildSizeGroup(int width, int height) {
    auto* group = new QGroupBox(tr("Size"), this);
    group->setObjectName("GroupBox1");
    auto* row = new QHBoxLayout(group);
    txtWidth = SideBox("txtWidth", width, group);
    txtHeight = SideBox("txtHeight", height, group);
    auto* widthLabel = new QLabel(tr("Width"), group);
    widthLabel->setBuddy(txtWidth);
    auto* heightLabel = new QLabel(tr("Height"), group);
    heightLabel->setBuddy(txtHeight);
    auto* times = new QLabel(tr("X"), group);
    times->setObjectName("Label3");
    row->addWidget(widthLabel);
    row->addWidget(txtWidth);
    row->addWidget(times);
    row->addWidget(heightLabel);
    row->addWidget(txtHeight);
    row->addStretch();
    return group;
}

int TextureSizeDialog::ChosenWidth() const {
    return txtWidth->IntValue();
}

int TextureSizeDialog::ChosenHeight() const {
    return txtHeight->IntValue();
}

bool TextureSizeDialog::PreserveSize() const {
    return chkSameSize->isChecked();
}

// A side below 2 is refused here, with the boxes still open for a correction.
void TextureSizeDialog::accept() {
    if (ChosenWidth() < MinTextureSide || ChosenHeight() < MinTextureSide) {
        QMessageBox::warning(
            this, QStringLiteral("Mottler"),
            QCoreApplication::translate("mottler::TextureSize", TextureTooSmallMessage));
        return;
    }
    QDialog::accept();
}

void TextureSizeDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    txtWidth->setFocus();
    txtWidth->selectAll();
}

} // namespace mottler
