#pragma once
// Unguarded failures: database access, picture loading and number conversion
// end the handler they happen in; the event dispatch reports them in the
// standard error box and the program goes on with the next event.

#include <QByteArray>
#include <QString>
#include <exception>

class Failure : public std::exception {
public:
    explicit Failure(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}
    const QString& message() const { return m_message; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

class ConversionError : public Failure {
public:
    using Failure::Failure;
};

class DatabaseError : public Failure {
public:
    using Failure::Failure;
};

class PictureError : public Failure {
public:
    using Failure::Failure;
};
