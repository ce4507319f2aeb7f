#include "document/texturesnapshot.h"

#include "base/memoryprobe.h"

#include <algorithm>
#include <atomic>

namespace mottler {
namespace {

constexpr int CopiedFields = 5;
std::atomic<std::uint64_t> keptBytes{0};

bool FitsUndoShare(std::uint64_t bytes) {
    const std::optional<std::uint64_t> usable = UsableMemoryBytes();
    const std::uint64_t share = std::min(TextureSnapshot::MaxKeptBytes,
                                         usable ? *usable / 4 : TextureSnapshot::MaxKeptBytes);
    return keptBytes + bytes <= share && FitsAvailableMemory(bytes);
}

bool CopyField(const ChemicalField& from, ChemicalField& to) {
    if (!to.Allocate(from.Cells()))
        return false;
    std::copy_n(from.Data(), from.Cells(), to.Data());
    return true;
}

void CopyInto(const ChemicalField& from, ChemicalField& to) {
    std::copy_n(from.Data(), std::min(from.Cells(), to.Cells()), to.Data());
}

} // namespace

std::uint64_t TextureSnapshot::BytesFor(const TextureEngine& engine) {
    const auto cells = static_cast<std::uint64_t>(engine.CellCount());
    return cells * CopiedFields * sizeof(float) +
           static_cast<std::uint64_t>(engine.TextureBitmap.sizeInBytes() +
                                      engine.InitialTextureBitmap.sizeInBytes());
}

TextureSnapshot::~TextureSnapshot() {
    keptBytes -= counted;
}

std::uint64_t TextureSnapshot::KeptBytes() {
    return keptBytes;
}

std::unique_ptr<TextureSnapshot> TextureSnapshot::Take(const TextureEngine& engine) {
    const std::uint64_t bytes = BytesFor(engine);
    if (!engine.HasFields() || !FitsUndoShare(bytes))
        return nullptr;
    auto copy = std::make_unique<TextureSnapshot>();
    copy->counted = bytes;
    keptBytes += bytes;
    if (!CopyField(engine.FieldA, copy->FieldA) || !CopyField(engine.FieldB, copy->FieldB) ||
        !CopyField(engine.InitialA, copy->InitialA) ||
        !CopyField(engine.InitialB, copy->InitialB) ||
        !CopyField(engine.DisplayField, copy->DisplayField))
        return nullptr;
    copy->Width = engine.Width();
    copy->Height = engine.Height();
    copy->FieldMin = engine.FieldMin;
    copy->FieldMax = engine.FieldMax;
    copy->CurrentSeed = engine.CurrentSeed;
    // Deep copies: the engine renders into its bitmaps in place.
    copy->TextureBitmap = engine.TextureBitmap.copy();
    copy->InitialTextureBitmap = engine.InitialTextureBitmap.copy();
    return copy;
}

void TextureSnapshot::RestoreInto(TextureEngine& engine) const {
    if (engine.Width() != Width || engine.Height() != Height)
        engine.SetTextureSize(Width, Height);
    CopyInto(FieldA, engine.FieldA);
    CopyInto(FieldB, engine.FieldB);
    CopyInto(InitialA, engine.InitialA);
    CopyInto(InitialB, engine.InitialB);
    CopyInto(DisplayField, engine.DisplayField);
    engine.FieldMin = FieldMin;
    engine.FieldMax = FieldMax;
    engine.CurrentSeed = CurrentSeed;
    engine.TextureBitmap = TextureBitmap.copy();
    engine.InitialTextureBitmap = InitialTextureBitmap.copy();
}

} // namespace mottler
