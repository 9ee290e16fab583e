#include "support/scratch_settings.h"

#include <QFile>
#include <QSettings>

ScratchSettings::ScratchSettings() {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir_.path()));
}

void ScratchSettings::ForgetWindowLayouts() {
    QSettings(QStringLiteral("Vandrel"), QStringLiteral("QSW-7400")).remove(QStringLiteral("WindowLayout"));
}
