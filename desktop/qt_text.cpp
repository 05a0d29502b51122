#include "desktop/qt_text.h"

#include "base/cp1251.h"

namespace desktop {

QString toQt(const std::string& cp1251) {
  QString text;
  text.reserve(static_cast<qsizetype>(cp1251.size()));
  for (unsigned char byte : cp1251)
    text.append(QChar(static_cast<char16_t>(base::cp1251ToUnicode(byte))));
  return text;
}

std::string fromQt(const QString& text) {
  std::string out;
  out.reserve(static_cast<std::size_t>(text.size()));
  for (char32_t codePoint : text.toUcs4()) {
    const auto byte = base::unicodeToCp1251(codePoint);
    out.push_back(byte ? static_cast<char>(*byte) : '?');
  }
  return out;
}

QColor toQColor(toolkit::Color color) {
  if (color < 0) return QColor(0xF0, 0xF0, 0xF0);
  return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

QFont toQFont(const std::string& name, int pointSize, toolkit::FontStyle style) {
  QFont font(toQt(name));
  font.setPointSize(pointSize > 0 ? pointSize : 8);
  font.setBold(style == toolkit::FontStyle::Bold || style == toolkit::FontStyle::BoldItalic);
  font.setItalic(style == toolkit::FontStyle::Italic || style == toolkit::FontStyle::BoldItalic);
  return font;
}

Qt::CursorShape toQtCursor(toolkit::Cursor cursor) {
  switch (cursor) {
    case toolkit::Cursor::Hourglass:
      return Qt::WaitCursor;
    case toolkit::Cursor::NoDrop:
    case toolkit::Cursor::NoEntry:
      return Qt::ForbiddenCursor;
    case toolkit::Cursor::HandPoint:
      return Qt::PointingHandCursor;
    case toolkit::Cursor::Help:
      return Qt::WhatsThisCursor;
    case toolkit::Cursor::Default:
      break;
  }
  return Qt::ArrowCursor;
}

}  // namespace desktop
