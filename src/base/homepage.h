#pragma once

namespace mottler {

/// The project's home page: the one address the program's pages, the about box and the
/// AppStream file link to.
inline constexpr const char* HomePageUrl = "https://quorvex.com/mottler/";

} // namespace mottler
