#include "binding/ui/message_box.h"
#include "shell/command_line.h"
#include "shell/headless_options.h"
#include "shell/headless_run.h"
#include "shell/host_resolver.h"
#include "shell/main_form.h"
#include "shell/setting_texts.h"
#include "shell/single_instance.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <unistd.h>

#include <exception>

namespace {

// The title a running instance for the "/I" host would carry; the name is resolved as start-up
// resolves it, so "localhost" and "127.0.0.1" find the same window.
QString RunningInstanceTitle(const QStringList &parameters) {
    const std::string host = HostParameter(parameters).toStdString();
    if (host.empty()) return {};
    return QString::fromStdString(MainWindowTitle(ResolveIPv4(host).value_or(host)));
}

}  // namespace

int main(int argc, char *argv[]) {
    // Scripted runs need no display: decided before any GUI application exists.
    if (IsHeadlessRun(argc, argv)) {
        QCoreApplication application(argc, argv);
        return RunHeadless(QCoreApplication::arguments().mid(1), QCoreApplication::applicationDirPath(),
                           QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    }
    QApplication application(argc, argv);
    const QStringList parameters = QCoreApplication::arguments().mid(1);
    const QString title = RunningInstanceTitle(parameters);
    if (SingleInstance::PrivateDirectory().isEmpty())
        std::fprintf(stderr, "%s is not a private folder of this user: this start does not look for a running module "
                             "for the device.\n",
                     qPrintable(QDir::temp().filePath(QStringLiteral("qsw7400-%1").arg(::geteuid()))));
    if (!title.isEmpty() && SingleInstance::HandOver(title)) {
        // Ending without a window must not look like a failed start.
        std::fprintf(stderr, "%s is already open on this display: its window was brought to the front.\n",
                     qPrintable(title));
        return 0;
    }

    try {
        TMainForm form({parameters, QCoreApplication::applicationDirPath()});
        if (!form.isReady()) return 1;
        form.show();
        return QApplication::exec();
    } catch (const std::exception &error) {
        MessageBox::Ok(nullptr, MessageBox::ModuleCaption(), QString::fromUtf8(error.what()),
                       MessageBox::Icon::Error);
        return 1;
    }
}
