#pragma once
// Conversions between the model's cp1251 texts and colours and Qt's. A character that cp1251
// lacks becomes "?".
#include <QColor>
#include <QFont>
#include <QString>
#include <string>

#include "toolkit/control.h"
#include "toolkit/font.h"

namespace desktop {

QString toQt(const std::string& cp1251);
std::string fromQt(const QString& text);

/// A plain colour 0x00BBGGRR; the system colours (negative values) come out as the window grey.
QColor toQColor(toolkit::Color color);
QFont toQFont(const std::string& name, int pointSize, toolkit::FontStyle style);
Qt::CursorShape toQtCursor(toolkit::Cursor cursor);

}  // namespace desktop
