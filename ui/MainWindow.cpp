#include "MainWindow.h"

#include "AlgorithmList.h"
#include "DropFrame.h"
#include "DropObject.h"
#include "PictureBox.h"
#include "PngImage.h"
#include "Resources.h"
#include "ResultBox.h"
#include "TabControl.h"
#include "TransparentLabel.h"
#include "WindowEvents.h"

#include <QGuiApplication>
#include <QIcon>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>

#include <ranges>

namespace jiaoyan::ui {

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("jiaoyanMainWindow"));
    setWindowTitle(title());
    setWindowIcon(appIcon());
    setFixedSize(kClientWidth, kClientHeight);
    setAttribute(Qt::WA_StyledBackground);
    setAutoFillBackground(true);

    for (const ControlSpec& row : kControls)
        create(row);
    // Among siblings an earlier row lies on top: raise from the last row to the first.
    for (const ControlSpec& row : std::views::reverse(kControls))
        if (QWidget* w = control(row.name))
            w->raise();
    orderFocusRing();

    connect(innerTabs(), &TabControl::currentChanged, this, [this](int index) {
        control(index == 0 ? kCompareVerifyButton : kCheckVerifyButton)->setFocus(Qt::TabFocusReason);
    });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

QString MainWindow::title() { return QStringLiteral("文件校验工具   https://jiaoyan.invalid/   By: Vek"); }

QImage MainWindow::dropAreaPicture() {
    static const QImage picture = decodePng(resources::dropAreaPng);
    return picture;
}

QIcon MainWindow::appIcon() {
    QIcon icon;
    for (std::string_view png : {resources::appIcon16Png, resources::appIcon32Png, resources::appIcon48Png,
                                 resources::appIcon256Png})
        icon.addPixmap(QPixmap::fromImage(decodePng(png)));
    return icon;
}

QWidget* MainWindow::parentFor(const ControlSpec& row) const {
    if (!row.parent)
        return const_cast<MainWindow*>(this);
    QWidget* parent = m_controls.value(QString::fromUtf8(row.parent));
    if (auto* tabs = qobject_cast<TabControl*>(parent))
        return tabs->page(row.page - 1);
    return parent;
}

QWidget* MainWindow::create(const ControlSpec& row) {
    const QString name = QString::fromUtf8(row.name);
    if (QWidget* existing = m_controls.value(name))
        return existing;
    if (row.parent && !m_controls.value(QString::fromUtf8(row.parent))) {
        for (const ControlSpec& other : kControls)
            if (std::string_view(other.name) == row.parent)
                create(other);
    }
    QWidget* parent = parentFor(row);
    const QString text = QString::fromUtf8(row.text);
    QWidget* widget = nullptr;
    switch (row.kind) {
    case ControlKind::ResultBox: widget = new ResultBox(parent); break;
    case ControlKind::Button: {
        auto* button = new QPushButton(text, parent);
        button->setAutoDefault(false);
        button->setDefault(false);
        button->setFocusPolicy(Qt::StrongFocus);
        widget = button;
        break;
    }
    case ControlKind::InputBox: {
        auto* input = new QLineEdit(parent);
        input->setMaxLength(std::numeric_limits<int>::max());
        input->setAcceptDrops(false);
        widget = input;
        break;
    }
    case ControlKind::AlgorithmList: widget = new AlgorithmList(parent); break;
    case ControlKind::TransparentLabel: widget = new TransparentLabel(text, parent); break;
    case ControlKind::Frame: widget = new DropFrame(parent); break;
    case ControlKind::PictureBox: widget = new PictureBox(dropAreaPicture(), parent); break;
    case ControlKind::TabControl: {
        for (const TabPages& pages : kTabPages)
            if (std::string_view(pages.tabControl) == row.name)
                widget =
                    new TabControl({QString::fromUtf8(pages.page1), QString::fromUtf8(pages.page2)}, parent);
        break;
    }
    case ControlKind::DropObject: m_dropObjects.insert(name, new DropObject(name, this)); return nullptr;
    }
    widget->setObjectName(name);
    widget->setGeometry(row.left, row.top, row.width, row.height);
    if (auto* tabs = qobject_cast<TabControl*>(widget))
        tabs->layoutPages();
    m_controls.insert(name, widget);
    return widget;
}

// Tab runs through the focusable controls in descending table order and wraps.
void MainWindow::orderFocusRing() {
    QWidget* previous = nullptr;
    for (const ControlSpec& row : std::views::reverse(kControls)) {
        QWidget* w = control(row.name);
        if (!w || w->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            setTabOrder(previous, w);
        previous = w;
    }
}

TabControl* MainWindow::outerTabs() const { return static_cast<TabControl*>(control(kOuterTabs)); }
TabControl* MainWindow::innerTabs() const { return static_cast<TabControl*>(control(kInnerTabs)); }
ResultBox* MainWindow::resultBox() const { return static_cast<ResultBox*>(control(kResultBox)); }
AlgorithmList* MainWindow::algorithmList() const {
    return static_cast<AlgorithmList*>(control(kAlgorithmList));
}

void MainWindow::setResultText(const QByteArray& text) { resultBox()->setWholeText(QString::fromUtf8(text)); }
void MainWindow::appendResultText(const QByteArray& text) {
    resultBox()->appendAtEnd(QString::fromUtf8(text));
}
QByteArray MainWindow::knownValueText() const {
    return static_cast<QLineEdit*>(control(kKnownValueInput))->text().toUtf8();
}
int MainWindow::selectedAlgorithm() const { return algorithmList()->currentIndex(); }

void MainWindow::bindEvents(WindowEvents* h) {
    auto button = [this](const char* name) { return static_cast<QPushButton*>(control(name)); };
    connect(outerTabs(), &TabControl::clicked, h, &WindowEvents::clearOnOuterTabClick);
    // Queued: the drop returns to the drag source at once, before the file is read.
    connect(dropObject(kSingleDrop), &DropObject::filesDropped, h, &WindowEvents::showSingleFile,
            Qt::QueuedConnection);
    connect(dropObject(kFile1Drop), &DropObject::filesDropped, h, &WindowEvents::takeFile1,
            Qt::QueuedConnection);
    connect(dropObject(kFile2Drop), &DropObject::filesDropped, h, &WindowEvents::takeFile2,
            Qt::QueuedConnection);
    connect(button(kCompareVerifyButton), &QPushButton::clicked, h, &WindowEvents::verifyComparison);
    connect(button(kCompareResetButton), &QPushButton::clicked, h, &WindowEvents::resetComparison);
    connect(dropObject(kCheckDrop), &DropObject::filesDropped, h, &WindowEvents::takeCheckFile,
            Qt::QueuedConnection);
    connect(button(kCheckVerifyButton), &QPushButton::clicked, h, &WindowEvents::verifyKnownValue);
    connect(button(kCheckResetButton), &QPushButton::clicked, h, &WindowEvents::resetKnownValue);
}

void MainWindow::centreOnPrimaryScreen() {
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - kOuterWidth) / 2, area.y() + (area.height() - kOuterHeight) / 2);
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    emit closing();
    QWidget::closeEvent(event);
}

} // namespace jiaoyan::ui
