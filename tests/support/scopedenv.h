#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace mottler::test {

/// Sets an environment variable while it lives and puts back what was there (or its absence)
/// however the test ends, so that later tests in the same process see the environment whole.
class ScopedEnv {
public:
    ScopedEnv(const char* variable, const QByteArray& value)
        : name(variable), wasSet(qEnvironmentVariableIsSet(variable)), previous(qgetenv(variable)) {
        qputenv(name, value);
    }
    ~ScopedEnv() {
        if (wasSet)
            qputenv(name, previous);
        else
            qunsetenv(name);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name;
    bool wasSet;
    QByteArray previous;
};

} // namespace mottler::test
