#include "palette/ui/adjustpointer.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace mottler {
namespace {

class AdjustPointerAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit AdjustPointerAccessible(AdjustPointer* pointer)
        : QAccessibleWidget(pointer, QAccessible::Slider) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QVariant currentValue() const override {
        return static_cast<const AdjustPointer*>(widget())->Value();
    }
    void setCurrentValue(const QVariant&) override {} // moved with the keys or the mouse only
    QVariant maximumValue() const override { return 255; }
    QVariant minimumValue() const override { return -255; }
    QVariant minimumStepSize() const override { return 1; }
};

QAccessibleInterface* AdjustPointerFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(AdjustPointer::staticMetaObject.className()) &&
        object != nullptr && object->isWidgetType())
        return new AdjustPointerAccessible(static_cast<AdjustPointer*>(object));
    return nullptr;
}

} // namespace

AdjustPointer::AdjustPointer(QWidget* parent) : QLabel(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(AdjustPointerFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

void AdjustPointer::SetValue(int newValue) {
    if (value == newValue)
        return;
    value = newValue;
    QAccessibleValueChangeEvent change(this, value);
    QAccessible::updateAccessibility(&change);
}

} // namespace mottler
