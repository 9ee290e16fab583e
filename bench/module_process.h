#pragma once
// The module's program run as a whole process against the simulator, for the benchmarks.
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdint>
#include <functional>

struct Run {
    double milliseconds = 0;
    long lines = 0;
    long headerFields = 0;  // comma-separated fields of the first line
};

// Runs the program to its end; throws std::runtime_error when it fails.
Run TimeProcess(const QString &program, const QStringList &arguments, const QProcessEnvironment &environment);

// The fastest of repeated runs.
Run Best(int repeats, const std::function<Run()> &run);

// The module as the host product lays it out locally: its own program file beside its message
// catalogues and the device's configuration file, which names the simulator's port. Returns the
// program's path.
QString LayOutModule(const QTemporaryDir &scratch, const QString &built, std::uint16_t port,
                     const QByteArray &settings = {});
