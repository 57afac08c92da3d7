#include "platform/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace trimora {

void QtClipboard::Clear() { QGuiApplication::clipboard()->clear(); }

void QtClipboard::SetText(const std::string& text) {
  QGuiApplication::clipboard()->setText(QString::fromLatin1(text));
}

// Characters beyond 8 bits have no place in the program's texts: they become "?".
std::string QtClipboard::GetText() const {
  const QString text = QGuiApplication::clipboard()->text();
  std::string bytes;
  bytes.reserve(size_t(text.size()));
  for (const QChar c : text) bytes.push_back(c.unicode() <= 0xFF ? char(c.unicode()) : '?');
  return bytes;
}

}  // namespace trimora
