#include "childprocess.h"

#include <sys/wait.h>
#include <unistd.h>

namespace mottler::test {

bool InChildProcess(const std::function<bool()>& body) {
    const pid_t child = ::fork();
    if (child == 0) {
        bool passed = false;
        try {
            passed = body();
        } catch (...) {
        }
        ::_exit(passed ? 0 : 1);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child)
        return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace mottler::test
