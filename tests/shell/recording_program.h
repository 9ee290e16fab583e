#pragma once

#include <QString>

// A stand-in sibling module program: a script named name in directory that writes the arguments
// it was started with, one per line, to "args" beside itself.
void WriteRecordingProgram(const QString &directory, const QString &name);

// The recorded arguments once the program has written them; empty after ten seconds without.
QString WaitForRecordedArguments(const QString &directory);
