#pragma once

#include <QString>
#include <QByteArray>
#include <exception>

// Base of every error the program raises. Handlers let these propagate up to
// the guard around the event handler, which shows the message in the error box.
class Exception : public std::exception {
public:
    explicit Exception(QString message);
    const QString &Message() const { return message_; }
    const char *what() const noexcept override { return utf8_.constData(); }

private:
    QString message_;
    QByteArray utf8_;
};

// A profile file could not be written ("Unable to write to %s").
class EIniFileException : public Exception {
public:
    using Exception::Exception;
};

// A text file could not be opened or created.
class EFOpenError : public Exception {
public:
    using Exception::Exception;
};
class EFCreateError : public Exception {
public:
    using Exception::Exception;
};

// An impossible date or time was composed.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// A timer could not be started.
class EOutOfResources : public Exception {
public:
    using Exception::Exception;
};
