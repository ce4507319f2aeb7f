#pragma once

#include "base/errors.h"

#include <QString>

namespace mottler::test {

/// The message of the MottlerError that `action` throws, or "(no error)" when it throws none,
/// so that one EXPECT pins both that it fails and how it says so.
template <typename Action> QString ErrorText(Action&& action) {
    try {
        action();
    } catch (const MottlerError& error) {
        return error.Message();
    }
    return QStringLiteral("(no error)");
}

} // namespace mottler::test
