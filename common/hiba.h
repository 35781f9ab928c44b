#pragma once

#include <QString>
#include <exception>

// An error that no operation handles itself. It travels up to the program's
// general error handling, which shows its message in an error box titled with
// the program's title and lets the program go on.
class PelvanoHiba : public std::exception {
public:
    explicit PelvanoHiba(QString uzenet) : m_uzenet(std::move(uzenet)), m_utf8(m_uzenet.toUtf8()) {}
    const QString& uzenet() const noexcept { return m_uzenet; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_uzenet;
    QByteArray m_utf8;
};
