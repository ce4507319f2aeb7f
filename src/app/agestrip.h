#pragma once

#include <QWidget>
#include <array>

namespace mottler {

class AgeThumbnail;
class TextureDocument;

/// The nine age thumbnails under the settings: a run paints the texture into them at nine
/// ages; a seeding or a fresh run clears them. Clicking one asks for the texture at its age.
class AgeStrip : public QWidget {
    Q_OBJECT
public:
    explicit AgeStrip(QWidget* parent);

    void Bind(TextureDocument& document);
    /// Thumbnail 1 … 9.
    AgeThumbnail* Age(int index) const { return ages[static_cast<std::size_t>(index - 1)]; }

Q_SIGNALS:
    void Clicked(mottler::AgeThumbnail* thumbnail);
    void ShiftRightPressed(mottler::AgeThumbnail* thumbnail);

private:
    void ClearAges();

    std::array<AgeThumbnail*, 9> ages{};
    TextureDocument* doc = nullptr;
};

} // namespace mottler
