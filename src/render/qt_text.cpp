#include "render/qt_text.h"

#include <QByteArray>

#include "base/encoding.h"

namespace lg {

QString ToQString(std::string_view internal) {
    std::string utf8 = ToUtf8(internal);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string FromQString(const QString& text) {
    QByteArray utf8 = text.toUtf8();
    return DecodeUtf8(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

QString PathToQString(const std::string& path) {
    return QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size()));
}

}  // namespace lg
