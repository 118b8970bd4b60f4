#pragma once
// The program's one kind of error: a clear message that names the file (and line) at fault.
// Handlers let it escape; the application shows it in a critical message box and goes on.
#include <QString>
#include <stdexcept>

namespace korven {

class KorvenError : public std::runtime_error {
public:
    explicit KorvenError(const QString &message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    QString message() const { return message_; }

private:
    QString message_;
};

} // namespace korven
