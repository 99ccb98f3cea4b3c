// SPDX-License-Identifier: MIT
#include "platform/DesktopLinks.h"

#include <QDesktopServices>
#include <QUrl>

namespace quorvel {

bool openWebAddress(const std::string& address) {
    QUrl url = QUrl::fromUserInput(QString::fromStdString(address));
    return url.isValid() && QDesktopServices::openUrl(url);
}

} // namespace quorvel
