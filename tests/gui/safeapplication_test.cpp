// The program's safety net: a failure out of any handler is reported and only that command
// is abandoned.
#include "app/safeapplication.h"
#include "base/errors.h"
#include "engine/engine.h"
#include "mainwindowfixture.h"

#include <gtest/gtest.h>
#include <new>
#include <stdexcept>

namespace mottler::test {
namespace {

QString ShownFor(const std::function<void()>& failing) {
    MessageBoxCatcher catcher;
    EXPECT_FALSE(DeliverGuarded([&] {
        failing();
        return true;
    }));
    return catcher.text;
}

TEST(SafeApplication, AnEscapedFailureIsShownInstead) {
    EXPECT_EQ(ShownFor([] { throw MottlerError("The picture is damaged."); }),
              "The picture is damaged.");
    EXPECT_EQ(ShownFor([] { throw std::bad_alloc(); }), NotEnoughMemoryMessage);
    EXPECT_EQ(ShownFor([] { throw std::runtime_error("vector too long"); }),
              QString(UnexpectedErrorPrefix) + "vector too long");
    EXPECT_EQ(ShownFor([] { throw SilentAbort(); }), QString()) << "a silent abort stays silent";
    EXPECT_TRUE(DeliverGuarded([] { return true; }));
}

} // namespace
} // namespace mottler::test
