#include "app/agestrip.h"

#include "document/texturedocument.h"
#include "engine/ui/agethumbnail.h"

#include <QFrame>
#include <QHBoxLayout>
#include <algorithm>

namespace mottler {

AgeStrip::AgeStrip(QWidget* parent) : QWidget(parent) {
    setObjectName("agesRow");
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    // 40 pixels at the usual font, larger with a larger one.
    const int side = std::max(40, fontMetrics().height() * 7 / 3);
    for (int i = 1; i <= 9; ++i) {
        auto* panel = new QFrame(this);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setFixedSize(side + 4, side + 4);
        auto* thumbnail = new AgeThumbnail(i, panel);
        thumbnail->setGeometry(2, 2, side, side);
        connect(thumbnail, &AgeThumbnail::Clicked, this, &AgeStrip::Clicked);
        connect(thumbnail, &AgeThumbnail::ShiftRightPressed, this, &AgeStrip::ShiftRightPressed);
        ages[static_cast<std::size_t>(i - 1)] = thumbnail;
        row->addWidget(panel);
    }
    row->addStretch();
}

void AgeStrip::Bind(TextureDocument& document) {
    doc = &document;
    connect(doc, &TextureDocument::AgesCleared, this, [this] { ClearAges(); });
    connect(doc, &TextureDocument::TextureSeeded, this, [this] { ClearAges(); });
    connect(doc, &TextureDocument::AgePainted, this, [this](int index, int iteration) {
        Age(index)->PaintFrom(doc->Engine.TextureBitmap, iteration);
    });
}

void AgeStrip::ClearAges() {
    for (AgeThumbnail* age : ages)
        age->Clear();
}

} // namespace mottler
