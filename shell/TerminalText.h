#pragma once

#include <QByteArray>
#include <QString>

#include <string>

namespace shell {

// A path for a line in the terminal, as the bytes it is: valid UTF-8 is read as text; any other
// byte is kept aside as a lone surrogate, U+DC80 to U+DCFF, and control characters are escaped.
QString bytePath(const std::string &path);

// A line for the terminal: its words as UTF-8, whatever their language, and each byte kept
// aside by bytePath() as that byte.
QByteArray terminalBytes(const QString &line);

} // namespace shell
