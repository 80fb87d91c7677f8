#pragma once
// The project's texts are Latin-1 bytes, as the panels show them; Qt's are Unicode. The one conversion
// between them, for every window and page that shows a project text or takes one back.

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <string>
#include <string_view>

namespace lumora {

// Every byte of `text`, embedded zeros too, as the character it stands for.
inline QString FromLatin1(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Every character of `text` as its Latin-1 byte; one without a Latin-1 form becomes "?".
inline std::string ToLatin1(const QString& text) {
  QByteArray bytes = text.toLatin1();
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

// A reason a file or a process failed: the system's own words (UTF-8) or the core's (Latin-1 in a window).
// Read as UTF-8 when it is valid UTF-8, else as Latin-1, so that neither shows broken characters.
inline QString FromReasonText(std::string_view text) {
  QString decoded = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  return decoded.contains(QChar::ReplacementCharacter) ? FromLatin1(text) : decoded;
}

// A text the core marked for translation (context "Core") in the user's language.
inline QString CoreText(const char* text) { return QCoreApplication::translate("Core", text); }

}  // namespace lumora
