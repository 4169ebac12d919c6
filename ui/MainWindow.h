#pragma once
#include "ControlLayout.h"

#include <QHash>
#include <QImage>
#include <QWidget>

namespace jiaoyan::ui {

class AlgorithmList;
class DropObject;
class ResultBox;
class TabControl;
class WindowEvents;

// The tool's single window, built from the control table.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 564;
    static constexpr int kClientHeight = 276;
    static constexpr int kOuterWidth = 570;
    static constexpr int kOuterHeight = 304;

    explicit MainWindow(QWidget* parent = nullptr);

    static QString title();
    static QImage dropAreaPicture();
    static QIcon appIcon();

    QWidget* control(const char* name) const { return m_controls.value(QString::fromUtf8(name)); }
    DropObject* dropObject(const char* name) const { return m_dropObjects.value(QString::fromUtf8(name)); }
    TabControl* outerTabs() const;
    TabControl* innerTabs() const;
    ResultBox* resultBox() const;
    AlgorithmList* algorithmList() const;

    // Operations for the page handlers.
    void setResultText(const QByteArray& text);
    void appendResultText(const QByteArray& text);
    QByteArray knownValueText() const;
    int selectedAlgorithm() const;

    // Connects the ten events' handlers (the created event is the application's).
    void bindEvents(WindowEvents* handlers);

    // Places the window centred on the primary screen.
    void centreOnPrimaryScreen();

signals:
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* create(const ControlSpec& row);
    QWidget* parentFor(const ControlSpec& row) const;
    void orderFocusRing();

    QHash<QString, QWidget*> m_controls;
    QHash<QString, DropObject*> m_dropObjects;
};

} // namespace jiaoyan::ui
