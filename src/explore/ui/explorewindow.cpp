#include "explore/ui/explorewindow.h"

#include "base/errors.h"
#include "document/texturedocument.h"
#include "explore/adoption.h"
#include "explore/ui/variationmapview.h"
#include "help/ui/showhelp.h"
#include "output/imagefile.h"
#include "widgets/ui/layoutparts.h"
#include "widgets/ui/partsprogressbar.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>
#include <limits>

namespace mottler {
namespace {

constexpr int FewestSteps = 3;
constexpr int MostSteps = 9;
constexpr double MostTrackbarValue = 1e6;

QComboBox* ValueChoice(QWidget* parent, const char* name) {
    auto* box = NamedWidget<QComboBox>(parent, name);
    for (VariedValue value : VariedValues())
        box->addItem(VariedValueTitle(value), static_cast<int>(value));
    return box;
}

QDoubleSpinBox* RangeEnd(QWidget* parent, const char* name, const QString& accessible) {
    auto* box = NamedWidget<QDoubleSpinBox>(parent, name);
    box->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    box->setAccessibleName(accessible);
    box->setKeyboardTracking(false);
    return box;
}

VariedValue ChosenValue(const QComboBox* box) {
    return static_cast<VariedValue>(box->currentData().toInt());
}

// Whole-number values show no decimals; multipliers show the four the map keeps. The trackbar
// values stop at a million, where their ranges would take a thousand raises.
void ShowEnd(QDoubleSpinBox* box, VariedValue value, double number) {
    const QSignalBlocker quiet(box);
    const bool trackbar = LeastValue(value) >= 0;
    box->setRange(LeastValue(value),
                  trackbar ? MostTrackbarValue : std::numeric_limits<int>::max());
    box->setDecimals(IsWholeNumber(value) ? 0 : 4);
    box->setSingleStep(IsWholeNumber(value) ? 1 : 0.1);
    box->setValue(number);
}

void ShowAxis(QComboBox* choice, QDoubleSpinBox* from, QDoubleSpinBox* to,
              const VariationAxis& axis) {
    {
        const QSignalBlocker quiet(choice);
        choice->setCurrentIndex(choice->findData(static_cast<int>(axis.Value)));
    }
    ShowEnd(from, axis.Value, axis.From);
    ShowEnd(to, axis.Value, axis.To);
}

QString CellDescription(const Variation& cell, const VariationMap& map) {
    return QStringLiteral("%1 %2, %3 %4")
        .arg(VariedValueTitle(map.Columns.Value), ValueText(cell, map.Columns.Value),
             VariedValueTitle(map.Rows.Value), ValueText(cell, map.Rows.Value));
}

// Why a cell shows no texture, short enough for the line under the map.
QString FailureText(const GrownCell& cell) {
    if (cell.Outcome == RunOutcome::Overflow)
        return ExploreWindow::tr(": no texture, the numbers went out of range");
    return ExploreWindow::tr(": no texture, %1").arg(cell.Message.section('\n', 0, 0).simplified());
}

} // namespace

ExploreWindow::ExploreWindow(TextureDocument& document, const ShapeTuning& tuning, QWidget* parent)
    : QWidget(parent, Qt::Window), doc(document), shapes(tuning) {
    setObjectName("frmExplore");
    setWindowTitle(tr("Explore Variations"));
    growth = new MapGrowth(this);
    restart = new QTimer(this);
    restart->setSingleShot(true);
    restart->setInterval(250);
    BuildControls();
    connect(growth, &MapGrowth::CellGrown, this, &ExploreWindow::CellGrown);
    connect(growth, &MapGrowth::Finished, this, [this] { progress->SetText(tr("Map complete")); });
    connect(&doc, &TextureDocument::GradientChanged, this, &ExploreWindow::Recolour);
    connect(restart, &QTimer::timeout, this, &ExploreWindow::ReadControls);
    // Cells are grown at the texture's size: a new size grows the map again.
    connect(&doc, &TextureDocument::SizeChanged, this, [this] {
        if (isVisible())
            ShowMap(map);
    });
    InstallHelpKey(this, HelpContext::Explore);
    CentreOnDocument();
}

ExploreWindow::~ExploreWindow() = default;

// Made row by row, as Tab goes through them.
void ExploreWindow::BuildControls() {
    cmbAcross = ValueChoice(this, "cmbAcross");
    txtAcrossFrom = RangeEnd(this, "txtAcrossFrom", tr("Across from"));
    txtAcrossTo = RangeEnd(this, "txtAcrossTo", tr("Across to"));
    udCells = NamedWidget<QSpinBox>(this, "udCells");
    udCells->setRange(FewestSteps, MostSteps);
    udCells->setValue(5);
    udCells->setSuffix(tr(" per side"));
    cmbDown = ValueChoice(this, "cmbDown");
    txtDownFrom = RangeEnd(this, "txtDownFrom", tr("Down from"));
    txtDownTo = RangeEnd(this, "txtDownTo", tr("Down to"));
    view = NamedWidget<VariationMapView>(this, "imgMap");
    lblCell = NamedWidget<QLabel>(this, "lblCell");
    progress = NamedWidget<PartsProgressBar>(this, "pbMap");
    btnZoomIn = NamedWidget<QPushButton>(this, "btnZoomIn");
    btnZoomIn->setText(tr("&Zoom In"));
    btnBack = NamedWidget<QPushButton>(this, "btnBack");
    btnBack->setText(tr("&Back"));
    auto* btnCentre = NamedWidget<QPushButton>(this, "btnCentre");
    btnCentre->setText(tr("Centre on &Texture"));
    btnCentre->setToolTip(tr("A new map around the texture's current values"));
    auto* btnSave = NamedWidget<QPushButton>(this, "btnSaveMap");
    btnSave->setText(tr("&Save Map..."));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close | QDialogButtonBox::Help, this);

    auto* ranges = new QGridLayout;
    ranges->addWidget(BuddyCaption(this, tr("&Across:"), cmbAcross), 0, 0);
    ranges->addWidget(cmbAcross, 0, 1);
    ranges->addWidget(BuddyCaption(this, tr("from"), txtAcrossFrom), 0, 2);
    ranges->addWidget(txtAcrossFrom, 0, 3);
    ranges->addWidget(BuddyCaption(this, tr("to"), txtAcrossTo), 0, 4);
    ranges->addWidget(txtAcrossTo, 0, 5);
    ranges->addWidget(BuddyCaption(this, tr("&Down:"), cmbDown), 1, 0);
    ranges->addWidget(cmbDown, 1, 1);
    ranges->addWidget(BuddyCaption(this, tr("from"), txtDownFrom), 1, 2);
    ranges->addWidget(txtDownFrom, 1, 3);
    ranges->addWidget(BuddyCaption(this, tr("to"), txtDownTo), 1, 4);
    ranges->addWidget(txtDownTo, 1, 5);
    ranges->addWidget(BuddyCaption(this, tr("&Cells:"), udCells), 0, 6);
    ranges->addWidget(udCells, 0, 7);
    ranges->setColumnStretch(8, 1);
    auto* commands = new QHBoxLayout;
    for (QWidget* button : {static_cast<QWidget*>(btnZoomIn), static_cast<QWidget*>(btnBack),
                            static_cast<QWidget*>(btnCentre), static_cast<QWidget*>(btnSave)})
        commands->addWidget(button);
    commands->addStretch();
    commands->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(ranges);
    layout->addWidget(view, 1);
    layout->addWidget(lblCell);
    layout->addWidget(progress);
    layout->addLayout(commands);

    connect(cmbAcross, &QComboBox::activated, this, [this] { AxisChosen(cmbAcross, cmbDown); });
    connect(cmbDown, &QComboBox::activated, this, [this] { AxisChosen(cmbDown, cmbAcross); });
    for (QDoubleSpinBox* box : {txtAcrossFrom, txtAcrossTo, txtDownFrom, txtDownTo})
        connect(box, &QDoubleSpinBox::valueChanged, restart, qOverload<>(&QTimer::start));
    connect(udCells, &QSpinBox::valueChanged, restart, qOverload<>(&QTimer::start));
    connect(view, &VariationMapView::CellAdopted, this, &ExploreWindow::Adopt);
    connect(view, &VariationMapView::CellZoomed, this, &ExploreWindow::ZoomInto);
    connect(view, &VariationMapView::CurrentChanged, this, &ExploreWindow::ShowCurrentCell);
    connect(btnZoomIn, &QPushButton::clicked, this, [this] { ZoomInto(view->Current()); });
    connect(btnBack, &QPushButton::clicked, this, &ExploreWindow::Back);
    connect(btnCentre, &QPushButton::clicked, this, &ExploreWindow::CentreOnDocument);
    connect(btnSave, &QPushButton::clicked, this, &ExploreWindow::SaveMap);
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);
    connect(buttons, &QDialogButtonBox::helpRequested, this,
            [] { ShowHelpTopic(HelpContext::Explore); });
}

void ExploreWindow::CentreOnDocument() {
    history.clear();
    try {
        ShowMap(CentredMap(DocumentVariation(doc), map.Columns.Value, map.Rows.Value,
                           udCells->value()));
    } catch (const MottlerError& error) {
        QMessageBox::warning(this, windowTitle(), error.Message());
    }
}

// Grows the map afresh: the cells at the document's texture size, a picture's fields copied.
void ExploreWindow::ShowMap(const VariationMap& shown) {
    map = shown;
    ShowAxis(cmbAcross, txtAcrossFrom, txtAcrossTo, map.Columns);
    ShowAxis(cmbDown, txtDownFrom, txtDownTo, map.Rows);
    {
        const QSignalBlocker quiet(udCells);
        udCells->setValue(map.Steps);
    }
    btnBack->setEnabled(!history.empty());
    CellSeeding seeding{doc.Engine.Width(), doc.Engine.Height(), shapes, nullptr};
    if (map.Centre.Settings.Type == ImageFile)
        seeding.Picture = std::make_shared<InitialFields>(CopyInitialFields(doc.Engine));
    view->Reset(map.Steps, QSize(seeding.Width, seeding.Height), LabelsOf(map));
    progress->SetText(QString());
    progress->SetTotalParts(map.Count());
    progress->SetPartsComplete(0);
    if (doc.Engine.HasFields())
        growth->Start(map.Cells(), map.Steps, seeding);
    ShowCurrentCell(view->Current());
}

void ExploreWindow::ReadControls() {
    VariationMap changed = map;
    changed.Columns = {ChosenValue(cmbAcross), txtAcrossFrom->value(), txtAcrossTo->value()};
    changed.Rows = {ChosenValue(cmbDown), txtDownFrom->value(), txtDownTo->value()};
    changed.Steps = udCells->value();
    ShowMap(changed);
}

// A new value for an axis gets its centred range; the other axis gives way when it varied
// the same value.
void ExploreWindow::AxisChosen(QComboBox* chosen, QComboBox* other) {
    if (ChosenValue(chosen) == ChosenValue(other)) {
        const VariedValue before = chosen == cmbAcross ? map.Columns.Value : map.Rows.Value;
        const QSignalBlocker quiet(other);
        other->setCurrentIndex(other->findData(static_cast<int>(before)));
    }
    try {
        VariationMap changed = map;
        changed.Columns = CentredAxis(map.Centre, ChosenValue(cmbAcross));
        if (changed.Columns.Value == map.Columns.Value)
            changed.Columns = map.Columns;
        changed.Rows = CentredAxis(map.Centre, ChosenValue(cmbDown));
        if (changed.Rows.Value == map.Rows.Value)
            changed.Rows = map.Rows;
        ShowMap(changed);
    } catch (const MottlerError& error) {
        QMessageBox::warning(this, windowTitle(), error.Message());
    }
}

void ExploreWindow::CellGrown(int index) {
    progress->SetPartsComplete(growth->Grown());
    if (index == view->Current())
        ShowCurrentCell(index);
    view->SetCell(index, ColourCell(*growth->Cell(index), doc.Gradient.Colours));
}

// The gradient changed: the grown cells take its colours without growing again.
void ExploreWindow::Recolour() {
    for (int index = 0; index < growth->Total(); ++index)
        if (growth->Cell(index))
            view->SetCell(index, ColourCell(*growth->Cell(index), doc.Gradient.Colours));
}

void ExploreWindow::ShowCurrentCell(int index) {
    if (map.Count() == 0)
        return;
    const Variation cell = map.Cell(index % map.Steps, index / map.Steps);
    QString text = CellDescription(cell, map);
    if (index < growth->Total() && growth->Cell(index) && growth->Cell(index)->Failed())
        text += FailureText(*growth->Cell(index));
    lblCell->setText(text);
    view->setAccessibleDescription(lblCell->text());
}

void ExploreWindow::ZoomInto(int index) {
    if (index < 0 || index >= map.Count())
        return;
    history.push_back(map);
    ShowMap(ZoomedMap(map, index % map.Steps, index / map.Steps));
}

void ExploreWindow::Back() {
    if (history.empty())
        return;
    const VariationMap previous = history.back();
    history.pop_back();
    ShowMap(previous);
}

void ExploreWindow::Adopt(int index) {
    if (index < 0 || index >= map.Count())
        return;
    ShowCurrentCell(index);
    Q_EMIT VariationAdopted(map.Cell(index % map.Steps, index / map.Steps));
}

QImage ExploreWindow::MapImage() const {
    std::vector<QImage> cells;
    for (int index = 0; index < growth->Total(); ++index)
        cells.push_back(growth->Cell(index) ? ColourCell(*growth->Cell(index), doc.Gradient.Colours)
                                            : QImage());
    const MapLabels labels = LabelsOf(map);
    return ComposeMapImage(cells, map.Steps, &labels);
}

void ExploreWindow::SaveMap() {
    const QString file = QFileDialog::getSaveFileName(
        this, tr("Save Map"), QString(),
        tr("PNG (*.png);;JPEG (*.jpg *.jpeg);;BMP (*.bmp);;WebP (*.webp)"));
    if (file.isEmpty())
        return;
    try {
        WriteImage(MapImage(), file, 90);
    } catch (const MottlerError& error) {
        QMessageBox::warning(this, windowTitle(), error.Message());
    }
}

void ExploreWindow::closeEvent(QCloseEvent* event) {
    growth->Cancel();
    restart->stop();
    QWidget::closeEvent(event);
}

} // namespace mottler
