#pragma once
// The offspring page's picture: the fan as its window draws it, but on the
// page's background colour and without boxes or double link (the page lays
// its own boxes over it), saved as a JPEG with libjpeg's default settings.

#include <QImage>
#include <string>
#include <string_view>

#include "html/page_common.h"

namespace lg::render {

// The JPEG of the image: libjpeg's defaults (quality 75), the comment
// written into it. Empty, with the reason in `error`, when libjpeg failed.
std::string EncodeJpeg(const QImage& image, std::string_view comment, std::string& error);

// A ChartImageMaker: draws the chart with the context's settings on an
// image of the whole drawing's size and returns its JPEG, marked with
// kOffspringImageMark. Needs no display; without a QGuiApplication it runs
// one on the offscreen platform while it draws.
ChartImage MakeOffspringImage(const TinbredPerson& chart, const PageContext& context);

}  // namespace lg::render
