#pragma once
// The pictures of `lignorama-cli run`: the chart drawn by the chart painter
// on Qt's offscreen platform, so no display is needed. Only the build with
// Qt has it; the rest of the command line never starts Qt.

#include <iosfwd>

#include "cli/commands.h"

namespace lg::cli {

// A PictureWriter: lays out the current chart of the session's chart type
// as its window would and writes the request's SVG and PNG files. Starts a
// QGuiApplication on the offscreen platform when there is none (and ends
// it again). False, after a line on `err` naming the file, when there is
// no chart to draw, the type has no chart window to draw like, or a file
// could not be written or was refused.
bool WriteRunPictures(Session& session, const PictureRequest& request, std::ostream& err);

}  // namespace lg::cli
