#include "accessibility.h"

#include "native_controls.h"
#include "native_form.h"
#include "number_text.h"
#include "scroll_bar.h"
#include "surface.h"

#include <QAccessibleTextInterface>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <cmath>

namespace quorvel::platform::qt {

namespace {

// A bar as a value from 0 to 1, the right way up, that moves as the arrow keys
// move it: its change handler runs once per change, as for the keyboard.
class BarAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit BarAccessible(ScrollBar *bar) : QAccessibleWidget(bar, QAccessible::ScrollBar) {}

    void *interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value)
            return ToQString(ShownText(bar()->row(), bar()->Value()));
        return QAccessibleWidget::text(kind);
    }

    QVariant currentValue() const override { return bar()->shownValue(); }
    void setCurrentValue(const QVariant &value) override {
        bool ok = false;
        const double wanted = value.toDouble(&ok);
        if (ok && std::isfinite(wanted))
            bar()->showValue(wanted);
    }
    // A bar of listed numbers runs from its first to its last.
    QVariant maximumValue() const override {
        return bar()->row().steps ? ShownValue(bar()->row(), bar()->row().endValue) : 1.0;
    }
    QVariant minimumValue() const override {
        return bar()->row().steps ? ShownValue(bar()->row(), bar()->row().startValue) : 0.0;
    }
    QVariant minimumStepSize() const override { return bar()->shownStep(); }

    // Increase and decrease raise and lower the value a step, whichever way the bar runs.
    QStringList actionNames() const override { return {increaseAction(), decreaseAction()}; }
    void doAction(const QString &name) override {
        if (name == increaseAction())
            bar()->step(true);
        else if (name == decreaseAction())
            bar()->step(false);
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    ScrollBar *bar() const { return static_cast<ScrollBar *>(widget()); }
};

// A box as text to read, never to edit: its value is what it shows, and a
// screen reader reads it, by word or by character, through its text.
class BoxAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    // An entry that reads, never edits: as a browser's read-only box, which
    // a screen reader reads as "read only entry" and its number.
    explicit BoxAccessible(TextBox *box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    void *interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value)
            return shown();
        return QAccessibleWidget::text(kind);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.editable = false;
        state.selectableText = true;
        return state;
    }

    // The text, and the selection a user may make in it to copy.
    QString text(int startOffset, int endOffset) const override {
        return shown().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(shown().size()); }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void selection(int index, int *startOffset, int *endOffset) const override {
        *startOffset = *endOffset = 0;
        if (index == 0 && box()->hasSelectedText()) {
            *startOffset = box()->selectionStart();
            *endOffset = box()->selectionEnd();
        }
    }
    void addSelection(int startOffset, int endOffset) override {
        box()->setSelection(startOffset, endOffset - startOffset);
    }
    void setSelection(int, int startOffset, int endOffset) override {
        addSelection(startOffset, endOffset);
    }
    void removeSelection(int) override { box()->deselect(); }
    QRect characterRect(int offset) const override {
        const QFontMetrics metrics(box()->font());
        const QRect inside = box()->contentsRect();
        const int x = metrics.horizontalAdvance(shown().left(offset));
        const int width = metrics.horizontalAdvance(shown().mid(offset, 1));
        return QRect(box()->mapToGlobal(inside.topLeft() + QPoint(x, 0)),
                     QSize(width, inside.height()));
    }
    int offsetAtPoint(const QPoint &point) const override {
        const QPoint local = box()->mapFromGlobal(point) - box()->contentsRect().topLeft();
        const QFontMetrics metrics(box()->font());
        for (int i = 0; i < characterCount(); ++i)
            if (metrics.horizontalAdvance(shown().left(i + 1)) > local.x())
                return i;
        return -1;
    }
    void scrollToSubstring(int, int) override {} // always shown whole
    // No attributes, in one run over the whole text: a run of no length at
    // each offset has a screen reader lose the last character of a line.
    QString attributes(int, int *startOffset, int *endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    QLineEdit *box() const { return static_cast<QLineEdit *>(widget()); }
    QString shown() const { return box()->text(); }
};

// The window, with its controls first, in the order Tab visits them, and the
// captions and frames after them: a screen reader that walks the window meets
// what a user can act on before some twenty captions.
class FormAccessible : public QAccessibleWidget {
public:
    explicit FormAccessible(QWidget *form) : QAccessibleWidget(form, QAccessible::Window) {}

    int childCount() const override { return int(ordered().size()); }
    QAccessibleInterface *child(int index) const override {
        const QList<QWidget *> children = ordered();
        return index >= 0 && index < children.size()
                   ? QAccessible::queryAccessibleInterface(children[index])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override {
        return child ? int(ordered().indexOf(qobject_cast<QWidget *>(child->object()))) : -1;
    }

private:
    QList<QWidget *> ordered() const {
        QList<QWidget *> children;
        for (QWidget *control : static_cast<Form *>(widget())->focusOrder())
            children << control;
        for (QObject *object : widget()->children())
            if (auto *child = qobject_cast<QWidget *>(object))
                if (!child->isWindow() && !children.contains(child))
                    children << child;
        return children;
    }
};

// The announcer: a notification whose name is the sentence it says.
class AnnouncerAccessible : public QAccessibleWidget {
public:
    explicit AnnouncerAccessible(Announcer *announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification) {}
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name)
            return static_cast<Announcer *>(widget())->sentence();
        return {};
    }
};

QAccessibleInterface *Factory(const QString &, QObject *object) {
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (auto *bar = dynamic_cast<ScrollBar *>(widget))
        return new BarAccessible(bar);
    if (auto *box = dynamic_cast<TextBox *>(widget))
        return new BoxAccessible(box);
    if (dynamic_cast<LineShape *>(widget) || dynamic_cast<DrawingLayer *>(widget))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    if (dynamic_cast<Form *>(widget))
        return new FormAccessible(widget);
    if (auto *announcer = dynamic_cast<Announcer *>(widget))
        return new AnnouncerAccessible(announcer);
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget *form) : QWidget(form) {
    setGeometry(0, 0, 1, 1);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

// Hidden and shown again, so that a sentence said twice is spoken twice.
void Announcer::say(const QString &sentence) {
    sentence_ = sentence;
    QAccessibleEvent named(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    QAccessibleEvent hidden(this, QAccessible::ObjectHide);
    QAccessible::updateAccessibility(&hidden);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

void InstallAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

} // namespace quorvel::platform::qt
