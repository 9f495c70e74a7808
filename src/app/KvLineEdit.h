#pragma once

#include <QKeySequence>
#include <QLineEdit>
#include <QList>

namespace kv::app {

// A text box that reports when it gets the focus and lets the window's own
// shortcuts through (a plain QLineEdit keeps Ctrl+X, Ctrl+A and the like for
// editing).
class KvLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit KvLineEdit(QWidget* parent = nullptr) : QLineEdit(parent) {}

    void SetPassThroughShortcuts(const QList<QKeySequence>& keys) { passThrough_ = keys; }

signals:
    void gotFocus();

protected:
    void focusInEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;

private:
    QList<QKeySequence> passThrough_;
};

}  // namespace kv::app
