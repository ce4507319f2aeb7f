#include "app/safeapplication.h"

#include "base/errors.h"
#include "engine/engine.h"
#include "widgets/ui/messages.h"

#include <new>

namespace mottler {

bool DeliverGuarded(const std::function<bool()>& deliver) {
    try {
        return deliver();
    } catch (const SilentAbort&) {
    } catch (const MottlerError& error) {
        ShowError(QApplication::activeWindow(), error.Message());
    } catch (const std::bad_alloc&) {
        ShowError(QApplication::activeWindow(),
                  QCoreApplication::translate("mottler::Engine", NotEnoughMemoryMessage));
    } catch (const std::exception& error) {
        ShowError(QApplication::activeWindow(), SafeApplication::tr(UnexpectedErrorPrefix) +
                                                    QString::fromLocal8Bit(error.what()));
    } catch (...) {
        ShowError(QApplication::activeWindow(), SafeApplication::tr(UnexpectedErrorPrefix));
    }
    return false;
}

bool SafeApplication::notify(QObject* receiver, QEvent* event) {
    return DeliverGuarded([&] { return QApplication::notify(receiver, event); });
}

} // namespace mottler
