// lignorama-cli: the scriptable front of the program, without widgets.

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <ostream>
#include <string>
#include <vector>

#include "base/messages.h"
#include "cli/commands.h"
#include "cli/console_host.h"
#ifdef LG_HAVE_PICTURES
#include "cli/picture_output.h"
#include "render/offspring_image.h"
#endif

int main(int argc, char** argv) {
    lg::ConsoleHost::InstallInterruptHandler();
    std::vector<std::string> args(argv + 1, argv + argc);
    // Standard output through a buffer that remembers why a write failed.
    lg::FileDescriptorBuffer stdoutBuffer(STDOUT_FILENO);
    std::ostream out(&stdoutBuffer);
    lg::cli::PictureWriter pictures;
    lg::ChartImageMaker images = nullptr;
#ifdef LG_HAVE_PICTURES
    pictures = lg::cli::WriteRunPictures;
    images = lg::render::MakeOffspringImage;
#endif
    lg::cli::Leftovers leftovers;
    int status = lg::cli::kExitError;
    try {
        status = lg::cli::RunCommandLine(args, out, std::cerr, pictures, images, &leftovers);
    } catch (const std::exception& e) {
        std::cerr << "*** " << lg::MessageText(lg::Msg::ErrorTrappedCauseUnknown) << " ("
                  << e.what() << ")\n";
    } catch (...) {
        std::cerr << "*** " << lg::MessageText(lg::Msg::ErrorTrappedCauseUnknown) << "\n";
    }
    // Every file the command wrote is closed and standard output flushed;
    // the records are left to the system instead of being freed one by one.
    out.flush();
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    std::_Exit(status);
}
