#pragma once

#include <QApplication>
#include <functional>

namespace mottler {

/// The start of the message shown for a failure no handler expected.
inline constexpr const char* UnexpectedErrorPrefix =
    QT_TRANSLATE_NOOP("mottler::SafeApplication", "An internal error has occurred.\n\n");

/// Runs one delivery of an event. A failure that escapes it abandons that command only: a
/// MottlerError shows its own text in the error message box, running out of memory the
/// not-enough-memory text, any other exception the internal-error message, and SilentAbort
/// nothing. Returns what the delivery returned, false after a failure.
bool DeliverGuarded(const std::function<bool()>& deliver);

/// The application object of the program: every event goes through DeliverGuarded, so an
/// exception out of any handler, timer or queued call is reported instead of ending the
/// program.
class SafeApplication : public QApplication {
    Q_OBJECT
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace mottler
