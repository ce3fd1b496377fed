#pragma once

#include <QEvent>
#include <QObject>
#include <QWidget>

// Reports a mouse click on a widget that has no click signal of its own (a label, a text box).
class ClickNotifier : public QObject {
    Q_OBJECT
public:
    // The notifier is a child of the widget and lives as long as it does.
    static ClickNotifier* watch(QWidget* widget) {
        auto* notifier = new ClickNotifier(widget);
        widget->installEventFilter(notifier);
        return notifier;
    }

signals:
    void clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress)
            emit clicked();
        return QObject::eventFilter(watched, event);
    }

private:
    explicit ClickNotifier(QWidget* widget) : QObject(widget) {}
};
