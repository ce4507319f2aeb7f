#include "preview/ui/previewsettingspage.h"

#include "base/errors.h"
#include "document/texturedocument.h"
#include "palette/colourtext.h"
#include "picker/ui/colourdropdown.h"
#include "preview/colourcodes.h"
#include "preview/fontnames.h"
#include "preview/textcontrast.h"
#include "widgets/ui/layoutparts.h"
#include "widgets/ui/numericedit.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace mottler {
namespace {

/// A texture change during a run or a drag of the pointers comes in bursts; the background is
/// measured once the burst is over.
constexpr int ReadabilityDelayMs = 200;

/// How wide the page's wrapped texts are at least, in characters.
constexpr int WrappedTextCharacters = 50;

QLabel* WrappedLabel(QWidget* page, const char* name, const QString& text) {
    auto* label = new QLabel(text, page);
    label->setObjectName(name);
    label->setWordWrap(true);
    ReserveWrappedHeight(label, WrappedTextCharacters);
    return label;
}

NumericEdit* TestPageBox(QWidget* page) {
    auto* box = new NumericEdit(page);
    box->setObjectName("txtTestPage");
    box->SetFileBrowser(true);
    box->SetFileGlyph(BrowseGlyph::sgOpen);
    // "*" rather than "*.*": on Linux many files have no extension at all.
    box->SetFileFilter(PreviewSettingsPage::tr("HTML Pages|*.htm;*.html|All Files|*"));
    box->SetFileDefaultExt("htm");
    box->SetFileBrowserStartFolderKey("\\Software\\Quorvex\\Mottler");
    box->SetFileBrowserStartFolderName("Preview Page");
    return box;
}

QComboBox* FontList(QWidget* page) {
    auto* list = new QComboBox(page);
    list->setObjectName("cmbFonts");
    list->addItems(PlainFontFamilies(QFontDatabase::families()));
    list->setCurrentIndex(-1);
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(18);
    return list;
}

/// One colour row of the grid: caption and picker, and the readability line beneath.
ColourDropDown* ColourRow(QGridLayout* grid, const char* name, const QString& caption,
                          QLabel* readability) {
    QWidget* page = grid->parentWidget();
    auto* picker = new ColourDropDown(page);
    picker->setObjectName(name);
    picker->SetWarnings(false);
    auto* label = new QLabel(caption, page);
    label->setBuddy(picker->Entry());
    picker->SetAccessibleName(caption);
    readability->setWordWrap(true);
    readability->setToolTip(
        PreviewSettingsPage::tr("How well text of this colour stands out from the background "
                                "(WCAG contrast; normal text needs 4.5:1 for AA and 7:1 for AAA)"));
    const int row = grid->rowCount();
    grid->addWidget(label, row, 0);
    grid->addWidget(picker, row, 1, Qt::AlignLeft);
    grid->addWidget(readability, row + 1, 1);
    return picker;
}

// One figure a line: wrapped at the label's width instead, the text could leave a lone word
// ("pixel") on a line of its own.
QString ReadabilityLines(const TextReadability& readability) {
    return ReadabilityText(readability).replace(QStringLiteral(", "), QStringLiteral(",\n"));
}

QLabel* ReadabilityLabel(QWidget* page, const char* name) {
    auto* label = new QLabel(page);
    label->setObjectName(name);
    // A readability text wraps into two lines, each no wider than its worst-pixel half at the
    // widest figures of each verdict.
    const QFontMetrics metrics = label->fontMetrics();
    int width = 0;
    for (const double ratio : {4.49, 6.99, 21.0}) {
        const QString text = ReadabilityText({ratio, ratio});
        width = std::max(width,
                         metrics.horizontalAdvance(text.section(QStringLiteral(", "), 1) + u' '));
    }
    label->setMinimumSize(width, 2 * metrics.lineSpacing());
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

void AddSettingsGrid(PreviewSettingsPage& p, QVBoxLayout* layout) {
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    QWidget* page = &p;
    p.txtTestPage = TestPageBox(page);
    auto* pageRow = new QHBoxLayout;
    pageRow->addWidget(p.txtTestPage, 1);
    pageRow->addSpacing(28); // room for the browse button, placed right of the box
    auto* pageLabel = new QLabel(PreviewSettingsPage::tr("Preview Page (optional)"), page);
    pageLabel->setBuddy(p.txtTestPage);
    grid->addWidget(pageLabel, 0, 0);
    grid->addLayout(pageRow, 0, 1);
    p.cmbFonts = FontList(page);
    auto* fontLabel = new QLabel(PreviewSettingsPage::tr("Preview Font"), page);
    fontLabel->setBuddy(p.cmbFonts);
    grid->addWidget(fontLabel, 1, 0);
    grid->addWidget(p.cmbFonts, 1, 1);
    p.lblTextReadability = ReadabilityLabel(page, "lblTextReadability");
    p.lblLinkReadability = ReadabilityLabel(page, "lblLinkReadability");
    p.lblVisitedLinkReadability = ReadabilityLabel(page, "lblVisitedLinkReadability");
    p.lblActiveReadability = ReadabilityLabel(page, "lblActiveReadability");
    p.scpText = ColourRow(grid, "scpText", PreviewSettingsPage::tr("Text"), p.lblTextReadability);
    p.scpLink = ColourRow(grid, "scpLink", PreviewSettingsPage::tr("Link"), p.lblLinkReadability);
    p.scpVisitedLink = ColourRow(grid, "scpVisitedLink", PreviewSettingsPage::tr("Visited Link"),
                                 p.lblVisitedLinkReadability);
    p.scpActive = ColourRow(grid, "scpActive", PreviewSettingsPage::tr("Active Link"),
                            p.lblActiveReadability);
    grid->setColumnStretch(1, 1);
}

QHBoxLayout* CopyButtons(PreviewSettingsPage& p) {
    p.btnCopyToClipboard = new QPushButton(PreviewSettingsPage::tr("Copy To Clipboard"), &p);
    p.btnCopyToClipboard->setObjectName("btnCopyToClipboard");
    p.btnCopyToClipboard->setToolTip(
        PreviewSettingsPage::tr("Copy the color codes, ready to paste into the BODY tag "
                                "of your HTML document"));
    p.btnCopyAsCss = new QPushButton(PreviewSettingsPage::tr("Copy as CSS"), &p);
    p.btnCopyAsCss->setObjectName("btnCopyAsCss");
    p.btnCopyAsCss->setToolTip(
        PreviewSettingsPage::tr("Copy the colors and the background as a style sheet"));
    auto* row = new QHBoxLayout;
    row->addWidget(p.btnCopyToClipboard);
    row->addWidget(p.btnCopyAsCss);
    row->addStretch();
    return row;
}

} // namespace

std::array<ColourDropDown*, 4> PreviewSettingsPage::Pickers() const {
    return {scpText, scpLink, scpVisitedLink, scpActive};
}

std::array<QLabel*, 4> PreviewSettingsPage::ReadabilityLabels() const {
    return {lblTextReadability, lblLinkReadability, lblVisitedLinkReadability,
            lblActiveReadability};
}

PreviewColours PreviewSettingsPage::Colours() const {
    // A box can keep its colour-set flag while its text no longer gives a colour (an invalid
    // R,G,B text after a code); it then has no colour to write.
    const auto colourOf = [](const ColourDropDown* picker) -> std::optional<PackedColour> {
        if (!picker->IsColourSet() || picker->HtmlCode().isEmpty())
            return std::nullopt;
        return picker->Colour();
    };
    return {colourOf(scpText), colourOf(scpLink), colourOf(scpVisitedLink), colourOf(scpActive)};
}

QString PreviewSettingsPage::FontName() const {
    return cmbFonts->currentIndex() < 0 ? QString() : cmbFonts->currentText();
}

PreviewSettings PreviewSettingsPage::Settings() const {
    return {Colours(), txtTestPage->text(), FontName(), chkUseNewFilename->isChecked()};
}

PreviewSettingsPage::PreviewSettingsPage(QWidget* parent) : QWidget(parent) {
    PreviewSettingsPage& p = *this;
    setObjectName("tbText");
    auto* layout = new QVBoxLayout(this);
    p.Label13 = WrappedLabel(&p, "Label13",
                             tr("This section allows you to compare the colors of HTML text "
                                "against your Mottler background. "));
    p.Label1 = WrappedLabel(&p, "Label1",
                            tr("The \"Preview in Browser\" button will display a sample page in "
                               "your browser and Copy to Clipboard will copy the relevant color "
                               "codes ready to paste into your HTML document."));
    layout->addWidget(p.Label13);
    layout->addWidget(p.Label1);
    AddSettingsGrid(p, layout);
    p.chkUseNewFilename = new QCheckBox(tr("Use a new filename for each preview"), &p);
    p.chkUseNewFilename->setObjectName("chkUseNewFilename");
    p.chkUseNewFilename->setToolTip(
        tr("New filenames will give instant refresh on a preview, but a "
           "new browser window may be created for each preview"));
    layout->addWidget(p.chkUseNewFilename);
    layout->addLayout(CopyButtons(p));
    layout->addStretch();
}

void PreviewSettingsPage::Bind(TextureDocument& document) {
    doc = &document;
    readabilityTimer = new QTimer(this);
    readabilityTimer->setSingleShot(true);
    readabilityTimer->setInterval(ReadabilityDelayMs);
    connect(readabilityTimer, &QTimer::timeout, this, [this] { UpdateReadability(); });
    for (auto signal : {&TextureDocument::TextureRendered, &TextureDocument::TextureSeeded,
                        &TextureDocument::GradientChanged, &TextureDocument::FadingBorderChanged})
        connect(doc, signal, this, [this] { BackgroundChanged(); });
    connect(doc, &TextureDocument::ImageTabChanged, this, [this] { BackgroundChanged(); });
    connect(btnCopyToClipboard, &QPushButton::clicked, this, [this] { btnCopyToClipboardClick(); });
    connect(btnCopyAsCss, &QPushButton::clicked, this, [this] { btnCopyAsCssClick(); });
    for (ColourDropDown* picker : Pickers())
        connect(picker, &ColourDropDown::Changed, this, [this, picker] { scpTextChange(picker); });
    connect(cmbFonts, &QComboBox::currentIndexChanged, this, [this] { Edited(); });
    connect(txtTestPage, &QLineEdit::textChanged, this, [this] { Edited(); });
    connect(chkUseNewFilename, &QCheckBox::toggled, this, [this] { Edited(); });
    connect(doc, &TextureDocument::PreviewSettingsChanged, this, [this] {
        ShowSettings();
        UpdateReadability();
    });
    ShowSettings();
}

void PreviewSettingsPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    UpdateReadability();
}

void PreviewSettingsPage::BackgroundChanged() {
    backgroundContrast.reset();
    if (isVisible())
        readabilityTimer->start();
}

// The background (the image of the tab shown last) is measured once per change; each colour
// then costs one look-up.
void PreviewSettingsPage::UpdateReadability() {
    if (doc == nullptr || !isVisible())
        return;
    if (!backgroundContrast) {
        try {
            backgroundContrast.emplace(doc->CurrentImage());
        } catch (const MottlerError&) {
            // No background to measure yet (or its image cannot be made): no figures.
        }
    }
    const PreviewColours& colours = doc->Preview().Colours;
    const std::array<std::optional<PackedColour>, 4> set = {
        colours.Text, colours.Link, colours.VisitedLink, colours.ActiveLink};
    const auto labels = ReadabilityLabels();
    for (std::size_t i = 0; i < labels.size(); ++i)
        labels[i]->setText(set[i] && backgroundContrast
                               ? ReadabilityLines(backgroundContrast->Readability(*set[i]))
                               : QString());
}

void PreviewSettingsPage::btnCopyToClipboardClick() {
    QGuiApplication::clipboard()->setText(ColourCodesText(doc->Preview().Colours));
}

void PreviewSettingsPage::btnCopyAsCssClick() {
    QGuiApplication::clipboard()->setText(ColourCodesCss(doc->Preview().Colours));
}

void PreviewSettingsPage::FillEmptyPickers() {
    showing = true;
    const auto pickers = Pickers();
    for (std::size_t i = 0; i < pickers.size(); ++i)
        if (pickers[i]->Text().isEmpty())
            pickers[i]->SetText(ColourToHex(DefaultPreviewColours[i]));
    showing = false;
    Edited();
}

// On the shown page, a colour set in one picker refills the others that were emptied with
// their defaults; the picker being emptied itself stays empty while the user types.
void PreviewSettingsPage::scpTextChange(const ColourDropDown* changed) {
    if (showing)
        return;
    if (!changed->HtmlCode().isEmpty() && isVisible())
        FillEmptyPickers();
    else
        Edited();
}

void PreviewSettingsPage::Edited() {
    if (!showing && doc != nullptr)
        doc->SetPreview(Settings());
}

// The pickers take the document's colours; a picker whose text gives no colour keeps its
// text while the document has none for it either.
void PreviewSettingsPage::ShowSettings() {
    showing = true;
    const PreviewSettings& settings = doc->Preview();
    const PreviewColours& c = settings.Colours;
    const std::array<std::optional<PackedColour>, 4> colours = {c.Text, c.Link, c.VisitedLink,
                                                                c.ActiveLink};
    const auto pickers = Pickers();
    for (std::size_t i = 0; i < pickers.size(); ++i) {
        const QString code = pickers[i]->HtmlCode();
        if (colours[i] && code != ColourToHex(*colours[i]))
            pickers[i]->SetColour(*colours[i]);
        else if (!colours[i] && !code.isEmpty())
            pickers[i]->SetText(QString());
    }
    if (txtTestPage->text() != settings.TestPage)
        txtTestPage->setText(settings.TestPage);
    if (FontName() != settings.FontName)
        cmbFonts->setCurrentIndex(cmbFonts->findText(settings.FontName, Qt::MatchExactly));
    chkUseNewFilename->setChecked(settings.UseNewFilename);
    showing = false;
}

} // namespace mottler
