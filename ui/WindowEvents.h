#pragma once
#include <QObject>

namespace jiaoyan::ui {

// The handlers that the window's events reach, one slot an event.
class WindowEvents : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

public slots:
    virtual void clearOnOuterTabClick() {}
    virtual void showSingleFile(const QByteArray& dropped) { Q_UNUSED(dropped); }
    virtual void takeFile1(const QByteArray& dropped) { Q_UNUSED(dropped); }
    virtual void takeFile2(const QByteArray& dropped) { Q_UNUSED(dropped); }
    virtual void verifyComparison() {}
    virtual void resetComparison() {}
    virtual void takeCheckFile(const QByteArray& dropped) { Q_UNUSED(dropped); }
    virtual void verifyKnownValue() {}
    virtual void resetKnownValue() {}
};

} // namespace jiaoyan::ui
