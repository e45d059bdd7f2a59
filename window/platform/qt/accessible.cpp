#include "accessible.h"

#include "drawing_layer.h"
#include "form_widget.h"
#include "number_text.h"
#include "scroll_bar.h"
#include "widgets.h"

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
            return ToQString(NumberToText(shown()));
        return QAccessibleWidget::text(kind);
    }

    QVariant currentValue() const override { return shown(); }
    void setCurrentValue(const QVariant &value) override {
        bool ok = false;
        const double wanted = value.toDouble(&ok);
        if (!ok || !std::isfinite(wanted))
            return;
        const double steps = std::clamp(wanted, 0.0, 1.0) * bar()->FullScale();
        bar()->StepBy(static_cast<int>(std::lround(steps)) - bar()->Value());
    }
    QVariant maximumValue() const override { return 1.0; }
    QVariant minimumValue() const override { return 0.0; }
    QVariant minimumStepSize() const override {
        return bar()->singleStep() / static_cast<double>(bar()->FullScale());
    }

    QStringList actionNames() const override { return {increaseAction(), decreaseAction()}; }
    void doAction(const QString &name) override {
        if (name == increaseAction())
            bar()->StepBy(bar()->singleStep());
        else if (name == decreaseAction())
            bar()->StepBy(-bar()->singleStep());
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    ScrollBar *bar() const { return static_cast<ScrollBar *>(widget()); }
    double shown() const { return bar()->Value() / static_cast<double>(bar()->FullScale()); }
};

// A box as text to read, never to edit: its value is what it shows.
class BoxAccessible : public QAccessibleWidget {
public:
    explicit BoxAccessible(TextBox *box) : QAccessibleWidget(box, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value)
            return static_cast<TextBox *>(widget())->QLineEdit::text();
        return QAccessibleWidget::text(kind);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.editable = false;
        state.selectableText = true;
        return state;
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
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

} // namespace

void InstallAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

} // namespace quorvel::platform::qt
