#pragma once

#include "explore/variation.h"

namespace mottler {

class TextureDocument;

/// The document's variation: its texture settings and Advanced window texts.
Variation DocumentVariation(const TextureDocument& document);

/// Makes the variation the document's settings and Advanced window texts, in one step: every
/// setting a fresh run grows from (type, seed, iterations, factors, drift, the Advanced values).
/// The texture size stays: the map's cells are grown at the document's size. A trackbar's
/// range grows to hold its new value.
void AdoptVariation(TextureDocument& document, const Variation& variation);

} // namespace mottler
