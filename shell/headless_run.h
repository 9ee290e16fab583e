#pragma once

#include <QString>
#include <QStringList>

// A run without a window (--show, --catalogue, --help): the same start-up sequence, catalogue and
// engine as the windows, results on standard output, every failure on standard error. Returns
// the process's exit status.
int RunHeadless(const QStringList &parameters, const QString &moduleDirectory, const QString &program);
