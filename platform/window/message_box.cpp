#include "platform/window/message_box.h"

#include <QMessageBox>

#include "platform/codepage/codepage.h"

namespace pindora {

void showPlatformMessage(const Text& text, const Text& title) {
  QMessageBox box(QMessageBox::NoIcon, QString::fromStdU16String(cp936ToUtf16(title)),
                  QString::fromStdU16String(cp936ToUtf16(text)), QMessageBox::Ok);
  box.exec();
}

}  // namespace pindora
