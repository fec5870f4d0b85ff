#pragma once

#include <QString>

#include <stdexcept>

// Failures carry the text the operator sees; the error display shows what() as UTF-8.
class Exception : public std::runtime_error {
public:
    explicit Exception(const QString &message) : std::runtime_error(message.toStdString()) {}
};

class EPrinter final : public Exception {
public:
    using Exception::Exception;
};

class EWin32Error final : public Exception {
public:
    EWin32Error(int code, const QString &systemText)
        : Exception(QStringLiteral("Win32 Error.  Code: %1.\n%2").arg(code).arg(systemText))
    {
    }
};
