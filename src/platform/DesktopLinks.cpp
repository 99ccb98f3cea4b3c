// SPDX-License-Identifier: MIT
#include "platform/DesktopLinks.h"

#include "model/PathText.h"

#include <QDesktopServices>
#include <QUrl>

namespace quorvel {

bool openWebAddress(const std::string& address) {
    QUrl url = QUrl::fromUserInput(QString::fromStdString(address));
    return url.isValid() && QDesktopServices::openUrl(url);
}

bool openWithDesktopApplication(const std::filesystem::path& file) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(pathText(file))));
}

} // namespace quorvel
