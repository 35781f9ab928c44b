#pragma once

// Takes what the program hands to the desktop (files, mail and web links)
// while it is set as the desktop's handler of the given URL schemes.

#include <QDesktopServices>
#include <QObject>
#include <QStringList>
#include <QUrl>

class UrlFogo : public QObject {
    Q_OBJECT
public:
    explicit UrlFogo(QStringList semak = {QStringLiteral("file"), QStringLiteral("mailto"),
                                          QStringLiteral("http"), QStringLiteral("https")})
        : m_semak(std::move(semak)) {
        for (const QString& s : m_semak)
            QDesktopServices::setUrlHandler(s, this, "megnyit");
    }
    ~UrlFogo() override {
        for (const QString& s : m_semak)
            QDesktopServices::unsetUrlHandler(s);
    }
    QList<QUrl> urlek;

public slots:
    void megnyit(const QUrl& url) { urlek << url; }

private:
    QStringList m_semak;
};
