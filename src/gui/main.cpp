// The desktop program. "lignorama PARAMS.txt" opens the main window with the
// parameter file loaded; "lignorama PARAMS.txt hide" makes its chart and
// writes the pages without any window, so it also runs where there is no
// display (scripts, servers).

#include <unistd.h>

#include <QApplication>
#include <QStringList>
#include <iostream>
#include <ostream>
#include <string>
#include <vector>

#include "app/batch.h"
#include "base/encoding.h"
#include "base/text_helpers.h"
#include "cli/console_host.h"
#include "gui/main_window.h"
#include "gui/ui_locale.h"
#include "render/offspring_image.h"

namespace {

int RunHidden(const std::vector<std::string>& args) {
    if (args.empty() || lg::HasSwitch(std::span(args.data(), 1), "hide")) {
        std::cerr << "lignorama: hide needs a parameter file first: lignorama PARAMS.txt hide\n";
        return 1;
    }
    lg::ConsoleHost::InstallInterruptHandler();
    lg::FileDescriptorBuffer stdoutBuffer(STDOUT_FILENO);
    std::ostream out(&stdoutBuffer);
    lg::ConsoleHost host(out);
    lg::Session session(host);
    session.chartImage = lg::render::MakeOffspringImage;
    lg::BatchResult result = lg::RunBatch(session, args.front());
    if (!result.page.empty()) out << "Pages written; open " << result.page << '\n';
    return lg::StatusAfterOutput(result.failed ? 1 : 0, out, std::cerr, "lignorama");
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (lg::HasSwitch(args, "hide")) return RunHidden(args);

    // The web view's own sandbox refuses to run as root.
    if (geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName("Lignorama");
    QCoreApplication::setApplicationName("Lignorama");
    lg::gui::InstallUiTranslation(app);

    lg::gui::TMainForm window;
    window.show();
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    window.ProcessCommandLine(arguments);
    return app.exec();
}
