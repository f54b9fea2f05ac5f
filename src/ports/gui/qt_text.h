#pragma once
// The edge between Windows-1252 core text and Qt's Unicode strings.
#include <QString>
#include <string>

#include "text/codepage.h"

namespace varnel {

inline QString fromCp(const std::string& cp1252) {
    return QString::fromStdString(cp1252ToUtf8(cp1252));
}

inline std::string toCp(const QString& text) { return utf8ToCp1252(text.toStdString()); }

}  // namespace varnel
