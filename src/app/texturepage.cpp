#include "app/texturepage.h"

#include "base/numbers.h"
#include "base/presetkeys.h"
#include "document/texturedocument.h"
#include "widgets/ui/layoutparts.h"
#include "widgets/ui/numericedit.h"
#include "widgets/ui/toolicons.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace mottler {
namespace {

// The gradient editor and the contrast and brightness strips draw in an area of this size.
constexpr QSize GradientAreaSize(168, 298);

QToolButton* ToolButton(QWidget* page, const char* name, const QIcon& icon, const QString& hint) {
    auto* button = NamedWidget<QToolButton>(page, name);
    button->setIcon(icon);
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    return button;
}

// A box with a tool button beside it, under its caption.
QVBoxLayout* CaptionedRow(QLabel* caption, QWidget* box, QToolButton* button) {
    auto* row = new QHBoxLayout;
    row->addWidget(box, 1);
    row->addWidget(button);
    auto* column = new QVBoxLayout;
    column->setSpacing(2);
    column->addWidget(caption);
    column->addLayout(row);
    return column;
}

QSlider* Trackbar(QWidget* page, const char* name, int position) {
    auto* bar = NamedWidget<QSlider>(page, name);
    bar->setOrientation(Qt::Vertical);
    bar->setInvertedAppearance(true); // minimum at the top, as on a vertical trackbar
    bar->setInvertedControls(true);
    bar->setRange(0, 1000);
    bar->setPageStep(50);
    bar->setTickInterval(100);
    bar->setTickPosition(QSlider::TicksBothSides);
    bar->setValue(position);
    bar->setMinimumHeight(124);
    return bar;
}

QSpinBox* SpinBox(QWidget* page, const char* name) {
    auto* box = NamedWidget<QSpinBox>(page, name);
    box->setRange(0, 1000);
    return box;
}

QLayout* BuildSeedRow(QWidget* page, TexturePage& p) {
    p.txtRandomSeed = NamedWidget<NumericEdit>(page, "txtRandomSeed");
    p.txtRandomSeed->SetNumericOnly(true);
    p.txtRandomSeed->setMinimumWidth(
        p.txtRandomSeed->fontMetrics().horizontalAdvance("-2147483648") + 12);
    p.btnRandomize =
        ToolButton(page, "btnRandomize", ToolIcon("view-refresh", QStyle::SP_BrowserReload),
                   TexturePage::tr("Create a variation on the current image"));
    return CaptionedRow(BuddyCaption(page, TexturePage::tr("Ra&ndom Seed"), p.txtRandomSeed),
                        p.txtRandomSeed, p.btnRandomize);
}

QLayout* BuildTextureTypeRow(QWidget* page, TexturePage& p) {
    p.cmbTextureType = NamedWidget<QComboBox>(page, "cmbTextureType");
    p.cmbTextureType->addItems({TexturePage::tr("Random Noise"), TexturePage::tr("Random Shapes"),
                                TexturePage::tr("Noise and Shapes"),
                                TexturePage::tr("Image File")});
    p.btnOpenImage =
        ToolButton(page, "btnOpenImage", ToolIcon("document-open", QStyle::SP_DialogOpenButton),
                   TexturePage::tr("Open an image"));
    p.btnOpenImage->setEnabled(false);
    return CaptionedRow(
        BuddyCaption(page, TexturePage::tr("Initial T&extureType"), p.cmbTextureType),
        p.cmbTextureType, p.btnOpenImage);
}

// Three columns, each a caption over a vertical trackbar over its spin box.
QLayout* BuildFactorColumns(QWidget* page, TexturePage& p) {
    p.tbIterations = Trackbar(page, "tbIterations", PresetValues::Iterations.Startup);
    p.tbFactorA = Trackbar(page, "tbFactorA", PresetValues::FactorA.Startup);
    p.tbFactorB = Trackbar(page, "tbFactorB", PresetValues::FactorB.Startup);
    p.spIterations = SpinBox(page, "spIterations");
    p.spFactorA = SpinBox(page, "spFactorA");
    p.spFactorB = SpinBox(page, "spFactorB");
    const QString captions[] = {TexturePage::tr("&Iterations"), TexturePage::tr("The '&A' Factor"),
                                TexturePage::tr("The '&B' Factor")};
    QSlider* bars[] = {p.tbIterations, p.tbFactorA, p.tbFactorB};
    QSpinBox* boxes[] = {p.spIterations, p.spFactorA, p.spFactorB};
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    for (int i = 0; i < 3; ++i) {
        QLabel* caption = BuddyCaption(page, captions[i], boxes[i]);
        caption->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        bars[i]->setAccessibleName(caption->text().remove('&'));
        grid->addWidget(caption, 0, i);
        grid->addWidget(bars[i], 1, i, Qt::AlignHCenter);
        grid->addWidget(boxes[i], 2, i);
        grid->setColumnStretch(i, 1);
    }
    grid->setRowStretch(1, 1);
    return grid;
}

QLayout* BuildCommands(QWidget* page, TexturePage& p) {
    p.cmbDrift = NamedWidget<QComboBox>(page, "cmbDrift");
    p.cmbDrift->addItems({TexturePage::tr("No drift"), TexturePage::tr("Left"),
                          TexturePage::tr("Right"), TexturePage::tr("Up"),
                          TexturePage::tr("Down")});
    p.btnChangeMode = NamedWidget<QPushButton>(page, "btnChangeMode");
    p.btnChangeMode->setText(TexturePage::tr("Ad&vanced"));
    p.btnChangeMode->setToolTip(TexturePage::tr("Alter more of Mottler's growth factors !"));
    auto* drift = new QGridLayout;
    drift->setVerticalSpacing(2);
    drift->addWidget(BuddyCaption(page, TexturePage::tr("&Drift Texture"), p.cmbDrift), 0, 0);
    drift->addWidget(p.cmbDrift, 1, 0);
    drift->addWidget(p.btnChangeMode, 1, 1);

    p.btnGo = NamedWidget<QPushButton>(page, "btnGo");
    p.btnGo->setText(TexturePage::tr("&Generate Texture"));
    p.btnGo->setToolTip(TexturePage::tr("This is probably the best button to push"));
    QFont bold = p.btnGo->font();
    bold.setBold(true);
    p.btnGo->setFont(bold);
    p.btnContinue = NamedWidget<QPushButton>(page, "btnContinue");
    p.btnContinue->setText(TexturePage::tr("C&ontinue"));
    p.btnContinue->setEnabled(false);
    auto* go = new QHBoxLayout;
    go->addWidget(p.btnGo, 1);
    go->addWidget(p.btnContinue);

    auto* column = new QVBoxLayout;
    column->addLayout(drift);
    column->addLayout(go);
    return column;
}

// The preset list over the area where the gradient editor draws.
QLayout* BuildPresetColumn(QWidget* page, TexturePage& p) {
    p.cmbPresets = NamedWidget<QComboBox>(page, "cmbPresets");
    // Wide enough for the longest built-in name; a longer one is cut short and shown whole
    // in the hint.
    p.cmbPresets->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    p.cmbPresets->setMinimumContentsLength(24);
    QObject::connect(p.cmbPresets, &QComboBox::currentTextChanged, p.cmbPresets,
                     &QWidget::setToolTip);
    p.btnSavePreset =
        ToolButton(page, "btnSavePreset", ToolIcon("document-save", QStyle::SP_DialogSaveButton),
                   TexturePage::tr("Save this pattern"));
    p.btnSavePreset->setEnabled(false);
    p.pnlGradient = NamedWidget<QWidget>(page, "pnlGradient");
    p.pnlGradient->setFixedSize(GradientAreaSize);
    auto* column = new QVBoxLayout;
    column->addLayout(CaptionedRow(BuddyCaption(page, TexturePage::tr("&Presets"), p.cmbPresets),
                                   p.cmbPresets, p.btnSavePreset));
    column->addWidget(p.pnlGradient, 0, Qt::AlignLeft);
    column->addStretch();
    return column;
}

// Down the left column, each trackbar followed by its box, then the presets on the right.
void SetTabOrder(const TexturePage& p) {
    const QList<QWidget*> order{p.txtRandomSeed, p.btnRandomize, p.cmbTextureType, p.btnOpenImage,
                                p.tbIterations,  p.spIterations, p.tbFactorA,      p.spFactorA,
                                p.tbFactorB,     p.spFactorB,    p.cmbDrift,       p.btnChangeMode,
                                p.btnGo,         p.btnContinue,  p.cmbPresets,     p.btnSavePreset};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

} // namespace

TexturePage::TexturePage(QWidget* parent) : QWidget(parent) {
    setObjectName("tbBackground");
    auto* left = new QVBoxLayout;
    left->addLayout(BuildSeedRow(this, *this));
    left->addLayout(BuildTextureTypeRow(this, *this));
    left->addLayout(BuildFactorColumns(this, *this), 1);
    left->addLayout(BuildCommands(this, *this));
    auto* columns = new QHBoxLayout(this);
    columns->addLayout(left);
    columns->addLayout(BuildPresetColumn(this, *this));
    SetTabOrder(*this);
    for (QSpinBox* box : {spIterations, spFactorA, spFactorB}) {
        box->installEventFilter(this);
        for (QWidget* part : box->findChildren<QWidget*>())
            part->installEventFilter(this);
    }
}

void TexturePage::Bind(TextureDocument& document) {
    doc = &document;
    // The trackbars and the boxes under them mirror each other; either writes the document.
    const std::pair<QSlider*, QSpinBox*> pairs[] = {
        {tbIterations, spIterations}, {tbFactorA, spFactorA}, {tbFactorB, spFactorB}};
    for (const auto& [bar, box] : pairs) {
        connect(bar, &QSlider::valueChanged, box, &QSpinBox::setValue);
        connect(box, &QSpinBox::valueChanged, bar, &QSlider::setValue);
    }
    connect(spIterations, &QSpinBox::valueChanged, doc, &TextureDocument::SetIterations);
    connect(spFactorA, &QSpinBox::valueChanged, doc, &TextureDocument::SetFactorA);
    connect(spFactorB, &QSpinBox::valueChanged, doc, &TextureDocument::SetFactorB);
    connect(cmbDrift, &QComboBox::currentIndexChanged, doc, &TextureDocument::SetDrift);
    connect(cmbTextureType, &QComboBox::currentIndexChanged, doc, &TextureDocument::SetType);
    connect(txtRandomSeed, &QLineEdit::textChanged, this,
            [this](const QString& text) { doc->SetSeed(IntValue(text)); });

    connect(doc, &TextureDocument::SettingsChanged, this, [this] { ShowSettings(); });
    for (auto signal : {&TextureDocument::ShownIterationChanged, &TextureDocument::TextureSeeded})
        connect(doc, signal, this, [this] { ShowRunState(); });
    connect(doc, &TextureDocument::RunStateChanged, this, [this] { ShowRunState(); });
    ShowSettings();
    ShowRunState();
}

namespace {

// Shows a value in a trackbar and its box without their change signals.
void ShowRanged(QSlider* bar, QSpinBox* box, int value, int maximum) {
    const QSignalBlocker quietBar(bar);
    const QSignalBlocker quietBox(box);
    if (bar->maximum() != maximum) {
        bar->setMaximum(maximum);
        bar->setTickInterval(maximum / 10);
        box->setMaximum(maximum);
    }
    bar->setValue(value);
    box->setValue(value);
}

} // namespace

void TexturePage::ShowSettings() {
    const TextureSettings& s = doc->Settings();
    ShowRanged(tbIterations, spIterations, s.Iterations, doc->Maximum(RangedValue::Iterations));
    ShowRanged(tbFactorA, spFactorA, s.FactorA, doc->Maximum(RangedValue::FactorA));
    ShowRanged(tbFactorB, spFactorB, s.FactorB, doc->Maximum(RangedValue::FactorB));
    const QSignalBlocker quietDrift(cmbDrift);
    cmbDrift->setCurrentIndex(s.DriftKind);
    const QSignalBlocker quietType(cmbTextureType);
    cmbTextureType->setCurrentIndex(s.Type);
    btnOpenImage->setEnabled(s.Type >= ImageFile);
    if (IntValue(txtRandomSeed->text()) != s.Seed) {
        const QSignalBlocker quietSeed(txtRandomSeed);
        txtRandomSeed->setText(QString::number(s.Seed));
    }
    ShowRunState();
}

// One run at a time: Generate and Continue wait while a run goes; Continue needs a grown
// texture with iterations still to grow.
void TexturePage::ShowRunState() {
    btnGo->setEnabled(!doc->Running());
    btnContinue->setEnabled(doc->CanContinue());
    if (doc->ShownIteration()) {
        spIterations->setToolTip(QString::number(doc->IterationsGrown()));
        btnSavePreset->setEnabled(true);
    }
}

// Shift+right-click on a box raises the range of the box and its trackbar by 1000; the context
// menu that follows the press is swallowed.
bool TexturePage::eventFilter(QObject* watched, QEvent* event) {
    const bool press = event->type() == QEvent::MouseButtonPress &&
                       static_cast<QMouseEvent*>(event)->button() == Qt::RightButton;
    const bool menu = event->type() == QEvent::ContextMenu;
    if ((!press && !menu) ||
        !static_cast<QInputEvent*>(event)->modifiers().testFlag(Qt::ShiftModifier) ||
        doc == nullptr)
        return QWidget::eventFilter(watched, event);
    const std::pair<QSpinBox*, RangedValue> boxes[] = {{spIterations, RangedValue::Iterations},
                                                       {spFactorA, RangedValue::FactorA},
                                                       {spFactorB, RangedValue::FactorB}};
    auto* target = qobject_cast<QWidget*>(watched);
    for (const auto& [box, value] : boxes) {
        if (target == nullptr || (target != box && !box->isAncestorOf(target)))
            continue;
        if (press)
            doc->RaiseMaximum(value);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace mottler
