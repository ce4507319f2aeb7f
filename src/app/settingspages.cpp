#include "app/settingspages.h"

#include "widgets/ui/colourdropdown.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>

namespace mottler {
namespace {

template <typename W> W* Place(QWidget* page, const char* name, QRect geometry) {
    auto* widget = new W(page);
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    return widget;
}

void Label(QWidget* page, const QString& text, QWidget* buddy, int x, int y) {
    auto* label = new QLabel(text, page);
    label->move(x, y);
    label->setBuddy(buddy);
}

ColourDropDown* ColourBox(QWidget* page, const char* name, const QString& label, int y) {
    auto* box = Place<ColourDropDown>(page, name, QRect(110, y, 113, 27));
    box->SetWarnings(false);
    Label(page, label, box->Entry(), 8, y + 6);
    return box;
}

} // namespace

TextPage BuildTextPage(QWidget* parent) {
    TextPage p;
    p.tbText = new QWidget(parent);
    p.tbText->setObjectName("tbText");
    p.cmbFonts = Place<QComboBox>(p.tbText, "cmbFonts", QRect(110, 12, 200, 22));
    p.cmbFonts->addItems(QFontDatabase::families());
    p.cmbFonts->setCurrentIndex(-1);
    Label(p.tbText, "Preview Font", p.cmbFonts, 8, 15);
    p.scpText = ColourBox(p.tbText, "scpText", "Text", 48);
    p.scpLink = ColourBox(p.tbText, "scpLink", "Link", 82);
    p.scpVisitedLink = ColourBox(p.tbText, "scpVisitedLink", "Visited Link", 116);
    p.scpActive = ColourBox(p.tbText, "scpActive", "Active Link", 150);
    p.chkUseNewFilename = Place<QCheckBox>(p.tbText, "chkUseNewFilename", QRect(8, 190, 300, 22));
    p.chkUseNewFilename->setText("Use a new filename for each preview");
    p.chkUseNewFilename->setToolTip("New filenames will give instant refresh on a preview, but a "
                                    "new browser window may be created for each preview");
    return p;
}

} // namespace mottler
