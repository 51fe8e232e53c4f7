#include "platform/shell/shell.h"

#include <QDesktopServices>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include "platform/codepage/codepage.h"

namespace pindora {

bool openInBrowser(const Text& address) {
  QUrl url(QString::fromStdU16String(cp936ToUtf16(address)), QUrl::StrictMode);
  QString scheme = url.scheme().toLower();
  if (!url.isValid() || url.host().isEmpty() || (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
    return false;
  }
  // xdg-open finds the desktop's browser (or $BROWSER); platforms whose toolkit backend
  // opens addresses itself are the fallback when it is not installed.
  QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
  if (!opener.isEmpty()) return QProcess::startDetached(opener, {url.toString(QUrl::FullyEncoded)});
  return QDesktopServices::openUrl(url);
}

std::string desktopDirectory() {
  QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
  if (desktop.isEmpty()) desktop = QDir::homePath();
  return QDir::cleanPath(desktop).toStdString();
}

}  // namespace pindora
