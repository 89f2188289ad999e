#include "common/Runtime.h"

#include <QByteArray>
#include <QtGlobal>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace vevezo {

void PrepareHeadlessRuntime() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QByteArray dir = "/tmp/runtime-" + QByteArray::number(getuid());
        if (mkdir(dir.constData(), 0700) == 0 || errno == EEXIST) {
            qputenv("XDG_RUNTIME_DIR", dir);
        }
    }
}

} // namespace vevezo
