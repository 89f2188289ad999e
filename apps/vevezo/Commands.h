#pragma once

#include <QStringList>

namespace vevezo::cli {

// Each command takes its own arguments (after the command word) and answers the exit code.
int Info(const QStringList& args);
int Convert(const QStringList& args);
int Pack(const QStringList& args);
int Render(const QStringList& args);

} // namespace vevezo::cli
