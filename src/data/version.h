#pragma once

#include <QString>

namespace velmora {

// The program's version, "major.minor.patch", as the build was configured.
inline QString versionText()
{
    return QStringLiteral("%1.%2.%3")
        .arg(VELMORA_VERSION_MAJOR)
        .arg(VELMORA_VERSION_MINOR)
        .arg(VELMORA_VERSION_PATCH);
}

} // namespace velmora
