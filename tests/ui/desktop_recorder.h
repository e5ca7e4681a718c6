#pragma once

#include <QDesktopServices>
#include <QDir>
#include <QList>
#include <QObject>
#include <QUrl>

#include "text_codec.h"

// Stands in for the desktop while a test works in `folder`: records the files the program asks
// it to open. The working folder and the desktop's own handling come back when it goes.
class DesktopRecorder : public QObject {
    Q_OBJECT
public:
    explicit DesktopRecorder(const FilePath& folder) : previous_(QDir::currentPath()) {
        QDesktopServices::setUrlHandler("file", this, "open");
        QDir::setCurrent(PathToQt(folder));
    }
    ~DesktopRecorder() override {
        QDir::setCurrent(previous_);
        QDesktopServices::unsetUrlHandler("file");
    }

    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened << url; }

private:
    QString previous_;
};
